#include "Database.h"

#include "DbError.h"
#include "SchemaAccess.h"
#include "SqlDialect.h"
#include "Statement.h"
#include "WriteFaults.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>
#include <utility>

namespace db {

namespace {

const QString kRelationsTable = QStringLiteral("MSysRelationships");

[[noreturn]] void failOpen(sqlite3* connection, const QString& path) {
    const QString reason = connection ? QString::fromUtf8(sqlite3_errmsg(connection))
                                      : QStringLiteral("out of memory");
    sqlite3_close_v2(connection);
    throw DbError(QStringLiteral("Cannot open database %1: %2").arg(path, reason));
}

sqlite3* openConnection(const QString& path, int flags) {
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, flags, nullptr) !=
        SQLITE_OK)
        failOpen(connection, path);
    sqlite3_extended_result_codes(connection, 1);
    sqlite3_busy_timeout(connection, 2000);
    return connection;
}

// Flushes a file's data to the disk; a database written by VACUUM INTO is not.
void syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw DbError(QStringLiteral("Cannot flush %1 to the disk").arg(path));
    }
    ::close(fd);
}

} // namespace

Database::Database(sqlite3* connection, const QString& path)
    : m_connection(connection), m_path(path), m_access(std::make_shared<SchemaAccess>()) {}

Database::~Database() {
    close();
}

std::unique_ptr<Database> Database::open(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Database file not found: %1").arg(path));
    sqlite3* connection = openConnection(path, SQLITE_OPEN_READWRITE);
    std::unique_ptr<Database> database(new Database(connection, path));
    // Reading the schema proves the file is a database; the rollback journal keeps it
    // self-contained even if some other program had switched it to WAL.
    database->execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    database->execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return database;
}

std::unique_ptr<Database> Database::create(const QString& path) {
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("Cannot create database %1: the file exists").arg(path));
    sqlite3* connection = openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    std::unique_ptr<Database> database(new Database(connection, path));
    database->execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    return database;
}

void Database::CompactDatabase(const QString& source, const QString& destination) {
    if (!QFileInfo(source).isFile())
        throw DbError(QStringLiteral("Database file not found: %1").arg(source));
    if (QFileInfo::exists(destination))
        throw DbError(
            QStringLiteral("Cannot compact %1 into %2: the file exists").arg(source, destination));
    sqlite3* connection = openConnection(source, SQLITE_OPEN_READONLY);
    try {
        Statement vacuum(connection, QStringLiteral("VACUUM INTO ?"), source);
        vacuum.bind(1, destination);
        vacuum.run();
    } catch (...) {
        sqlite3_close_v2(connection);
        QFile::remove(destination);
        throw;
    }
    sqlite3_close_v2(connection);
    syncFile(destination);
}

void Database::SnapshotDatabase(const QString& source, const QString& destination) {
    if (!QFileInfo(source).isFile())
        throw DbError(QStringLiteral("Database file not found: %1").arg(source));
    // A read transaction keeps writers of other programs from committing while the file is
    // copied, and rolls back a journal that a crashed writer left, so the copy is a complete
    // database exactly as the last commit left it.
    sqlite3* connection = openConnection(source, SQLITE_OPEN_READONLY);
    const QString partial = destination + QStringLiteral(".partial");
    try {
        Statement(connection, QStringLiteral("BEGIN"), source).run();
        Statement(connection, QStringLiteral("SELECT count(*) FROM sqlite_master"), source).run();
        QFile::remove(partial);
        if (!QFile::copy(source, partial))
            throw DbError(QStringLiteral("Cannot copy %1 to %2").arg(source, partial));
        syncFile(partial);
        if (::rename(QFile::encodeName(partial).constData(),
                     QFile::encodeName(destination).constData()) != 0)
            throw DbError(QStringLiteral("Cannot write %1").arg(destination));
        syncFile(QFileInfo(destination).absolutePath());
    } catch (...) {
        sqlite3_close_v2(connection);
        QFile::remove(partial);
        throw;
    }
    sqlite3_close_v2(connection);
}

