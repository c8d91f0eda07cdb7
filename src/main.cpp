// The ORBIS Configuration Tool: the editor in a window, or headless for automation.
//
//   orbis-config [--registry FILE] [--template FILE]
//   orbis-config --headless [--registry FILE] [--template FILE] [--script FILE]
//                [--dump-controls FILE|-]
//   orbis-config --import OLD.mdb NEW.mdb
//   orbis-config --diff A.mdb B.mdb [--json]
//   orbis-config --validate FILE.mdb
//
// A headless run exits 1 on a script error, 3 when another instance works on the installation,
// 4 when the editor caught an error that no `ok` line of the script acknowledged, 5 when the
// start-up refused the installation (the script then does not run). README.md lists them.
// The registry file is --registry, else $ORBIS_REGISTRY, else ~/.config/orbis/registry.reg;
// the template database is --template, else Conf.mdb beside the program, else the machine's own
// copy of the installed one (platform/InstalledFiles.h).
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <app/DatabaseCheck.h>
#include <app/History.h>
#include <app/Session.h>
#include <app/Validation.h>
#include <csignal>
#include <db/DatabaseDiff.h>
#include <db/DbError.h>
#include <form/ControlDump.h>
#include <form/FormSet.h>
#include <form/ScriptError.h>
#include <form/ScriptRunner.h>
#include <jet/JetFile.h>
#include <jet/JetImport.h>
#include <memory>
#include <platform/FileSafety.h>
#include <platform/InstalledFiles.h>
#include <platform/LinuxPlatform.h>
#include <platform/Registry.h>
#include <platform/SingleInstance.h>
#include <ui/QtHost.h>
#include <ui/WindowApp.h>

