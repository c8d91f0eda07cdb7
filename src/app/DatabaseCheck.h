#pragma once

#include <QString>
#include <QStringList>
#include <db/Database.h>
#include <functional>
#include <memory>

namespace app {

// Opens the database file at path as it is (nothing in it changes) and proves it usable before
// anything is copied from it or relies on it: not empty, a database of the engine, passing the
// engine's quick check (unless quickCheck is false) and holding the tables named. The connection
// stays in one read transaction, so that what the caller reads or copies next is the state that
// passed.
//
// The error names the file and says in words what is wrong ("The backup /x/Temp3.mdb is not a
// database file"), followed by the engine's own text for the service engineer.
//
// passedBefore, when given, runs in that transaction before the quick check; true spares the
// check (the state it saw passed one already).
std::unique_ptr<db::Database>
openSound(const QString& role, const QString& path, const QStringList& tables,
          bool quickCheck = true, const std::function<bool(db::Database&)>& passedBefore = {});

} // namespace app
