#pragma once

#include "Editor.h"
#include "EditorBoundary.h"

namespace app {

// The editor put together: the shared state, the action boundary and every handler of the main
// window and its dialogs. The window and the headless runner both drive it.
class Session {
public:
    Session(form::FormSet& forms, platform::Platform& platform, const QString& templatePath);

    Editor& editor() { return m_editor; }
    EditorBoundary& boundary() { return m_boundary; }

    // The main window's load: shows it and runs start-up.
    void start();

    // The application's version as the About box shows it.
    static QString versionText();

private:
    void connectMainWindow();
    void connectDialogs();
    void showAbout();
    void startSystemInformation();

    Editor m_editor;
    EditorBoundary m_boundary;
};

} // namespace app
