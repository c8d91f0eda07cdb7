#include "Savepoint.h"

#include "Database.h"
#include "DbError.h"
#include "RowChanges.h"

namespace db {

namespace {
// Nested savepoints get names of their own, so that a rollback never reaches an outer one of the
// same name.
int g_savepoints = 0;
} // namespace

Savepoint::Savepoint(Database& database)
    : m_database(database), m_connection(database.lifetime()),
      m_name(QStringLiteral("orbis_sp%1").arg(++g_savepoints)) {
    if (!m_database.inTransaction()) {
        m_done = true;
        return;
    }
    m_database.execute(QStringLiteral("SAVEPOINT ") + m_name);
    m_changes = m_database.rowChanges();
    m_mark = m_changes ? m_changes->mark() : 0;
}

Savepoint::~Savepoint() {
    rollback();
}

bool Savepoint::connectionAlive() const {
    // The handle itself may be gone: the lifetime must be asked before the handle is touched.
    return !m_connection.expired() && m_database.inTransaction();
}

bool Savepoint::isActive() const {
    return !m_done && connectionAlive();
}

bool Savepoint::release() {
    if (!isActive()) {
        m_done = true;
        return false;
    }
    m_done = true;
    try {
        m_database.execute(QStringLiteral("RELEASE ") + m_name);
        return true;
    } catch (const DbError&) {
        // Inside a transaction a release writes nothing: it fails only when the name went with a
        // commit on the way (and a transaction begun anew), and what was written stays.
        return false;
    }
}

bool Savepoint::rollback() {
    if (!isActive()) {
        m_done = true;
        return false;
    }
    m_done = true;
    try {
        m_database.execute(QStringLiteral("ROLLBACK TO ") + m_name);
        if (m_changes && m_changes == m_database.rowChanges())
            m_changes->dropSince(m_mark);
        m_database.execute(QStringLiteral("RELEASE ") + m_name);
        return true;
    } catch (const DbError&) {
        return false;
    }
}

} // namespace db
