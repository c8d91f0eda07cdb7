#pragma once

#include "Field.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

namespace db {

class Database;
class Statement;

// What a database's schema says about its tables, fields, indexes and stored queries, read once
// and kept until the schema changes. The editor asks for table and field definitions on every
// readout, dozens of times over; reading them from the engine each time cost more than the
// readout's own work. A change of the schema by any connection (ours included) moves the
// engine's schema version, which check() compares before each use.
class SchemaCache {
public:
    struct Column {
        QString name;
        FieldType type = FieldType::Other;
        QString collation; // as declared; BINARY when none is
    };

    struct Table {
        QString name;
        QList<Column> columns;
        QHash<QString, int> byName; // folded name -> position in columns
        // Names as they were asked for -> position, so that a name asked again is not folded.
        mutable QHash<QString, int> byAsked;
        // Folded names of the columns that lead an index, with the index's collation; read when
        // first asked for.
        QList<std::pair<QString, QString>> indexLeads;
        bool indexesRead = false;

        const Column* column(const QString& columnName) const;
    };

    struct View {
        QString name;
        QString sql; // the query text after AS
    };

    // How a result set over a source (a table, a stored query or an SQL text) is read: the
    // statement's text, the table it edits and, once a statement ran, its columns.
    struct SourcePlan {
        QString text;
        QString table;
        bool columnsRead = false;
        QVector<ResultColumn> columns;
    };

    // The schema of the database handle, which outlives this.
    explicit SchemaCache(const Database& database);
    ~SchemaCache();
    SchemaCache(const SchemaCache&) = delete;
    SchemaCache& operator=(const SchemaCache&) = delete;

    // Drops what is kept when the schema changed since it was read. Inside a transaction in
    // which nothing but reads ran since the last check it asks the engine nothing: no other
    // connection can change the schema of a file this one reads in a transaction.
    void check();
    // The engine's schema version as of the last check.
    qint64 version() const { return m_schemaVersion; }

    const QStringList& tableNames(); // the installation's tables, in the order of creation
    // The table by name, compared as the engine compares names; null when there is none.
    const Table* table(const QString& name);
    // Whether an index (or the rowid) leads with the column, in the collation the column
    // compares with, so that looking a value of it up does not scan the table.
    bool hasIndexOn(const QString& table, const QString& column);

    const QList<View>& views();
    const View* view(const QString& name);

    // The plan of a source as last made; empty (no text) when it is new.
    SourcePlan& plan(const QString& source);

    // Names compare as the engine compares them: ASCII letters without case.
    static QString fold(const QString& name);
    // Whether a table is one of the engine's own (sqlite_sequence, ...).
    static bool isInternal(const QString& table);

private:
    void readMaster();
    void readIndexes(Table& table);
    const Table* readTable(const QString& folded);

    // A PRAGMA or the catalogue of the handle's own schema (main, or the attached file's).
    QString own(const QString& name) const;

    const Database& m_database;
    std::unique_ptr<Statement> m_version;
    qint64 m_schemaVersion = -1;
    std::optional<quint64> m_checkedAt; // the connection's count of changes at the last check
    bool m_masterRead = false;
    QStringList m_tableNames;
    QHash<QString, QString> m_tableByFolded; // folded -> name as stored
    // folded -> definition, read when first asked for; held apart so that it stays in place
    QHash<QString, std::shared_ptr<Table>> m_tables;
    QHash<QString, const Table*> m_tableByAsked; // names as they were asked for
    QList<View> m_views;
    QHash<QString, int> m_viewByFolded;
    QHash<QString, SourcePlan> m_plans;
};

} // namespace db
