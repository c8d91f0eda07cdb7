#pragma once

#include <QString>
#include <form/ActionBoundary.h>
#include <functional>

namespace editor {

class Editor;
class UndoLog;

// The edge of every user action: the action runs in one transaction of the working copy, with
// the template database attached to it, so that all its writes to both land together or not at
// all. An unexpected database or file error rolls the transaction back, is shown in a message box
// and in the status line, and every page is read again from the database; the editor then takes
// the next action.
//
// An action of a modal dialog that a running action opened (a button of the dialog) is part of
// the running action's unit of work; it runs under a savepoint of its own, so that an error undoes
// only what it wrote and is shown like any other, while the dialog stays open.
class EditorBoundary : public form::ActionBoundary {
public:
    EditorBoundary(Editor& editor, std::function<void()> reread)
        : m_editor(editor), m_reread(std::move(reread)) {}

    void run(const std::function<void()>& action) override;

    // Errors caught so far (the headless runner fails on them).
    int caughtErrors() const { return m_caught; }
    // Records each action as one step of undo and redo.
    void setUndoLog(UndoLog* log) { m_undo = log; }

private:
    void runNested(const std::function<void()>& action);
    // Shows the error (unless show is false), then reads the page in front again.
    void report(const QString& message, bool show = true);

    Editor& m_editor;
    std::function<void()> m_reread;
    int m_depth = 0;
    int m_caught = 0;
    UndoLog* m_undo = nullptr;
    // A nested action failed in a way that undid the whole transaction: the outer action must
    // not commit what it writes afterwards on its own.
    bool m_broken = false;
};

} // namespace editor
