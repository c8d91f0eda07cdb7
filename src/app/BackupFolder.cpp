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
#include <cmath>
#include <db/Database.h>
#include <db/Field.h>
#include <db/Statement.h>
#include <optional>
#include <platform/FileSafety.h>
#include <platform/FolderListing.h>
#include <records/Names.h>
#include <records/RecordHelpers.h>

namespace app::BackupFolder {

namespace fs = platform::FileSafety;

namespace {

const QString kPath = QStringLiteral("Path");

QString cleaned(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QMap<qint64, QString> backups(const QString& folder) {
    QMap<qint64, QString> found;
    const QDir dir(folder);
    for (const QByteArray& name : platform::entryNamesIn(folder)) {
        if (!name.startsWith("Temp") || !name.endsWith(".mdb"))
            continue;
        const QByteArray digits = name.sliced(4, name.size() - 8);
        if (digits.isEmpty() || digits.front() < '1' || digits.front() > '9' ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        bool whole = false;
        const qint64 no = digits.toLongLong(&whole);
        if (whole && no < History::kLastNumber)
            found.insert(no, dir.filePath(QFile::decodeName(name)));
    }
    return found;
}

namespace {

// Whether a row of the history names each of the files: the common case, answered from the
// rows' bytes. A row names a backup in the folder as folder + "/" + its name as a store wrote
// it; a path in another form is compared as the general way below compares it.
bool everyFileNamed(db::Database& templ, const QString& folder,
                    const QMap<qint64, QString>& files) {
    const QByteArray prefix = QFile::encodeName(folder.endsWith(u'/') ? folder : folder + u'/');
    QSet<QByteArray> names;
    QSet<QString> otherPaths;
    const db::FieldType pathType = templ.columnType(records::kHistory, kPath);
    db::Statement rows(
        templ, QStringLiteral("SELECT [Path] FROM %1").arg(templ.qualified(records::kHistory)));
    while (rows.step()) {
        const std::optional<QByteArrayView> path =
            pathType == db::FieldType::Text ? rows.utf8(0) : std::nullopt;
        if (path && path->startsWith(prefix)) {
            const QByteArrayView tail = path->sliced(prefix.size());
            if (!tail.isEmpty() && !tail.contains('/') && tail != "." && tail != "..") {
                names.insert(tail.toByteArray());
                continue;
            }
        }
        otherPaths.insert(cleaned(records::NullToText(db::fromStored(pathType, rows.value(0)))));
    }
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        if (!names.contains(QFile::encodeName(name)) && !otherPaths.contains(cleaned(file)))
            return false;
    }
    return true;
}

} // namespace

QString adoptOrphans(db::Database& templ, const QString& folder, const QString& system) {
    const QMap<qint64, QString> files = backups(folder);
    if (files.isEmpty() || everyFileNamed(templ, folder, files))
        return {};
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
