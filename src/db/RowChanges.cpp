#include "RowChanges.h"

#include "Database.h"
#include "DbError.h"
#include "Statement.h"

#include <QHash>
#include <QVarLengthArray>
#include <cstring>
#include <new>
#include <sqlite3.h>

namespace db {

// A table of a file, as written in the texts that take its writes back.
struct RowChanges::Target {
    RecordString schema; // as the engine names them, in UTF-8
    RecordString table;
    QString remove; // the texts, made at the first replay that needs them
    QString insert;
    QString update;
    qsizetype columns = -1;           // the fields that insert and update name
    QHash<int, QString> fieldUpdates; // the text that sets one field, by its position

    // Makes the texts through the handle of the table's file, for rows of count values (none
    // for a row to remove), from the fields of the table as the handle knows them now.
    void prepare(const Database& handle, qsizetype count);
    // The text that sets the field at column of a row, made through the handle likewise.
    const QString& fieldUpdate(const Database& handle, int column);
};

struct RowChanges::Entry {
    enum class Kind : quint8 { Inserted, Deleted, Updated };

    Kind kind = Kind::Inserted;
    std::shared_ptr<Target> target;
    qint64 rowid = 0; // the row's rowid before the write; of an inserted row, the new one
    qint64 after = 0; // an updated row's rowid after the write
    // A deleted or updated row's values before the write, each as stored (see appendStoredRow): at
    // offset in the values of the record or of the run that holds the entry.
    std::size_t offset = 0;
    int columns = 0;
    int column = -1; // an updated row's one field that the entry keeps; -1: every field
};

namespace {

// Leaves a cached statement reset and its values unbound, however its run ends.
struct ResetGuard {
    Statement& statement;
    explicit ResetGuard(Statement& s) : statement(s) {}
    ~ResetGuard() { statement.reset(); }
    ResetGuard(const ResetGuard&) = delete;
    ResetGuard& operator=(const ResetGuard&) = delete;
};

} // namespace

RowChanges::Run::Run() = default;
RowChanges::Run::~Run() = default;
RowChanges::Run::Run(Run&&) noexcept = default;
RowChanges::Run& RowChanges::Run::operator=(Run&&) noexcept = default;

bool RowChanges::Run::isEmpty() const {
    return m_entries.empty();
}

qsizetype RowChanges::Run::size() const {
    return qsizetype(m_entries.size());
}

qint64 RowChanges::mark() const {
    return m_first + qint64(m_pending.size());
}

namespace {

// The values of a row exactly as the engine holds them, one after the other: a byte for the
// kind (SQLITE_INTEGER ...), then 8 bytes of an integer or a real, or the length (4 bytes) and
// the bytes of a text or a blob. Appended to bytes in one piece, the room for the whole row
// taken at once. A text is taken as its bytes, without the terminating copy the engine makes to
// hand out a text.
static_assert(sizeof(double) == sizeof(qint64));

void appendStoredRow(RecordVector<char>& bytes, sqlite3_value* const* values, const int* types,
                     int columns) {
    QVarLengthArray<const void*, 64> data(columns);
    QVarLengthArray<qint32, 64> sizes(columns);
    std::size_t total = 0;
    for (int column = 0; column < columns; ++column) {
        ++total;
        switch (types[column]) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            total += sizeof(qint64); // a real takes as many bytes
            break;
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            data[column] = sqlite3_value_blob(values[column]);
            sizes[column] = sqlite3_value_bytes(values[column]);
            total += sizeof(qint32) + std::size_t(sizes[column]);
            break;
        default:
            break;
        }
    }
    const std::size_t offset = bytes.size();
    bytes.resize(offset + total);
    char* at = bytes.data() + offset;
    const auto put = [&at](const void* from, std::size_t size) {
        if (size > 0)
            std::memcpy(at, from, size);
        at += size;
    };
    for (int column = 0; column < columns; ++column) {
        const int type = types[column];
        *at++ = char(type);
        switch (type) {
        case SQLITE_INTEGER: {
            const qint64 integer = sqlite3_value_int64(values[column]);
            put(&integer, sizeof integer);
            break;
        }
        case SQLITE_FLOAT: {
            const double real = sqlite3_value_double(values[column]);
            put(&real, sizeof real);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            put(&sizes[column], sizeof(qint32));
            put(data[column], std::size_t(sizes[column]));
            break;
        default:
            break;
        }
    }
}

// Binds the values of a stored row from index on, in order; the bytes of texts and blobs are
// bound where they are, so the row must stay until the statement is reset.
int bindRow(sqlite3_stmt* statement, int index, const char* row, int columns) {
    const char* at = row;
    for (int column = 0; column < columns; ++column, ++index) {
        const int type = *at++;
        int rc = SQLITE_OK;
        switch (type) {
        case SQLITE_INTEGER: {
            qint64 integer = 0;
            std::memcpy(&integer, at, sizeof integer);
            at += sizeof integer;
            rc = sqlite3_bind_int64(statement, index, integer);
            break;
        }
        case SQLITE_FLOAT: {
            double real = 0;
            std::memcpy(&real, at, sizeof real);
            at += sizeof real;
            rc = sqlite3_bind_double(statement, index, real);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            qint32 size = 0;
            std::memcpy(&size, at, sizeof size);
            at += sizeof size;
            rc = type == SQLITE_TEXT ? sqlite3_bind_text(statement, index, at, size, SQLITE_STATIC)
                                     : sqlite3_bind_blob(statement, index, at, size, SQLITE_STATIC);
            at += size;
            break;
        }
        default:
            rc = sqlite3_bind_null(statement, index);
        }
        if (rc != SQLITE_OK)
            return rc;
    }
    return SQLITE_OK;
}

// Whether value is the same as old (of kind type), as `IS` compares them under the BINARY
// collation: numbers by value (an integer and a real can be equal), texts and blobs byte for
// byte, values of different kinds never.
bool same(sqlite3_value* old, int type, sqlite3_value* value) {
    const int other = sqlite3_value_type(value);
    const auto numeric = [](int t) { return t == SQLITE_INTEGER || t == SQLITE_FLOAT; };
    if (numeric(type) && numeric(other)) {
        if (type == SQLITE_INTEGER && other == SQLITE_INTEGER)
            return sqlite3_value_int64(old) == sqlite3_value_int64(value);
        if (type == SQLITE_FLOAT && other == SQLITE_FLOAT)
            return sqlite3_value_double(old) == sqlite3_value_double(value);
        const qint64 integer = sqlite3_value_int64(type == SQLITE_INTEGER ? old : value);
        const double real = sqlite3_value_double(type == SQLITE_INTEGER ? value : old);
        // Equal only when the real holds that integer exactly; 2^63 is out of range.
        constexpr double kRange = 9223372036854775808.0;
        return real >= -kRange && real < kRange && qint64(real) == integer &&
               double(qint64(real)) == real;
    }
    if (type != other)
        return false;
    if (type != SQLITE_TEXT && type != SQLITE_BLOB)
        return true; // both NULL
    // As bytes, both: the engine would copy a text to terminate it.
    const void* bytes = sqlite3_value_blob(old);
    const int size = sqlite3_value_bytes(old);
    const void* otherBytes = sqlite3_value_blob(value);
    return size == sqlite3_value_bytes(value) &&
           (size == 0 || std::memcmp(bytes, otherBytes, size_t(size)) == 0);
}

} // namespace

void RowChanges::Target::prepare(const Database& handle, qsizetype count) {
    const QString name = QString::fromUtf8(table.data(), qsizetype(table.size()));
    if (remove.isEmpty())
        remove = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(handle.qualified(name));
    if (count < 0 || columns == count)
        return;
    const QList<Field> fields = handle.tableFields(name);
    if (fields.size() != count)
        throw DbError(QStringLiteral("The undo record of the table %1 in %2 does not fit its "
                                     "fields any more")
                          .arg(name, handle.path()));
    QStringList names, marks, assignments;
    for (const Field& field : fields) {
        names.append(bracket(field.name));
        marks.append(QStringLiteral("?"));
        assignments.append(bracket(field.name) + QStringLiteral(" = ?"));
    }
    insert = QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (?, %3)")
                 .arg(handle.qualified(name), names.join(u", "), marks.join(u", "));
    update = QStringLiteral("UPDATE %1 SET rowid = ?, %2 WHERE rowid = ?")
                 .arg(handle.qualified(name), assignments.join(u", "));
    columns = count;
}

const QString& RowChanges::Target::fieldUpdate(const Database& handle, int column) {
    const auto known = fieldUpdates.constFind(column);
    if (known != fieldUpdates.constEnd())
        return *known;
    const QString name = QString::fromUtf8(table.data(), qsizetype(table.size()));
    const QList<Field> fields = handle.tableFields(name);
    if (column >= fields.size())
        throw DbError(QStringLiteral("The undo record of the table %1 in %2 does not fit its "
                                     "fields any more")
                          .arg(name, handle.path()));
    return fieldUpdates[column] = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                      .arg(handle.qualified(name), bracket(fields[column].name));
}

RowChanges::RowChanges(Database& database)
    : m_database(database), m_connection(database.connection()) {
    if (!m_connection)
        throw DbError(QStringLiteral("Database %1 is closed").arg(database.path()));
    if (!sqlite3_compileoption_used("ENABLE_PREUPDATE_HOOK"))
        throw DbError(QStringLiteral("The database engine SQLite %1 was built without its "
                                     "pre-update hook, which undo needs to record the changes")
                          .arg(QString::fromUtf8(sqlite3_libversion())));
    sqlite3_preupdate_hook(m_connection, preUpdate, this);
    sqlite3_rollback_hook(m_connection, rolledBack, this);
}

RowChanges::~RowChanges() {
    sqlite3_preupdate_hook(m_connection, nullptr, nullptr);
    sqlite3_rollback_hook(m_connection, nullptr, nullptr);
}

void RowChanges::preUpdate(void* self, sqlite3*, int operation, const char* schema,
                           const char* table, qint64 before, qint64 after) {
    static_cast<RowChanges*>(self)->record(operation, schema, table, before, after);
}

void RowChanges::rolledBack(void* self) {
    auto* changes = static_cast<RowChanges*>(self);
    if (changes->m_open)
        changes->dropSince(changes->m_begin);
    changes->m_open = false;
}

const std::shared_ptr<RowChanges::Target>& RowChanges::target(const char* schema,
                                                              const char* table) {
    // Writes come in runs on one table; the others differ mostly in length.
    const std::size_t length = std::strlen(table);
    const auto matches = [&](const Target& known) {
        return known.table.size() == length &&
               std::memcmp(known.table.data(), table, length) == 0 &&
               std::strcmp(known.schema.c_str(), schema) == 0;
    };
    if (m_last && matches(*m_last))
        return m_last;
    for (const std::shared_ptr<Target>& known : m_targets)
        if (matches(*known))
            return m_last = known;
    auto made = std::allocate_shared<Target>(RecordAllocator<Target>());
    made->schema = schema;
    made->table = table;
    m_targets.push_back(made);
    return m_last = made;
}

void RowChanges::record(int operation, const char* schema, const char* table, qint64 before,
                        qint64 after) {
    // Called for every row written: the first letter decides most of it.
    if ((schema[0] == 't' && std::strcmp(schema, "temp") == 0) ||
        ((table[0] | 0x20) == 's' && qstrnicmp(table, "sqlite_", 7) == 0))
        return;
    Entry entry;
    switch (operation) {
    case SQLITE_INSERT:
        entry.kind = Entry::Kind::Inserted;
        break;
    case SQLITE_DELETE:
        entry.kind = Entry::Kind::Deleted;
        break;
    case SQLITE_UPDATE:
        entry.kind = Entry::Kind::Updated;
        break;
    default:
        return;
    }
    entry.rowid = entry.kind == Entry::Kind::Inserted ? after : before;
    entry.after = after;
    // Nothing may be thrown into the engine, which called this.
    try {
        entry.target = target(schema, table);
    } catch (const std::bad_alloc&) {
        m_complete = false;
        return;
    }
    // The running statement's own update of the one field it named: only that field is kept.
    const int field =
        entry.kind == Entry::Kind::Updated && before == after && ofUpdatedField(schema, table)
            ? m_updatesField->column
            : -1;
    if (entry.kind == Entry::Kind::Updated && before == after &&
        writtenInAction(*entry.target, before, field))
        return;
    if (field >= 0) {
        sqlite3_value* value = nullptr;
        if (sqlite3_preupdate_old(m_connection, field, &value) != SQLITE_OK || !value) {
            m_complete = false;
            return;
        }
        const int type = sqlite3_value_type(value);
        if (!m_everyRowChanges) {
            sqlite3_value* now = nullptr;
            if (sqlite3_preupdate_new(m_connection, field, &now) == SQLITE_OK && now &&
                same(value, type, now))
                return;
        }
        entry.columns = 1;
        entry.column = field;
        entry.offset = m_values.size();
        try {
            if (m_values.capacity() == 0)
                m_values.reserve(1024);
            appendStoredRow(m_values, &value, &type, 1);
        } catch (const std::bad_alloc&) {
            m_values.resize(entry.offset);
            m_complete = false;
            return;
        }
    } else if (entry.kind != Entry::Kind::Inserted) {
        // Called within the engine: only sqlite3_preupdate_* may be asked of the connection.
        entry.columns = sqlite3_preupdate_count(m_connection);
        // The kinds are taken before the bytes: the engine may change its note of a value's
        // kind once the bytes of a text were asked for as a blob.
        QVarLengthArray<int, 64> types(entry.columns);
        QVarLengthArray<sqlite3_value*, 64> values(entry.columns);
        for (int column = 0; column < entry.columns; ++column) {
            if (sqlite3_preupdate_old(m_connection, column, &values[column]) != SQLITE_OK ||
                !values[column]) {
                m_complete = false;
                return;
            }
            types[column] = sqlite3_value_type(values[column]);
        }
        if (entry.kind == Entry::Kind::Updated && before == after && !m_everyRowChanges) {
            bool changed = false;
            for (int column = 0; column < entry.columns && !changed; ++column) {
                sqlite3_value* now = nullptr;
                changed = sqlite3_preupdate_new(m_connection, column, &now) != SQLITE_OK || !now ||
                          !same(values[column], types[column], now);
            }
            if (!changed)
                return;
        }
        entry.offset = m_values.size();
        try {
            // Room for the rows of a few writes at once, not grown from a few bytes up.
            if (m_values.capacity() == 0)
                m_values.reserve(1024);
            appendStoredRow(m_values, values.data(), types.data(), entry.columns);
        } catch (const std::bad_alloc&) {
            m_values.resize(entry.offset);
            m_complete = false;
            return;
        }
    } else {
        entry.offset = m_values.size();
    }
    if (!m_open) {
        m_open = true;
        m_begin = mark();
    }
    try {
        // An action writes a few rows or many: room for a few from the start.
        if (m_pending.capacity() == 0)
            m_pending.reserve(16);
        m_pending.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        m_values.resize(entry.offset);
        m_complete = false;
    }
}

bool RowChanges::ofUpdatedField(const char* schema, const char* table) const {
    // Not a write of a trigger the statement fired, and a table whose fields the engine counts
    // as the schema does (no hidden ones), so that the positions are the same. Names are
    // compared as the engine compares them; mostly they are spelled alike.
    const auto same = [](const char* name, const QByteArray& named) {
        return std::strcmp(name, named.constData()) == 0 ||
               sqlite3_stricmp(name, named.constData()) == 0;
    };
    return m_updatesField && sqlite3_preupdate_depth(m_connection) == 0 &&
           sqlite3_preupdate_count(m_connection) == m_updatesField->columns &&
           same(table, m_updatesField->table) && same(schema, m_updatesField->schema);
}

bool RowChanges::writtenInAction(const Target& target, qint64 rowid, int column) const {
    // A handler writes one field of a row and then another: the entries just before.
    constexpr std::size_t kLookBack = 16;
    const std::size_t first = m_pending.size() > kLookBack ? m_pending.size() - kLookBack : 0;
    for (std::size_t index = m_pending.size(); index-- > first;) {
        const Entry& entry = m_pending[index];
        if (entry.target.get() != &target)
            continue;
        switch (entry.kind) {
        case Entry::Kind::Inserted:
            if (entry.rowid == rowid)
                return true;
            break;
        case Entry::Kind::Deleted:
            if (entry.rowid == rowid)
                return false;
            break;
        case Entry::Kind::Updated:
            if (entry.after == rowid) {
                // An entry that keeps another field leaves this one to an earlier entry.
                if (entry.column < 0 || entry.column == column)
                    return true;
                break;
            }
            if (entry.rowid == rowid)
                return false;
            break;
        }
    }
    return false;
}

void RowChanges::dropSince(qint64 position) {
    position = std::max(position, m_first);
    if (position >= mark())
        return;
    const auto first = m_pending.begin() + (position - m_first);
    m_values.resize(first->offset);
    m_pending.erase(first, m_pending.end());
    // The transaction's records that follow start there.
    if (m_open && m_begin > position)
        m_begin = position;
}

RowChanges::Run RowChanges::take() {
    Run run;
    run.m_entries = std::move(m_pending);
    run.m_values = std::move(m_values);
    run.m_complete = m_complete;
    m_pending.clear();
    m_values.clear();
    m_first += run.size();
    m_complete = true;
    return run;
}

void RowChanges::statementEnded(qint64 position, bool failed) {
    m_everyRowChanges = false;
    m_updatesField = nullptr;
    if (failed)
        dropSince(position);
    if (sqlite3_get_autocommit(m_connection))
        m_open = false;
}

Database& RowChanges::handleOf(const QString& schema) const {
    if (schema.compare(m_database.schemaName(), Qt::CaseInsensitive) == 0)
        return m_database;
    for (Database* attached : m_database.m_attached)
        if (attached->schemaName().compare(schema, Qt::CaseInsensitive) == 0)
            return *attached;
    throw DbError(QStringLiteral("Cannot take back a change of the database \"%1\": it is no "
                                 "longer attached to %2")
                      .arg(schema, m_database.path()));
}

void RowChanges::replay(const Run& run) {
    for (auto entry = run.m_entries.rbegin(); entry != run.m_entries.rend(); ++entry) {
        Target& target = *entry->target;
        Database& handle =
            handleOf(QString::fromUtf8(target.schema.data(), qsizetype(target.schema.size())));
        if (entry->column >= 0) {
            // One field of the row, as it was.
            Statement& statement = handle.cached(target.fieldUpdate(handle, entry->column));
            const ResetGuard reset(statement);
            sqlite3_stmt* prepared = statement.m_statement;
            int rc = bindRow(prepared, 1, run.m_values.data() + entry->offset, 1);
            if (rc == SQLITE_OK)
                rc = sqlite3_bind_int64(prepared, 2, entry->rowid);
            if (rc != SQLITE_OK)
                statement.fail(rc);
            statement.step();
            continue;
        }
        const bool inserted = entry->kind == Entry::Kind::Inserted;
        target.prepare(handle, inserted ? -1 : entry->columns);
        const bool inserting = entry->kind == Entry::Kind::Deleted;
        Statement& statement = handle.cached(inserted    ? target.remove
                                             : inserting ? target.insert
                                                         : target.update);
        const ResetGuard reset(statement);
        sqlite3_stmt* prepared = statement.m_statement;
        int rc = sqlite3_bind_int64(prepared, 1, entry->rowid);
        if (rc == SQLITE_OK && !inserted)
            rc = bindRow(prepared, 2, run.m_values.data() + entry->offset, entry->columns);
        if (rc == SQLITE_OK && !inserted && !inserting)
            rc = sqlite3_bind_int64(prepared, entry->columns + 2, entry->after);
        if (rc != SQLITE_OK)
            statement.fail(rc);
        statement.step();
    }
}

} // namespace db
