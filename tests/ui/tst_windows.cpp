// The windows of a form set and the Qt host: the main window's layout, the tab control, dialogs
// run modally, the close buttons and the busy pointer.
#include <QApplication>
#include <QCheckBox>
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
#include <app/Session.h>
#include <editor/Editor.h>
#include <form/FormSet.h>
#include <platform/LinuxPlatform.h>
#include <ui/DialogView.h>
#include <ui/QtHost.h>
#include <ui/WindowApp.h>

using namespace Qt::StringLiterals;

namespace {

// A main form with two pages, a frame below the tabs, a menu and the status line, one dialog,
// and the windows for them.
struct SmallForms {
    form::FormSet forms;
    ui::WindowApp windows{build(forms)};
    form::Form& conf = *forms.form(u"FormEditConf"_s);

    SmallForms() { forms.setHost(&windows.host()); }
    static form::FormSet& build(form::FormSet& forms) {
        form::Form& main = forms.addForm(u"main"_s, u"Editor"_s);
        auto& tabs = main.addTabControl(u"SSTab1"_s);
        tabs.addPage(u"Configuration"_s);
        tabs.addPage(u"Microscope"_s);
        main.setPlacement(0, u"FrameOptions"_s, u"Options"_s);
        main.addLabel(u"FrameOptions"_s, u"Options"_s); // the frame's caption
        main.addCheckBox(u"CheckNDD"_s, u"Non-descanned Detectors"_s);
        main.setPlacement(1, u"FrameStand"_s, u"Stand"_s);
        main.addListBox(u"ComboMicroscops"_s);
        main.setPlacement(-1, u"FrameActions"_s, QString());
        main.addButton(u"CmdEditConf"_s, u"Edit Conf."_s);
        main.setPlacement(-1, u"FrameStatus"_s, QString());
        main.addLabel(u"LMsg"_s);
        main.setPlacement(-1, u"mnuFile"_s, u"&File"_s);
        main.addMenuItem(u"mnuExit"_s, u"E&xit"_s);
        form::Form& conf = forms.addForm(u"FormEditConf"_s, u"Edit"_s);
        conf.addTextBox(u"EConf"_s);
        conf.addButton(u"CmdOK"_s, u"OK"_s).setHandler([&conf] { conf.hide(); });
        return forms;
    }
};

template <class W> W* find(QWidget& window, const QString& name) {
    return window.findChild<W*>(name);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void mainWindowPlacesControlsByPageFrameAndMenu() {
        SmallForms s;
        QMainWindow& w = s.windows.mainWindow();
        QVERIFY(!w.isVisible());
        s.windows.show();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), u"Editor"_s);

