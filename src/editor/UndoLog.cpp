#include "UndoLog.h"

#include "Editor.h"

#include <db/Database.h>
#include <db/SchemaAccess.h>

namespace editor {

UndoLog::UndoLog(Editor& editor) : m_editor(editor) {
    // The record's memory is made ready here, before the first action, which would otherwise
    // pay for it.
    db::RecordMemory::reserve();
}

void UndoLog::reset() {
    const bool had = canUndo() || canRedo();
    m_undo.clear();
    m_redo.clear();
    if (had)
        notify();
}

void UndoLog::notify() const {
    if (m_changed)
        m_changed();
}

// Read around every action: the statements stay prepared.
quint64 UndoLog::schemaStatements() const {
    const db::SchemaAccess* access = m_editor.work().schemaAccess();
    return access ? access->schemaStatements : 0;
}

QString UndoLog::schemaVersions() const {
    QString versions = QString::number(m_editor.work().schemaVersion()) + u'/';
    if (m_editor.isTemplateOpen())
        versions += QString::number(m_editor.templ().schemaVersion()) + u'/';
    return versions;
}

bool UndoLog::ready() const {
    return m_generation == m_editor.workGeneration();
}

db::RowChanges* UndoLog::changes() const {
    return m_editor.isWorkOpen() && ready() ? m_editor.work().rowChanges() : nullptr;
}

void UndoLog::prepare() {
    m_move = Move::None;
    m_clearAfter = false;
    m_schemaChanged = false;
    if (!m_editor.isWorkOpen())
        return;
    db::RowChanges& record = m_editor.work().recordRowChanges();
    if (!ready()) {
        reset();
        m_generation = m_editor.workGeneration();
        // The schema as the history knows it; an action that leaves it otherwise ends it.
        m_schema = schemaVersions();
        m_schemaStatements = schemaStatements();
    }
    // What was written outside of an action is no step of the history.
    record.take();
}

void UndoLog::committing() {
    // Read within the action's transaction, which holds the files' locks already.
    // Without a statement that changes a schema since the versions were right, they still are.
    if (!m_editor.isWorkOpen() || !ready() || schemaStatements() == m_schemaStatements) {
        m_schemaChanged = false;
        return;
    }
    m_schemaChanged = schemaVersions() != m_schema;
    m_schemaStatements = schemaStatements();
}

void UndoLog::committed() {
    const Move move = m_move;
    m_move = Move::None;
    db::RowChanges* record = changes();
    if (!record) {
        // A restore (or start-up) opened a new working copy: its history starts with the next
        // action.
        m_generation = -1;
        reset();
        return;
    }
    Step step = record->take();
    if (m_clearAfter) {
        reset();
        return;
    }
    if (m_schemaChanged || !step.isComplete()) {
        // The next action takes the schema as it is now.
        m_generation = -1;
        const bool had = canUndo() || canRedo();
        reset();
        if (had && m_schemaChanged && m_ended)
            m_ended();
        return;
    }
    if (move == Move::Undo) {
        m_undo.pop_back();
        m_redo.push_back(std::move(step));
    } else if (move == Move::Redo) {
        m_redo.pop_back();
        m_undo.push_back(std::move(step));
    } else {
        if (step.isEmpty())
            return;
        m_undo.push_back(std::move(step));
        m_redo.clear();
    }
    notify();
}

void UndoLog::rolledBack() {
    m_move = Move::None;
    m_clearAfter = false;
    // The rollback dropped the action's records already; whatever an action that broke off
    // left goes too.
    if (db::RowChanges* record = changes())
        record->take();
}

void UndoLog::clear() {
    m_clearAfter = true;
}

void UndoLog::undo() {
    db::RowChanges* record = changes();
    if (!canUndo() || m_move != Move::None || !record)
        return;
    record->replay(m_undo.back());
    m_move = Move::Undo;
}

void UndoLog::redo() {
    db::RowChanges* record = changes();
    if (!canRedo() || m_move != Move::None || !record)
        return;
    record->replay(m_redo.back());
    m_move = Move::Redo;
}

} // namespace editor