namespace {

struct Options {
    bool headless = false;
    QString registry;
    QString templatePath;
    QString script;
    QString dump;
    QString importFrom; // --import OLD NEW
    QString diffFrom;   // --diff A B
    QString validate;   // --validate FILE
    bool json = false;
    QStringList positional;
};

Options parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ORBIS Configuration Tool"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      QStringLiteral("Run without a window."));
    const QCommandLineOption registry(QStringLiteral("registry"),
                                      QStringLiteral("The registry file."), QStringLiteral("FILE"));
    const QCommandLineOption templ(QStringLiteral("template"),
                                   QStringLiteral("The template database."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("An automation script (headless)."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption dump(
        QStringLiteral("dump-controls"),
        QStringLiteral("Write every control's state as JSON lines (- = standard output)."),
        QStringLiteral("FILE"));
    const QCommandLineOption import(
        QStringLiteral("import"),
        QStringLiteral("Convert the Jet system database OLD into the new database file NEW."),
        QStringLiteral("OLD"));
    const QCommandLineOption diff(
        QStringLiteral("diff"),
        QStringLiteral("Print what the database file B changes against A (exit 1 when they "
                       "differ)."),
        QStringLiteral("A"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print --diff as JSON."));
    const QCommandLineOption validate(
        QStringLiteral("validate"),
        QStringLiteral("List the conflicts in the system database FILE (exit 1 when there are "
                       "any)."),
        QStringLiteral("FILE"));
    parser.addOptions({headless, registry, templ, script, dump, import, diff, json, validate});
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("The second file of --import (NEW) and --diff (B)."),
        QStringLiteral("[FILE]"));
    parser.process(arguments);
    Options options;
    options.headless = parser.isSet(headless);
    options.registry = platform::Registry::defaultPath(parser.value(registry));
    const platform::TemplateLocation location = platform::templateDatabase(
        parser.value(templ), QCoreApplication::applicationDirPath(),
        QStringLiteral(ORBIS_SHIPPED_FOLDER), QStringLiteral(ORBIS_STATE_FOLDER));
    if (!location.problem.isEmpty())
        QTextStream(stderr) << "orbis-config: the template database could not be prepared: "
                            << location.problem << "\n";
    options.templatePath = location.path;
    options.script = parser.value(script);
    options.dump = parser.value(dump);
    options.importFrom = parser.value(import);
    options.diffFrom = parser.value(diff);
    options.json = parser.isSet(json);
    options.validate = parser.value(validate);
    options.positional = parser.positionalArguments();
    return options;
}

// Tests make a step of a store fail, or the process die there, to prove that the system
// database survives: ORBIS_STORE_FAULT=step or step:kill.
void installStoreFault() {
    const QString fault = qEnvironmentVariable("ORBIS_STORE_FAULT");
    if (fault.isEmpty())
        return;
    app::History::faultPoint = [fault](const char* step) {
        const QStringList parts = fault.split(u':');
        if (parts.value(0) != QString::fromLatin1(step))
            return;
        if (parts.value(1) == QStringLiteral("kill"))
            std::raise(SIGKILL);
        throw platform::FileError(
            QStringLiteral("Injected failure at the store step %1").arg(parts.value(0)));
    };
}

// Asks once whether another instance works on this registry file; later start-ups (after a
// store) are this instance's own.
std::function<bool()> instanceCheck(platform::SingleInstance& guard) {
    return [&guard, decided = false, other = false]() mutable {
        if (!decided) {
            other = !guard.tryBecomePrimary();
            decided = true;
        }
        return other;
    };
}

// What both modes share: the platform services, the forms and the second-instance guard; the
// editor comes once the mode's host is there.
struct Program {
    explicit Program(const Options& given)
        : options(given), platform(given.registry), guard(given.registry),
          session(forms, platform, options.templatePath) {
        session.editor().setInstanceCheck(instanceCheck(guard));
    }

    const Options& options;
    platform::LinuxPlatform platform;
    form::FormSet forms;
    platform::SingleInstance guard;
    app::Session session;
};

// Converts a Jet system database; exits 1 with the reason when nothing was written.
int runImport(const Options& options) {
    QTextStream err(stderr);
    if (options.positional.size() != 1) {
        err << "orbis-config: --import needs the Jet database and the new file: --import OLD "
               "NEW\n";
        return 1;
    }
    try {
        const jet::ImportReport report = jet::importJet(options.importFrom, options.positional[0]);
        QTextStream out(stdout);
        for (const QString& line :
             jet::reportLines(report, options.importFrom, options.positional[0]))
            out << line << "\n";
        return 0;
    } catch (const jet::JetError& error) {
        err << "orbis-config: " << error.message() << "\n";
    } catch (const db::DbError& error) {
        err << "orbis-config: " << error.message() << "\n";
    } catch (const platform::FileError& error) {
        err << "orbis-config: " << error.message() << "\n";
    }
    return 1;
}

// Compares two database files: exit 0 when they hold the same, 1 when they differ, 2 when
// either cannot be read.
int runDiff(const Options& options) {
    QTextStream err(stderr);
    if (options.positional.size() != 1) {
        err << "orbis-config: --diff needs two database files: --diff A B\n";
        return 2;
    }
    try {
        const auto before = app::openSound(QStringLiteral("The database"), options.diffFrom, {});
        const auto after =
            app::openSound(QStringLiteral("The database"), options.positional[0], {});
        const db::DatabaseDiff diff = db::compareDatabases(*before, *after);
        QTextStream out(stdout);
        if (options.json) {
            out << db::diffJson(diff);
        } else {
            out << "--- " << options.diffFrom << "\n+++ " << options.positional[0] << "\n";
            for (const QString& line : db::diffLines(diff))
                out << line << "\n";
        }
        return diff.empty() ? 0 : 1;
    } catch (const db::DbError& error) {
        err << "orbis-config: " << error.message() << "\n";
    }
    return 2;
}

// Lists the conflicts of a system database: exit 0 when there are none, 1 when there are, 2 when
// the file cannot be read.
int runValidate(const Options& options) {
    try {
        const auto database = app::openSound(QStringLiteral("The database"), options.validate, {});
        const QList<app::Finding> findings = app::validate(*database);
        QTextStream out(stdout);
        for (const app::Finding& finding : findings)
            out << finding.line() << "\n";
        return findings.isEmpty() ? 0 : 1;
    } catch (const db::DbError& error) {
        QTextStream(stderr) << "orbis-config: " << error.message() << "\n";
    }
    return 2;
}

int runHeadless(const Options& options) {
    QTextStream err(stderr);
    Program program(options);
    form::ScriptRunner runner(program.forms);
    program.forms.setHost(&runner.host());
    app::Session& session = program.session;
    bool otherInstance = false;
    session.editor().setInstanceCheck(
        [check = instanceCheck(program.guard), &otherInstance] { return otherInstance = check(); });
    session.editor().setQuit([] {});
    // An error the editor caught is shown and the script goes on; the run then ends non-zero.
    runner.host().setErrorHandler(
        [&err](const QString& text) { err << "orbis-config: error: " << text << Qt::endl; });
    installStoreFault();
    bool refused = false;
    try {
        if (!options.script.isEmpty())
            runner.loadFile(options.script);
        try {
            session.start();
        } catch (const form::ScriptError&) {
            // The box that tells why the installation was refused is left for the line below.
            if (!session.pages().database.isLocked())
                throw;
        }
        if (otherInstance) {
            err << "orbis-config: another instance works on this installation; it was asked to "
                   "come to the front\n";
            return 3;
        }
        // A locked editor is a failure for automation: nothing the script would do can work.
        refused = session.pages().database.isLocked();
        if (!refused)
            runner.run();
    } catch (const form::ScriptError& error) {
        err << "orbis-config: " << error.message() << "\n";
        return 1;
    }
    if (!options.dump.isEmpty()) {
        const QByteArray dump = form::controlDump(program.forms);
        if (options.dump == QStringLiteral("-")) {
            QTextStream(stdout) << dump;
        } else {
            QFile file(options.dump);
            if (!file.open(QIODevice::WriteOnly) || file.write(dump) != dump.size()) {
                err << "orbis-config: cannot write " << options.dump << "\n";
                return 1;
            }
        }
    }
    if (refused) {
        err << "orbis-config: start-up refused: " << session.pages().database.lMsg.caption()
            << "\n";
        return 5;
    }
    return runner.host().unacknowledgedErrors().isEmpty() ? 0 : 4;
}

int runWindow(QApplication& application, const Options& options) {
    Program program(options);
    ui::WindowApp window(program.forms);
    program.forms.setHost(&window.host());
    app::Session& session = program.session;
    QObject::connect(&program.guard, &platform::SingleInstance::raiseRequested,
                     [&window] { window.host().raiseMainWindow(); });
    bool quit = false;
    session.editor().setQuit([&quit] {
        quit = true;
        QCoreApplication::quit();
    });
    session.start();
    if (quit)
        return 0;
    return application.exec();
}

// Whether the window system has a display to open the window on. Without one the platform
// plugin would abort the program with a message about plugins.
bool displayAvailable() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    bool headless = false;
    bool onlyInformation = false;
    bool platformChosen = false; // Qt's own -platform option
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char* option : {"--headless", "--import", "--diff", "--validate"})
            headless =
                headless || argument == option || argument.startsWith(QByteArray(option) + '=');
        onlyInformation = onlyInformation || argument == "-h" || argument == "--help" ||
                          argument == "--help-all" || argument == "-v" || argument == "--version";
        platformChosen = platformChosen || argument == "-platform";
    }
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBIS_VERSION));
    if (headless || onlyInformation) {
        // The help and the version need no display either: the parser prints them and ends.
        QCoreApplication application(argc, argv);
        const Options options = parse(application.arguments());
        if (!options.importFrom.isEmpty())
            return runImport(options);
        if (!options.diffFrom.isEmpty())
            return runDiff(options);
        if (!options.validate.isEmpty())
            return runValidate(options);
        return runHeadless(options);
    }
    if (!platformChosen && !displayAvailable()) {
        QTextStream(stderr) << "orbis-config: there is no display to open the window on (DISPLAY "
                               "and WAYLAND_DISPLAY are not set); run with --headless to work "
                               "without a window\n";
        return 2;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORBIS_APP_ID));
    return runWindow(application, parse(application.arguments()));
}
