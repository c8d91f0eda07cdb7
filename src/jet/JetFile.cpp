#include "JetFile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mdbtools.h>
#include <unistd.h>
#include <vector>

namespace jet {

namespace {

// Memo fields longer than the library's default buffer would be cut short.
constexpr size_t kBindSize = 1 << 20;

// What the file's first page says: a Jet 3 file has pages of 2 KiB, Jet 4 and later of 4 KiB.
qint64 pageSizeOf(const QByteArray& header) {
    return header.size() > 0x14 && header.at(0x14) == 0 ? 2048 : 4096;
}

bool isJetHeader(const QByteArray& header) {
    return header.size() >= 20 && header.at(0) == 0 && header.at(1) == 1 &&
           (header.mid(4, 15) == "Standard Jet DB" || header.mid(4, 15) == "Standard ACE DB");
}

ColumnKind kindOf(const MdbColumn& column) {
    switch (column.col_type) {
    case MDB_BOOL:
        return ColumnKind::Boolean;
    case MDB_BYTE:
    case MDB_INT:
        return ColumnKind::Integer;
    case MDB_LONGINT:
        return column.is_long_auto ? ColumnKind::Counter : ColumnKind::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return ColumnKind::Real;
    case MDB_MONEY:
        return ColumnKind::Currency;
    case MDB_DATETIME:
        return ColumnKind::Date;
    case MDB_OLE:
    case MDB_BINARY:
        return ColumnKind::Blob;
    case MDB_REPID:
        return ColumnKind::Guid;
    case MDB_MEMO:
        return ColumnKind::Memo;
    default:
        return ColumnKind::Text;
    }
}

qint64 littleEndian(const unsigned char* bytes, int size) {
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    if (size < 8 && (bytes[size - 1] & 0x80))
        value |= ~quint64(0) << (size * 8); // sign-extend
    return static_cast<qint64>(value);
}

// The table definition and its bound buffers, freed however reading ends.
struct OpenTable {
    OpenTable(MdbHandle* mdb, const QString& name) {
        QByteArray latin = name.toUtf8();
        table = mdb_read_table_by_name(mdb, latin.data(), MDB_TABLE);
        if (!table)
            return;
        mdb_read_columns(table);
        mdb_rewind_table(table);
        buffers.resize(table->num_cols);
        lengths.resize(table->num_cols);
        for (unsigned i = 0; i < table->num_cols; ++i) {
            buffers[i].resize(kBindSize);
            mdb_bind_column(table, static_cast<int>(i + 1), buffers[i].data(), &lengths[i]);
        }
    }
    ~OpenTable() {
        if (table)
            mdb_free_tabledef(table);
    }
    OpenTable(const OpenTable&) = delete;
    OpenTable& operator=(const OpenTable&) = delete;

    MdbColumn& column(int i) const { return *static_cast<MdbColumn*>(table->columns->pdata[i]); }

    QVariant value(int i) const {
        MdbColumn& col = column(i);
        MdbHandle* mdb = table->entry->mdb;
        const bool null = lengths[i] == 0 && col.col_type != MDB_BOOL;
        if (null)
            return QVariant();
        const unsigned char* raw = mdb->pg_buf + col.cur_value_start;
        switch (col.col_type) {
        case MDB_BOOL:
            return QVariant(qint64(qstrcmp(buffers[i].data(), "0") != 0 ? 1 : 0));
        case MDB_BYTE:
            return QVariant(qint64(raw[0]));
        case MDB_INT:
            return QVariant(littleEndian(raw, 2));
        case MDB_LONGINT:
            return QVariant(littleEndian(raw, 4));
        case MDB_FLOAT:
            return QVariant(double(mdb_get_single(mdb->pg_buf, col.cur_value_start)));
        case MDB_DOUBLE:
            return QVariant(mdb_get_double(mdb->pg_buf, col.cur_value_start));
        case MDB_MONEY:
            return QVariant(double(littleEndian(raw, 8)) / 10000.0);
        case MDB_DATETIME:
            return QVariant(dateText(mdb_get_double(mdb->pg_buf, col.cur_value_start)));
        case MDB_NUMERIC: {
            char* text =
                mdb_numeric_to_string(mdb, col.cur_value_start, col.col_scale, col.col_prec);
            const double number = QByteArray(text).toDouble();
            g_free(text);
            return QVariant(number);
        }
        case MDB_BINARY:
            return QVariant(QByteArray(reinterpret_cast<const char*>(raw), col.cur_value_len));
        case MDB_OLE: {
            size_t size = 0;
            void* bytes = mdb_ole_read_full(mdb, &col, &size);
            QByteArray blob(static_cast<const char*>(bytes), static_cast<qsizetype>(size));
            free(bytes);
            return QVariant(blob);
        }
        default:
            return QVariant(QString::fromUtf8(buffers[i].data()));
        }
    }

