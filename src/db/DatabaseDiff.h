#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace db {

class Database;

// What changed between two database files, table by table, row by row and field by field. Rows
// have no key the engine knows, so a row counts as the same row in both files when its first
// field holds the same value (the name the installation's tables begin with); a row whose
// fields are all equal is unchanged wherever it stands, and duplicates count one by one.
struct FieldChange {
    QString field;
    QVariant before;
    QVariant after;
};

struct RowChange {
    enum class Kind { Added, Removed, Changed };
    Kind kind = Kind::Changed;
    QString key;         // the first field's value as text
    QStringList fields;  // the fields of values
    QVariantList values; // the added or removed row
    QList<FieldChange> changes;
};

struct TableDiff {
    enum class State { Both, Added, Removed };
    QString table;
    State state = State::Both;
    qint64 rowCount = 0; // of an added or removed table
    QStringList fieldsAdded;
    QStringList fieldsRemoved;
    QList<RowChange> rows;
    bool empty() const {
        return state == State::Both && fieldsAdded.isEmpty() && fieldsRemoved.isEmpty() &&
               rows.isEmpty();
    }
};

struct DatabaseDiff {
    QList<TableDiff> tables; // only those that differ, in the order of the first file
    QStringList queriesAdded;
    QStringList queriesRemoved;
    QStringList queriesChanged;
    bool empty() const {
        return tables.isEmpty() && queriesAdded.isEmpty() && queriesRemoved.isEmpty() &&
               queriesChanged.isEmpty();
    }
};

// Compares before with after (what after adds, removes and changes). Texts compare exactly,
// case included.
DatabaseDiff compareDatabases(Database& before, Database& after);

// A value as the diff shows it: Null, texts in double quotes, blobs by their size.
QString valueText(const QVariant& value);
// The diff as lines of text, and as one JSON document.
QStringList diffLines(const DatabaseDiff& diff);
QByteArray diffJson(const DatabaseDiff& diff);

} // namespace db
