// Times start-up, refresh and store on the demo installation and on a large generated one, each
// beside an in-process baseline measured in the same run: orbis-bench [runs]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <app/History.h>
#include <app/Readout.h>
#include <app/Session.h>
#include <db/Database.h>
#include <db/Recordset.h>
#include <form/FormSet.h>
#include <form/RecordingHost.h>
#include <functional>
#include <platform/LinuxPlatform.h>

namespace {

// The real platform without the deliberate pause of the splash window.
class BenchPlatform : public platform::LinuxPlatform {
public:
    using platform::LinuxPlatform::LinuxPlatform;
    bool isAdministrator() const override { return true; }
    void sleepMs(int) override {}
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

class Installation {
public:
    explicit Installation(bool large) {
        system = dir.filePath(QStringLiteral("System.mdb"));
        templ = dir.filePath(QStringLiteral("Conf.mdb"));
        QFile::copy(QStringLiteral(ORBIS_DEMO_DB), system);
        QFile::copy(QStringLiteral(ORBIS_TEMPLATE_DB), templ);
        QFile::setPermissions(system, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(templ, QFile::ReadOwner | QFile::WriteOwner);
        registry = dir.filePath(QStringLiteral("registry.reg"));
        QFile file(registry);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral(
                       "Windows Registry Editor Version 5.00\n\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n\"Path\"=\"%1\"\n")
                       .arg(system)
                       .toUtf8());
        file.close();
        if (large)
            enlarge();
    }

    void enlarge() {
        db::Database::open(system)->execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
            "INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type]) "
            "SELECT 'Generated filter ' || i, 400000 + i, 'BP' FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO [Potential Objective Lenses] ([ID Potential]) "
            "SELECT 'Generated objective ' || i FROM n;"));
        QDir().mkpath(dir.filePath(QStringLiteral("BackupDB")));
        auto history = db::Database::open(templ);
        history->begin();
        for (int no = 1; no <= 300; ++no) {
            const QString path = dir.filePath(QStringLiteral("BackupDB/Temp%1.mdb").arg(no));
            QFile::copy(system, path);
            history->execute(
                QStringLiteral("INSERT INTO [History] ([No], [Date], [Path]) VALUES (?, ?, ?)"),
                {no, QStringLiteral("2026-01-01 12:00:00"), path});
        }
        history->commit();
    }

    QTemporaryDir dir;
    QString system;
    QString templ;
    QString registry;
};

// The editor on an installation, as the window runs it.
struct Editor {
    explicit Editor(const Installation& in) : platform(in.registry) {
        forms.setHost(&host);
        session = std::make_unique<app::Session>(forms, platform, in.templ);
    }
    ~Editor() { session->editor().closeDatabases(); }
    BenchPlatform platform;
    form::FormSet forms;
    form::RecordingHost host;
    std::unique_ptr<app::Session> session;
};

// Reads every row of every table once.
void readEverything(const QString& path) {
    auto database = db::Database::open(path);
    for (const QString& table : database->tableNames())
        for (db::Recordset rs = database->OpenRecordset(table); !rs.eof(); rs.moveNext())
            rs.value(0);
}

void bench(const QString& name, bool large, int runs, QTextStream& out) {
    Installation in(large);
    QList<double> startup, startupBase, refresh, store, storeBase;
    const QString scratch = in.dir.filePath(QStringLiteral("scratch.mdb"));
    for (int i = 0; i < runs; ++i) {
        startupBase.append(timeMs([&] {
            QFile::remove(scratch);
            QFile::copy(in.system, scratch);
            readEverything(scratch);
        }));
        Editor editor(in);
        startup.append(timeMs([&] { editor.session->start(); }));
        if (!editor.session->editor().isLive())
            qFatal("start-up did not reach a live editor: %s",
                   qPrintable(editor.forms.main().label(QStringLiteral("LMsg")).caption()));
    }
    {
        Editor editor(in);
        editor.session->start();
        editor::Editor& e = editor.session->editor();
        for (int i = 0; i < runs * 3; ++i)
            refresh.append(timeMs([&] {
                // One user action: one transaction around the refresh.
                db::Transaction transaction(e.work());
                editor.session->readout().Refresh();
                transaction.commit();
            }));
        for (int i = 0; i < runs; ++i) {
            storeBase.append(timeMs([&] {
                QFile::remove(scratch);
                QFile::copy(in.system, scratch);
                QFile::remove(scratch + QStringLiteral(".vacuum"));
                db::Database::CompactDatabase(e.workCopyPath(),
                                              scratch + QStringLiteral(".vacuum"));
            }));
            editor.host.yesNoAnswers.enqueue(true);
            store.append(timeMs(
                [&] { editor.forms.main().button(QStringLiteral("CmdStore")).userPress(); }));
            if (!editor.host.boxes.isEmpty() && !editor.host.boxes.last().question)
                qFatal("store failed: %s", qPrintable(editor.host.boxes.last().text));
        }
    }
    auto row = [&](const char* what, const QList<double>& timed, const QList<double>& base) {
        out << QStringLiteral("%1 %2 %3 ms")
                   .arg(name, -8)
                   .arg(QString::fromLatin1(what), -10)
                   .arg(median(timed), 8, 'f', 2);
        if (!base.isEmpty())
            out << QStringLiteral("   baseline %1 ms   ratio %2")
                       .arg(median(base), 8, 'f', 2)
                       .arg(median(timed) / median(base), 5, 'f', 2);
        out << "\n";
    };
    row("start-up", startup, startupBase);
    row("refresh", refresh, {});
    row("store", store, storeBase);
    out.flush();
}

} // namespace

int runMonkeyCommand(const QStringList& arguments); // Monkey.cpp

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (application.arguments().contains(QStringLiteral("--monkey")))
        return runMonkeyCommand(application.arguments());
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    QTextStream out(stdout);
    out << "Medians of " << runs << " runs (refresh: " << runs * 3
        << "); start-up without the 200 ms pause of the splash window.\n";
    out << "Baselines: start-up = file copy + reading every row once; store = file copy + VACUUM "
           "INTO.\n";
    bench(QStringLiteral("demo"), false, runs, out);
    bench(QStringLiteral("large"), true, runs, out);
    return 0;
}
