#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <db/Field.h>
#include <utility>

// Whole-row edits of installation and template tables: adding a row, deleting rows by key, and
// one value written into every row. Values are bound as parameters and stored as the field's
// type stores them; an empty key names no row, as in the record helpers.
namespace db {
class Database;
}

namespace records {

using db::Database;

using FieldValues = QList<std::pair<QString, QVariant>>;

// Appends a row with these fields; the other fields take their defaults.
void AddRow(Database& db, const QString& table, const FieldValues& values);
// Deletes the first row, in table order, whose keyField equals key.
void DeleteFirstRow(Database& db, const QString& table, const QString& keyField,
                    const QString& key);
void DeleteEveryRow(Database& db, const QString& table);
// Appends the field to the table when the table lacks it; true when it was added.
bool AppendMissingField(Database& db, const QString& table, const QString& field,
                        db::FieldType type);
// Sets `field` in every row of the table.
void WriteEveryRow(Database& db, const QString& table, const QString& field, const QVariant& value);

} // namespace records
