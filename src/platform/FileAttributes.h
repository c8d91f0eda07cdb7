#pragma once

#include <QString>

namespace platform {

// The read-only and hidden attributes of a file, as the desktop systems the editor came from know
// them.
//
// Read-only means no write permission bit at all. Clearing it gives the owner write permission
// back; every other mode bit (group and other rights, set-id and sticky bits) stays as it is.
//
// Hidden means the file's name is listed in the ".hidden" file of its folder, the convention of the
// desktop file managers. Adding or removing the name rewrites ".hidden" atomically and keeps its
// other lines.
//
// The setters return false when the file is missing or cannot be changed.
namespace FileAttributes {

bool isReadOnly(const QString& path);
bool setReadOnly(const QString& path, bool readOnly);

bool isHidden(const QString& path);
bool setHidden(const QString& path, bool hidden);

} // namespace FileAttributes

} // namespace platform
