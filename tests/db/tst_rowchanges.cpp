#include "EngineFaults.h"

#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/RecordMemory.h>
#include <db/RowChanges.h>
#include <db/Savepoint.h>
#include <db/Statement.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A working copy with a template attached as conf, as the editor holds them.
struct Files {
    QTemporaryDir dir;
    std::unique_ptr<db::Database> work;
    std::unique_ptr<db::Database> conf;

    Files() {
        work = db::Database::create(dir.filePath(u"Work.mdb"_s));
        work->execute(
            u"CREATE TABLE [Any] (a, b);"
            "CREATE TABLE [Keyed] ([ID] INTEGER PRIMARY KEY AUTOINCREMENT, "
            "[Name] TEXT UNIQUE, [Value] REAL);"
            "INSERT INTO [Any] VALUES (1, 'one'), (2.5, x'00ff'), (NULL, 'it''s');"
            "INSERT INTO [Keyed] ([Name], [Value]) VALUES ('Argon', 0.1), ('HeNe', 1e300)"_s);
        db::Database::create(dir.filePath(u"Conf.mdb"_s))
            ->execute(u"CREATE TABLE [Potential] (x); INSERT INTO [Potential] VALUES ('Lasos')"_s);
        conf = work->attach(dir.filePath(u"Conf.mdb"_s), u"conf"_s);
        work->recordRowChanges();
    }
    db::RowChanges& changes() { return *work->rowChanges(); }

    // Every row of both files with the exact kind and value of each field.
    QString content() const {
        QString text;
        for (const QString& table : {u"[Any]"_s, u"[Keyed]"_s, u"[conf].[Potential]"_s}) {
            db::Statement rows(*(table.startsWith(u"[conf]") ? conf : work),
                               u"SELECT rowid, * FROM %1 ORDER BY rowid"_s.arg(table));
            while (rows.step()) {
                text += table;
                for (int column = 0; column < rows.columnCount(); ++column) {
                    const QVariant value = rows.value(column);
                    text += u" | "_s + QString::fromLatin1(value.typeName()) + u':';
                    if (value.typeId() == QMetaType::Double)
                        text += QString::number(value.toDouble(), 'g', 17);
                    else if (value.typeId() == QMetaType::QByteArray)
                        text += QString::fromLatin1(value.toByteArray().toHex());
                    else
                        text += value.toString();
                }
                text += u'\n';
            }
        }
        return text;
    }

    // Replays run as one transaction and returns what the replay recorded.
    db::RowChanges::Run replay(const db::RowChanges::Run& run) {
        db::Transaction transaction(*work);
        changes().replay(run);
        transaction.commit();
        return changes().take();
    }
};

// Takes the record of what was written since the files were before, checks its size, and
// replays it back and forth twice: each replay must give the other state exactly.
void replaysExactly(Files& files, const QString& before, int records) {
    const QString after = files.content();
    db::RowChanges::Run run = files.changes().take();
    QCOMPARE(run.size(), records);
    for (int round = 0; round < 2; ++round) {
        const db::RowChanges::Run redo = files.replay(run);
        QCOMPARE(files.content(), before);
        run = files.replay(redo);
        QCOMPARE(files.content(), after);
    }
}

using Writes = std::function<void(Files&)>;

} // namespace

Q_DECLARE_METATYPE(Writes)

