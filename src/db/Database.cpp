#include "Database.h"

#include "DatabaseFingerprint.h"
#include "DbError.h"
#include "RowChanges.h"
#include "SchemaAccess.h"
#include "SchemaCache.h"
#include "SqlDialect.h"
#include "Statement.h"
#include "WriteFaults.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <platform/FileNames.h>
#include <sqlite3.h>
#include <unistd.h>
#include <utility>

namespace db {

namespace {

const QString kRelationsTable = QStringLiteral("MSysRelationships");

// Statements of OpenRecordset and execute kept prepared at most; their texts repeat, but a
// program that builds texts with values in them must not fill the memory with them.
constexpr qsizetype kTransientStatements = 256;

// Whether a text holds exactly one statement and no comment, so that it can be kept prepared;
// anything else runs statement by statement as it comes.
bool isSingleStatement(const QString& text) {
    if (text.trimmed().isEmpty())
        return false;
    QChar close;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!close.isNull()) {
            if (c == close)
                close = QChar();
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            close = c;
        } else if (c == u'[') {
            close = u']';
        } else if (c == u';' || (c == u'-' && text.mid(i, 2) == u"--") ||
                   (c == u'/' && text.mid(i, 2) == u"/*")) {
            return false;
        }
    }
    return true;
}

// Resets a statement when the scope ends, whatever happens.
class ResetOnExit {
public:
    explicit ResetOnExit(Statement& statement) : m_statement(statement) {}
    ~ResetOnExit() { m_statement.reset(); }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    Statement& m_statement;
};

const QString kCannotOpen = QStringLiteral("Cannot open");

