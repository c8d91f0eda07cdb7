#include "Recordset.h"

#include "Database.h"
#include "DbError.h"
#include "Statement.h"

namespace db {

bool Recordset::eof() const {
    return m_current < 0 || m_current >= m_rows.size();
}
bool Recordset::bof() const {
    return m_current < 0;
}

void Recordset::skipDeletedForward() {
    while (m_current < m_rows.size() && m_rows[m_current].deleted)
        ++m_current;
}

void Recordset::skipDeletedBackward() {
    while (m_current >= 0 && m_rows[m_current].deleted)
        --m_current;
}

void Recordset::moveFirst() {
    cancelUpdate();
    m_current = 0;
    skipDeletedForward();
}

void Recordset::moveNext() {
    cancelUpdate();
    if (m_current < m_rows.size())
        ++m_current;
    skipDeletedForward();
}

void Recordset::movePrevious() {
    cancelUpdate();
    if (m_current >= 0)
        --m_current;
    if (m_current >= m_rows.size())
        m_current = m_rows.size() - 1;
    skipDeletedBackward();
}

void Recordset::moveLast() {
    cancelUpdate();
    m_current = m_rows.size() - 1;
    skipDeletedBackward();
}

int Recordset::recordCount() const {
    int count = 0;
    for (const Row& row : m_rows)
        count += row.deleted ? 0 : 1;
    return count;
}

namespace {

// Whether two names are the same without regard to case; ASCII letters are compared here,
// which is quick, anything else as Qt compares it. Names that differ in length differ either
// way: case is folded letter by letter.
bool sameName(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t c = a[i].unicode();
        const char16_t d = b[i].unicode();
        if (c >= 0x80 || d >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        if (lower(c) != lower(d))
            return false;
    }
    return true;
}

} // namespace

int Recordset::indexOf(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i)
        if (sameName(m_columns[i].name, name))
            return i;
    return -1;
}

int Recordset::requireIndex(const QString& name) const {
    const int index = indexOf(name);
    if (index < 0)
        throw DbError(
            QStringLiteral("Field %1 is not in the result of \"%2\"%3")
                .arg(name, m_source,
                     m_database ? QStringLiteral(" on ") + m_database->path() : QString()));
    return index;
}

const Recordset::Row& Recordset::currentRow() const {
    if (eof())
        throw DbError(QStringLiteral("No current row in the result of \"%1\"").arg(m_source));
    const Row& row = m_rows[m_current];
    if (row.deleted)
        throw DbError(QStringLiteral("The current row of \"%1\" was deleted").arg(m_source));
    return row;
}

QStringList Recordset::fieldNames() const {
    QStringList names;
    for (const Column& column : m_columns)
        names.append(column.name);
    return names;
}

FieldType Recordset::fieldType(const QString& name) const {
    return m_columns[requireIndex(name)].type;
}

Field Recordset::field(int position) const {
    if (position < 0 || position >= m_columns.size())
        throw DbError(
            QStringLiteral("No field %1 in the result of \"%2\"").arg(position).arg(m_source));
    const Column& column = m_columns[position];
    return Field{column.name, column.type, value(position)};
}

Field Recordset::field(const QString& name) const {
    return field(requireIndex(name));
}

QVariant Recordset::value(const QString& name) const {
    return value(requireIndex(name));
}

QVariant Recordset::value(int position) const {
    if (position < 0 || position >= m_columns.size())
        throw DbError(
            QStringLiteral("No field %1 in the result of \"%2\"").arg(position).arg(m_source));
    if (m_mode != EditMode::None)
        return fromStored(m_columns[position].type, m_buffer[position]);
    return currentRow().values[position];
}

void Recordset::requireUpdatable(const char* operation) const {
    if (!m_database)
        throw DbError(QStringLiteral("The result set is closed"));
    if (m_table.isEmpty())
        throw DbError(QStringLiteral("%1: the result of \"%2\" is read-only")
                          .arg(QString::fromLatin1(operation), m_source));
}

