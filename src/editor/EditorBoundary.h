#pragma once

#include <QString>
#include <form/ActionBoundary.h>
#include <functional>

namespace editor {

class Editor;

// The edge of every user action: the action runs in one transaction of the working copy, so
// that all its writes land together or not at all. An unexpected database or file error rolls
// the transaction back, is shown in a message box and in the status line, and the page in front
// is read again from the database.
class EditorBoundary : public form::ActionBoundary {
public:
    EditorBoundary(Editor& editor, std::function<void()> reread)
        : m_editor(editor), m_reread(std::move(reread)) {}

    void run(const std::function<void()>& action) override;

    // Errors caught so far (the headless runner fails on them).
    int caughtErrors() const { return m_caught; }

private:
    void report(const QString& message);

    Editor& m_editor;
    std::function<void()> m_reread;
    int m_depth = 0;
    int m_caught = 0;
};

} // namespace editor
