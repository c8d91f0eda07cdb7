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

// The three triggers of one table: each records the statement that takes a write back, run
// later through the handle of the table's database (schema). An update that leaves every value
// as it was (a page read that writes what is there) records nothing.
QStringList triggersFor(db::Database& database, const QString& table, int number) {
    const QString schema = database.schemaName();
    const QString target = database.qualified(table);
    QStringList columns, oldValues, assignments, changed;
    for (const db::Field& field : database.tableFields(table)) {
        const QString name = db::bracket(field.name);
        columns.append(name);
        oldValues.append(QStringLiteral("quote(old.%1)").arg(name));
        assignments.append(QStringLiteral("%1 || '=' || quote(old.%2)").arg(literal(name), name));
        changed.append(QStringLiteral("old.%1 IS NOT new.%1 COLLATE BINARY").arg(name));
    }
    const QString on = db::bracket(schema) + u'.' + db::bracket(table);
    auto trigger = [&](QChar kind, const QString& event, const QString& when,
                       const QString& statement) {
        return QStringLiteral("CREATE TEMP TRIGGER [orbis undo %1 %2 %3] AFTER %4 ON %5 %6")
                   .arg(schema)
                   .arg(number)
                   .arg(kind)
                   .arg(event, on, when) +
               QStringLiteral("BEGIN INSERT INTO %1 (db, sql) VALUES (%2, ")
                   .arg(kLogInTrigger, literal(schema)) +
               statement + QStringLiteral("); END");
    };
    QStringList triggers;
    triggers.append(trigger(u'i', QStringLiteral("INSERT"), QString(),
                            literal(QStringLiteral("DELETE FROM %1 WHERE rowid = ").arg(target)) +
                                QStringLiteral(" || new.rowid")));
    if (columns.isEmpty())
        return triggers;
    triggers.append(trigger(u'd', QStringLiteral("DELETE"), QString(),
                            literal(QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (")
                                        .arg(target, columns.join(QStringLiteral(", ")))) +
                                QStringLiteral(" || old.rowid || ', ' || ") +
                                oldValues.join(QStringLiteral(" || ', ' || ")) +
                                QStringLiteral(" || ')'")));
    triggers.append(
        trigger(u'u', QStringLiteral("UPDATE"),
                QStringLiteral("WHEN old.rowid IS NOT new.rowid OR ") +
                    changed.join(QStringLiteral(" OR ")) + u' ',
                literal(QStringLiteral("UPDATE %1 SET ").arg(target)) + QStringLiteral(" || ") +
                    assignments.join(QStringLiteral(" || ', ' || ")) + QStringLiteral(" || ") +
                    literal(QStringLiteral(" WHERE rowid = ")) + QStringLiteral(" || new.rowid")));
    return triggers;
}

} // namespace

void UndoLog::makeTriggers() {
    db::Database& work = m_editor.work();
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

qint64 UndoLog::lastSeq() const {
    db::Statement last(m_editor.work(),
                       QStringLiteral("SELECT ifnull(max(seq), 0) FROM %1").arg(kLog));
    return last.step() ? last.value(0).toLongLong() : 0;
}

QString UndoLog::schemaVersions() const {
    QString versions;
    for (const QString& schema : {QStringLiteral("main"), QStringLiteral("conf")}) {
        if (schema == u"conf" && !m_editor.isTemplateOpen())
            continue;
        db::Statement version(m_editor.work(),
                              QStringLiteral("PRAGMA %1.schema_version").arg(schema));
        if (version.step())
            versions += version.value(0).toString() + u'/';
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
    if (!m_editor.isWorkOpen())
        return;
    ensureTriggers();
    m_seqBefore = lastSeq();
    m_schemaBefore = schemaVersions();
}

void UndoLog::committed() {
    const Move move = m_move;
    m_move = Move::None;
    if (!m_editor.isWorkOpen() || m_generation != m_editor.workGeneration()) {
        // Store and restore opened a new working copy: its history starts with the next action.
        m_generation = -1;
        reset();
        makeReadyWhenIdle();
        return;
    }
    if (m_clearAfter) {
        reset();
        return;
    }
    if (schemaVersions() != m_schemaBefore) {
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
