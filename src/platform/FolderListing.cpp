#include "FolderListing.h"

#include <QFile>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

QSet<QByteArray> fileNamesIn(const QString& folder) {
    QSet<QByteArray> names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        bool file = entry->d_type == DT_REG;
        // Only a link, or a file system that does not tell the type, needs a look at the file.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            file = ::fstatat(fd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        if (file)
            names.insert(QByteArray(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

} // namespace platform
