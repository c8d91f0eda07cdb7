#include "RowChanges.h"

#include "Database.h"
#include "DbError.h"
#include "Statement.h"

#include <QHash>
#include <cstring>
#include <sqlite3.h>

namespace db {

// A table of a file, as written in the texts that take its writes back.
struct RowChanges::Target {
    QByteArray schema; // as the engine names them, in UTF-8
    QByteArray table;
    QString remove; // the texts, made at the first replay that needs them
    QString insert;
    QString update;
    qsizetype columns = -1; // the fields that insert and update name

    // Makes the texts through the handle of the table's file, for rows of count values (none
    // for a row to remove), from the fields of the table as the handle knows them now.
    void prepare(const Database& handle, qsizetype count);
};

struct RowChanges::Entry {
    enum class Kind : quint8 { Inserted, Deleted, Updated };
    struct Free {
        void operator()(sqlite3_value* value) const { sqlite3_value_free(value); }
    };

    Kind kind = Kind::Inserted;
    std::shared_ptr<Target> target;
    qint64 rowid = 0; // the row's rowid before the write; of an inserted row, the new one
    qint64 after = 0; // an updated row's rowid after the write
    // A deleted or updated row's values before the write.
    std::vector<std::unique_ptr<sqlite3_value, Free>> values;
};

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

// Whether two stored values are the same, as `IS` compares them under the BINARY collation:
// numbers by value (an integer and a real can be equal), texts and blobs byte for byte, values
// of different kinds never.
bool same(sqlite3_value* a, sqlite3_value* b) {
    const int type = sqlite3_value_type(a);
    const int other = sqlite3_value_type(b);
    const auto numeric = [](int t) { return t == SQLITE_INTEGER || t == SQLITE_FLOAT; };
    if (numeric(type) && numeric(other)) {
        if (type == SQLITE_INTEGER && other == SQLITE_INTEGER)
            return sqlite3_value_int64(a) == sqlite3_value_int64(b);
        if (type == SQLITE_FLOAT && other == SQLITE_FLOAT)
            return sqlite3_value_double(a) == sqlite3_value_double(b);
        sqlite3_value* integer = type == SQLITE_INTEGER ? a : b;
        const double real = sqlite3_value_double(type == SQLITE_INTEGER ? b : a);
        // Equal only when the real holds that integer exactly; 2^63 is out of range.
        constexpr double kRange = 9223372036854775808.0;
        return real >= -kRange && real < kRange && qint64(real) == sqlite3_value_int64(integer) &&
               double(qint64(real)) == real;
    }
    if (type != other)
        return false;
    switch (type) {
    case SQLITE_NULL:
        return true;
    case SQLITE_TEXT: {
        const auto* text = sqlite3_value_text(a);
        const int size = sqlite3_value_bytes(a);
        const auto* otherText = sqlite3_value_text(b);
        return size == sqlite3_value_bytes(b) && std::memcmp(text, otherText, size_t(size)) == 0;
    }
    default: {
        const void* blob = sqlite3_value_blob(a);
        const int size = sqlite3_value_bytes(a);
        const void* otherBlob = sqlite3_value_blob(b);
        return size == sqlite3_value_bytes(b) &&
               (size == 0 || std::memcmp(blob, otherBlob, size_t(size)) == 0);
    }
    }
}

} // namespace

void RowChanges::Target::prepare(const Database& handle, qsizetype count) {
    const QString name = QString::fromUtf8(table);
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

std::shared_ptr<RowChanges::Target> RowChanges::target(const char* schema, const char* table) {
    // Writes come in runs on one table.
    if (m_last && m_last->table == table && m_last->schema == schema)
        return m_last;
    for (const std::shared_ptr<Target>& known : m_targets)
        if (known->table == table && known->schema == schema)
            return m_last = known;
    auto made = std::make_shared<Target>();
    made->schema = schema;
    made->table = table;
    m_targets.push_back(made);
    return m_last = made;
}

void RowChanges::record(int operation, const char* schema, const char* table, qint64 before,
                        qint64 after) {
    if (qstrcmp(schema, "temp") == 0 || qstrnicmp(table, "sqlite_", 7) == 0)
        return;
    // Called within the engine: only sqlite3_preupdate_* may be asked of the connection.
    const int count = sqlite3_preupdate_count(m_connection);
    const auto old = [this](int column) {
        sqlite3_value* value = nullptr;
        return sqlite3_preupdate_old(m_connection, column, &value) == SQLITE_OK ? value : nullptr;
    };
    Entry::Kind kind = Entry::Kind::Inserted;
    if (operation == SQLITE_DELETE) {
        kind = Entry::Kind::Deleted;
    } else if (operation == SQLITE_UPDATE) {
        kind = Entry::Kind::Updated;
        bool changed = before != after;
        for (int column = 0; column < count && !changed; ++column) {
            sqlite3_value* value = old(column);
            sqlite3_value* now = nullptr;
            if (!value || sqlite3_preupdate_new(m_connection, column, &now) != SQLITE_OK || !now)
                changed = true;
            else
                changed = !same(value, now);
        }
        if (!changed)
            return;
    } else if (operation != SQLITE_INSERT) {
        return;
    }
    if (!m_open) {
        m_open = true;
        m_begin = mark();
    }
    Entry entry;
    entry.kind = kind;
    entry.target = target(schema, table);
    entry.rowid = kind == Entry::Kind::Inserted ? after : before;
    entry.after = after;
    if (kind != Entry::Kind::Inserted) {
        entry.values.reserve(size_t(count));
        for (int column = 0; column < count; ++column) {
            sqlite3_value* value = old(column);
            sqlite3_value* copy = value ? sqlite3_value_dup(value) : nullptr;
            if (!copy) {
                m_complete = false;
                return;
            }
            entry.values.emplace_back(copy);
        }
    }
    m_pending.push_back(std::move(entry));
}

void RowChanges::dropSince(qint64 position) {
    position = std::max(position, m_first);
    if (position >= mark())
        return;
    m_pending.erase(m_pending.begin() + (position - m_first), m_pending.end());
    // The transaction's records that follow start there.
    if (m_open && m_begin > position)
        m_begin = position;
}

RowChanges::Run RowChanges::take() {
    Run run;
    run.m_entries = std::move(m_pending);
    run.m_complete = m_complete;
    m_pending.clear();
    m_first += run.size();
    m_complete = true;
    return run;
}

void RowChanges::statementEnded(qint64 position, bool failed) {
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
        Database& handle = handleOf(QString::fromUtf8(target.schema));
        if (entry->kind == Entry::Kind::Inserted) {
            target.prepare(handle, -1);
            ScopedStatement(handle, target.remove).bind(1, entry->rowid).next();
            continue;
        }
        target.prepare(handle, qsizetype(entry->values.size()));
        const bool inserting = entry->kind == Entry::Kind::Deleted;
        ScopedStatement statement(handle, inserting ? target.insert : target.update);
        statement.bind(1, entry->rowid);
        int index = 2;
        for (const auto& value : entry->values)
            statement.bind(index++, value.get());
        if (!inserting)
            statement.bind(index, entry->after);
        statement.next();
    }
}

} // namespace db
