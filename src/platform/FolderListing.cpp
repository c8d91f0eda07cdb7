#include "FolderListing.h"

#include <QFile>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

EntryKind kindOf(mode_t mode) {
    return S_ISREG(mode) ? EntryKind::File : S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

} // namespace

void forEachEntry(const QString& folder,
                  const std::function<void(QByteArrayView name, EntryKind kind)>& each) {
    forEachEntry(QFile::encodeName(folder), each);
}

void forEachEntry(const QByteArray& nativeFolder,
                  const std::function<void(QByteArrayView name, EntryKind kind)>& each) {
    const int fd = ::open(nativeFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // A folder of thousands of backups is read in a few calls: each call costs the file system
    // a walk back to where the last one ended. The buffer is mapped for the read and goes back
    // to the system after it.
    constexpr size_t kBuffer = size_t(256) << 10;
    void* const mapped =
        ::mmap(nullptr, kBuffer, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    // Closed and unmapped however the reading ends.
    struct Held {
        int fd;
        void* mapped;
        ~Held() {
            ::close(fd);
            if (mapped != MAP_FAILED)
                ::munmap(mapped, kBuffer);
        }
    } held{fd, mapped};
    if (mapped == MAP_FAILED)
        return;
    char* const buffer = static_cast<char*>(mapped);
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, kBuffer);
        if (n <= 0)
            break;
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + at);
            at += entry->d_reclen;
            const char* raw = entry->d_name;
            if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
                continue;
            const QByteArrayView name(raw, qsizetype(std::strlen(raw)));
            EntryKind kind = entry->d_type == DT_REG   ? EntryKind::File
                             : entry->d_type == DT_DIR ? EntryKind::Folder
                                                       : EntryKind::Other;
            // Only a link, or a file system that does not tell the type, needs a look at the
            // entry.
            if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                struct stat info {};
                kind = ::fstatat(fd, entry->d_name, &info, 0) == 0 ? kindOf(info.st_mode)
                                                                   : EntryKind::Other;
            }
            each(name, kind);
        }
    }
}

qint64 folderBytes(const QString& folder) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return -1;
    return qint64(info.st_size);
}

} // namespace platform
