#pragma once

#include <QString>

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
    Startup(editor::Editor& editor, Pages& pages, Readout& readout, History& history)
        : m_editor(editor), m_pages(pages), m_readout(readout), m_history(history) {}

    // Runs when the main window is loaded and again at the end of every store.
    void run();
    // Disables the editing surface; Exit and closing the window stay available.
    void LockEditor();

    // The release test: the version text up to its first "." read as a number, at least 3.
    static bool releaseAllowed(const QString& version);

private:
    void refuse(const QString& message, bool closeSplash);
    void steps();

    editor::Editor& m_editor;
    Pages& m_pages;
    Readout& m_readout;
    History& m_history;
};

} // namespace app
