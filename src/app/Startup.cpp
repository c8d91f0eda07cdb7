#include "Startup.h"

#include "BackupFolder.h"
#include "DatabaseCheck.h"
#include "ErrorText.h"
#include "History.h"
#include "Pages.h"
#include "Readout.h"

#include <QFile>
#include <QFileInfo>
#include <db/DatabaseFingerprint.h>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/FormSet.h>
#include <form/ScriptError.h>
#include <platform/FileNames.h>
#include <platform/FileSafety.h>
#include <platform/Memory.h>
#include <platform/Platform.h>
#include <records/RecordHelpers.h>

namespace app {

namespace texts = editor::texts;
namespace fs = platform::FileSafety;

namespace {
const QString kRelationToDrop = QStringLiteral("Available InterfacesAvailable Shutters");
const QString kSystemRole = QStringLiteral("The system database");
const QString kTemplateRole = QStringLiteral("The template database");

// The system database's state after the last quick check it passed, in the file "Checked" of
// the backup folder: the fingerprint of the whole file and its first 100 bytes as they are (the
// fingerprint leaves a few header fields out), so that only the same bytes match. The record
// is taken from the very bytes the check then reads, under one read transaction that keeps
// every writer out; another program's later commit changes the bytes (the change counter at
// least) and so the record no longer matches. A lost or unreadable record only costs a check.
class CheckRecord {
public:
    explicit CheckRecord(const QString& backupFolder)
        : m_path(backupFolder + QStringLiteral("Checked")) {}

