#pragma once

#include <QString>

namespace app {

class Editor;

// Turns the program into an editor bound to one open working copy of the system database, or
// into a locked editor that says why it refuses the installation.
class Startup {
public:
    explicit Startup(Editor& editor) : m_editor(editor) {}

    // Runs when the main window is loaded and again at the end of every store.
    void run();
    // Disables the editing surface; Exit and closing the window stay available.
    void LockEditor();

    // The release test: the version text up to its first "." read as a number, at least 3.
    static bool releaseAllowed(const QString& version);

private:
    void refuse(const QString& message, bool closeSplash);
    void steps();

    Editor& m_editor;
};

} // namespace app
