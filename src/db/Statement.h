#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

#include "Database.h"
#include "DbError.h"

namespace db {

class Database;
class RowChanges;
struct SchemaAccess;
// Whether a prepared statement changes a schema (CREATE, ALTER, DROP) or may take such a
// change back (ROLLBACK), or rewrites the file (VACUUM, REINDEX, ANALYZE).
bool isSchemaStatement(sqlite3_stmt* statement);
// The kind of error an engine result code stands for.
DbError::Kind errorKind(int code);
// Why the engine failed, in words that continue a sentence ("input/output error", "no space
// left on device", "another program holds it locked"); empty where only the engine's own text
// can say it.
QString reasonOf(int code, int systemError);
// "Cannot write" or "Cannot read": from the result code where it tells which it was, else from
// whether the statement writes.
QString actionOf(int code, bool writes);
// The error for a failed engine call on file: what failed, the file as the user knows it, why in
// words, then the engine's own text in parentheses.
DbError engineError(const QString& what, const QString& file, DbError::Engine engine);

// One prepared SQL statement. It is reset after each use, so a cached statement can be run
// again at once; errors name the database file and carry the statement text.
// The one field of one table that a statement's own updates change (Statement::setUpdatesField).
struct UpdatedField {
    QByteArray schema; // as the engine names them, in UTF-8
    QByteArray table;
    int column = -1; // its position among the table's fields; -1: no word given
    int columns = 0; // the table's fields
};

class Statement {
public:
    Statement(sqlite3* connection, const QString& sql, const QString& fileName);
    // A statement of a database handle: it reaches only the handle's own schema, so that an
    // attached file's table is never read or written by mistake (see Database::attach).
    Statement(const Database& database, const QString& sql, Reach reach = Reach::OwnFile);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QString& sql() const { return m_sql; }

    void bind(int index, const QVariant& value); // index counts from 1
    void bindAll(const QVariantList& values);
    bool step(); // true while a row is current
    void reset();
    // The caller's word that every row the statement updates takes a value it did not hold (its
    // condition leaves the others out, see differs()): the record of row changes then need not
    // compare the values of each row it updates. Kept until changed.
    void setChangesEveryRow(bool changes) { m_changesEveryRow = changes; }
    // Says that the statement updates this one field of the rows of this table of its own file:
    // the undo record then keeps only that field of each row the statement itself updates. No
    // word (an empty field) keeps whole rows.
    void setUpdatesField(const QString& table, const QString& field);
    void run(); // step to the end, then reset

    int columnCount() const;
    QString columnName(int column) const;
    QString declaredType(int column) const;
    QString originTable(int column) const;  // empty for computed columns
    QString originColumn(int column) const; // empty for computed columns
    QVariant value(int column) const;       // raw stored value; null variant for NULL
    // The stored value without a conversion, for reading many rows: an integer, or the UTF-8
    // bytes of a text, valid until the next step. Other values give nothing.
    std::optional<qint64> integer(int column) const;
    std::optional<QByteArrayView> utf8(int column) const;
    int columnIndex(const QString& name) const; // case-insensitive, -1 when absent

private:
    // Binds the values it recorded exactly as the engine stored them.
    friend class RowChanges;
    [[noreturn]] void fail(int code) const;
    void prepare();

    sqlite3* m_connection;
    sqlite3_stmt* m_statement = nullptr;
    QString m_sql;
    QString m_fileName;
    SchemaAccess* m_access = nullptr;
    QByteArray m_schema;
    // Where columnIndex() last found each name; checked against the column's name before use.
    mutable QHash<QString, int> m_columnHints;
    bool m_mayChange = true;       // not a plain read: a write, a schema change or a transaction's
    bool m_schemaStatement = true; // changes a schema or may take such a change back
    bool m_changesEveryRow = false;
    // The word of setUpdatesField, and what it names, found when a record first needs it and
    // again after a schema statement of the connection.
    bool m_fieldWord = false;
    QString m_fieldTable;
    QString m_fieldName;
    bool m_fieldFound = false;
    quint64 m_fieldFoundAt = 0; // the connection's count of schema statements then
    UpdatedField m_updatesField;
    const UpdatedField* updatedField();
    bool m_boundary = false; // neither reads nor writes rows: BEGIN, COMMIT, SAVEPOINT, ...
    const Database* m_database = nullptr; // its record of row changes hears where each run ends
    RowChanges* m_changes = nullptr;      // that record as the running run began
    qint64 m_mark = 0;                    // and its position then
};

// A cached statement of a database in use for one scope: bound, stepped, and reset when the
// scope ends, however it ends, so that the next user of the same text finds it ready.
class ScopedStatement {
public:
    ScopedStatement(Database& database, const QString& sql, Reach reach = Reach::OwnFile);
    ~ScopedStatement() {
        m_statement.reset();
        m_statement.setChangesEveryRow(false);
        m_statement.setUpdatesField({}, {});
    }
    ScopedStatement(const ScopedStatement&) = delete;
    ScopedStatement& operator=(const ScopedStatement&) = delete;

    ScopedStatement& bind(int index, const QVariant& value) {
        m_statement.bind(index, value);
        return *this;
    }
    bool next() { return m_statement.step(); }
    ScopedStatement& changesEveryRow() {
        m_statement.setChangesEveryRow(true);
        return *this;
    }
    ScopedStatement& updatesField(const QString& table, const QString& field) {
        m_statement.setUpdatesField(table, field);
        return *this;
    }
    const Statement& statement() const { return m_statement; }

    // The value of a field of the current row, typed as the table declares it; a field the row
    // lacks is an error naming the table.
    QVariant value(const QString& table, const QString& field) const;

private:
    Database& m_database;
    Statement& m_statement;
};

} // namespace db
