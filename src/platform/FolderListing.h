#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace platform {

enum class EntryKind { File, Folder, Other };

// Hands each entry of folder ("." and ".." aside) on with its name as the file system holds it
// (QFile::encodeName of the name) and its kind, read in one pass over the folder: cheaper than
// asking about each name in turn. A link counts as what it leads to; one that leads nowhere, a
// device or a pipe is of the other kind. Nothing when the folder cannot be read.
void forEachEntry(const QString& folder,
                  const std::function<void(QByteArrayView name, EntryKind kind)>& each);
// The same for a folder named as the file system holds it (QFile::encodeName): this one takes
// nothing from the heap of the thread that calls it, so a thread of its own can run it without
// keeping heap memory of its own.
void forEachEntry(const QByteArray& nativeFolder,
                  const std::function<void(QByteArrayView name, EntryKind kind)>& each);

// The bytes the file system keeps for the names in folder, which grow with their number; -1 when
// the folder cannot be read.
qint64 folderBytes(const QString& folder);

} // namespace platform