    static QByteArray of(const QByteArray& state, const QByteArray& header) {
        return state.toHex() + ' ' + header.toHex() + '\n';
    }
    bool holds(const QByteArray& record) const {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) && file.read(record.size() + 1) == record;
    }
    void record(const QByteArray& record) const {
        try {
            fs::writeAtomically(m_path, record, fs::Durability::Scratch);
        } catch (const platform::FileError&) {
            // Only the next start's check depends on it.
        }
    }

private:
    QString m_path;
};

// A file that goes again when the scope ends, unless its path was cleared.
struct TemporaryCopy {
    QString path;
    TemporaryCopy() = default;
    ~TemporaryCopy() {
        if (!path.isEmpty())
            QFile::remove(path);
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
};
} // namespace

const QStringList& Startup::systemTables() {
    static const QStringList tables{
        records::kSystemVersions,
        records::kAvailableSystems,
        records::kAvailableAomDrivers,
        records::kAvailableAoms,
        QStringLiteral("Available DACs"),
        records::kAvailableDsps,
        records::kAvailableFilterSets,
        QStringLiteral("Available Firmware Parameters"),
        records::kAvailableInterfaces,
        QStringLiteral("Available Lamps"),
        QStringLiteral("Available Objective Lenses"),
        records::kAvailablePointDetectors,
        records::kAvailableShutters,
        records::kAvailableStages,
        QStringLiteral("Available ZLift"),
        QStringLiteral("Calibration AOM Drivers"),
        QStringLiteral("Calibration DACs"),
        QStringLiteral("Calibration ZLift"),
        records::kPotentialFilters,
        QStringLiteral("Potential Revolvers"),
        QStringLiteral("Potential Servos"),
        QStringLiteral("Potential Stages"),
        QStringLiteral("Potential ZLift"),
    };
    return tables;
}

const QStringList& Startup::templateTables() {
    static const QStringList tables{
        records::kHistory,
        QStringLiteral("Available Cameras"),
        QStringLiteral("Available DACs Fading"),
        records::kAvailableMicroscopes,
        QStringLiteral("Available ZLift"),
        QStringLiteral("Calibration DACs Fading"),
        QStringLiteral("Calibration ZLift Conf"),
        QStringLiteral("Potential Cameras"),
        records::kPotentialFilters,
        QStringLiteral("Potential Filters Shutter"),
        QStringLiteral("Potential Revolvers"),
        QStringLiteral("Potential Servos"),
        QStringLiteral("Potential ZLift"),
    };
    return tables;
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

QByteArray Startup::stateOf(const QString& copyPath) {
    QFile file(copyPath);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::FileError(
            QStringLiteral("Cannot read %1: %2").arg(copyPath, file.errorString()));
    try {
        return db::DatabaseFingerprint::of(file);
    } catch (const db::DbError&) {
        throw platform::FileError(
            QStringLiteral("Cannot read %1: %2").arg(copyPath, file.errorString()));
    }
}

QByteArray Startup::headerOf(QIODevice& file) {
    constexpr qint64 kHeader = 100;
    if (!file.seek(0))
        return {};
    QByteArray header = file.read(kHeader);
    return header.size() == kHeader ? header : QByteArray();
}

bool Startup::SystemState::unwritten(const QString& path, QIODevice& file) const {
    return !identity.isEmpty() && !header.isEmpty() && fs::fileIdentity(path) == identity &&
           headerOf(file) == header;
}

void Startup::LockEditor() {
    m_pages.database.lock(m_editor.tabs());
}

Startup::Result Startup::refuse(const QString& message, bool closeSplash) {
    m_editor.host().beep();
    m_editor.setMessage(message);
    LockEditor();
    if (closeSplash)
        m_editor.host().showSplash(false);
    return {Outcome::Refused, message};
}

void Startup::run() {
    const Result result = start();
    if (result.outcome != Outcome::Failed)
        return;
    m_editor.setMessage(result.reason);
    m_editor.host().message(result.reason, texts::kCaption, form::MessageIcon::Critical);
}

Startup::Result Startup::start(Handover* handover) {
    try {
        return steps(handover);
    } catch (const form::ScriptError&) {
        throw;
    } catch (const std::exception& error) {
        // A database or file that cannot be used: the editor stays locked and says why.
        m_editor.closeDatabases();
        m_editor.host().showSplash(false);
        m_editor.host().beep();
        LockEditor();
        return {Outcome::Failed, errorText(error)};
    }
}

Startup::Result Startup::steps(Handover* handover) {
    editor::Editor& e = m_editor;
    form::Host& host = e.host();

    // A second instance hands over to the first one and ends.
    if (e.otherInstanceRunning()) {
        host.beep();
        e.quit();
        return {Outcome::HandedOver, {}};
    }
    // Only administrators change the installation.
    if (!e.platform().isAdministrator())
        return refuse(texts::kNoAdministrator, false);
    // The splash window stays up for a moment even on a fast start.
    m_pages.heads.setScanHeadRemoved(false);
    host.showSplash(true);
    e.platform().sleepMs(200);
    host.processEvents();
    host.setBusy(false);

    // The system database named in the registry.
    e.setSystemDatabasePath(e.RegistryRead(texts::kDatabaseKey, QStringLiteral("Path")));
    m_pages.database.lDatabasePath.setText(e.systemDatabasePath());
    // Messages name the installation's files as the user knows them.
    namespace names = platform::FileNames;
    names::setWords(e.systemDatabasePath(), QStringLiteral("the system database"));
    names::setWords(e.templatePath(), QStringLiteral("the template database"));
    if (e.systemDatabasePath().isEmpty() || !QFileInfo(e.systemDatabasePath()).isFile())
        return refuse(texts::kNoSystemDatabase, true);

    const QString backupFolder = e.databaseFolder() + QStringLiteral("BackupDB");
    // The system database is checked before anything copied from it is used, and the checks,
    // the release and both copies see one state of it: another program may be committing
    // meanwhile.
    // The file that a store compacted a moment ago needs no quick check: the compaction read
    // every page of the working copy through the engine and wrote them anew. The working copy
    // the store compacted is that very database, and it stays open as it is: reading the new
    // file, checking it and copying it back would only repeat what the store did.
    const bool handedOver = handover && handover->system == e.systemDatabasePath() &&
                            fs::fileIdentity(handover->system) == handover->placed;
    const bool keepWork = handedOver && e.isWorkOpen() &&
                          e.workCopyPath() == backupFolder + QStringLiteral("/Temp.mdb");
    // The working copy and the state are taken in one read of the file, before the check, into
    // a temporary that becomes the working copy only once the database passed. The quick check
    // reads every page; it is spared when the same bytes passed it before (see CheckRecord).
    const CheckRecord checked(e.databaseFolder() + QStringLiteral("BackupDB/"));
    TemporaryCopy copy;
    SystemState copied;
    QByteArray seen;
    bool passedBefore = false;
    std::unique_ptr<db::Database> system;
    if (!keepWork)
        system = openSound(kSystemRole, e.systemDatabasePath(), systemTables(), !handedOver,
                           [&](db::Database& database) {
                               copy.path = fs::temporaryPath(e.systemDatabasePath());
                               copied.fingerprint = database.copyWithFingerprint(
                                   copy.path, fs::Durability::Scratch, &copied.header);
                               // Taken under the read transaction, which keeps writers out.
                               constexpr int kWriteVersion = 18; // 2 in a WAL database
                               if (copied.header.size() > kWriteVersion &&
                                   copied.header.at(kWriteVersion) != 2)
                                   copied.identity = fs::fileIdentity(e.systemDatabasePath());
                               seen = CheckRecord::of(copied.fingerprint, copied.header);
                               passedBefore = checked.holds(seen);
                               return passedBefore;
                           });
    QVariant version;
    {
        db::Recordset rs = (system ? *system : e.work()).OpenRecordset(records::kSystemVersions);
        if (!rs.eof())
            version = rs.value(records::kVersionName);
    }
    if (version.isNull())
        return refuse(QStringLiteral("No release in the system database (table \"System "
                                     "Versions\" missing or empty) ! Exit!"),
                      true);
    const QString versionText = version.toString();
    m_pages.database.lVersion.setCaption(versionText);
    // Databases of releases before 3.0 lack tables the editor writes.
    if (!releaseAllowed(versionText))
        return refuse(texts::kOldRelease, true);
    // The template database must be usable before a working copy is made for nothing.
    if (!QFileInfo(e.templatePath()).isFile())
        return refuse(QStringLiteral("No template database %1 found ! Exit!").arg(e.templatePath()),
                      true);
    if (!keepWork)
        openSound(kTemplateRole, e.templatePath(), templateTables());

    fs::makeFolder(backupFolder);
    // What a killed store or start-up left half-written; a store of this program leaves none.
    if (!handedOver) {
        fs::removeStaleTemporaries(backupFolder);
        fs::removeStaleTemporaries(QFileInfo(e.systemDatabasePath()).absolutePath());
    }
    e.forgetNotices();
    e.setMessage(QString());
    e.setWorkCopyPath(backupFolder + QStringLiteral("/Temp.mdb"));
    names::setFolderWords(backupFolder, QStringLiteral("the backup"));
    names::setWords(e.workCopyPath(), QStringLiteral("the working copy"));
    names::setWords(e.HiddenCopyPath(), QStringLiteral("the hidden copy"));

    // The editor changes only its working copy; the hidden copy keeps the state the
    // installation was delivered in and is made once.
    platform::Platform& p = e.platform();
    if (p.isReadOnly(e.systemDatabasePath()))
        p.setReadOnly(e.systemDatabasePath(), false);
    if (!keepWork && QFileInfo::exists(e.workCopyPath()) && p.isReadOnly(e.workCopyPath()))
        p.setReadOnly(e.workCopyPath(), false);
    if (handedOver) {
        m_systemState = {handover->placed, handover->header, {}};
    } else {
        e.closeWork();
        fs::replace(copy.path, e.workCopyPath(), fs::Durability::Scratch);
        copy.path.clear();
        m_systemState = copied;
        if (!passedBefore)
            checked.record(seen);
    }
    if (!QFileInfo::exists(e.HiddenCopyPath())) {
        if (!system)
            system = openSound(kSystemRole, e.systemDatabasePath(), systemTables(), false);
        makeHiddenCopy(*system);
    }
    system.reset();
    if (p.isReadOnly(e.templatePath()))
        p.setReadOnly(e.templatePath(), false);

    if (!keepWork) {
        // The working copy does without the interface-shutter relation of older installations.
        e.openWork();
        if (e.work().relationNames().contains(kRelationToDrop, Qt::CaseInsensitive))
            e.work().deleteRelation(kRelationToDrop);
        e.openTemplate();
    }

    e.setStandSelection(false);
    m_pages.ndd.resetPathLists();

    // The readout's upkeep writes land in one commit.
    db::Transaction transaction(e.work());
    // A backup that lost its history row to a store that died is listed again, before the
    // readout, whose own notices take precedence in the status line.
    // After a store whose row was saved, the store's own backup has its row; another file
    // without one is there only when the store passed over it.
    const QString orphans =
        handedOver && handover->no.isValid() && !handover->strays
            ? QString()
            : BackupFolder::adoptOrphans(e.templ(), backupFolder, e.systemDatabasePath());
    if (!orphans.isEmpty())
        e.setMessage(orphans);
    m_readout.Refresh();
    m_pages.firmware.disableSetScsi();
    m_pages.microscope.disableFocusStep();
    // The list a store leaves differs from the one before only by the store's own row, unless
    // backups without a row were found.
    if (handedOver && orphans.isEmpty())
        m_history.showStoredEntry(handover->no, handover->date);
    else
        m_history.FillHistoryList();
    m_pages.laser.LoadStartupChannels();
    transaction.commit();
    // What start-up read (the history's pages above all) need not stay in the page cache, nor
    // in the process: the list made anew and the history's pages leave freed memory behind.
    e.work().execute(QStringLiteral("PRAGMA shrink_memory"));
    platform::returnFreeMemory();
    host.showSplash(false);
    return {};
}

void Startup::makeHiddenCopy(db::Database& system) {
    editor::Editor& e = m_editor;
    const QString hidden = e.HiddenCopyPath();
    system.snapshotTo(hidden);
    if (e.platform().setHidden(hidden, true) && e.platform().setReadOnly(hidden, true))
        return;
    // An unprotected copy would pass for the delivered state at every later start; without it
    // the next start makes it again.
    QString removal;
    try {
        fs::remove(hidden);
    } catch (const platform::FileError& error) {
        removal = QStringLiteral("; ") + error.message();
    }
    e.setMessage(QStringLiteral("The hidden copy %1 could not be made hidden and read-only%2")
                     .arg(hidden, removal));
}

} // namespace app
