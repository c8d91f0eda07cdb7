#include "FolderListing.h"

#include <QFile>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

enum class Kind { File, Folder, Other };

// Reads the folder once and hands each entry's name and kind on. Only a link, or a file system
// that does not tell the type, needs a look at the entry itself; a link that leads nowhere is
// of the other kind.
template <typename Each> void listFolder(const QString& folder, Each each) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        Kind kind = entry->d_type == DT_REG   ? Kind::File
                    : entry->d_type == DT_DIR ? Kind::Folder
                                              : Kind::Other;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(fd, entry->d_name, &info, 0) == 0)
                kind = S_ISREG(info.st_mode)   ? Kind::File
                       : S_ISDIR(info.st_mode) ? Kind::Folder
                                               : Kind::Other;
        }
        each(entry->d_name, kind);
    }
    ::closedir(dir);
}

} // namespace

QSet<QByteArray> fileNamesIn(const QString& folder) {
    QSet<QByteArray> names;
    listFolder(folder, [&](const char* name, Kind kind) {
        if (kind == Kind::File)
            names.insert(QByteArray(name));
    });
    return names;
}

QList<QByteArray> entryNamesIn(const QString& folder) {
    QList<QByteArray> names;
    listFolder(folder, [&](const char* name, Kind kind) {
        if (kind != Kind::Folder)
            names.append(QByteArray(name));
    });
    return names;
}

} // namespace platform
