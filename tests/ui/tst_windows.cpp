// The windows of a form set and the Qt host: the main window's layout, the tab control, dialogs
// run modally, the close buttons and the busy pointer.
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <app/MainForm.h>
#include <form/FormSet.h>
#include <ui/DialogView.h>
#include <ui/QtHost.h>
#include <ui/WindowApp.h>

namespace {

// A main form with two pages, a frame below the tabs, a menu and the status line, and one dialog.
void buildSmallForms(form::FormSet& forms) {
    form::Form& main = forms.addForm(QStringLiteral("main"), QStringLiteral("Editor"));
    auto& tabs = main.addTabControl(QStringLiteral("SSTab1"));
    tabs.addPage(QStringLiteral("Configuration"));
    tabs.addPage(QStringLiteral("Microscope"));
    main.setPlacement(0, QStringLiteral("FrameOptions"), QStringLiteral("Options"));
    main.addCheckBox(QStringLiteral("CheckNDD"), QStringLiteral("Non-descanned Detectors"));
    main.setPlacement(1, QStringLiteral("FrameStand"), QStringLiteral("Stand"));
    main.addListBox(QStringLiteral("ComboMicroscops"));
    main.setPlacement(-1, QStringLiteral("FrameActions"), QString());
    main.addButton(QStringLiteral("CmdEditConf"), QStringLiteral("Edit Conf."));
    main.setPlacement(-1, QStringLiteral("FrameStatus"), QString());
    main.addLabel(QStringLiteral("LMsg"));
    main.setPlacement(-1, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    main.addMenuItem(QStringLiteral("mnuExit"), QStringLiteral("E&xit"));

    form::Form& conf = forms.addForm(QStringLiteral("FormEditConf"), QStringLiteral("Edit"));
    conf.addTextBox(QStringLiteral("EConf"));
    conf.addButton(QStringLiteral("CmdOK"), QStringLiteral("OK"));
    conf.button(QStringLiteral("CmdOK")).setHandler([&conf] { conf.hide(); });
}

template <class W> W* find(QWidget& window, const QString& name) {
    return window.findChild<W*>(name);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void mainWindowPlacesControlsByPageFrameAndMenu() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        forms.setHost(&windows.host());
        QMainWindow& w = windows.mainWindow();
        QVERIFY(!w.isVisible());
        windows.show();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Editor"));

        auto* tabs = find<QTabWidget>(w, QStringLiteral("SSTab1"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Microscope"));
        auto* options = find<QGroupBox>(w, QStringLiteral("FrameOptions"));
        QCOMPARE(options->title(), QStringLiteral("Options"));
        QVERIFY(tabs->widget(0)->isAncestorOf(options));
        QVERIFY(options->isAncestorOf(find<QWidget>(w, QStringLiteral("CheckNDD"))));
        QVERIFY(tabs->widget(1)->isAncestorOf(find<QWidget>(w, QStringLiteral("ComboMicroscops"))));
        auto* edit = find<QPushButton>(w, QStringLiteral("CmdEditConf"));
        QVERIFY(edit && !tabs->isAncestorOf(edit));
        QVERIFY(w.statusBar()->isAncestorOf(find<QLabel>(w, QStringLiteral("LMsg"))));

        auto* file = w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(file->actions().value(0)->objectName(), QStringLiteral("mnuExit"));
        forms.main().menuItem(QStringLiteral("mnuExit")).setEnabled(false);
        QVERIFY(!file->actions().value(0)->isEnabled());
    }

    void tabsFollowTheModelBothWays() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        auto& model = forms.main().tabControl(QStringLiteral("SSTab1"));
        QList<int> switches;
        model.setHandler([&model, &switches] { switches.append(model.currentIndex()); });
        auto* tabs = find<QTabWidget>(windows.mainWindow(), QStringLiteral("SSTab1"));

        tabs->setCurrentIndex(1);
        QCOMPARE(model.currentIndex(), 1);
        QCOMPARE(switches, QList<int>{1});

        model.setCurrentIndex(0);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(switches, (QList<int>{1, 0}));

        // Disabling the page in front keeps it in front, as in the model, and runs nothing.
        model.setPageEnabled(0, false);
        QVERIFY(!tabs->isTabEnabled(0));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(switches.size(), 2);
        model.setPageCaption(1, QStringLiteral("Stand"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Stand"));
    }

    void modalDialogEndsWhenItsFormIsHidden() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        forms.setHost(&windows.host());
        windows.show();
        form::Form& conf = *forms.form(QStringLiteral("FormEditConf"));
        ui::DialogView& dialog = windows.dialog(conf);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit"));

        bool wasModal = false;
        QTimer::singleShot(0, &dialog, [&] {
            wasModal = dialog.isVisible() && dialog.isModal() &&
                       QApplication::activeModalWidget() == &dialog;
            find<QLineEdit>(dialog, QStringLiteral("EConf"))->setText(QStringLiteral("x"));
            QTest::mouseClick(find<QPushButton>(dialog, QStringLiteral("CmdOK")), Qt::LeftButton);
        });
        // Should the dialog not end, this ends the test instead of hanging it.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&conf] { conf.hide(); });
        guard.start(5000);
        forms.showModal(conf);
        QVERIFY(guard.isActive());
        QVERIFY(wasModal);
        QVERIFY(!conf.isVisible());
        QVERIFY(!dialog.isVisible());
        QVERIFY(forms.openDialogs().isEmpty());
    }

    void closeButtonsGoThroughTheForm() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        forms.setHost(&windows.host());
        windows.show();

        // The dialog's close button runs the form's close handler, which ends the modal run.
        form::Form& conf = *forms.form(QStringLiteral("FormEditConf"));
        int dialogCloses = 0;
        conf.setCloseHandler([&dialogCloses] { ++dialogCloses; });
        ui::DialogView& dialog = windows.dialog(conf);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        forms.showModal(conf);
        QCOMPARE(dialogCloses, 1);
        QVERIFY(!dialog.isVisible());

        // Escape acts as the close button rather than hiding the window behind the form's back.
        conf.show();
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialogCloses, 2);
        QVERIFY(!conf.isVisible() && !dialog.isVisible());

        int mainCloses = 0;
        forms.main().setCloseHandler([&mainCloses] { ++mainCloses; });
        QVERIFY(windows.mainWindow().close());
        QCOMPARE(mainCloses, 1);
        QVERIFY(!forms.main().isVisible());
        QVERIFY(!windows.mainWindow().isVisible());
    }

    void busyPointerNeverStaysOn() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        ui::QtHost& host = windows.host();
        host.setBusy(true);
        host.setBusy(true);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        host.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());
        host.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());

        // While a person answers a box the pointer is the normal one; the busy state comes back.
        host.setBusy(true);
        bool busyDuringBox = true;
        QTimer::singleShot(0, [&busyDuringBox] {
            busyDuringBox = QApplication::overrideCursor() != nullptr;
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        host.message(QStringLiteral("Stored"), QStringLiteral("Store"),
                     form::MessageIcon::Information);
        QVERIFY(!busyDuringBox);
        QVERIFY(host.isBusy());
        QVERIFY(QApplication::overrideCursor());
        host.setBusy(false);
    }

    void splashWindowComesAndGoes() {
        form::FormSet forms;
        buildSmallForms(forms);
        ui::WindowApp windows(forms);
        windows.host().showSplash(true);
        QWidget* splash = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("FormFlash"))
                splash = w;
        }
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        windows.host().showSplash(false);
        QVERIFY(!splash->isVisible());
    }

    void everyControlOfTheProgramHasItsWidget() {
        form::FormSet forms;
        app::buildForms(forms);
        ui::WindowApp windows(forms);
        for (form::Form* f : forms.forms()) {
            QWidget& window = f == &forms.main() ? static_cast<QWidget&>(windows.mainWindow())
                                                 : windows.dialog(*f);
            for (form::Control* c : f->controls()) {
                const bool found = c->kind() == form::Kind::MenuItem
                                       ? window.findChild<QAction*>(c->name()) != nullptr
                                       : window.findChild<QWidget*>(c->name()) != nullptr;
                if (!found)
                    QFAIL(qPrintable(
                        QStringLiteral("%1 has no widget for %2").arg(f->name(), c->name())));
            }
        }
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
