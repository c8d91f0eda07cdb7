#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at path with bytes so that readers see either the old or the whole new
// content: a temporary file beside it is written, synced and renamed over it. On failure the old
// file is untouched, no temporary file stays behind, and the reason is returned; an empty text
// means success.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace platform
