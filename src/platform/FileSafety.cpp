#include "FileSafety.h"

#include "FileNames.h"
#include "FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::FileSafety {

namespace {

qint64 g_failAt = 0;
qint64 g_calls = 0;
quint64 g_serial = 0;
std::function<void(const QString&, const QString&)> g_hook;

const QString kTemporaryMark = QStringLiteral(".orbis-tmp-");
// A copy whose source keeps changing is given up after this many readings.
constexpr int kCopyAttempts = 3;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

[[noreturn]] void fail(const QString& what, const QString& path, int error, bool replaced = false) {
    throw FileError(FileNames::text(what, path, FileNames::reason(error)), replaced);
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Closes a descriptor on every way out of a scope; close() reports the error a network file
// system may keep until then.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void close(const QString& path) {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            fail(QStringLiteral("Cannot write"), path, errno);
    }

private:
    int m_fd;
};

void writeAll(int fd, const char* data, qint64 size, const QString& path) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Cannot write"), path, errno);
        }
        if (n == 0)
            fail(QStringLiteral("Cannot write"), path, ENOSPC);
        data += n;
        size -= n;
    }
}

// Creates the temporary that will replace target, with the permission bits of the target when
// there is one (a registry file readable only by its owner stays so).
int createTemporary(const QString& temporary, const QString& target) {
    step(QStringLiteral("Cannot create"), temporary);
    const int fd =
        ::open(native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        fail(QStringLiteral("Cannot create"), temporary, errno);
    struct stat info {};
    if (::stat(native(target).constData(), &info) == 0 && ::fchmod(fd, info.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(native(temporary).constData());
        fail(QStringLiteral("Cannot create"), temporary, error);
    }
    return fd;
}

void finish(Descriptor& out, const QString& temporary, Durability durability) {
    if (durability == Durability::Synced) {
        step(QStringLiteral("Cannot flush"), temporary);
        if (::fsync(out.get()) != 0)
            fail(QStringLiteral("Cannot flush"), temporary, errno);
    }
    out.close(temporary);
}

// Puts a finished temporary in place of target, or removes it.
void install(const QString& temporary, const QString& target, Durability durability) {
    try {
        replace(temporary, target, durability);
    } catch (const FileError& error) {
        if (!error.replaced())
            ::unlink(native(temporary).constData());
        throw;
    }
}

bool sameState(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// Copies the whole of in to a new temporary beside target; false when in changed meanwhile
// (the temporary is then gone).
bool copyInto(int in, const QString& source, const QString& temporary, const QString& target,
              Durability durability) {
    struct stat before {};
    if (::fstat(in, &before) != 0)
        fail(QStringLiteral("Cannot read"), source, errno);
    Descriptor out(createTemporary(temporary, target));
    try {
        step(QStringLiteral("Cannot write"), temporary);
        if (::lseek(in, 0, SEEK_SET) < 0)
            fail(QStringLiteral("Cannot read"), source, errno);
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(in, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(QStringLiteral("Cannot read"), source, errno);
            }
            if (n == 0)
                break;
            writeAll(out.get(), buffer, n, temporary);
        }
        struct stat after {};
        if (::fstat(in, &after) != 0)
            fail(QStringLiteral("Cannot read"), source, errno);
        if (!sameState(before, after)) {
            out.close(temporary);
            ::unlink(native(temporary).constData());
            return false;
        }
        finish(out, temporary, durability);
    } catch (...) {
        ::unlink(native(temporary).constData());
        throw;
    }
    return true;
}

} // namespace

void step(const QString& what, const QString& path) {
    if (g_hook)
        g_hook(what, path);
    ++g_calls;
    if (g_failAt > 0 && g_calls == g_failAt)
        fail(what, path, EIO);
}

void failCall(qint64 k) {
    g_failAt = k;
    g_calls = 0;
}

qint64 calls() {
    return g_calls;
}

void setStepHook(std::function<void(const QString&, const QString&)> hook) {
    g_hook = std::move(hook);
}

QByteArray fileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(native(path).constData(), &info) != 0)
        return {};
    const qint64 fields[] = {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
                             qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(fields), sizeof fields);
}

