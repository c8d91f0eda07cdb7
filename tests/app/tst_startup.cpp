#include "Installation.h"

#include <QFileInfo>
#include <QTest>
#include <app/Startup.h>
#include <editor/Texts.h>
#include <form/RecordingHost.h>
#include <platform/FileSafety.h>
#include <records/RecordHelpers.h>

class TestStartup : public QObject {
    Q_OBJECT

    static void verifyLocked(const Installation& in) {
        QVERIFY(!in.main().tabControl(QStringLiteral("SSTab1")).isEnabled());
        for (const char* name :
             {"CmdStore", "CmdRestore", "CmdClearHistory", "CmdEditConf", "CmdHiddenCopy"})
            QVERIFY(!in.main().button(QString::fromLatin1(name)).isEnabled());
        QVERIFY(!in.main().listBox(QStringLiteral("ComboHistory")).isEnabled());
        QVERIFY(!in.main().menuItem(QStringLiteral("mnuSaveas")).isEnabled());
        QVERIFY(in.main().button(QStringLiteral("CmdCancel")).isEnabled());
        QVERIFY(!in.editor().isLive());
    }

private Q_SLOTS:
    void readyOnTheDemoInstallation() {
        Installation in;
        in.start();
        QCOMPARE(in.message(), QString());
        QVERIFY(in.editor().isLive());
        QVERIFY(in.main().tabControl(QStringLiteral("SSTab1")).isEnabled());
        QCOMPARE(in.main().textBox(QStringLiteral("LDatabasePath")).text(), in.systemPath);
        QVERIFY(QFileInfo(in.workCopy()).isFile());
        QCOMPARE(in.main().listBox(QStringLiteral("ComboNDDTransm")).text(),
                 QStringLiteral("NDD1"));
        QCOMPARE(in.main().listBox(QStringLiteral("ComboNDDRefl")).entries().size(), 2);
        QVERIFY(!in.main().button(QStringLiteral("CmdSetSCSI")).isEnabled());
        QVERIFY(!in.main().button(QStringLiteral("CmdFocusStep")).isEnabled());
        QCOMPARE(in.platform->sleptMs, 200);
        // Start-up itself never writes the system database.
        const QByteArray before = Installation::hashOf(in.systemPath);
        in.stop();
        QCOMPARE(Installation::hashOf(in.systemPath), before);
    }

    void refusals_data() {
        QTest::addColumn<QString>("registry");
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no administrator") << QString() << false << editor::texts::kNoAdministrator;
        QTest::newRow("empty path")
            << QStringLiteral("\"Path\"=\"\"\n") << true << editor::texts::kNoSystemDatabase;
        QTest::newRow("no path value")
            << QStringLiteral("\"Other\"=\"x\"\n") << true << editor::texts::kNoSystemDatabase;
        QTest::newRow("missing file") << QStringLiteral("\"Path\"=\"/nonexistent/System.mdb\"\n")
                                      << true << editor::texts::kNoSystemDatabase;
    }
    void refusals() {
        QFETCH(QString, registry);
        QFETCH(bool, administrator);
        QFETCH(QString, expected);
        Installation in;
        if (!registry.isEmpty())
            in.writeRegistry(registry);
        in.administrator = administrator;
        in.start();
        QCOMPARE(in.message(), expected);
        verifyLocked(in);
        QCOMPARE(in.runner->host().beeps(), 1);
        QVERIFY(!QFileInfo::exists(in.workCopy()));
        QVERIFY(!QFileInfo::exists(in.dir.filePath(QStringLiteral("System.hid"))));
    }

