#pragma once

// Makes the database engine's own file calls fail as the system fails them (a full disk, an
// input/output error, a folder without write permission), for the files whose path holds a
// given text. Everything else goes through unchanged. Ends with its scope.

#include <QByteArray>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/types.h>

class EngineFaults {
public:
    enum class Call {
        OpenForWriting, // opening the file for reading and writing, or creating it
        Write,          // every write to it
    };

    EngineFaults(Call call, int error, const QByteArray& pathPart) {
        s_call = call;
        s_error = error;
        s_part = pathPart;
        s_fds.clear();
        sqlite3_vfs* vfs = vfsOf();
        s_open = reinterpret_cast<OpenCall>(vfs->xGetSystemCall(vfs, "open"));
        s_close = reinterpret_cast<CloseCall>(vfs->xGetSystemCall(vfs, "close"));
        s_write = reinterpret_cast<WriteCall>(vfs->xGetSystemCall(vfs, "write"));
        s_pwrite = reinterpret_cast<PwriteCall>(vfs->xGetSystemCall(vfs, "pwrite64"));
        vfs->xSetSystemCall(vfs, "open", reinterpret_cast<sqlite3_syscall_ptr>(&open));
        vfs->xSetSystemCall(vfs, "close", reinterpret_cast<sqlite3_syscall_ptr>(&close));
        vfs->xSetSystemCall(vfs, "write", reinterpret_cast<sqlite3_syscall_ptr>(&write));
        if (s_pwrite)
            vfs->xSetSystemCall(vfs, "pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(&pwrite));
    }
    ~EngineFaults() {
        sqlite3_vfs* vfs = vfsOf();
        for (const char* name : {"open", "close", "write", "pwrite64"})
            vfs->xSetSystemCall(vfs, name, nullptr);
    }
    EngineFaults(const EngineFaults&) = delete;
    EngineFaults& operator=(const EngineFaults&) = delete;

    // How many calls were made to fail.
    static int failed() { return s_failed; }

private:
    using OpenCall = int (*)(const char*, int, int);
    using CloseCall = int (*)(int);
    using WriteCall = ssize_t (*)(int, const void*, size_t);
    using PwriteCall = ssize_t (*)(int, const void*, size_t, off_t);

    static sqlite3_vfs* vfsOf() { return sqlite3_vfs_find(nullptr); }
    static int fail() {
        ++s_failed;
        errno = s_error;
        return -1;
    }
    static int open(const char* path, int flags, int mode) {
        const bool matches = QByteArray(path).contains(s_part);
        if (matches && s_call == Call::OpenForWriting && (flags & (O_RDWR | O_WRONLY | O_CREAT)))
            return fail();
        const int fd = s_open(path, flags, mode);
        if (matches && fd >= 0)
            s_fds.insert(fd);
        return fd;
    }
    static int close(int fd) {
        s_fds.remove(fd);
        return s_close(fd);
    }
    static ssize_t write(int fd, const void* data, size_t size) {
        if (s_call == Call::Write && s_fds.contains(fd))
            return fail();
        return s_write(fd, data, size);
    }
    static ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
        if (s_call == Call::Write && s_fds.contains(fd))
            return fail();
        return s_pwrite(fd, data, size, offset);
    }

    static inline Call s_call = Call::Write;
    static inline int s_error = 0;
    static inline int s_failed = 0;
    static inline QByteArray s_part;
    static inline QSet<int> s_fds;
    static inline OpenCall s_open = nullptr;
    static inline CloseCall s_close = nullptr;
    static inline WriteCall s_write = nullptr;
    static inline PwriteCall s_pwrite = nullptr;
};
