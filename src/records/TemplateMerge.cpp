#include "TemplateMerge.h"

#include "RecordHelpers.h"

#include <QHash>
#include <QSet>
#include <QVector>
#include <algorithm>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Field.h>
#include <db/Recordset.h>
#include <db/SqlDialect.h>
#include <db/Statement.h>
#include <optional>

namespace records {

using namespace db;

namespace {

const QString kNoCondition = QStringLiteral("None");

enum class Collation { Binary, NoCase, RTrim };

Collation columnCollation(const Database& database, const QString& table, const QString& column) {
    const QString collation = database.columnCollation(table, column);
    if (collation.compare(u"NOCASE", Qt::CaseInsensitive) == 0)
        return Collation::NoCase;
    if (collation.compare(u"RTRIM", Qt::CaseInsensitive) == 0)
        return Collation::RTrim;
    return Collation::Binary;
}

// Finds a template row's key in the destination through the index on a key field: one lookup
// per template row, so a merge costs what the template holds, however long the destination is.
// The engine compares as the destination's field does (its collation and type).
class KeyLookup {
public:
    KeyLookup(Database& database, const QString& table, const QStringList& fields)
        : m_database(database) {
        QStringList conditions;
        for (const QString& field : fields) {
            m_types.append(database.columnType(table, field));
            // IS, so that a Null key finds a Null key.
            conditions.append(bracket(field) + QStringLiteral(" IS ?"));
        }
        m_sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1")
                    .arg(database.qualified(table), conditions.join(u" AND "));
    }

    // Whether the destination holds the key of a template row, as the destination would store
    // it: a key the merge wrote itself (rounded into a long field, say) is found again.
    bool contains(const QVariantList& sourceValues) {
        ScopedStatement lookup(m_database, m_sql);
        for (int i = 0; i < sourceValues.size(); ++i)
            lookup.bind(i + 1, toStored(m_types[i], sourceValues[i]));
        return lookup.next();
    }

private:
    Database& m_database;
    QVector<FieldType> m_types;
    QString m_sql;
};

// The keys of a destination table, read once per merge and held in the form in which the
// engine compares them. For a working copy whose key fields carry no index (made before the
// indexes were declared), where a query per template row would scan the whole destination.
class KeyIndex {
public:
    KeyIndex(Database& database, const QString& table, const QStringList& fields) {
        QStringList columns;
        for (const QString& field : fields) {
            m_columns.append(
                {database.columnType(table, field), columnCollation(database, table, field)});
            columns.append(bracket(field));
        }
        ScopedStatement keys(database, QStringLiteral("SELECT %1 FROM %2")
                                           .arg(columns.join(u", "), database.qualified(table)));
        QVariantList values(fields.size());
        while (keys.next()) {
            for (int i = 0; i < values.size(); ++i)
                values[i] = keys.statement().value(i);
            m_keys.insert(compose(values));
        }
    }

    // The key of a template row as the destination would store it, so that a key the merge
    // wrote itself (rounded into a long field, say) is found again on the next run.
    QString keyOf(const QVariantList& sourceValues) const {
        QVariantList stored;
        for (int i = 0; i < sourceValues.size(); ++i)
            stored.append(toStored(m_columns[i].type, sourceValues[i]));
        return compose(stored);
    }
    bool contains(const QString& key) const { return m_keys.contains(key); }
    void insert(const QString& key) { m_keys.insert(key); }

private:
    struct Column {
        FieldType type;
        Collation collation;
    };

    QString compose(const QVariantList& values) const {
        QString key;
        for (int i = 0; i < values.size(); ++i) {
            const QVariant& value = values[i];
            if (!value.isValid() || value.isNull()) {
                key += QStringLiteral("N;");
            } else if (value.typeId() == QMetaType::QString) {
                const QString text = fold(value.toString(), m_columns[i].collation);
                key += QStringLiteral("T%1:").arg(text.size()) + text;
            } else if (value.typeId() == QMetaType::QByteArray) {
                key +=
                    QStringLiteral("B") + QString::fromLatin1(value.toByteArray().toHex()) + u';';
            } else {
                // The engine compares 5 and 5.0 as equal numbers.
                key += QStringLiteral("D") + QString::number(value.toDouble(), 'g', 17) + u';';
            }
        }
        return key;
    }