bool sameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(native(a).constData(), &first) == 0 &&
           ::stat(native(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

QString temporaryPath(const QString& target) {
    return target + kTemporaryMark + QString::number(::getpid()) + u'-' +
           QString::number(++g_serial);
}

QString temporaryTarget(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype mark = name.lastIndexOf(kTemporaryMark);
    if (mark <= 0)
        return {};
    return path.left(path.size() - name.size() + mark);
}

void writeAtomically(const QString& path, const QByteArray& bytes, Durability durability) {
    const QString temporary = temporaryPath(path);
    {
        Descriptor out(createTemporary(temporary, path));
        try {
            step(QStringLiteral("Cannot write"), temporary);
            writeAll(out.get(), bytes.constData(), bytes.size(), temporary);
            finish(out, temporary, durability);
        } catch (...) {
            ::unlink(native(temporary).constData());
            throw;
        }
    }
    install(temporary, path, durability);
}

void copyOver(const QString& source, const QString& target, Durability durability) {
    step(QStringLiteral("Cannot read"), source);
    Descriptor in(::open(native(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        fail(QStringLiteral("Cannot read"), source, errno);
    for (int attempt = 0; attempt < kCopyAttempts; ++attempt) {
        const QString temporary = temporaryPath(target);
        if (copyInto(in.get(), source, temporary, target, durability)) {
            install(temporary, target, durability);
            return;
        }
    }
    throw FileError(QStringLiteral("Cannot copy %1: another program keeps changing it")
                        .arg(FileNames::describe(source)));
}

bool linkTo(const QString& source, const QString& target, Durability durability) {
    step(QStringLiteral("Cannot write"), target);
    if (::link(native(source).constData(), native(target).constData()) != 0) {
        const int error = errno;
        if (error == EXDEV || error == EPERM || error == EMLINK || error == EOPNOTSUPP ||
            error == ENOSYS)
            return false;
        fail(QStringLiteral("Cannot write"), target, error);
    }
    if (durability == Durability::Synced) {
        try {
            syncFolder(folderOf(target));
        } catch (...) {
            ::unlink(native(target).constData());
            throw;
        }
    }
    return true;
}

void replace(const QString& source, const QString& target, Durability durability) {
    step(QStringLiteral("Cannot replace"), target);
    if (::rename(native(source).constData(), native(target).constData()) != 0)
        fail(QStringLiteral("Cannot replace"), target, errno);
    if (durability == Durability::Scratch)
        return;
    try {
        syncFolder(folderOf(target));
    } catch (const FileError& error) {
        throw FileError(error.message(), true);
    }
}

void syncFile(const QString& path) {
    step(QStringLiteral("Cannot flush"), path);
    Descriptor file(::open(native(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0 || ::fsync(file.get()) != 0)
        fail(QStringLiteral("Cannot flush"), path, errno);
}

void syncFolder(const QString& path) {
    step(QStringLiteral("Cannot flush the folder"), path);
    Descriptor folder(::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::fsync(folder.get()) != 0)
        fail(QStringLiteral("Cannot flush the folder"), path, errno);
}

void remove(const QString& path) {
    struct stat info {};
    if (::lstat(native(path).constData(), &info) != 0 && errno == ENOENT)
        return;
    step(QStringLiteral("Cannot delete"), path);
    if (::unlink(native(path).constData()) != 0 && errno != ENOENT)
        fail(QStringLiteral("Cannot delete"), path, errno);
}

void makeFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return;
    step(QStringLiteral("Cannot create the folder"), path);
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    qsizetype next = 1;
    while (next > 0) {
        next = clean.indexOf(u'/', next + 1);
        const QString part = next < 0 ? clean : clean.left(next);
        if (QFileInfo(part).isDir())
            continue;
        if (::mkdir(native(part).constData(), 0777) != 0 && errno != EEXIST)
            fail(QStringLiteral("Cannot create the folder"), path, errno);
    }
    if (!QFileInfo(clean).isDir())
        fail(QStringLiteral("Cannot create the folder"), path, ENOTDIR);
}

void removeStaleTemporaries(const QString& folder) {
    // The backup folder holds thousands of backups: its names are looked at as they are read.
    const QByteArray marked = kTemporaryMark.toUtf8();
    QStringList names;
    forEachEntry(folder, [&](QByteArrayView name, EntryKind kind) {
        if (kind != EntryKind::Folder && name.contains(marked))
            names.append(QFile::decodeName(name.toByteArray()));
    });
    const QDir dir(folder);
    for (const QString& name : names) {
        const qsizetype mark = name.lastIndexOf(kTemporaryMark);
        const QString rest = name.mid(mark + kTemporaryMark.size());
        bool ok = false;
        const qint64 pid = rest.section(u'-', 0, 0).toLongLong(&ok);
        if (!ok || pid <= 0)
            continue;
        // A temporary of a process that still runs is still being written.
        if (pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)
            continue;
        ::unlink(native(dir.filePath(name)).constData());
    }
}

} // namespace platform::FileSafety
