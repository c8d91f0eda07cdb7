#include "EditorBoundary.h"

#include "Editor.h"
#include "Texts.h"
#include "UndoLog.h"

#include <db/Savepoint.h>
#include <form/FormSet.h>
#include <form/ScriptError.h>
#include <optional>

namespace editor {

namespace {

struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
};

QString messageOf(const std::exception& error) {
    if (const auto* dbError = dynamic_cast<const db::DbError*>(&error))
        return dbError->message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

void EditorBoundary::run(const std::function<void()>& action) {
    if (m_depth > 0) {
        runNested(action);
        return;
    }
    const Depth depth(m_depth);
    m_broken = false;
    const bool live = m_editor.isLive();
    try {
        // Before the transaction: it sets the undo record aside what was written outside of
        // an action.
        if (m_undo && m_editor.isWorkOpen() && !m_editor.work().inTransaction())
            m_undo->prepare();
        if (m_editor.isWorkOpen() && !m_editor.work().inTransaction())
            m_editor.work().begin();
        action();
        if (m_broken) {
            // A dialog's action failed and took the transaction with it; what the action wrote
            // after that must not land on its own. Its error has been shown.
            m_editor.rollbackWork();
            if (m_undo)
                m_undo->rolledBack();
            if (m_reread && m_editor.isWorkOpen())
                report(QString(), false);
            return;
        }
        if (m_undo)
            m_undo->committing();
        // Store and restore reopen the working copy; a fresh one has nothing to commit.
        m_editor.commitWork();
        if (m_undo)
            m_undo->committed();
    } catch (const form::ScriptError&) {
        m_editor.rollbackWork();
        if (m_undo)
            m_undo->rolledBack();
        throw;
    } catch (const std::exception& error) {
        m_editor.rollbackWork();
        if (m_undo)
            m_undo->rolledBack();
        // The scopes of the action gave back what they changed; this holds for an action that
        // set the flag by hand.
        m_editor.setLive(live);
        report(messageOf(error));
        m_editor.setLive(live);
    } catch (...) {
        // Not an error of the program's own kinds: it ends the run, but not with half an action.
        m_editor.rollbackWork();
        if (m_undo)
            m_undo->rolledBack();
        throw;
    }
}

void EditorBoundary::runNested(const std::function<void()>& action) {
    const Depth depth(m_depth);
    const bool open = m_editor.isWorkOpen() && m_editor.work().inTransaction();
    // No savepoint without a transaction: the action then has nothing to undo part of.
    std::optional<db::Savepoint> savepoint;
    if (open)
        savepoint.emplace(m_editor.work());
    const bool live = m_editor.isLive();
    try {
        action();
        // A store closes the working copy, save as commits on its way: the savepoint is then
        // gone and what the action wrote stays.
        if (savepoint)
            savepoint->release();
    } catch (const form::ScriptError&) {
        throw; // the savepoint rolls back as it goes
    } catch (const std::exception& error) {
        if (open && !savepoint->rollback()) {
            m_broken = true;
            if (m_editor.isWorkOpen() && !m_editor.work().inTransaction())
                m_editor.work().begin();
        }
        m_editor.setLive(live);
        report(messageOf(error));
        m_editor.setLive(live);
    }
}

void EditorBoundary::report(const QString& message, bool show) {
    if (show) {
        ++m_caught;
        m_editor.setMessage(message);
        m_editor.host().showError(message, texts::kCaption);
    }
    if (!m_reread || !m_editor.isWorkOpen())
        return;
    // Inside a running action the pages are read within its transaction, under a savepoint.
    db::Database& work = m_editor.work();
    const bool own = !work.inTransaction();
    try {
        if (own) {
            work.begin();
            m_reread();
            m_editor.commitWork();
        } else {
            db::Savepoint savepoint(work);
            m_reread();
            savepoint.release();
        }
    } catch (const form::ScriptError&) {
        if (own)
            m_editor.rollbackWork();
        throw;
    } catch (const std::exception& error) {
        // The page stays as it is; the first message already tells what went wrong.
        if (own)
            m_editor.rollbackWork();
        m_editor.setMessage(message + QStringLiteral(" / ") + messageOf(error));
    }
}

} // namespace editor
