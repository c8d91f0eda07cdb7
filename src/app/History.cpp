#include "History.h"

#include "BusyScope.h"
#include "Editor.h"
#include "Files.h"
#include "Readout.h"
#include "Startup.h"
#include "Texts.h"

#include <QFileInfo>
#include <QLocale>
#include <db/RecordHelpers.h>
#include <form/FormSet.h>
#include <form/QuietScope.h>
#include <platform/Platform.h>

namespace app {

std::function<void(const char*)> History::faultPoint;

namespace {

const QString kPath = QStringLiteral("Path");
const QString kNo = QStringLiteral("No");
const QString kDate = QStringLiteral("Date");

void fault(const char* step) {
    if (History::faultPoint)
        History::faultPoint(step);
}

// Sets a flag for the length of a scope; a nested call finds it set and returns at once.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyFlag() { m_flag = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& m_flag;
};

// Disables buttons for the length of a scope, then enables them again.
class ButtonsDisabled {
public:
    ButtonsDisabled(form::Form& form, const QStringList& names) : m_form(form), m_names(names) {
        for (const QString& name : m_names)
            m_form.button(name).setEnabled(false);
    }
    ~ButtonsDisabled() {
        for (const QString& name : m_names)
            m_form.button(name).setEnabled(true);
    }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    form::Form& m_form;
    QStringList m_names;
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
    Editor& e = m_editor;
    form::ListBox& list = e.main().listBox(QStringLiteral("ComboHistory"));
    list.clear();
    db::Recordset rows = e.templ().OpenRecordset(texts::kHistory);
    const bool walked = !rows.eof();
    for (; !rows.eof(); rows.moveNext()) {
        const QString path = db::NullToText(rows.value(kPath));
        if (QFileInfo(path).isFile()) {
            const int no = rows.value(kNo).toInt();
            list.addItem(entryText(no, rows.value(kDate).toDateTime()), no);
        } else {
            rows.deleteRow(); // the backup was deleted outside the program
        }
    }
    if (walked && list.count() > 0) {
        const form::QuietScope quiet(e.live);
        list.setCurrentIndex(list.count() - 1);
    }
}

void History::writeNddField() {
    form::Form& f = m_editor.main();
    const bool ndd = f.checkBox(QStringLiteral("CheckNDD")).isChecked() &&
                     (f.checkBox(QStringLiteral("CheckNDD1")).isChecked() ||
                      f.checkBox(QStringLiteral("CheckNDD2")).isChecked());
    db::WriteField(m_editor.work(), texts::kAvailableSystems, texts::kIdAvailable, QString(),
                   QStringLiteral("NDD"), ndd);
}

void History::Store() {
    Editor& e = m_editor;
    if (e.storeBusy)
        return;
    const BusyFlag busyFlag(e.storeBusy);
    if (!e.host().askYesNo(
            QStringLiteral("Are you sure, you want to store the new system database ?"),
            texts::kCaption))
        return;
    form::Form& f = e.main();
    const BusyScope busy(e.host());
    const ButtonsDisabled disabled(f,
                                   {QStringLiteral("CmdCancel"), QStringLiteral("CmdClearHistory"),
                                    QStringLiteral("CmdRestore")});

    writeNddField();
    for (int i = 0; i < 4; ++i) {
        const QString text = f.textBox(texts::kVoltageBoxes[i]).text();
        if (text != e.lastVoltages[i] && !text.isEmpty())
            e.RegistryWrite(texts::kStepDacSuffix, QStringLiteral("Voltage %1").arg(i), text);
    }
    storeFiles();
    Startup(e).run();
}

// The file steps of a store. The old system database is replaced in one atomic step, only
// after its backup is on the disk and the compacted working copy is complete beside it; until
// then a failure leaves it untouched and the working copy open as it was.
void History::storeFiles() {
    Editor& e = m_editor;
    const QDateTime now = QDateTime::currentDateTime();
    // The number after the last row's; 1 for an empty history.
    int no = 1;
    {
        db::Recordset last = e.templ().OpenRecordset(
            QStringLiteral("SELECT [No] FROM [History] ORDER BY _rowid_ DESC LIMIT 1"));
        if (!last.eof())
            no = last.value(kNo).toInt() + 1;
    }
    const QString backup = e.DatabaseFolder + QStringLiteral("BackupDB/Temp%1.mdb").arg(no);
    const QString compacted = e.SystemDatabasePath + QStringLiteral(".compact");
    try {
        fault("backup");
        db::Database::SnapshotDatabase(e.SystemDatabasePath, backup);
        fault("history");
        e.templ().execute(
            QStringLiteral("INSERT INTO [History] ([Date], [No], [Path]) VALUES (?, ?, ?)"),
            {db::toStored(db::FieldType::Date, now), no, backup});
        fault("close");
        e.closeWork(); // commits this action's writes, or fails before anything is replaced
        e.closeTemplate();
        fault("compact");
        QFile::remove(compacted);
        db::Database::CompactDatabase(e.WorkCopyPath, compacted);
        fault("replace");
        if (e.platform().isReadOnly(e.SystemDatabasePath))
            e.platform().setReadOnly(e.SystemDatabasePath, false);
        files::replace(compacted, e.SystemDatabasePath);
        fault("done");
    } catch (const db::DbError& error) {
        QFile::remove(compacted);
        if (!e.isWorkOpen())
            e.openWork();
        if (!e.isTemplateOpen())
            e.openTemplate();
        throw FileError(QStringLiteral("Store failed, the system database is unchanged: %1")
                            .arg(error.message()));
    }
}

void History::Restore() {
    Editor& e = m_editor;
    form::ListBox& list = e.main().listBox(QStringLiteral("ComboHistory"));
    if (list.currentIndex() < 0)
        return;
    const int no = list.currentData().toInt();
    if (no <= 0)
        return;
    if (!db::RecordExistsByNumber(e.templ(), texts::kHistory, kNo, no))
        return;
    const QString path =
        db::NullToText(db::ReadFieldByNumber(e.templ(), texts::kHistory, kNo, no, kPath));
    if (!QFileInfo(path).isFile()) {
        e.setMessage(QStringLiteral("File: ") + path + QStringLiteral(" not found !"));
        e.host().beep();
        return;
    }
    const BusyScope busy(e.host());
    e.closeWork();
    try {
        files::copyOver(path, e.WorkCopyPath, files::Flush::No);
    } catch (...) {
        e.openWork();
        throw;
    }
    e.openWork();
    e.work().begin(); // the rest of the action's writes land with it, in one commit
    Readout(e).Refresh();
    e.setMessage(QStringLiteral("You must store this restored configuraton to make it active !"));
}

void History::ClearHistory() {
    Editor& e = m_editor;
    if (e.clearHistoryBusy)
        return;
    const BusyFlag busyFlag(e.clearHistoryBusy);
    if (!e.host().askYesNo(QStringLiteral("Are you sure ? All older versions are lost !"),
                           texts::kCaption))
        return;
    db::Recordset rows = e.templ().OpenRecordset(texts::kHistory);
    for (; !rows.eof(); rows.moveNext()) {
        const QString path = db::NullToText(rows.value(kPath));
        if (QFileInfo(path).isFile())
            files::remove(path);
        rows.deleteRow();
    }
    e.main().listBox(QStringLiteral("ComboHistory")).clear();
}

void History::SaveAs() {
    Editor& e = m_editor;
    QString fileName = e.SystemDatabasePath;
    if (!e.AskSaveFileName(fileName, QStringLiteral("mdb files"), QStringLiteral("*.mdb")))
        return;
    const BusyScope busy(e.host());
    writeNddField();
    // The copy must hold what this action wrote so far.
    db::Database& work = e.work();
    if (work.inTransaction()) {
        work.commit();
        work.begin();
    }
    files::copyOver(e.WorkCopyPath, fileName);
}

void History::RefreshHiddenCopy() {
    Editor& e = m_editor;
    form::Form& login = e.dialog(QStringLiteral("frmLogin"));
    e.LoginSucceeded = false;
    e.forms().showModal(login);
    if (!e.LoginSucceeded)
        return;
    const QString hidden = e.HiddenCopyPath();
    platform::Platform& p = e.platform();
    if (QFileInfo::exists(hidden)) {
        if (p.isHidden(hidden))
            p.setHidden(hidden, false);
        if (p.isReadOnly(hidden))
            p.setReadOnly(hidden, false);
    }
    files::copyOver(e.SystemDatabasePath, hidden);
    p.setHidden(hidden, true);
    p.setReadOnly(hidden, true);
    e.main()
        .label(QStringLiteral("LMsgHiddenCopy"))
        .setCaption(QStringLiteral("Database now saved !"));
}

void History::LoginOk() {
    form::Form& login = m_editor.dialog(QStringLiteral("frmLogin"));
    if (login.textBox(QStringLiteral("txtPassword")).text() == QStringLiteral("Harvest")) {
        m_editor.LoginSucceeded = true;
        login.hide();
        return;
    }
    m_editor.host().message(QStringLiteral("Invalid Password, try again!"), QStringLiteral("Login"),
                            form::MessageIcon::Warning);
}

void History::LoginCancel() {
    form::Form& login = m_editor.dialog(QStringLiteral("frmLogin"));
    m_editor.LoginSucceeded = false;
    login.hide();
}

void History::Exit() {
    m_editor.closeDatabases();
    if (m_editor.quit)
        m_editor.quit();
}

} // namespace app
