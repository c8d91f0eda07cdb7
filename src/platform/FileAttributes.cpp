#include "FileAttributes.h"

#include "FileSafety.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sys/stat.h>

namespace platform::FileAttributes {

namespace {

constexpr mode_t anyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

bool modeOf(const QString& path, mode_t& mode) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    mode = info.st_mode;
    return true;
}

QString hiddenListPath(const QFileInfo& file) {
    return file.absolutePath() + QLatin1String("/.hidden");
}

QStringList readHiddenList(const QString& listPath) {
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeHiddenList(const QString& listPath, const QStringList& lines) {
    QString text = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty())
        text += QLatin1Char('\n');
    try {
        FileSafety::writeAtomically(listPath, text.toUtf8());
    } catch (const FileError&) {
        return false;
    }
    return true;
}

} // namespace

bool isReadOnly(const QString& path) {
    mode_t mode = 0;
    return modeOf(path, mode) && (mode & anyWrite) == 0;
}

bool setReadOnly(const QString& path, bool readOnly) {
    mode_t mode = 0;
    if (!modeOf(path, mode))
        return false;
    // A writable file stays as it is when read-only is cleared: only a file with no write bit at
    // all gets the owner's back.
    mode_t wanted = mode;
    if (readOnly)
        wanted &= ~anyWrite;
    else if ((mode & anyWrite) == 0)
        wanted |= S_IWUSR;
    wanted &= 07777;
    if (wanted == (mode & 07777))
        return true;
    return ::chmod(QFile::encodeName(path).constData(), wanted) == 0;
}

bool isHidden(const QString& path) {
    const QFileInfo file(path);
    return file.exists() && readHiddenList(hiddenListPath(file)).contains(file.fileName());
}

bool setHidden(const QString& path, bool hidden) {
    const QFileInfo file(path);
    const QString name = file.fileName();
    if (!file.exists() || name.contains(QLatin1Char('\n')))
        return false;
    const QString listPath = hiddenListPath(file);
    QStringList lines = readHiddenList(listPath);
    const bool listed = lines.contains(name);
    if (listed == hidden)
        return true;
    if (hidden)
        lines.append(name);
    else
        lines.removeAll(name);
    return writeHiddenList(listPath, lines);
}

} // namespace platform::FileAttributes
