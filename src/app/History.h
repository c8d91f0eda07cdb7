#pragma once

#include <QDateTime>
#include <QString>
#include <editor/Scopes.h>
#include <functional>

namespace app {

struct Pages;
class Readout;
class Startup;

// Store, the numbered history of replaced system databases, restore, clear history, save as,
// the hidden-copy refresh and exit.
class History {
public:
    History(editor::Editor& editor, Pages& pages, Readout& readout)
        : m_editor(editor), m_pages(pages), m_readout(readout) {}
    // Start-up runs again at the end of every store.
    void setStartup(Startup& startup) { m_startup = &startup; }

    void FillHistoryList();
    void Store();
    void Restore();
    void ClearHistory();
    void SaveAs();
    void RefreshHiddenCopy();
    void Exit();

    // The text of a history entry: No + ". -  " + the date in the platform's text form.
    static QString entryText(int no, const QDateTime& date);

    // Called with the name of each file step of a store, before the step runs; tests make a
    // step fail (or the process die) here. Unset in normal use.
    static std::function<void(const char* step)> faultPoint;

private:
    void storeFiles();

    editor::Editor& m_editor;
    Pages& m_pages;
    Readout& m_readout;
    Startup* m_startup = nullptr;
    editor::RunningFlag m_storeRunning;
    editor::RunningFlag m_clearRunning;
};

} // namespace app
