#include "History.h"

#include "Files.h"
#include "Pages.h"
#include "Readout.h"
#include "Startup.h"

#include <QFileInfo>
#include <QLocale>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <form/FormSet.h>
#include <platform/Platform.h>
#include <records/RecordHelpers.h>

namespace app {

namespace texts = editor::texts;
using editor::FileError;
using records::kHistory;

std::function<void(const char*)> History::faultPoint;

namespace {

const QString kPath = QStringLiteral("Path");
const QString kNo = QStringLiteral("No");
const QString kDate = QStringLiteral("Date");

void fault(const char* step) {
    if (History::faultPoint)
        History::faultPoint(step);
}

// Disables buttons for the length of a scope, then enables them again.
class ButtonsDisabled {
public:
    ButtonsDisabled(std::initializer_list<form::Button*> buttons) : m_buttons(buttons) {
        for (form::Button* button : m_buttons)
            button->setEnabled(false);
    }
    ~ButtonsDisabled() {
        for (form::Button* button : m_buttons)
            button->setEnabled(true);
    }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    QList<form::Button*> m_buttons;
};

} // namespace

QString History::entryText(int no, const QDateTime& date) {
    const QLocale locale = QLocale::system();
    return QStringLiteral("%1. -  %2 %3")
        .arg(no)
        .arg(locale.toString(date.date(), QLocale::ShortFormat),
             date.time().toString(QStringLiteral("HH:mm:ss")));
}

void History::FillHistoryList() {
    editor::Editor& e = m_editor;
    form::ListBox& list = m_pages.database.comboHistory;
    list.clear();
    db::Recordset rows = e.templ().OpenRecordset(kHistory);
    const bool walked = !rows.eof();
    for (; !rows.eof(); rows.moveNext()) {
        const QString path = records::NullToText(rows.value(kPath));
        if (QFileInfo(path).isFile()) {
            const int no = rows.value(kNo).toInt();
            list.addItem(entryText(no, rows.value(kDate).toDateTime()), no);
        } else {
            rows.deleteRow(); // the backup was deleted outside the program
        }
    }
    if (walked && list.count() > 0) {
        const editor::Quiet quiet(e);
        list.setCurrentIndex(list.count() - 1);
    }
}

void History::Store() {
    editor::Editor& e = m_editor;
    if (m_storeRunning.isRunning())
        return;
    const editor::Running running(m_storeRunning);
    if (!e.host().askYesNo(
            QStringLiteral("Are you sure, you want to store the new system database ?"),
            texts::kCaption))
        return;
    const editor::BusyScope busy(e.host());
    DatabaseFrames& frames = m_pages.database;
    const ButtonsDisabled disabled{&frames.cmdExit, &frames.cmdClearHistory, &frames.cmdRestore};

    m_pages.ndd.storeNddField();
    storeFiles();
    // The registry changes with the system database, never for a store that failed.
    m_pages.fcs.storeVoltages();
    m_startup->run();
}

// The file steps of a store. The old system database is replaced in one atomic step, only
// after its backup is on the disk and the compacted working copy is complete beside it; until
// then a failure leaves it untouched and the working copy open as it was.
void History::storeFiles() {
    editor::Editor& e = m_editor;
    const QDateTime now = QDateTime::currentDateTime();
    // The number after the last row's; 1 for an empty history.
    int no = 1;
    {
        db::Recordset last = e.templ().OpenRecordset(
            QStringLiteral("SELECT [No] FROM %1 ORDER BY _rowid_ DESC LIMIT 1")
                .arg(e.templ().qualified(kHistory)));
        if (!last.eof())
            no = last.value(kNo).toInt() + 1;
    }
    const QString backup = e.databaseFolder() + QStringLiteral("BackupDB/Temp%1.mdb").arg(no);
    const QString compacted = e.systemDatabasePath() + QStringLiteral(".compact");
    try {
        fault("backup");
        db::Database::SnapshotDatabase(e.systemDatabasePath(), backup);
        fault("history");
        e.templ().execute(QStringLiteral("INSERT INTO %1 ([Date], [No], [Path]) VALUES (?, ?, ?)")
                              .arg(e.templ().qualified(kHistory)),
                          {db::toStored(db::FieldType::Date, now), no, backup});
        fault("close");
        e.closeWork(); // commits this action's writes, or fails before anything is replaced
        e.closeTemplate();
        fault("compact");
        QFile::remove(compacted);
        db::Database::CompactDatabase(e.workCopyPath(), compacted);
        fault("replace");
        if (e.platform().isReadOnly(e.systemDatabasePath()))
            e.platform().setReadOnly(e.systemDatabasePath(), false);
        files::replace(compacted, e.systemDatabasePath());
        fault("done");
    } catch (const db::DbError& error) {
        QFile::remove(compacted);
        // While the working copy is open its history row was not committed: the backup belongs
        // to no row.
        if (e.isWorkOpen())
            QFile::remove(backup);
        if (!e.isWorkOpen())
            e.openWork();
        if (!e.isTemplateOpen())
            e.openTemplate();
        throw FileError(QStringLiteral("Store failed, the system database is unchanged: %1")
                            .arg(error.message()));
    }
}

void History::Restore() {
    editor::Editor& e = m_editor;
    form::ListBox& list = m_pages.database.comboHistory;
    if (list.currentIndex() < 0)
        return;
    const int no = list.currentData().toInt();
    if (no <= 0)
        return;
    if (!records::RecordExistsByNumber(e.templ(), kHistory, kNo, no))
        return;
    const QString path =
        records::NullToText(records::ReadFieldByNumber(e.templ(), kHistory, kNo, no, kPath));
    if (!QFileInfo(path).isFile()) {
        e.setMessage(QStringLiteral("File: ") + path + QStringLiteral(" not found !"));
        e.host().beep();
        return;
    }
    const editor::BusyScope busy(e.host());
    e.closeWork();
    try {
        files::copyOver(path, e.workCopyPath(), files::Flush::No);
    } catch (...) {
        e.openWork();
        throw;
    }
    e.openWork();
    e.work().begin(); // the rest of the action's writes land with it, in one commit
    m_readout.Refresh();
    e.setMessage(QStringLiteral("You must store this restored configuraton to make it active !"));
}

void History::ClearHistory() {
    editor::Editor& e = m_editor;
    if (m_clearRunning.isRunning())
        return;
    const editor::Running running(m_clearRunning);
    if (!e.host().askYesNo(QStringLiteral("Are you sure ? All older versions are lost !"),
                           texts::kCaption))
        return;
    db::Recordset rows = e.templ().OpenRecordset(kHistory);
    for (; !rows.eof(); rows.moveNext()) {
        const QString path = records::NullToText(rows.value(kPath));
        // A backup is deleted only once its row is gone for good.
        if (QFileInfo(path).isFile())
            e.whenCommitted([path] { files::remove(path); });
        rows.deleteRow();
    }
    m_pages.database.comboHistory.clear();
}

void History::SaveAs() {
    editor::Editor& e = m_editor;
    QString fileName = e.systemDatabasePath();
    if (!e.AskSaveFileName(fileName, QStringLiteral("mdb files"), QStringLiteral("*.mdb")))
        return;
    const editor::BusyScope busy(e.host());
    m_pages.ndd.storeNddField();
    // The copy must hold what this action wrote so far.
    db::Database& work = e.work();
    if (work.inTransaction()) {
        work.commit();
        work.begin();
    }
    files::copyOver(e.workCopyPath(), fileName);
    // The NDD field may have changed under the master switch: show what was saved.
    m_readout.ReadConfiguration();
}

void History::RefreshHiddenCopy() {
    editor::Editor& e = m_editor;
    if (!m_pages.login.exec())
        return;
    const QString hidden = e.HiddenCopyPath();
    platform::Platform& p = e.platform();
    if (QFileInfo::exists(hidden)) {
        if (p.isHidden(hidden))
            p.setHidden(hidden, false);
        if (p.isReadOnly(hidden))
            p.setReadOnly(hidden, false);
    }
    files::copyOver(e.systemDatabasePath(), hidden);
    p.setHidden(hidden, true);
    p.setReadOnly(hidden, true);
    m_pages.database.lMsgHiddenCopy.setCaption(QStringLiteral("Database now saved !"));
}

void History::Exit() {
    m_editor.closeDatabases();
    m_editor.quit();
}

} // namespace app
