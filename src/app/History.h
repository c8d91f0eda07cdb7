#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace app {

class Editor;

// Store, the numbered history of replaced system databases, restore, clear history, save as,
// the hidden-copy refresh and exit.
class History {
public:
    explicit History(Editor& editor) : m_editor(editor) {}

    void FillHistoryList();
    void Store();
    void Restore();
    void ClearHistory();
    void SaveAs();
    void RefreshHiddenCopy();
    void Exit();
    // frmLogin's buttons.
    void LoginOk();
    void LoginCancel();

    // The text of a history entry: No + ". -  " + the date in the platform's text form.
    static QString entryText(int no, const QDateTime& date);

    // Called with the name of each file step of a store, before the step runs; tests make a
    // step fail (or the process die) here. Unset in normal use.
    static std::function<void(const char* step)> faultPoint;

private:
    void writeNddField();
    void storeFiles();

    Editor& m_editor;
};

} // namespace app