// The error number of opening path with flags as the engine opens files (through its own
// system call, so that tests that make it fail reach this too); 0 when that works now. A file
// created here is removed again.
int openError(const QString& path, int flags) {
    using OpenCall = int (*)(const char*, int, int);
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    auto open = vfs && vfs->iVersion >= 3
                    ? reinterpret_cast<OpenCall>(vfs->xGetSystemCall(vfs, "open"))
                    : nullptr;
    const QByteArray name = QFile::encodeName(path);
    const int fd = open ? open(name.constData(), flags | O_CLOEXEC, 0600)
                        : ::open(name.constData(), flags | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (flags & O_EXCL)
        ::unlink(name.constData());
    return 0;
}

[[noreturn]] void failOpen(sqlite3* connection, const QString& what, const QString& path, int flags,
                           int code) {
    const QString reason = connection ? QString::fromUtf8(sqlite3_errmsg(connection))
                                      : QStringLiteral("out of memory");
    int systemError = connection ? sqlite3_system_errno(connection) : 0;
    sqlite3_close_v2(connection);
    // Refused a file for writing, the engine tries to open it for reading, and the error number
    // it keeps is that of the second try ("no such file" for a file it was to create).
    if ((code & 0xff) == SQLITE_CANTOPEN) {
        const int error =
            openError(path, flags & SQLITE_OPEN_CREATE ? O_RDWR | O_CREAT | O_EXCL : O_RDONLY);
        if (error != 0)
            systemError = error;
    }
    throw engineError(what, path, {code, systemError, reason, {}});
}

[[noreturn]] void failMissing(const QString& path) {
    throw DbError(platform::FileNames::text(kCannotOpen, path, platform::FileNames::reason(ENOENT)),
                  DbError::Kind::Io);
}

// The engine's settings, which must come before it starts, that is before any connection of the
// process opens: made as the program loads.
// - One thread uses a connection at a time, so the engine need not lock a connection around
//   every call into it (each connection opens with SQLITE_OPEN_NOMUTEX too). In this mode a
//   column's value may be read directly (see Statement::value).
// - It keeps no count of its memory: nothing here asks for it, and keeping it took a process-wide
//   lock around every allocation of the engine (this build of SQLite has no lookaside memory, so
//   every value and record it unpacks is one).
const bool kEngineConfigured = sqlite3_config(SQLITE_CONFIG_MULTITHREAD) == SQLITE_OK &&
                               sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;

// Opens a connection; what names the failure ("Cannot write" for a file that is being made).
sqlite3* openConnection(const QString& path, int flags, const QString& what = kCannotOpen) {
    sqlite3* connection = nullptr;
    // One thread uses a connection at a time, so the engine need not lock it around every call
    // (each value read from a row took a lock).
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &connection,
                                   flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        failOpen(connection, what, path, flags, rc);
    sqlite3_extended_result_codes(connection, 1);
    sqlite3_busy_timeout(connection, 2000);
    return connection;
}

// Closes a connection of its own on every way out of a scope.
struct Connection {
    sqlite3* handle;
    explicit Connection(sqlite3* h) : handle(h) {}
    ~Connection() { sqlite3_close_v2(handle); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

int traceStatement(unsigned, void* context, void* statement, void* text) {
    // Statements that a trigger runs come as comments of the statement that fired it.
    if (qstrncmp(static_cast<const char*>(text), "--", 2) == 0)
        return 0;
    char* expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    if (expanded) {
        (*static_cast<std::function<void(const QString&)>*>(context))(QString::fromUtf8(expanded));
        sqlite3_free(expanded);
    }
    return 0;
}

} // namespace

Database::Database(sqlite3* connection, const QString& path)
    : m_connection(connection), m_path(path), m_access(std::make_shared<SchemaAccess>()) {
    static std::atomic<quint64> connections{0};
    m_access->serial = ++connections;
}

Database::~Database() {
    close();
}

std::unique_ptr<Database> Database::open(const QString& path) {
    if (!QFileInfo(path).isFile())
        failMissing(path);
    sqlite3* connection = openConnection(path, SQLITE_OPEN_READWRITE);
    // Refused the file for writing, the engine opens it for reading only and says nothing
    // until the first write fails.
    if (sqlite3_db_readonly(connection, "main") == 1) {
        const int error = openError(path, O_RDWR);
        sqlite3_close_v2(connection);
        namespace names = platform::FileNames;
        throw DbError(names::text(kCannotOpen, path,
                                  error ? names::reason(error) : QStringLiteral("it is read-only"),
                                  QStringLiteral("it opens for reading only")),
                      DbError::Kind::Io);
    }
    std::unique_ptr<Database> database(new Database(connection, path));
    // Reading the schema proves the file is a database; the rollback journal keeps it
    // self-contained even if some other program had switched it to WAL.
    database->execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    database->execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return database;
}

std::unique_ptr<Database> Database::openShared(const QString& path) {
    if (!QFileInfo(path).isFile())
        failMissing(path);
    sqlite3* connection = openConnection(path, SQLITE_OPEN_READWRITE);
    return std::unique_ptr<Database>(new Database(connection, path));
}

std::unique_ptr<Database> Database::create(const QString& path) {
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("Cannot create database %1: the file exists").arg(path));
    sqlite3* connection = openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    std::unique_ptr<Database> database(new Database(connection, path));
    database->execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    return database;
}

void Database::CompactDatabase(const QString& source, const QString& destination) {
    namespace fs = platform::FileSafety;
    if (!QFileInfo(source).isFile())
        failMissing(source);
    if (QFileInfo::exists(destination))
        throw DbError(
            QStringLiteral("Cannot compact %1 into %2: the file exists").arg(source, destination));
    const Connection connection(openConnection(source, SQLITE_OPEN_READONLY));
    // A compaction that failed after its cache spilled leaves the copy's journal beside it.
    const auto removeCopy = [&destination] {
        QFile::remove(destination);
        QFile::remove(destination + QStringLiteral("-journal"));
    };
    try {
        fs::step(QStringLiteral("Cannot write"), destination);
        // The copy takes its cache size from the source. The compaction reads and writes each page
        // about once, so a small cache keeps its memory small at any size and costs no time.
        Statement(connection.handle, QStringLiteral("PRAGMA cache_size = -256"), source).run();
        Statement vacuum(connection.handle, QStringLiteral("VACUUM INTO ?"), source);
        vacuum.bind(1, destination);
        vacuum.run();
        // VACUUM INTO leaves its output to the operating system's cache.
        fs::syncFile(destination);
    } catch (const DbError& error) {
        removeCopy();
        // The statement runs on the source's connection, but mostly fails writing the copy.
        const int code = error.engine().code;
        if (code == 0)
            throw;
        const QString what = actionOf(code, true);
        throw engineError(what, what == QStringLiteral("Cannot read") ? source : destination,
                          error.engine());
    } catch (...) {
        removeCopy();
        throw;
    }
}

void Database::SnapshotDatabase(const QString& source, const QString& destination,
                                platform::FileSafety::Durability durability) {
    openShared(source)->snapshotTo(destination, durability);
}

namespace {

// Moves a finished temporary file over its destination; the temporary goes when the move failed
// before the destination was replaced, so nothing of a failed copy stays beside it.
void putInPlace(const QString& temporary, const QString& destination,
                platform::FileSafety::Durability durability) {
    try {
        platform::FileSafety::replace(temporary, destination, durability);
    } catch (const platform::FileError& error) {
        if (!error.replaced())
            QFile::remove(temporary);
        throw;
    }
}

} // namespace

void Database::snapshotTo(const QString& destination, platform::FileSafety::Durability durability) {
    namespace fs = platform::FileSafety;
    ensureOpen();
    const QString temporary = fs::temporaryPath(destination);
    try {
        fs::step(QStringLiteral("Cannot write"), temporary);
        writeCopy(temporary);
        if (durability == fs::Durability::Synced)
            fs::syncFile(temporary);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    putInPlace(temporary, destination, durability);
}

void Database::writeCopy(const QString& temporary) {
    const Connection copy(openConnection(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                         QStringLiteral("Cannot write")));
    // The temporary needs no journal of its own: it counts only once it is complete.
    Statement(copy.handle, QStringLiteral("PRAGMA journal_mode=OFF"), temporary).run();
    Statement(copy.handle, QStringLiteral("PRAGMA synchronous=OFF"), temporary).run();
    sqlite3_backup* backup = sqlite3_backup_init(copy.handle, "main", m_connection, "main");
    if (!backup)
        throw engineError(QStringLiteral("Cannot write"), temporary,
                          {sqlite3_extended_errcode(copy.handle),
                           sqlite3_system_errno(copy.handle),
                           QString::fromUtf8(sqlite3_errmsg(copy.handle)),
                           {}});
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        const QString what = actionOf(rc, true);
        const bool reading = what == QStringLiteral("Cannot read");
        throw engineError(what, reading ? m_path : temporary,
                          {rc,
                           sqlite3_system_errno(reading ? m_connection : copy.handle),
                           QString::fromUtf8(sqlite3_errstr(rc)),
                           {}});
    }
    // The copy carries its source's journal mode in its header; a copy of a WAL database
    // must not need a WAL file of its own.
    Statement(copy.handle, QStringLiteral("PRAGMA journal_mode=DELETE"), temporary).run();
}

QByteArray Database::copyWithFingerprint(const QString& destination,
                                         platform::FileSafety::Durability durability,
                                         QByteArray* header) {
    namespace fs = platform::FileSafety;
    ensureOpen();
    if (!inTransaction())
        throw DbError(QStringLiteral("Cannot copy %1 outside a read transaction").arg(m_path));
    // Reading takes the transaction's lock, after rolling back what a crashed writer left.
    Statement(m_connection, QStringLiteral("PRAGMA schema_version"), m_path).run();
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(m_connection, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        !file || !file->pMethods || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot read the database file %1").arg(m_path));
    const auto read = [&](char* into, qint64 length, qint64 offset) {
        const int rc = file->pMethods->xRead(file, into, int(length), offset);
        if (rc != SQLITE_OK)
            throw DbError(QStringLiteral("Cannot read the database file %1: %2")
                              .arg(m_path, QString::fromUtf8(sqlite3_errstr(rc))),
                          errorKind(rc));
    };
    constexpr qint64 kHeader = 100;
    QByteArray first(int(std::min<qint64>(kHeader, size)), Qt::Uninitialized);
    read(first.data(), first.size(), 0);
    if (header)
        *header = first;
    // Bytes 18 and 19 say 2 for a WAL database.
    constexpr qint64 kWriteVersion = 18;
    if (first.size() > kWriteVersion && first.at(kWriteVersion) == 2) {
        snapshotTo(destination, durability);
        QFile copy(destination);
        if (!copy.open(QIODevice::ReadOnly))
            throw platform::FileError(
                QStringLiteral("Cannot read %1: %2").arg(destination, copy.errorString()));
        return DatabaseFingerprint::of(copy);
    }
    const QString temporary = fs::temporaryPath(destination);
    DatabaseFingerprint fingerprint;
    try {
        fs::step(QStringLiteral("Cannot write"), temporary);
        QFile out(temporary);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw platform::FileError(
                QStringLiteral("Cannot write %1: %2").arg(temporary, out.errorString()));
        QByteArray buffer(DatabaseFingerprint::kChunk, Qt::Uninitialized);
        for (qint64 offset = 0; offset < size;) {
            const qint64 length = std::min<qint64>(buffer.size(), size - offset);
            read(buffer.data(), length, offset);
            fingerprint.add(buffer.constData(), length);
            if (out.write(buffer.constData(), length) != length)
                throw platform::FileError(
                    QStringLiteral("Cannot write %1: %2").arg(temporary, out.errorString()));
            offset += length;
        }
        if (!out.flush())
            throw platform::FileError(
                QStringLiteral("Cannot write %1: %2").arg(temporary, out.errorString()));
        out.close();
        if (durability == fs::Durability::Synced)
            fs::syncFile(temporary);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    putInPlace(temporary, destination, durability);
    return fingerprint.result();
}

QString Database::quickCheck() {
    ensureOpen();
    QStringList problems;
    Statement check(m_connection, QStringLiteral("PRAGMA quick_check(5)"), m_path);
    while (check.step())
        problems.append(check.value(0).toString());
    return problems.join(u"; ");
}

bool Database::walInUseElsewhere(const QString& path) {
    // Every connection to a WAL database keeps a shared lock on one byte of the shared-memory
    // file (the engine's "dead man switch", byte 128 on Unix) for as long as it is open.
    constexpr off_t kConnectionLockByte = 128;
    const int fd =
        ::open(QFile::encodeName(path + QStringLiteral("-shm")).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kConnectionLockByte;
    lock.l_len = 1;
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

std::unique_ptr<Database> Database::attach(const QString& path, const QString& schema) {
    ensureOpen();
    if (m_owner)
        throw DbError(
            QStringLiteral("Cannot attach %1 to the attached database %2").arg(path, m_path));
    if (!QFileInfo(path).isFile())
        failMissing(path);
    // The engine would create a missing file; the check above keeps it from doing so.
    execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(bracket(schema)), {path});
    std::unique_ptr<Database> attached(new Database(m_connection, path));
    attached->m_schema = schema;
    attached->m_schemaUtf8 = schema.toUtf8();
    attached->m_access = m_access;
    attached->m_owner = this;
    attached->m_qualified.clear();
    m_attached.append(attached.get());
    ++m_access->attachments;
    m_access->guard(m_connection);
    try {
        attached->execute(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(bracket(schema)));
        attached->execute(QStringLiteral("SELECT count(*) FROM %1").arg(attached->master()));
    } catch (const DbError& error) {
        attached.reset();
        if (error.engine().code == 0)
            throw;
        throw engineError(kCannotOpen, path, error.engine());
    }
    return attached;
}

QString Database::qualified(const QString& name) const {
    return m_qualified.of(
        name, [&] { return m_owner ? bracket(m_schema) + u'.' + bracket(name) : bracket(name); });
}

QString Database::master() const {
    return m_owner ? bracket(m_schema) + QStringLiteral(".sqlite_master")
                   : QStringLiteral("sqlite_master");
}

void Database::setStatementTrace(std::function<void(const QString&)> trace) {
    ensureOpen();
    m_trace = std::move(trace);
    if (m_trace)
        sqlite3_trace_v2(m_connection, SQLITE_TRACE_STMT, traceStatement, &m_trace);
    else
        sqlite3_trace_v2(m_connection, 0, nullptr, nullptr);
}

RowChanges& Database::recordRowChanges() {
    ensureOpen();
    if (m_owner)
        return m_owner->recordRowChanges();
    if (!m_changes)
        m_changes = std::make_unique<RowChanges>(*this);
    return *m_changes;
}

void Database::stopRecordingRowChanges() {
    if (m_owner)
        m_owner->stopRecordingRowChanges();
    else
        m_changes.reset();
}

RowChanges* Database::rowChanges() const {
    return m_owner ? m_owner->m_changes.get() : m_changes.get();
}

void Database::forget() {
    m_cache.clear();
    m_cacheAcross.clear();
    m_transient.clear();
    m_schemaCache.reset();
}

void Database::close() {
    m_lifetime.reset();
    forget();
    if (!m_connection)
        return;
    if (m_owner) {
        // A detach fails inside a transaction; the file then stays attached until the
        // connection closes, which does no harm.
        try {
            execute(QStringLiteral("DETACH DATABASE %1").arg(bracket(m_schema)));
        } catch (const DbError&) {
        }
        m_owner->m_attached.removeOne(this);
        ++m_access->attachments;
        m_owner = nullptr;
        m_qualified.clear();
        m_connection = nullptr;
        return;
    }
    for (Database* attached : std::as_const(m_attached)) {
        attached->m_lifetime.reset();
        attached->forget();
        attached->m_connection = nullptr;
    }
    m_attached.clear();
    m_changes.reset();
    sqlite3_close_v2(m_connection);
    m_connection = nullptr;
}

void Database::ensureOpen() const {
    if (!m_connection)
        throw DbError(QStringLiteral("Database %1 is closed").arg(m_path));
}

void Database::execute(const QString& sql, const QVariantList& params, Writes writes) {
    ensureOpen();
    const QString text = dialect::toSqlite(sql);
    if (params.isEmpty() && !isSingleStatement(text)) {
        const QByteArray utf8 = text.toUtf8();
        if (faults::armed())
            countWrites(utf8);
        const SchemaScope scope(m_access.get(), m_schemaUtf8);
        // Statement by statement, as the engine's own exec runs a text, so that the record of
        // row changes learns where each one ends.
        const char* tail = utf8.constData();
        while (*tail) {
            sqlite3_stmt* statement = nullptr;
            int rc = sqlite3_prepare_v2(m_connection, tail, -1, &statement, &tail);
            if (rc == SQLITE_OK && statement) {
                RowChanges* changes = rowChanges();
                const qint64 mark = changes ? changes->mark() : 0;
                ++m_access->possibleChanges;
                if (isSchemaStatement(statement))
                    ++m_access->schemaStatements;
                ++m_access->boundaries; // whatever it is
                while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                }
                ++m_access->possibleChanges;
                if (rc != SQLITE_DONE)
                    ++m_access->failures;
                if (changes)
                    changes->statementEnded(mark, rc != SQLITE_DONE);
                if (rc == SQLITE_DONE)
                    rc = SQLITE_OK;
            }
            if (rc != SQLITE_OK) {
                QString reason = QString::fromUtf8(sqlite3_errmsg(m_connection));
                const int code = sqlite3_extended_errcode(m_connection);
                const int systemError = sqlite3_system_errno(m_connection);
                sqlite3_finalize(statement);
                if (!m_access->denied.isEmpty())
                    reason = m_access->denied;
                throw engineError(QStringLiteral("Cannot write"), m_path,
                                  {code, systemError, reason, sql});
            }
            sqlite3_finalize(statement);
        }
        return;
    }
    Statement& statement = transient(text);
    const ResetOnExit reset(statement);
    statement.setChangesEveryRow(writes == Writes::ChangedRowsOnly);
    statement.bindAll(params);
    statement.run();
}

qint64 Database::schemaVersion() const {
    return schema().version();
}

SchemaCache& Database::schema() const {
    ensureOpen();
    if (!m_schemaCache)
        m_schemaCache = std::make_unique<SchemaCache>(*this);
    m_schemaCache->check();
    return *m_schemaCache;
}

Statement& Database::transient(const QString& sql) {
    auto it = m_transient.find(sql);
    if (it == m_transient.end()) {
        if (m_transient.size() >= kTransientStatements)
            m_transient.clear();
        it = m_transient.insert(sql, std::make_shared<Statement>(*this, sql));
    }
    return **it;
}

void Database::countWrites(const QByteArray& text) {
    const SchemaScope scope(m_access.get(), m_schemaUtf8);
    const char* tail = text.constData();
    while (tail && *tail) {
        sqlite3_stmt* statement = nullptr;
        const char* rest = nullptr;
        if (sqlite3_prepare_v2(m_connection, tail, -1, &statement, &rest) != SQLITE_OK)
            return; // running the text reports the error
        const bool writes = statement && !sqlite3_stmt_readonly(statement);
        const QString part = QString::fromUtf8(tail, int(rest - tail)).trimmed();
        sqlite3_finalize(statement);
        tail = rest;
        if (writes)
            faults::write(part, m_path);
    }
}

Statement& Database::cached(const QString& sql, Reach reach) {
    ensureOpen();
    auto& cache = reach == Reach::OwnFile ? m_cache : m_cacheAcross;
    auto it = cache.find(sql);
    if (it == cache.end())
        it = cache.insert(sql, std::make_shared<Statement>(*this, sql, reach));
    return **it;
}

// What a read scope keeps: results of OpenRecordset, each with its handle, source and values,
// all of them read while the connection stood at at.
struct ReadMemo {
    // Where the connection stands: rows it changed, schema and transaction statements it ran.
    struct State {
        qint64 changes = -1;
        quint64 schemaStatements = 0;
        quint64 boundaries = 0;
        bool operator==(const State&) const = default;
    };
    struct Kept {
        const Database* handle;
        QString source;
        QVariantList params;
        Recordset result;
    };
    static constexpr qsizetype kResults = 64;
    static constexpr qsizetype kRows = 256; // larger results are read again
    State at;
    std::vector<Kept> kept;

    static bool sameValues(const QVariantList& a, const QVariantList& b) {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i].typeId() != b[i].typeId() || a[i] != b[i])
                return false;
        return true;
    }
    const Recordset* find(const Database* handle, const QString& source,
                          const QVariantList& params) const {
        for (const Kept& k : kept)
            if (k.handle == handle && k.source == source && sameValues(k.params, params))
                return &k.result;
        return nullptr;
    }
};

ReadScope::ReadScope(Database& database) : m_access(database.m_access) {
    if (m_access->readScopes++ == 0)
        m_access->memo = std::make_shared<ReadMemo>();
}

ReadScope::~ReadScope() {
    if (--m_access->readScopes == 0)
        m_access->memo.reset();
}

std::optional<Database::ContentStamp> Database::contentStamp() {
    if (!m_connection || m_owner || sqlite3_get_autocommit(m_connection))
        return std::nullopt;
    ContentStamp stamp;
    stamp.connection = m_access->serial;
    stamp.changes = sqlite3_total_changes64(m_connection);
    stamp.schemaStatements = m_access->schemaStatements;
    stamp.failures = m_access->failures;
    stamp.attachments = m_access->attachments;
    // The data version moves with other connections' commits only; it reads the file within
    // the transaction, which then holds it still.
    const auto version = [&stamp](Database& handle) {
        if (handle.m_dataVersion.isEmpty())
            handle.m_dataVersion =
                QStringLiteral("PRAGMA %1.data_version").arg(bracket(handle.m_schema));
        Statement& statement = handle.cached(handle.m_dataVersion, Reach::OwnFile);
        const ResetOnExit reset(statement);
        stamp.versions.append(statement.step() ? statement.integer(0).value_or(-1) : -1);
    };
    version(*this);
    for (Database* attached : m_attached)
        version(*attached);
    return stamp;
}

ReadMemo* Database::readMemo() const {
    ReadMemo* memo = m_access->memo.get();
    if (!memo || !m_connection || sqlite3_get_autocommit(m_connection))
        return nullptr;
    const ReadMemo::State now{sqlite3_total_changes64(m_connection), m_access->schemaStatements,
                              m_access->boundaries};
    if (memo->at != now) {
        memo->kept.clear();
        memo->at = now;
    }
    return memo;
}

Recordset Database::OpenRecordset(const QString& source, const QVariantList& params) {
    SchemaCache& known = schema();
    ReadMemo* memo = readMemo();
    if (memo) {
        if (const Recordset* kept = memo->find(this, source, params))
            return *kept;
    }
    Recordset result;
    result.m_database = this;
    result.m_source = source;

    // What a source reads is worked out once per schema: readouts open the same few hundred
    // sources over and over.
    SchemaCache::SourcePlan& plan = known.plan(source);
    if (plan.text.isEmpty()) {
        if (const SchemaCache::Table* table = known.table(source)) {
            plan.table = table->name;
            plan.text = QStringLiteral("SELECT _rowid_, * FROM ") + qualified(table->name);
        } else if (const SchemaCache::View* view = known.view(source)) {
            plan.text = QStringLiteral("SELECT * FROM ") + qualified(view->name);
        } else {
            plan.text = dialect::toSqlite(source);
            if (const auto single = dialect::parseSingleTableSelect(plan.text)) {
                if (const SchemaCache::Table* edited = known.table(single->table)) {
                    plan.table = edited->name;
                    plan.text = QStringLiteral("SELECT _rowid_, %1 FROM %2 %3")
                                    .arg(single->selectList, qualified(edited->name), single->rest);
                }
            }
        }
    }
    result.m_table = plan.table;

    Statement& statement = transient(plan.text);
    const ResetOnExit reset(statement);
    statement.bindAll(params);
    // The first step brings a statement prepared for an older schema up to date, so the
    // columns are read after it.
    bool row = statement.step();
    const int first = result.m_table.isEmpty() ? 0 : 1;
    const int count = statement.columnCount();
    if (!plan.columnsRead) {
        const SchemaCache::Table* table = plan.table.isEmpty() ? nullptr : known.table(plan.table);
        for (int i = first; i < count; ++i) {
            Recordset::Column column;
            column.name = statement.columnName(i);
            column.type = fieldTypeFromDeclared(statement.declaredType(i));
            if (table && statement.originTable(i).compare(table->name, Qt::CaseInsensitive) == 0) {
                column.origin = statement.originColumn(i);
                const SchemaCache::Column* field = table->column(column.origin);
                column.type = field ? field->type : FieldType::Other;
            }
            plan.columns.append(column);
        }
        plan.columnsRead = true;
    }
    result.m_columns = plan.columns;
    for (; row; row = statement.step()) {
        Recordset::Row values;
        values.rowid = first ? statement.value(0).toLongLong() : 0;
        values.values.reserve(count - first);
        for (int i = first; i < count; ++i)
            values.values.append(fromStored(result.m_columns[i - first].type, statement.value(i)));
        result.m_rows.append(std::move(values));
    }
    // Kept as read: the connection still stands where the memo does (a read changes nothing).
    if (memo && memo->kept.size() < ReadMemo::kResults && result.m_rows.size() <= ReadMemo::kRows)
        memo->kept.push_back({this, source, params, result});
    return result;
}

QStringList Database::tableNames() const {
    return schema().tableNames();
}

bool Database::hasTable(const QString& name) const {
    const SchemaCache::Table* table = schema().table(name);
    return table && !SchemaCache::isInternal(table->name);
}

QList<Field> Database::tableFields(const QString& table) const {
    const SchemaCache::Table* found = schema().table(table);
    if (!found || found->columns.isEmpty())
        throw DbError(QStringLiteral("No table %1 in %2").arg(table, m_path));
    QList<Field> fields;
    for (const SchemaCache::Column& column : found->columns)
        fields.append(Field{column.name, column.type, QVariant()});
    return fields;
}

FieldType Database::columnType(const QString& table, const QString& column) const {
    if (!m_connection)
        return FieldType::Other;
    const SchemaCache::Table* found = schema().table(table);
    const SchemaCache::Column* field = found ? found->column(column) : nullptr;
    return field ? field->type : FieldType::Other;
}

std::pair<int, int> Database::columnPosition(const QString& table, const QString& column) const {
    if (!m_connection)
        return {-1, 0};
    const SchemaCache::Table* found = schema().table(table);
    const SchemaCache::Column* field = found ? found->column(column) : nullptr;
    if (!field)
        return {-1, 0};
    return {int(field - found->columns.constData()), int(found->columns.size())};
}

QString Database::columnCollation(const QString& table, const QString& column) const {
    const SchemaCache::Table* found = schema().table(table);
    const SchemaCache::Column* field = found ? found->column(column) : nullptr;
    return field ? field->collation : QString();
}

bool Database::hasIndexOn(const QString& table, const QString& column) const {
    return schema().hasIndexOn(table, column);
}

void Database::createTable(const QString& name, const QList<FieldDef>& fields) {
    QStringList columns;
    for (const FieldDef& field : fields)
        columns.append(bracket(field.name) + u' ' + declaredType(field.type));
    execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(qualified(name), columns.join(u", ")));
}