std::unique_ptr<Database> Database::attach(const QString& path, const QString& schema) {
    ensureOpen();
    if (m_owner)
        throw DbError(
            QStringLiteral("Cannot attach %1 to the attached database %2").arg(path, m_path));
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Database file not found: %1").arg(path));
    // The engine would create a missing file; the check above keeps it from doing so.
    execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(bracket(schema)), {path});
    std::unique_ptr<Database> attached(new Database(m_connection, path));
    attached->m_schema = schema;
    attached->m_access = m_access;
    attached->m_owner = this;
    m_attached.append(attached.get());
    m_access->guard(m_connection);
    try {
        attached->execute(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(bracket(schema)));
        attached->execute(QStringLiteral("SELECT count(*) FROM %1").arg(attached->master()));
    } catch (const DbError& error) {
        attached.reset();
        throw DbError(QStringLiteral("Cannot open database %1: %2").arg(path, error.message()));
    }
    return attached;
}

QString Database::qualified(const QString& name) const {
    if (!m_owner)
        return bracket(name);
    return bracket(m_schema) + u'.' + bracket(name);
}

QString Database::master() const {
    return m_owner ? bracket(m_schema) + QStringLiteral(".sqlite_master")
                   : QStringLiteral("sqlite_master");
}

void Database::close() {
    m_cache.clear();
    if (!m_connection)
        return;
    if (m_owner) {
        // A detach fails inside a transaction; the file then stays attached until the
        // connection closes, which does no harm.
        try {
            execute(QStringLiteral("DETACH DATABASE %1").arg(bracket(m_schema)));
        } catch (const DbError&) {
        }
        m_owner->m_attached.removeOne(this);
        m_owner = nullptr;
        m_connection = nullptr;
        return;
    }
    for (Database* attached : std::as_const(m_attached)) {
        attached->m_cache.clear();
        attached->m_connection = nullptr;
    }
    m_attached.clear();
    sqlite3_close_v2(m_connection);
    m_connection = nullptr;
}

void Database::ensureOpen() const {
    if (!m_connection)
        throw DbError(QStringLiteral("Database %1 is closed").arg(m_path));
}

