#pragma once

#include "../app/Installation.h"

#include <records/RecordHelpers.h>

// Readers of the editor's working copy for the subjects' tests: a row is named by its
// ID Available, a NULL field reads as an empty text.

inline QString field(Installation& in, const QString& table, const QString& id,
                     const QString& name) {
    return records::NullToText(
        records::ReadField(in.editor().work(), table, records::kIdAvailable, id, name));
}

inline QString status(Installation& in, const QString& table, const QString& id) {
    return field(in, table, id, records::kStatus);
}

// A field of the installation's one row of Available Systems.
inline QString system(Installation& in, const QString& name) {
    return records::NullToText(
        records::ReadFirstRowField(in.editor().work(), records::kAvailableSystems, name));
}