    MdbTableDef* table = nullptr;
    std::vector<std::vector<char>> buffers;
    std::vector<int> lengths;
};

} // namespace

QString dateText(double days) {
    const double whole = std::trunc(days);
    double fraction = std::fabs(days - whole);
    qint64 seconds = std::llround(fraction * 86400.0);
    qint64 day = static_cast<qint64>(whole);
    if (seconds >= 86400) { // rounding reached the next midnight
        seconds -= 86400;
        ++day;
    }
    const QDate date = QDate(1899, 12, 30).addDays(day);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.year(), date.month(), date.day(),
                             int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
}

// The library reports what it finds in a damaged file as hex dumps and notes on the standard
// output and error; the importer says it once, in words. So both are silenced while a file is
// open, and what the library left in the buffers is dropped before they come back.
struct JetFile::Handle {
    Handle() {
        std::fflush(stdout);
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null < 0)
            return;
        savedOut = ::dup(STDOUT_FILENO);
        savedErr = ::dup(STDERR_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    ~Handle() {
        if (mdb)
            mdb_close(mdb);
        std::fflush(stdout);
        std::fflush(stderr);
        if (savedOut >= 0) {
            ::dup2(savedOut, STDOUT_FILENO);
            ::close(savedOut);
        }
        if (savedErr >= 0) {
            ::dup2(savedErr, STDERR_FILENO);
            ::close(savedErr);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    MdbHandle* mdb = nullptr;
    int savedOut = -1;
    int savedErr = -1;
};

JetFile::JetFile(const QString& path) : m_path(path), m_handle(std::make_unique<Handle>()) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        fail(QStringLiteral("the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString().toLower());
    const QByteArray header = file.read(4096);
    if (!isJetHeader(header))
        fail(QStringLiteral("it is not a Jet database"));
    // The library reads past the end of a cut file without noticing; a file of whole pages is
    // the least a complete one has.
    const qint64 page = pageSizeOf(header);
    if (file.size() < 2 * page || file.size() % page != 0)
        fail(QStringLiteral("the file is truncated"));
    file.close();
    m_handle->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_handle->mdb || !mdb_read_catalog(m_handle->mdb, MDB_ANY))
        fail(QStringLiteral("the file is damaged"));
    mdb_set_bind_size(m_handle->mdb, kBindSize);
    const qint64 pages = file.size() / page;
    GPtrArray* catalog = m_handle->mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        const auto* entry = static_cast<MdbCatalogEntry*>(catalog->pdata[i]);
        if (entry->object_type == MDB_TABLE && static_cast<qint64>(entry->table_pg) >= pages)
            fail(QStringLiteral("the file is truncated"));
    }
}

JetFile::~JetFile() = default;

void JetFile::fail(const QString& reason) const {
    throw JetError(QStringLiteral("Cannot read the Jet database %1: %2").arg(m_path, reason));
}

QList<Table> JetFile::tables() const {
    QList<Table> result;
    GPtrArray* catalog = m_handle->mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(catalog->pdata[i]);
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        MdbTableDef* def = mdb_read_table(entry);
        if (!def)
            fail(QStringLiteral("the table %1 is damaged").arg(entry->object_name));
        mdb_read_columns(def);
        Table table{QString::fromUtf8(entry->object_name), {}, def->num_rows};
        for (unsigned c = 0; c < def->num_cols; ++c) {
            const auto* column = static_cast<MdbColumn*>(def->columns->pdata[c]);
            table.columns.append(Column{QString::fromUtf8(column->name), kindOf(*column)});
        }
        mdb_free_tabledef(def);
        result.append(table);
    }
    return result;
}

void JetFile::readRows(const Table& table,
                       const std::function<void(const QVariantList&)>& row) const {
    const OpenTable open(m_handle->mdb, table.name);
    if (!open.table)
        fail(QStringLiteral("the table %1 is damaged").arg(table.name));
    const int columns = static_cast<int>(open.table->num_cols);
    qint64 read = 0;
    QVariantList values;
    while (mdb_fetch_row(open.table)) {
        values.clear();
        for (int i = 0; i < columns; ++i)
            values.append(open.value(i));
        row(values);
        ++read;
    }
    if (read < static_cast<qint64>(open.table->num_rows))
        fail(QStringLiteral("the table %1 ends after %2 of its %3 rows")
                 .arg(table.name)
                 .arg(read)
                 .arg(open.table->num_rows));
}

QList<StoredQuery> JetFile::storedQueries() const {
    QHash<qint64, QString> names;
    QList<qint64> order;
    {
        const OpenTable objects(m_handle->mdb, QStringLiteral("MSysObjects"));
        if (!objects.table)
            return {};
        int id = -1, name = -1, type = -1;
        for (int i = 0; i < static_cast<int>(objects.table->num_cols); ++i) {
            const QString column = QString::fromUtf8(objects.column(i).name);
            id = column == u"Id" ? i : id;
            name = column == u"Name" ? i : name;
            type = column == u"Type" ? i : type;
        }
        if (id < 0 || name < 0 || type < 0)
            return {};
        while (mdb_fetch_row(objects.table)) {
            if (objects.value(type).toLongLong() != MDB_QUERY)
                continue;
            const qint64 key = objects.value(id).toLongLong();
            names.insert(key, objects.value(name).toString());
            order.append(key);
        }
    }
    QHash<qint64, QList<QueryPart>> parts;
    {
        const OpenTable queries(m_handle->mdb, QStringLiteral("MSysQueries"));
        if (!queries.table)
            return {};
        QHash<QString, int> at;
        for (int i = 0; i < static_cast<int>(queries.table->num_cols); ++i)
            at.insert(QString::fromUtf8(queries.column(i).name), i);
        for (const char* needed : {"ObjectId", "Attribute", "Name1", "Name2", "Expression", "Flag"})
            if (!at.contains(QString::fromLatin1(needed)))
                return {};
        while (mdb_fetch_row(queries.table)) {
            QueryPart part;
            part.attribute = queries.value(at.value(QStringLiteral("Attribute"))).toInt();
            part.name1 = queries.value(at.value(QStringLiteral("Name1"))).toString();
            part.name2 = queries.value(at.value(QStringLiteral("Name2"))).toString();
            part.expression = queries.value(at.value(QStringLiteral("Expression"))).toString();
            part.flag = queries.value(at.value(QStringLiteral("Flag"))).toInt();
            parts[queries.value(at.value(QStringLiteral("ObjectId"))).toLongLong()].append(part);
        }
    }
    QList<StoredQuery> result;
    for (qint64 key : order)
        result.append(StoredQuery{names.value(key), parts.value(key)});
    return result;
}

} // namespace jet
