#include "EditorBoundary.h"

#include "Editor.h"
#include "Texts.h"

#include <form/FormSet.h>
#include <form/ScriptError.h>

namespace editor {

namespace {

void rollbackWork(Editor& editor) {
    if (!editor.isWorkOpen() || !editor.work().inTransaction())
        return;
    try {
        editor.work().rollback();
    } catch (const db::DbError&) {
        // The connection rolls back what is left when it closes.
    }
}

} // namespace

void EditorBoundary::run(const std::function<void()>& action) {
    // A person acting in a modal dialog that the running action opened: the inner action is
    // part of the outer one's unit of work.
    if (m_depth > 0) {
        action();
        return;
    }
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(m_depth);

    if (m_editor.isWorkOpen() && !m_editor.work().inTransaction())
        m_editor.work().begin();
    try {
        action();
        // Store and restore reopen the working copy; a fresh one has nothing to commit.
        if (m_editor.isWorkOpen() && m_editor.work().inTransaction())
            m_editor.work().commit();
    } catch (const form::ScriptError&) {
        rollbackWork(m_editor);
        throw;
    } catch (const db::DbError& error) {
        rollbackWork(m_editor);
        report(error.message());
    } catch (const std::exception& error) {
        rollbackWork(m_editor);
        report(QString::fromLocal8Bit(error.what()));
    }
}

void EditorBoundary::report(const QString& message) {
    ++m_caught;
    m_editor.setMessage(message);
    m_editor.host().message(message, texts::kCaption, form::MessageIcon::Critical);
    if (!m_reread || !m_editor.isWorkOpen())
        return;
    try {
        m_editor.work().begin();
        m_reread();
        m_editor.work().commit();
    } catch (const form::ScriptError&) {
        rollbackWork(m_editor);
        throw;
    } catch (const std::exception& error) {
        // The page stays as it is; the first message already tells what went wrong.
        rollbackWork(m_editor);
        m_editor.setMessage(message + QStringLiteral(" / ") + QString::fromLocal8Bit(error.what()));
    }
}

} // namespace editor
