#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <records/Names.h>

// The record helpers through which the editor reads and writes single fields of the
// installation. Keys are bound as parameters, so any text (a quote included) is a valid key;
// table and field names come from the program and its template. Each helper reads what it
// needs from the first matching row, in table order, and keeps nothing open.
//
// An empty key names no row: keys are often read from rows, where Null reads as the empty text,
// and such a key must not hit some row by accident. The helpers then read Null, find nothing and
// write nothing. A caller that means the first row of a table says so with the FirstRow helpers.
namespace db {
class Database;
}

namespace records {

using db::Database;

// Status values: in use, switched off, present but not driven.
inline const QString kStatusInUse = QStringLiteral(" ");
inline const QString kStatusOff = QStringLiteral("Do not use");
inline const QString kStatusDummy = QStringLiteral("Dummy");

// One row as a lookup read it, read-only: the fields asked for, by name (compared without case).
// A row that was not found reads Null in every field.
class Row {
public:
    bool exists() const { return m_exists; }
    // Throws std::logic_error for a field the lookup did not ask for.
    QVariant value(const QString& field) const;

private:
    friend Row FirstRowByKey(Database& db, const QString& table, const QString& keyField,
                             const QString& key, const QStringList& fields);
    bool m_exists = false;
    QStringList m_fields;
    QVariantList m_values;
};

// The first row, in table order, whose keyField equals key, with the named fields.
Row FirstRowByKey(Database& db, const QString& table, const QString& keyField, const QString& key,
                  const QStringList& fields);

// Value of `field` in the first row whose keyField equals key; Null when no row matches.
QVariant ReadField(Database& db, const QString& table, const QString& keyField, const QString& key,
                   const QString& field);
QVariant ReadFieldByNumber(Database& db, const QString& table, const QString& keyField, qint32 key,
                           const QString& field);
// Sets `field` of the first row whose keyField equals key; nothing happens when there is no such
// row.
void WriteField(Database& db, const QString& table, const QString& keyField, const QString& key,
                const QString& field, const QVariant& value);

// Sets `field` of every row whose keyField equals key (a device that several rows stand for).
void WriteFieldAll(Database& db, const QString& table, const QString& keyField, const QString& key,
                   const QString& field, const QVariant& value);
// Switches the first row whose keyField equals key in use (kStatusInUse) or off (kStatusOff), or
// sets another status; nothing happens when there is no such row.
void SetStatus(Database& db, const QString& table, const QString& keyField, const QString& key,
               const QString& status);

// The first row of a table in table order, for tables of one row such as the system row of
// "Available Systems": the value of `field`, Null when the table is empty; and its update,
// which writes nothing to an empty table.
QVariant ReadFirstRowField(Database& db, const QString& table, const QString& field);
void WriteFirstRowField(Database& db, const QString& table, const QString& field,
                        const QVariant& value);

bool RecordExists(Database& db, const QString& table, const QString& keyField, const QString& key);
bool RecordExistsAt(Database& db, const QString& table, const QString& keyField, const QString& key,
                    const QString& secondField, qint32 number);
bool RecordExistsByNumber(Database& db, const QString& table, const QString& keyField,
                          const QVariant& value);
// True when a table of exactly that name (same case) exists.
bool TableExists(Database& db, const QString& name);

QString NullToText(const QVariant& value);
// A row is in use unless its Status is one of the three spellings of "Do not use".
bool IsUsable(const QVariant& status);
bool IsDeviceUsable(Database& db, const QString& table, const QString& id);

// Filter catalogue and placement lookups.
QVariant FilterCodeNumber(Database& db, const QString& idPotential);
QVariant FilterAtPosition(Database& db, const QString& wheelId, qint32 position);
QVariant FilterType(Database& db, const QString& idPotential);
qint32 CountIncludedPositions(Database& db, const QString& wheelId);

} // namespace records