class TestRowChanges : public QObject {
    Q_OBJECT

private slots:
    // What each kind of write records takes it back exactly, kinds and reals included, and
    // what the replay records makes it again; an update that writes what is there records
    // nothing.
    void undoAndRedoAreExact_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("records");
        QTest::newRow("insert of every kind")
            << u"INSERT INTO [Any] VALUES (7, 0.1), (1e300, 'quote''d'), (x'0001', NULL), "
               "(-0.0, '')"_s
            << 4;
        QTest::newRow("update of every kind")
            << u"UPDATE [Any] SET a = CASE rowid WHEN 1 THEN 0.1 WHEN 2 THEN 'x' ELSE x'00' END, "
               "b = 1e-300"_s
            << 3;
        QTest::newRow("delete") << u"DELETE FROM [Any] WHERE a IS NOT 1"_s << 2;
        QTest::newRow("rowid changed by an update")
            << u"UPDATE [Any] SET rowid = rowid + 10 WHERE rowid < 3"_s << 2;
        QTest::newRow("counter changed by an update")
            << u"UPDATE [Keyed] SET [ID] = 9, [Value] = 2 WHERE [Name] = 'HeNe'"_s << 1;
        QTest::newRow("replace of a conflicting name")
            << u"INSERT OR REPLACE INTO [Keyed] ([Name], [Value]) VALUES ('Argon', 3)"_s << 2;
        QTest::newRow("replace of a conflicting rowid")
            << u"REPLACE INTO [Any] (rowid, a) VALUES (2, 'new')"_s << 2;
        QTest::newRow("the attached file") << u"UPDATE [conf].[Potential] SET x = 'Coherent'; "
                                              "INSERT INTO [conf].[Potential] VALUES (5)"_s
                                           << 2;
        QTest::newRow("what is there written again") << u"UPDATE [Any] SET a = a, b = b"_s << 0;
        QTest::newRow("a number written as the same number")
            << u"UPDATE [Keyed] SET [Value] = 1e300 WHERE [Name] = 'HeNe'"_s << 0;
    }
    void undoAndRedoAreExact() {
        QFETCH(QString, sql);
        QFETCH(int, records);
        Files files;
        const QString before = files.content();
        files.work->begin();
        (sql.contains(u"[conf]"_s) ? files.conf : files.work)->execute(sql);
        files.work->commit();
        QCOMPARE(files.content() == before, records == 0);
        replaysExactly(files, before, records);
    }

    // Whatever the engine backed out leaves no record; what stayed written does. Replaying the
    // record takes the files back to where they were.
    void rollbacksDropTheirRecords_data() {
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<int>("records");
        const auto add = [](Files& files, const QString& name) {
            files.work->execute(u"INSERT INTO [Keyed] ([Name]) VALUES (?)"_s, {name});
        };
        QTest::newRow("a transaction rolled back") << Writes([&add](Files& files) {
            files.work->begin();
            add(files, u"Krypton"_s);
            files.conf->execute(u"DELETE FROM [conf].[Potential]"_s);
            files.work->rollback();
        }) << 0;
        QTest::newRow("a savepoint rolled back, the transaction committed")
            << Writes([&add](Files& files) {
                   files.work->begin();
                   add(files, u"Krypton"_s);
                   {
                       db::Savepoint savepoint(*files.work);
                       add(files, u"Xenon"_s);
                       files.work->execute(u"DELETE FROM [Any]"_s);
                       QVERIFY(savepoint.rollback());
                   }
                   {
                       db::Savepoint kept(*files.work);
                       add(files, u"Neon"_s);
                       kept.release();
                   }
                   files.work->commit();
               })
            << 2;
        // The values of rows recorded before and after the part rolled back stay each with
        // its own row.
        QTest::newRow("a savepoint rolled back between rows with values")
            << Writes([](Files& files) {
                   files.work->begin();
                   files.work->execute(u"UPDATE [Keyed] SET [Value] = 7"_s);
                   {
                       db::Savepoint savepoint(*files.work);
                       files.work->execute(u"DELETE FROM [Any]"_s);
                       QVERIFY(savepoint.rollback());
                   }
                   files.work->execute(u"DELETE FROM [Any] WHERE a IS NULL"_s);
                   files.conf->execute(u"DELETE FROM [conf].[Potential]"_s);
                   files.work->commit();
               })
            << 4;
        QTest::newRow("a statement failed midway") << Writes([&add](Files& files) {
            files.work->begin();
            add(files, u"Krypton"_s);
            // The third row repeats a name: the first two go with the statement.
            QVERIFY_THROWS_EXCEPTION(db::DbError,
                                     files.work->execute(u"INSERT INTO [Keyed] ([Name]) VALUES "
                                                         "('Xenon'), ('Neon'), ('Argon')"_s,
                                                         {}));
            add(files, u"Radon"_s);
            files.work->commit();
        }) << 2;
        QTest::newRow("a text of statements failed at its second") << Writes([](Files& files) {
            files.work->begin();
            QVERIFY_THROWS_EXCEPTION(
                db::DbError,
                files.work->execute(u"DELETE FROM [Any] WHERE a = 1; "
                                    "UPDATE [Keyed] SET [Name] = 'Argon', [Value] = 5"_s));
            files.work->commit();
        }) << 1;
        QTest::newRow("the engine's rollback after an input/output error")
            << Writes([&add](Files& files) {
                   files.work->begin();
                   add(files, u"Krypton"_s);
                   // The template's journal is opened by its first write, and cannot be written.
                   const EngineFaults faults(EngineFaults::Call::Write, EIO, "Conf.mdb");
                   QVERIFY_THROWS_EXCEPTION(
                       db::DbError, files.conf->execute(u"DELETE FROM [conf].[Potential]"_s));
                   QVERIFY(!files.work->inTransaction());
               })
            << 0;
        // A row written again keeps the entry of its first write, whatever was rolled back in
        // between; a rowid that went to another row is that row's.
        const auto setValue = [](Files& files, const QString& name, double value) {
            files.work->execute(u"UPDATE [Keyed] SET [Value] = ? WHERE [Name] = ?"_s,
                                {value, name});
        };
        QTest::newRow("a row written field by field") << Writes([&setValue](Files& files) {
            setValue(files, u"Argon"_s, 7);
            files.work->execute(u"UPDATE [Keyed] SET [Name] = 'Ar' WHERE [Name] = 'Argon'"_s);
            setValue(files, u"Ar"_s, 8);
        }) << 1;
        QTest::newRow("a row written again in a savepoint rolled back")
            << Writes([&setValue](Files& files) {
                   files.work->begin();
                   setValue(files, u"Argon"_s, 7);
                   {
                       db::Savepoint savepoint(*files.work);
                       setValue(files, u"Argon"_s, 8);
                       QVERIFY(savepoint.rollback());
                   }
                   setValue(files, u"Argon"_s, 9);
                   files.work->commit();
               })
            << 1;
        QTest::newRow("a row's first write rolled back, then written again")
            << Writes([&setValue](Files& files) {
                   files.work->begin();
                   {
                       db::Savepoint savepoint(*files.work);
                       setValue(files, u"Argon"_s, 7);
                       QVERIFY(savepoint.rollback());
                   }
                   setValue(files, u"Argon"_s, 9);
                   setValue(files, u"Argon"_s, 10);
                   files.work->commit();
               })
            << 1;
        QTest::newRow("a row inserted, then written") << Writes([&add, &setValue](Files& files) {
            add(files, u"Krypton"_s);
            setValue(files, u"Krypton"_s, 3);
        }) << 1;
        QTest::newRow("a rowid deleted and taken again") << Writes([](Files& files) {
            files.work->execute(u"DELETE FROM [Keyed] WHERE [ID] = 1"_s);
            files.work->execute(u"INSERT INTO [Keyed] ([ID], [Name]) VALUES (1, 'Neon')"_s);
            files.work->execute(u"UPDATE [Keyed] SET [Value] = 3 WHERE [ID] = 1"_s);
        }) << 2;
        QTest::newRow("a row moved to another rowid, its own taken again")
            << Writes([](Files& files) {
                   files.work->execute(u"UPDATE [Any] SET rowid = 10 WHERE rowid = 1"_s);
                   files.work->execute(u"UPDATE [Any] SET b = 'ten' WHERE rowid = 10"_s);
                   files.work->execute(u"INSERT INTO [Any] (rowid, a) VALUES (1, 'new')"_s);
                   files.work->execute(u"UPDATE [Any] SET b = 'newer' WHERE rowid = 1"_s);
               })
            << 2;
        QTest::newRow("a statement failed outside of a transaction") << Writes([](Files& files) {
            QVERIFY_THROWS_EXCEPTION(db::DbError,
                                     files.work->execute(u"UPDATE [Keyed] SET [Name] = 'x'"_s));
        }) << 0;
    }
    void rollbacksDropTheirRecords() {
        QFETCH(Writes, writes);
        QFETCH(int, records);
        Files files;
        const QString before = files.content();
        writes(files);
        db::RowChanges::Run run = files.changes().take();
        QCOMPARE(run.size(), records);
        files.replay(run);
        QCOMPARE(files.content(), before);
    }

    // An update that leaves its rows as they were records nothing, unless its statement gave its
    // word that every row it updates changes: then the rows are not compared, and a word that
    // does not hold only costs entries that write the rows as they are. The word goes with the
    // one run of the statement.
    void updatesThatChangeNothing() {
        Files files;
        const QString before = files.content();
        const QString same = u"UPDATE [Any] SET a = a"_s;
        files.work->execute(same);
        QCOMPARE(files.changes().take().size(), 0);
        files.work->execute(same, {}, db::Database::Writes::ChangedRowsOnly);
        const db::RowChanges::Run run = files.changes().take();
        QCOMPARE(run.size(), 3);
        files.replay(run);
        QCOMPARE(files.content(), before);
        files.work->execute(same);
        QCOMPARE(files.changes().take().size(), 0);
    }

    // An update that names the one field it sets keeps that field of its row alone; a later
    // write of another field of the same row, or of the whole row, gets an entry of its own, a
    // later write of the same field does not. Taking the record back and replaying that again
    // is exact either way.
    void oneFieldUpdates_data() {
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<int>("records");
        const auto setField = [](Files& files, const QString& field, const QVariant& value) {
            db::ScopedStatement update(
                *files.work, u"UPDATE [Keyed] SET [%1] = ?1 WHERE _rowid_ = 1"_s.arg(field));
            update.changesEveryRow().updatesField(u"keyed"_s, field).bind(1, value);
            update.next();
        };
        QTest::newRow("field by field, one of them twice") << Writes([setField](Files& files) {
            setField(files, u"Name"_s, u"Ar"_s);
            setField(files, u"Value"_s, 7);
            setField(files, u"Name"_s, u"Argon 2"_s);
        }) << 2;
        QTest::newRow("a field, then the whole row") << Writes([setField](Files& files) {
            setField(files, u"Value"_s, 7);
            files.work->execute(u"UPDATE [Keyed] SET [Name] = 'x', [Value] = 8 WHERE [ID] = 1"_s);
        }) << 2;
        QTest::newRow("the whole row, then a field") << Writes([setField](Files& files) {
            files.work->execute(u"UPDATE [Keyed] SET [Name] = 'x', [Value] = 8 WHERE [ID] = 1"_s);
            setField(files, u"Value"_s, 7);
        }) << 1;
        QTest::newRow("a field of a row moved to another rowid")
            << Writes([setField](Files& files) {
                   files.work->execute(u"UPDATE [Keyed] SET [ID] = 5 WHERE [ID] = 2"_s);
                   files.work->execute(u"INSERT INTO [Keyed] ([ID], [Name]) VALUES (2, 'Neon')"_s);
                   setField(files, u"Value"_s, 7);
               })
            << 3;
        QTest::newRow("a word for another table") << Writes([](Files& files) {
            db::ScopedStatement update(*files.work, u"UPDATE [Keyed] SET [Value] = 3"_s);
            update.updatesField(u"Any"_s, u"a"_s);
            update.next();
        }) << 2;
        QTest::newRow("the field's value as it was") << Writes([setField](Files& files) {
            db::ScopedStatement update(*files.work,
                                       u"UPDATE [Keyed] SET [Value] = [Value] WHERE [ID] = 1"_s);
            update.updatesField(u"Keyed"_s, u"Value"_s);
            update.next();
            setField(files, u"Value"_s, 0.1);
        }) << 1;
    }
    void oneFieldUpdates() {
        QFETCH(Writes, writes);
        QFETCH(int, records);
        Files files;
        const QString before = files.content();
        files.work->begin();
        writes(files);
        files.work->commit();
        replaysExactly(files, before, records);
    }

    // The record's memory is used again once a record is gone, and a record larger than a
    // region of it goes back to the system with the record.
    void recordsUseTheirMemoryAgain() {
        Files files;
        const auto writeAndDrop = [&files] {
            files.work->execute(u"UPDATE [Any] SET b = b || 'x'"_s);
            files.replay(files.changes().take());
        };
        writeAndDrop();
        const std::size_t held = db::RecordMemory::held();
        for (int round = 0; round < 500; ++round)
            writeAndDrop();
        QCOMPARE(db::RecordMemory::held(), held);

        files.work->execute(u"UPDATE [Any] SET b = ?"_s, {QString(200'000, u'L')});
        files.changes().take();
        const QString before = files.content();
        files.work->execute(u"UPDATE [Any] SET b = 'short'"_s);
        db::RowChanges::Run run = files.changes().take();
        QVERIFY(db::RecordMemory::held() > held);
        files.replay(run);
        QCOMPARE(files.content(), before);
        run = {};
        QCOMPARE(db::RecordMemory::held(), held);
    }

    // Stopped, the connection records nothing; the connection's own statements and those
    // through the attached handle find no record either.
    void stoppedRecordsNothing() {
        Files files;
        files.work->stopRecordingRowChanges();
        QVERIFY(!files.work->rowChanges() && !files.conf->rowChanges());
        files.work->execute(u"DELETE FROM [Any]"_s);
        QCOMPARE(files.work->recordRowChanges().take().size(), 0);
        QCOMPARE(files.conf->rowChanges(), files.work->rowChanges());
    }
};

QTEST_GUILESS_MAIN(TestRowChanges)
#include "tst_rowchanges.moc"