    void releaseTest_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("2.8") << QStringLiteral("2.8") << false;
        QTest::newRow("3 without point") << QStringLiteral("3") << false;
        QTest::newRow("3.0") << QStringLiteral("3.0") << true;
        QTest::newRow("3.2") << QStringLiteral("3.2") << true;
        QTest::newRow("10.0") << QStringLiteral("10.0") << true;
        QTest::newRow("not a number") << QStringLiteral("x.5") << false;
    }
    void releaseTest() {
        QFETCH(QString, version);
        QFETCH(bool, allowed);
        Installation in;
        in.onSystem(
            QStringLiteral("UPDATE [System Versions] SET [Version Name] = '%1'").arg(version));
        in.start();
        QCOMPARE(in.main().label(QStringLiteral("LVersion")).caption(), version);
        if (allowed) {
            QCOMPARE(in.message(), QString());
            QVERIFY(in.editor().isLive());
        } else {
            QCOMPARE(in.message(), editor::texts::kOldRelease);
            verifyLocked(in);
            QVERIFY(!QFileInfo::exists(in.workCopy()));
        }
    }

    void missingVersionOrTemplateLocksWithAReason() {
        {
            Installation in;
            in.onSystem(QStringLiteral("DELETE FROM [System Versions]"));
            in.start();
            QVERIFY(in.message().contains(QStringLiteral("System Versions")));
            verifyLocked(in);
        }
        {
            Installation in;
            QFile::remove(in.templatePath);
            in.start();
            QVERIFY(in.message().contains(QStringLiteral("Conf.mdb")));
            verifyLocked(in);
            QVERIFY(!QFileInfo::exists(in.workCopy()));
        }
        {
            // A file that is not a database: the reason is shown, nothing crashes.
            Installation in;
            QFile file(in.systemPath);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(QByteArray(2048, 'z'));
            file.close();
            in.start(QStringLiteral("ok"));
            QVERIFY(in.message().contains(QStringLiteral("System.mdb")));
            verifyLocked(in);
        }
    }

    // The system database and the template are checked before any copy is made; the message
    // names the file and says what is wrong, then gives the engine's text.
    void unusableDatabasesAreNamedInWords_data() {
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("words");
        QTest::newRow("system of random bytes")
            << true << QStringLiteral("random") << QStringLiteral("is not a database file (");
        QTest::newRow("system empty")
            << true << QStringLiteral("empty") << QStringLiteral("is empty");
        QTest::newRow("system damaged")
            << true << QStringLiteral("pages") << QStringLiteral("is damaged (");
        QTest::newRow("system without a table read at start-up")
            << true << QStringLiteral("Available Systems")
            << QStringLiteral("has no table \"Available Systems\"");
        QTest::newRow("template without History")
            << false << QStringLiteral("History") << QStringLiteral("has no table \"History\"");
        QTest::newRow("template empty")
            << false << QStringLiteral("empty") << QStringLiteral("is empty");
        QTest::newRow("template of random bytes")
            << false << QStringLiteral("random") << QStringLiteral("is not a database file (");
    }
    void unusableDatabasesAreNamedInWords() {
        QFETCH(bool, system);
        QFETCH(QString, damage);
        QFETCH(QString, words);
        Installation in;
        const QString path = system ? in.systemPath : in.templatePath;
        if (damage == QStringLiteral("random") || damage == QStringLiteral("empty") ||
            damage == QStringLiteral("pages")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (damage == QStringLiteral("empty"))
                file.resize(0);
            QByteArray bytes(damage == QStringLiteral("pages") ? 4 * 4096 : 8192, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919 + 13) % 251);
            if (damage == QStringLiteral("pages"))
                file.seek(4096);
            if (damage != QStringLiteral("empty"))
                file.write(bytes);
        } else {
            db::Database::open(path)->execute(QStringLiteral("DROP TABLE [%1]").arg(damage));
        }
        const QByteArray before = Installation::hashOf(in.systemPath);
        in.recordBoxes = true;
        in.start();
        const QString role = system ? QStringLiteral("The system database ")
                                    : QStringLiteral("The template database ");
        QVERIFY2(in.message().startsWith(role + path + u' ' + words), qPrintable(in.message()));
        QCOMPARE(in.recording.boxes.size(), 1);
        verifyLocked(in);
        // Nothing was copied from a database that failed its checks.
        QVERIFY(!QFileInfo::exists(in.workCopy()));
        QVERIFY(!QFileInfo::exists(in.dir.filePath(QStringLiteral("System.hid"))));
        QCOMPARE(Installation::hashOf(in.systemPath), before);
    }

    // Another program commits while start-up copies the system database: the working copy and
    // the hidden copy are both the state that passed the checks. A rollback-journal database
    // keeps the writer waiting meanwhile; a WAL database lets it commit after that state.
    void copiesAreOneStateWhileAnotherProgramCommits_data() {
        QTest::addColumn<bool>("wal");
        QTest::newRow("rollback journal") << false;
        QTest::newRow("WAL") << true;
    }
    void copiesAreOneStateWhileAnotherProgramCommits() {
        QFETCH(bool, wal);
        Installation in;
        if (wal)
            in.onSystem(QStringLiteral("PRAGMA journal_mode=WAL"));
        const QString before = Installation::contentOf(in.systemPath);
        QString attempt;
        platform::FileSafety::setStepHook([&](const QString&, const QString& path) {
            if (!attempt.isEmpty() || !path.contains(QStringLiteral("Temp.mdb")))
                return;
            attempt = Installation::writeFromAnotherProgram(in.systemPath);
        });
        in.start();
        platform::FileSafety::setStepHook({});
        QCOMPARE(in.message(), QString());
        QCOMPARE(attempt, wal ? QStringLiteral("committed") : QStringLiteral("busy"));
        const QString hidden = in.dir.filePath(QStringLiteral("System.hid"));
        QCOMPARE(Installation::contentOf(hidden), before);
        in.stop();
        auto stand = [](const QString& path) {
            return db::Database::openShared(path)
                ->OpenRecordset(records::kAvailableSystems)
                .value(QStringLiteral("ID Stand"))
                .toString();
        };
        QVERIFY(stand(in.workCopy()) != QStringLiteral("Late"));
        QCOMPARE(stand(in.systemPath) == QStringLiteral("Late"), wal);
    }

    // Start-up reads a WAL database as it is, while another program has it open in the middle
    // of a write; the copies are rollback-journal files.
    void walSystemDatabaseStaysAsItIs() {
        Installation in;
        in.onSystem(QStringLiteral("PRAGMA journal_mode=WAL"));
        auto header = [](const QString& path) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            return file.read(20).mid(18, 2);
        };
        QCOMPARE(header(in.systemPath), QByteArray("\x02\x02"));
        auto other = db::Database::openShared(in.systemPath);
        other->execute(QStringLiteral("BEGIN IMMEDIATE"));
        other->execute(QStringLiteral("UPDATE [Available Systems] SET [ID Stand] = 'Pending'"));
        in.start();
        QCOMPARE(in.message(), QString());
        QVERIFY(in.editor().isLive());
        QCOMPARE(header(in.systemPath), QByteArray("\x02\x02"));
        QCOMPARE(header(in.workCopy()), QByteArray("\x01\x01"));
        QCOMPARE(header(in.dir.filePath(QStringLiteral("System.hid"))), QByteArray("\x01\x01"));
        QVERIFY(!QFileInfo::exists(in.workCopy() + QStringLiteral("-wal")));
        other->execute(QStringLiteral("ROLLBACK"));
        other.reset();
        in.stop();
        QCOMPARE(header(in.systemPath), QByteArray("\x02\x02"));
    }

    void secondInstanceHandsOverAndEnds() {
        Installation in;
        in.start();
        const QByteArray workCopy = Installation::hashOf(in.workCopy());
        Installation second;
        second.registryPath = in.registryPath;
        second.beforeStart = [](editor::Editor& e) { e.setInstanceCheck([] { return true; }); };
        second.start();
        QVERIFY(second.quit);
        QCOMPARE(second.runner->host().beeps(), 1);
        QVERIFY(!second.editor().isWorkOpen());
        QCOMPARE(Installation::hashOf(in.workCopy()), workCopy);
    }

    void pathWithoutFolderIsRelativeToTheCurrentFolder() {
        Installation in;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(in.dir.path());
        in.setRegistryPath(QStringLiteral("System.mdb"));
        in.start();
        QDir::setCurrent(previous);
        QCOMPARE(in.editor().databaseFolder(), QString());
        QCOMPARE(in.editor().workCopyPath(), QStringLiteral("BackupDB/Temp.mdb"));
        QVERIFY(QFileInfo(in.workCopy()).isFile());
    }

    void hiddenCopyIsMadeOnceAndAgainAfterDeletion() {
        Installation in;
        const QString hidden = in.dir.filePath(QStringLiteral("System.hid"));
        in.start();
        QVERIFY(QFileInfo(hidden).isFile());
        QVERIFY(in.platform->isHidden(hidden));
        QVERIFY(in.platform->isReadOnly(hidden));
        const QByteArray first = Installation::hashOf(hidden);
        in.stop();

        in.onSystem(
            QStringLiteral("UPDATE [Available Systems] SET [ID Configuration] = 'changed'"));
        in.start();
        QCOMPARE(Installation::hashOf(hidden), first); // keeps the state of the first start
        in.stop();

        QFile(hidden).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(hidden);
        in.start();
        QCOMPARE(Installation::contentOf(hidden), Installation::contentOf(in.systemPath));
    }

    void readOnlyFilesFromEarlierRunsAreMadeWritable() {
        Installation in;
        in.start();
        in.stop();
        QFile::setPermissions(in.workCopy(), QFile::ReadOwner);
        QFile::setPermissions(in.systemPath, QFile::ReadOwner);
        in.start();
        QCOMPARE(in.message(), QString());
        QVERIFY(!in.platform->isReadOnly(in.workCopy()));
        QVERIFY(!in.platform->isReadOnly(in.systemPath));
        // The copy is fresh and the editor can write into it.
        records::WriteFirstRowField(in.editor().work(), records::kAvailableSystems,
                                    QStringLiteral("ID Configuration"), QStringLiteral("written"));
        QCOMPARE(records::ReadFirstRowField(in.editor().work(), records::kAvailableSystems,
                                            QStringLiteral("ID Configuration")),
                 QVariant(QStringLiteral("written")));
    }

    void relationIsDroppedFromTheWorkingCopyOnly() {
        Installation in;
        const QString relation = QStringLiteral("Available InterfacesAvailable Shutters");
        QVERIFY(db::Database::open(in.systemPath)->relationNames().contains(relation));
        in.start();
        QVERIFY(!in.editor().work().relationNames().contains(relation));
        QVERIFY(!in.editor().work().relationNames().isEmpty()); // the others stay
        in.stop();
        QVERIFY(db::Database::open(in.systemPath)->relationNames().contains(relation));
    }

    void waitSlices_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("slices");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("25 rounds to 0") << 25 << 1;
        QTest::newRow("75 rounds to 2") << 75 << 3;
        QTest::newRow("100") << 100 << 3;
        QTest::newRow("1000") << 1000 << 21;
        QTest::newRow("negative") << -100 << 0;
    }
    void waitSlices() {
        QFETCH(int, ms);
        QFETCH(int, slices);
        form::FormSet forms;
        form::RecordingHost host;
        forms.setHost(&host);
        TestPlatform platform(QStringLiteral("/nonexistent/registry.reg"));
        editor::Editor editor(forms, platform, QString());
        editor.WaitMs(ms);
        QCOMPARE(host.eventPumps, slices);
        QCOMPARE(host.sleptMs, slices * 50);
    }

    void failingActionRollsBackAndIsReported() {
        Installation in;
        in.start();
        editor::Editor& e = in.editor();
        in.main().checkBox(QStringLiteral("CheckSpekro")).setHandler([&e] {
            records::WriteFirstRowField(e.work(), records::kAvailableSystems,
                                        QStringLiteral("ID Configuration"),
                                        QStringLiteral("half written"));
            records::ReadField(e.work(), QStringLiteral("No Such Table"), records::kIdAvailable,
                               QStringLiteral("x"), records::kStatus);
        });
        const bool before = in.main().checkBox(QStringLiteral("CheckSpekro")).isChecked();
        in.act(before ? QStringLiteral("untick CheckSpekro\nok")
                      : QStringLiteral("tick CheckSpekro\nok"));
        QVERIFY(in.message().contains(QStringLiteral("No Such Table")));
        QVERIFY(records::NullToText(records::ReadFirstRowField(
                    e.work(), records::kAvailableSystems, QStringLiteral("ID Configuration"))) !=
                QStringLiteral("half written"));
        QCOMPARE(in.session->boundary().caughtErrors(), 1);
        QVERIFY(!e.work().inTransaction());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
