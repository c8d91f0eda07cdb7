#pragma once

#include <QString>
#include <QVariant>

// The operations through which the editor brings rows of the template database into the
// working copy and switches listed objects on or off. The template database is always read,
// the working copy always written; both are passed explicitly, template first. Each operation
// runs in a transaction of the working copy (joining the caller's when there is one), so a
// failure leaves nothing of it behind.
namespace db {
class Database;
}

namespace records {

using db::Database;

// The interface node of the port electronics. The FCS head drives its devices through the
// same node and describes it with its own Summary.
inline const QString kInterfaceCANO = QStringLiteral("CANO");

// Adds to `destination` every row of the template table `source` whose key (field keyField)
// the destination lacks, in table order, with the fields of the source row that the
// destination also has. Existing rows stay as they are, except the row of refreshedKey (the FCS
// head passes kInterfaceCANO): when its Summary differs from the template's, the template's
// fields replace it, but for values equal to the key. Keys compare as the destination's key
// field compares them (text without case). A key that is Null in the template matches a Null
// key of the destination, so a second run adds nothing either.
void MergeMissingRows(Database& templ, Database& work, const QString& source,
                      const QString& destination, const QString& keyField,
                      const QString& refreshedKey = {});

// As MergeMissingRows, for tables whose rows are told apart by a text key and a numeric key
// together; no row is ever overwritten.
void MergeMissingRowsTwoKeys(Database& templ, Database& work, const QString& source,
                             const QString& destination, const QString& textKey,
                             const QString& numericKey);

// Replaces the working copy's stored query workQuery by the text of the template's stored query
// templateQuery; nothing happens when the template lacks it or the text is already the same.
void ReplaceQueryFromTemplate(Database& templ, Database& work, const QString& templateQuery,
                              const QString& workQuery);

// Switches the objects that the template table `listTable` lists on (Status " ") or off
// ("Do not use"). With a fixedTarget every object is a row of that table; with an empty one,
// each list row names its table in `Table`, and may name in `Check Table` / `Check Object` a
// device that must be usable before the object is switched back on ("None": no condition).
// Objects that are not in their table are skipped.
void SwitchListedObjects(Database& templ, Database& work, const QString& listTable,
                         const QString& fixedTarget, bool enable);

// Whether two field values count as equal when a template row is held against an
// installation row: Null equals only Null, and texts compare exactly, case included.
bool sameFieldValue(const QVariant& a, const QVariant& b);

} // namespace records
