#pragma once

#include "JetFile.h"

#include <QString>

namespace jet {

// A stored query in the engine's SQL, or why it has none: the query is of a kind that is no
// view (an action, crosstab or union query, one with parameters) or uses a part of the Jet
// expression language that has no counterpart here (a form reference, a function without an
// equivalent).
struct Translation {
    QString sql;
    QString problem; // empty when sql holds the query
};

Translation translateQuery(const StoredQuery& query);

// A Jet expression in the engine's SQL: "double-quoted" texts, #m/d/y# dates, & for joining
// texts, Yes/No/True/False, Like patterns with * and ?, and the functions that have a
// counterpart (Year, Month, Day, IIf, Nz, CCur, CInt, CLng, CDbl, CStr, UCase, LCase, Len, Trim,
// Left, Right, Mid). Fills problem and returns nothing for anything else.
QString translateExpression(const QString& jet, QString* problem);

} // namespace jet