    static QString fold(QString text, Collation collation) {
        switch (collation) {
        case Collation::NoCase:
            // The engine folds ASCII letters only; so must we, or keys it tells apart merge.
            for (QChar& c : text)
                if (c >= u'A' && c <= u'Z')
                    c = QChar(c.unicode() + (u'a' - u'A'));
            break;
        case Collation::RTrim:
            while (text.endsWith(u' '))
                text.chop(1);
            break;
        case Collation::Binary:
            break;
        }
        return text;
    }

    QVector<Column> m_columns;
    QSet<QString> m_keys;
};

// Whether every template row's key is in the destination already, asked in one statement
// instead of a lookup per row; false where the statement could not answer as the lookups
// would. It compares the template's stored key with the destination's field as the lookup
// compares the key converted to the destination's type, so it only answers for keys the
// conversion leaves as they are: text into a text field, whole numbers (exact in a double)
// into a number field, fractions into a double field. Any other key makes it say no, and the
// rows are then looked up one by one.
bool keysPresent(Database& templ, Database& work, const QString& source, const QString& destination,
                 const QStringList& keyFields) {
    // A key without an index would be looked for in the whole destination for every row; a
    // key field either table lacks is reported by the row by row merge.
    if (std::none_of(keyFields.begin(), keyFields.end(),
                     [&](const QString& f) { return work.hasIndexOn(destination, f); }))
        return false;
    QStringList identity;
    QStringList same;
    for (const QString& field : keyFields) {
        if (templ.columnCollation(source, field).isEmpty() ||
            work.columnCollation(destination, field).isEmpty())
            return false;
        const QString s = QStringLiteral("s.") + bracket(field);
        const QString whole =
            QStringLiteral("(typeof(%1) = 'integer' AND abs(%1) < 9007199254740992)").arg(s);
        switch (work.columnType(destination, field)) {
        case FieldType::Text:
            identity.append(QStringLiteral("typeof(%1) IN ('text', 'null')").arg(s));
            break;
        case FieldType::Long:
            identity.append(QStringLiteral("(%1 IS NULL OR %2)").arg(s, whole));
            break;
        case FieldType::Double:
            identity.append(QStringLiteral("(typeof(%1) IN ('real', 'null') OR %2)").arg(s, whole));
            break;
        default:
            return false;
        }
        switch (templ.columnType(source, field)) {
        case FieldType::Boolean:
        case FieldType::Date:
            return false; // read through a conversion of their own
        default:
            break;
        }
        same.append(QStringLiteral("d.%1 IS %2").arg(bracket(field), s));
    }
    ScopedStatement missing(
        work,
        QStringLiteral("SELECT 1 FROM %1.%2 AS s WHERE NOT (%3) OR NOT EXISTS (SELECT 1 FROM "
                       "%4.%5 AS d WHERE %6) LIMIT 1")
            .arg(bracket(templ.schemaName()), bracket(source), identity.join(u" AND "),
                 bracket(work.schemaName()), bracket(destination), same.join(u" AND ")),
        Reach::AllFiles);
    return !missing.next();
}

// The merges whose keys were all present, each with the stamp of the connection's files then:
// a readout merges the same tables at every refresh, and while nothing changed the answer stays.
struct KnownPresent {
    QString merge;
    Database::ContentStamp stamp;
};
constexpr qsizetype kKnownMerges = 64;
thread_local QList<KnownPresent> knownPresent;

bool allKeysPresent(Database& templ, Database& work, const QString& source,
                    const QString& destination, const QStringList& keyFields) {
    const std::optional<Database::ContentStamp> stamp = work.contentStamp();
    const QString merge = templ.schemaName() + u'\x1f' + source + u'\x1f' + destination + u'\x1f' +
                          keyFields.join(u'\x1f');
    const auto known = std::find_if(knownPresent.begin(), knownPresent.end(),
                                    [&](const KnownPresent& k) { return k.merge == merge; });
    if (stamp && known != knownPresent.end() && known->stamp == *stamp)
        return true;
    const bool present = keysPresent(templ, work, source, destination, keyFields);
    if (known != knownPresent.end())
        knownPresent.erase(known);
    if (present && stamp) {
        if (knownPresent.size() >= kKnownMerges)
            knownPresent.removeFirst();
        knownPresent.append({merge, *stamp});
    }
    return present;
}

// One row of a template table, as read, with the types its table declares.
struct SourceRow {
    QStringList names;
    QVector<FieldType> types;
    QVariantList stored;

