#include "Statement.h"

#include "Database.h"
#include "DbError.h"
#include "SchemaAccess.h"
#include "WriteFaults.h"

#include <sqlite3.h>

namespace db {

Statement::Statement(sqlite3* connection, const QString& sql, const QString& fileName)
    : m_connection(connection), m_sql(sql), m_fileName(fileName) {
    prepare();
}

Statement::Statement(const Database& database, const QString& sql)
    : m_connection(database.connection()), m_sql(sql), m_fileName(database.path()),
      m_access(database.schemaAccess()), m_schema(database.schemaName().toUtf8()) {
    if (!m_connection)
        throw DbError(QStringLiteral("Database %1 is closed").arg(m_fileName));
    prepare();
}

void Statement::prepare() {
    const SchemaScope scope(m_access, m_schema);
    const QByteArray text = m_sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(m_connection, text.constData(), int(text.size()), &m_statement, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    if (!m_statement) // an empty or comment-only text
        throw DbError(QStringLiteral("Empty SQL statement \"%1\" on %2").arg(m_sql, m_fileName));
}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

DbError::Kind errorKind(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError::Kind::Busy;
    case SQLITE_NOTADB:
        return DbError::Kind::NotADatabase;
    case SQLITE_CORRUPT:
        return DbError::Kind::Damaged;
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
        return DbError::Kind::Io;
    default:
        return DbError::Kind::Other;
    }
}

void Statement::fail(int code) const {
    QString reason = QString::fromUtf8(sqlite3_errmsg(m_connection));
    if (m_access && !m_access->denied.isEmpty())
        reason = m_access->denied;
    if (reason.isEmpty())
        reason = QString::fromUtf8(sqlite3_errstr(code));
    throw DbError(QStringLiteral("%1 (in \"%2\" on %3)").arg(reason, m_sql, m_fileName),
                  errorKind(code));
}

void Statement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_statement, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_statement, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(m_statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(m_statement, index, bytes.constData(), int(bytes.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_statement, index, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

void Statement::bindAll(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
}

bool Statement::step() {
    if (faults::armed() && !sqlite3_stmt_busy(m_statement) && !sqlite3_stmt_readonly(m_statement))
        faults::write(m_sql, m_fileName);
    // The engine prepares the statement again after a schema change, under the same rules.
    const SchemaScope scope(m_access, m_schema);
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_statement);
    fail(rc);
}

void Statement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString Statement::declaredType(int column) const {
    return QString::fromUtf8(sqlite3_column_decltype(m_statement, column));
}

QString Statement::originTable(int column) const {
    return QString::fromUtf8(sqlite3_column_table_name(m_statement, column));
}

QString Statement::originColumn(int column) const {
    return QString::fromUtf8(sqlite3_column_origin_name(m_statement, column));
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
            sqlite3_column_bytes(m_statement, column)));
    case SQLITE_BLOB:
        return QVariant(
            QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                       sqlite3_column_bytes(m_statement, column)));
    default:
        return QVariant();
    }
}

std::optional<qint64> Statement::integer(int column) const {
    if (sqlite3_column_type(m_statement, column) != SQLITE_INTEGER)
        return std::nullopt;
    return sqlite3_column_int64(m_statement, column);
}

std::optional<QByteArrayView> Statement::utf8(int column) const {
    if (sqlite3_column_type(m_statement, column) != SQLITE_TEXT)
        return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_statement, column));
}

int Statement::columnIndex(const QString& name) const {
    const int n = columnCount();
    for (int i = 0; i < n; ++i)
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

ScopedStatement::ScopedStatement(Database& database, const QString& sql)
    : m_database(database), m_statement(database.cached(sql)) {}

QVariant ScopedStatement::value(const QString& table, const QString& field) const {
    const int column = m_statement.columnIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Field %1 is not in the table %2 of %3")
                          .arg(field, table, m_database.path()));
    return fromStored(m_database.columnType(table, m_statement.columnName(column)),
                      m_statement.value(column));
}

} // namespace db
