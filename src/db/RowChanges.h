#pragma once

#include "RecordMemory.h"

#include <QString>
#include <QtGlobal>
#include <memory>

struct sqlite3;

namespace db {

class Database;
struct UpdatedField;

// What takes back each row written through a connection, recorded as the engine writes it (its
// pre-update hook), for the files of the connection (main and every attached one; not temp, not
// the engine's own sqlite_ tables): an inserted row is deleted by its rowid, a deleted row is
// inserted again with its rowid and its values, an updated row gets its rowid and values back.
// An update that leaves every value as it was (compared as stored, texts byte for byte) is not
// recorded, nor one of a row whose earlier write in the same action is recorded already (the
// earlier entry takes the row back to where the action found it). Values are kept as the engine
// stores them (kind and bytes) and bound as they are when a record is replayed, so that kinds, real
// numbers and texts come back exactly. Nothing of it is in any file or schema.
//
// The record follows the connection's transactions: a rollback, also the engine's own after an
// input/output error, drops what was recorded since the transaction began; a savepoint rolled
// back drops what was recorded since it was taken; a statement that fails drops the rows it
// wrote before it failed, which the engine backed out. The engine wrapper (Statement, Savepoint)
// tells the record about statements and savepoints; the hook itself only collects in memory, as
// the engine requires of it.
class RowChanges {
    struct Target;
    struct Entry;

public:
    // Writes taken out of the record, oldest first.
    class Run {
    public:
        Run();
        ~Run();
        Run(Run&&) noexcept;
        Run& operator=(Run&&) noexcept;
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        bool isEmpty() const;
        qsizetype size() const;
        // False when a write could not be recorded (the memory for its values ran out): the run
        // then does not take back everything that was written.
        bool isComplete() const { return m_complete; }

    private:
        friend class RowChanges;
        RecordVector<Entry> m_entries;
        RecordVector<char> m_values; // the stored values of the entries, one after the other
        bool m_complete = true;
    };

    // Starts recording on the connection of database (its main handle). Fails with a DbError
    // when the engine was built without its pre-update hook.
    explicit RowChanges(Database& database);
    ~RowChanges();
    RowChanges(const RowChanges&) = delete;
    RowChanges& operator=(const RowChanges&) = delete;
    // With the rest of the record, apart from the editor's heap.
    static void* operator new(std::size_t bytes) { return RecordMemory::allocate(bytes); }
    static void operator delete(void* self, std::size_t bytes) noexcept {
        RecordMemory::release(self, bytes);
    }

    // A position in the record: what is recorded later can be dropped with dropSince().
    qint64 mark() const;
    // Drops what was recorded from mark on; nothing when it was taken out already.
    void dropSince(qint64 mark);
    // Takes everything recorded so far out of the record.
    Run take();
    // Writes, newest first, what takes back each write of run, through the handle of its file.
    // These writes are recorded in turn: the record they leave takes the replay back. The run
    // itself stays as it is, so that a replay that fails can be tried again.
    void replay(const Run& run);

    // Told by the engine wrapper as a statement starts: whether every row it updates changes
    // (see Statement::setChangesEveryRow), which spares comparing each row's values. A promise
    // that does not hold only costs an entry that writes the row as it is. field, when given,
    // is the one field the statement's own updates change (Statement::setUpdatesField): their
    // entries keep that field alone. It must stay until the statement ends.
    void statementStarted(bool changesEveryRow, const UpdatedField* field) {
        m_everyRowChanges = changesEveryRow;
        m_updatesField = field;
    }
    // Told by the engine wrapper after a statement ended: failed says it failed, mark is the
    // position the record had when it started.
    void statementEnded(qint64 mark, bool failed);

private:
    static void preUpdate(void* self, sqlite3* connection, int operation, const char* schema,
                          const char* table, qint64 before, qint64 after);
    static void rolledBack(void* self);
    void record(int operation, const char* schema, const char* table, qint64 before, qint64 after);
    const std::shared_ptr<Target>& target(const char* schema, const char* table);
    // Whether what takes back the row at rowid of target, as it is now, is recorded already
    // since the record was last taken out (the running action): a later update of the row then
    // needs no entry of its own. The engine backs out a later write with the earlier one or
    // without it, never the earlier alone, so the entry stays right through every rollback.
    // column is the one field the new update changes, -1 for any: an entry that keeps only
    // another field does not take the row back.
    bool writtenInAction(const Target& target, qint64 rowid, int column) const;
    // Whether the update the engine is about to make is the running statement's own update of
    // the one field it gave its word for.
    bool ofUpdatedField(const char* schema, const char* table) const;
    Database& handleOf(const QString& schema) const;

    Database& m_database;
    sqlite3* m_connection;
    RecordVector<Entry> m_pending;
    // The stored values of the pending entries, in one block rather than one allocation per row.
    RecordVector<char> m_values;
    qint64 m_first = 0; // the position of the first pending entry
    // Whether the pending entries from m_begin on belong to a transaction that has not ended.
    bool m_open = false;
    qint64 m_begin = 0;
    bool m_complete = true;
    bool m_everyRowChanges = false;               // of the running statement
    const UpdatedField* m_updatesField = nullptr; // of the running statement
    RecordVector<std::shared_ptr<Target>> m_targets;
    std::shared_ptr<Target> m_last;
};

} // namespace db
