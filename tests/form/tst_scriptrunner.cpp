#include <QTest>
#include <form/FormSet.h>
#include <form/ScriptRunner.h>

using namespace form;

namespace {

// Reports errors of an action the way the editor does: a message box, and the action ends.
class ReportingBoundary : public ActionBoundary {
public:
    explicit ReportingBoundary(FormSet& forms) : m_forms(forms) {}
    void run(const std::function<void()>& action) override {
        try {
            action();
        } catch (const ScriptError&) {
            throw;
        } catch (const std::exception& e) {
            m_forms.host().message(QString::fromUtf8(e.what()), QStringLiteral("Error"),
                                   MessageIcon::Critical);
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
    Form& main = forms.addForm(QStringLiteral("main"));
    Form& login = forms.addForm(QStringLiteral("frmLogin"), QStringLiteral("Login"));
    QStringList trace;
    std::optional<QString> savedAs;

    Editor() {
        forms.setHost(&runner.host());
        forms.setBoundary(&boundary);
        auto& tabs = main.addTabControl(QStringLiteral("SSTab1"));
        tabs.addPage(QStringLiteral("Configuration"));
        tabs.addPage(QStringLiteral("Microscope"));
        tabs.addPage(QStringLiteral("Laser Modul"));
        tabs.setPageEnabled(2, false);
        tabs.setHandler(
            [this, &tabs] { trace << QStringLiteral("tab %1").arg(tabs.currentIndex()); });

        auto& msg = main.addLabel(QStringLiteral("LMsg"));
        main.addButton(QStringLiteral("CmdStore"), QStringLiteral("Store All Changes"))
            .setHandler([this, &msg] {
                const bool yes = forms.host().askYesNo(
                    QStringLiteral("Are you sure, you want to store the new system database ?"),
                    QStringLiteral("Store"));
                msg.setCaption(yes ? QStringLiteral("stored") : QStringLiteral("kept"));
            });
        main.addButton(QStringLiteral("CmdHidden")).setHandler([this] {
            forms.showModal(login);
            trace << QStringLiteral("after login %1").arg(login.textBox("txtPassword").text());
        });
        main.addMenuItem(QStringLiteral("mnuSaveas")).setHandler([this] {
            savedAs =
                forms.host().askSaveFileName(QStringLiteral("/db/System.mdb"),
                                             QStringLiteral("mdb files"), QStringLiteral("*.mdb"));
        });
        main.addButton(QStringLiteral("CmdBroken")).setHandler([] {
            throw std::runtime_error("disk I/O error");
        });
        main.addButton(QStringLiteral("CmdRestore")).setEnabled(false);
        main.addMenuItem(QStringLiteral("mnuLock")).setHandler([&tabs] { tabs.setEnabled(false); });

        main.setPlacement(0);
        main.addCheckBox(QStringLiteral("CheckArgon")).setHandler([this] {
            trace << QStringLiteral("argon");
        });
        auto& history = main.addListBox(QStringLiteral("ComboHistory"));
        history.addItem(QStringLiteral("Backup 1"));
        history.addItem(QStringLiteral("Backup 2"));
        main.addOptionButton(QStringLiteral("OptionObjname"));
        main.addTreeView(QStringLiteral("TreeView1"));
        auto& tree = main.treeView(QStringLiteral("TreeView1"));
        auto& group = tree.addNode(nullptr, QStringLiteral("Favourite Objectives"));
        tree.addNode(&group, QStringLiteral("Plan 10x"), QStringLiteral("P10"));
        tree.setNodeClickHandler([this](TreeNode& node) { trace << node.tag(); });
        main.setPlacement(1);
        main.addTextBox(QStringLiteral("EFocusStep"), QStringLiteral("0.1"));

        login.addTextBox(QStringLiteral("txtPassword"));
        login.addButton(QStringLiteral("cmdOK")).setHandler([this] {
            if (login.textBox("txtPassword").text() == u"Harvest")
                login.hide();
            else
                forms.host().message(QStringLiteral("Invalid Password, try again!"),
                                     QStringLiteral("Login"), MessageIcon::Information);
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

private slots:
    void actsLikeAPerson();
    void modalDialogTakesFollowingLines();
    void questionsAndBoxes_data();
    void questionsAndBoxes();
    void unreachableControlsFail_data();
    void unreachableControlsFail();
    void badLinesFail_data();
    void badLinesFail();
    void errorInActionIsReportedAndScriptGoesOn();
};

void TestScriptRunner::actsLikeAPerson() {
    Editor e;
    const QString failure = e.run(QStringLiteral(R"(
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
)"));
    QCOMPARE(failure, QString());
    QCOMPARE(e.trace, (QStringList{"argon", "P10", "tab 1"}));
}

void TestScriptRunner::modalDialogTakesFollowingLines() {
    Editor e;
    const QString failure = e.run(QStringLiteral(R"(
click CmdHidden
type txtPassword wrong
click cmdOK
ok "Invalid Password, try again!"
type txtPassword Harvest
click cmdOK
tick CheckArgon
)"));
    QCOMPARE(failure, QString());
    QCOMPARE(e.trace, (QStringList{"after login Harvest", "argon"}));
    QVERIFY(!e.login.isVisible());

    Editor closing;
    QCOMPARE(closing.run(QStringLiteral("click CmdHidden\nclose\nexpect txtPassword text \"\"")),
             QStringLiteral("line 3: main has no control named txtPassword"));
    QCOMPARE(closing.trace, QStringList{"after login "});

    Editor open;
    QCOMPARE(open.run(QStringLiteral("click CmdHidden\ntype txtPassword x")),
             QStringLiteral("line 1: the script ended while the dialog frmLogin is open"));
}

void TestScriptRunner::questionsAndBoxes_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("status");

    const QString question =
        QStringLiteral("Are you sure, you want to store the new system database ?");
    QTest::newRow("yes") << "click CmdStore\nanswer yes"
                         << ""
                         << "stored";
    QTest::newRow("no with its text")
        << QStringLiteral("click CmdStore\nanswer no \"%1\"").arg(question) << ""
        << "kept";
    QTest::newRow("wrong text")
        << "click CmdStore\nanswer yes \"Are You sure ?\""
        << QStringLiteral("line 2: the question says \"%1\", not \"Are You sure ?\"").arg(question)
        << "";
    QTest::newRow("answered by another line")
        << "click CmdStore\ntick CheckArgon"
        << QStringLiteral("line 2: the question \"%1\" is open and must be answered first with "
                          "answer")
               .arg(question)
        << "";
    QTest::newRow("script ends")
        << "click CmdStore"
        << QStringLiteral("line 1: the script ended with the question \"%1\" unanswered")
               .arg(question)
        << "";
    QTest::newRow("ok for a question")
        << "click CmdStore\nok"
        << QStringLiteral("line 2: the question \"%1\" is open and must be "
                          "answered first with answer")
               .arg(question)
        << "";
    QTest::newRow("answer without a box") << "answer yes"
                                          << "line 1: no question is open"
                                          << "";
    QTest::newRow("maybe") << "click CmdStore\nanswer maybe"
                           << "line 2: answer yes or no, not \"maybe\""
                           << "";
}

void TestScriptRunner::questionsAndBoxes() {
    QFETCH(QString, script);
    QFETCH(QString, failure);
    QFETCH(QString, status);
    Editor e;
    QCOMPARE(e.run(script), failure);
    QCOMPARE(e.main.label("LMsg").caption(), status);
}

void TestScriptRunner::unreachableControlsFail_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("failure");

    QTest::newRow("disabled button") << "click CmdRestore"
                                     << "line 1: CmdRestore is disabled";
    QTest::newRow("page not in front")
        << "tick CheckArgon\ntype EFocusStep 1"
        << "line 2: EFocusStep is on page 1 of SSTab1, but page 0 is in front";
    QTest::newRow("disabled page") << "tab 2"
                                   << "line 1: page 2 of SSTab1 is disabled";
    QTest::newRow("no such page") << "tab 7"
                                  << "line 1: SSTab1 has no page 7";
    QTest::newRow("tab control disabled") << "click mnuLock\n# locked now\ntick CheckArgon"
                                          << "line 3: CheckArgon sits on SSTab1, which is disabled";
    QTest::newRow("main window under a modal dialog")
        << "click CmdHidden\ntick CheckArgon"
        << "line 2: CheckArgon cannot be reached while the dialog frmLogin is open";
    QTest::newRow("wrong kind") << "tick CmdStore"
                                << "line 1: CmdStore is a button, not a check box";
    QTest::newRow("unknown entry") << "select ComboHistory \"Backup 3\""
                                   << "line 1: ComboHistory has no entry \"Backup 3\"";
    QTest::newRow("unknown node") << "node TreeView1 \"Favourite Objectives > Plan 20x\""
                                  << "line 1: TreeView1 has no node \"Favourite Objectives > "
                                     "Plan 20x\"";
}

void TestScriptRunner::unreachableControlsFail() {
    QFETCH(QString, script);
    QFETCH(QString, failure);
    Editor e;
    QCOMPARE(e.run(script), failure);
}

void TestScriptRunner::badLinesFail_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("failure");

    QTest::newRow("failed expect")
        << "tick CheckArgon\n\nexpect CheckArgon checked false"
        << "line 3: expected CheckArgon checked to be \"false\", but it is \"true\"";
    QTest::newRow("unknown property") << "expect CheckArgon text x"
                                      << "line 1: CheckArgon has no property \"text\"";
    QTest::newRow("unknown command") << "press CmdStore"
                                     << "line 1: unknown command \"press\"";
    QTest::newRow("unquoted blanks")
        << "select ComboHistory Backup 2"
        << "line 1: select has too many arguments; put texts with blanks in double quotes";
    QTest::newRow("open quote") << "tick CheckArgon\ntype EFocusStep \"0.2"
                                << "line 2: a double quote is not closed";
    QTest::newRow("close without dialog") << "close"
                                          << "line 1: no dialog is open";
}

void TestScriptRunner::badLinesFail() {
    QFETCH(QString, script);
    QFETCH(QString, failure);
    Editor e;
    QCOMPARE(e.run(script), failure);
}

void TestScriptRunner::errorInActionIsReportedAndScriptGoesOn() {
    Editor e;
    QCOMPARE(e.run(QStringLiteral("click CmdBroken\nok \"disk I/O error\"\nclick mnuSaveas\n"
                                  "save \"/tmp/copy of db.mdb\"")),
             QString());
    QCOMPARE(e.savedAs, std::optional<QString>(QStringLiteral("/tmp/copy of db.mdb")));
    QCOMPARE(e.run(QStringLiteral("click mnuSaveas\ncancel")), QString());
    QCOMPARE(e.savedAs, std::nullopt);
    // A boundary that reports errors must still let a failed script end the run.
    QCOMPARE(e.run(QStringLiteral("click CmdBroken\nclick CmdStore")),
             QStringLiteral("line 2: the message box \"disk I/O error\" is open and must be "
                            "answered first with ok"));
}

QTEST_GUILESS_MAIN(TestScriptRunner)
#include "tst_scriptrunner.moc"
