#include "FolderListing.h"

#include <QFile>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

EntryKind kindOf(mode_t mode) {
    return S_ISREG(mode) ? EntryKind::File : S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

} // namespace

void forEachEntry(const QString& folder,
                  const std::function<void(QByteArrayView name, EntryKind kind)>& each) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        if (name == "." || name == "..")
            continue;
        EntryKind kind = entry->d_type == DT_REG   ? EntryKind::File
                         : entry->d_type == DT_DIR ? EntryKind::Folder
                                                   : EntryKind::Other;
        // Only a link, or a file system that does not tell the type, needs a look at the entry.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            kind = ::fstatat(fd, entry->d_name, &info, 0) == 0 ? kindOf(info.st_mode)
                                                               : EntryKind::Other;
        }
        each(name, kind);
    }
    ::closedir(dir);
}

} // namespace platform
