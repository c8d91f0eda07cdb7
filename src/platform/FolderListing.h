#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace platform {

// The names of the files in folder (symbolic links to files included) as the file system holds
// them (QFile::encodeName of the name), read in one pass over the folder: cheaper than asking
// about each name in turn. Empty when the folder cannot be read.
QSet<QByteArray> fileNamesIn(const QString& folder);

} // namespace platform
