#include "BackupFolder.h"

#include "DatabaseCheck.h"
#include "ErrorText.h"
#include "History.h"
#include "Startup.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <db/Database.h>
#include <platform/FileSafety.h>
#include <records/Names.h>
#include <records/RecordHelpers.h>

namespace app::BackupFolder {

namespace fs = platform::FileSafety;

namespace {

QString cleaned(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QMap<qint64, QString> backups(const QString& folder) {
    static const QRegularExpression name(QStringLiteral("^Temp([1-9][0-9]*)\\.mdb$"));
    QMap<qint64, QString> found;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("Temp*.mdb")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& each : names) {
        const QRegularExpressionMatch match = name.match(each);
        bool whole = false;
        const qint64 no = match.hasMatch() ? match.captured(1).toLongLong(&whole) : 0;
        if (whole && no < History::kLastNumber)
            found.insert(no, dir.filePath(each));
    }
    return found;
}

QString adoptOrphans(db::Database& templ, const QString& folder, const QString& system) {
    const QMap<qint64, QString> files = backups(folder);
    if (files.isEmpty())
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
