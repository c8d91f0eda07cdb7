#pragma once

#include "Field.h"
#include "KeptTexts.h"
#include "Recordset.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <platform/FileSafety.h>

struct sqlite3;

namespace db {

class RowChanges;
class SchemaCache;
class Statement;
struct ReadMemo;
struct SchemaAccess;

// Which files of a connection a statement may name: those of its own handle, or every file
// attached, for a text that joins them and names each table with its database (main.[x]).
enum class Reach { OwnFile, AllFiles };

// A stored query: its name and its SQL text.
struct QueryDef {
    QString name;
    QString sql;
};

// One open database file. Files are always self-contained (rollback journal, never a WAL
// sidecar), so that a plain copy of a closed file is complete.
//
// A second file can be attached to an open one (attach): both then share one connection, so
// that one transaction, and one commit, covers both files. The attached file has a handle of its
// own that works like any Database; the table names it generates carry its schema name, and a
// statement of either handle that would reach the other file's tables fails.
class Database {
public:
    // Opens an existing database file for reading and writing. Fails with a DbError naming the
    // file when it is missing or not a database.
    static std::unique_ptr<Database> open(const QString& path);
    // Opens a database that other programs use too, exactly as it is: its journal mode stays,
    // nothing is written to it, and a program holding it open is no obstacle. Reading rolls back
    // a journal that a crashed writer left, as every reader of the file would.
    static std::unique_ptr<Database> openShared(const QString& path);
    // Creates a new, empty database file (used to build databases and by tests).
    static std::unique_ptr<Database> create(const QString& path);
    // Writes a compacted copy of the database at source to destination, which must not exist
    // yet; the copy is flushed to the disk before this returns.
    static void CompactDatabase(const QString& source, const QString& destination);

    // Copies the database at source to destination as one consistent snapshot (other programs
    // may hold it open); destination is replaced in one step.
    static void SnapshotDatabase(
        const QString& source, const QString& destination,
        platform::FileSafety::Durability durability = platform::FileSafety::Durability::Synced);
    // Copies this database to destination through the engine's online backup: the state of this
    // connection's open transaction, or else of one moment. The copy is always a self-contained
    // rollback-journal file, also of a WAL database; destination is replaced in one step.
    void snapshotTo(const QString& destination, platform::FileSafety::Durability durability =
                                                    platform::FileSafety::Durability::Synced);
    // The same copy, and the fingerprint of the database (DatabaseFingerprint), in one pass: the
    // file is read through the connection's own handle while its read transaction keeps writers
    // out, so the copy is that transaction's state byte for byte. A WAL database, part of which
    // lies in its WAL file, is copied through the engine's backup and then read for the
    // fingerprint. header receives the file's first 100 bytes as they are.
    QByteArray copyWithFingerprint(const QString& destination,
                                   platform::FileSafety::Durability durability, QByteArray* header);
    // The engine's quick check: "ok", or the first problems it found.
    QString quickCheck();
    // Whether another process holds the database at path open in WAL mode. Asked before this
    // process opens the file itself: asking closes a descriptor of the file's shared memory,
    // which would drop this process's own locks on it.
    static bool walInUseElsewhere(const QString& path);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    // Closes the connection; an attached handle detaches its file. Handles attached to this one
    // are closed with it.
    void close();
    bool isOpen() const { return m_connection != nullptr; }

    // Attaches the existing database file at path under the schema name and returns its handle,
    // which must not outlive this one. Both files keep a rollback journal, so that a commit that
    // changed both is atomic across them. Fails inside a transaction.
    std::unique_ptr<Database> attach(const QString& path, const QString& schema);
    // "main" for an opened file, the schema name for an attached one.
    const QString& schemaName() const { return m_schema; }
    // Whether both handles run on one connection (one is attached to the other), so that one
    // SQL text can join their tables.
    bool sharesConnectionWith(const Database& other) const {
        return m_connection && m_connection == other.m_connection;
    }
    // While it stays the same, no file of the connection (this handle's and those attached to
    // it) has changed: the rows the connection changed, its statements that change a schema or
    // take changes back, its statements that failed, the files it attached and detached, and
    // the data version of each file, which moves with another connection's commit. Only inside a
    // transaction that has read every file, and only of a handle that opened its file; nothing
    // otherwise.
    struct ContentStamp {
        quint64 connection = 0; // no two connections of the process share it
        qint64 changes = -1;
        quint64 schemaStatements = 0;
        quint64 failures = 0;
        quint64 attachments = 0;
        QList<qint64> versions;
        bool operator==(const ContentStamp&) const = default;
    };
    std::optional<ContentStamp> contentStamp();
    // A table or view name as this handle's SQL texts write it: [name] on the main schema,
    // [schema].[name] on an attached one. SQL texts run through an attached handle name its
    // tables this way.
    QString qualified(const QString& name) const;

    // Runs SQL text (one or more statements, in the installation's dialect) with optional
    // bound parameters for a single statement. Writes::ChangedRowsOnly is the caller's word that
    // the single statement updates only rows it changes (see Statement::setChangesEveryRow).
    enum class Writes { Any, ChangedRowsOnly };
    void execute(const QString& sql, const QVariantList& params = {}, Writes writes = Writes::Any);

    // A result set over a table name, a stored query name or an SQL text. Tables and SELECTs
    // over one table can be edited; joins and stored queries are read-only.
    Recordset OpenRecordset(const QString& source, const QVariantList& params = {});