void Database::execute(const QString& sql, const QVariantList& params) {
    ensureOpen();
    const QString text = dialect::toSqlite(sql);
    if (params.isEmpty()) {
        const QByteArray utf8 = text.toUtf8();
        if (faults::armed())
            countWrites(utf8);
        const SchemaScope scope(m_access.get(), m_schema.toUtf8());
        char* error = nullptr;
        if (sqlite3_exec(m_connection, utf8.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            QString reason = QString::fromUtf8(error);
            sqlite3_free(error);
            if (!m_access->denied.isEmpty())
                reason = m_access->denied;
            throw DbError(QStringLiteral("%1 (in \"%2\" on %3)").arg(reason, sql, m_path));
        }
        return;
    }
    Statement statement(*this, text);
    statement.bindAll(params);
    statement.run();
}

void Database::countWrites(const QByteArray& text) {
    const SchemaScope scope(m_access.get(), m_schema.toUtf8());
    const char* tail = text.constData();
    while (tail && *tail) {
        sqlite3_stmt* statement = nullptr;
        const char* rest = nullptr;
        if (sqlite3_prepare_v2(m_connection, tail, -1, &statement, &rest) != SQLITE_OK)
            return; // running the text reports the error
        const bool writes = statement && !sqlite3_stmt_readonly(statement);
        const QString part = QString::fromUtf8(tail, int(rest - tail)).trimmed();
        sqlite3_finalize(statement);
        tail = rest;
        if (writes)
            faults::write(part, m_path);
    }
}

Statement& Database::cached(const QString& sql) {
    ensureOpen();
    auto it = m_cache.find(sql);
    if (it == m_cache.end())
        it = m_cache.insert(sql, std::make_shared<Statement>(*this, sql));
    return **it;
}

Recordset Database::OpenRecordset(const QString& source, const QVariantList& params) {
    ensureOpen();
    Recordset result;
    result.m_database = this;
    result.m_source = source;

    QString text;
    QString kind;
    {
        Statement& lookup =
            cached(QStringLiteral("SELECT type, name FROM %1 WHERE name = ? COLLATE NOCASE "
                                  "AND type IN ('table','view')")
                       .arg(master()));
        lookup.bind(1, source);
        QString name;
        if (lookup.step()) {
            kind = lookup.value(0).toString();
            name = lookup.value(1).toString();
        }
        lookup.reset();
        if (kind == u"table") {
            result.m_table = name;
            text = QStringLiteral("SELECT _rowid_, * FROM ") + qualified(name);
        } else if (kind == u"view") {
            text = QStringLiteral("SELECT * FROM ") + qualified(name);
        }
    }
    if (text.isEmpty()) {
        text = dialect::toSqlite(source);
        if (const auto single = dialect::parseSingleTableSelect(text)) {
            Statement& lookup =
                cached(QStringLiteral(
                           "SELECT name FROM %1 WHERE name = ? COLLATE NOCASE AND type = 'table'")
                           .arg(master()));
            lookup.bind(1, single->table);
            if (lookup.step())
                result.m_table = lookup.value(0).toString();
            lookup.reset();
            if (!result.m_table.isEmpty())
                text = QStringLiteral("SELECT _rowid_, %1 FROM %2 %3")
                           .arg(single->selectList, qualified(result.m_table), single->rest);
        }
    }

    Statement statement(*this, text);
    statement.bindAll(params);
    const int first = result.m_table.isEmpty() ? 0 : 1;
    const int count = statement.columnCount();
    for (int i = first; i < count; ++i) {
        Recordset::Column column;
        column.name = statement.columnName(i);
        column.type = fieldTypeFromDeclared(statement.declaredType(i));
        if (!result.m_table.isEmpty() &&
            statement.originTable(i).compare(result.m_table, Qt::CaseInsensitive) == 0) {
            column.origin = statement.originColumn(i);
            column.type = columnType(result.m_table, column.origin);
        }
        result.m_columns.append(column);
    }
    while (statement.step()) {
        Recordset::Row row;
        row.rowid = first ? statement.value(0).toLongLong() : 0;
        row.values.reserve(count - first);
        for (int i = first; i < count; ++i)
            row.values.append(fromStored(result.m_columns[i - first].type, statement.value(i)));
        result.m_rows.append(std::move(row));
    }
    return result;
}

QStringList Database::tableNames() const {
    ensureOpen();
    QStringList names;
    Statement statement(*this,
                        QStringLiteral("SELECT name FROM %1 WHERE type = 'table' AND "
                                       "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")
                            .arg(master()));
    while (statement.step())
        names.append(statement.value(0).toString());
    return names;
}

QList<Field> Database::tableFields(const QString& table) const {
    ensureOpen();
    QList<Field> fields;
    Statement statement(
        *this, QStringLiteral("PRAGMA %1.table_info(%2)").arg(bracket(m_schema), bracket(table)));
    while (statement.step()) {
        const QString name = statement.value(1).toString();
        fields.append(Field{name, columnType(table, name), QVariant()});
    }
    if (fields.isEmpty())
        throw DbError(QStringLiteral("No table %1 in %2").arg(table, m_path));
    return fields;
}

FieldType Database::columnType(const QString& table, const QString& column) const {
    const char* declared = nullptr;
    int autoIncrement = 0;
    if (!m_connection)
        return FieldType::Other;
    if (sqlite3_table_column_metadata(m_connection, m_schema.toUtf8().constData(),
                                      table.toUtf8().constData(), column.toUtf8().constData(),
                                      &declared, nullptr, nullptr, nullptr,
                                      &autoIncrement) != SQLITE_OK)
        return FieldType::Other;
    if (autoIncrement)
        return FieldType::Counter;
    return fieldTypeFromDeclared(QString::fromUtf8(declared));
}

void Database::createTable(const QString& name, const QList<FieldDef>& fields) {
    QStringList columns;
    for (const FieldDef& field : fields)
        columns.append(bracket(field.name) + u' ' + declaredType(field.type));
    execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(qualified(name), columns.join(u", ")));
}

