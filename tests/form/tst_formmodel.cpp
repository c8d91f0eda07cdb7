#include <QSignalSpy>
#include <QTest>
#include <form/FormSet.h>
#include <form/QuietScope.h>
#include <form/RecordingHost.h>

using namespace form;

namespace {

class CountingBoundary : public ActionBoundary {
public:
    int runs = 0;
    void run(const std::function<void()>& action) override {
        ++runs;
        action();
    }
};

} // namespace

class TestFormModel : public QObject {
    Q_OBJECT

private slots:
    void checkBoxRunsHandlerOnlyOnChange();
    void handlerRunsNestedBeforeSetterReturns();
    void optionButtonClearsGroupAndRunsOnlyItsHandler();
    void listRunsHandlerOnlyOnSelection();
    void listRemovalKeepsSelectionOnSameEntry();
    void textAndTabsRunHandlerOnChange();
    void treeClickSelectsNodeAndSurvivesRebuildInHandler();
    void lookupOfArraysAndOwnedControls();
    void userActionOpensOneBoundary();
    void modalDialogBlocksMainWindowUntilHidden();
    void failingShowHookDoesNotLeaveDialogOpen();
    void quietScopeRestoresFlag();
};

void TestFormModel::checkBoxRunsHandlerOnlyOnChange() {
    Form f(QStringLiteral("main"));
    auto& box = f.addCheckBox(QStringLiteral("CheckArgon"), QStringLiteral("Argon 25mW"));
    QSignalSpy spy(&box, &Control::changed);
    int runs = 0;
    box.setHandler([&] { ++runs; });

    box.setChecked(false);
    QCOMPARE(runs, 0);
    box.setChecked(true);
    box.setChecked(true);
    QCOMPARE(runs, 1);
    QCOMPARE(spy.count(), 1);
    box.userSetChecked(false);
    QCOMPARE(runs, 2);
}

void TestFormModel::handlerRunsNestedBeforeSetterReturns() {
    // Handlers set other controls, whose handlers must already have run when the setter returns.
    Form f(QStringLiteral("main"));
    auto& laser = f.addCheckBox(QStringLiteral("CheckArgon"));
    auto& line = f.addCheckBox(QStringLiteral("CheckLine488"));
    QStringList trace;
    laser.setHandler([&] {
        trace << QStringLiteral("laser in");
        line.setChecked(laser.isChecked());
        trace << QStringLiteral("laser out");
    });
    line.setHandler([&] { trace << QStringLiteral("line"); });
    // A handler that puts its box back runs again for that change, as the toolkit does.
    auto& guarded = f.addCheckBox(QStringLiteral("CheckGuarded"));
    int guardedRuns = 0;
    guarded.setHandler([&] {
        ++guardedRuns;
        guarded.setChecked(false);
    });

    laser.setChecked(true);
    QCOMPARE(trace, (QStringList{"laser in", "line", "laser out"}));
    guarded.setChecked(true);
    QCOMPARE(guardedRuns, 2);
    QVERIFY(!guarded.isChecked());
}

void TestFormModel::optionButtonClearsGroupAndRunsOnlyItsHandler() {
    Form f(QStringLiteral("main"));
    auto& side = f.addOptionButton(QStringLiteral("OptionButtonHeadSideport"), {}, "head");
    auto& base = f.addOptionButton(QStringLiteral("OptionButtonHeadBasePort"), {}, "head");
    auto& other = f.addOptionButton(QStringLiteral("OptionObjname"), {}, "objective");
    QStringList trace;
    side.setHandler([&] { trace << "side"; });
    base.setHandler([&] { trace << "base"; });
    other.setHandler([&] { trace << "other"; });

    side.setSelected(true);
    other.setSelected(true);
    base.userChoose();
    QVERIFY(!side.isSelected());
    QVERIFY(base.isSelected());
    QVERIFY(other.isSelected());
    base.setSelected(true);
    QCOMPARE(trace, (QStringList{"side", "other", "base"}));
}

