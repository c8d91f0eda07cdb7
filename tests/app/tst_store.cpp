#include "Installation.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <app/History.h>
#include <editor/Texts.h>
#include <platform/FileSafety.h>
#include <platform/RegistryHelpers.h>
#include <records/RecordHelpers.h>

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

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { app::History::faultPoint = nullptr; }

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
        QVERIFY(!QFileInfo::exists(in.systemPath + QStringLiteral(".compact")));
        QVERIFY(in.main().button(QStringLiteral("CmdCancel")).isEnabled());
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
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
