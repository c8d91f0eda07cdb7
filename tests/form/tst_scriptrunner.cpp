#include <QTest>
#include <form/FormSet.h>
#include <form/ScriptRunner.h>

using namespace Qt::StringLiterals;

using namespace form;

namespace {

// Reports errors of an action the way the editor does: an error box, and the action ends.
class ReportingBoundary : public ActionBoundary {
public:
    explicit ReportingBoundary(FormSet& forms) : m_forms(forms) {}
    void run(const std::function<void()>& action) override {
        try {
            action();
        } catch (const ScriptError&) {
            throw;
        } catch (const std::exception& e) {
            m_forms.host().showError(QString::fromUtf8(e.what()), u"Error"_s);
        }
    }

private:
    FormSet& m_forms;
};

// A main window with a tab control and a login dialog, wired like the editor wires its own.
struct Editor {
    FormSet forms;
    ScriptRunner runner{forms};
    ReportingBoundary boundary{forms};
    Form& main = forms.addForm(u"main"_s);
    Form& login = forms.addForm(u"frmLogin"_s, u"Login"_s);
    QStringList trace;
    std::optional<QString> savedAs;

    Editor() {
        forms.setHost(&runner.host());
        forms.setBoundary(&boundary);
        auto& tabs = main.addTabControl(u"SSTab1"_s);
        tabs.addPage(u"Configuration"_s);
        tabs.addPage(u"Microscope"_s);
        tabs.addPage(u"Laser Modul"_s);
        tabs.setPageEnabled(2, false);
        tabs.setHandler([this, &tabs] { trace << u"tab %1"_s.arg(tabs.currentIndex()); });

        auto& msg = main.addLabel(u"LMsg"_s);
        main.addButton(u"CmdStore"_s, u"Store All Changes"_s).setHandler([this, &msg] {
            const bool yes = forms.host().askYesNo(
                u"Are you sure, you want to store the new system database ?"_s, u"Store"_s);
            msg.setCaption(yes ? u"stored"_s : u"kept"_s);
        });
        main.addButton(u"CmdHidden"_s).setHandler([this] {
            forms.showModal(login);
            trace << u"after login %1"_s.arg(login.textBox("txtPassword").text());
        });
        main.addMenuItem(u"mnuSaveas"_s).setHandler([this] {
            savedAs = forms.host().askSaveFileName(u"/db/System.mdb"_s, u"mdb files"_s, u"*.mdb"_s);
        });
        main.addButton(u"CmdBroken"_s).setHandler([] {
            throw std::runtime_error("disk I/O error");
        });
        main.addButton(u"CmdRestore"_s).setEnabled(false);
        main.addMenuItem(u"mnuLock"_s).setHandler([&tabs] { tabs.setEnabled(false); });

        main.setPlacement(0);
        main.addCheckBox(u"CheckArgon"_s).setHandler([this] { trace << u"argon"_s; });
        auto& history = main.addListBox(u"ComboHistory"_s);
        history.addItem(u"Backup 1"_s);
        history.addItem(u"Backup 2"_s);
        main.addOptionButton(u"OptionObjname"_s);
        main.addTreeView(u"TreeView1"_s);
        auto& tree = main.treeView(u"TreeView1"_s);
        auto& group = tree.addNode(nullptr, u"Favourite Objectives"_s);
        tree.addNode(&group, u"Plan 10x"_s, u"P10"_s);
        tree.setNodeClickHandler([this](TreeNode& node) { trace << node.tag(); });
        main.setPlacement(1);
        main.addTextBox(u"EFocusStep"_s, u"0.1"_s);

        login.addTextBox(u"txtPassword"_s);
        login.addButton(u"cmdOK"_s).setHandler([this] {
            if (login.textBox("txtPassword").text() == u"Harvest")
                login.hide();
            else
                forms.host().message(u"Invalid Password, try again!"_s, u"Login"_s,
                                     MessageIcon::Information);
        });
        main.show();
    }

    // Runs the script; the failure's "line N: reason", empty on success.
    QString run(const QString& script) {
        try {
            runner.load(script);
            runner.run();
        } catch (const ScriptError& e) {
            return e.message();
        }
        return {};
    }
};

} // namespace

