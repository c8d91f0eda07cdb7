// The widgets of single controls: a person's input reaches the model once, and the model's
// changes reach the widget without running a handler a second time.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <form/Form.h>
#include <memory>
#include <stdexcept>
#include <ui/ControlWidgets.h>
#include <ui/TreeViewWidget.h>

class TestControlBinding : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_form = std::make_unique<form::Form>(QStringLiteral("main"));
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
    }
    void cleanup() {
        m_window.reset();
        m_form.reset();
    }

    void checkBoxRunsItsHandlerOncePerChange() {
        auto& c = m_form->addCheckBox(QStringLiteral("CheckArgon"), QStringLiteral("Argon 25mW"));
        int runs = 0;
        c.setHandler([&runs] { ++runs; });
        auto* w = place<QCheckBox>(c);
        QCOMPARE(w->objectName(), QStringLiteral("CheckArgon"));
        QCOMPARE(w->text(), QStringLiteral("Argon 25mW"));

        QTest::mouseClick(w, Qt::LeftButton);
        QVERIFY(c.isChecked());
        QCOMPARE(runs, 1);

        c.setChecked(false);
        QVERIFY(!w->isChecked());
        QCOMPARE(runs, 2);

        // A handler that refuses the tick: the box shows the model, not the click.
        c.setHandler([&c] { c.setChecked(false); });
        QTest::mouseClick(w, Qt::LeftButton);
        QVERIFY(!c.isChecked());
        QVERIFY(!w->isChecked());
    }

    void optionButtonsExcludeOnlyTheirOwnGroup() {
        auto& a1 = m_form->addOptionButton(QStringLiteral("OptionA1"), QStringLiteral("A1"),
                                           QStringLiteral("A"));
        auto& a2 = m_form->addOptionButton(QStringLiteral("OptionA2"), QStringLiteral("A2"),
                                           QStringLiteral("A"));
        auto& b1 = m_form->addOptionButton(QStringLiteral("OptionB1"), QStringLiteral("B1"),
                                           QStringLiteral("B"));
        int a2Runs = 0;
        a2.setHandler([&a2Runs] { ++a2Runs; });
        // Siblings in one parent, where Qt's own exclusivity would clear across groups.
        auto* wa1 = place<QRadioButton>(a1);
        auto* wa2 = place<QRadioButton>(a2);
        auto* wb1 = place<QRadioButton>(b1);

        wa1->click();
        wb1->click();
        QVERIFY(a1.isSelected() && b1.isSelected());
        QVERIFY(wa1->isChecked() && wb1->isChecked());

        wa2->click();
        QVERIFY(!a1.isSelected() && a2.isSelected());
        QVERIFY(!wa1->isChecked() && wa2->isChecked() && wb1->isChecked());
        QCOMPARE(a2Runs, 1);

        // Clicking the selected button neither unchecks it nor runs its handler again.
        wa2->click();
        QVERIFY(wa2->isChecked());
        QCOMPARE(a2Runs, 1);

        a1.setSelected(true);
        QVERIFY(wa1->isChecked() && !wa2->isChecked());
    }

    void listFollowsEntriesAndSelection() {
        auto& c = m_form->addListBox(QStringLiteral("ComboZoomex"));
        c.setCaption(QStringLiteral("Zoom"));
        c.addItem(QStringLiteral("1x"));
        c.addItem(QStringLiteral("2x"));
        int runs = 0;
        c.setHandler([&runs] { ++runs; });
        auto* w = place<QComboBox>(c);
        auto* caption = ui::createCaptionLabel(c, m_window.get());
        QCOMPARE(caption->text(), QStringLiteral("Zoom"));
        QCOMPARE(w->count(), 2);
        QCOMPARE(w->currentIndex(), -1);

        w->setCurrentIndex(1);
        emit w->activated(1);
        QCOMPARE(c.currentIndex(), 1);
        QCOMPARE(runs, 1);

        // Filling runs nothing; the widget shows the new entries and the model's selection.
        c.clear();
        QCOMPARE(w->count(), 0);
        c.addItem(QStringLiteral("4x"));
        QCOMPARE(w->count(), 1);
        QCOMPARE(w->itemText(0), QStringLiteral("4x"));
        QCOMPARE(w->currentIndex(), -1);
        c.setCurrentIndex(0);
        QCOMPARE(w->currentIndex(), 0);
        QCOMPARE(runs, 2);

        c.setVisible(false);
        QVERIFY(w->isHidden());
        QVERIFY(caption->isHidden());
        c.setEnabled(false);
        QVERIFY(!w->isEnabled());
    }

    void typingReachesTheModelAndCodeDoesNotLoop() {
        auto& c = m_form->addTextBox(QStringLiteral("EFocusStep"));
        QStringList seen;
        c.setHandler([&c, &seen] { seen.append(c.text()); });
        auto* w = place<QLineEdit>(c);
        QCOMPARE(w->echoMode(), QLineEdit::Normal);

        QTest::keyClicks(w, QStringLiteral("12"));
        QCOMPARE(c.text(), QStringLiteral("12"));
        QCOMPARE(seen, (QStringList{QStringLiteral("1"), QStringLiteral("12")}));

        c.setText(QStringLiteral("0.5"));
        QCOMPARE(w->text(), QStringLiteral("0.5"));
        QCOMPARE(seen.size(), 3);

        auto& password = m_form->addTextBox(QStringLiteral("txtPassword"));
        QCOMPARE(place<QLineEdit>(password)->echoMode(), QLineEdit::Password);
    }

    void labelsShowDoubledAmpersandsOnce() {
        QCOMPARE(ui::labelText(QStringLiteral("Demo Lab && Imaging")),
                 QStringLiteral("Demo Lab & Imaging"));
        QCOMPARE(ui::labelText(QStringLiteral("&Save")), QStringLiteral("Save"));
        QCOMPARE(ui::labelText(QStringLiteral("A &&& B")), QStringLiteral("A & B"));
        QCOMPARE(ui::labelText(QStringLiteral("Trailing &")), QStringLiteral("Trailing &"));

        auto& c = m_form->addLabel(QStringLiteral("LConfiguration"),
                                   QStringLiteral("Demo Lab && Imaging"));
        auto* w = place<QLabel>(c);
        QCOMPARE(w->text(), QStringLiteral("Demo Lab & Imaging"));
        // A caption that looks like markup is shown as typed.
        c.setCaption(QStringLiteral("<b>x</b>"));
        QCOMPARE(w->textFormat(), Qt::PlainText);
        QCOMPARE(w->text(), QStringLiteral("<b>x</b>"));
    }

    void treeClicksSurviveARebuildOfTheTree() {
        auto& tree = m_form->addTreeView(QStringLiteral("TreeView1"));
        auto& objectives = tree.addNode(nullptr, QStringLiteral("Objectives"));
        tree.addNode(&objectives, QStringLiteral("Plan 10x"), QStringLiteral("P10"));
        tree.setExpanded(objectives, true);
        QStringList clicked;
        int rebuilds = 0;
        // The click handler rebuilds the whole tree, as the catalogue browsers do.
        tree.setNodeClickHandler([&](form::TreeNode& node) {
            clicked.append(node.tag());
            tree.clear();
            auto& top = tree.addNode(nullptr, QStringLiteral("Objectives"));
            auto& leaf = tree.addNode(&top, QStringLiteral("Plan 10x"), QStringLiteral("P10"));
            tree.setExpanded(top, true);
            tree.setSelectedNode(&leaf);
            ++rebuilds;
        });
        int doubleClicks = 0;
        tree.setDoubleClickHandler([&doubleClicks] { ++doubleClicks; });
        auto* w = place<ui::TreeViewWidget>(tree);
        QCOMPARE(w->topLevelItemCount(), 1);
        QTreeWidgetItem* leaf = w->topLevelItem(0)->child(0);
        QVERIFY(w->topLevelItem(0)->isExpanded());

        emit w->itemClicked(leaf, 0);
        QCOMPARE(clicked, QStringList{QStringLiteral("P10")});
        // Until the items are rebuilt they stand for destroyed nodes: a click on one does nothing.
        emit w->itemClicked(leaf, 0);
        QCOMPARE(rebuilds, 1);

        QTRY_VERIFY(w->currentItem() && w->currentItem()->text(0) == QStringLiteral("Plan 10x"));
        emit w->itemDoubleClicked(w->currentItem(), 0);
        QCOMPARE(doubleClicks, 1);

        // Opening a branch by hand is kept by the model, so a rebuild shows it open.
        w->rebuild();
        w->topLevelItem(0)->setExpanded(false);
        QVERIFY(!tree.root().children().front()->isExpanded());
    }

    void anEscapingErrorLeavesTheWidgetShowingTheModel() {
        auto& c = m_form->addCheckBox(QStringLiteral("CheckNDD"));
        c.setHandler([] { throw std::runtime_error("disk full"); });
        auto* w = place<QCheckBox>(c);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("disk full")));
        QTest::mouseClick(w, Qt::LeftButton);
        QCOMPARE(w->isChecked(), c.isChecked());
    }

private:
    template <class W> W* place(form::Control& c) {
        QWidget* w = ui::createControlWidget(c, m_window.get());
        m_window->layout()->addWidget(w);
        m_window->show();
        auto* typed = qobject_cast<W*>(w);
        if (!typed)
            qFatal("unexpected widget type for %s", qPrintable(c.name()));
        return typed;
    }

    std::unique_ptr<form::Form> m_form;
    std::unique_ptr<QWidget> m_window;
};

QTEST_MAIN(TestControlBinding)
#include "tst_controlbinding.moc"