void TestFormModel::listRunsHandlerOnlyOnSelection() {
    Form f(QStringLiteral("main"));
    auto& list = f.addListBox(QStringLiteral("ComboHistory"));
    int runs = 0;
    list.setHandler([&] { ++runs; });

    list.addItem(QStringLiteral("Backup 1"), 1);
    list.addItem(QStringLiteral("Backup 2"), 2);
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(list.text(), QString());
    QVERIFY(list.selectText(QStringLiteral("Backup 2")));
    QCOMPARE(runs, 1);
    QCOMPARE(list.currentData(), QVariant(2));
    list.setCurrentIndex(1);
    QVERIFY(!list.selectText(QStringLiteral("Backup 9")));
    QCOMPARE(list.currentIndex(), 1);
    list.clear();
    QCOMPARE(runs, 1);
    QCOMPARE(list.currentIndex(), -1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.setCurrentIndex(0));
}

void TestFormModel::listRemovalKeepsSelectionOnSameEntry() {
    Form f(QStringLiteral("main"));
    auto& list = f.addListBox(QStringLiteral("ComboScanFilterWheel"));
    for (const char* text : {"FW1", "FW2", "FW3"})
        list.addItem(QString::fromLatin1(text));
    list.setCurrentIndex(2);
    list.removeItem(0);
    QCOMPARE(list.text(), QStringLiteral("FW3"));
    list.removeItem(1);
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(list.count(), 1);
}

