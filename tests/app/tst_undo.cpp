#include "Installation.h"

#include <QTest>
#include <db/WriteFaults.h>
#include <editor/UndoLog.h>
#include <form/ScriptError.h>

using namespace Qt::StringLiterals;

namespace {

// Both files as their rows show them; the editor's connection holds no transaction between
// actions, so another connection reads what it committed.
QString stateOf(const Installation& in) {
    return Installation::contentOf(in.workCopy()) + u"=== template\n"_s +
           Installation::contentOf(in.templatePath);
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { db::faults::disarm(); }

    // After undo both files hold what they held before the action, after redo what it made of
    // them, again and again; an action that opened a dialog goes back whole.
    void undoAndRedoRestoreBothFiles_data() {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("action");
        QTest::newRow("a check box") << QString() << u"tick CheckImageFlip"_s;
        QTest::newRow("an option button") << QString() << u"choose OptionButtonHeadSideport"_s;
        QTest::newRow("a switch with its dependants") << QString() << u"tick CheckNDD"_s;
        QTest::newRow("a port") << QString() << u"select ComboConnection COM2"_s;
        QTest::newRow("a typed value stored")
            << u"tab 6\nselect ComboCanNode CANH\ntype EFWVersion \"2.17\""_s
            << u"click CmdStoreFWVersion"_s;
        QTest::newRow("a dialog") << QString()
                                  << u"click CmdEditConf\ntype EConf \"Undone\"\nclick CmdOK"_s;
    }
    void undoAndRedoRestoreBothFiles() {
        QFETCH(QString, prepare);
        QFETCH(QString, action);
        Installation in;
        in.start();
        if (!prepare.isEmpty())
            in.act(prepare);
        const QString before = stateOf(in);
        in.act(action);
        const QString after = stateOf(in);
        QVERIFY(after != before);
        for (int round = 0; round < 2; ++round) {
            in.act(u"undo"_s);
            QCOMPARE(stateOf(in), before);
            in.act(u"redo"_s);
            QCOMPARE(stateOf(in), after);
        }
        QVERIFY(Installation::intact(in.workCopy()));
        QVERIFY(Installation::intact(in.templatePath));
    }

    // Nothing to undo: the entries are disabled, and a script's undo fails as a click on a
    // disabled control does.
    void nothingToUndo() {
        Installation in;
        in.start();
        QVERIFY(!in.main().menuItem(u"mnuUndo"_s).isEnabled());
        QVERIFY(!in.main().menuItem(u"mnuRedo"_s).isEnabled());
        try {
            in.act(u"undo"_s);
            QFAIL("undo ran with nothing to undo");
        } catch (const form::ScriptError& error) {
            QCOMPARE(error.reason(), u"mnuUndo is disabled"_s);
        }
        // A new action after an undo drops what could be redone.
        in.act(u"tick CheckImageFlip\nundo\nexpect mnuRedo enabled true\ntick CheckNDD"_s);
        QVERIFY(!in.main().menuItem(u"mnuRedo"_s).isEnabled());
        QVERIFY(in.main().menuItem(u"mnuUndo"_s).isEnabled());
    }

    // A dialog's button that fails takes its records with it, while the action that opened the
    // dialog goes on and commits: undo takes back what landed, nothing more. Nothing of the
    // record is in a schema, not even the connection's temporary one.
    void aFailedPartOfAnActionLeavesNoRecord() {
        Installation in;
        in.start();
        const QString before = stateOf(in);
        db::Database& work = in.editor().work();
        const auto status = [&work](const QString& value, const QString& laser) {
            work.execute(u"UPDATE [Available Lasers] SET Status = ? WHERE [ID Available] = ?"_s,
                         {value, laser});
        };
        const QString first = work.OpenRecordset(u"Available Lasers"_s).value(0).toString();
        in.session->boundary().run([&] {
            status(u"outer"_s, first);
            in.session->boundary().run([&] {
                status(u"inner"_s, first);
                work.execute(u"DELETE FROM [Available Lasers]"_s);
                throw db::DbError(u"The dialog refused"_s);
            });
            in.editor().templ().execute(u"DELETE FROM [conf].[Potential Lasers]"_s);
            work.execute(
                u"UPDATE [Available Lasers] SET [Special Value] = 0.1 WHERE [ID Available] <> ?"_s,
                {first});
        });
        QCOMPARE(in.session->boundary().caughtErrors(), 1);
        const QString after = stateOf(in);
        QVERIFY(after != before && !after.contains(u"inner"_s) && after.contains(u"outer"_s));
        in.act(u"undo"_s);
        QCOMPARE(stateOf(in), before);
        in.act(u"redo"_s);
        QCOMPARE(stateOf(in), after);
        QCOMPARE(work.OpenRecordset(u"SELECT count(*) FROM temp.sqlite_master"_s).value(0).toInt(),
                 0);
    }

    // A failed action leaves the history as it was: its log rows went with its transaction.
    void aFailedActionLeavesTheHistory() {
        Installation in;
        in.start();
        in.act(u"tick CheckImageFlip"_s);
        const QString ticked = stateOf(in);
        db::faults::failAt(1);
        in.session->boundary().run(
            [&in] { in.editor().work().execute(u"UPDATE [Available Lasers] SET Status = 'x'"_s); });
        db::faults::disarm();
        QCOMPARE(in.session->boundary().caughtErrors(), 1);
        QCOMPARE(stateOf(in), ticked);
        in.act(u"undo\nexpect CheckImageFlip checked false"_s);
        QVERIFY(!in.main().menuItem(u"mnuUndo"_s).isEnabled());
    }

    // A change of the schema ends the history, and says so; a store clears it.
    void theHistoryEnds() {
        Installation in;
        in.start();
        in.act(u"tick CheckImageFlip"_s);
        in.session->boundary().run([&in] {
            in.editor().work().execute(
                u"ALTER TABLE [Available Lasers] ADD COLUMN [New %s] TEXT"_s);
        });
        QVERIFY(!in.session->undoLog().canUndo());
        QCOMPARE(in.message(), u"The change of the database's structure ends the undo history."_s);
        // The new field is recorded from the next action on.
        in.session->boundary().run([&in] {
            in.editor().work().execute(u"UPDATE [Available Lasers] SET [New %s] = '7''%d'"_s);
        });
        in.act(u"undo"_s);
        QCOMPARE(db::Database::openShared(in.workCopy())
                     ->OpenRecordset(
                         u"SELECT count(*) FROM [Available Lasers] WHERE [New %s] IS NOT NULL"_s)
                     .value(0)
                     .toInt(),
                 0);

        in.act(u"tick CheckImageFlip\nclick CmdStore\nanswer yes"_s);
        QVERIFY(!in.main().menuItem(u"mnuUndo"_s).isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
