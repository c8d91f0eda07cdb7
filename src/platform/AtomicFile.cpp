#include "AtomicFile.h"

#include <QSaveFile>

namespace platform {

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, file size limit) shows in write()'s result:
    // commit() does not notice it and would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return QStringLiteral("Cannot write %1: %2").arg(path, reason);
    }
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace platform
