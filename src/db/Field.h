#pragma once

#include <QString>
#include <QVariant>

namespace db {

// The field types the installation's tables use. Counter is a long integer that the engine
// numbers itself; Other covers computed columns of queries.
enum class FieldType { Text, Boolean, Long, Double, Date, Counter, Other };

// Declared column type in the database file for each field type; the reverse mapping reads
// the declared type of a column back.
QString declaredType(FieldType type);
FieldType fieldTypeFromDeclared(const QString& declared);

// A field to create in a table definition.
// A column of a result set: its name, its type as the schema declares it, and the field of the
// edited table it comes from (empty for a computed column).
struct ResultColumn {
    QString name;
    FieldType type = FieldType::Other;
    QString origin;
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
};

// A field of a result set: name, type and the value of the current row (null = Null).
struct Field {
    QString name;
    FieldType type = FieldType::Other;
    QVariant value;
};

// Converts a value to what a column of the given type holds (for writing), and a stored value
// to what the editor sees (for reading): Booleans as bool, dates as QDateTime.
QVariant toStored(FieldType type, const QVariant& value);
QVariant fromStored(FieldType type, const QVariant& stored);

// Brackets a table or field name for an SQL text ("Available Lasers" -> [Available Lasers]).
QString bracket(const QString& name);

// The condition of an UPDATE that leaves out a row whose field (bracketed) already holds the
// value of parameter ?N: compared as the engine would store the value (the field's affinity
// applies to it) and byte for byte, whatever collation the field declares. An update that
// changes nothing then writes nothing: the engine would leave such a row as it is, but not the
// entries of the indexes over its fields, and the file's change counter would move.
QString differs(const QString& field, int parameter);

} // namespace db