    // Table definitions. Names of tables and fields compare as the engine compares them.
    QStringList tableNames() const;
    bool hasTable(const QString& name) const;
    QList<Field> tableFields(const QString& table) const; // name and type, no value
    void createTable(const QString& name, const QList<FieldDef>& fields);
    void appendField(const QString& table, const FieldDef& field);

    // Stored queries.
    QList<QueryDef> queryDefs() const;
    QString querySql(const QString& name) const; // empty when there is no such query
    bool queryExists(const QString& name) const;
    void createQueryDef(const QString& name, const QString& sql);
    void deleteQueryDef(const QString& name);

    // Relations between tables, by name.
    QStringList relationNames() const;
    void deleteRelation(const QString& name);

    // Transactions of the connection (see Transaction for the RAII form): on a file with an
    // attached one, they cover both.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

    // A prepared statement for this text, prepared once per database and reused; it comes
    // back reset. Used by the record helpers, whose texts repeat constantly.
    Statement& cached(const QString& sql, Reach reach = Reach::OwnFile);

    // The type of a table's column, from the schema; Other when the table lacks it.
    FieldType columnType(const QString& table, const QString& column) const;
    // The position of the column among the table's fields and the number of its fields; -1 and
    // 0 when the table lacks the column.
    std::pair<int, int> columnPosition(const QString& table, const QString& column) const;
    // The collation the column compares text with (BINARY, NOCASE, RTRIM), as the schema
    // declares it; empty when the table lacks the column.
    QString columnCollation(const QString& table, const QString& column) const;
    // Whether an index leads with the column in the column's own collation, so that looking up
    // a value of it (`column = ?` or `column IS ?`) does not read the whole table.
    bool hasIndexOn(const QString& table, const QString& column) const;

    // Calls trace with the text of each statement of the connection as it starts to run, bound
    // values filled in (an attached database shares its owner's connection, so its statements
    // come too); an empty function ends the tracing. For measuring what a part of the editor
    // reads.
    void setStatementTrace(std::function<void(const QString& sql)> trace);

    // Expires when the connection closes (or the handle goes), so that an object that outlives
    // a piece of work, such as a Savepoint, can tell that its connection is no longer there.
    std::weak_ptr<const void> lifetime() const { return m_lifetime; }

    // The connection's record of the schema its running statement may reach.
    SchemaAccess* schemaAccess() const { return m_access.get(); }

    // Records what takes back each row write of the connection from now on (see RowChanges),
    // until stopRecordingRowChanges() or the connection closes; asked again, returns the
    // record that runs. An attached handle answers for its connection.
    RowChanges& recordRowChanges();
    void stopRecordingRowChanges();
    // The engine's schema version of this database, through the statement the schema cache
    // keeps prepared for it.
    qint64 schemaVersion() const;
    // The running record; none when the connection records nothing.
    RowChanges* rowChanges() const;

private:
    // The engine's handle stays inside the wrapper: statements, result sets and the schema cache.
    friend class Recordset;
    friend class ReadScope;
    friend class RowChanges;
    friend class SchemaCache;
    friend class Statement;
    sqlite3* connection() const { return m_connection; }

    Database(sqlite3* connection, const QString& path);
    void ensureOpen() const;
    // The schema's own catalogue as an SQL name.
    QString master() const;
    // Passes each statement of the text that writes to the write-fault switch.
    void countWrites(const QByteArray& text);
    // The read scope's memo of the connection, brought up to where the connection stands; none
    // outside of a scope or a transaction.
    ReadMemo* readMemo() const;
    // The schema as kept, checked against the engine's schema version first.
    SchemaCache& schema() const;
    // A prepared statement that its caller uses up before it returns, so that it can be dropped
    // at any other time; for the texts of OpenRecordset and execute.
    Statement& transient(const QString& sql);
    // Drops the kept statements and schema, before the connection goes.
    void forget();
    // The online backup of this database into a new file.
    void writeCopy(const QString& temporary);

    sqlite3* m_connection;
    QString m_path;
    QString m_schema = QStringLiteral("main");
    QByteArray m_schemaUtf8 = QByteArrayLiteral("main"); // the name as the engine reads it
    QString m_dataVersion;                               // the statement that reads it, once made
    // Names as qualified() writes them, asked for on every lookup of a record helper.
    mutable KeptTexts<QString> m_qualified;
    QHash<QString, std::shared_ptr<Statement>> m_cache;
    QHash<QString, std::shared_ptr<Statement>> m_cacheAcross; // the texts that reach every file
    QHash<QString, std::shared_ptr<Statement>> m_transient;
    mutable std::unique_ptr<SchemaCache> m_schemaCache;
    std::function<void(const QString&)> m_trace;
    std::shared_ptr<SchemaAccess> m_access;
    std::shared_ptr<const bool> m_lifetime = std::make_shared<const bool>(true);
    std::unique_ptr<RowChanges> m_changes;
    Database* m_owner = nullptr; // the handle whose connection an attached one shares
    QList<Database*> m_attached; // the handles attached to this one
};

// One read of many pages. While a scope of a connection is open and a transaction holds its
// files, OpenRecordset hands out again what it read before for the same source and values
// through the same handle, as long as no statement that may change anything (a write, a schema
// or transaction statement) ran on the connection since: inside a transaction nothing else can
// change what it reads. Scopes nest; the last to close forgets what was kept.
class ReadScope {
public:
    explicit ReadScope(Database& database);
    ~ReadScope();
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

private:
    std::shared_ptr<SchemaAccess> m_access;
};

// Begins a transaction; commit() ends it, and destruction without commit rolls it back. The
// destructor never throws. Nested scopes on the same database join the outer transaction.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_database;
    bool m_owner = false;
    bool m_done = false;
};

} // namespace db