class TestScriptRunner : public QObject {
    Q_OBJECT

    static void row(const char* name, const QString& script, const QString& failure,
                    const QString& status = {}) {
        QTest::newRow(name) << script << failure << status;
    }

private slots:
    void actsLikeAPerson() {
        Editor e;
        QCOMPARE(e.run(uR"(
# a comment, then a blank line

tick CheckArgon
tick CheckArgon
select ComboHistory "Backup 2"
choose OptionObjname
node TreeView1 "Favourite Objectives > Plan 10x"
tab 1
type EFocusStep "0.2 ""um"""
expect CheckArgon checked true
expect ComboHistory index 1
expect ComboHistory text "Backup 2"
expect OptionObjname selected True
expect EFocusStep text "0.2 ""um"""
expect SSTab1 index 1
expect CmdRestore enabled false
)"_s),
                 QString());
        QCOMPARE(e.trace, (QStringList{"argon", "P10", "tab 1"}));
    }

    void modalDialogTakesFollowingLines() {
        Editor e;
        QCOMPARE(e.run(uR"(
click CmdHidden
type txtPassword wrong
click cmdOK
ok "Invalid Password, try again!"
type txtPassword Harvest
click cmdOK
tick CheckArgon
)"_s),
                 QString());
        QCOMPARE(e.trace, (QStringList{"after login Harvest", "argon"}));
        QVERIFY(!e.login.isVisible());

        Editor closing;
        QCOMPARE(closing.run(u"click CmdHidden\nclose\nexpect txtPassword text \"\""_s),
                 u"line 3: main has no control named txtPassword"_s);
        QCOMPARE(closing.trace, QStringList{"after login "});

        Editor open;
        QCOMPARE(open.run(u"click CmdHidden\ntype txtPassword x"_s),
                 u"line 1: the script ended while the dialog frmLogin is open"_s);
    }

    // Each script runs on a fresh editor; the failure names the line, the status the outcome.
    void scriptsFailAtTheLineThatCannotBeDone_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("status");
        const QString question = u"Are you sure, you want to store the new system database ?"_s;

        row("yes", "click CmdStore\nanswer yes", {}, "stored");
        row("no with its text", u"click CmdStore\nanswer no \"%1\""_s.arg(question), {}, "kept");
        row("wrong text", "click CmdStore\nanswer yes \"Are You sure ?\"",
            u"line 2: the question says \"%1\", not \"Are You sure ?\""_s.arg(question));
        row("answered by another line", "click CmdStore\ntick CheckArgon",
            u"line 2: the question \"%1\" is open and must be answered first with answer"_s.arg(
                question));
        row("script ends", "click CmdStore",
            u"line 1: the script ended with the question \"%1\" unanswered"_s.arg(question));
        row("answer without a box", "answer yes", "line 1: no question is open");
        row("maybe", "click CmdStore\nanswer maybe", "line 2: answer yes or no, not \"maybe\"");

        row("disabled button", "click CmdRestore", "line 1: CmdRestore is disabled");
        row("page not in front", "tick CheckArgon\ntype EFocusStep 1",
            "line 2: EFocusStep is on page 1 of SSTab1, but page 0 is in front");
        row("disabled page", "tab 2", "line 1: page 2 of SSTab1 is disabled");
        row("no such page", "tab 7", "line 1: SSTab1 has no page 7");
        row("tab control disabled", "click mnuLock\n# locked now\ntick CheckArgon",
            "line 3: CheckArgon sits on SSTab1, which is disabled");
        row("main window under a modal dialog", "click CmdHidden\ntick CheckArgon",
            "line 2: CheckArgon cannot be reached while the dialog frmLogin is open");
        row("wrong kind", "tick CmdStore", "line 1: CmdStore is a button, not a check box");
        row("unknown entry", "select ComboHistory \"Backup 3\"",
            "line 1: ComboHistory has no entry \"Backup 3\"");
        row("unknown node", "node TreeView1 \"Favourite Objectives > Plan 20x\"",
            "line 1: TreeView1 has no node \"Favourite Objectives > Plan 20x\"");