void Database::appendField(const QString& table, const FieldDef& field) {
    if (field.type == FieldType::Counter)
        throw DbError(QStringLiteral("Cannot append the counter field %1 to the table %2 in %3")
                          .arg(field.name, table, m_path));
    execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                .arg(qualified(table), bracket(field.name), declaredType(field.type)));
}

QList<QueryDef> Database::queryDefs() const {
    ensureOpen();
    QList<QueryDef> queries;
    Statement statement(
        *this, QStringLiteral("SELECT name, sql FROM %1 WHERE type = 'view' ORDER BY rowid")
                   .arg(master()));
    while (statement.step())
        queries.append(QueryDef{statement.value(0).toString(),
                                dialect::viewBody(statement.value(1).toString())});
    return queries;
}

QString Database::querySql(const QString& name) const {
    for (const QueryDef& query : queryDefs())
        if (query.name.compare(name, Qt::CaseInsensitive) == 0)
            return query.sql;
    return QString();
}

bool Database::queryExists(const QString& name) const {
    for (const QueryDef& query : queryDefs())
        if (query.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void Database::createQueryDef(const QString& name, const QString& sql) {
    execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(qualified(name), dialect::toSqlite(sql)));
    // SQLite accepts a view over names that do not resolve; the query must work now.
    try {
        Statement check(*this, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(qualified(name)));
    } catch (const DbError& error) {
        execute(QStringLiteral("DROP VIEW %1").arg(qualified(name)));
        throw DbError(
            QStringLiteral("Stored query %1 is not valid: %2").arg(name, error.message()));
    }
}

void Database::deleteQueryDef(const QString& name) {
    if (!queryExists(name))
        throw DbError(QStringLiteral("No stored query %1 in %2").arg(name, m_path));
    execute(QStringLiteral("DROP VIEW %1").arg(qualified(name)));
}

QStringList Database::relationNames() const {
    ensureOpen();
    QStringList names;
    if (columnType(kRelationsTable, QStringLiteral("szRelationship")) == FieldType::Other)
        return names;
    Statement statement(*this,
                        QStringLiteral("SELECT szRelationship FROM %1 GROUP BY szRelationship "
                                       "ORDER BY min(rowid)")
                            .arg(qualified(kRelationsTable)));
    while (statement.step())
        names.append(statement.value(0).toString());
    return names;
}

void Database::deleteRelation(const QString& name) {
    ensureOpen();
    if (!relationNames().contains(name, Qt::CaseInsensitive))
        throw DbError(QStringLiteral("No relation %1 in %2").arg(name, m_path));
    execute(
        QStringLiteral("DELETE FROM %1 WHERE szRelationship = ?").arg(qualified(kRelationsTable)),
        {name});
}

void Database::begin() {
    execute(QStringLiteral("BEGIN"));
}
void Database::commit() {
    ensureOpen();
    if (sqlite3_txn_state(m_connection, nullptr) == SQLITE_TXN_WRITE)
        faults::write(QStringLiteral("COMMIT"), m_path);
    execute(QStringLiteral("COMMIT"));
    faults::committed();
}
void Database::rollback() {
    execute(QStringLiteral("ROLLBACK"));
}
bool Database::inTransaction() const {
    return m_connection && !sqlite3_get_autocommit(m_connection);
}

Transaction::Transaction(Database& database) : m_database(database) {
    if (!m_database.inTransaction()) {
        m_database.begin();
        m_owner = true;
    }
}

Transaction::~Transaction() {
    if (m_owner && !m_done && m_database.inTransaction()) {
        try {
            m_database.rollback();
        } catch (...) {
            // A failed rollback leaves SQLite to roll back when the connection closes.
        }
    }
}

void Transaction::commit() {
    if (m_owner && !m_done && m_database.inTransaction())
        m_database.commit();
    m_done = true;
}

} // namespace db
