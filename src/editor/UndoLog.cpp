#include "UndoLog.h"

#include "Editor.h"

#include <db/Database.h>
#include <db/Statement.h>
#include <db/WriteFaults.h>
#include <form/Host.h>

namespace editor {

namespace {

const QString kLog = QStringLiteral("temp.[orbis undo log]");
// A trigger's statements name their tables without the database.
const QString kLogInTrigger = QStringLiteral("[orbis undo log]");

// An SQL text literal.
QString literal(const QString& text) {
    QString copy = text;
    return u'\'' + copy.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A text that a trigger prints: fixed pieces and the texts of SQL expressions, through the
// engine's printf, which compiles to far less than a chain of concatenations (every write
// statement prepared on a table compiles its triggers). One call takes at most kValues values,
// below the engine's limit of a function's arguments.
class PrintedText {
public:
    void text(const QString& piece) {
        QString copy = piece;
        m_format += copy.replace(u'%', QStringLiteral("%%"));
    }
    void value(const QString& expression) {
        if (m_values.size() == kValues)
            flush();
        m_format += QStringLiteral("%s");
        m_values.append(expression);
    }
    QString sql() {
        flush();
        return m_calls.join(QStringLiteral(" || "));
    }

private:
    static constexpr qsizetype kValues = 100;
    void flush() {
        if (m_format.isEmpty())
            return;
        QStringList arguments{literal(m_format)};
        arguments += m_values;
        m_calls.append(QStringLiteral("printf(%1)").arg(arguments.join(QStringLiteral(", "))));
        m_format.clear();
        m_values.clear();
    }
    QString m_format;
    QStringList m_values;
    QStringList m_calls;
};

// The three triggers of one table: each records the statement that takes a write back, run
// later through the handle of the table's database (schema). An update that leaves every value
// as it was (a page read that writes what is there) records nothing.
QStringList triggersFor(db::Database& database, const QString& table, int number) {
    const QString schema = database.schemaName();
    const QString target = database.qualified(table);
    QStringList columns, changed;
    for (const db::Field& field : database.tableFields(table)) {
        const QString name = db::bracket(field.name);
        columns.append(name);
        changed.append(QStringLiteral("old.%1 IS NOT new.%1 COLLATE BINARY").arg(name));
    }
    const QString on = db::bracket(schema) + u'.' + db::bracket(table);
    auto trigger = [&](QChar kind, const QString& event, const QString& when,
                       PrintedText statement) {
        return QStringLiteral("CREATE TEMP TRIGGER [orbis undo %1 %2 %3] AFTER %4 ON %5 %6")
                   .arg(schema)
                   .arg(number)
                   .arg(kind)
                   .arg(event, on, when) +
               QStringLiteral("BEGIN INSERT INTO %1 (db, sql) VALUES (%2, ")
                   .arg(kLogInTrigger, literal(schema)) +
               statement.sql() + QStringLiteral("); END");
    };
    QStringList triggers;
    PrintedText remove;
    remove.text(QStringLiteral("DELETE FROM %1 WHERE rowid = ").arg(target));
    remove.value(QStringLiteral("new.rowid"));
    triggers.append(trigger(u'i', QStringLiteral("INSERT"), QString(), remove));
    if (columns.isEmpty())
        return triggers;
    PrintedText insert;
    insert.text(QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (")
                    .arg(target, columns.join(QStringLiteral(", "))));
    insert.value(QStringLiteral("old.rowid"));
    PrintedText update;
    update.text(QStringLiteral("UPDATE %1 SET ").arg(target));
    for (qsizetype i = 0; i < columns.size(); ++i) {
        insert.text(QStringLiteral(", "));
        insert.value(QStringLiteral("quote(old.%1)").arg(columns[i]));
        update.text((i == 0 ? QString() : QStringLiteral(", ")) + columns[i] + u'=');
        update.value(QStringLiteral("quote(old.%1)").arg(columns[i]));
    }
    insert.text(QStringLiteral(")"));
    update.text(QStringLiteral(" WHERE rowid = "));
    update.value(QStringLiteral("new.rowid"));
    triggers.append(trigger(u'd', QStringLiteral("DELETE"), QString(), insert));
    triggers.append(trigger(u'u', QStringLiteral("UPDATE"),
                            QStringLiteral("WHEN old.rowid IS NOT new.rowid OR ") +
                                changed.join(QStringLiteral(" OR ")) + u' ',
                            update));
    return triggers;
}

} // namespace

void UndoLog::makeTriggers() {
    db::Database& work = m_editor.work();
    // The log's rollback journal stays in memory: on disk it would be a file made and removed
    // by every action that writes.
    work.execute(QStringLiteral("PRAGMA temp.journal_mode = MEMORY"));
    db::Transaction transaction(work);
    work.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (seq INTEGER PRIMARY KEY, "
                                "db TEXT, sql TEXT)")
                     .arg(kLog));
    // Those of an earlier schema know fields as they were.
    QStringList old;
    {
        db::Statement triggers(work,
                               QStringLiteral("SELECT name FROM temp.sqlite_master WHERE "
                                              "type = 'trigger' AND name LIKE 'orbis undo %'"));
        while (triggers.step())
            old.append(triggers.value(0).toString());
    }
    for (const QString& name : old)
        work.execute(QStringLiteral("DROP TRIGGER temp.%1").arg(db::bracket(name)));
    int number = 0;
    QList<db::Database*> databases{&work};
    if (m_editor.isTemplateOpen())
        databases.append(&m_editor.templ());
    // One text per file: the engine prepares each statement as it runs the text, without a
    // statement kept for each of hundreds of triggers.
    for (db::Database* database : databases) {
        QStringList statements;
        for (const QString& table : database->tableNames())
            statements += triggersFor(*database, table, ++number);
        database->execute(statements.join(QStringLiteral(";\n")));
    }
    transaction.commit();
}

void UndoLog::reset() {
    const bool had = canUndo() || canRedo();
    m_undo.clear();
    m_redo.clear();
    if (had)
        notify();
}

void UndoLog::notify() const {
    if (m_changed)
        m_changed();
}

// Both are read around every action: their statements stay prepared.
qint64 UndoLog::lastSeq() const {
    db::ScopedStatement last(m_editor.work(),
                             QStringLiteral("SELECT ifnull(max(seq), 0) FROM %1").arg(kLog));
    return last.next() ? last.statement().value(0).toLongLong() : 0;
}

QString UndoLog::schemaVersions() const {
    QString versions;
    for (const QString& schema : {QStringLiteral("main"), QStringLiteral("conf")}) {
        if (schema == u"conf" && !m_editor.isTemplateOpen())
            continue;
        db::ScopedStatement version(m_editor.work(),
                                    QStringLiteral("PRAGMA %1.schema_version").arg(schema));
        if (version.next())
            versions += version.statement().value(0).toString() + u'/';
    }
    return versions;
}

bool UndoLog::ready() const {
    return m_generation == m_editor.workGeneration();
}

void UndoLog::ensureTriggers() {
    if (ready())
        return;
    reset();
    const db::faults::Uncounted uncounted;
    makeTriggers();
    m_generation = m_editor.workGeneration();
    // The schema as the triggers know it; an action that leaves it otherwise ends the history.
    m_schema = schemaVersions();
}

void UndoLog::makeReady() {
    if (!m_editor.isWorkOpen() || m_editor.work().inTransaction())
        return;
    try {
        ensureTriggers();
    } catch (const std::exception&) {
        // The transaction took what was made; the next action tries again and reports.
    }
}

void UndoLog::makeReadyWhenIdle() {
    if (m_editor.isWorkOpen() && !ready())
        m_editor.host().whenIdle([this] { makeReady(); });
}

void UndoLog::prepare() {
    m_move = Move::None;
    m_clearAfter = false;
    m_schemaChanged = false;
    if (!m_editor.isWorkOpen())
        return;
    ensureTriggers();
    m_seqBefore = lastSeq();
}

void UndoLog::committed() {
    const Move move = m_move;
    m_move = Move::None;
    if (!m_editor.isWorkOpen() || m_generation != m_editor.workGeneration()) {
        // A restore (or start-up) opened a new working copy: its history starts with the next
        // action.
        m_generation = -1;
        reset();
        makeReadyWhenIdle();
        return;
    }
    if (m_clearAfter) {
        reset();
        return;
    }
    if (m_schemaChanged) {
        m_generation = -1; // the triggers are made anew for the new tables and fields
        const bool had = canUndo() || canRedo();
        reset();
        if (had && m_ended)
            m_ended();
        makeReadyWhenIdle();
        return;
    }
    if (move == Move::Undo) {
        m_undo.removeLast();
        m_redo.append(m_moved);
    } else if (move == Move::Redo) {
        m_redo.removeLast();
        m_undo.append(m_moved);
    } else {
        const qint64 last = lastSeq();
        if (last <= m_seqBefore)
            return;
        m_undo.append(Step{m_seqBefore + 1, last});
        m_redo.clear();
    }
    notify();
}

void UndoLog::committing() {
    // Read within the action's transaction, which holds the files' locks already.
    m_schemaChanged = m_editor.isWorkOpen() && ready() && schemaVersions() != m_schema;
}

void UndoLog::rolledBack() {
    m_move = Move::None;
    m_clearAfter = false;
}

void UndoLog::clear() {
    m_clearAfter = true;
}

UndoLog::Step UndoLog::replay(const Step& step) {
    db::Database& work = m_editor.work();
    QList<QPair<QString, QString>> statements;
    {
        db::Statement rows(work, QStringLiteral("SELECT db, sql FROM %1 WHERE seq BETWEEN ? AND ? "
                                                "ORDER BY seq DESC")
                                     .arg(kLog));
        rows.bind(1, step.first);
        rows.bind(2, step.last);
        while (rows.step())
            statements.append({rows.value(0).toString(), rows.value(1).toString()});
    }
    work.execute(QStringLiteral("DELETE FROM %1 WHERE seq BETWEEN ? AND ?").arg(kLog),
                 {step.first, step.last});
    const qint64 before = lastSeq();
    for (const auto& [schema, sql] : statements)
        (schema == u"main" ? work : m_editor.templ()).execute(sql);
    return Step{before + 1, lastSeq()};
}

void UndoLog::undo() {
    if (!canUndo() || m_move != Move::None)
        return;
    m_moved = replay(m_undo.last());
    m_move = Move::Undo;
}

void UndoLog::redo() {
    if (!canRedo() || m_move != Move::None)
        return;
    m_moved = replay(m_redo.last());
    m_move = Move::Redo;
}

} // namespace editor
