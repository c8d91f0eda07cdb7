#include "Installation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <app/History.h>
#include <csignal>
#include <editor/Texts.h>
#include <platform/FileSafety.h>
#include <platform/RegistryHelpers.h>
#include <records/RecordHelpers.h>
#include <sys/resource.h>
#include <unistd.h>

using records::kAvailableSystems;

namespace {

QList<int> historyNumbers(const QString& templatePath) {
    QList<int> numbers;
    auto database = db::Database::open(templatePath);
    for (db::Recordset rs = database->OpenRecordset(records::kHistory); !rs.eof(); rs.moveNext())
        numbers.append(rs.value(QStringLiteral("No")).toInt());
    return numbers;
}

const QString kStore = QStringLiteral(
    "click CmdStore\nanswer yes \"Are you sure, you want to store the new system database ?\"\n");
const QString kStoreFailed = QStringLiteral("Store failed, the system database is unchanged: ");
const QString kStoredThen = QStringLiteral("Stored, the new system database is in place; then ");
const QString kClear = QStringLiteral("CmdClearHistory");

struct HistoryRow {
    qint64 no;
    QString path;
};

QList<HistoryRow> historyRows(const QString& templatePath) {
    QList<HistoryRow> rows;
    auto database = db::Database::openShared(templatePath);
    for (db::Recordset rs = database->OpenRecordset(records::kHistory); !rs.eof(); rs.moveNext())
        rows.append({rs.value(QStringLiteral("No")).toLongLong(),
                     records::NullToText(rs.value(QStringLiteral("Path")))});
    return rows;
}

void addHistoryRow(const Installation& in, const QVariant& no, const QString& path) {
    db::Database::open(in.templatePath)
        ->execute(QStringLiteral("INSERT INTO [History] ([No], [Date], [Path]) VALUES (?, "
                                 "'2024-05-01 10:00:00', ?)"),
                  {no, path});
}

QString backupOf(const Installation& in, qint64 no) {
    return in.dir.filePath(QStringLiteral("BackupDB/Temp%1.mdb").arg(no));
}

QString systemField(const QString& path, const QString& field) {
    return records::NullToText(
        db::Database::openShared(path)->OpenRecordset(kAvailableSystems).value(field));
}

// Every history row names its own backup, which exists, and every backup has its row (but
// for a file that is no backup, when strays are allowed).
void verifyHistoryMatchesBackups(const Installation& in, bool strays = false) {
    QStringList named;
    for (const HistoryRow& row : historyRows(in.templatePath)) {
        QCOMPARE(row.path, backupOf(in, row.no));
        QVERIFY2(QFileInfo(row.path).isFile(), qPrintable(row.path));
        named.append(QFileInfo(row.path).fileName());
    }
    const QStringList backups =
        QDir(in.backupFolder()).entryList({QStringLiteral("Temp?*.mdb")}, QDir::Files);
    for (const QString& backup : backups)
        QVERIFY2(strays || named.contains(backup),
                 qPrintable(backup + QStringLiteral(" has no row")));
}

// No temporary, journal or half-made file beside the system database or in BackupDB.
void verifyNoDebris(const Installation& in) {
    for (const QString& folder : {in.dir.path(), in.backupFolder()}) {
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            const bool debris = name.contains(QStringLiteral("orbis-tmp")) ||
                                name.endsWith(QStringLiteral("-journal")) ||
                                name.endsWith(QStringLiteral("-wal")) ||
                                name.endsWith(QStringLiteral(".compact")) ||
                                name.endsWith(QStringLiteral(".partial"));
            QVERIFY2(!debris, qPrintable(folder + u'/' + name));
        }
    }
}

QString registryVoltage(const Installation& in, int i) {
    return platform::RegistryRead(in.platform->registry(), editor::texts::kHklm,
                                  editor::texts::kStepDacKey, QStringLiteral("Voltage %1").arg(i));
}

// An installation with an FCS head and step voltages, started with boxes recorded, whose
// working copy holds an edit and a changed voltage: a store then writes every kind of file.
void startEdited(Installation& in) {
    in.writeRegistry(QStringLiteral("\"Path\"=\"%1\"\n").arg(in.systemPath),
                     QStringLiteral("\"Voltage 0\"=\"100.00\"\n\"Voltage 1\"=\"10.00\"\n"
                                    "\"Voltage 2\"=\"1.00\"\n\"Voltage 3\"=\"0.10\"\n"));
    in.onSystem(QStringLiteral("UPDATE [Available Systems] SET [ID FCS Unit] = 'FCS 1'"));
    in.recordBoxes = true;
    in.start();
    records::WriteFirstRowField(in.editor().work(), kAvailableSystems,
                                QStringLiteral("ID Configuration"), QStringLiteral("Edited"));
    in.main().textBox(QStringLiteral("EU100")).setText(QStringLiteral("90.00"));
}

