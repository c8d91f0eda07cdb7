// The widgets of single controls: a person's input reaches the model once, and the model's
// changes reach the widget without running a handler a second time.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <form/Form.h>
#include <memory>
#include <stdexcept>
#include <ui/ControlWidgets.h>
#include <ui/Frames.h>
#include <ui/TreeViewWidget.h>

using namespace Qt::StringLiterals;

class TestControlBinding : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_form = std::make_unique<form::Form>(u"main"_s);
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
    }
    void cleanup() {
        m_window.reset();
        m_form.reset();
    }

    void checkBoxRunsItsHandlerOncePerChange() {
        auto& c = m_form->addCheckBox(u"CheckArgon"_s, u"Argon 25mW"_s);
        int runs = 0;
        c.setHandler([&runs] { ++runs; });
        auto* w = place<QCheckBox>(c);
        QCOMPARE(w->objectName(), u"CheckArgon"_s);
        QCOMPARE(w->text(), u"Argon 25mW"_s);

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
        auto& a1 = m_form->addOptionButton(u"OptionA1"_s, u"A1"_s, u"A"_s);
        auto& a2 = m_form->addOptionButton(u"OptionA2"_s, u"A2"_s, u"A"_s);
        auto& b1 = m_form->addOptionButton(u"OptionB1"_s, u"B1"_s, u"B"_s);
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
        auto& c = m_form->addListBox(u"ComboZoomex"_s);
        c.setCaption(u"Zoom"_s);
        c.addItem(u"1x"_s);
        c.addItem(u"2x"_s);
        int runs = 0;
        c.setHandler([&runs] { ++runs; });
        auto* w = place<QComboBox>(c);
        auto* caption = ui::createCaptionLabel(c, m_window.get());
        QCOMPARE(caption->text(), u"Zoom"_s);
        QCOMPARE(w->count(), 2);
        QCOMPARE(w->currentIndex(), -1);

        w->setCurrentIndex(1);
        emit w->activated(1);
        QCOMPARE(c.currentIndex(), 1);
        QCOMPARE(runs, 1);

        // Filling runs nothing; the widget shows the new entries and the model's selection.
        c.clear();
        QCOMPARE(w->count(), 0);
        c.addItem(u"4x"_s);
        QCOMPARE(w->count(), 1);
        QCOMPARE(w->itemText(0), u"4x"_s);
        QCOMPARE(w->currentIndex(), -1);
        c.setCurrentIndex(0);
        QCOMPARE(w->currentIndex(), 0);
        QCOMPARE(runs, 2);

        // A list refilled with as many entries shows the new texts; an appended entry joins
        // the shown ones.
        c.clear();
        c.addItems({{u"a"_s, 1}, {u"b"_s, 2}});
        c.clear();
        c.addItems({{u"c"_s, 3}, {u"d"_s, 4}});
        QCOMPARE(w->count(), 2);
        QCOMPARE(w->itemText(0), u"c"_s);
        QCOMPARE(w->itemText(1), u"d"_s);
        c.addItem(u"e"_s, 5);
        c.setCurrentIndex(2);
        QCOMPARE(w->count(), 3);
        QCOMPARE(w->itemText(2), u"e"_s);
        QCOMPARE(w->currentIndex(), 2);
        QCOMPARE(w->currentText(), u"e"_s);
        // A removal in the middle shows the list anew.
        c.removeItem(0);
        QCOMPARE(w->count(), 2);
        QCOMPARE(w->itemText(0), u"d"_s);
        QCOMPARE(w->itemText(1), u"e"_s);
        QCOMPARE(w->currentIndex(), 1);

        c.setVisible(false);
        QVERIFY(w->isHidden());
        QVERIFY(caption->isHidden());
        c.setEnabled(false);
        QVERIFY(!w->isEnabled());
    }

    // A choice whose handler disables the lists while it runs must leave the keyboard focus on
    // the list, not in the text box after it with its text selected.
    void focusStaysOnTheListThatWasUsed() {
        auto& c = m_form->addListBox(u"ComboConnection"_s);
        c.addItem(u"COM1"_s);
        c.addItem(u"COM2"_s);
        auto& path = m_form->addTextBox(u"LDatabasePath"_s, u"/data/System.mdb"_s);
        c.setHandler([&c] {
            c.setEnabled(false);
            c.setEnabled(true);
        });
        auto* w = place<QComboBox>(c);
        auto* box = place<QLineEdit>(path);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        w->setFocus();
        QVERIFY(w->hasFocus());
        w->setCurrentIndex(1);
        emit w->activated(1);
        QCOMPARE(c.currentIndex(), 1);
        QVERIFY(w->hasFocus());
        QVERIFY(!box->hasFocus());
    }

    void typingReachesTheModelAndCodeDoesNotLoop() {
        auto& c = m_form->addTextBox(u"EFocusStep"_s);
        QStringList seen;
        c.setHandler([&c, &seen] { seen.append(c.text()); });
        auto* w = place<QLineEdit>(c);
        QCOMPARE(w->echoMode(), QLineEdit::Normal);

        QTest::keyClicks(w, u"12"_s);
        QCOMPARE(c.text(), u"12"_s);
        QCOMPARE(seen, (QStringList{u"1"_s, u"12"_s}));

        c.setText(u"0.5"_s);
        QCOMPARE(w->text(), u"0.5"_s);
        QCOMPARE(seen.size(), 3);

        auto& password = m_form->addTextBox(u"txtPassword"_s);
        QCOMPARE(place<QLineEdit>(password)->echoMode(), QLineEdit::Password);
    }

    void labelsShowDoubledAmpersandsOnce() {
        QCOMPARE(ui::labelText(u"Demo Lab && Imaging"_s), u"Demo Lab & Imaging"_s);
        QCOMPARE(ui::labelText(u"&Save"_s), u"Save"_s);
        QCOMPARE(ui::labelText(u"A &&& B"_s), u"A & B"_s);
        QCOMPARE(ui::labelText(u"Trailing &"_s), u"Trailing &"_s);

        auto& c = m_form->addLabel(u"LConfiguration"_s, u"Demo Lab && Imaging"_s);
        auto* w = place<QLabel>(c);
        QCOMPARE(w->text(), u"Demo Lab & Imaging"_s);
        // A caption that looks like markup is shown as typed.
        c.setCaption(u"<b>x</b>"_s);
        QCOMPARE(w->textFormat(), Qt::PlainText);
        QCOMPARE(w->text(), u"<b>x</b>"_s);
    }

    void pictureShowsItsImageAndVisibility() {
        auto& c = m_form->addPicture(u"PictureReflection"_s, u"reflected"_s);
        auto* w = place<QLabel>(c);
        QCOMPARE(w->text(), u"reflected"_s);
        c.setImage(u"transmitted"_s);
        QCOMPARE(w->text(), u"transmitted"_s);
        c.setVisible(false);
        QVERIFY(w->isHidden());
    }

    // A page of many frames lays out as declared: a frame that asks for a column goes there
    // even when another column is shorter; the last column takes what asks for more.
    void framesGoToTheColumnTheyAskFor() {
        QList<ui::Frame> frames;
        const QList<int> asked = {0, 0, 0, 1, -1, 7};
        for (int i = 0; i < asked.size(); ++i) {
            const QString name = u"Frame%1"_s.arg(i);
            m_form->setPlacement(1, name, name, asked[i]);
            m_form->addCheckBox(u"Check%1"_s.arg(i));
        }
        frames = ui::collectFrames(m_form->controls());
        QCOMPARE(frames.size(), asked.size());
        QCOMPARE(frames[5].column, 7);
        std::unique_ptr<QWidget> panel(ui::buildFrameColumns(frames, 3));
        auto columnOf = [&panel](int frame) {
            auto* row = qobject_cast<QHBoxLayout*>(panel->layout());
            for (int column = 0; column < row->count(); ++column) {
                QLayout* layout = row->itemAt(column)->layout();
                for (int i = 0; i < layout->count(); ++i)
                    if (QWidget* w = layout->itemAt(i)->widget();
                        w && w->objectName() == u"Frame%1"_s.arg(frame))
                        return column;
            }
            return -1;
        };
        QCOMPARE(columnOf(0), 0);
        QCOMPARE(columnOf(2), 0);
        QCOMPARE(columnOf(3), 1);
        QCOMPARE(columnOf(4), 2); // the shortest
        QCOMPARE(columnOf(5), 2);
    }

    void treeClicksSurviveARebuildOfTheTree() {
        auto& tree = m_form->addTreeView(u"TreeView1"_s);
        auto& objectives = tree.addNode(nullptr, u"Objectives"_s);
        tree.addNode(&objectives, u"Plan 10x"_s, u"P10"_s);
        tree.setExpanded(objectives, true);
        QStringList clicked;
        int rebuilds = 0;
        // The click handler rebuilds the whole tree, as the catalogue browsers do.
        tree.setNodeClickHandler([&](form::TreeNode& node) {
            clicked.append(node.tag());
            tree.clear();
            auto& top = tree.addNode(nullptr, u"Objectives"_s);
            auto& leaf = tree.addNode(&top, u"Plan 10x"_s, u"P10"_s);
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
        QCOMPARE(clicked, QStringList{u"P10"_s});
        // Until the items are rebuilt they stand for destroyed nodes: a click on one does nothing.
        emit w->itemClicked(leaf, 0);
        QCOMPARE(rebuilds, 1);

        QTRY_VERIFY(w->currentItem() && w->currentItem()->text(0) == u"Plan 10x"_s);
        emit w->itemDoubleClicked(w->currentItem(), 0);
        QCOMPARE(doubleClicks, 1);

        // Opening a branch by hand is kept by the model, so a rebuild shows it open.
        w->rebuild();
        w->topLevelItem(0)->setExpanded(false);
        QVERIFY(!tree.root().children().front()->isExpanded());
    }

    void anEscapingErrorLeavesTheWidgetShowingTheModel() {
        auto& c = m_form->addCheckBox(u"CheckNDD"_s);
        c.setHandler([] { throw std::runtime_error("disk full"); });
        auto* w = place<QCheckBox>(c);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"disk full"_s));
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
