#include "BackupFolder.h"

#include "DatabaseCheck.h"
#include "ErrorText.h"
#include "History.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <db/Database.h>
#include <db/Field.h>
#include <db/Statement.h>
#include <optional>
#include <platform/FileSafety.h>
#include <platform/FolderListing.h>
#include <records/Names.h>
#include <records/RecordHelpers.h>
#include <system_error>

namespace app::BackupFolder {

namespace fs = platform::FileSafety;

namespace {

const QString kPath = QStringLiteral("Path");

QString cleaned(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

std::optional<qint64> numberOf(QByteArrayView name) {
    // Asked for every file of the folder and every row of the history: compared in place.
    if (name.size() < 9 || std::memcmp(name.data(), "Temp", 4) != 0 ||
        std::memcmp(name.data() + name.size() - 4, ".mdb", 4) != 0)
        return std::nullopt;
    const QByteArrayView digits = name.sliced(4, name.size() - 8);
    // Numbers below the history's limit have at most 16 digits, so the sum cannot overflow.
    if (digits.isEmpty() || digits.size() > 16 || digits.front() == '0')
        return std::nullopt;
    qint64 no = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        no = no * 10 + (c - '0');
    }
    if (no >= History::kLastNumber)
        return std::nullopt;
    return no;
}

namespace {

// Hands on the number of each backup in the folder (named as the file system holds it) that is
// an entry of the kind asked for.
template <typename Each>
void forEachBackup(const QByteArray& nativeFolder, Entries entries, Each each) {
    platform::forEachEntry(nativeFolder, [&](QByteArrayView name, platform::EntryKind kind) {
        if (kind == platform::EntryKind::Folder ||
            (entries == Entries::Files && kind != platform::EntryKind::File))
            return;
        if (const std::optional<qint64> no = numberOf(name))
            each(*no);
    });
}

QList<qint64> unsortedNumbers(const QString& folder, Entries entries) {
    QList<qint64> found;
    forEachBackup(QFile::encodeName(folder), entries, [&found](qint64 no) { found.append(no); });
    return found;
}

} // namespace

QList<qint64> numbers(const QString& folder, Entries entries) {
    QList<qint64> found = unsortedNumbers(folder, entries);
    std::sort(found.begin(), found.end());
    return found;
}

NumberSet::NumberSet(const QString& folder, Entries entries) {
    read(QFile::encodeName(folder), entries);
}

void NumberSet::read(const QByteArray& nativeFolder, Entries entries) {
    // Kept as the folder is read: no list of thousands of numbers on the way.
    forEachBackup(nativeFolder, entries, [this](qint64 no) { add(no); });
    std::sort(m_sorted.begin(), m_sorted.end());
}

void NumberSet::add(qint64 no) {
    ++m_size;
    if (!m_sparse) {
        // A bit per number up to the highest, as long as that is not much more than a list.
        const auto word = size_t(no / 64);
        if (word < m_bits.size() || word < size_t(4 * m_size + 64)) {
            if (word >= m_bits.size())
                m_bits.resize(word + 1, 0);
            m_bits[word] |= quint64(1) << (no % 64);
            return;
        }
        m_sparse = true;
        for (size_t at = 0; at < m_bits.size(); ++at)
            for (quint64 bits = m_bits[at]; bits != 0; bits &= bits - 1)
                m_sorted.append(qint64(at * 64) + std::countr_zero(bits));
        m_bits = {};
    }
    m_sorted.append(no);
}

namespace {

// A folder this large holds a few thousand names (a file system stores a name in a few dozen
// bytes): listing it takes longer than starting a thread.
constexpr qint64 kLargeFolder = qint64(64) << 10;
// The fewest bytes a file system keeps for a backup's name "Temp<N>.mdb".
constexpr qint64 kSmallestName = 8;

} // namespace

NumberSetAhead::NumberSetAhead(const QString& folder, Entries entries) {
    const qint64 bytes = platform::folderBytes(folder);
    if (bytes >= kLargeFolder) {
        // The thread takes nothing from the heap (see forEachEntry): heap memory it took would
        // stay with it. Room for the bits of as many numbers as the folder can hold names.
        NumberSet set;
        set.m_bits.reserve(size_t(bytes / kSmallestName / 64 + 1));
        try {
            m_pending = std::async(
                std::launch::async,
                [set = std::move(set), native = QFile::encodeName(folder), entries]() mutable {
                    set.read(native, entries);
                    return std::move(set);
                });
            return;
        } catch (const std::system_error&) {
            // No thread to be had: read it here.
        }
    }
    m_set.emplace(folder, entries);
}

NumberSetAhead::~NumberSetAhead() {
    if (m_pending.valid())
        m_pending.wait();
}

const NumberSet& NumberSetAhead::get() {
    if (!m_set)
        m_set.emplace(m_pending.get());
    return *m_set;
}

bool NumberSet::contains(qint64 no) const {
    if (!m_sparse)
        return no >= 0 && size_t(no / 64) < m_bits.size() &&
               (m_bits[size_t(no / 64)] >> (no % 64) & 1) != 0;
    return std::binary_search(m_sorted.begin(), m_sorted.end(), no);
}

QMap<qint64, QString> backups(const QString& folder) {
    QMap<qint64, QString> found;
    const QDir dir(folder);
    for (const qint64 no : numbers(folder, Entries::AnyButFolders))
        found.insert(no, dir.filePath(QStringLiteral("Temp%1.mdb").arg(no)));
    return found;
}

namespace {

// Whether a row of the history names each backup in the folder: the common case, answered from
// the rows' bytes. A row names a backup as folder + "/" + its name, as a store writes it; a
// path in another form is compared as the general way below compares it.
bool everyBackupNamed(db::Database& templ, const QString& folder, const QList<qint64>& backups) {
    const QByteArray prefix = QFile::encodeName(folder.endsWith(u'/') ? folder : folder + u'/');
    QList<qint64> named;
    QSet<QString> otherPaths;
    const db::FieldType pathType = templ.columnType(records::kHistory, kPath);
    db::Statement rows(
        templ, QStringLiteral("SELECT [Path] FROM %1").arg(templ.qualified(records::kHistory)));
    while (rows.step()) {
        const std::optional<QByteArrayView> path =
            pathType == db::FieldType::Text ? rows.utf8(0) : std::nullopt;
        if (path && path->startsWith(prefix) && !path->sliced(prefix.size()).contains('/')) {
            // Another name in the folder is none of the backups.
            if (const std::optional<qint64> no = numberOf(path->sliced(prefix.size())))
                named.append(*no);
            continue;
        }
        otherPaths.insert(cleaned(records::NullToText(db::fromStored(pathType, rows.value(0)))));
    }
    std::sort(named.begin(), named.end());
    const QDir dir(folder);
    return std::all_of(backups.begin(), backups.end(), [&](qint64 no) {
        return std::binary_search(named.begin(), named.end(), no) ||
               (!otherPaths.isEmpty() &&
                otherPaths.contains(cleaned(dir.filePath(QStringLiteral("Temp%1.mdb").arg(no)))));
    });
}

} // namespace

QString adoptOrphans(db::Database& templ, const QString& folder, const QString& system) {
    const QList<qint64> found = numbers(folder, Entries::AnyButFolders);
    if (found.isEmpty() || everyBackupNamed(templ, folder, found))
        return {};
    const QMap<qint64, QString> files = backups(folder);
    QSet<QString> named;
    QSet<qint64> taken; // numbers of rows whose backup is there
    db::Recordset rows = templ.OpenRecordset(records::kHistory);
    for (; !rows.eof(); rows.moveNext()) {
        const QString path = records::NullToText(rows.value(QStringLiteral("Path")));
        named.insert(cleaned(path));
        bool number = false;
        const double no = rows.value(QStringLiteral("No")).toDouble(&number);
        if (number && std::trunc(no) == no && std::abs(no) < double(History::kLastNumber) &&
            QFileInfo(path).isFile())
            taken.insert(qint64(no));
    }

    QStringList listed;
    QStringList left;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString& path = it.value();
        if (named.contains(cleaned(path)) || cleaned(path) == cleaned(system) ||
            QFileInfo(path).canonicalFilePath() == QFileInfo(system).canonicalFilePath())
            continue;
        if (fs::sameFile(path, system)) {
            fs::remove(path);
            continue;
        }
        if (taken.contains(it.key())) {
            left.append(
                QStringLiteral("%1 (No %2 is listed for another file)").arg(path).arg(it.key()));
            continue;
        }
        try {
            openSound(QStringLiteral("The backup"), path, Startup::systemTables());
        } catch (const std::exception& error) {
            left.append(errorText(error));
            continue;
        }
        rows.addNew();
        rows.setValue(QStringLiteral("No"), it.key());
        rows.setValue(QStringLiteral("Date"), QFileInfo(path).lastModified());
        rows.setValue(QStringLiteral("Path"), path);
        rows.update();
        taken.insert(it.key());
        listed.append(QStringLiteral("%1 as No %2").arg(path).arg(it.key()));
    }
    QStringList text;
    if (!listed.isEmpty())
        text.append(QStringLiteral("Backups that had no history entry are now listed: ") +
                    listed.join(QStringLiteral("; ")) + u'.');
    if (!left.isEmpty())
        text.append(QStringLiteral("Files in the backup folder without a history entry were left "
                                   "as they are: ") +
                    left.join(QStringLiteral("; ")) + u'.');
    return text.join(u' ');
}

} // namespace app::BackupFolder
