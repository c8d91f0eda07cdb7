#include "RowEdits.h"

#include <QStringList>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Field.h>
#include <db/Statement.h>

namespace records {

using namespace db;

namespace {

FieldType requireField(Database& db, const QString& table, const QString& field) {
    const FieldType type = db.columnType(table, field);
    if (type == FieldType::Other)
        throw DbError(
            QStringLiteral("Field %1 is not in the table %2 of %3").arg(field, table, db.path()));
    return type;
}

} // namespace

void AddRow(Database& db, const QString& table, const FieldValues& values) {
    QStringList names;
    QVariantList stored;
    for (const auto& [field, value] : values) {
        stored.append(toStored(requireField(db, table, field), value));
        names.append(bracket(field));
    }
    const QString sql =
        names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(db.qualified(table))
                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(db.qualified(table), names.join(u", "),
                                   QStringList(names.size(), QStringLiteral("?")).join(u", "));
    db.execute(sql, stored);
}

void DeleteFirstRow(Database& db, const QString& table, const QString& keyField,
                    const QString& key) {
    if (key.isEmpty())
        return;
    db.execute(QStringLiteral("DELETE FROM %1 WHERE _rowid_ = (SELECT _rowid_ FROM %1 WHERE %2 = ? "
                              "ORDER BY _rowid_ LIMIT 1)")
                   .arg(db.qualified(table), bracket(keyField)),
               {key});
}

bool AppendMissingField(Database& db, const QString& table, const QString& field, FieldType type) {
    if (db.columnType(table, field) != FieldType::Other)
        return false;
    db.appendField(table, {field, type});
    return true;
}

void DeleteEveryRow(Database& db, const QString& table) {
    db.execute(QStringLiteral("DELETE FROM %1").arg(db.qualified(table)));
}

void WriteEveryRow(Database& db, const QString& table, const QString& field,
                   const QVariant& value) {
    const FieldType type = requireField(db, table, field);
    db.execute(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %3")
                   .arg(db.qualified(table), bracket(field), differs(bracket(field), 1)),
               {toStored(type, value)}, Database::Writes::ChangedRowsOnly);
}

} // namespace records
