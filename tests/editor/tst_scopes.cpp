#include <QTest>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <form/FormSet.h>
#include <form/RecordingHost.h>
#include <platform/LinuxPlatform.h>

using namespace Qt::StringLiterals;

// The scopes must give back what they changed on every exit: a flag left set by an error would
// keep the editor quiet, or a long operation refusing to run, for the rest of the session.
class TestScopes : public QObject {
    Q_OBJECT

private slots:
    void quietRestoresTheLiveFlagAfterAnError() {
        form::FormSet forms;
        platform::LinuxPlatform platform(u"/nonexistent/registry.reg"_s);
        editor::Editor e(forms, platform, QString());
        e.setLive(true);
        try {
            const editor::Quiet quiet(e);
            { const editor::Quiet inner(e); }
            QVERIFY(!e.isLive());
            throw std::runtime_error("readout failed");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(e.isLive());

        e.setLive(false);
        { const editor::Quiet quiet(e); }
        QVERIFY(!e.isLive());
    }

    void runningFlagIsClearedAfterAnErrorAndKeptByANestedScope() {
        editor::RunningFlag flag;
        try {
            const editor::Running running(flag);
            {
                const editor::Running nested(flag);
                QVERIFY(flag.isRunning());
            }
            QVERIFY(flag.isRunning()); // the outer operation still runs
            throw std::runtime_error("store failed");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!flag.isRunning());
    }

    // A wait repaints the window; a click that arrives meanwhile must not start an action inside
    // the waiting one (a store during the pause after a conflict message).
    void aWaitRunsNoUserInput() {
        struct ClickingHost : form::RecordingHost {
            std::function<void()> click;
            void processEvents() override {
                form::RecordingHost::processEvents();
                if (click)
                    click();
            }
        } host;
        form::FormSet forms;
        forms.setHost(&host);
        form::Form& main = forms.addForm(u"main"_s);
        int stores = 0;
        main.addButton(u"CmdStore"_s).setHandler([&stores] { ++stores; });
        platform::LinuxPlatform platform(u"/nonexistent/registry.reg"_s);
        editor::Editor e(forms, platform, QString());
        host.click = [&main] { main.button(u"CmdStore"_s).userPress(); };
        e.WaitMs(100);
        QCOMPARE(host.eventPumps, 3);
        QCOMPARE(stores, 0);
        QVERIFY(!forms.isInputPaused());
        main.button(u"CmdStore"_s).userPress();
        QCOMPARE(stores, 1);
    }
};

QTEST_GUILESS_MAIN(TestScopes)
#include "tst_scopes.moc"