        row("failed expect", "tick CheckArgon\n\nexpect CheckArgon checked false",
            "line 3: expected CheckArgon checked to be \"false\", but it is \"true\"");
        row("unknown property", "expect CheckArgon text x",
            "line 1: CheckArgon has no property \"text\"");
        row("unknown command", "press CmdStore", "line 1: unknown command \"press\"");
        row("unquoted blanks", "select ComboHistory Backup 2",
            "line 1: select has too many arguments; put texts with blanks in double quotes");
        row("open quote", "tick CheckArgon\ntype EFocusStep \"0.2",
            "line 2: a double quote is not closed");
        row("close without dialog", "close", "line 1: no dialog is open");
    }
    void scriptsFailAtTheLineThatCannotBeDone() {
        QFETCH(QString, script);
        QFETCH(QString, failure);
        QFETCH(QString, status);
        Editor e;
        QCOMPARE(e.run(script), failure);
        QCOMPARE(e.main.label("LMsg").caption(), status);
    }

    void errorInActionIsReportedAndScriptGoesOn() {
        Editor e;
        QCOMPARE(e.run(u"click CmdBroken\nok \"disk I/O error\"\nclick mnuSaveas\n"
                       "save \"/tmp/copy of db.mdb\""_s),
                 QString());
        QCOMPARE(e.savedAs, std::optional<QString>(u"/tmp/copy of db.mdb"_s));
        QCOMPARE(e.run(u"click mnuSaveas\ncancel"_s), QString());
        QCOMPARE(e.savedAs, std::nullopt);
        QVERIFY(e.runner.host().unacknowledgedErrors().isEmpty());

        // An error the script did not foresee is reported, and the script goes on.
        QStringList reported;
        e.runner.host().setErrorHandler([&reported](const QString& text) { reported << text; });
        QCOMPARE(e.run(u"click CmdBroken\nclick CmdStore\nanswer yes"_s), QString());
        QCOMPARE(e.main.label("LMsg").caption(), u"stored"_s);
        QCOMPARE(reported, QStringList{u"disk I/O error"_s});
        QCOMPARE(e.runner.host().unacknowledgedErrors(), QStringList{u"disk I/O error"_s});
        // An ok line that names another text fails, like for any box.
        QCOMPARE(e.run(u"click CmdBroken\nok \"disk full\""_s),
                 u"line 2: the error box says \"disk I/O error\", not \"disk full\""_s);
        // A boundary that reports errors must still let a failed script end the run.
        QCOMPARE(e.run(u"click CmdStore\nclick CmdBroken"_s),
                 u"line 2: the question \"Are you sure, you want to store the new system database "
                 "?\" is open and must be answered first with answer"_s);
    }

    // The write-fault tour ends an action early; a dialog it leaves open is closed as a person
    // would, and each action can be run on its own.
    void dialogsLeftOpenCanBeClosedWhenTheLinesRunOut() {
        Editor e;
        QVERIFY(e.run(u"click CmdHidden\ntype txtPassword x"_s).contains(u"frmLogin is open"_s));
        QVERIFY(!e.login.isVisible());
        e.runner.setCloseDialogsWhenDone(true);
        e.runner.load(u"click CmdHidden\ntype txtPassword y"_s);
        QVERIFY(e.runner.runNext());
        QVERIFY(!e.login.isVisible());
        QCOMPARE(e.trace.last(), u"after login y"_s);
        QVERIFY(e.runner.atEnd());

        // One action at a time, each with the lines its boxes take.
        e.runner.load(u"tick CheckArgon\nclick CmdStore\nanswer no\nclick CmdStore\nanswer yes"_s);
        QVERIFY(e.runner.runNext());
        QCOMPARE(e.trace.last(), u"argon"_s);
        QVERIFY(e.runner.runNext());
        QCOMPARE(e.main.label("LMsg").caption(), u"kept"_s);
        QVERIFY(e.runner.runNext());
        QCOMPARE(e.main.label("LMsg").caption(), u"stored"_s);
        QVERIFY(e.runner.atEnd());
        QVERIFY(!e.runner.runNext());
    }
};

QTEST_GUILESS_MAIN(TestScriptRunner)
#include "tst_scriptrunner.moc"