void Recordset::edit() {
    requireUpdatable("Edit");
    const Row& row = currentRow();
    m_buffer.clear();
    for (int i = 0; i < m_columns.size(); ++i)
        m_buffer.append(toStored(m_columns[i].type, row.values[i]));
    m_touched = QVector<bool>(m_columns.size(), false);
    m_mode = EditMode::Edit;
}

void Recordset::addNew() {
    requireUpdatable("AddNew");
    m_buffer = QVector<QVariant>(m_columns.size());
    m_touched = QVector<bool>(m_columns.size(), false);
    m_mode = EditMode::AddNew;
}

void Recordset::setValue(const QString& name, const QVariant& value) {
    if (m_mode == EditMode::None)
        throw DbError(
            QStringLiteral("Field %1 of \"%2\" set without Edit or AddNew").arg(name, m_source));
    const int index = requireIndex(name);
    if (m_columns[index].origin.isEmpty())
        throw DbError(QStringLiteral("Field %1 of \"%2\" cannot be written").arg(name, m_source));
    m_buffer[index] = toStored(m_columns[index].type, value);
    m_touched[index] = true;
}

void Recordset::update() {
    if (m_mode == EditMode::None)
        throw DbError(QStringLiteral("Update without Edit or AddNew on \"%1\"").arg(m_source));
    QStringList names;
    QVariantList values;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_touched[i])
            continue;
        names.append(bracket(m_columns[i].origin));
        values.append(m_buffer[i]);
    }
    const QString table = m_database->qualified(m_table);
    if (m_mode == EditMode::Edit) {
        Row& row = m_rows[m_current];
        if (!names.isEmpty()) {
            QStringList assignments, changes;
            for (qsizetype n = 0; n < names.size(); ++n) {
                assignments.append(QStringLiteral("%1 = ?%2").arg(names[n]).arg(n + 1));
                changes.append(differs(names[n], int(n) + 1));
            }
            values.append(row.rowid);
            m_database->execute(QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?%3 AND (%4)")
                                    .arg(table, assignments.join(u", "))
                                    .arg(names.size() + 1)
                                    .arg(changes.join(u" OR ")),
                                values, Database::Writes::ChangedRowsOnly);
        }
        for (int i = 0; i < m_columns.size(); ++i)
            row.values[i] = fromStored(m_columns[i].type, m_buffer[i]);
    } else {
        if (names.isEmpty()) {
            m_database->execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        } else {
            QStringList marks(names.size(), QStringLiteral("?"));
            m_database->execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(table, names.join(u", "), marks.join(u", ")),
                                values);
        }
        // Read the stored row back, so that defaults and counters show as the file has them.
        Row row;
        Statement& last = m_database->cached(QStringLiteral("SELECT last_insert_rowid()"));
        last.step();
        row.rowid = last.value(0).toLongLong();
        last.reset();
        QStringList columns;
        for (const Column& column : m_columns)
            columns.append(column.origin.isEmpty() ? QStringLiteral("NULL")
                                                   : bracket(column.origin));
        Statement read(
            *m_database,
            QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?").arg(columns.join(u", "), table));
        read.bind(1, row.rowid);
        read.step();
        for (int i = 0; i < m_columns.size(); ++i)
            row.values.append(fromStored(m_columns[i].type, read.value(i)));
        m_rows.append(std::move(row));
    }
    m_mode = EditMode::None;
}

void Recordset::cancelUpdate() {
    m_mode = EditMode::None;
    m_buffer.clear();
    m_touched.clear();
}

void Recordset::deleteRow() {
    requireUpdatable("Delete");
    cancelUpdate();
    Row& row = const_cast<Row&>(currentRow());
    m_database->execute(
        QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?").arg(m_database->qualified(m_table)),
        {row.rowid});
    row.deleted = true;
}

void Recordset::close() {
    m_database = nullptr;
    m_table.clear();
    m_columns.clear();
    m_rows.clear();
    m_current = 0;
    cancelUpdate();
}

} // namespace db