    QVariant value(int column) const { return fromStored(types[column], stored[column]); }
};

// The template row of the refreshed key meets a row of the working copy that has it: the row
// takes the template's fields when its Summary differs. Values equal to the key are left alone.
void refreshRow(Database& work, const QString& destination, const QString& keyField,
                const QString& key, const SourceRow& row) {
    int sourceSummary = -1;
    for (int i = 0; i < row.names.size(); ++i)
        if (row.names[i].compare(kSummary, Qt::CaseInsensitive) == 0)
            sourceSummary = i;
    Recordset target = work.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                                              .arg(work.qualified(destination), bracket(keyField)),
                                          {key});
    // Without a Summary on both sides there is nothing to tell the rows apart: leave it.
    if (target.eof() || sourceSummary < 0 || !target.hasField(kSummary))
        return;
    if (sameFieldValue(target.value(kSummary), row.value(sourceSummary)))
        return;
    target.edit();
    for (int i = 0; i < row.names.size(); ++i) {
        const QVariant value = row.value(i);
        if (!target.hasField(row.names[i]) ||
            target.fieldType(row.names[i]) == FieldType::Counter ||
            (value.typeId() == QMetaType::QString && value.toString() == key))
            continue;
        target.setValue(row.names[i], value);
    }
    target.update();
}

void mergeRows(Database& templ, Database& work, const QString& operation, const QString& source,
               const QString& destination, const QStringList& keyFields,
               const QString& refreshedKey) {
    if (!templ.hasTable(source))
        throw DbError(QStringLiteral("%1: the template database %2 has no table [%3]")
                          .arg(operation, templ.path(), source));
    if (!work.hasTable(destination))
        throw DbError(QStringLiteral("%1: the working copy %2 has no table [%3]")
                          .arg(operation, work.path(), destination));

    // The usual case, on every readout: the template adds nothing.
    if (refreshedKey.isEmpty() && templ.sharesConnectionWith(work) &&
        allKeysPresent(templ, work, source, destination, keyFields))
        return;

    // The fields are named, so that the kept statement's text changes with the table.
    SourceRow row;
    QStringList selected;
    for (const Field& field : templ.tableFields(source)) {
        row.names.append(field.name);
        row.types.append(field.type);
        selected.append(bracket(field.name));
    }
    ScopedStatement rows(templ, QStringLiteral("SELECT %1 FROM %2 ORDER BY _rowid_")
                                    .arg(selected.join(u", "), templ.qualified(source)));
    const int columnCount = int(row.names.size());

    QHash<QString, Field> destinationFields;
    for (const Field& field : work.tableFields(destination))
        destinationFields.insert(field.name.toLower(), field);

    QVector<int> keyColumns;
    for (const QString& keyField : keyFields) {
        const int column = rows.statement().columnIndex(keyField);
        if (column < 0)
            throw DbError(QStringLiteral("%1: the template table [%2] has no key field [%3]")
                              .arg(operation, source, keyField));
        if (!destinationFields.contains(keyField.toLower()))
            throw DbError(QStringLiteral("%1: the table [%2] of the working copy has no key field "
                                         "[%3]")
                              .arg(operation, destination, keyField));
        keyColumns.append(column);
    }

    // Only fields the destination has are copied; its counters number themselves.
    struct Copied {
        int column;
        FieldType type;
    };
    QVector<Copied> copied;
    QStringList names;
    for (int i = 0; i < columnCount; ++i) {
        const auto it = destinationFields.constFind(row.names[i].toLower());
        if (it == destinationFields.constEnd() || it->type == FieldType::Counter)
            continue;
        copied.append({i, it->type});
        names.append(bracket(it->name));
    }
    const QString insertSql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(work.qualified(destination))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(work.qualified(destination), names.join(u", "),
                       QStringList(names.size(), QStringLiteral("?")).join(u", "));

    const bool refreshing =
        !refreshedKey.isEmpty() && row.types[keyColumns.first()] == FieldType::Text;
    const bool indexed = std::any_of(keyFields.begin(), keyFields.end(), [&](const QString& f) {
        return work.hasIndexOn(destination, f);
    });
    std::optional<KeyLookup> lookup;
    std::optional<KeyIndex> existing;
    if (indexed)
        lookup.emplace(work, destination, keyFields);
    else
        existing.emplace(work, destination, keyFields);

    Transaction transaction(work);
    Statement& insert = work.cached(insertSql);
    row.stored.resize(columnCount);
    QVariantList keyValues(keyColumns.size());
    while (rows.next()) {
        for (int i = 0; i < columnCount; ++i)
            row.stored[i] = rows.statement().value(i);
        for (int k = 0; k < keyColumns.size(); ++k)
            keyValues[k] = row.value(keyColumns[k]);
        const QString key = existing ? existing->keyOf(keyValues) : QString();
        if (existing ? existing->contains(key) : lookup->contains(keyValues)) {
            if (refreshing && keyValues.first().toString() == refreshedKey)
                refreshRow(work, destination, keyFields.first(), refreshedKey, row);
            continue;
        }
        for (int c = 0; c < copied.size(); ++c)
            insert.bind(c + 1, toStored(copied[c].type, row.value(copied[c].column)));
        insert.run();
        // A key the template repeats is added once, as a lookup per row would find it.
        if (existing)
            existing->insert(key);
    }
    transaction.commit();
}

} // namespace

