#include "DatabaseCheck.h"

#include <QFileInfo>
#include <db/DbError.h>
#include <db/Statement.h>

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
        // The check reads every page once; keeping them would only grow the memory with the file.
        database->execute(QStringLiteral("PRAGMA cache_size = -256"));
        database->begin();
        if (quickCheck && passedBefore && passedBefore(*database))
            quickCheck = false;
        check = quickCheck ? database->quickCheck() : QStringLiteral("ok");
    } catch (const db::DbError& error) {
        // The words say what is wrong with the file; the engine's own text follows for the
        // service engineer.
        const db::DbError::Engine& engine = error.engine();
        QString words = wordsFor(error.kind());
        const QString reason = db::reasonOf(engine.code, engine.systemError);
        if (error.kind() == db::DbError::Kind::Io && !reason.isEmpty())
            words += QStringLiteral(": ") + reason;
        throw db::DbError(
            QStringLiteral("%1 %2 %3 (%4)")
                .arg(role, path, words, engine.text.isEmpty() ? error.message() : engine.text),
            error.kind(), engine);
    }
    if (check != QStringLiteral("ok"))
        throw db::DbError(QStringLiteral("%1 %2 is damaged (%3)").arg(role, path, check),
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
