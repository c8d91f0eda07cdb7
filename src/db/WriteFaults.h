#pragma once

#include <QString>

// A switch for tests that proves the editor's units of work: it makes the k-th write of a unit
// fail as a full disk would, on every database of the process. A write is a statement that
// changes a database, counted as it starts, or the commit of a transaction that changed one.
// The unit ends with its first commit: what store and restore do after they have committed is
// a start-up of its own and is not counted.
namespace db::faults {

// Arms the switch: the k-th write from now on throws a DbError (k counts from 1).
void failAt(int k);
void disarm();
// Whether the armed switch made a write fail.
bool fired();
// Writes counted since the switch was armed.
int writes();

namespace detail {
extern bool armed;
void write(const QString& what, const QString& file);
void committed();
} // namespace detail

// Called by the engine wrapper where a write starts and after each commit.
inline bool armed() {
    return detail::armed;
}
inline void write(const QString& what, const QString& file) {
    if (detail::armed)
        detail::write(what, file);
}
inline void committed() {
    if (detail::armed)
        detail::committed();
}

} // namespace db::faults
