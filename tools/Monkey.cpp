// orbis-bench --monkey N [--seed S]: N random actions on the demo installation, checked after each
// one; a failure prints the seed and the actions as a headless script that replays them.
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <proofs/Monkey.h>
#include <random>

int runMonkeyCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    proofs::MonkeyOptions options;
    options.demoSystem = QStringLiteral(ORBIS_DEMO_DB);
    options.templateDatabase = QStringLiteral(ORBIS_TEMPLATE_DB);
    options.seed = std::random_device()();
    bool ok = true;
    for (qsizetype i = 1; i < arguments.size() && ok; ++i) {
        const QString& argument = arguments.at(i);
        const QString value = arguments.value(i + 1);
        if (argument == u"--monkey") {
            options.actions = value.toInt(&ok);
            ok = ok && options.actions > 0;
            ++i;
        } else if (argument == u"--seed") {
            options.seed = value.toULongLong(&ok);
            ++i;
        } else {
            ok = false;
        }
    }
    if (!ok) {
        err << "usage: orbis-bench --monkey ACTIONS [--seed SEED]\n";
        return 2;
    }
    out << "random actions: " << options.actions << ", seed " << options.seed << Qt::endl;
    options.progress = [&out](int done) {
        if (done % 1000 == 0)
            out << "  " << done << " actions" << Qt::endl;
    };
    const proofs::MonkeyReport report = proofs::runMonkey(options);
    out << proofs::summary(report, options.seed);
    if (report.passed)
        return 0;
    const QString replay = QStringLiteral("monkey-%1.txt").arg(options.seed);
    QFile file(replay);
    if (file.open(QIODevice::WriteOnly))
        file.write(report.script.toUtf8());
    out << "The actions up to the failure, as a headless script (also in " << replay << "):\n"
        << report.script;
    return 1;
}
