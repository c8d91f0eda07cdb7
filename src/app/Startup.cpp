#include "Startup.h"

#include "ErrorText.h"
#include "History.h"
#include "Pages.h"
#include "Readout.h"

#include <QDir>
#include <QFileInfo>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/FormSet.h>
#include <form/ScriptError.h>
#include <platform/FileSafety.h>
#include <platform/Platform.h>
#include <records/RecordHelpers.h>

namespace app {

namespace texts = editor::texts;
using platform::FileError;
namespace fs = platform::FileSafety;

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
    m_pages.database.lock(m_editor.tabs());
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
        const QString reason = errorText(error);
        m_editor.closeDatabases();
        m_editor.host().showSplash(false);
        m_editor.host().beep();
        m_editor.setMessage(reason);
        LockEditor();
        m_editor.host().message(reason, texts::kCaption, form::MessageIcon::Critical);
    }
}

void Startup::steps() {
    editor::Editor& e = m_editor;
    form::Host& host = e.host();

    // A second instance hands over to the first one and ends.
    if (e.otherInstanceRunning()) {
        host.beep();
        e.quit();
        return;
    }
    // Only administrators change the installation.
    if (!e.platform().isAdministrator()) {
        refuse(texts::kNoAdministrator, false);
        return;
    }
    // The splash window stays up for a moment even on a fast start.
    e.setScanHeadRemoved(false);
    host.showSplash(true);
    e.platform().sleepMs(200);
    host.processEvents();
    host.setBusy(false);

    // The system database named in the registry.
    e.setSystemDatabasePath(e.RegistryRead(texts::kDatabaseKey, QStringLiteral("Path")));
    m_pages.database.lDatabasePath.setText(e.systemDatabasePath());
    if (e.systemDatabasePath().isEmpty() || !QFileInfo(e.systemDatabasePath()).isFile()) {
        refuse(texts::kNoSystemDatabase, true);
        return;
    }

    // Databases of releases before 3.0 lack tables the editor writes.
    QVariant version;
    bool hasVersionTable = false;
    {
        auto system = db::Database::open(e.systemDatabasePath());
        hasVersionTable = records::TableExists(*system, records::kSystemVersions);
        if (hasVersionTable) {
            db::Recordset rs = system->OpenRecordset(records::kSystemVersions);
            if (!rs.eof())
                version = rs.value(records::kVersionName);
        }
    }
    if (!hasVersionTable || version.isNull()) {
        refuse(QStringLiteral("No release in the system database (table \"System Versions\" "
                              "missing or empty) ! Exit!"),
               true);
        return;
    }
    const QString versionText = version.toString();
    m_pages.database.lVersion.setCaption(versionText);
    if (!releaseAllowed(versionText)) {
        refuse(texts::kOldRelease, true);
        return;
    }
    // The template database must be there before a working copy is made for nothing.
    if (!QFileInfo(e.templatePath()).isFile()) {
        refuse(QStringLiteral("No template database %1 found ! Exit!").arg(e.templatePath()), true);
        return;
    }

    fs::makeFolder(e.databaseFolder() + QStringLiteral("BackupDB"));
    e.setMessage(QString());
    e.setWorkCopyPath(e.databaseFolder() + QStringLiteral("BackupDB/Temp.mdb"));

    // The editor changes only its working copy; the hidden copy keeps the state the
    // installation was delivered in and is made once.
    platform::Platform& p = e.platform();
    if (p.isReadOnly(e.systemDatabasePath()))
        p.setReadOnly(e.systemDatabasePath(), false);
    if (QFileInfo::exists(e.workCopyPath()) && p.isReadOnly(e.workCopyPath()))
        p.setReadOnly(e.workCopyPath(), false);
    e.closeWork();
    fs::copyOver(e.systemDatabasePath(), e.workCopyPath(), fs::Durability::Scratch);
    const QString hidden = e.HiddenCopyPath();
    if (!QFileInfo::exists(hidden)) {
        fs::copyOver(e.systemDatabasePath(), hidden);
        p.setHidden(hidden, true);
        p.setReadOnly(hidden, true);
    }
    if (p.isReadOnly(e.templatePath()))
        p.setReadOnly(e.templatePath(), false);

    // The working copy does without the interface-shutter relation of older installations.
    e.openWork();
    if (e.work().relationNames().contains(kRelationToDrop, Qt::CaseInsensitive))
        e.work().deleteRelation(kRelationToDrop);
    e.openTemplate();

    e.setStandSelection(false);
    m_pages.ndd.resetPathLists();

    // The readout's upkeep writes land in one commit.
    db::Transaction transaction(e.work());
    m_readout.Refresh();
    m_pages.firmware.disableSetScsi();
    m_pages.microscope.disableFocusStep();
    m_history.FillHistoryList();
    transaction.commit();
    host.showSplash(false);
}

} // namespace app
