#include "RecordHelpers.h"

#include <array>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Field.h>
#include <db/KeptTexts.h>
#include <db/Statement.h>
#include <stdexcept>

namespace records {

using namespace db;

namespace {

// Every lookup of the helpers runs a cached statement for the length of one call.
using Query = ScopedStatement;

// The lookups of the helpers, by a key field (and a position).
enum class Lookup { Row, Rowid, RowAtPosition };

// The SQL text of a lookup in table by keyField. Lookups run thousands of times in a read of
// every page: each text is made once, and kept by the table as the handle names it.
QString lookupText(const Database& db, Lookup lookup, const QString& table,
                   const QString& keyField) {
    thread_local std::array<KeptTexts<std::pair<QString, QString>>, 3> known;
    static const std::array<QString, 3> patterns{
        QStringLiteral("SELECT * FROM %1 WHERE %2 = ?"),
        QStringLiteral("SELECT _rowid_ FROM %1 WHERE %2 = ?"),
        QStringLiteral("SELECT * FROM %1 WHERE ((%2 = ?) AND ([Position] = ?))")};
    const QString qualified = db.qualified(table);
    return known[std::size_t(lookup)].of({qualified, keyField}, [&] {
        return patterns[std::size_t(lookup)].arg(qualified, bracket(keyField));
    });
}

QString selectByKey(const Database& db, const QString& table, const QString& keyField) {
    return lookupText(db, Lookup::Row, table, keyField);
}

bool noRow(const QString& key) {
    return key.isEmpty();
}

bool noRow(const QVariant& key) {
    return !key.isValid() || key.isNull() ||
           (key.typeId() == QMetaType::QString && key.toString().isEmpty());
}

// Sets a field of the row with this rowid.
void writeRow(Database& db, const QString& table, qint64 rowid, const QString& field,
              const QVariant& value) {
    const FieldType type = db.columnType(table, field);
    if (type == FieldType::Other)
        throw DbError(
            QStringLiteral("Field %1 is not in the table %2 of %3").arg(field, table, db.path()));
    Query update(db, QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE _rowid_ = ?2 AND %3")
                         .arg(db.qualified(table), bracket(field), differs(bracket(field), 1)));
    update.changesEveryRow()
        .updatesField(table, field)
        .bind(1, toStored(type, value))
        .bind(2, rowid);
    update.next();
}

QVariant firstValue(Database& db, const QString& table, const QString& sql, const QVariant& key,
                    const QString& field) {
    Query query(db, sql);
    query.bind(1, key);
    if (!query.next())
        return QVariant();
    return query.value(table, field);
}

bool anyRow(Database& db, const QString& sql, const QVariantList& keys) {
    Query query(db, sql);
    for (int i = 0; i < keys.size(); ++i)
        query.bind(i + 1, keys[i]);
    return query.next();
}

const QString kFilterPlacement = QStringLiteral("Available FilterPlacement");

} // namespace

QVariant Row::value(const QString& field) const {
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return m_values.value(i);
    throw std::logic_error(
        QStringLiteral("The row was read without the field %1").arg(field).toStdString());
}

Row FirstRowByKey(Database& db, const QString& table, const QString& keyField, const QString& key,
                  const QStringList& fields) {
    Row row;
    row.m_fields = fields;
    row.m_values = QVariantList(fields.size());
    if (noRow(key))
        return row;
    QStringList selected;
    for (const QString& field : fields)
        selected.append(bracket(field));
    Query query(db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY _rowid_ LIMIT 1")
                        .arg(selected.join(u", "), db.qualified(table), bracket(keyField)));
    query.bind(1, key);
    if (!query.next())
        return row;
    row.m_exists = true;
    for (qsizetype i = 0; i < fields.size(); ++i)
        row.m_values[i] = query.value(table, fields[i]);
    return row;
}

QVariant ReadField(Database& db, const QString& table, const QString& keyField, const QString& key,
                   const QString& field) {
    if (noRow(key))
        return QVariant();
    return firstValue(db, table, selectByKey(db, table, keyField), key, field);
}

QVariant ReadFieldByNumber(Database& db, const QString& table, const QString& keyField, qint32 key,
                           const QString& field) {
    return firstValue(db, table, selectByKey(db, table, keyField), key, field);
}

void WriteField(Database& db, const QString& table, const QString& keyField, const QString& key,
                const QString& field, const QVariant& value) {
    if (noRow(key))
        return;
    qint64 rowid = 0;
    {
        Query query(db, lookupText(db, Lookup::Rowid, table, keyField));
        query.bind(1, key);
        if (!query.next())
            return;
        rowid = query.statement().value(0).toLongLong();
    }
    writeRow(db, table, rowid, field, value);
}

void WriteFieldAll(Database& db, const QString& table, const QString& keyField, const QString& key,
                   const QString& field, const QVariant& value) {
    if (noRow(key))
        return;
    const FieldType type = db.columnType(table, field);
    if (type == FieldType::Other)
        throw DbError(
            QStringLiteral("Field %1 is not in the table %2 of %3").arg(field, table, db.path()));
    Query update(db, QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %3 = ?2 AND %4")
                         .arg(db.qualified(table), bracket(field), bracket(keyField),
                              differs(bracket(field), 1)));
    update.changesEveryRow().updatesField(table, field).bind(1, toStored(type, value)).bind(2, key);
    update.next();
}

void SetStatus(Database& db, const QString& table, const QString& keyField, const QString& key,
               const QString& status) {
    WriteField(db, table, keyField, key, kStatus, status);
}

QVariant ReadFirstRowField(Database& db, const QString& table, const QString& field) {
    Query query(
        db, QStringLiteral("SELECT * FROM %1 ORDER BY _rowid_ LIMIT 1").arg(db.qualified(table)));
    if (!query.next())
        return QVariant();
    return query.value(table, field);
}

void WriteFirstRowField(Database& db, const QString& table, const QString& field,
                        const QVariant& value) {
    qint64 rowid = 0;
    {
        Query query(db, QStringLiteral("SELECT _rowid_ FROM %1 ORDER BY _rowid_ LIMIT 1")
                            .arg(db.qualified(table)));
        if (!query.next())
            return;
        rowid = query.statement().value(0).toLongLong();
    }
    writeRow(db, table, rowid, field, value);
}

bool RecordExists(Database& db, const QString& table, const QString& keyField, const QString& key) {
    if (noRow(key))
        return false;
    return anyRow(db, selectByKey(db, table, keyField), {key});
}

bool RecordExistsAt(Database& db, const QString& table, const QString& keyField, const QString& key,
                    const QString& secondField, qint32 number) {
    if (noRow(key))
        return false;
    return anyRow(db,
                  QStringLiteral("SELECT * FROM %1 WHERE ((%2 = ?) AND (%3 = ?))")
                      .arg(db.qualified(table), bracket(keyField), bracket(secondField)),
                  {key, number});
}

bool RecordExistsByNumber(Database& db, const QString& table, const QString& keyField,
                          const QVariant& value) {
    if (noRow(value))
        return false;
    return anyRow(db, selectByKey(db, table, keyField), {value});
}

bool TableExists(Database& db, const QString& name) {
    // Names compare as the engine compares them: a table that differs only in case exists, and
    // creating it again would fail.
    return db.hasTable(name);
}

QString NullToText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

bool IsUsable(const QVariant& status) {
    if (!status.isValid() || status.isNull())
        return true;
    const QString text = status.toString();
    // Earlier releases wrote the marker in these three spellings; any other text is in use.
    return text != kStatusOff && text != QStringLiteral("do not use") &&
           text != QStringLiteral("Do not Use");
}

bool IsDeviceUsable(Database& db, const QString& table, const QString& id) {
    if (noRow(id))
        return false;
    const QString sql = selectByKey(db, table, kIdAvailable);
    Query query(db, sql);
    query.bind(1, id);
    if (!query.next())
        return false;
    return IsUsable(query.value(table, kStatus));
}

namespace {

// A field of a catalogue filter: Null when there is no such filter, textForNull when the filter
// leaves the field empty.
QVariant filterField(Database& db, const QString& idPotential, const QString& field,
                     const QString& textForNull) {
    if (noRow(idPotential))
        return QVariant();
    Query query(db, selectByKey(db, kPotentialFilters, kIdPotential));
    query.bind(1, idPotential);
    if (!query.next())
        return QVariant();
    const QVariant value = query.value(kPotentialFilters, field);
    return value.isNull() ? QVariant(textForNull) : value;
}

} // namespace

QVariant FilterCodeNumber(Database& db, const QString& idPotential) {
    return filterField(db, idPotential, QStringLiteral("Quentara Code No"), QStringLiteral("0"));
}

QVariant FilterAtPosition(Database& db, const QString& wheelId, qint32 position) {
    if (noRow(wheelId))
        return QVariant();
    Query query(db, lookupText(db, Lookup::RowAtPosition, kFilterPlacement, kIdAvailable));
    query.bind(1, wheelId).bind(2, position);
    if (!query.next())
        return QVariant();
    return query.value(kFilterPlacement, kIdPotential);
}

QVariant FilterType(Database& db, const QString& idPotential) {
    return filterField(db, idPotential, QStringLiteral("Type"), QStringLiteral(" "));
}

qint32 CountIncludedPositions(Database& db, const QString& wheelId) {
    if (noRow(wheelId))
        return 0;
    Query query(db, selectByKey(db, kFilterPlacement, kIdAvailable));
    query.bind(1, wheelId);
    qint32 count = 0;
    while (query.next()) {
        const QVariant notInclude = query.value(kFilterPlacement, QStringLiteral("Not Include"));
        if (!notInclude.isNull() && !notInclude.toBool())
            ++count;
    }
    return count;
}

} // namespace records
