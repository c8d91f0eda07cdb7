#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <app/Session.h>
#include <proofs/Monkey.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

proofs::MonkeyOptions options(quint64 seed, int actions) {
    proofs::MonkeyOptions o;
    o.seed = seed;
    o.actions = actions;
    o.demoSystem = QStringLiteral(ORBIS_DEMO_DB);
    o.templateDatabase = QStringLiteral(ORBIS_TEMPLATE_DB);
    return o;
}

// The script with the run's own folder and the clock (history entries show when they were
// stored) replaced by words.
QString actions(const proofs::MonkeyReport& report) {
    static const QRegularExpression stored(u"(\\d+)\\. -  [^\"]*"_s);
    // Times of day appear in texts the actions quote (a history row's date, a question naming
    // when a file changed); the same seed takes the same actions at any time.
    static const QRegularExpression time(u"\\d{1,2}:\\d{2}(:\\d{2})?"_s);
    static const QRegularExpression date(u"\\d{1,2}[./ ]\\w{2,3}[./ ]\\d{4}"_s);
    QString script = report.script;
    return script.replace(report.folder, u"FOLDER"_s)
        .replace(stored, u"\\1. - WHEN"_s)
        .replace(time, u"TIME"_s)
        .replace(date, u"DATE"_s);
}

} // namespace

// Random actions of a person on the demo installation: the editor never catches an error, every
// control always shows what a fresh read of the working copy shows, and the databases pass the
// engine's integrity check after every store.
class TestMonkey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomActionsKeepTheDatabasesSound() {
        const quint64 seed = 20261206;
        const proofs::MonkeyReport report = proofs::runMonkey(options(seed, 2000));
        qInfo().noquote() << proofs::summary(report, seed);
        if (!report.passed) {
            const QString replay = u"monkey-%1.txt"_s.arg(seed);
            QFile file(replay);
            if (file.open(QIODevice::WriteOnly))
                file.write(report.script.toUtf8());
            qInfo().noquote() << "The actions up to the failure, as a headless script (also in"
                              << replay << "):\n"
                              << report.script;
        }
        QVERIFY2(report.passed, qPrintable(report.failure));
        QCOMPARE(report.actions, 2000);
        QVERIFY(report.replacements > 0); // stores and saves over the system database happened
        QVERIFY(report.starts > 1);       // the program was ended and started again
    }

    // A seed stands for its actions, so that a failure can be replayed.
    void theSameSeedGivesTheSameActions() {
        const proofs::MonkeyReport first = proofs::runMonkey(options(5, 120));
        const proofs::MonkeyReport second = proofs::runMonkey(options(5, 120));
        QVERIFY(first.passed && second.passed);
        QCOMPARE(actions(first), actions(second));
        QVERIFY(actions(first) != actions(proofs::runMonkey(options(6, 120))));
    }

    // The checks find a handler that leaves its page unlike the database, and a handler that
    // fails; the script ends with the action that did it.
    void brokenHandlersAreFound_data() {
        QTest::addColumn<bool>("throws");
        QTest::newRow("page unlike the database") << false;
        QTest::newRow("error") << true;
    }
    void brokenHandlersAreFound() {
        QFETCH(bool, throws);
        proofs::MonkeyOptions o = options(13, 2000);
        o.started = [throws](app::Session& session) {
            editor::Editor& e = session.editor();
            session.editor().main().checkBox(u"CheckImageFlip"_s).setHandler([&e, throws] {
                // A person's tick, not a readout's, runs the broken behaviour.
                if (!e.isLive())
                    return;
                if (throws)
                    throw db::DbError(u"broken handler"_s);
                // Written, but not shown: the box keeps what the person set.
                records::WriteField(e.work(), u"Available Dsps"_s, records::kIdAvailable, u"Dsp1"_s,
                                    u"Mirror X"_s, true);
            });
        };
        const proofs::MonkeyReport report = proofs::runMonkey(o);
        QVERIFY(!report.passed);
        QVERIFY2(report.failure.contains(throws ? u"broken handler"_s : u"CheckImageFlip"_s),
                 qPrintable(report.failure));
        QVERIFY(report.script.trimmed().split(u'\n').last().contains(u"CheckImageFlip"_s));
    }
};

QTEST_GUILESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
