#include "DatabaseCheck.h"

#include <QFileInfo>
#include <db/DbError.h>

namespace app {

namespace {

QString wordsFor(db::DbError::Kind kind) {
    switch (kind) {
    case db::DbError::Kind::NotADatabase:
        return QStringLiteral("is not a database file");
    case db::DbError::Kind::Damaged:
        return QStringLiteral("is damaged");
    case db::DbError::Kind::Busy:
        return QStringLiteral("is locked by another program");
    case db::DbError::Kind::Io:
    case db::DbError::Kind::Other:
        break;
    }
    return QStringLiteral("cannot be read");
}

} // namespace

std::unique_ptr<db::Database> openSound(const QString& role, const QString& path,
                                        const QStringList& tables, bool quickCheck,
                                        const std::function<bool(db::Database&)>& passedBefore) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw db::DbError(QStringLiteral("%1 %2 is missing").arg(role, path));
    // The engine takes an empty file for an empty database.
    if (info.size() == 0)
        throw db::DbError(QStringLiteral("%1 %2 is empty").arg(role, path));
    std::unique_ptr<db::Database> database;
    QString check;
    try {
        database = db::Database::openShared(path);
        database->begin();
        if (quickCheck && passedBefore && passedBefore(*database))
            quickCheck = false;
        check = quickCheck ? database->quickCheck() : QStringLiteral("ok");
    } catch (const db::DbError& error) {
        throw db::DbError(
            QStringLiteral("%1 %2 %3: %4").arg(role, path, wordsFor(error.kind()), error.message()),
            error.kind());
    }
    if (check != QStringLiteral("ok"))
        throw db::DbError(QStringLiteral("%1 %2 is damaged: %3").arg(role, path, check),
                          db::DbError::Kind::Damaged);
    // The program names tables without regard to case, as the installation's engine did.
    const QStringList present = database->tableNames();
    for (const QString& table : tables) {
        if (!present.contains(table, Qt::CaseInsensitive))
            throw db::DbError(QStringLiteral("%1 %2 has no table \"%3\"").arg(role, path, table));
    }
    return database;
}

} // namespace app