bool sameFieldValue(const QVariant& a, const QVariant& b) {
    const bool aNull = !a.isValid() || a.isNull();
    const bool bNull = !b.isValid() || b.isNull();
    if (aNull || bNull)
        return aNull && bNull;
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

void MergeMissingRows(Database& templ, Database& work, const QString& source,
                      const QString& destination, const QString& keyField,
                      const QString& refreshedKey) {
    mergeRows(templ, work, QStringLiteral("MergeMissingRows"), source, destination, {keyField},
              refreshedKey);
}

void MergeMissingRowsTwoKeys(Database& templ, Database& work, const QString& source,
                             const QString& destination, const QString& textKey,
                             const QString& numericKey) {
    mergeRows(templ, work, QStringLiteral("MergeMissingRowsTwoKeys"), source, destination,
              {textKey, numericKey}, QString());
}

void ReplaceQueryFromTemplate(Database& templ, Database& work, const QString& templateQuery,
                              const QString& workQuery) {
    const QString sql = templ.querySql(templateQuery);
    if (sql.isEmpty())
        return;
    // The same text already stored: replacing it would only cost a schema change.
    if (work.querySql(workQuery) == dialect::toSqlite(sql))
        return;
    if (work.queryExists(workQuery))
        work.deleteQueryDef(workQuery);
    work.createQueryDef(workQuery, sql);
}

void SwitchListedObjects(Database& templ, Database& work, const QString& listTable,
                         const QString& fixedTarget, bool enable) {
    if (!templ.hasTable(listTable))
        throw DbError(QStringLiteral("SwitchListedObjects: the template database %1 has no list "
                                     "table [%2]")
                          .arg(templ.path(), listTable));
    const auto requireTable = [&](const QString& table, const QString& id) {
        if (!work.hasTable(table))
            throw DbError(QStringLiteral("SwitchListedObjects [%1]: the object %2 names the table "
                                         "[%3], which the working copy %4 lacks")
                              .arg(listTable, id, table, work.path()));
    };

    Recordset list = templ.OpenRecordset(listTable);
    Transaction transaction(work);
    for (; !list.eof(); list.moveNext()) {
        const QString id = NullToText(list.value(kIdAvailable));
        // An empty key names no object; WriteField would take it for the table's first row.
        if (id.isEmpty())
            continue;
        QString target = fixedTarget;
        QString checkTable;
        QString checkObject;
        if (fixedTarget.isEmpty()) {
            target = NullToText(list.value(QStringLiteral("Table")));
            checkTable = NullToText(list.value(QStringLiteral("Check Table")));
            checkObject = NullToText(list.value(QStringLiteral("Check Object")));
        }
        requireTable(target, id);
        if (!RecordExists(work, target, kIdAvailable, id))
            continue;
        if (!enable) {
            WriteField(work, target, kIdAvailable, id, kStatus, kStatusOff);
            continue;
        }
        // An empty Check Table names nothing to check, like "None".
        if (!checkTable.isEmpty() && checkTable.compare(kNoCondition, Qt::CaseInsensitive) != 0) {
            requireTable(checkTable, id);
            if (!IsDeviceUsable(work, checkTable, checkObject))
                continue;
        }
        WriteField(work, target, kIdAvailable, id, kStatus, kStatusInUse);
    }
    transaction.commit();
}

} // namespace records
