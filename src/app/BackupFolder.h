#pragma once

#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QString>
#include <future>
#include <optional>
#include <vector>

namespace db {
class Database;
}

namespace app {

// The numbered backups in the installation's backup folder, as files. A store that dies between
// writing its backup and saving the backup's history row leaves a backup that no row names; it
// may be the only copy of the system database it replaced, so nothing here deletes a backup.
namespace BackupFolder {

// The number N of the name Temp<N>.mdb exactly as a store gives it (N from 1, no leading zeros)
// and the history can hold; nothing for any other name.
std::optional<qint64> numberOf(QByteArrayView name);

// The numbers of the backups in folder, in ascending order, from one read of the folder: of
// those that are files (links to files included), or of every entry of such a name that is no
// folder.
enum class Entries { Files, AnyButFolders };
QList<qint64> numbers(const QString& folder, Entries entries);

// The numbers of the backups in folder, for asking whether one is there: one read of the folder,
// kept as one bit per number while the numbers are dense (as a store makes them), sorted
// otherwise.
class NumberSet {
public:
    NumberSet(const QString& folder, Entries entries);
    bool contains(qint64 no) const;
    qsizetype size() const { return m_size; }

private:
    friend class NumberSetAhead;
    NumberSet() = default;
    void read(const QByteArray& nativeFolder, Entries entries);
    void add(qint64 no);

    qsizetype m_size = 0;
    bool m_sparse = false; // the numbers are in m_sorted, not in m_bits
    std::vector<quint64> m_bits;
    QList<qint64> m_sorted;
};

// A NumberSet of a folder, read on a thread of its own while the caller goes on: listing a
// folder of thousands of backups costs the file system about as long as reading the history
// rows that name them. A small folder is read at once. The read ends before the object goes.
class NumberSetAhead {
public:
    NumberSetAhead(const QString& folder, Entries entries);
    ~NumberSetAhead();
    NumberSetAhead(const NumberSetAhead&) = delete;
    NumberSetAhead& operator=(const NumberSetAhead&) = delete;

    const NumberSet& get();

private:
    std::future<NumberSet> m_pending;
    std::optional<NumberSet> m_set;
};

// The backups in folder by their number: every entry of such a name that is no folder.
QMap<qint64, QString> backups(const QString& folder);

// Lists each backup in folder that no row of the History table of templ names: one that passes
// the engine's check gets a row with its number and the file's modification time. One that does
// not, or whose number another listed backup holds, stays as it is. A file that is the system
// database under a second name (linked by a store that then died before the replacement) is no
// backup: only that name is removed. Returns what the status line says about it, or nothing.
QString adoptOrphans(db::Database& templ, const QString& folder, const QString& system);

} // namespace BackupFolder

} // namespace app
