#pragma once

#include <db/RowChanges.h>
#include <deque>
#include <functional>

namespace editor {

class Editor;

// Undo and redo of whole user actions over the working copy and the template database.
//
// The working copy's connection records what takes back each row write to both files, in
// memory (db::RowChanges, through the engine's pre-update hook), so that nothing of the
// mechanism is in any file or schema. The record follows the action's transaction and its
// savepoints: a failed action, or a failed part of one, takes its records with it. An action is
// one step; undoing a step writes what takes back its writes, newest first, and what those
// writes record in turn redoes it.
//
// The history ends with every opening of the working copy (start-up, a store, a restore) and
// with an action that changes the schema: the recorded rows name the tables and fields as they
// were.
class UndoLog {
public:
    explicit UndoLog(Editor& editor);

    // Around each user action (the action boundary): before its transaction begins, before and
    // once it committed, and when it was rolled back.
    void prepare();
    void committing();
    void committed();
    void rolledBack();

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Within an action: takes back the last step, or makes it again.
    void undo();
    void redo();
    // Ends the history once the running action is done (the history of stores was cleared).
    void clear();

    // Told whenever canUndo or canRedo may have changed.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    // Told when an action ended the history by changing the schema.
    void setEnded(std::function<void()> ended) { m_ended = std::move(ended); }

private:
    using Step = db::RowChanges::Run;
    bool ready() const;
    // The running record of the working copy opened last; none outside of it.
    db::RowChanges* changes() const;
    QString schemaVersions() const;
    quint64 schemaStatements() const;
    void reset();
    void notify() const;

    Editor& m_editor;
    int m_generation = -1; // the opening of the working copy that records
    // Steps stay where they are as the history grows.
    std::deque<Step, db::RecordAllocator<Step>> m_undo;
    std::deque<Step, db::RecordAllocator<Step>> m_redo;
    // The running action.
    QString m_schema;               // the schema versions the history knows
    quint64 m_schemaStatements = 0; // the connection's count of them when m_schema was right
    bool m_schemaChanged = false;
    bool m_clearAfter = false;
    enum class Move { None, Undo, Redo };
    Move m_move = Move::None;
    std::function<void()> m_changed;
    std::function<void()> m_ended;
};

} // namespace editor
