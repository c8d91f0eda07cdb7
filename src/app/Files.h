#pragma once

#include <QString>

// File steps of start-up, store and restore. Each either completes or throws FileError and
// leaves the target as it was.
namespace app::files {

enum class Flush { ToDisk, No };

// Copies source over target: the copy is written beside the target, flushed to the disk (unless
// the target is a scratch file that start-up makes anew) and renamed over it, so that the target
// is at every moment either the old or the new file.
void copyOver(const QString& source, const QString& target, Flush flush = Flush::ToDisk);
// Replaces target with source by renaming (both in one folder), then flushes the folder.
void replace(const QString& source, const QString& target);
void remove(const QString& path);
void makeFolder(const QString& path);
// Flushes a file or a folder entry to the disk.
void sync(const QString& path);

} // namespace app::files
