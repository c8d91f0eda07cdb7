#pragma once

#include <QString>

namespace platform {

class Registry;

// The editor's three registry helpers. The editor passes "HKEY_LOCAL_MACHINE" as root; suffixes
// such as "\CP\StepDAC" are appended to the vendor key "Software\Quentara".

// The value as text, or the empty text when the key or the value is missing or the value is longer
// than 248 characters: the editor has always read through a buffer of that size, and an over-long
// database path must keep failing as "not found" rather than be read differently here. Text after
// a NUL character is dropped.
QString RegistryRead(const Registry& registry, const QString& root, const QString& subkey,
                     const QString& name);

// True when the vendor key + suffix exists or could be created.
bool RegistryEnsureKey(Registry& registry, const QString& root, const QString& suffix);

// Writes only into an existing key; callers that may meet a missing key run RegistryEnsureKey
// first. Returns whether the value was stored, which callers are free to ignore.
bool RegistryWrite(Registry& registry, const QString& root, const QString& suffix,
                   const QString& name, const QString& text);

} // namespace platform
