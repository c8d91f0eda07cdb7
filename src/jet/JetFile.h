#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <stdexcept>

namespace jet {

// A Jet file that cannot be read: the message names the file and says why, for the user as it
// stands.
class JetError : public std::runtime_error {
public:
    explicit JetError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The column types of a Jet table, as far as they decide how a value is kept.
enum class ColumnKind { Text, Memo, Boolean, Integer, Counter, Real, Currency, Date, Blob, Guid };

struct Column {
    QString name;
    ColumnKind kind = ColumnKind::Text;
};

struct Table {
    QString name;
    QList<Column> columns;
    qint64 rowCount = 0; // as the table's definition states it
};

// One row of the query catalogue (MSysQueries): what a stored query is made of, part by part.
struct QueryPart {
    int attribute = 0;
    QString name1;
    QString name2;
    QString expression;
    int flag = 0;
};

struct StoredQuery {
    QString name;
    QList<QueryPart> parts; // in the catalogue's order
};

// A Jet database (Jet 3 or Jet 4), opened for reading only. Values come as the program keeps
// them: texts as strings, whole numbers as qint64, reals and currency as double, dates as
// "yyyy-MM-dd HH:mm:ss" from the stored day count (any year from 100 to 9999), Booleans as 0/1,
// OLE and binary fields as bytes, Null as a null QVariant.
class JetFile {
public:
    explicit JetFile(const QString& path);
    ~JetFile();
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    const QString& path() const { return m_path; }
    // The user tables in the file's catalogue order; system tables are left out.
    QList<Table> tables() const;
    // Calls row for each row of the table in its stored order; fails when the file ends before
    // the table's stated rows did.
    void readRows(const Table& table, const std::function<void(const QVariantList&)>& row) const;
    // The stored queries with their parts.
    QList<StoredQuery> storedQueries() const;

private:
    [[noreturn]] void fail(const QString& reason) const;
    struct Handle;
    QString m_path;
    std::unique_ptr<Handle> m_handle;
};

// The text "yyyy-MM-dd HH:mm:ss" of a Jet date: days since 1899-12-30, the fraction the time of
// day (for days before that the fraction still counts forward from midnight).
QString dateText(double days);

} // namespace jet
