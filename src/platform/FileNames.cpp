#include "FileNames.h"

#include "FileSafety.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <cstring>

namespace platform::FileNames {

namespace {

QHash<QString, QString>& fileWords() {
    static QHash<QString, QString> words;
    return words;
}

QHash<QString, QString>& folderWords() {
    static QHash<QString, QString> words;
    return words;
}

QString key(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void keep(QHash<QString, QString>& table, const QString& path, const QString& words) {
    if (path.isEmpty())
        return;
    if (words.isEmpty())
        table.remove(key(path));
    else
        table.insert(key(path), words);
}

} // namespace

void setWords(const QString& path, const QString& words) {
    keep(fileWords(), path, words);
}

void setFolderWords(const QString& folder, const QString& words) {
    keep(folderWords(), folder, words);
}

QString describe(const QString& path) {
    const QString target = FileSafety::temporaryTarget(path);
    const QString file = target.isEmpty() ? path : target;
    const QString cleaned = key(file);
    QString words = fileWords().value(cleaned);
    if (words.isEmpty())
        words = folderWords().value(QFileInfo(cleaned).path());
    return words.isEmpty() ? file : words + u' ' + file;
}

QString reason(int error) {
    QString words = QString::fromLocal8Bit(std::strerror(error));
    // The system's texts begin a sentence; here they continue one.
    if (words.size() > 1 && words.at(0).isUpper() && words.at(1).isLower())
        words[0] = words.at(0).toLower();
    return words;
}

QString text(const QString& what, const QString& path, const QString& why, const QString& detail) {
    QString result = what + u' ' + describe(path);
    if (!why.isEmpty())
        result += QStringLiteral(": ") + why;
    QStringList notes;
    if (!detail.isEmpty())
        notes.append(detail);
    if (!FileSafety::temporaryTarget(path).isEmpty())
        notes.append(QStringLiteral("temporary file ") + QFileInfo(path).fileName());
    if (!notes.isEmpty())
        result += QStringLiteral(" (") + notes.join(QStringLiteral("; ")) + u')';
    return result;
}

} // namespace platform::FileNames
