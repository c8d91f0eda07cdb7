#include "Startup.h"

#include "Editor.h"
#include "Files.h"
#include "History.h"
#include "Readout.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <db/RecordHelpers.h>
#include <form/FormSet.h>
#include <form/QuietScope.h>
#include <form/ScriptError.h>
#include <platform/Platform.h>

namespace app {

namespace {
const QString kRelationToDrop = QStringLiteral("Available InterfacesAvailable Shutters");
}

bool Startup::releaseAllowed(const QString& version) {
    const qsizetype point = version.indexOf(u'.');
    if (point < 0)
        return false;
    // The leading number of the text, as far as it reads as one ("3." is 3, "x." is 0).
    const QString head = version.left(point + 1).trimmed();
    qsizetype end = 0;
    while (end < head.size() && (head.at(end).isDigit() || head.at(end) == u'.'))
        ++end;
    return head.left(end).toDouble() >= 3;
}

void Startup::LockEditor() {
    form::Form& f = m_editor.main();
    f.tabControl(QStringLiteral("SSTab1")).setEnabled(false);
    for (const char* name : {"CmdRestore", "CmdClearHistory", "CmdStore"})
        f.button(QString::fromLatin1(name)).setEnabled(false);
    f.listBox(QStringLiteral("ComboHistory")).setEnabled(false);
    f.menuItem(QStringLiteral("mnuSaveas")).setEnabled(false);
}

void Startup::refuse(const QString& message, bool closeSplash) {
    m_editor.host().beep();
    m_editor.setMessage(message);
    LockEditor();
    if (closeSplash)
        m_editor.host().showSplash(false);
}

void Startup::run() {
    try {
        steps();
    } catch (const form::ScriptError&) {
        throw;
    } catch (const std::exception& error) {
        // A database or file that cannot be used: the editor stays locked and says why.
        const QString reason = dynamic_cast<const db::DbError*>(&error)
                                   ? static_cast<const db::DbError&>(error).message()
                                   : QString::fromLocal8Bit(error.what());
        m_editor.closeDatabases();
        m_editor.host().showSplash(false);
        m_editor.host().beep();
        m_editor.setMessage(reason);
        LockEditor();
        m_editor.host().message(reason, texts::kCaption, form::MessageIcon::Critical);
    }
}

void Startup::steps() {
    Editor& e = m_editor;
    form::Form& f = e.main();
    form::Host& host = e.host();

    // 1. A second instance hands over to the first one and ends.
    if (e.otherInstanceRunning && e.otherInstanceRunning()) {
        host.beep();
        if (e.quit)
            e.quit();
        return;
    }
    // 2. Only administrators change the installation.
    if (!e.platform().isAdministrator()) {
        refuse(texts::kNoAdministrator, false);
        return;
    }
    // 3.
    e.scanHead = false;
    host.showSplash(true);
    e.platform().sleepMs(200);
    host.processEvents();
    host.setBusy(false);

    // 4.-6. The system database named in the registry.
    e.SystemDatabasePath = e.RegistryRead(texts::kDatabaseKey, QStringLiteral("Path"));
    f.textBox(QStringLiteral("LDatabasePath")).setText(e.SystemDatabasePath);
    const qsizetype slash = e.SystemDatabasePath.lastIndexOf(u'/');
    e.DatabaseFolder = slash < 0 ? QString() : e.SystemDatabasePath.left(slash + 1);
    if (e.SystemDatabasePath.isEmpty() || !QFileInfo(e.SystemDatabasePath).isFile()) {
        refuse(texts::kNoSystemDatabase, true);
        return;
    }

    // 7.-8. The release of the system database.
    QVariant version;
    bool hasVersionTable = false;
    {
        auto system = db::Database::open(e.SystemDatabasePath);
        hasVersionTable = db::TableExists(*system, texts::kSystemVersions);
        if (hasVersionTable) {
            db::Recordset rs = system->OpenRecordset(texts::kSystemVersions);
            if (!rs.eof())
                version = rs.value(texts::kVersionName);
        }
    }
    if (!hasVersionTable || version.isNull()) {
        refuse(QStringLiteral("No release in the system database (table \"System Versions\" "
                              "missing or empty) ! Exit!"),
               true);
        return;
    }
    const QString versionText = version.toString();
    f.label(QStringLiteral("LVersion")).setCaption(versionText);
    if (!releaseAllowed(versionText)) {
        refuse(texts::kOldRelease, true);
        return;
    }
    // The template database must be there before a working copy is made for nothing.
    if (!QFileInfo(e.templatePath()).isFile()) {
        refuse(QStringLiteral("No template database %1 found ! Exit!").arg(e.templatePath()), true);
        return;
    }

    // 9.-10.
    files::makeFolder(e.DatabaseFolder + QStringLiteral("BackupDB"));
    e.setMessage(QString());
    e.WorkCopyPath = e.DatabaseFolder + QStringLiteral("BackupDB/Temp.mdb");

    // 11.-14. The working copy, the one-time hidden copy, writable files.
    platform::Platform& p = e.platform();
    if (p.isReadOnly(e.SystemDatabasePath))
        p.setReadOnly(e.SystemDatabasePath, false);
    if (QFileInfo::exists(e.WorkCopyPath) && p.isReadOnly(e.WorkCopyPath))
        p.setReadOnly(e.WorkCopyPath, false);
    e.closeWork();
    files::copyOver(e.SystemDatabasePath, e.WorkCopyPath, files::Flush::No);
    const QString hidden = e.HiddenCopyPath();
    if (!QFileInfo::exists(hidden)) {
        files::copyOver(e.SystemDatabasePath, hidden);
        p.setHidden(hidden, true);
        p.setReadOnly(hidden, true);
    }
    if (p.isReadOnly(e.templatePath()))
        p.setReadOnly(e.templatePath(), false);

    // 15.-17. The databases.
    e.openWork();
    if (e.work().relationNames().contains(kRelationToDrop, Qt::CaseInsensitive))
        e.work().deleteRelation(kRelationToDrop);
    e.openTemplate();

    // 18.
    e.standSelection = false;
    {
        const form::QuietScope quiet(e.live);
        form::ListBox& transmitted = f.listBox(QStringLiteral("ComboNDDTransm"));
        transmitted.clear();
        transmitted.addItem(QStringLiteral("NDD1"));
        transmitted.addItem(QStringLiteral("NDD4"));
        transmitted.setCurrentIndex(0);
        form::ListBox& reflected = f.listBox(QStringLiteral("ComboNDDRefl"));
        reflected.clear();
        reflected.addItem(QStringLiteral("NDD2"));
        reflected.addItem(QStringLiteral("NDD3"));
        reflected.setCurrentIndex(0);
    }

    // 19.-23. The readout's upkeep writes land in one commit.
    db::Transaction transaction(e.work());
    Readout(e).Refresh();
    f.button(QStringLiteral("CmdSetSCSI")).setEnabled(false);
    f.button(QStringLiteral("CmdFocusStep")).setEnabled(false);
    History(e).FillHistoryList();
    runHook(e.hooks.LoadStartupChannels);
    transaction.commit();
    host.showSplash(false);
}

} // namespace app