// The store asked whether to replace the system database another program changed, was told
// no, and left the file as that program wrote it.
void verifyChangeAskedAbout(const Installation& in, const QString& changed) {
    QCOMPARE(in.recording.boxes.size(), 2);
    QVERIFY2(in.recording.boxes.at(1).text.startsWith(
                 QStringLiteral("The system database %1 was changed by another program on ")
                     .arg(in.systemPath)),
             qPrintable(in.recording.boxes.at(1).text));
    QCOMPARE(Installation::contentOf(in.systemPath), changed);
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        app::History::faultPoint = nullptr;
        platform::FileSafety::failCall(0);
        platform::FileSafety::setStepHook({});
    }

    void storeKeepsNumberedHistory() {
        Installation in;
        in.start();
        const QString original = Installation::contentOf(in.systemPath);
        in.act(QStringLiteral("click CmdEditConf\ntype EConf \"Stored name\"\nclick CmdOK\n") +
               kStore);
        QCOMPARE(in.message(), QString());
        const QString first = in.dir.filePath(QStringLiteral("BackupDB/Temp1.mdb"));
        QCOMPARE(Installation::contentOf(first), original);
        QCOMPARE(historyNumbers(in.templatePath), QList<int>{1});
        form::ListBox& history = in.main().listBox(QStringLiteral("ComboHistory"));
        QCOMPARE(history.count(), 1);
        QVERIFY(history.text().startsWith(QStringLiteral("1. -  ")));
        QCOMPARE(history.currentData().toInt(), 1);
        // The working copy became the system database; start-up ran again on it.
        QCOMPARE(records::NullToText(records::ReadField(
                     *db::Database::open(in.systemPath), kAvailableSystems,
                     QStringLiteral("ID Configuration"), QStringLiteral("Stored name"),
                     QStringLiteral("ID Configuration"))),
                 QStringLiteral("Stored name"));
        QVERIFY(Installation::intact(in.systemPath));
        QVERIFY(!QFileInfo::exists(in.systemPath + QStringLiteral("-journal")));
        QVERIFY(in.editor().isLive());
        QVERIFY(in.main().button(QStringLiteral("CmdCancel")).isEnabled());

        in.act(kStore);
        QCOMPARE(historyNumbers(in.templatePath), (QList<int>{1, 2}));
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).currentData().toInt(), 2);

        // Answering No stores nothing.
        in.act(QStringLiteral("click CmdStore\nanswer no"));
        QCOMPARE(historyNumbers(in.templatePath), (QList<int>{1, 2}));

        in.act(QStringLiteral(
            "click CmdClearHistory\nanswer yes \"Are you sure ? All older versions are lost !\""));
        QVERIFY(historyNumbers(in.templatePath).isEmpty());
        QVERIFY(!QFileInfo::exists(first));
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).count(), 0);
        in.act(kStore);
        QCOMPARE(historyNumbers(in.templatePath), QList<int>{1});
    }

    // The backup is the replaced file itself under a second name, not a copy, and the working
    // copy that the editor goes on with holds the stored database.
    void backupIsTheReplacedFile() {
        Installation in;
        in.start();
        const QByteArray replaced = platform::FileSafety::fileIdentity(in.systemPath);
        in.act(QStringLiteral("click CmdEditConf\ntype EConf \"Second name\"\nclick CmdOK\n") +
               kStore);
        QCOMPARE(in.message(), QString());
        QCOMPARE(platform::FileSafety::fileIdentity(backupOf(in, 1)), replaced);
        QCOMPARE(Installation::contentOf(in.workCopy()), Installation::contentOf(in.systemPath));
        QCOMPARE(systemField(in.workCopy(), QStringLiteral("ID Configuration")),
                 QStringLiteral("Second name"));
        verifyNoDebris(in);
    }

    void voltagesAreWrittenOnlyWhenChangedAndNotEmpty() {
        Installation in;
        in.writeRegistry(
            QStringLiteral("\"Path\"=\"%1\"\n").arg(in.systemPath),
            QStringLiteral("\"Voltage 0\"=\"100.00\"\n\"Voltage 1\"=\"10.00\"\n\"Voltage "
                           "2\"=\"1\"\n\"Voltage 3\"=\"0.10\"\n"));
        in.onSystem(QStringLiteral(
            "UPDATE [Available Systems] SET [ID FCS Unit] = 'FCS 1'")); // the FCS page
        in.start();
        in.act(QStringLiteral("tab 4\ntype EU100 \"90.00\"\ntype EU10 \"\"\ntab 0\n") + kStore);
        auto value = [&](int i) {
            return platform::RegistryRead(in.platform->registry(), editor::texts::kHklm,
                                          editor::texts::kStepDacKey,
                                          QStringLiteral("Voltage %1").arg(i));
        };
        QCOMPARE(value(0), QStringLiteral("90.00")); // changed
        QCOMPARE(value(1), QStringLiteral("10.00")); // emptied: not written
        QCOMPARE(value(2), QStringLiteral("1.00"));  // shown as 1.00, read as 1: written
        QCOMPARE(value(3), QStringLiteral("0.10"));  // unchanged
        QCOMPARE(in.main().textBox(QStringLiteral("EU100")).text(), QStringLiteral("90.00"));
    }

    void nddNeedsAChannel() {
        Installation in;
        // The NDD page shows the transmitted-light detector as its first channel: off here.
        in.onSystem(QStringLiteral("UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                                   "WHERE [ID Available] = 'PmtD'"));
        in.start();
        in.act(QStringLiteral("tick CheckNDD\n") + kStore);
        QCOMPARE(db::Database::open(in.systemPath)
                     ->OpenRecordset(kAvailableSystems)
                     .value(QStringLiteral("NDD")),
                 QVariant(false));
        in.act(QStringLiteral("tick CheckNDD\ntab 5\ntick CheckNDD1\ntab 0\n") + kStore);
        QCOMPARE(db::Database::open(in.systemPath)
                     ->OpenRecordset(kAvailableSystems)
                     .value(QStringLiteral("NDD")),
                 QVariant(true));
    }

    void restoreTouchesOnlyTheWorkingCopy() {
        Installation in;
        in.start();
        in.act(QStringLiteral("click CmdEditConf\ntype EConf Second\nclick CmdOK\n") + kStore);
        const QByteArray stored = Installation::hashOf(in.systemPath);
        in.act(QStringLiteral("select ComboHistory \"%1\"\nclick CmdRestore")
                   .arg(in.main().listBox(QStringLiteral("ComboHistory")).text()));
        QCOMPARE(in.message(),
                 QStringLiteral("You must store this restored configuraton to make it active !"));
        QCOMPARE(in.main().label(QStringLiteral("LConfiguration")).caption(),
                 QStringLiteral("Demo Lab && Imaging"));
        in.act(QStringLiteral("click CmdCancel"));
        QVERIFY(in.quit);
        QCOMPARE(Installation::hashOf(in.systemPath), stored);
    }

    void missingBackupsLeaveTheHistory() {
        Installation in;
        in.start();
        in.act(kStore + kStore);
        QFile::remove(in.dir.filePath(QStringLiteral("BackupDB/Temp1.mdb")));
        in.stop();
        in.start();
        QCOMPARE(historyNumbers(in.templatePath), QList<int>{2});
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).count(), 1);
        // A restore of an entry whose file vanished since says so.
        QFile::remove(in.dir.filePath(QStringLiteral("BackupDB/Temp2.mdb")));
        in.act(QStringLiteral("click CmdRestore"));
        QCOMPARE(in.message(), QStringLiteral("File: %1 not found !")
                                   .arg(in.dir.filePath(QStringLiteral("BackupDB/Temp2.mdb"))));
    }

    // The history list is filled as one change: a window redraws it once, not once per row,
    // which for thousands of rows took minutes.
    void historyListComesAsOneChange() {
        Installation in;
        QVERIFY(QDir().mkpath(in.backupFolder()));
        for (int no = 1; no <= 20; ++no) {
            QVERIFY(QFile::copy(in.systemPath, backupOf(in, no)));
            addHistoryRow(in, no, backupOf(in, no));
        }
        std::unique_ptr<QSignalSpy> changes;
        in.beforeStart = [&](editor::Editor&) {
            changes = std::make_unique<QSignalSpy>(
                &in.main().listBox(QStringLiteral("ComboHistory")), &form::Control::changed);
        };
        in.start();
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).count(), 20);
        QVERIFY2(changes->count() <= 3, qPrintable(QString::number(changes->count())));
    }

    void hiddenCopyRefreshNeedsTheExactPassword() {
        Installation in;
        in.start();
        in.act(kStore);
        const QString hidden = in.dir.filePath(QStringLiteral("System.hid"));
        const QByteArray before = Installation::hashOf(hidden);
        in.act(QStringLiteral("click CmdHiddenCopy\ntype txtPassword harvest\nclick cmdOK\n"
                              "ok \"Invalid Password, try again!\"\nclick CmdCancel"));
        QCOMPARE(Installation::hashOf(hidden), before);
        QCOMPARE(in.main().label(QStringLiteral("LMsgHiddenCopy")).caption(), QString());
        in.act(QStringLiteral("click CmdHiddenCopy\ntype txtPassword Harvest\nclick cmdOK"));
        QCOMPARE(in.main().label(QStringLiteral("LMsgHiddenCopy")).caption(),
                 QStringLiteral("Database now saved !"));
        QCOMPARE(Installation::contentOf(hidden), Installation::contentOf(in.systemPath));
        QVERIFY(in.platform->isHidden(hidden));
        QVERIFY(in.platform->isReadOnly(hidden));
    }

    void saveAsCopiesTheWorkingCopy() {
        Installation in;
        in.start();
        const QString target = in.dir.filePath(QStringLiteral("Copy.mdb"));
        in.act(
            QStringLiteral(
                "click CmdEditConf\ntype EConf Copied\nclick CmdOK\nclick mnuSaveas\nsave \"%1\"")
                .arg(target));
        QVERIFY(Installation::intact(target));
        QCOMPARE(db::Database::open(target)
                     ->OpenRecordset(kAvailableSystems)
                     .value(QStringLiteral("ID Configuration")),
                 QVariant(QStringLiteral("Copied")));
        in.act(QStringLiteral("click mnuSaveas\ncancel"));
        QVERIFY(historyNumbers(in.templatePath).isEmpty());
    }

    // A store that fails at any of its file steps leaves the old system database, no history
    // row without its file, and an editor that can store again.
    void failedStoreKeepsTheOldDatabase_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"backup", "history", "close", "compact", "replace"})
            QTest::newRow(step) << QString::fromLatin1(step);
    }
    void failedStoreKeepsTheOldDatabase() {
        QFETCH(QString, step);
        Installation in;
        in.start();
        const QByteArray original = Installation::hashOf(in.systemPath);
        app::History::faultPoint = [step](const char* at) {
            if (step == QString::fromLatin1(at))
                throw platform::FileError(QStringLiteral("disk full"));
        };
        in.act(QStringLiteral("click CmdEditConf\ntype EConf Lost\nclick CmdOK\n") + kStore +
               QStringLiteral("ok"));
        QVERIFY(in.message().startsWith(
            QStringLiteral("Store failed, the system database is unchanged")));
        QCOMPARE(Installation::hashOf(in.systemPath), original);
        for (int no : historyNumbers(in.templatePath))
            QVERIFY(
                QFileInfo::exists(in.dir.filePath(QStringLiteral("BackupDB/Temp%1.mdb").arg(no))));
        verifyHistoryMatchesBackups(in);
        QVERIFY(historyNumbers(in.templatePath).isEmpty());
        verifyNoDebris(in);
        QVERIFY(in.editor().isWorkOpen());
        QVERIFY(in.main().button(QStringLiteral("CmdCancel")).isEnabled());
        QVERIFY(in.main().button(QStringLiteral("CmdRestore")).isEnabled());
        app::History::faultPoint = nullptr;
        in.act(kStore);
        QCOMPARE(db::Database::open(in.systemPath)
                     ->OpenRecordset(kAvailableSystems)
                     .value(QStringLiteral("ID Configuration")),
                 QVariant(QStringLiteral("Lost")));
    }

    // The process dies at a step of the store: the system database opens, is intact and is
    // exactly the old one or exactly the new one.
    void killedStoreLeavesOldOrNew_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"backup", "history", "close", "compact", "replace", "done"})
            QTest::newRow(step) << QString::fromLatin1(step);
    }
    void killedStoreLeavesOldOrNew() {
        QFETCH(QString, step);
        Installation in;
        const QByteArray original = Installation::hashOf(in.systemPath);
        QFile script(in.dir.filePath(QStringLiteral("store.txt")));
        script.open(QIODevice::WriteOnly);
        script.write(kStore.toUtf8());
        script.close();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORBIS_STORE_FAULT"), step + QStringLiteral(":kill"));
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("ORBIS_CONFIG"),
                      {QStringLiteral("--headless"), QStringLiteral("--registry"), in.registryPath,
                       QStringLiteral("--template"), in.templatePath, QStringLiteral("--script"),
                       script.fileName()});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QVERIFY(Installation::intact(in.systemPath));
        const bool old = Installation::hashOf(in.systemPath) == original;
        const bool replaced =
            Installation::contentOf(in.systemPath) == Installation::contentOf(in.workCopy());
        QVERIFY(old || replaced);
        if (step == QStringLiteral("replace"))
            QVERIFY(old);
        if (step == QStringLiteral("done"))
            QVERIFY(replaced && !old);
        for (const HistoryRow& row : historyRows(in.templatePath))
            QVERIFY(QFileInfo(row.path).isFile());
        // The next start clears what the killed run left half-written, and lists the backup
        // of a replaced database whose row was not saved yet.
        in.start();
        verifyNoDebris(in);
        verifyHistoryMatchesBackups(in);
        if (replaced) {
            QCOMPARE(in.message(), QStringLiteral("Backups that had no history entry are now "
                                                  "listed: %1 as No 1.")
                                       .arg(backupOf(in, 1)));
            QCOMPARE(Installation::hashOf(backupOf(in, 1)), original);
        } else {
            // Before the replacement the backup was the system database under a second name.
            QCOMPARE(in.message(), QString());
            QVERIFY(!QFileInfo::exists(backupOf(in, 1)));
        }
        QVERIFY(Installation::intact(in.systemPath));
    }

    // A file at the number the store would take, which no history row names: the store never
    // deletes or overwrites it and takes the next free number; the next start lists it when it
    // is a sound database and names it otherwise.
    void strayFileAtTheNextNumber_data() {
        QTest::addColumn<bool>("sound");
        QTest::newRow("a database") << true;
        QTest::newRow("any file") << false;
    }
    void strayFileAtTheNextNumber() {
        QFETCH(bool, sound);
        Installation in;
        in.recordBoxes = true;
        in.start();
        in.press(QStringLiteral("CmdStore"), {true});
        const QString stray = backupOf(in, 2);
        if (sound) {
            QVERIFY(QFile::copy(in.systemPath, stray));
        } else {
            QFile file(stray);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the only copy of something");
        }
        const QByteArray strayBytes = Installation::hashOf(stray);
        auto highest = [&in] {
            qint64 no = 0;
            for (const HistoryRow& row : historyRows(in.templatePath))
                no = std::max(no, row.no);
            return no;
        };
        const QString listed =
            QStringLiteral("Backups that had no history entry are now listed: %1 as No 2.")
                .arg(stray);
        const QString left = QStringLiteral("Files in the backup folder without a history entry "
                                            "were left as they are: The backup %1 ")
                                 .arg(stray);
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(in.boxTexts(), QStringList());
        QCOMPARE(Installation::hashOf(stray), strayBytes);
        QVERIFY(QFileInfo(backupOf(in, 3)).isFile());
        QCOMPARE(highest(), 3);
        // The start-up after the store found the file.
        const form::ListBox& list = in.main().listBox(QStringLiteral("ComboHistory"));
        if (sound) {
            QCOMPARE(in.message(), listed);
            QCOMPARE(list.count(), 3);
        } else {
            QVERIFY2(in.message().startsWith(left), qPrintable(in.message()));
            QCOMPARE(list.count(), 2);
        }
        verifyHistoryMatchesBackups(in, !sound);

        // Listing is said once; a file that is no backup is named at every start.
        in.stop();
        in.start();
        QCOMPARE(Installation::hashOf(stray), strayBytes);
        if (sound)
            QCOMPARE(in.message(), QString());
        else
            QVERIFY2(in.message().startsWith(left), qPrintable(in.message()));
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(highest(), 4);
        QCOMPARE(Installation::hashOf(stray), strayBytes);
    }

    // An adopted backup is dated by its file and restores like any other; the system database
    // under a second name is no backup and only that name goes.
    void orphansAtStartUp() {
        Installation in;
        QVERIFY(QDir().mkpath(in.backupFolder()));
        QVERIFY(QFile::copy(in.systemPath, backupOf(in, 5)));
        const QDateTime modified(QDate(2025, 3, 14), QTime(9, 26, 53));
        {
            QFile file(backupOf(in, 5));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        QCOMPARE(::link(QFile::encodeName(in.systemPath).constData(),
                        QFile::encodeName(backupOf(in, 6)).constData()),
                 0);
        const QByteArray system = Installation::hashOf(in.systemPath);
        in.start();
        QCOMPARE(in.message(),
                 QStringLiteral("Backups that had no history entry are now listed: %1 as No 5.")
                     .arg(backupOf(in, 5)));
        QCOMPARE(Installation::hashOf(in.systemPath), system);
        QVERIFY(!QFileInfo::exists(backupOf(in, 6)));
        QVERIFY(Installation::intact(in.systemPath));
        const form::ListBox& list = in.main().listBox(QStringLiteral("ComboHistory"));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.text(), app::History::entryText(5, modified));
        in.act(QStringLiteral("click CmdRestore"));
        QCOMPARE(in.message(),
                 QStringLiteral("You must store this restored configuraton to make it active !"));
        in.act(kStore);
        QCOMPARE(historyRows(in.templatePath).last().no, 6);
    }

    // Every file step of a store, including the voltages and the start-up after it, fails in
    // turn. Each run ends with the old system database and nothing of the store left, or with
    // the new one and its backup, and one box that says which.
    void everyFailingFileStepOfAStore() {
        namespace fs = platform::FileSafety;
        QString oldContent;
        QString newContent;
        qint64 steps = 0;
        {
            Installation in;
            startEdited(in);
            oldContent = Installation::contentOf(in.systemPath);
            fs::failCall(0);
            in.press(QStringLiteral("CmdStore"), {true});
            steps = fs::calls();
            QCOMPARE(in.boxTexts(), QStringList());
            newContent = Installation::contentOf(in.systemPath);
            QCOMPARE(registryVoltage(in, 0), QStringLiteral("90.00"));
        }
        QVERIFY(oldContent != newContent);
        int unchanged = 0;
        int storedThen = 0;
        for (qint64 k = 1; k <= steps; ++k) {
            Installation in;
            startEdited(in);
            fs::failCall(k);
            in.press(QStringLiteral("CmdStore"), {true});
            fs::failCall(0);
            const QStringList boxes = in.boxTexts();
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(in.message(), boxes.first());
            QVERIFY(Installation::intact(in.systemPath));
            verifyHistoryMatchesBackups(in);
            verifyNoDebris(in);
            const QString content = Installation::contentOf(in.systemPath);
            if (content == oldContent) {
                ++unchanged;
                QVERIFY2(boxes.first().startsWith(kStoreFailed), qPrintable(boxes.first()));
                QVERIFY(historyRows(in.templatePath).isEmpty());
                QCOMPARE(registryVoltage(in, 0), QStringLiteral("100.00"));
                // The editor goes on as it was and stores the same changes.
                QVERIFY(in.editor().isWorkOpen() && in.editor().isLive());
                in.press(QStringLiteral("CmdStore"), {true});
                QCOMPARE(in.boxTexts(), QStringList());
                QCOMPARE(Installation::contentOf(in.systemPath), newContent);
            } else {
                ++storedThen;
                QCOMPARE(content, newContent);
                QVERIFY2(boxes.first().startsWith(kStoredThen), qPrintable(boxes.first()));
                QCOMPARE(historyRows(in.templatePath).size(), 1);
                QCOMPARE(Installation::contentOf(backupOf(in, 1)), oldContent);
                // A voltage is written, or the box says it is not, or that it may not be
                // on the disk yet.
                const bool written = registryVoltage(in, 0) == QStringLiteral("90.00");
                if (boxes.first().contains(QStringLiteral("\"Voltage 0\"")))
                    QCOMPARE(boxes.first().contains(QStringLiteral("is in the registry")), written);
                else
                    QVERIFY(written);
            }
        }
        qInfo("store: %lld file steps failed in turn; %d left the old database, %d the new one",
              steps, unchanged, storedThen);
        QVERIFY(unchanged > 0 && storedThen > 0);
    }

    // Each file step of a restore fails in turn: the working copy with its unsaved edit stays
    // open as it was, or the backup is restored.
    void everyFailingFileStepOfARestore() {
        namespace fs = platform::FileSafety;
        Installation in;
        in.recordBoxes = true;
        in.start();
        in.press(QStringLiteral("CmdStore"), {true});
        auto edit = [&in] {
            records::WriteFirstRowField(in.editor().work(), kAvailableSystems,
                                        QStringLiteral("ID Configuration"),
                                        QStringLiteral("Unsaved"));
        };
        edit();
        fs::failCall(0);
        in.press(QStringLiteral("CmdRestore"));
        const qint64 steps = fs::calls();
        QCOMPARE(in.boxTexts(), QStringList());
        QCOMPARE(systemField(in.workCopy(), QStringLiteral("ID Configuration")),
                 QStringLiteral("Demo Lab & Imaging"));
        QVERIFY(steps >= 2);
        for (qint64 k = 1; k <= steps; ++k) {
            edit();
            fs::failCall(k);
            in.press(QStringLiteral("CmdRestore"));
            fs::failCall(0);
            QCOMPARE(in.boxTexts().size(), 1);
            QVERIFY2(in.message().startsWith(
                         QStringLiteral("Restore failed, the working copy is unchanged: ")),
                     qPrintable(in.message()));
            QCOMPARE(systemField(in.workCopy(), QStringLiteral("ID Configuration")),
                     QStringLiteral("Unsaved"));
            QVERIFY(in.editor().isWorkOpen() && in.editor().isLive());
            QVERIFY(Installation::intact(in.systemPath));
            verifyHistoryMatchesBackups(in);
            verifyNoDebris(in);
        }
        qInfo("restore: %lld file steps failed in turn, each left the working copy as it was",
              steps);
        in.press(QStringLiteral("CmdRestore"));
        QCOMPARE(in.message(),
                 QStringLiteral("You must store this restored configuraton to make it active !"));
        QCOMPARE(systemField(in.workCopy(), QStringLiteral("ID Configuration")),
                 QStringLiteral("Demo Lab & Imaging"));
    }

    // Each deletion of Clear History fails in turn: the rows deleted so far are gone with
    // their files, the others stay with theirs, and the box says that it stopped.
    void everyFailingFileStepOfClearHistory() {
        namespace fs = platform::FileSafety;
        for (qint64 k = 1; k <= 3; ++k) {
            Installation in;
            in.recordBoxes = true;
            in.start();
            for (int i = 0; i < 3; ++i)
                in.press(QStringLiteral("CmdStore"), {true});
            fs::failCall(k);
            in.press(kClear, {true});
            const qint64 steps = fs::calls();
            fs::failCall(0);
            QCOMPARE(steps, k);
            QCOMPARE(in.boxTexts().size(), 1);
            QVERIFY(in.message().startsWith(QStringLiteral(
                "Clear History stopped, the older versions still listed are kept: Cannot delete")));
            verifyHistoryMatchesBackups(in);
            QCOMPARE(historyRows(in.templatePath).size(), 3 - (k - 1));
            QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).count(), 3 - (k - 1));
            in.press(kClear, {true});
            QCOMPARE(in.boxTexts(), QStringList());
            QVERIFY(historyRows(in.templatePath).isEmpty());
            verifyHistoryMatchesBackups(in);
        }
    }

    // The engine fails (a history insert refused, a disk full at the backup): nothing of the
    // store is left and the old system database stays.
    void engineFailuresLeaveNothing_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("history insert") << QStringLiteral("insert");
        QTest::newRow("disk full") << QStringLiteral("full");
    }
    void engineFailuresLeaveNothing() {
        QFETCH(QString, failure);
        Installation in;
        if (failure == QStringLiteral("insert"))
            db::Database::open(in.templatePath)
                ->execute(QStringLiteral("CREATE TRIGGER [Refuse] BEFORE INSERT ON [History] "
                                         "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
        in.recordBoxes = true;
        in.start();
        const QString original = Installation::contentOf(in.systemPath);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (failure == QStringLiteral("full")) {
            rlimit tiny = saved;
            tiny.rlim_cur = 64 * 1024;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        }
        in.press(QStringLiteral("CmdStore"), {true});
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY2(in.message().startsWith(kStoreFailed), qPrintable(in.message()));
        QCOMPARE(Installation::contentOf(in.systemPath), original);
        QVERIFY(historyRows(in.templatePath).isEmpty());
        verifyHistoryMatchesBackups(in);
        verifyNoDebris(in);
        QVERIFY(in.editor().isWorkOpen() && in.editor().isLive());
    }

    // A failure after the rename is reported as what it is; the editor works on the new
    // database, or is locked when the start-up on it failed, and says the store happened.
    void failureAfterTheRenameSaysStored() {
        {
            Installation in;
            in.recordBoxes = true;
            in.start();
            app::History::faultPoint = [](const char* step) {
                if (qstrcmp(step, "done") == 0)
                    throw platform::FileError(QStringLiteral("Cannot flush the folder /x"));
            };
            in.press(QStringLiteral("CmdStore"), {true});
            QCOMPARE(in.message(), kStoredThen + QStringLiteral("Cannot flush the folder /x"));
            QCOMPARE(historyRows(in.templatePath).size(), 1);
            QVERIFY(in.editor().isLive());
            QVERIFY(in.main().button(QStringLiteral("CmdStore")).isEnabled());
        }
        {
            // The start-up after the store cannot write a file: the hidden copy, gone meanwhile.
            Installation in;
            in.recordBoxes = true;
            in.start();
            records::WriteFirstRowField(in.editor().work(), kAvailableSystems,
                                        QStringLiteral("ID Configuration"),
                                        QStringLiteral("Stored"));
            const QString hidden = in.editor().HiddenCopyPath();
            app::History::faultPoint = [hidden](const char* step) {
                if (qstrcmp(step, "done") != 0)
                    return;
                QFile::remove(hidden);
                platform::FileSafety::failCall(1);
            };
            in.press(QStringLiteral("CmdStore"), {true});
            QVERIFY2(in.message().startsWith(kStoredThen +
                                             QStringLiteral("the start-up on it failed: Cannot")),
                     qPrintable(in.message()));
            QCOMPARE(in.boxTexts(), QStringList{in.message()});
            QCOMPARE(systemField(in.systemPath, QStringLiteral("ID Configuration")),
                     QStringLiteral("Stored"));
            for (const char* name : {"CmdStore", "CmdRestore", "CmdClearHistory", "CmdEditConf"})
                QVERIFY(!in.main().button(QString::fromLatin1(name)).isEnabled());
            QVERIFY(in.main().button(QStringLiteral("CmdCancel")).isEnabled());
            verifyHistoryMatchesBackups(in);
        }
    }

    void voltagesGoWithTheNewDatabaseOnly() {
        {
            // A registry that cannot be written: the store happened, the voltage did not.
            Installation in;
            startEdited(in);
            app::History::faultPoint = [](const char* step) {
                if (qstrcmp(step, "done") == 0)
                    platform::FileSafety::failCall(1); // the registry's temporary file
            };
            in.press(QStringLiteral("CmdStore"), {true});
            QVERIFY2(
                in.message().startsWith(kStoredThen + QStringLiteral("the voltage \"Voltage 0\" = "
                                                                     "90.00 could not be written")),
                qPrintable(in.message()));
            QCOMPARE(registryVoltage(in, 0), QStringLiteral("100.00"));
            QCOMPARE(systemField(in.systemPath, QStringLiteral("ID Configuration")),
                     QStringLiteral("Edited"));
        }
        {
            // A store that fails writes no voltage.
            Installation in;
            startEdited(in);
            app::History::faultPoint = [](const char* step) {
                if (qstrcmp(step, "replace") == 0)
                    throw platform::FileError(QStringLiteral("Cannot replace: disk full"));
            };
            in.press(QStringLiteral("CmdStore"), {true});
            QVERIFY(in.message().startsWith(kStoreFailed));
            QCOMPARE(registryVoltage(in, 0), QStringLiteral("100.00"));
        }
    }

    // The texts of file errors reach the status line exactly, whatever their letters.
    void fileErrorTextsReachTheUserUnchanged() {
        Installation in;
        in.recordBoxes = true;
        in.start();
        const QString reason = QStringLiteral("Kein Speicherplatz für /Säle/System.mdb");
        app::History::faultPoint = [reason](const char* step) {
            if (qstrcmp(step, "compact") == 0)
                throw platform::FileError(reason);
        };
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(in.message(), kStoreFailed + reason);
        QCOMPARE(in.boxTexts(), QStringList{kStoreFailed + reason});
    }

    // Another program changes the system database after start-up: the store asks before that
    // change is replaced, and the backup holds it.
    void changeOfAnotherProgramIsNotLostSilently() {
        Installation in;
        in.recordBoxes = true;
        in.start();
        records::WriteFirstRowField(in.editor().work(), kAvailableSystems,
                                    QStringLiteral("ID Configuration"), QStringLiteral("Editor"));
        in.onSystem(QStringLiteral("UPDATE [Available Systems] SET [ID Stand] = 'Elsewhere'"));
        const QString changed = Installation::contentOf(in.systemPath);
        in.press(QStringLiteral("CmdStore"), {true, false});
        verifyChangeAskedAbout(in, changed);
        QVERIFY(historyRows(in.templatePath).isEmpty());
        verifyHistoryMatchesBackups(in);
        verifyNoDebris(in);

        in.press(QStringLiteral("CmdStore"), {true, true});
        QCOMPARE(in.boxTexts(), QStringList());
        QCOMPARE(Installation::contentOf(backupOf(in, 1)), changed);
        QCOMPARE(systemField(in.systemPath, QStringLiteral("ID Configuration")),
                 QStringLiteral("Editor"));
        // Start-up ran again: the next store asks nothing.
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(in.recording.boxes.size(), 1);
    }

    // The database a store put in place is known by its file and header only: a change after
    // the store, through the engine or by writing bytes into the file, is asked about at the
    // next store all the same, and so is one after a start-up that read the file whole.
    void changeAfterAStoreIsNoticed_data() {
        QTest::addColumn<bool>("afterStore");
        QTest::addColumn<bool>("throughEngine");
        QTest::newRow("after a store, a commit") << true << true;
        QTest::newRow("after a store, bytes written in place") << true << false;
        QTest::newRow("after start-up, bytes written in place") << false << false;
    }
    void changeAfterAStoreIsNoticed() {
        QFETCH(bool, afterStore);
        QFETCH(bool, throughEngine);
        Installation in;
        in.recordBoxes = true;
        in.start();
        if (afterStore) {
            in.press(QStringLiteral("CmdStore"), {true});
            QCOMPARE(in.boxTexts(), QStringList());
        }
        if (throughEngine) {
            in.onSystem(QStringLiteral("UPDATE [Available Systems] SET [ID Stand] = 'Elsewhere'"));
        } else {
            // Same size, same header: only the content and the file's time tell.
            QFile file(in.systemPath);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() - 1));
            const char last = file.peek(1).at(0);
            QVERIFY(file.write(QByteArray(1, char(last ^ 0x5a))) == 1);
        }
        const QString changed = Installation::contentOf(in.systemPath);
        in.press(QStringLiteral("CmdStore"), {true, false});
        verifyChangeAskedAbout(in, changed);
    }

    // From the backup to the rename no other program commits to the system database, so the
    // backup is exactly the database replaced; a program in the middle of a write makes the
    // store fail with nothing changed.
    void systemDatabaseIsLockedWhileItIsReplaced() {
        Installation in;
        in.recordBoxes = true;
        in.start();
        const QString original = Installation::contentOf(in.systemPath);
        QString attempt;
        app::History::faultPoint = [&](const char* step) {
            if (qstrcmp(step, "compact") != 0)
                return;
            attempt = Installation::writeFromAnotherProgram(in.systemPath);
        };
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(attempt, QStringLiteral("busy"));
        QCOMPARE(in.boxTexts(), QStringList());
        QCOMPARE(Installation::contentOf(backupOf(in, 1)), original);
        app::History::faultPoint = nullptr;

        auto writer = db::Database::openShared(in.systemPath);
        writer->execute(QStringLiteral("BEGIN IMMEDIATE"));
        const QString before = Installation::contentOf(in.systemPath);
        in.press(QStringLiteral("CmdStore"), {true});
        writer->execute(QStringLiteral("ROLLBACK"));
        QVERIFY2(
            in.message().startsWith(kStoreFailed + QStringLiteral("another program is writing to")),
            qPrintable(in.message()));
        QCOMPARE(Installation::contentOf(in.systemPath), before);
        QCOMPARE(historyRows(in.templatePath).size(), 1);
        verifyHistoryMatchesBackups(in);
        verifyNoDebris(in);
    }

    // A WAL system database is replaced by a rollback-journal one and leaves no WAL file to
    // be read as part of it; while another program holds it open, the store waits for it.
    void walSystemDatabase() {
        const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite.isEmpty())
            QSKIP("needs the sqlite3 shell as the other program");
        Installation in;
        in.onSystem(QStringLiteral("PRAGMA journal_mode=WAL"));
        in.recordBoxes = true;
        in.start();
        QProcess other;
        other.start(sqlite, {in.systemPath});
        QVERIFY(other.waitForStarted());
        other.write("SELECT count(*) FROM [System Versions];\n");
        QVERIFY(other.waitForReadyRead(10000));
        const QString before = Installation::contentOf(in.systemPath);
        in.press(QStringLiteral("CmdStore"), {true});
        QVERIFY2(in.message().startsWith(kStoreFailed + QStringLiteral("another program holds")),
                 qPrintable(in.message()));
        QCOMPARE(Installation::contentOf(in.systemPath), before);
        verifyHistoryMatchesBackups(in);
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(10000));

        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(in.boxTexts(), QStringList());
        QFile file(in.systemPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(20).mid(18, 2), QByteArray("\x01\x01"));
        QVERIFY(!QFileInfo::exists(in.systemPath + QStringLiteral("-wal")));
        QCOMPARE(Installation::contentOf(backupOf(in, 1)), before);
        verifyNoDebris(in);
    }

    // History numbers are 64-bit; a number the history cannot go on from is refused, never
    // wrapped.
    void numbersAreNeverWrapped_data() {
        QTest::addColumn<QVariantList>("existing");
        QTest::addColumn<qint64>("next"); // 0: refused
        QTest::newRow("after the 32-bit limit")
            << QVariantList{qint64(2147483647)} << qint64(2147483648);
        QTest::newRow("ten digits") << QVariantList{qint64(9999999999)} << qint64(10000000000);
        QTest::newRow("rows out of order") << QVariantList{qint64(5), qint64(3)} << qint64(6);
        QTest::newRow("negative") << QVariantList{qint64(-4)} << qint64(0);
        QTest::newRow("at the limit") << QVariantList{app::History::kLastNumber} << qint64(0);
        QTest::newRow("a real number") << QVariantList{1e300} << qint64(0);
    }
    void numbersAreNeverWrapped() {
        QFETCH(QVariantList, existing);
        QFETCH(qint64, next);
        Installation in;
        QDir().mkpath(in.backupFolder());
        for (const QVariant& no : existing) {
            const QString path =
                in.dir.filePath(QStringLiteral("BackupDB/old%1.mdb").arg(records::NullToText(no)));
            QFile::copy(in.systemPath, path);
            addHistoryRow(in, no, path);
        }
        in.recordBoxes = true;
        in.start();
        const QString original = Installation::contentOf(in.systemPath);
        in.press(QStringLiteral("CmdStore"), {true});
        if (next > 0) {
            QCOMPARE(in.boxTexts(), QStringList());
            QVERIFY(QFileInfo(backupOf(in, next)).isFile());
            QCOMPARE(historyRows(in.templatePath).last().no, next);
            QVERIFY(in.main()
                        .listBox(QStringLiteral("ComboHistory"))
                        .text()
                        .startsWith(QString::number(next) + QStringLiteral(". -  ")));
        } else {
            QVERIFY2(in.message().startsWith(
                         kStoreFailed + QStringLiteral("the history numbers cannot go on after")),
                     qPrintable(in.message()));
            QCOMPARE(Installation::contentOf(in.systemPath), original);
            QCOMPARE(historyRows(in.templatePath).size(), existing.size());
        }
        // Every listed entry can be restored, whatever its number.
        in.press(QStringLiteral("CmdRestore"));
        QCOMPARE(in.message(),
                 QStringLiteral("You must store this restored configuraton to make it active !"));
    }

    // Clear History deletes the program's own backups only; a row naming any other file
    // leaves the list, and the file stays.
    void clearHistoryDeletesOnlyItsOwnBackups() {
        Installation in;
        QDir().mkpath(in.backupFolder());
        const QString own = backupOf(in, 1);
        const QString misnumbered = backupOf(in, 7);
        const QString elsewhere = in.dir.filePath(QStringLiteral("Elsewhere.mdb"));
        for (const QString& path : {own, misnumbered, elsewhere})
            QFile::copy(in.systemPath, path);
        addHistoryRow(in, 1, own);
        addHistoryRow(in, 2, in.systemPath);
        addHistoryRow(in, 3, misnumbered);
        addHistoryRow(in, 4, elsewhere);
        in.recordBoxes = true;
        in.start();
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).count(), 4);
        in.press(kClear, {true});
        QCOMPARE(in.boxTexts(), QStringList());
        QVERIFY(historyRows(in.templatePath).isEmpty());
        QVERIFY(!QFileInfo::exists(own));
        for (const QString& path : {in.systemPath, misnumbered, elsewhere})
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        QVERIFY(Installation::intact(in.systemPath));
    }

    // A backup that is not a sound database never replaces the working copy: the unsaved
    // edits stay, the message says what is wrong with which file, and the editor goes on.
    void restoreChecksTheBackupFirst_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("words");
        QTest::newRow("random bytes")
            << QStringLiteral("random") << QStringLiteral("is not a database file (");
        QTest::newRow("empty") << QStringLiteral("empty") << QStringLiteral("is empty");
        QTest::newRow("no versions")
            << QStringLiteral("table") << QStringLiteral("has no table \"System Versions\"");
        QTest::newRow("cut short") << QStringLiteral("cut") << QStringLiteral("is ");
    }
    void restoreChecksTheBackupFirst() {
        QFETCH(QString, damage);
        QFETCH(QString, words);
        Installation in;
        in.recordBoxes = true;
        in.start();
        in.press(QStringLiteral("CmdStore"), {true});
        const QString backup = backupOf(in, 1);
        if (damage == QStringLiteral("table")) {
            db::Database::open(backup)->execute(QStringLiteral("DROP TABLE [System Versions]"));
        } else {
            QFile file(backup);
            const qint64 size = file.size();
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (damage == QStringLiteral("random")) {
                QByteArray bytes(4096, '\0');
                for (int i = 0; i < bytes.size(); ++i)
                    bytes[i] = char((i * 7919 + 13) % 251);
                file.write(bytes);
            }
            file.resize(damage == QStringLiteral("empty") ? 0
                        : damage == QStringLiteral("cut") ? size / 3
                                                          : 4096);
        }
        records::WriteFirstRowField(in.editor().work(), kAvailableSystems,
                                    QStringLiteral("ID Configuration"), QStringLiteral("Unsaved"));
        in.press(QStringLiteral("CmdRestore"));
        QVERIFY2(in.message().startsWith(
                     QStringLiteral("Restore failed, the working copy is unchanged: The backup ") +
                     backup + u' ' + words),
                 qPrintable(in.message()));
        QCOMPARE(systemField(in.workCopy(), QStringLiteral("ID Configuration")),
                 QStringLiteral("Unsaved"));
        QVERIFY(in.editor().isWorkOpen());
        in.press(QStringLiteral("CmdStore"), {true});
        QCOMPARE(in.boxTexts(), QStringList());
        QCOMPARE(systemField(in.systemPath, QStringLiteral("ID Configuration")),
                 QStringLiteral("Unsaved"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
