#include "InstalledFiles.h"

#include "FileSafety.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
const QString kTemplateName = QStringLiteral("Conf.mdb");
}

TemplateLocation templateDatabase(const QString& fromCommandLine, const QString& programFolder,
                                  const QString& shippedFolder, const QString& stateFolder) {
    if (!fromCommandLine.isEmpty())
        return {fromCommandLine, {}};
    const QDir program(programFolder);
    const QString beside = program.filePath(kTemplateName);
    const QString shipped =
        QDir::cleanPath(program.filePath(QDir(shippedFolder).filePath(kTemplateName)));
    if (QFileInfo::exists(beside) || !QFileInfo::exists(shipped))
        return {beside, {}};
    const QString own =
        QDir::cleanPath(program.filePath(QDir(stateFolder).filePath(kTemplateName)));
    if (QFileInfo::exists(own))
        return {own, {}};
    try {
        FileSafety::makeFolder(QFileInfo(own).absolutePath());
        FileSafety::copyOver(shipped, own);
    } catch (const FileError& error) {
        return {own, error.message()};
    }
    return {own, {}};
}

} // namespace platform
