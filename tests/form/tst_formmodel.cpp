#include <QSignalSpy>
#include <QTest>
#include <form/FormSet.h>
#include <form/RecordingHost.h>

using namespace Qt::StringLiterals;

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
    void checkBoxRunsHandlerOnlyOnChange() {
        Form f(u"main"_s);
        auto& box = f.addCheckBox(u"CheckArgon"_s, u"Argon 25mW"_s);
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

    void handlerRunsNestedBeforeSetterReturns() {
        // Handlers set other controls, whose handlers must already have run when the setter
        // returns.
        Form f(u"main"_s);
        auto& laser = f.addCheckBox(u"CheckArgon"_s);
        auto& line = f.addCheckBox(u"CheckLine488"_s);
        QStringList trace;
        laser.setHandler([&] {
            trace << u"laser in"_s;
            line.setChecked(laser.isChecked());
            trace << u"laser out"_s;
        });
        line.setHandler([&] { trace << u"line"_s; });
        // A handler that puts its box back runs again for that change, as the toolkit does.
        auto& guarded = f.addCheckBox(u"CheckGuarded"_s);
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

    void optionButtonClearsGroupAndRunsOnlyItsHandler() {
        Form f(u"main"_s);
        auto& side = f.addOptionButton(u"OptionButtonHeadSideport"_s, {}, "head");
        auto& base = f.addOptionButton(u"OptionButtonHeadBasePort"_s, {}, "head");
        auto& other = f.addOptionButton(u"OptionObjname"_s, {}, "objective");
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

    void listRunsHandlerOnlySelectionAndKeepsItOnRemoval() {
        Form f(u"main"_s);
        auto& list = f.addListBox(u"ComboHistory"_s);
        int runs = 0;
        list.setHandler([&] { ++runs; });

        list.addItem(u"Backup 1"_s, 1);
        list.addItem(u"Backup 2"_s, 2);
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.text(), QString());
        QVERIFY(list.selectText(u"Backup 2"_s));
        QCOMPARE(runs, 1);
        QCOMPARE(list.currentData(), QVariant(2));
        list.setCurrentIndex(1);
        QVERIFY(!list.selectText(u"Backup 9"_s));
        QCOMPARE(list.currentIndex(), 1);
        list.clear();
        QCOMPARE(runs, 1);
        QCOMPARE(list.currentIndex(), -1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.setCurrentIndex(0));

        // Removing an entry before the selection keeps the same entry selected.
        for (const char* text : {"FW1", "FW2", "FW3"})
            list.addItem(QString::fromLatin1(text));
        list.setCurrentIndex(2);
        list.removeItem(0);
        QCOMPARE(list.text(), u"FW3"_s);
        list.removeItem(1);
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.count(), 1);

        // Entries added together are one change, so that a view shows a long list once.
        QSignalSpy changes(&list, &Control::changed);
        const int before = runs;
        list.addItems({{u"Temp1"_s, 1}, {u"Temp2"_s, 2}});
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.itemText(2), u"Temp2"_s);
        QCOMPARE(list.itemData(1), QVariant(1));
        QCOMPARE(runs, before);
    }

    // The entries are kept packed (texts in one string, whole numbers in place): every value
    // comes back with its type, and a removal or an unkept filling leaves the rest as it was.
    void listEntriesKeepTextsAndValuesThroughChanges() {
        Form f(u"main"_s);
        auto& list = f.addListBox(u"ComboHistory"_s);
        const QList<ListBox::Entry> filled = {{u"1. -  1/2/25 10:00:00"_s, 1},
                                              {u"Dye \u00b5m"_s, QVariant(qlonglong(1) << 40)},
                                              {QString(), u"text"_s},
                                              {u"none"_s, QVariant()},
                                              {u"half"_s, 0.5},
                                              {u"last"_s, u"again"_s}};
        const auto same = [&](const QList<ListBox::Entry>& expected) {
            QCOMPARE(list.count(), expected.size());
            const QList<ListBox::Entry> entries = list.entries();
            for (qsizetype i = 0; i < expected.size(); ++i) {
                QCOMPARE(entries[i].text, expected[i].text);
                QCOMPARE(entries[i].data, expected[i].data);
                QCOMPARE(entries[i].data.typeId(), expected[i].data.typeId());
            }
        };
        list.addItems(filled);
        same(filled);
        QCOMPARE(list.findText(u"half"_s), 4);
        QCOMPARE(list.findText(u"hal"_s), -1);

        // A removal before a variant keeps each later entry with its own value.
        const quint64 revision = list.revision();
        list.removeItem(2);
        QList<ListBox::Entry> expected = filled;
        expected.removeAt(2);
        same(expected);
        QVERIFY(list.revision() != revision);

        // A filling that is not kept (an action that failed halfway) changes nothing.
        QSignalSpy changes(&list, &Control::changed);
        {
            ListBox::Appending appending(list, 2);
            appending.add(u"gone"_s, u"gone"_s);
            appending.add(u"gone too"_s, 7);
        }
        QCOMPARE(changes.count(), 0);
        same(expected);
        list.addItem(u"after"_s, u"after"_s);
        expected.append({u"after"_s, u"after"_s});
        same(expected);

        // Entries removed while they are appended were never shown: one change, no revision.
        {
            ListBox::Appending appending(list, 4);
            appending.add(u"a"_s, u"a"_s);
            appending.add(u"b"_s, 2);
            appending.add(u"c"_s, u"c"_s);
            appending.add(u"d"_s, u"d"_s);
            QCOMPARE(appending.data(2), QVariant(u"c"_s));
            const quint64 before = list.revision();
            appending.remove({0, 2});
            QCOMPARE(list.revision(), before);
            appending.keep();
        }
        QCOMPARE(changes.count(), 2);
        expected.append({{u"b"_s, 2}, {u"d"_s, u"d"_s}});
        same(expected);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.itemText(int(expected.size())));
    }

    void textAndTabsRunHandlerOnChange() {
        Form f(u"main"_s);
        auto& text = f.addTextBox(u"EFocusStep"_s, u"0.1"_s);
        auto& tabs = f.addTabControl(u"SSTab1"_s);
        int textRuns = 0;
        QList<int> switches;
        text.setHandler([&] { ++textRuns; });
        tabs.setHandler([&] { switches << tabs.previousIndex() << tabs.currentIndex(); });
        tabs.addPage(u"Configuration"_s);
        tabs.addPage(u"Microscope"_s);

        text.setText(u"0.1"_s);
        text.setText(u"0.2"_s);
        QCOMPARE(textRuns, 1);
        QCOMPARE(tabs.currentIndex(), 0);
        tabs.setCurrentIndex(0);
        tabs.setCurrentIndex(1);
        QCOMPARE(switches, (QList<int>{0, 1}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabs.setPageEnabled(5, false));
    }

    void treeClickSelectsNodeAndSurvivesRebuildInHandler() {
        Form f(u"FormObjectives"_s);
        auto& tree = f.addTreeView(u"TreeView1"_s);
        auto build = [&] {
            tree.clear();
            auto& group =
                tree.addNode(nullptr, u"User Defined Objectives"_s, {}, u"closed"_s, u"open"_s);
            tree.addNode(&group, u"Plan 10x"_s, u"P10"_s, u"objective"_s);
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
        QCOMPARE(node->parent()->text(), u"User Defined Objectives"_s);
        tree.userClickNode(*node);
        QCOMPARE(clicked, u"P10"_s);
        QCOMPARE(tree.selectedNode(), nullptr);
        QVERIFY(!tree.findPath({"Plan 10x"}));
        tree.userDoubleClick();
        QCOMPARE(doubleClicks, 1);

        TreeNode* group = tree.findPath({"User Defined Objectives"});
        QCOMPARE(group->shownImage(), u"closed"_s);
        tree.setExpanded(*group, true);
        QCOMPARE(group->shownImage(), u"open"_s);
    }

    void lookupOfArraysAndOwnedControls() {
        Form f(u"main"_s);
        const auto buttons = f.addButtonArray(u"CmdPosObj"_s, 7);
        f.addButtonArray(u"UserChangeFilter1.CmdPos"_s, 8);
        f.addButtonArray(u"UserChangeFilter4.CmdPos"_s, 8);
        f.addLabel(u"CmdPosObjLabel"_s);

        QCOMPARE(f.control(u"CmdPosObj(3)"_s), buttons.at(3));
        QCOMPARE(buttons.at(3)->baseName(), u"CmdPosObj"_s);
        QCOMPARE(buttons.at(3)->index(), 3);
        QVERIFY(!f.control(u"CmdPosObj"_s));
        QVERIFY(!f.control(u"CmdPosObj(7)"_s));
        QCOMPARE(f.elements<Button>(u"CmdPosObj"_s), buttons);
        Control* owned = f.control(u"UserChangeFilter4.CmdPos(2)"_s);
        QVERIFY(owned);
        QVERIFY(owned != f.control(u"UserChangeFilter1.CmdPos(2)"_s));
        QCOMPARE(owned->name(), u"UserChangeFilter4.CmdPos(2)"_s);
        QVERIFY(!f.find<CheckBox>(u"CmdPosObj(0)"_s));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, f.checkBox(u"CmdPosObj(0)"_s));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, f.addButton(u"CmdPosObj(1)"_s));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, f.addButtonArray(u"CmdPosObj"_s, 1));
    }

    void userActionOpensOneBoundary() {
        FormSet forms;
        CountingBoundary boundary;
        forms.setBoundary(&boundary);
        Form& main = forms.addForm(u"main"_s);
        auto& laser = main.addCheckBox(u"CheckArgon"_s);
        auto& line = main.addCheckBox(u"CheckLine488"_s);
        auto& store = main.addButton(u"CmdStore"_s);
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

    // While the running action waits, input that arrives anyway (a click the window delivered)
    // must not start an action inside it.
    void userInputDuringAPauseIsIgnored() {
        FormSet forms;
        CountingBoundary boundary;
        forms.setBoundary(&boundary);
        Form& main = forms.addForm(u"main"_s);
        auto& store = main.addButton(u"CmdStore"_s);
        auto& argon = main.addCheckBox(u"CheckArgon"_s);
        int stores = 0;
        store.setHandler([&] { ++stores; });
        {
            const InputPause pause(forms);
            { const InputPause nested(forms); }
            QVERIFY(forms.isInputPaused());
            store.userPress();
            argon.userSetChecked(true);
            store.press(); // the program's own calls still run
        }
        QCOMPARE(stores, 1);
        QVERIFY(!argon.isChecked());
        QCOMPARE(boundary.runs, 0);
        store.userPress();
        QCOMPARE(stores, 2);
    }

    void modalDialogBlocksMainWindowUntilHidden() {
        FormSet forms;
        RecordingHost host;
        forms.setHost(&host);
        Form& main = forms.addForm(u"main"_s);
        Form& dialog = forms.addForm(u"frmLogin"_s);
        Form& browser = forms.addForm(u"FormObjectives"_s);
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

        // A failing show hook leaves no dialog open.
        dialog.setShowHandler([] { throw std::runtime_error("disk I/O error"); });
        host.modalDialogs.clear();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, forms.showModal(dialog));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(forms.openDialogs(), (QList<Form*>{&browser}));
        QVERIFY(host.modalDialogs.isEmpty());

        // An error that ends the modal run does not leave the dialog modal above the window.
        dialog.setShowHandler({});
        host.modalScript = [](Form&) { throw std::runtime_error("script ended"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, forms.showModal(dialog));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!forms.isBlocked(main));
    }
};

QTEST_GUILESS_MAIN(TestFormModel)
#include "tst_formmodel.moc"
