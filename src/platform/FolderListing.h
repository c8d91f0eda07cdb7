#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

namespace platform {

// The names of the files in folder (symbolic links to files included) as the file system holds
// them (QFile::encodeName of the name), read in one pass over the folder: cheaper than asking
// about each name in turn. Empty when the folder cannot be read.
QSet<QByteArray> fileNamesIn(const QString& folder);

// The names of the entries in folder that are no folders (files, links that lead to no folder,
// special files), as the file system holds them and in its order, read in one pass.
QList<QByteArray> entryNamesIn(const QString& folder);

} // namespace platform
