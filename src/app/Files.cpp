#include "Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <editor/Editor.h>
#include <fcntl.h>
#include <unistd.h>

namespace app::files {

using editor::FileError;

namespace {

[[noreturn]] void fail(const QString& what, const QString& path) {
    throw FileError(
        QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno))));
}

QString folderOf(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

} // namespace

void sync(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("Cannot open"), path);
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0)
        fail(QStringLiteral("Cannot flush"), path);
}

void copyOver(const QString& source, const QString& target, Flush flush) {
    if (!QFileInfo(source).isFile()) {
        errno = ENOENT;
        fail(QStringLiteral("Cannot copy"), source);
    }
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    QFile in(source);
    QFile out(partial);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read"), source);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("Cannot write"), partial);
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.remove();
            fail(QStringLiteral("Cannot read"), source);
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.remove();
            fail(QStringLiteral("Cannot write"), partial);
        }
    }
    if (flush == Flush::ToDisk && ::fsync(out.handle()) != 0) {
        out.remove();
        fail(QStringLiteral("Cannot flush"), partial);
    }
    out.close();
    try {
        if (flush == Flush::ToDisk) {
            replace(partial, target);
        } else if (::rename(QFile::encodeName(partial).constData(),
                            QFile::encodeName(target).constData()) != 0) {
            fail(QStringLiteral("Cannot replace"), target);
        }
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

void replace(const QString& source, const QString& target) {
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        fail(QStringLiteral("Cannot replace"), target);
    sync(folderOf(target));
}

void remove(const QString& path) {
    if (QFileInfo::exists(path) && ::unlink(QFile::encodeName(path).constData()) != 0)
        fail(QStringLiteral("Cannot delete"), path);
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        fail(QStringLiteral("Cannot create the folder"), path);
}

} // namespace app::files
