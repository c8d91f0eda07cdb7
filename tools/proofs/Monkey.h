#pragma once

#include <QMap>
#include <QString>
#include <functional>

namespace app {
class Session;
}

namespace proofs {

struct MonkeyOptions {
    quint64 seed = 1;
    int actions = 2000;
    QString demoSystem;       // the demo system database to copy
    QString templateDatabase; // the template database to copy
    // Called every 100 actions with the number done.
    std::function<void(int)> progress;
    // Called after each start of the program, before the person acts (tests break handlers
    // here to prove that the checks find it).
    std::function<void(app::Session&)> started;
};

struct MonkeyReport {
    bool passed = false;
    QString failure;            // what went wrong, empty when passed
    int failedAction = 0;       // counting from 1
    QString script;             // the actions as a headless script that replays them
    QString folder;             // the installation\'s folder, which the script names
    int actions = 0;            // actions of the person in the main window
    int dialogActions = 0;      // actions inside the dialogs they opened
    int starts = 0;             // start-ups, the first one and those after the program ended
    int replacements = 0;       // times the system database file was replaced (store, save as)
    QMap<QString, int> verbs;   // script verbs used, with their counts
    QMap<QString, int> presses; // buttons and menu entries pressed, by form/name
    int controls = 0;           // different controls acted on
    qint64 milliseconds = 0;
};

// Performs random legal actions on a copy of the demo installation: any enabled, visible control
// of the form in front, random answers to questions and save-file dialogs, typed texts from a
// hostile set; the program is started again when an action ended it. After every action the
// editor must have caught no error and its controls must equal a fresh read of every page; after
// every replacement of the system database both files must pass the engine's integrity check.
// The same seed gives the same actions.
MonkeyReport runMonkey(const MonkeyOptions& options);

// A few lines on what a run did.
QString summary(const MonkeyReport& report, quint64 seed);

} // namespace proofs
