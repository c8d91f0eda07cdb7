#pragma once

#include <QString>
#include <optional>

// The query texts of the installation use the dialect of its original file engine: bracketed
// names, single-quoted text, True/False and SELECT DISTINCTROW. SQLite reads all of it but
// DISTINCTROW, which over the whole rows of one table means nothing more than SELECT.
namespace db::dialect {

// The text SQLite runs: DISTINCTROW dropped (outside quotes and brackets), trailing ';' dropped.
QString toSqlite(const QString& sql);

// A SELECT over one table with no join, the form whose rows can be edited.
struct SingleTableSelect {
    QString selectList; // what stands between SELECT and FROM
    QString table;      // the table name without brackets
    QString rest;       // WHERE/ORDER BY part, possibly empty
};
std::optional<SingleTableSelect> parseSingleTableSelect(const QString& sqliteText);

// The query text of a stored "CREATE VIEW name AS text" definition.
QString viewBody(const QString& createViewSql);

} // namespace db::dialect
