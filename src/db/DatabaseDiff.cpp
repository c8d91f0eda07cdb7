#include "DatabaseDiff.h"

#include "Database.h"
#include "Statement.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <tuple>
#include <vector>

namespace db {

namespace {

// A row by its place, its rowid and a 128-bit hash of every field, typed: what tells rows
// apart, read without making values or keeping the bytes, since most rows of a large table are
// the same in both files.
struct Row {
    quint64 hash1 = 0;
    quint64 hash2 = 0;
    qint64 rowid = 0;
    int index = 0;
    bool operator<(const Row& other) const {
        return std::tie(hash1, hash2, index) < std::tie(other.hash1, other.hash2, other.index);
    }
    bool sameFields(const Row& other) const { return hash1 == other.hash1 && hash2 == other.hash2; }
};

QString selectList(const QStringList& fields) {
    QStringList columns;
    for (const QString& field : fields)
        columns.append(bracket(field));
    return columns.join(u',');
}

qint64 rowCount(Database& database, const QString& table) {
    Statement count(database,
                    QStringLiteral("SELECT count(*) FROM %1").arg(database.qualified(table)));
    return count.step() ? count.value(0).toLongLong() : 0;
}

// Appends the bytes of a number as they lie in memory: a row's identity is hashed, not read.
template <typename T> void appendRaw(QByteArray& into, T value) {
    into.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::vector<Row> readRows(Database& database, const QString& table, const QStringList& fields) {
    Statement select(database, QStringLiteral("SELECT rowid,%1 FROM %2 ORDER BY rowid")
                                   .arg(selectList(fields), database.qualified(table)));
    std::vector<Row> rows;
    QByteArray identity;
    while (select.step()) {
        identity.clear();
        for (int i = 1; i <= fields.size(); ++i) {
            // The type goes with the value, so that 1 and '1' differ as the file holds them.
            if (const std::optional<qint64> number = select.integer(i)) {
                identity += 'i';
                appendRaw(identity, *number);
            } else if (const std::optional<QByteArrayView> text = select.utf8(i)) {
                identity += 't';
                appendRaw(identity, text->size());
                identity += *text;
            } else {
                const QVariant value = select.value(i);
                if (value.isNull()) {
                    identity += 'n';
                } else if (value.typeId() == QMetaType::Double) {
                    identity += 'r';
                    appendRaw(identity, value.toDouble());
                } else {
                    const QByteArray bytes = value.typeId() == QMetaType::QByteArray
                                                 ? value.toByteArray()
                                                 : value.toString().toUtf8();
                    identity += char('a' + value.typeId() % 16);
                    appendRaw(identity, bytes.size());
                    identity += bytes;
                }
            }
        }
        rows.push_back(Row{qHash(identity, 0x9e3779b97f4a7c15ULL),
                           qHash(identity, 0x3c6ef372fe94f82bULL), select.integer(0).value_or(0),
                           static_cast<int>(rows.size())});
    }
    return rows;
}

// Whether both files hold the same rows under the same rowids: two files of one installation
// mostly do, table by table, and such a table needs no sorting.
bool sameInPlace(const std::vector<Row>& old, const std::vector<Row>& now) {
    return std::equal(
        old.cbegin(), old.cend(), now.cbegin(), now.cend(),
        [](const Row& a, const Row& b) { return a.rowid == b.rowid && a.sameFields(b); });
}

// The values of one row, for the rows that differ.
QVariantList valuesOf(Database& database, const QString& table, const QStringList& fields,
                      qint64 rowid) {
    Statement select(database, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                   .arg(selectList(fields), database.qualified(table)));
    select.bind(1, rowid);
    QVariantList values;
    if (select.step()) {
        for (int i = 0; i < fields.size(); ++i)
            values.append(select.value(i));
    }
    return values;
}

QStringList fieldNames(Database& database, const QString& table) {
    QStringList names;
    for (const Field& field : database.tableFields(table))
        names.append(field.name);
    return names;
}

QString keyOf(const QVariantList& values) {
    return values.isEmpty() || values.first().isNull() ? QString() : values.first().toString();
}

TableDiff compareTable(Database& before, Database& after, const QString& table) {
    TableDiff diff;
    diff.table = table;
    const QStringList beforeFields = fieldNames(before, table);
    const QStringList afterFields = fieldNames(after, table);
    QStringList common;
    for (const QString& field : beforeFields) {
        if (afterFields.contains(field, Qt::CaseInsensitive))
            common.append(field);
        else
            diff.fieldsRemoved.append(field);
    }
    for (const QString& field : afterFields) {
        if (!beforeFields.contains(field, Qt::CaseInsensitive))
            diff.fieldsAdded.append(field);
    }
    if (common.isEmpty())
        return diff;
    std::vector<Row> old = readRows(before, table, common);
    std::vector<Row> now = readRows(after, table, common);
    if (sameInPlace(old, now))
        return diff;
    std::sort(old.begin(), old.end());
    std::sort(now.begin(), now.end());
    QList<int> removed, added;
    auto o = old.cbegin();
    auto n = now.cbegin();
    while (o != old.cend() || n != now.cend()) {
        if (o != old.cend() && n != now.cend() && o->sameFields(*n)) {
            ++o;
            ++n;
        } else if (n == now.cend() || (o != old.cend() && *o < *n)) {
            removed.append(o++->index);
        } else {
            added.append(n++->index);
        }
    }
    std::sort(removed.begin(), removed.end());
    std::sort(added.begin(), added.end());
    // Back from place to rowid, for the few rows that differ.
    auto rowidAt = [](const std::vector<Row>& rows, int index) {
        return std::find_if(rows.cbegin(), rows.cend(),
                            [index](const Row& row) { return row.index == index; })
            ->rowid;
    };
    QHash<int, QVariantList> oldValues, newValues;
    for (int i : removed)
        oldValues.insert(i, valuesOf(before, table, common, rowidAt(old, i)));
    for (int i : added)
        newValues.insert(i, valuesOf(after, table, common, rowidAt(now, i)));
    // A removed and an added row with the same key are one changed row.
    QHash<QString, QList<int>> removedByKey;
    for (int i : removed)
        removedByKey[keyOf(oldValues.value(i))].append(i);
    QSet<int> paired;
    for (int i : added) {
        const QString key = keyOf(newValues.value(i));
        QList<int>& candidates = removedByKey[key];
        if (candidates.isEmpty()) {
            diff.rows.append(
                RowChange{RowChange::Kind::Added, key, common, newValues.value(i), {}});
            continue;
        }
        const int j = candidates.takeFirst();
        paired.insert(j);
        RowChange change{RowChange::Kind::Changed, key, common, {}, {}};
        for (int f = 0; f < common.size(); ++f) {
            const QVariant a = oldValues.value(j).value(f);
            const QVariant b = newValues.value(i).value(f);
            if (a.isNull() != b.isNull() || a.typeId() != b.typeId() || a != b)
                change.changes.append(FieldChange{common.at(f), a, b});
        }
        diff.rows.append(change);
    }
    for (int i : removed) {
        if (!paired.contains(i))
            diff.rows.append(RowChange{RowChange::Kind::Removed,
                                       keyOf(oldValues.value(i)),
                                       common,
                                       oldValues.value(i),
                                       {}});
    }
    return diff;
}

QJsonValue jsonValue(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return QJsonValue::Null;
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromLatin1(value.toByteArray().toBase64());
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return value.toLongLong();
    if (value.typeId() == QMetaType::Double)
        return value.toDouble();
    return value.toString();
}

QString rowText(const RowChange& row) {
    QStringList parts;
    for (int i = 0; i < row.fields.size(); ++i)
        parts.append(row.fields.at(i) + u'=' + valueText(row.values.value(i)));
    return parts.join(QStringLiteral(", "));
}

} // namespace

DatabaseDiff compareDatabases(Database& before, Database& after) {
    DatabaseDiff diff;
    const QStringList beforeTables = before.tableNames();
    const QStringList afterTables = after.tableNames();
    for (const QString& table : beforeTables) {
        TableDiff tableDiff;
        if (!afterTables.contains(table, Qt::CaseInsensitive)) {
            tableDiff.table = table;
            tableDiff.state = TableDiff::State::Removed;
            tableDiff.rowCount = rowCount(before, table);
        } else {
            tableDiff = compareTable(before, after, table);
        }
        if (!tableDiff.empty())
            diff.tables.append(tableDiff);
    }
    for (const QString& table : afterTables) {
        if (!beforeTables.contains(table, Qt::CaseInsensitive)) {
            TableDiff added;
            added.table = table;
            added.state = TableDiff::State::Added;
            added.rowCount = rowCount(after, table);
            diff.tables.append(added);
        }
    }
    QHash<QString, QString> beforeQueries;
    for (const QueryDef& query : before.queryDefs())
        beforeQueries.insert(query.name.toLower(), query.sql);
    QSet<QString> seen;
    for (const QueryDef& query : after.queryDefs()) {
        seen.insert(query.name.toLower());
        if (!beforeQueries.contains(query.name.toLower()))
            diff.queriesAdded.append(query.name);
        else if (beforeQueries.value(query.name.toLower()) != query.sql)
            diff.queriesChanged.append(query.name);
    }
    for (const QueryDef& query : before.queryDefs()) {
        if (!seen.contains(query.name.toLower()))
            diff.queriesRemoved.append(query.name);
    }
    return diff;
}

QString valueText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("Null");
    if (value.typeId() == QMetaType::QByteArray)
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    if (value.typeId() == QMetaType::QString)
        return u'"' + value.toString() + u'"';
    return value.toString();
}

QStringList diffLines(const DatabaseDiff& diff) {
    QStringList lines;
    for (const TableDiff& table : diff.tables) {
        if (table.state == TableDiff::State::Added) {
            lines.append(
                QStringLiteral("+ table [%1] (%2 rows)").arg(table.table).arg(table.rowCount));
            continue;
        }
        if (table.state == TableDiff::State::Removed) {
            lines.append(
                QStringLiteral("- table [%1] (%2 rows)").arg(table.table).arg(table.rowCount));
            continue;
        }
        lines.append(QStringLiteral("[%1]").arg(table.table));
        for (const QString& field : table.fieldsAdded)
            lines.append(QStringLiteral("  + field %1").arg(field));
        for (const QString& field : table.fieldsRemoved)
            lines.append(QStringLiteral("  - field %1").arg(field));
        for (const RowChange& row : table.rows) {
            const QString key = row.key.isNull() ? QStringLiteral("Null") : u'"' + row.key + u'"';
            switch (row.kind) {
            case RowChange::Kind::Added:
                lines.append(QStringLiteral("  + row %1: %2").arg(key, rowText(row)));
                break;
            case RowChange::Kind::Removed:
                lines.append(QStringLiteral("  - row %1: %2").arg(key, rowText(row)));
                break;
            case RowChange::Kind::Changed:
                lines.append(QStringLiteral("  ~ row %1").arg(key));
                for (const FieldChange& change : row.changes)
                    lines.append(
                        QStringLiteral("      %1: %2 -> %3")
                            .arg(change.field, valueText(change.before), valueText(change.after)));
                break;
            }
        }
    }
    for (const QString& query : diff.queriesAdded)
        lines.append(QStringLiteral("+ query [%1]").arg(query));
    for (const QString& query : diff.queriesRemoved)
        lines.append(QStringLiteral("- query [%1]").arg(query));
    for (const QString& query : diff.queriesChanged)
        lines.append(QStringLiteral("~ query [%1]").arg(query));
    return lines;
}

QByteArray diffJson(const DatabaseDiff& diff) {
    QJsonArray tables;
    for (const TableDiff& table : diff.tables) {
        QJsonObject object{{QStringLiteral("table"), table.table}};
        if (table.state != TableDiff::State::Both) {
            object.insert(QStringLiteral("state"), table.state == TableDiff::State::Added
                                                       ? QStringLiteral("added")
                                                       : QStringLiteral("removed"));
            object.insert(QStringLiteral("rows"), table.rowCount);
            tables.append(object);
            continue;
        }
        object.insert(QStringLiteral("fieldsAdded"), QJsonArray::fromStringList(table.fieldsAdded));
        object.insert(QStringLiteral("fieldsRemoved"),
                      QJsonArray::fromStringList(table.fieldsRemoved));
        QJsonArray added, removed, changed;
        for (const RowChange& row : table.rows) {
            QJsonObject entry{
                {QStringLiteral("key"), row.key.isNull() ? QJsonValue() : QJsonValue(row.key)}};
            if (row.kind == RowChange::Kind::Changed) {
                QJsonArray fields;
                for (const FieldChange& change : row.changes)
                    fields.append(QJsonObject{{QStringLiteral("field"), change.field},
                                              {QStringLiteral("old"), jsonValue(change.before)},
                                              {QStringLiteral("new"), jsonValue(change.after)}});
                entry.insert(QStringLiteral("fields"), fields);
                changed.append(entry);
                continue;
            }
            QJsonObject values;
            for (int i = 0; i < row.fields.size(); ++i)
                values.insert(row.fields.at(i), jsonValue(row.values.value(i)));
            entry.insert(QStringLiteral("values"), values);
            (row.kind == RowChange::Kind::Added ? added : removed).append(entry);
        }
        object.insert(QStringLiteral("added"), added);
        object.insert(QStringLiteral("removed"), removed);
        object.insert(QStringLiteral("changed"), changed);
        tables.append(object);
    }
    const QJsonObject root{
        {QStringLiteral("same"), diff.empty()},
        {QStringLiteral("tables"), tables},
        {QStringLiteral("queriesAdded"), QJsonArray::fromStringList(diff.queriesAdded)},
        {QStringLiteral("queriesRemoved"), QJsonArray::fromStringList(diff.queriesRemoved)},
        {QStringLiteral("queriesChanged"), QJsonArray::fromStringList(diff.queriesChanged)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace db
