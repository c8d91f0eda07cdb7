#pragma once

#include "History.h"
#include "Pages.h"
#include "Readout.h"
#include "Startup.h"

#include <editor/Editor.h>
#include <editor/EditorBoundary.h>
#include <editor/UndoLog.h>

namespace app {

// The editor put together: the shared state, the action boundary, every page and dialog in
// the window's order, and the operations of the main window. The window and the headless runner
// both drive it.
class Session {
public:
    Session(form::FormSet& forms, platform::Platform& platform, const QString& templatePath);

    editor::Editor& editor() { return m_editor; }
    editor::EditorBoundary& boundary() { return m_boundary; }
    Pages& pages() { return m_pages; }
    Readout& readout() { return m_readout; }
    History& history() { return m_history; }
    Startup& startup() { return m_startup; }
    editor::UndoLog& undoLog() { return m_undo; }

    // The main window's load: shows it and runs start-up.
    void start();

private:
    void connectMainWindow();

    editor::Editor m_editor;
    editor::EditorBoundary m_boundary;
    editor::UndoLog m_undo{m_editor};
    Pages m_pages;
    Readout m_readout;
    History m_history;
    Startup m_startup;
};

} // namespace app
