#include "EditorBoundary.h"

#include "Editor.h"
#include "Texts.h"

#include <form/FormSet.h>
#include <form/ScriptError.h>

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
    if (m_editor.isWorkOpen() && !m_editor.work().inTransaction())
        m_editor.work().begin();
    try {
        action();
        if (m_broken) {
            // A dialog's action failed and took the transaction with it; what the action wrote
            // after that must not land on its own. Its error has been shown.
            m_editor.rollbackWork();
            if (m_reread && m_editor.isWorkOpen())
                report(QString(), false);
            return;
        }
        // Store and restore reopen the working copy; a fresh one has nothing to commit.
        m_editor.commitWork();
    } catch (const form::ScriptError&) {
        m_editor.rollbackWork();
        throw;
    } catch (const std::exception& error) {
        m_editor.rollbackWork();
        // The scopes of the action gave back what they changed; this holds for an action that
        // set the flag by hand.
        m_editor.setLive(live);
        report(messageOf(error));
        m_editor.setLive(live);
    } catch (...) {
        // Not an error of the program's own kinds: it ends the run, but not with half an action.
        m_editor.rollbackWork();
        throw;
    }
}

void EditorBoundary::runNested(const std::function<void()>& action) {
    const Depth depth(m_depth);
    const QString savepoint = QStringLiteral("action%1").arg(m_depth);
    const bool open = m_editor.isWorkOpen() && m_editor.work().inTransaction();
    const int generation = m_editor.workGeneration();
    if (open)
        m_editor.work().execute(QStringLiteral("SAVEPOINT ") + savepoint);
    // The savepoint is still there unless the action closed the working copy (a store) or the
    // engine gave up the whole transaction after an I/O error.
    auto savepointAlive = [&] {
        return open && m_editor.isWorkOpen() && m_editor.workGeneration() == generation &&
               m_editor.work().inTransaction();
    };
    auto undo = [&] {
        if (!savepointAlive())
            return false;
        try {
            m_editor.work().execute(QStringLiteral("ROLLBACK TO ") + savepoint);
            m_editor.work().execute(QStringLiteral("RELEASE ") + savepoint);
            return true;
        } catch (const db::DbError&) {
            return false;
        }
    };
    const bool live = m_editor.isLive();
    try {
        action();
        if (savepointAlive()) {
            try {
                m_editor.work().execute(QStringLiteral("RELEASE ") + savepoint);
            } catch (const db::DbError&) {
                // The action committed on its way (save as): the savepoint went with it.
            }
        }
    } catch (const form::ScriptError&) {
        undo();
        throw;
    } catch (const std::exception& error) {
        if (open && !undo()) {
            m_broken = true;
            if (m_editor.isWorkOpen() && !m_editor.work().inTransaction())
                m_editor.work().begin();
        }
        m_editor.setLive(live);
        report(messageOf(error));
        m_editor.setLive(live);
    } catch (...) {
        undo();
        throw;
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
    const QString savepoint = QStringLiteral("reread");
    auto undo = [&] {
        try {
            if (own) {
                m_editor.rollbackWork();
            } else if (work.inTransaction()) {
                work.execute(QStringLiteral("ROLLBACK TO ") + savepoint);
                work.execute(QStringLiteral("RELEASE ") + savepoint);
            }
        } catch (const db::DbError&) {
        }
    };
    try {
        work.execute((own ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT ") + savepoint));
        m_reread();
        if (own)
            m_editor.commitWork();
        else
            work.execute(QStringLiteral("RELEASE ") + savepoint);
    } catch (const form::ScriptError&) {
        undo();
        throw;
    } catch (const std::exception& error) {
        // The page stays as it is; the first message already tells what went wrong.
        undo();
        m_editor.setMessage(message + QStringLiteral(" / ") + messageOf(error));
    }
}

} // namespace editor
