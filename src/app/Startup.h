#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

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

    // What a store hands to the start-up that follows it: the system database it put in place,
    // compacted from the working copy, which therefore holds that database already.
    struct Handover {
        QString system;
        QByteArray placed;   // its file identity right after the replacement
        QByteArray header;   // the first bytes of the compacted file
        QVariant no;         // the history row the store added; invalid when it was not saved
        QVariant date;       // its date as stored
        bool strays = false; // files without a row were found at the numbers it passed over
    };

    // Runs when the main window is loaded. A failure is shown in the status line and in a
    // message box, and the editor stays locked.
    void run();
    // The same, but a failure that is no refusal is left to the caller to report: a store says
    // first what it did. After a store, handover spares the work done a moment ago, as long as
    // the registry still names the file the store placed and that file is still there as placed.
    Result start(Handover* handover = nullptr);
    // Disables the editing surface; Exit and closing the window stay available.
    void LockEditor();

    // The release test: the version text up to its first "." read as a number, at least 3.
    static bool releaseAllowed(const QString& version);

    // The system database as the working copy was taken from it. The fingerprint is its
    // content: an unchanged database, its copies through the engine's backup and its other
    // names have the same one. The identity and the header tell without reading the file that
    // it is still the same file, unwritten since: every commit of the engine to a database not
    // in WAL mode counts up the header's change counter, and any write moves the modification
    // time, which the kernel keeps finer than the time between two writes once it was read.
    // A WAL database has no identity here: its commits leave the file as it is.
    struct SystemState {
        QByteArray identity;
        QByteArray header;
        QByteArray fingerprint; // empty after a store: the new file was not read again
        // Whether path is still the file of this state, its header read through file.
        bool unwritten(const QString& path, QIODevice& file) const;
    };
    const SystemState& systemState() const { return m_systemState; }
    static QByteArray stateOf(const QString& copyPath);
    // The first bytes of a database file: the header the engine keeps its counters in.
    static QByteArray headerOf(QIODevice& file);

    // Tables that start-up and the readout read in every installation, and those they read from
    // the template database.
    static const QStringList& systemTables();
    static const QStringList& templateTables();

private:
    Result refuse(const QString& message, bool closeSplash);
    Result steps(Handover* handover);
    void makeHiddenCopy(db::Database& system);

    editor::Editor& m_editor;
    Pages& m_pages;
    Readout& m_readout;
    History& m_history;
    SystemState m_systemState;
};

} // namespace app