        auto* tabs = find<QTabWidget>(w, u"SSTab1"_s);
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), u"Microscope"_s);
        auto* options = find<QGroupBox>(w, u"FrameOptions"_s);
        QCOMPARE(options->title(), u"Options"_s);
        QVERIFY(tabs->widget(0)->isAncestorOf(options));
        QVERIFY(options->isAncestorOf(find<QWidget>(w, u"CheckNDD"_s)));
        s.forms.main().label(u"FrameOptions"_s).setCaption(u"KESTRO Head"_s);
        QCOMPARE(options->title(), u"KESTRO Head"_s);
        QVERIFY(!find<QLabel>(w, u"FrameOptions"_s)); // shown as the title, not as a label
        QVERIFY(tabs->widget(1)->isAncestorOf(find<QWidget>(w, u"ComboMicroscops"_s)));
        auto* edit = find<QPushButton>(w, u"CmdEditConf"_s);
        QVERIFY(edit && !tabs->isAncestorOf(edit));
        QVERIFY(w.statusBar()->isAncestorOf(find<QLabel>(w, u"LMsg"_s)));

        auto* file = w.menuBar()->findChild<QMenu*>(u"mnuFile"_s);
        QVERIFY(file);
        QCOMPARE(file->title(), u"&File"_s);
        QCOMPARE(file->actions().value(0)->objectName(), u"mnuExit"_s);
        s.forms.main().menuItem(u"mnuExit"_s).setEnabled(false);
        QVERIFY(!file->actions().value(0)->isEnabled());
    }

    void tabsFollowTheModelBothWays() {
        SmallForms s;
        auto& model = s.forms.main().tabControl(u"SSTab1"_s);
        QList<int> switches;
        model.setHandler([&model, &switches] { switches.append(model.currentIndex()); });
        auto* tabs = find<QTabWidget>(s.windows.mainWindow(), u"SSTab1"_s);

        tabs->setCurrentIndex(1);
        QCOMPARE(model.currentIndex(), 1);
        model.setCurrentIndex(0);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(switches, (QList<int>{1, 0}));

        // Disabling the page in front keeps it in front, as in the model, and runs nothing.
        model.setPageEnabled(0, false);
        QVERIFY(!tabs->isTabEnabled(0));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(switches.size(), 2);
        model.setPageCaption(1, u"Stand"_s);
        QCOMPARE(tabs->tabText(1), u"Stand"_s);
    }

    void modalDialogEndsWhenItsFormIsHidden() {
        SmallForms s;
        s.windows.show();
        ui::DialogView& dialog = s.windows.dialog(s.conf);
        QCOMPARE(dialog.windowTitle(), u"Edit"_s);

        bool wasModal = false;
        QTimer::singleShot(0, &dialog, [&] {
            wasModal = dialog.isVisible() && dialog.isModal() &&
                       QApplication::activeModalWidget() == &dialog;
            find<QLineEdit>(dialog, u"EConf"_s)->setText(u"x"_s);
            QTest::mouseClick(find<QPushButton>(dialog, u"CmdOK"_s), Qt::LeftButton);
        });
        // Should the dialog not end, this ends the test instead of hanging it.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&s] { s.conf.hide(); });
        guard.start(5000);
        s.forms.showModal(s.conf);
        QVERIFY(guard.isActive());
        QVERIFY(wasModal);
        QVERIFY(!s.conf.isVisible() && !dialog.isVisible());
        QVERIFY(s.forms.openDialogs().isEmpty());
    }

    void closeButtonsGoThroughTheForm() {
        SmallForms s;
        s.windows.show();
        // The dialog's close button runs the form's close handler, which ends the modal run.
        int dialogCloses = 0;
        s.conf.setCloseHandler([&dialogCloses] { ++dialogCloses; });
        ui::DialogView& dialog = s.windows.dialog(s.conf);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        s.forms.showModal(s.conf);
        QCOMPARE(dialogCloses, 1);
        QVERIFY(!dialog.isVisible());

        // Escape acts as the close button rather than hiding the window behind the form's back.
        s.conf.show();
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialogCloses, 2);
        QVERIFY(!s.conf.isVisible() && !dialog.isVisible());

        int mainCloses = 0;
        s.forms.main().setCloseHandler([&mainCloses] { ++mainCloses; });
        QVERIFY(s.windows.mainWindow().close());
        QCOMPARE(mainCloses, 1);
        QVERIFY(!s.forms.main().isVisible() && !s.windows.mainWindow().isVisible());
    }

    void busyPointerNeverStaysOnAndSplashComesAndGoes() {
        SmallForms s;
        ui::QtHost& host = s.windows.host();
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
        host.message(u"Stored"_s, u"Store"_s, form::MessageIcon::Information);
        QVERIFY(!busyDuringBox);
        QVERIFY(host.isBusy() && QApplication::overrideCursor());
        host.setBusy(false);

        host.showSplash(true);
        QWidget* splash = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            splash = w->objectName() == u"FormFlash" ? w : splash;
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        host.showSplash(false);
        QVERIFY(!splash->isVisible());
    }

    // A person clicks during a wait of the running action: the click starts nothing, and the
    // widgets go on showing the model.
    void aClickDuringAWaitIsIgnored() {
        SmallForms s;
        s.windows.show();
        platform::LinuxPlatform platform(u"/nonexistent/registry.reg"_s);
        editor::Editor e(s.forms, platform, QString());
        form::Form& main = s.forms.main();
        int edits = 0;
        main.button(u"CmdEditConf"_s).setHandler([&edits] { ++edits; });
        auto* edit = find<QPushButton>(s.windows.mainWindow(), u"CmdEditConf"_s);
        auto* ndd = find<QCheckBox>(s.windows.mainWindow(), u"CheckNDD"_s);
        bool clicked = false;
        QTimer::singleShot(0, edit, [&] {
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::mouseClick(ndd, Qt::LeftButton);
            clicked = true;
        });
        e.WaitMs(100);
        QVERIFY(clicked);
        QCOMPARE(edits, 0);
        QVERIFY(!main.checkBox(u"CheckNDD"_s).isChecked());
        QVERIFY(!ndd->isChecked());
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(edits, 1);
    }

    void everyControlOfTheProgramHasItsWidget() {
        form::FormSet forms;
        platform::LinuxPlatform platform(u"/nonexistent/registry.reg"_s);
        app::Session session(forms, platform, QString());
        ui::WindowApp windows(forms);
        for (form::Form* f : forms.forms()) {
            QWidget& window = f == &forms.main() ? static_cast<QWidget&>(windows.mainWindow())
                                                 : windows.dialog(*f);
            for (form::Control* c : f->controls()) {
                const bool found = c->kind() == form::Kind::MenuItem
                                       ? window.findChild<QAction*>(c->name()) != nullptr
                                       : window.findChild<QWidget*>(c->name()) != nullptr;
                if (!found)
                    QFAIL(qPrintable(u"%1 has no widget for %2"_s.arg(f->name(), c->name())));
            }
        }
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
