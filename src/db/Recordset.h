#pragma once

#include "Field.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace db {

class Database;

// The rows of one query, read when it is opened, with a current row. On a result over a single
// table, the current row can be edited, a row added or the current row deleted; each Update or
// Delete reaches the file at once. Results of joins and stored queries are read-only.
class Recordset {
public:
    Recordset() = default;

    bool eof() const; // no current row: empty, or moved past the last row
    bool bof() const; // moved before the first row
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    int recordCount() const; // rows not deleted

    int fieldCount() const { return int(m_columns.size()); }
    Field field(int position) const;
    Field field(const QString& name) const;
    QVariant value(const QString& name) const; // throws when the result lacks the field
    QVariant value(int position) const;
    bool hasField(const QString& name) const { return indexOf(name) >= 0; }
    QStringList fieldNames() const;
    FieldType fieldType(const QString& name) const;

    bool isUpdatable() const { return !m_table.isEmpty(); }
    const QString& source() const { return m_source; }

    void edit();
    void addNew();
    void setValue(const QString& name, const QVariant& value);
    void update();
    void cancelUpdate();
    void deleteRow();
    void close();

private:
    friend class Database;
    using Column = ResultColumn;
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
        bool deleted = false;
    };
    enum class EditMode { None, Edit, AddNew };

    int indexOf(const QString& name) const;
    int requireIndex(const QString& name) const;
    const Row& currentRow() const;
    void requireUpdatable(const char* operation) const;
    void skipDeletedForward();
    void skipDeletedBackward();

    Database* m_database = nullptr;
    QString m_source;
    QString m_table; // the edited table; empty when read-only
    QVector<Column> m_columns;
    QVector<Row> m_rows;
    qsizetype m_current = 0;
    EditMode m_mode = EditMode::None;
    QVector<QVariant> m_buffer;
    QVector<bool> m_touched;
};

} // namespace db
