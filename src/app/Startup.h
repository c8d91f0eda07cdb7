#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace db {
class Database;
}
namespace editor {
class Editor;
}

namespace app {

struct Pages;
class History;
class Readout;

// Turns the program into an editor bound to one open working copy of the system database, or
// into a locked editor that says why it refuses the installation.
class Startup {
public:
    enum class Outcome { Ready, HandedOver, Refused, Failed };
    struct Result {
        Outcome outcome = Outcome::Ready;
        QString reason; // why the editor is locked
    };

    Startup(editor::Editor& editor, Pages& pages, Readout& readout, History& history)
        : m_editor(editor), m_pages(pages), m_readout(readout), m_history(history) {}

    // Runs when the main window is loaded. A failure is shown in the status line and in a
    // message box, and the editor stays locked.
    void run();
    // The same, but a failure that is no refusal is left to the caller to report: a store says
    // first what it did.
    Result start();
    // Disables the editing surface; Exit and closing the window stay available.
    void LockEditor();

    // The release test: the version text up to its first "." read as a number, at least 3.
    static bool releaseAllowed(const QString& version);

    // The state of the system database that the working copy was taken from. Two copies that
    // the engine's backup made of one unchanged database have the same state.
    const QByteArray& systemState() const { return m_systemState; }
    static QByteArray stateOf(const QString& copyPath);

    // Tables that start-up and the readout read in every installation, and those they read from
    // the template database.
    static const QStringList& systemTables();
    static const QStringList& templateTables();

private:
    Result refuse(const QString& message, bool closeSplash);
    Result steps();
    void makeHiddenCopy(db::Database& system);

    editor::Editor& m_editor;
    Pages& m_pages;
    Readout& m_readout;
    History& m_history;
    QByteArray m_systemState;
};

} // namespace app
