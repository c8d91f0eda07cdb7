#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace editor {

class Editor;

// Undo and redo of whole user actions over the working copy and the template database.
//
// Every write is recorded by TEMP triggers into a TEMP table of the working copy's connection,
// as the statement that takes it back (the engine's documented undo technique): the temporary
// schema never reaches a file, so nothing of the mechanism can land in a stored database. The
// log rows of an action are written inside its transaction, so a failed action takes its rows
// with it. An action is one step; undoing a step runs its statements backwards, and the triggers
// record what redoes it.
//
// The triggers are made again for every opening of the working copy (a store or a restore
// opens a new one, and the history ends there); an action that changes the schema ends the
// history too, since the triggers know the tables and fields as they were.
class UndoLog {
public:
    explicit UndoLog(Editor& editor) : m_editor(editor) {}

    // Around each user action (the action boundary): before its transaction begins, before and
    // once it committed, and when it was rolled back.
    void prepare();
    void committing();
    void committed();
    void rolledBack();

    // Makes the triggers for the working copy opened last, outside of any action, so that the
    // next action does not wait for them: the window and a headless run ask for it when idle
    // after start-up, an action that opened the working copy anew (a restore) or a change of the
    // schema. An action that finds them missing makes them itself; a failure here leaves them
    // to it.
    void makeReady();
    void makeReadyWhenIdle();

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
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
    struct Step {
        qint64 first = 0;
        qint64 last = 0;
    };
    bool ready() const;
    void ensureTriggers();
    void makeTriggers();
    qint64 lastSeq() const;
    QString schemaVersions() const;
    Step replay(const Step& step);
    void reset();
    void notify() const;

    Editor& m_editor;
    int m_generation = -1; // the opening of the working copy the triggers belong to
    QList<Step> m_undo;
    QList<Step> m_redo;
    // The running action.
    qint64 m_seqBefore = 0;
    QString m_schema; // the schema versions the triggers were made for
    bool m_schemaChanged = false;
    bool m_clearAfter = false;
    enum class Move { None, Undo, Redo };
    Move m_move = Move::None;
    Step m_moved;
    std::function<void()> m_changed;
    std::function<void()> m_ended;
};

} // namespace editor
