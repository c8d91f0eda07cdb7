#include "RecordCopy.h"

#include "RecordHelpers.h"
#include "TemplateMerge.h"

#include <QSet>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Field.h>
#include <db/Recordset.h>

namespace records {

using namespace db;

namespace {

const QString kAllObjects = QStringLiteral("All");

// The offset rows are the installation's own, not a stand's: emptying a table for a new stand
// keeps them.
const QStringList kOffsetRows = {QStringLiteral("ATBLOffset"), QStringLiteral("ATBROffset"),
                                 QStringLiteral("ATEXOffset"), QStringLiteral("ATTLOffset"),
                                 QStringLiteral("ATTROffset")};

// What one instruction needs to know to run and to explain a failure.
struct Instruction {
    Database& templ;
    Database& work;
    QString where; // configuration table and the row's object, for messages
};

[[noreturn]] void fail(const Instruction& instruction, const QString& what) {
    throw DbError(instruction.where + QStringLiteral(": ") + what);
}

bool hasTable(const Database& database, const QString& name) {
    return !name.isEmpty() && database.hasTable(name);
}

QSet<QString> lowerFieldNames(const QList<Field>& fields) {
    QSet<QString> names;
    for (const Field& field : fields)
        names.insert(field.name.toLower());
    return names;
}

void writeSingleValue(const Instruction& instruction, const QString& table, const QString& row,
                      const QString& key, const QString& valueRow, const QVariant& value) {
    if (!hasTable(instruction.work, table))
        fail(instruction, QStringLiteral("the working copy has no table [%1]").arg(table));
    const QSet<QString> fields = lowerFieldNames(instruction.work.tableFields(table));
    // An empty key addresses the table's first row, so its key field plays no part.
    if (!key.isEmpty() && !fields.contains(row.toLower()))
        fail(instruction, QStringLiteral("the table [%1] has no field [%2]").arg(table, row));
    if (!fields.contains(valueRow.toLower()))
        fail(instruction, QStringLiteral("the table [%1] has no field [%2]").arg(table, valueRow));
    // The configuration tables of the template give the system row (the only row of
    // "Available Systems") no key: an empty Key there means the first row.
    if (key.isEmpty())
        WriteFirstRowField(instruction.work, table, valueRow, value);
    else
        WriteField(instruction.work, table, row, key, valueRow, value);
}

void copyRecords(const Instruction& instruction, const QString& table, const QString& recordTable,
                 bool emptyFirst, const QString& objectId, const QString& objectKeyField,
                 bool fcsHeadConfigured) {
    if (!hasTable(instruction.work, table))
        fail(instruction, QStringLiteral("the working copy has no table [%1]").arg(table));
    if (!hasTable(instruction.templ, recordTable))
        fail(instruction,
             QStringLiteral("the template database has no record table [%1]").arg(recordTable));

    const QList<Field> fields = instruction.work.tableFields(table);
    const QSet<QString> templateFields =
        lowerFieldNames(instruction.templ.tableFields(recordTable));
    const QSet<QString> installationFields = lowerFieldNames(fields);
    if (!installationFields.contains(kIdAvailable.toLower()))
        fail(instruction,
             QStringLiteral("the table [%1] has no field [%2]").arg(table, kIdAvailable));
    for (const Field& field : fields)
        if (!templateFields.contains(field.name.toLower()))
            fail(instruction, QStringLiteral("the record table [%1] lacks the field [%2] of [%3]")
                                  .arg(recordTable, field.name, table));
    if (!templateFields.contains(objectKeyField.toLower()))
        fail(instruction, QStringLiteral("the record table [%1] has no field [%2]")
                              .arg(recordTable, objectKeyField));

    if (emptyFirst) {
        QStringList marks(kOffsetRows.size(), QStringLiteral("?"));
        QVariantList offsets(kOffsetRows.begin(), kOffsetRows.end());
        instruction.work.execute(
            QStringLiteral("DELETE FROM %1 WHERE %2 IS NULL OR %2 NOT IN (%3)")
                .arg(instruction.work.qualified(table), bracket(kIdAvailable), marks.join(u", ")),
            offsets);
    }

    const QString select = QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                               .arg(instruction.work.qualified(table), bracket(kIdAvailable));
    Recordset templates = instruction.templ.OpenRecordset(recordTable);
    for (; !templates.eof(); templates.moveNext()) {
        const QVariant object = templates.value(objectKeyField);
        if (object.isNull() || object.toString() != objectId)
            continue;
        const QString id = NullToText(templates.value(kIdAvailable));
        Recordset target = instruction.work.OpenRecordset(select, {id});
        const bool adding = target.eof();
        if (!adding && fcsHeadConfigured && id == kInterfaceCANO &&
            installationFields.contains(kSummary.toLower()) &&
            !sameFieldValue(target.value(kSummary), templates.value(kSummary)))
            continue;

        if (adding)
            target.addNew();
        else
            target.edit();
        for (const Field& field : fields) {
            if (field.type == FieldType::Counter)
                continue;
            const QVariant value = templates.value(field.name);
            // A new row takes every value, Null included, over the table's defaults.
            if (adding || !sameFieldValue(target.value(field.name), value))
                target.setValue(field.name, value);
        }
        target.update();
    }
}

} // namespace

void ApplyConfigurationTable(Database& templ, Database& work, const QString& configurationTable,
                             const QString& objectId, const QString& objectKeyField,
                             bool fcsHeadConfigured) {
    if (!hasTable(templ, configurationTable))
        throw DbError(QStringLiteral("The template database %1 has no configuration table [%2]")
                          .arg(templ.path(), configurationTable));

    Recordset rows = templ.OpenRecordset(configurationTable);
    Transaction transaction(work);
    for (; !rows.eof(); rows.moveNext()) {
        const QVariant idObject = rows.value(QStringLiteral("Id Object"));
        if (idObject.isNull())
            continue;
        const QString object = idObject.toString();
        if (object != objectId && object != kAllObjects)
            continue;

        const Instruction instruction{templ, work,
                                      QStringLiteral("%1 (%2)").arg(configurationTable, object)};
        const QString table = NullToText(rows.value(QStringLiteral("Table")));
        // An empty ValueRow can name no field: like Null, it marks a record copy.
        const QString valueRow = NullToText(rows.value(QStringLiteral("ValueRow")));
        if (!valueRow.isEmpty()) {
            writeSingleValue(instruction, table, NullToText(rows.value(QStringLiteral("Row"))),
                             NullToText(rows.value(QStringLiteral("Key"))), valueRow,
                             rows.value(QStringLiteral("Value")));
        } else {
            const QVariant copy = rows.value(QStringLiteral("Copy"));
            copyRecords(instruction, table, NullToText(rows.value(QStringLiteral("Record Table"))),
                        !copy.isNull() && toStored(FieldType::Boolean, copy).toInt() != 0, objectId,
                        objectKeyField, fcsHeadConfigured);
        }
    }
    transaction.commit();
}

} // namespace records
