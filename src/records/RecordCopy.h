#pragma once

#include <QString>

namespace db {
class Database;
}

namespace records {

using db::Database;

// Executes the instructions of a configuration table of the template database (for stands
// "Configuration Microscope") for one object, strictly in table order, so that a later
// instruction sees what an earlier one wrote. A row belongs to the object when its `Id Object`
// is the object's id or "All".
//
// - A row with a `ValueRow` writes `Value` into that field of the first row of `Table` whose
//   field `Row` holds `Key` (WriteField); an empty Key names the table's first row.
// - A row without one copies the object's rows of the record table `Record Table` (those whose
//   objectKeyField is objectId) into `Table`, matched by `ID Available`: every field of the
//   installation row becomes the template's. With `Copy` Yes the table is emptied first, but
//   for its five offset rows. While an FCS head is configured (fcsHeadConfigured), the
//   interface row "CANO" keeps its own fields when its Summary differs from the template's.
//
// A row naming a table, record table or field that does not exist fails with a DbError that
// names the configuration table, the row's object and what is missing, before anything of that
// instruction is written. The whole operation runs in one transaction of the working copy
// (joining the caller's), so a failure leaves none of it behind.
void ApplyConfigurationTable(Database& templ, Database& work, const QString& configurationTable,
                             const QString& objectId, const QString& objectKeyField,
                             bool fcsHeadConfigured);

} // namespace records
