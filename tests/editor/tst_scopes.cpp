#include <QTest>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <form/FormSet.h>
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
};

QTEST_GUILESS_MAIN(TestScopes)
#include "tst_scopes.moc"
