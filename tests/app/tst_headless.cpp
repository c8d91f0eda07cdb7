#include "Installation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

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
    }

    // A refused start-up is a failure for automation: the run exits 5 and says why on standard
    // error, without running the script; the dump shows the locked editor.
    void aRefusedStartUpExitsFive_data() {
        QTest::addColumn<QString>("registry");   // what the registry file says; null: no file
        QTest::addColumn<QString>("systemFile"); // what the system database holds; null: as built
        QTest::addColumn<bool>("templateThere");
        QTest::addColumn<QString>("reason");
        const QString noSystem = u"No system database found ! Exit configuration tool !"_s;
        QTest::newRow("no registry file") << QString() << QString() << true << noSystem;
        QTest::newRow("no registry entry")
            << u"\"Other\"=\"x\"\n"_s << QString() << true << noSystem;
        QTest::newRow("no system database") << u"missing.mdb"_s << QString() << true << noSystem;
        QTest::newRow("unusable file")
            << u"System.mdb"_s << u"not a database"_s << true << u"is not a database file"_s;
        QTest::newRow("no template database")
            << u"System.mdb"_s << QString() << false << u"No template database"_s;
    }
    void aRefusedStartUpExitsFive() {
        QFETCH(QString, registry);
        QFETCH(QString, systemFile);
        QFETCH(bool, templateThere);
        QFETCH(QString, reason);
        Installation in;
        if (!templateThere)
            QFile::remove(in.templatePath);
        if (registry.isNull())
            QFile::remove(in.registryPath);
        else if (registry.endsWith(u".mdb"_s))
            in.setRegistryPath(in.dir.filePath(registry));
        else
            in.writeRegistry(registry);
        if (!systemFile.isNull()) {
            QFile file(in.systemPath);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(systemFile.toUtf8());
        }
        // The script would fail: it must not run.
        const Run result = run(in, u"expect SSTab1 enabled true\n"_s);
        QCOMPARE(result.exitCode, 5);
        QVERIFY2(result.err.startsWith(u"orbis-config: start-up refused: "_s),
                 qPrintable(result.err));
        QVERIFY2(result.err.contains(reason), qPrintable(result.err));
        QCOMPARE(result.err.trimmed().count(u'\n'), 0);
        const QString status =
            control(result.out, u"LMsg"_s).value(QStringLiteral("caption")).toString();
        QVERIFY(result.err.contains(status));
        QVERIFY(!control(result.out, u"SSTab1"_s).value(QStringLiteral("enabled")).toBool());
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
