#include "JetImport.h"

#include "JetFile.h"
#include "QueryTranslation.h"

#include <QFileInfo>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Statement.h>
#include <platform/FileSafety.h>

namespace jet {

namespace {

QString columnType(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Boolean:
        return db::declaredType(db::FieldType::Boolean);
    case ColumnKind::Integer:
        return db::declaredType(db::FieldType::Long);
    case ColumnKind::Counter:
        return db::declaredType(db::FieldType::Counter);
    case ColumnKind::Real:
    case ColumnKind::Currency:
        return db::declaredType(db::FieldType::Double);
    case ColumnKind::Date:
        return db::declaredType(db::FieldType::Date);
    case ColumnKind::Blob:
        return QStringLiteral("BLOB");
    case ColumnKind::Text:
    case ColumnKind::Memo:
    case ColumnKind::Guid:
        break;
    }
    return db::declaredType(db::FieldType::Text);
}

void copyTables(const JetFile& jet, db::Database& target, ImportReport& report) {
    for (const Table& table : jet.tables()) {
        QStringList columns, marks;
        for (const Column& column : table.columns) {
            columns.append(db::bracket(column.name) + u' ' + columnType(column.kind));
            marks.append(QStringLiteral("?"));
        }
        target.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                           .arg(db::bracket(table.name), columns.join(QStringLiteral(", "))));
        db::Statement insert(target, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                         .arg(db::bracket(table.name), marks.join(u',')));
        jet.readRows(table, [&](const QVariantList& values) {
            insert.bindAll(values);
            insert.run();
            ++report.rows;
        });
        ++report.tables;
    }
}

// Queries build on each other in any order: each pass adds those whose sources are there.
void copyQueries(const JetFile& jet, db::Database& target, ImportReport& report) {
    QList<QPair<QString, QString>> waiting; // name, SQL
    for (const StoredQuery& query : jet.storedQueries()) {
        const Translation translation = translateQuery(query);
        if (translation.problem.isEmpty())
            waiting.append({query.name, translation.sql});
        else
            report.leftOut.append({query.name, translation.problem});
    }
    QHash<QString, QString> lastError;
    bool progress = true;
    while (progress && !waiting.isEmpty()) {
        progress = false;
        for (qsizetype i = 0; i < waiting.size();) {
            try {
                target.createQueryDef(waiting.at(i).first, waiting.at(i).second);
                report.queries.append(waiting.at(i).first);
                waiting.removeAt(i);
                progress = true;
            } catch (const db::DbError& error) {
                lastError.insert(waiting.at(i).first, error.engine().text.isEmpty()
                                                          ? error.message()
                                                          : error.engine().text);
                ++i;
            }
        }
    }
    for (const auto& [name, sql] : waiting)
        report.leftOut.append(
            {name,
             QStringLiteral("the engine does not accept it (%1)").arg(lastError.value(name))});
}

} // namespace

ImportReport importJet(const QString& source, const QString& destination) {
    namespace fs = platform::FileSafety;
    const JetFile jet(source);
    if (QFileInfo::exists(destination))
        throw platform::FileError(
            QStringLiteral("Cannot write the imported database %1: the file exists")
                .arg(destination));
    const QString temporary = fs::temporaryPath(destination);
    ImportReport report;
    try {
        {
            const std::unique_ptr<db::Database> target = db::Database::create(temporary);
            // A failed import removes the whole file and a complete one is flushed below, so
            // the engine's own journal and flushes would only cost time.
            target->execute(QStringLiteral("PRAGMA journal_mode=OFF"));
            target->execute(QStringLiteral("PRAGMA synchronous=OFF"));
            db::Transaction transaction(*target);
            copyTables(jet, *target, report);
            copyQueries(jet, *target, report);
            transaction.commit();
            target->close();
        }
        fs::syncFile(temporary);
        fs::replace(temporary, destination);
    } catch (...) {
        fs::remove(temporary);
        fs::remove(temporary + QStringLiteral("-journal"));
        throw;
    }
    return report;
}

QStringList reportLines(const ImportReport& report, const QString& source,
                        const QString& destination) {
    QStringList lines;
    lines.append(
        QStringLiteral("Imported %1 tables with %2 rows and %3 stored queries from %4 into %5.")
            .arg(report.tables)
            .arg(report.rows)
            .arg(report.queries.size())
            .arg(source, destination));
    for (const auto& [name, why] : report.leftOut)
        lines.append(QStringLiteral("Stored query not imported: %1: %2").arg(name, why));
    return lines;
}

} // namespace jet
