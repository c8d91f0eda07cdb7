#pragma once

#include <QString>

namespace platform {

// How messages name files. A message about a file says what failed, the file as the user knows
// it and its path, then why in words, and last the lower layer's own text in parentheses:
//
//     Cannot write the system database /data/System.mdb: no space left on device
//     (database or disk is full; temporary file System.mdb.orbis-tmp-812-3)
//
// A temporary that this program writes to replace a file is named by the file it replaces; its
// own name appears only in the parentheses.
namespace FileNames {

// The words for the file at path ("the working copy"), or for every file in folder that has no
// words of its own ("the backup"). Empty words take them back.
void setWords(const QString& path, const QString& words);
void setFolderWords(const QString& folder, const QString& words);

// The file as the user knows it: "the working copy /data/BackupDB/Temp.mdb", or the path alone
// for a file without words; for a temporary, the file it replaces.
QString describe(const QString& path);

// The system's reason for an error number, in words that continue a sentence ("input/output
// error", "no space left on device", "permission denied").
QString reason(int error);

// what + the file + ": " + why + " (" + detail + the temporary's name + ")", leaving out the
// parts that are empty.
QString text(const QString& what, const QString& path, const QString& why,
             const QString& detail = {});

} // namespace FileNames

} // namespace platform