void Database::appendField(const QString& table, const FieldDef& field) {
    if (field.type == FieldType::Counter)
        throw DbError(QStringLiteral("Cannot append the counter field %1 to the table %2 in %3")
                          .arg(field.name, table, m_path));
    execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                .arg(qualified(table), bracket(field.name), declaredType(field.type)));
}

QList<QueryDef> Database::queryDefs() const {
    QList<QueryDef> queries;
    for (const SchemaCache::View& view : schema().views())
        queries.append(QueryDef{view.name, view.sql});
    return queries;
}

QString Database::querySql(const QString& name) const {
    const SchemaCache::View* view = schema().view(name);
    return view ? view->sql : QString();
}

bool Database::queryExists(const QString& name) const {
    return schema().view(name) != nullptr;
}

void Database::createQueryDef(const QString& name, const QString& sql) {
    execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(qualified(name), dialect::toSqlite(sql)));
    // SQLite accepts a view over names that do not resolve; the query must work now.
    try {
        Statement check(*this, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(qualified(name)));
    } catch (const DbError& error) {
        execute(QStringLiteral("DROP VIEW %1").arg(qualified(name)));
        throw DbError(
            QStringLiteral("Stored query %1 is not valid: %2").arg(name, error.message()));
    }
}

void Database::deleteQueryDef(const QString& name) {
    if (!queryExists(name))
        throw DbError(QStringLiteral("No stored query %1 in %2").arg(name, m_path));
    execute(QStringLiteral("DROP VIEW %1").arg(qualified(name)));
}

