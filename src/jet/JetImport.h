#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace jet {

// What an import brought over, and the stored queries it could not.
struct ImportReport {
    int tables = 0;
    qint64 rows = 0;
    QStringList queries;                    // stored queries that became views
    QList<QPair<QString, QString>> leftOut; // stored query, why it was not brought over
};

// Converts the Jet database at source into a new database file at destination: every user
// table with its fields and rows, and the stored queries that translate. destination must not
// exist; it appears whole or not at all (written beside it, flushed, then renamed). Throws
// JetError for a source that cannot be read, db::DbError or platform::FileError for a
// destination that cannot be written.
ImportReport importJet(const QString& source, const QString& destination);

// The report as lines for the user.
QStringList reportLines(const ImportReport& report, const QString& source,
                        const QString& destination);

} // namespace jet