void TestFormModel::textAndTabsRunHandlerOnChange() {
    Form f(QStringLiteral("main"));
    auto& text = f.addTextBox(QStringLiteral("EFocusStep"), QStringLiteral("0.1"));
    auto& tabs = f.addTabControl(QStringLiteral("SSTab1"));
    int textRuns = 0;
    QList<int> switches;
    text.setHandler([&] { ++textRuns; });
    tabs.setHandler([&] { switches << tabs.previousIndex() << tabs.currentIndex(); });
    tabs.addPage(QStringLiteral("Configuration"));
    tabs.addPage(QStringLiteral("Microscope"));

    text.setText(QStringLiteral("0.1"));
    text.setText(QStringLiteral("0.2"));
    QCOMPARE(textRuns, 1);
    QCOMPARE(tabs.currentIndex(), 0);
    tabs.setCurrentIndex(0);
    tabs.setCurrentIndex(1);
    QCOMPARE(switches, (QList<int>{0, 1}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabs.setPageEnabled(5, false));
}

void TestFormModel::treeClickSelectsNodeAndSurvivesRebuildInHandler() {
    Form f(QStringLiteral("FormObjectives"));
    auto& tree = f.addTreeView(QStringLiteral("TreeView1"));
    auto build = [&] {
        tree.clear();
        auto& group = tree.addNode(nullptr, QStringLiteral("User Defined Objectives"), {},
                                   QStringLiteral("closed"), QStringLiteral("open"));
        tree.addNode(&group, QStringLiteral("Plan 10x"), QStringLiteral("P10"),
                     QStringLiteral("objective"));
    };
    build();
    QString clicked;
    int doubleClicks = 0;
    // Removing an objective rebuilds the tree from within the click.
    tree.setNodeClickHandler([&](TreeNode& node) {
        clicked = node.tag();
        build();
    });
    tree.setDoubleClickHandler([&] { ++doubleClicks; });

    TreeNode* node = tree.findPath({"User Defined Objectives", "Plan 10x"});
    QVERIFY(node);
    QCOMPARE(node->parent()->text(), QStringLiteral("User Defined Objectives"));
    tree.userClickNode(*node);
    QCOMPARE(clicked, QStringLiteral("P10"));
    QCOMPARE(tree.selectedNode(), nullptr);
    QVERIFY(!tree.findPath({"Plan 10x"}));
    tree.userDoubleClick();
    QCOMPARE(doubleClicks, 1);

    TreeNode* group = tree.findPath({"User Defined Objectives"});
    QCOMPARE(group->shownImage(), QStringLiteral("closed"));
    tree.setExpanded(*group, true);
    QCOMPARE(group->shownImage(), QStringLiteral("open"));
}

void TestFormModel::lookupOfArraysAndOwnedControls() {
    Form f(QStringLiteral("main"));
    const auto buttons = f.addButtonArray(QStringLiteral("CmdPosObj"), 7);
    f.addButtonArray(QStringLiteral("UserChangeFilter1.CmdPos"), 8);
    f.addButtonArray(QStringLiteral("UserChangeFilter4.CmdPos"), 8);
    f.addLabel(QStringLiteral("CmdPosObjLabel"));

    QCOMPARE(f.control(QStringLiteral("CmdPosObj(3)")), buttons.at(3));
    QCOMPARE(buttons.at(3)->baseName(), QStringLiteral("CmdPosObj"));
    QCOMPARE(buttons.at(3)->index(), 3);
    QVERIFY(!f.control(QStringLiteral("CmdPosObj")));
    QVERIFY(!f.control(QStringLiteral("CmdPosObj(7)")));
    QCOMPARE(f.elements<Button>(QStringLiteral("CmdPosObj")), buttons);
    Control* owned = f.control(QStringLiteral("UserChangeFilter4.CmdPos(2)"));
    QVERIFY(owned);
    QVERIFY(owned != f.control(QStringLiteral("UserChangeFilter1.CmdPos(2)")));
    QCOMPARE(owned->name(), QStringLiteral("UserChangeFilter4.CmdPos(2)"));
    QVERIFY(!f.find<CheckBox>(QStringLiteral("CmdPosObj(0)")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, f.checkBox(QStringLiteral("CmdPosObj(0)")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, f.addButton(QStringLiteral("CmdPosObj(1)")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, f.addButtonArray(QStringLiteral("CmdPosObj"), 1));
}

void TestFormModel::userActionOpensOneBoundary() {
    FormSet forms;
    CountingBoundary boundary;
    forms.setBoundary(&boundary);
    Form& main = forms.addForm(QStringLiteral("main"));
    auto& laser = main.addCheckBox(QStringLiteral("CheckArgon"));
    auto& line = main.addCheckBox(QStringLiteral("CheckLine488"));
    auto& store = main.addButton(QStringLiteral("CmdStore"));
    int boundariesSeen = -1;
    laser.setHandler([&] { line.setChecked(laser.isChecked()); });
    line.setHandler([&] { boundariesSeen = boundary.runs; });
    store.setHandler([&] { laser.setChecked(false); });

    laser.setChecked(true);
    QCOMPARE(boundary.runs, 0);
    line.setChecked(false);
    laser.userSetChecked(false);
    laser.userSetChecked(true);
    QCOMPARE(boundariesSeen, 2);
    store.userPress();
    main.userClose();
    QCOMPARE(boundary.runs, 4);
}

void TestFormModel::modalDialogBlocksMainWindowUntilHidden() {
    FormSet forms;
    RecordingHost host;
    forms.setHost(&host);
    Form& main = forms.addForm(QStringLiteral("main"));
    Form& dialog = forms.addForm(QStringLiteral("frmLogin"));
    Form& browser = forms.addForm(QStringLiteral("FormObjectives"));
    main.show();
    browser.show();
    QCOMPARE(forms.openDialogs(), (QList<Form*>{&browser}));
    QVERIFY(!forms.isBlocked(main));

    int closeRuns = 0;
    dialog.setCloseHandler([&] { ++closeRuns; });
    host.modalScript = [&](Form& d) {
        QCOMPARE(forms.innermostDialog(), &d);
        QVERIFY(forms.isBlocked(main));
        QVERIFY(forms.isBlocked(browser));
        QVERIFY(!forms.isBlocked(d));
        d.userClose();
    };
    forms.showModal(dialog);
    QCOMPARE(closeRuns, 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(forms.openDialogs(), (QList<Form*>{&browser}));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, forms.showModal(browser));
}

void TestFormModel::failingShowHookDoesNotLeaveDialogOpen() {
    FormSet forms;
    RecordingHost host;
    forms.setHost(&host);
    forms.addForm(QStringLiteral("main")).show();
    Form& dialog = forms.addForm(QStringLiteral("FormEditConf"));
    dialog.setShowHandler([] { throw std::runtime_error("disk I/O error"); });

    QVERIFY_THROWS_EXCEPTION(std::runtime_error, forms.showModal(dialog));
    QVERIFY(!dialog.isVisible());
    QVERIFY(forms.openDialogs().isEmpty());
    QVERIFY(host.modalDialogs.isEmpty());
}

void TestFormModel::quietScopeRestoresFlag() {
    bool live = true;
    try {
        QuietScope quiet(live);
        { QuietScope inner(live); }
        QVERIFY(!live);
        throw std::runtime_error("readout failed");
    } catch (const std::runtime_error&) {
    }
    QVERIFY(live);

    live = false;
    { QuietScope quiet(live); }
    QVERIFY(!live);
}

QTEST_GUILESS_MAIN(TestFormModel)
#include "tst_formmodel.moc"
