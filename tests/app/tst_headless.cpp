#include "Installation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// The program run headless, as automation and CI run it.
class TestHeadless : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode;
        QString out;
        QString err;
    };

    static Run run(const Installation& in, const QString& script, const QString& storeFault = {}) {
        QStringList arguments{QStringLiteral("--headless"),
                              QStringLiteral("--registry"),
                              in.registryPath,
                              QStringLiteral("--template"),
                              in.templatePath,
                              QStringLiteral("--dump-controls"),
                              QStringLiteral("-")};
        if (!script.isNull()) {
            QFile file(in.dir.filePath(QStringLiteral("script.txt")));
            file.open(QIODevice::WriteOnly);
            file.write(script.toUtf8());
            arguments << QStringLiteral("--script") << file.fileName();
        }
        QProcess process;
        if (!storeFault.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("ORBIS_STORE_FAULT"), storeFault);
            process.setProcessEnvironment(env);
        }
        process.start(qEnvironmentVariable("ORBIS_CONFIG"), arguments);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static QJsonObject control(const QString& dump, const QString& name) {
        for (const QString& line : dump.split(u'\n', Qt::SkipEmptyParts)) {
            const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
            if (object.value(QStringLiteral("form")) == QStringLiteral("main") &&
                object.value(QStringLiteral("name")) == name)
                return object;
        }
        return {};
    }

private Q_SLOTS:
    void dumpOfAReadyEditor() {
        Installation in;
        const Run result = run(in, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(
            control(result.out, QStringLiteral("LMsg")).value(QStringLiteral("caption")).toString(),
            QString());
        QVERIFY(control(result.out, QStringLiteral("SSTab1"))
                    .value(QStringLiteral("enabled"))
                    .toBool());
        QCOMPARE(control(result.out, QStringLiteral("LDatabasePath"))
                     .value(QStringLiteral("text"))
                     .toString(),
                 in.systemPath);
    }

    void failuresExitWithAReason() {
        Installation in;
        Run result = run(
            in,
            QStringLiteral("# the stand shown\nexpect LIDMicroscope caption \"No Such Stand\"\n"));
        QVERIFY(result.exitCode != 0);
        QVERIFY(result.err.contains(QStringLiteral("line 2")));
        QCOMPARE(result.err.trimmed().count(u'\n'), 0); // one line

        // A question nobody answers fails the run with its text.
        result = run(in, QStringLiteral("click CmdStore\n"));
        QVERIFY(result.exitCode != 0);
        QVERIFY(result.err.contains(
            QStringLiteral("Are you sure, you want to store the new system database ?")));

        // A refused installation still dumps; the refusal is in the status line.
        in.setRegistryPath(in.dir.filePath(QStringLiteral("missing.mdb")));
        result = run(in, QStringLiteral("expect SSTab1 enabled false\n"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(
            control(result.out, QStringLiteral("LMsg")).value(QStringLiteral("caption")).toString(),
            QStringLiteral("No system database found ! Exit configuration tool !"));
    }

    // An error the editor catches is shown and the script goes on; the run then ends non-zero,
    // unless the script acknowledged the error box.
    void caughtErrorsAreReportedAndTheScriptGoesOn() {
        Installation in;
        const QString store = QStringLiteral(
            "click CmdStore\nanswer yes \"Are you sure, you want to store the new system "
            "database ?\"\n");
        Run result = run(in, store + QStringLiteral("expect CmdStore enabled true\n"),
                         QStringLiteral("history"));
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(result.err.startsWith(QStringLiteral("orbis-config: error: Store failed")),
                 qPrintable(result.err));
        QVERIFY(control(result.out, QStringLiteral("LMsg"))
                    .value(QStringLiteral("caption"))
                    .toString()
                    .startsWith(QStringLiteral("Store failed")));
        result = run(in, store + QStringLiteral("ok\nexpect CmdStore enabled true\n"),
                     QStringLiteral("history"));
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
    }

    // What works without a display and what says that it needs one.
    void commandLineWithoutADisplay() {
        Installation in;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        auto runWith = [&env](const QStringList& arguments) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(qEnvironmentVariable("ORBIS_CONFIG"), arguments);
            process.waitForFinished(30000);
            return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                       QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
        };
        Run result = runWith({QStringLiteral("--help")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("--headless")));
        result = runWith({QStringLiteral("--version")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(QStringLiteral("orbis-config ")));
        result = runWith({QStringLiteral("--registry"), in.registryPath});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("run with --headless")));

        // A script that cannot be read is no empty script.
        for (const QString& script : {QStringLiteral("/proc/self/mem"), in.dir.path(),
                                      in.dir.filePath(QStringLiteral("missing.txt"))}) {
            result = runWith({QStringLiteral("--headless"), QStringLiteral("--registry"),
                              in.registryPath, QStringLiteral("--template"), in.templatePath,
                              QStringLiteral("--script"), script});
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.contains(QStringLiteral("cannot read the script ") + script),
                     qPrintable(result.err));
        }
    }
};

QTEST_GUILESS_MAIN(TestHeadless)
#include "tst_headless.moc"
