#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct sqlite3;

namespace db {

struct ReadMemo;

// Which schema of a connection the statement being prepared or run may reach. A connection with
// attached databases has one; each handle's statements set their own schema around each call
// into the engine, so that an unqualified name that resolves to another file's table (the
// engine searches every attached file) fails instead of reading or writing the wrong database.
struct SchemaAccess {
    bool guarded = false;          // the connection's authorizer is installed
    const char* current = nullptr; // nothing or empty: any schema
    QString denied;                // the last access refused, for the error message
    // Counts the statements run that may change a schema or begin or end a transaction:
    // inside a transaction, while it stands still, no schema of the connection can have changed.
    quint64 possibleChanges = 0;
    // Counts the statements run that change a schema (CREATE, ALTER, DROP, VACUUM, ...) or may take
    // such a change back (ROLLBACK): while it stands still, no schema of the connection changed.
    quint64 schemaStatements = 0;
    // Counts the statements run that begin or end a transaction or a savepoint (and others that
    // neither read nor write rows): with the connection's count of changed rows and the schema
    // statements, while these stand still inside a transaction, what the connection reads stays.
    quint64 boundaries = 0;
    // Counts the statements that failed: the engine may have taken back the whole transaction.
    quint64 failures = 0;
    // Counts the files attached and detached.
    quint64 attachments = 0;
    // A number no other connection of the process has had.
    quint64 serial = 0;
    // The open read scopes of the connection (Database::ReadScope) and what they keep.
    int readScopes = 0;
    std::shared_ptr<ReadMemo> memo;

    // Installs the authorizer on the connection (once).
    void guard(sqlite3* connection);
};

// Sets the reachable schema for the length of a call. Set around every step of every statement:
// it only points at the name, which the caller keeps for longer than the scope.
class SchemaScope {
public:
    SchemaScope(SchemaAccess* access, const QByteArray& schema)
        : m_access(access && access->guarded ? access : nullptr) {
        if (!m_access)
            return;
        m_previous = m_access->current;
        m_access->current = schema.constData();
        if (!m_access->denied.isNull())
            m_access->denied.clear();
    }
    ~SchemaScope() {
        if (m_access)
            m_access->current = m_previous;
    }
    SchemaScope(const SchemaScope&) = delete;
    SchemaScope& operator=(const SchemaScope&) = delete;

private:
    SchemaAccess* m_access;
    const char* m_previous = nullptr;
};

} // namespace db
