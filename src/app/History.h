#pragma once

#include "Startup.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <editor/Scopes.h>
#include <functional>
#include <optional>

namespace app {

struct Pages;
class Readout;

// Store, the numbered history of replaced system databases, restore, clear history, save as,
// the hidden-copy refresh and exit.
class History {
public:
    History(editor::Editor& editor, Pages& pages, Readout& readout)
        : m_editor(editor), m_pages(pages), m_readout(readout) {}
    // Start-up runs again at the end of every store.
    void setStartup(Startup& startup) { m_startup = &startup; }

    // Reads the history anew: the rows whose backup is there, the others deleted.
    void FillHistoryList();
    // After a store, the row it added (no, and the date as stored; an invalid no when the row
    // could not be saved) joins the list without reading the others again.
    void showStoredEntry(const QVariant& no, const QVariant& storedDate);
    // True when a new system database was put in place.
    bool Store();
    void Restore();
    // The file of the backup chosen in the history list; empty when none is chosen.
    QString selectedBackupPath() const;
    void ClearHistory();
    void SaveAs();
    void RefreshHiddenCopy();
    void Exit();

    // The text of a history entry: No + ". -  " + the date in the platform's text form.
    static QString entryText(const QVariant& no, const QDateTime& date);
    // Backup numbers stop here: beyond it, numbers stored as floating point (as the
    // installation's engine may) are no longer exact.
    static constexpr qint64 kLastNumber = qint64(1) << 53;

    // Called with the name of each file step of a store, before the step runs; tests make a
    // step fail (or the process die) here. Unset in normal use.
    static std::function<void(const char* step)> faultPoint;

private:
    // The steps of a store up to the replacement of the system database. Before the
    // replacement a failure undoes every step and throws; what fails after it goes into
    // afterwards. False when the user kept a system database that another program changed.
    bool storeFiles(QStringList& afterwards, Startup::Handover& handover);
    qint64 nextNumber();
    QString backupFolder() const;
    void selectLastEntry();
    QString backupPath(qint64 no) const;
    bool askToReplaceChanged(const QString& system) const;

    editor::Editor& m_editor;
    Pages& m_pages;
    Readout& m_readout;
    Startup* m_startup = nullptr;
    editor::RunningFlag m_storeRunning;
    editor::RunningFlag m_clearRunning;
    // The highest number of a backup file in the folder as this program last read or wrote it;
    // nothing until it is read. Only a store of this program adds such files.
    std::optional<qint64> m_highestBackup;
    bool m_passedStrays = false; // the last number was found after files without a row
};

} // namespace app
