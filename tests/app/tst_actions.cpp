#include "Installation.h"

#include <QFileInfo>
#include <QTest>
#include <app/History.h>
#include <db/WriteFaults.h>
#include <editor/Scopes.h>
#include <form/RecordingHost.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

const QString kConfiguration = u"ID Configuration"_s;

QVariant storedName(const QString& workCopy) {
    return records::ReadFirstRowField(*db::Database::open(workCopy), records::kAvailableSystems,
                                      kConfiguration);
}

int historyRows(const QString& templatePath) {
    return db::Database::open(templatePath)->OpenRecordset(records::kHistory).recordCount();
}

} // namespace

// Every user action is one unit of work on both databases, and an error inside it is shown the
// same way wherever the action started.
class TestActions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { db::faults::disarm(); }

    // The template database takes part in the action's transaction: its rows land with the
    // working copy's, or not at all.
    void templateWritesLandWithTheAction_data() {
        QTest::addColumn<bool>("fails");
        QTest::newRow("fails") << true;
        QTest::newRow("completes") << false;
    }
    void templateWritesLandWithTheAction() {
        QFETCH(bool, fails);
        Installation in;
        in.start();
        editor::Editor& e = in.editor();
        in.main().button(u"CmdEditConf"_s).setHandler([&e, fails] {
            records::WriteFirstRowField(e.work(), records::kAvailableSystems, kConfiguration,
                                        u"half written"_s);
            e.templ().execute(u"INSERT INTO %1 ([No], [Path]) VALUES (7, 'Temp7.mdb')"_s.arg(
                e.templ().qualified(records::kHistory)));
            if (fails)
                records::ReadField(e.work(), u"No Such Table"_s, records::kIdAvailable, u"x"_s,
                                   records::kStatus);
        });
        in.act(u"click CmdEditConf"_s);
        QCOMPARE(historyRows(in.templatePath), fails ? 0 : 1);
        QCOMPARE(storedName(in.workCopy()) == QVariant(u"half written"_s), !fails);
        QCOMPARE(in.session->boundary().caughtErrors(), fails ? 1 : 0);
        if (fails) {
            QVERIFY(in.message().contains(u"No Such Table"_s));
            QCOMPARE(in.runner->host().unacknowledgedErrors().size(), 1);
        }
        QVERIFY(!e.work().inTransaction());
    }

    // A button of a modal dialog is an action inside the action that opened the dialog. Its error
    // undoes only what it wrote, is shown like any other, and the dialog stays open for the next
    // try; the script goes on.
    void anErrorInsideAModalDialogIsShownAndTheScriptGoesOn() {
        Installation in;
        in.start();
        const QVariant before = storedName(in.workCopy());
        db::faults::failAt(1); // the OK button's write
        in.act(u"click CmdEditConf\ntype EConf \"First try\"\nclick CmdOK\n"
               "expect EConf text \"Demo Lab & Imaging\"\ntype EConf \"Second try\"\n"
               "click CmdOK\nexpect LConfiguration caption \"Second try\""_s);
        QVERIFY(db::faults::fired());
        QCOMPARE(in.session->boundary().caughtErrors(), 1);
        const QStringList errors = in.runner->host().unacknowledgedErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains(u"Injected"_s));
        QVERIFY(in.message().contains(u"Injected"_s));
        QVERIFY(!in.forms->form(u"FormEditConf"_s)->isVisible());
        QVERIFY(storedName(in.workCopy()) != before);
        QCOMPARE(storedName(in.workCopy()), QVariant(u"Second try"_s));

        // Cancelled after the error, the dialog leaves nothing behind.
        db::faults::failAt(1);
        in.act(u"click CmdEditConf\ntype EConf Third\nclick CmdOK\nok\nclick CmdCancel"_s);
        QCOMPARE(storedName(in.workCopy()), QVariant(u"Second try"_s));
        QCOMPARE(in.runner->host().unacknowledgedErrors().size(), 1); // acknowledged with ok
    }

    // The engine gives up the whole transaction after some I/O errors. When that happens inside
    // a dialog, what the opening action writes afterwards must not land on its own.
    void aDialogActionThatLosesTheTransactionUndoesTheWholeAction() {
        Installation in;
        in.start();
        editor::Editor& e = in.editor();
        const QVariant before = storedName(in.workCopy());
        in.forms->form(u"FormEditConf"_s)->button(u"CmdOK"_s).setHandler([&e] {
            e.work().execute(u"ROLLBACK"_s);
            throw db::DbError(u"disk I/O error"_s);
        });
        in.main().button(u"CmdEditConf"_s).setHandler([&e, &in] {
            records::WriteFirstRowField(e.work(), records::kAvailableSystems, kConfiguration,
                                        u"before the dialog"_s);
            in.session->pages().editConf.exec();
            e.templ().execute(u"INSERT INTO %1 ([No], [Path]) VALUES (7, 'Temp7.mdb')"_s.arg(
                e.templ().qualified(records::kHistory)));
        });
        in.act(u"click CmdEditConf\nclick CmdOK\nclick CmdCancel"_s);
        QCOMPARE(in.session->boundary().caughtErrors(), 1);
        QCOMPARE(in.message(), u"disk I/O error"_s);
        QCOMPARE(storedName(in.workCopy()), before);
        QCOMPARE(historyRows(in.templatePath), 0);
        QVERIFY(!e.work().inTransaction());
    }

    // A readout that fails half-way, or a handler that cleared the editor-live flag by hand,
    // must not leave the editor quiet for the rest of the session.
    void theLiveFlagSurvivesAFailure() {
        Installation in;
        in.start();
        editor::Editor& e = in.editor();
        QVERIFY(e.isLive());
        db::faults::failAt(1);
        {
            db::Transaction transaction(e.work());
            QVERIFY_THROWS_EXCEPTION(db::DbError, in.session->readout().Refresh());
        }
        QVERIFY(db::faults::fired());
        QVERIFY(e.isLive());

        in.main().button(u"CmdEditConf"_s).setHandler([&e] {
            e.setLive(false);
            throw db::DbError(u"lost while quiet"_s);
        });
        in.act(u"click CmdEditConf"_s);
        QCOMPARE(in.message(), u"lost while quiet"_s);
        QVERIFY(e.isLive());

        editor::RunningFlag flag;
        in.main().button(u"CmdEditConf"_s).setHandler([&flag] {
            const editor::Running running(flag);
            throw db::DbError(u"failed while running"_s);
        });
        in.act(u"click CmdEditConf"_s);
        QVERIFY(!flag.isRunning());
    }

    // Clearing the history deletes the backups only once the rows are gone for good.
    void aFailedClearHistoryKeepsTheBackups() {
        Installation in;
        in.start();
        const QString store =
            u"click CmdStore\nanswer yes \"Are you sure, you want to store the new system database ?\"\n"_s;
        in.act(store + store);
        const QString first = in.dir.filePath(u"BackupDB/Temp1.mdb"_s);
        const QString second = in.dir.filePath(u"BackupDB/Temp2.mdb"_s);
        QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
        const QString clear = u"click CmdClearHistory\nanswer yes\n"_s;
        for (int k = 1; k <= 3; ++k) { // two row deletions and the commit
            db::faults::failAt(k);
            in.act(clear);
            QVERIFY(db::faults::fired());
            QCOMPARE(historyRows(in.templatePath), 2);
            QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
        }
        in.act(clear);
        QCOMPARE(historyRows(in.templatePath), 0);
        QVERIFY(!QFileInfo::exists(first) && !QFileInfo::exists(second));
    }

    // Answering No to the question about a system database that another program changed
    // gives the store up: the NDD field it wrote goes back, and the master switch stays true to
    // the database.
    void aStoreGivenUpChangesNothing() {
        Installation in;
        in.start();
        in.act(u"tick CheckNDD"_s);
        in.onSystem(u"UPDATE [Available Systems] SET [ID Stand] = 'Elsewhere'"_s);
        in.act(u"click CmdStore\nanswer yes\nanswer no"_s);
        QCOMPARE(
            records::ReadFirstRowField(in.editor().work(), records::kAvailableSystems, u"NDD"_s),
            QVariant(true));
        QVERIFY(in.main().checkBox(u"CheckNDD"_s).isChecked());
        QVERIFY(!in.editor().work().inTransaction());
    }

    // A store that fails before its history row is committed changes nothing: no backup that
    // no row names, no step voltage in the registry.
    void aFailedStoreLeavesNothingBehind() {
        Installation in;
        in.writeRegistry(u"\"Path\"=\"%1\"\n"_s.arg(in.systemPath),
                         u"\"Voltage 0\"=\"100.00\"\n\"Voltage 1\"=\"10.00\"\n"
                         "\"Voltage 2\"=\"1.00\"\n\"Voltage 3\"=\"0.10\"\n"_s);
        in.start();
        const QByteArray registry = Installation::hashOf(in.registryPath);
        in.act(u"tab 4\ntype EU100 \"90.00\""_s);
        db::faults::failAt(3); // the NDD field, the history row, then the commit
        in.act(u"click CmdStore\nanswer yes\n"_s);
        QVERIFY(db::faults::fired());
        QVERIFY(in.message().startsWith(u"Store failed, the system database is unchanged"_s));
        QCOMPARE(historyRows(in.templatePath), 0);
        QVERIFY(!QFileInfo::exists(in.dir.filePath(u"BackupDB/Temp1.mdb"_s)));
        QCOMPARE(Installation::hashOf(in.registryPath), registry);
    }
};

QTEST_GUILESS_MAIN(TestActions)
#include "tst_actions.moc"
