#pragma once

#include <QString>
#include <memory>

namespace db {

class Database;
class RowChanges;

// A savepoint inside the open transaction of a connection: release() keeps what was written
// since it was taken; rollback(), or destruction without release, undoes it and leaves the
// transaction going. The destructor never throws.
//
// A savepoint notices when it has nothing left to return to: its connection was closed (a store
// or restore reopens the working copy; the handle may be gone), the engine gave up the whole
// transaction after an I/O error, or the transaction was committed on the way (save as). It then
// does nothing: rollback() says false and release() does nothing.
//
// Taken outside a transaction the savepoint is inactive from the start: there is no unit of work
// to undo part of.
class Savepoint {
public:
    explicit Savepoint(Database& database);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    // Whether the savepoint can still be returned to, as far as the connection tells.
    bool isActive() const;
    // Keeps what was written since the savepoint and ends it; false when there was nothing to
    // release. Never throws.
    bool release();
    // Undoes what was written since the savepoint and ends it; false when there was nothing to
    // return to. Never throws.
    bool rollback();

private:
    bool connectionAlive() const;

    Database& m_database;
    std::weak_ptr<const void> m_connection;
    QString m_name;
    bool m_done = false;
    // The connection's record of row changes and its position when the savepoint was taken:
    // a rollback drops what was recorded since.
    RowChanges* m_changes = nullptr;
    qint64 m_mark = 0;
};

} // namespace db
