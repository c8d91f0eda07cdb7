#include "SchemaCache.h"

#include "Database.h"
#include "SchemaAccess.h"
#include "SqlDialect.h"
#include "Statement.h"

#include <sqlite3.h>

namespace db {

const SchemaCache::Column* SchemaCache::Table::column(const QString& columnName) const {
    if (const auto asked = byAsked.constFind(columnName); asked != byAsked.constEnd())
        return &columns[*asked];
    const auto it = byName.constFind(fold(columnName));
    if (it == byName.constEnd())
        return nullptr;
    byAsked.insert(columnName, *it);
    return &columns[*it];
}

SchemaCache::SchemaCache(const Database& database)
    : m_database(database),
      m_version(std::make_unique<Statement>(database, QStringLiteral("PRAGMA ") +
                                                          own(QStringLiteral("schema_version")))) {}

QString SchemaCache::own(const QString& name) const {
    return bracket(m_database.schemaName()) + u'.' + name;
}

SchemaCache::~SchemaCache() = default;

QString SchemaCache::fold(const QString& name) {
    QString folded = name;
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return folded;
}

bool SchemaCache::isInternal(const QString& table) {
    return table.startsWith(QStringLiteral("sqlite_"), Qt::CaseInsensitive);
}

void SchemaCache::check() {
    const SchemaAccess* access = m_database.schemaAccess();
    const bool inTransaction = sqlite3_get_autocommit(m_database.connection()) == 0;
    if (inTransaction && access && m_checkedAt == access->possibleChanges)
        return;
    m_version->step();
    const qint64 version = m_version->value(0).toLongLong();
    m_version->reset();
    m_checkedAt = access ? std::optional<quint64>(access->possibleChanges) : std::nullopt;
    if (version == m_schemaVersion)
        return;
    m_schemaVersion = version;
    m_masterRead = false;
    m_tableNames.clear();
    m_tableByFolded.clear();
    m_tables.clear();
    m_tableByAsked.clear();
    m_views.clear();
    m_viewByFolded.clear();
    m_plans.clear();
}

SchemaCache::SourcePlan& SchemaCache::plan(const QString& source) {
    // Texts that carry their values would pile up: the plans start afresh now and then.
    constexpr qsizetype kPlans = 512;
    if (m_plans.size() >= kPlans && !m_plans.contains(source))
        m_plans.clear();
    return m_plans[source];
}

void SchemaCache::readMaster() {
    if (m_masterRead)
        return;
    Statement master(m_database, QStringLiteral("SELECT type, name, sql FROM %1 WHERE type IN "
                                                "('table', 'view') ORDER BY rowid")
                                     .arg(own(QStringLiteral("sqlite_master"))));
    while (master.step()) {
        const QString name = master.value(1).toString();
        if (master.value(0).toString() == u"table") {
            // The engine's own tables can be read by name but are not the installation's.
            if (!isInternal(name))
                m_tableNames.append(name);
            m_tableByFolded.insert(fold(name), name);
        } else {
            m_viewByFolded.insert(fold(name), int(m_views.size()));
            m_views.append(View{name, dialect::viewBody(master.value(2).toString())});
        }
    }
    m_masterRead = true;
}

const QStringList& SchemaCache::tableNames() {
    readMaster();
    return m_tableNames;
}

const SchemaCache::Table* SchemaCache::table(const QString& name) {
    readMaster();
    if (const auto asked = m_tableByAsked.constFind(name); asked != m_tableByAsked.constEnd())
        return *asked;
    const Table* found = readTable(fold(name));
    if (found)
        m_tableByAsked.insert(name, found);
    return found;
}

const SchemaCache::Table* SchemaCache::readTable(const QString& folded) {
    if (const auto it = m_tables.constFind(folded); it != m_tables.constEnd())
        return it->get();
    const auto stored = m_tableByFolded.constFind(folded);
    if (stored == m_tableByFolded.constEnd())
        return nullptr;

    auto table = std::make_unique<Table>();
    table->name = *stored;
    const QByteArray tableName = table->name.toUtf8();
    Statement info(m_database,
                   QStringLiteral("PRAGMA %1")
                       .arg(own(QStringLiteral("table_info(%1)").arg(bracket(table->name)))));
    const QByteArray schema = m_database.schemaName().toUtf8();
    int keyColumns = 0;
    int integerKey = -1;
    while (info.step()) {
        Column column;
        column.name = info.value(1).toString();
        const QByteArray columnName = column.name.toUtf8();
        const char* declared = nullptr;
        const char* collation = nullptr;
        int autoIncrement = 0;
        if (sqlite3_table_column_metadata(m_database.connection(), schema.constData(),
                                          tableName.constData(), columnName.constData(), &declared,
                                          &collation, nullptr, nullptr,
                                          &autoIncrement) == SQLITE_OK) {
            column.type = autoIncrement ? FieldType::Counter
                                        : fieldTypeFromDeclared(QString::fromUtf8(declared));
            column.collation = QString::fromUtf8(collation).toUpper();
        }
        if (column.collation.isEmpty())
            column.collation = QStringLiteral("BINARY");
        if (info.value(5).toInt() > 0) {
            ++keyColumns;
            if (info.value(2).toString().compare(u"INTEGER", Qt::CaseInsensitive) == 0)
                integerKey = int(table->columns.size());
        }
        table->byName.insert(fold(column.name), int(table->columns.size()));
        table->columns.append(column);
    }
    // A sole INTEGER primary key is the rowid itself: looking it up is direct.
    if (keyColumns == 1 && integerKey >= 0)
        table->indexLeads.append(
            {fold(table->columns[integerKey].name), table->columns[integerKey].collation});
    return m_tables.insert(folded, std::shared_ptr<Table>(std::move(table)))->get();
}

void SchemaCache::readIndexes(Table& table) {
    if (table.indexesRead)
        return;
    Statement list(m_database,
                   QStringLiteral("PRAGMA %1")
                       .arg(own(QStringLiteral("index_list(%1)").arg(bracket(table.name)))));
    QStringList indexes;
    while (list.step()) {
        // A partial index leaves rows out; a lookup through it would miss them.
        if (list.value(4).toInt() == 0)
            indexes.append(list.value(1).toString());
    }
    for (const QString& index : indexes) {
        Statement info(m_database,
                       QStringLiteral("PRAGMA %1")
                           .arg(own(QStringLiteral("index_xinfo(%1)").arg(bracket(index)))));
        // The first row is the leading column; an expression has no name.
        if (info.step() && info.value(5).toInt() == 1 && !info.value(2).isNull())
            table.indexLeads.append(
                {fold(info.value(2).toString()), info.value(4).toString().toUpper()});
    }
    table.indexesRead = true;
}

bool SchemaCache::hasIndexOn(const QString& tableName, const QString& columnName) {
    if (!table(tableName))
        return false;
    Table& found = *m_tables.value(fold(tableName));
    const Column* column = found.column(columnName);
    if (!column)
        return false;
    readIndexes(found);
    const QString folded = fold(column->name);
    for (const auto& [lead, collation] : found.indexLeads)
        if (lead == folded && collation == column->collation)
            return true;
    return false;
}

const QList<SchemaCache::View>& SchemaCache::views() {
    readMaster();
    return m_views;
}

const SchemaCache::View* SchemaCache::view(const QString& name) {
    readMaster();
    const auto it = m_viewByFolded.constFind(fold(name));
    return it == m_viewByFolded.constEnd() ? nullptr : &m_views[*it];
}

} // namespace db
