#include "Statement.h"

#include "Database.h"
#include "DbError.h"
#include "RowChanges.h"
#include "SchemaAccess.h"
#include "WriteFaults.h"

#include <cctype>
#include <cerrno>
#include <platform/FileNames.h>
#include <sqlite3.h>

namespace db {

Statement::Statement(sqlite3* connection, const QString& sql, const QString& fileName)
    : m_connection(connection), m_sql(sql), m_fileName(fileName) {
    prepare();
}

Statement::Statement(const Database& database, const QString& sql, Reach reach)
    : m_connection(database.connection()), m_sql(sql), m_fileName(database.path()),
      m_access(database.schemaAccess()),
      m_schema(reach == Reach::OwnFile ? database.schemaName().toUtf8() : QByteArray()),
      m_database(&database) {
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
    m_mayChange = !sqlite3_stmt_readonly(m_statement) || sqlite3_column_count(m_statement) == 0;
    m_schemaStatement = isSchemaStatement(m_statement);
    m_boundary = sqlite3_stmt_readonly(m_statement) && sqlite3_column_count(m_statement) == 0;
}

bool isSchemaStatement(sqlite3_stmt* statement) {
    const char* text = sqlite3_sql(statement);
    while (text && (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r'))
        ++text;
    for (const char* word :
         {"CREATE", "ALTER", "DROP", "ROLLBACK", "VACUUM", "REINDEX", "ANALYZE"}) {
        const int length = int(qstrlen(word));
        if (text && qstrnicmp(text, word, length) == 0 && !std::isalnum(uchar(text[length])))
            return true;
    }
    return !text; // unknown: counted
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

QString reasonOf(int code, int systemError) {
    namespace names = platform::FileNames;
    switch (code & 0xff) {
    case SQLITE_IOERR:
        return names::reason(systemError ? systemError : EIO);
    case SQLITE_CANTOPEN:
        return systemError ? names::reason(systemError) : QString();
    case SQLITE_FULL:
        return names::reason(ENOSPC);
    case SQLITE_PERM:
        return names::reason(EACCES);
    case SQLITE_READONLY:
        return QStringLiteral("it cannot be written");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("another program holds it locked");
    case SQLITE_CORRUPT:
        return QStringLiteral("it is damaged");
    case SQLITE_NOTADB:
        return QStringLiteral("it is not a database file");
    default:
        return {};
    }
}

QString actionOf(int code, bool writes) {
    switch (code) {
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        return QStringLiteral("Cannot read");
    case SQLITE_IOERR_WRITE:
    case SQLITE_IOERR_FSYNC:
    case SQLITE_IOERR_DIR_FSYNC:
    case SQLITE_IOERR_TRUNCATE:
    case SQLITE_IOERR_DELETE:
    case SQLITE_FULL:
        return QStringLiteral("Cannot write");
    default:
        return writes ? QStringLiteral("Cannot write") : QStringLiteral("Cannot read");
    }
}

DbError engineError(const QString& what, const QString& file, DbError::Engine engine) {
    const int code = engine.code;
    // The system's error number means something only for the failures that set it.
    if ((code & 0xff) != SQLITE_IOERR && (code & 0xff) != SQLITE_CANTOPEN)
        engine.systemError = 0;
    const QString message =
        platform::FileNames::text(what, file, reasonOf(code, engine.systemError), engine.text);
    return DbError(message, errorKind(code), std::move(engine));
}

void Statement::fail(int code) const {
    QString reason = QString::fromUtf8(sqlite3_errmsg(m_connection));
    if (m_access && !m_access->denied.isEmpty())
        reason = m_access->denied;
    if (reason.isEmpty())
        reason = QString::fromUtf8(sqlite3_errstr(code));
    // The end of a transaction writes what the statements before it changed.
    const QString verb = m_sql.trimmed().section(u' ', 0, 0);
    const bool ends = verb.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0 ||
                      verb.compare(QStringLiteral("END"), Qt::CaseInsensitive) == 0 ||
                      verb.compare(QStringLiteral("RELEASE"), Qt::CaseInsensitive) == 0;
    const bool writes = m_statement
                            ? !sqlite3_stmt_readonly(m_statement) || ends
                            : verb.compare(QStringLiteral("SELECT"), Qt::CaseInsensitive) != 0;
    throw engineError(actionOf(code, writes), m_fileName,
                      {code, sqlite3_system_errno(m_connection), reason, m_sql});
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
    const bool starting = !sqlite3_stmt_busy(m_statement);
    if (faults::armed() && starting && !sqlite3_stmt_readonly(m_statement))
        faults::write(m_sql, m_fileName);
    if (starting) {
        // A plain read leaves the record as it is: it need not be told of one.
        m_changes = m_mayChange && m_database ? m_database->rowChanges() : nullptr;
        m_mark = m_changes ? m_changes->mark() : 0;
        if (m_changes)
            m_changes->statementStarted(m_changesEveryRow, updatedField());
    }
    // The engine prepares the statement again after a schema change, under the same rules.
    const SchemaScope scope(m_access, m_schema);
    // Counted before and after: a schema read while the statement runs is read again after it.
    if (m_access && m_mayChange)
        ++m_access->possibleChanges;
    if (m_access && m_schemaStatement)
        ++m_access->schemaStatements;
    if (m_access && m_boundary)
        ++m_access->boundaries;
    const int rc = sqlite3_step(m_statement);
    if (m_access && m_mayChange)
        ++m_access->possibleChanges;
    if (rc == SQLITE_ROW)
        return true;
    // A failed statement leaves none of its rows; the record must not either.
    if (m_changes && m_changes == (m_database ? m_database->rowChanges() : nullptr))
        m_changes->statementEnded(m_mark, rc != SQLITE_DONE);
    m_changes = nullptr;
    if (rc == SQLITE_DONE)
        return false;
    if (m_access)
        ++m_access->failures;
    sqlite3_reset(m_statement);
    fail(rc);
}

void Statement::setUpdatesField(const QString& table, const QString& field) {
    // A cached statement gets the same word at every use: found once.
    m_fieldWord = !field.isEmpty();
    if (!m_fieldWord || (table == m_fieldTable && field == m_fieldName))
        return;
    m_fieldTable = table;
    m_fieldName = field;
    m_fieldFound = false;
}

const UpdatedField* Statement::updatedField() {
    if (!m_fieldWord || !m_database)
        return nullptr;
    const quint64 schemaStatements = m_access ? m_access->schemaStatements : 0;
    if (!m_fieldFound || m_fieldFoundAt != schemaStatements) {
        const auto [column, columns] = m_database->columnPosition(m_fieldTable, m_fieldName);
        m_updatesField = {m_database->schemaName().toUtf8(), m_fieldTable.toUtf8(), column,
                          columns};
        m_fieldFound = true;
        m_fieldFoundAt = schemaStatements;
    }
    return m_updatesField.column >= 0 ? &m_updatesField : nullptr;
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

// Each read of a column takes the column's value from the statement in one call and then reads
// the value itself: a call on the statement costs the engine its error bookkeeping each time,
// and a history or a page reads thousands of fields. The engine runs without its connection
// locks (see Database.cpp), so a column's value may be read directly.
QVariant Statement::value(int column) const {
    sqlite3_value* stored = sqlite3_column_value(m_statement, column);
    switch (sqlite3_value_type(stored)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_value_int64(stored)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_value_double(stored));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(stored));
        return QVariant(QString::fromUtf8(text, sqlite3_value_bytes(stored)));
    }
    case SQLITE_BLOB: {
        const auto* blob = static_cast<const char*>(sqlite3_value_blob(stored));
        return QVariant(QByteArray(blob, sqlite3_value_bytes(stored)));
    }
    default:
        return QVariant();
    }
}

std::optional<qint64> Statement::integer(int column) const {
    sqlite3_value* stored = sqlite3_column_value(m_statement, column);
    if (sqlite3_value_type(stored) != SQLITE_INTEGER)
        return std::nullopt;
    return sqlite3_value_int64(stored);
}

std::optional<QByteArrayView> Statement::utf8(int column) const {
    sqlite3_value* stored = sqlite3_column_value(m_statement, column);
    if (sqlite3_value_type(stored) != SQLITE_TEXT)
        return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(stored));
    return QByteArrayView(text, sqlite3_value_bytes(stored));
}

namespace {

// Whether the engine's UTF-8 name of a column is name without regard to case. Asked for every
// field a page reads: names in ASCII, nearly all of them, are compared without making text of
// them.
bool sameName(const char* utf8, QStringView name) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    qsizetype i = 0;
    for (; utf8[i] != 0 && i < name.size(); ++i) {
        const auto c = char16_t(uchar(utf8[i]));
        const char16_t d = name[i].unicode();
        if (c >= 0x80 || d >= 0x80)
            return QString::fromUtf8(utf8).compare(name, Qt::CaseInsensitive) == 0;
        if (lower(c) != lower(d))
            return false;
    }
    return utf8[i] == 0 && i == name.size();
}

} // namespace

int Statement::columnIndex(const QString& name) const {
    const int n = columnCount();
    // A statement is asked for the same few names over and over; the engine may have prepared
    // it anew since, so the hint only says where to look first.
    if (const auto hint = m_columnHints.constFind(name);
        hint != m_columnHints.constEnd() && *hint < n &&
        sameName(sqlite3_column_name(m_statement, *hint), name))
        return *hint;
    for (int i = 0; i < n; ++i)
        if (sameName(sqlite3_column_name(m_statement, i), name)) {
            m_columnHints.insert(name, i);
            return i;
        }
    return -1;
}

ScopedStatement::ScopedStatement(Database& database, const QString& sql, Reach reach)
    : m_database(database), m_statement(database.cached(sql, reach)) {}

QVariant ScopedStatement::value(const QString& table, const QString& field) const {
    const int column = m_statement.columnIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Field %1 is not in the table %2 of %3")
                          .arg(field, table, m_database.path()));
    // The field's name matches the column's without regard to case, as the schema's names do.
    return fromStored(m_database.columnType(table, field), m_statement.value(column));
}

} // namespace db
