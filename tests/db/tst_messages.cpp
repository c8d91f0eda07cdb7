#include "EngineFaults.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <db/Database.h>
#include <db/DbError.h>
#include <platform/FileNames.h>
#include <platform/FileSafety.h>

using namespace Qt::StringLiterals;
using db::Database;
using db::DbError;
namespace fs = platform::FileSafety;

// Each kind of failure, forced where the system or the engine really fails, reads as words
// first: what failed, the file as the user knows it, the system's reason, and only then, in
// parentheses, the engine's text and a temporary's name. No message quotes a statement.
class TestMessages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_system;
    QString m_work;

    template <class F> static QString failure(F call) {
        try {
            call();
        } catch (const DbError& error) {
            return error.message();
        } catch (const platform::FileError& error) {
            return error.message();
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase() {
        // The system's reasons in the words the expectations use.
        std::setlocale(LC_MESSAGES, "C");
    }

    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath(u"BackupDB"_s));
        m_system = m_dir.filePath(u"System.mdb"_s);
        m_work = m_dir.filePath(u"BackupDB/Temp.mdb"_s);
        auto database = Database::create(m_system);
        database->execute(u"CREATE TABLE [Available Lasers] ([ID Available] TEXT, [Status] TEXT);"
                          "INSERT INTO [Available Lasers] VALUES ('Argon', ' ');"_s);
        database->close();
        QFile::copy(m_system, m_work);
        platform::FileNames::setWords(m_system, u"the system database"_s);
        platform::FileNames::setWords(m_work, u"the working copy"_s);
        platform::FileNames::setFolderWords(m_dir.filePath(u"BackupDB"_s), u"the backup"_s);
    }
    void cleanup() { fs::failCall(0); }

    void wordsFirst_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("expected"); // %D the folder; a temporary's number as N
        QTest::newRow("a statement's write")
            << u"statement"_s
            << u"Cannot write the working copy %D/BackupDB/Temp.mdb: input/output error (disk I/O "
               "error)"_s;
        QTest::newRow("the compaction's temporary")
            << u"compact"_s
            << u"Cannot write the system database %D/System.mdb: no space left on device "
               "(database or disk is full; temporary file System.mdb.orbis-tmp-N)"_s;
        QTest::newRow("opening for writing")
            << u"open"_s
            << u"Cannot open the working copy %D/BackupDB/Temp.mdb: input/output error (it opens "
               "for reading only)"_s;
        QTest::newRow("a read-only folder")
            << u"folder"_s
            << u"Cannot write the working copy %D/BackupDB/Temp.mdb: permission denied (unable "
               "to open database file; temporary file Temp.mdb.orbis-tmp-N)"_s;
        QTest::newRow("a file step")
            << u"file"_s
            << u"Cannot create the backup %D/BackupDB/Temp4.mdb: input/output error (temporary "
               "file Temp4.mdb.orbis-tmp-N)"_s;
        QTest::newRow("a file without words")
            << u"plain"_s << u"Cannot delete %D/notes.txt: input/output error"_s;
        QTest::newRow("a missing database")
            << u"missing"_s
            << u"Cannot open the system database %D/System.mdb: no such file or directory"_s;
        QTest::newRow("a refused statement")
            << u"constraint"_s
            << u"Cannot write the working copy %D/BackupDB/Temp.mdb (UNIQUE constraint failed: "
               "Available Lasers.ID Available)"_s;
    }
    void wordsFirst() {
        QFETCH(QString, failure);
        QFETCH(QString, expected);
        QString message;
        if (failure == u"statement"_s) {
            auto work = Database::open(m_work);
            const EngineFaults faults(EngineFaults::Call::Write, EIO, "Temp.mdb");
            message = this->failure([&] {
                work->execute(
                    u"UPDATE [Available Lasers] SET [Status] = ? WHERE [ID Available] = ?"_s,
                    {u"Do not use"_s, u"Argon"_s});
            });
        } else if (failure == u"compact"_s) {
            const EngineFaults faults(EngineFaults::Call::Write, ENOSPC, "orbis-tmp");
            message = this->failure(
                [&] { Database::CompactDatabase(m_work, fs::temporaryPath(m_system)); });
        } else if (failure == u"open"_s) {
            const EngineFaults faults(EngineFaults::Call::OpenForWriting, EIO, "Temp.mdb");
            message = this->failure([&] { Database::open(m_work); });
        } else if (failure == u"folder"_s) {
            const EngineFaults faults(EngineFaults::Call::OpenForWriting, EACCES, "orbis-tmp");
            message = this->failure([&] { Database::SnapshotDatabase(m_system, m_work); });
        } else if (failure == u"file"_s) {
            fs::failCall(2);
            message = this->failure(
                [&] { fs::copyOver(m_system, m_dir.filePath(u"BackupDB/Temp4.mdb"_s)); });
        } else if (failure == u"plain"_s) {
            QFile notes(m_dir.filePath(u"notes.txt"_s));
            QVERIFY(notes.open(QIODevice::WriteOnly));
            notes.close();
            fs::failCall(1);
            message = this->failure([&] { fs::remove(notes.fileName()); });
        } else if (failure == u"missing"_s) {
            QFile::remove(m_system);
            message = this->failure([&] { Database::open(m_system); });
        } else if (failure == u"constraint"_s) {
            auto work = Database::open(m_work);
            work->execute(u"CREATE UNIQUE INDEX [Once] ON [Available Lasers] ([ID Available])"_s);
            message = this->failure([&] {
                work->execute(u"INSERT INTO [Available Lasers] VALUES (?, ' ')"_s, {u"Argon"_s});
            });
        }
        message.replace(QRegularExpression(u"orbis-tmp-[0-9]+-[0-9]+"_s), u"orbis-tmp-N"_s);
        QCOMPARE(message, QString(expected).replace(u"%D"_s, m_dir.path()));
        // Nothing of the store's temporaries is left behind.
        QVERIFY(QDir(m_dir.path()).entryList({u"*orbis-tmp*"_s}, QDir::Files).isEmpty());
        QVERIFY(QDir(m_dir.filePath(u"BackupDB"_s))
                    .entryList({u"*orbis-tmp*"_s}, QDir::Files)
                    .isEmpty());
    }

    // The statement stays with the error for those who debug the program.
    void theStatementStaysWithTheError() {
        auto work = Database::open(m_work);
        try {
            work->execute(u"SELECT [Nothing] FROM [Available Lasers]"_s);
            QFAIL("no error");
        } catch (const DbError& error) {
            QCOMPARE(error.engine().statement, u"SELECT [Nothing] FROM [Available Lasers]"_s);
            QCOMPARE(error.message(),
                     u"Cannot read the working copy %1 (no such column: Nothing)"_s.arg(m_work));
        }
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