QStringList Database::relationNames() const {
    ensureOpen();
    QStringList names;
    if (columnType(kRelationsTable, QStringLiteral("szRelationship")) == FieldType::Other)
        return names;
    Statement statement(*this,
                        QStringLiteral("SELECT szRelationship FROM %1 GROUP BY szRelationship "
                                       "ORDER BY min(rowid)")
                            .arg(qualified(kRelationsTable)));
    while (statement.step())
        names.append(statement.value(0).toString());
    return names;
}

void Database::deleteRelation(const QString& name) {
    ensureOpen();
    if (!relationNames().contains(name, Qt::CaseInsensitive))
        throw DbError(QStringLiteral("No relation %1 in %2").arg(name, m_path));
    execute(
        QStringLiteral("DELETE FROM %1 WHERE szRelationship = ?").arg(qualified(kRelationsTable)),
        {name});
}

void Database::begin() {
    execute(QStringLiteral("BEGIN"));
}
void Database::commit() {
    ensureOpen();
    if (sqlite3_txn_state(m_connection, nullptr) == SQLITE_TXN_WRITE)
        faults::write(QStringLiteral("COMMIT"), m_path);
    execute(QStringLiteral("COMMIT"));
    faults::committed();
}
void Database::rollback() {
    execute(QStringLiteral("ROLLBACK"));
}
bool Database::inTransaction() const {
    return m_connection && !sqlite3_get_autocommit(m_connection);
}

Transaction::Transaction(Database& database) : m_database(database) {
    if (!m_database.inTransaction()) {
        m_database.begin();
        m_owner = true;
    }
}

Transaction::~Transaction() {
    if (m_owner && !m_done && m_database.inTransaction()) {
        try {
            m_database.rollback();
        } catch (...) {
            // A failed rollback leaves SQLite to roll back when the connection closes.
        }
    }
}

void Transaction::commit() {
    if (m_owner && !m_done && m_database.inTransaction())
        m_database.commit();
    m_done = true;
}

} // namespace db
