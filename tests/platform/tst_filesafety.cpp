#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <platform/FileSafety.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace fs = platform::FileSafety;
using platform::FileError;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }

    // Runs operation once to count its file steps, then once more for every step failing in
    // turn, with the target reset to old before each run. A failed run must leave old (or the
    // whole new content, when the error says the rename was done) and no temporary.
    void failEveryStep(const QString& target, const QByteArray& old, const QByteArray& fresh,
                       const std::function<void()>& operation, bool flushesFolder = true) {
        writeAll(target, old);
        const QStringList before = filesIn(m_dir.path());
        fs::failCall(0);
        operation();
        const qint64 steps = fs::calls();
        QVERIFY(steps >= 3);
        QCOMPARE(readAll(target), fresh);
        for (qint64 k = 1; k <= steps; ++k) {
            writeAll(target, old);
            fs::failCall(k);
            bool replaced = false;
            try {
                operation();
                QFAIL(qPrintable(u"step %1 of %2 did not fail"_s.arg(k).arg(steps)));
            } catch (const FileError& error) {
                replaced = error.replaced();
                QVERIFY2(error.message().contains(u": input/output error"_s),
                         qPrintable(error.message()));
            }
            fs::failCall(0);
            QCOMPARE(readAll(target), replaced ? fresh : old);
            QCOMPARE(filesIn(m_dir.path()), before);
            // Only the last step, the flush of the folder, comes after the rename.
            QCOMPARE(replaced, flushesFolder && k == steps);
        }
    }

private Q_SLOTS:
    void cleanup() {
        fs::failCall(0);
        for (const QString& name : filesIn(m_dir.path()))
            QFile::remove(file(name));
    }

    void writeReplacesWholeAndKeepsPermissions() {
        const QString target = file(u"registry.reg"_s);
        fs::writeAtomically(target, "first");
        QCOMPARE(readAll(target), QByteArray("first"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        fs::writeAtomically(target, "second");
        QCOMPARE(readAll(target), QByteArray("second"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        QCOMPARE(filesIn(m_dir.path()), QStringList{u"registry.reg"_s});
    }

    void everyFailedStepLeavesOldOrNew() {
        const QString target = file(u"target.mdb"_s);
        const QString source = file(u"source.mdb"_s);
        const QByteArray big(300 * 1024, 'n');
        failEveryStep(target, "old", "new", [&] { fs::writeAtomically(target, "new"); });
        writeAll(source, big);
        failEveryStep(target, "old", big, [&] { fs::copyOver(source, target); });
        // The scratch mode skips the flushes but is just as whole.
        failEveryStep(
            target, "old", big, [&] { fs::copyOver(source, target, fs::Durability::Scratch); },
            false);
    }

    void shortWriteOnAFullDiskKeepsTheOldFile() {
        const QString target = file(u"System.mdb"_s);
        writeAll(target, "old content");
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        QString message;
        try {
            fs::writeAtomically(target, QByteArray(64 * 1024, 'x'));
        } catch (const FileError& error) {
            message = error.message();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(message.startsWith(u"Cannot write "_s));
        QCOMPARE(readAll(target), QByteArray("old content"));
        QCOMPARE(filesIn(m_dir.path()), QStringList{u"System.mdb"_s});
    }

    void missingSourceAndBlockedFolder() {
        QVERIFY_THROWS_EXCEPTION(FileError, fs::copyOver(file(u"none.mdb"_s), file(u"t.mdb"_s)));
        QVERIFY(!QFile::exists(file(u"t.mdb"_s)));
        // A file where a folder should go.
        writeAll(file(u"BackupDB"_s), "x");
        QVERIFY_THROWS_EXCEPTION(FileError, fs::makeFolder(file(u"BackupDB/deeper"_s)));
        fs::makeFolder(file(u"a/b/c"_s));
        QVERIFY(QFileInfo(file(u"a/b/c"_s)).isDir());
        fs::makeFolder(file(u"a/b/c"_s)); // there already
        QDir(file(u"a"_s)).removeRecursively();
        // Removing what is not there is no error; removing is not following a link.
        fs::remove(file(u"none.mdb"_s));
        writeAll(file(u"kept.mdb"_s), "kept");
        QVERIFY(QFile::link(file(u"kept.mdb"_s), file(u"link.mdb"_s)));
        fs::remove(file(u"link.mdb"_s));
        QCOMPARE(readAll(file(u"kept.mdb"_s)), QByteArray("kept"));
    }

    // A second name reaches the same bytes and nothing is copied; a name that is taken is an
    // error, and where the file system has no second names nothing happens.
    void secondNames() {
        const QString system = file(u"System.mdb"_s);
        const QString backup = file(u"Temp1.mdb"_s);
        writeAll(system, "stored");
        QVERIFY(fs::linkTo(system, backup));
        struct stat a {};
        struct stat b {};
        QCOMPARE(::stat(QFile::encodeName(system).constData(), &a), 0);
        QCOMPARE(::stat(QFile::encodeName(backup).constData(), &b), 0);
        QCOMPARE(a.st_ino, b.st_ino);
        QCOMPARE(fs::fileIdentity(system), fs::fileIdentity(backup));
        // The backup outlives the name of the file it was made from.
        fs::writeAtomically(system, "new");
        QCOMPARE(readAll(backup), QByteArray("stored"));
        QVERIFY(fs::fileIdentity(system) != fs::fileIdentity(backup));
        QVERIFY(fs::fileIdentity(file(u"none.mdb"_s)).isEmpty());
        QVERIFY_THROWS_EXCEPTION(FileError, fs::linkTo(system, backup));
        QCOMPARE(readAll(backup), QByteArray("stored"));

        // Its folder's flush is a step of its own that can fail; the name is then gone again.
        fs::remove(backup);
        fs::failCall(2);
        QVERIFY_THROWS_EXCEPTION(FileError, fs::linkTo(system, backup));
        fs::failCall(0);
        QVERIFY(!QFile::exists(backup));

        const QString shm = u"/dev/shm"_s;
        struct stat other {};
        if (::stat(QFile::encodeName(shm).constData(), &other) != 0 || other.st_dev == a.st_dev)
            QSKIP("needs a second file system at /dev/shm");
        QTemporaryDir elsewhere(shm + u"/orbis-XXXXXX"_s);
        QVERIFY(elsewhere.isValid());
        QVERIFY(!fs::linkTo(system, elsewhere.filePath(u"Temp1.mdb"_s)));
        QVERIFY(!QFile::exists(elsewhere.filePath(u"Temp1.mdb"_s)));
    }

    void staleTemporariesOfDeadProcessesGo() {
        // Above the largest process id Linux hands out, so no process has it.
        const QString deadMark = u".orbis-tmp-4194400-1"_s;
        writeAll(file(u"System.mdb"_s + deadMark), "stale");
        writeAll(file(u"System.mdb"_s + deadMark + u"-journal"_s), "stale");
        const QString mine = fs::temporaryPath(file(u"Temp.mdb"_s));
        writeAll(mine, "in use");
        writeAll(file(u"Temp.mdb"_s), "kept");
        fs::removeStaleTemporaries(m_dir.path());
        QCOMPARE(filesIn(m_dir.path()), (QStringList{u"Temp.mdb"_s, QFileInfo(mine).fileName()}));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
