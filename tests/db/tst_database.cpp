#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DatabaseFingerprint.h>
#include <db/DbError.h>
#include <db/Savepoint.h>
#include <db/WriteFaults.h>
#include <platform/FileSafety.h>

using namespace Qt::StringLiterals;

using namespace db;

class TestDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    // The message of the database error the call raises, empty when it raises none.
    template <class F> static QString failure(F call) {
        try {
            call();
        } catch (const DbError& e) {
            return e.message();
        }
        return {};
    }

private Q_SLOTS:
    void init() {
        QFile::remove(file(u"t.mdb"_s));
        m_db = Database::create(file(u"t.mdb"_s));
        m_db->createTable(u"Available Lasers"_s, {{u"ID Available"_s, FieldType::Text},
                                                  {u"Status"_s, FieldType::Text},
                                                  {u"Power"_s, FieldType::Double},
                                                  {u"Lines"_s, FieldType::Long},
                                                  {u"Tunable"_s, FieldType::Boolean}});
        m_db->createTable(u"Potential Lasers"_s,
                          {{u"ID Potential"_s, FieldType::Text}, {u"Maker"_s, FieldType::Text}});
        m_db->execute(u"INSERT INTO [Available Lasers] VALUES ('Argon', ' ', 25, 3, False), "
                      "('HeNe543', 'Do not use', 1.5, 1, 0), ('Chameleon', ' ', NULL, NULL, True);"
                      "INSERT INTO [Potential Lasers] VALUES ('Argon', 'Lasos');"_s);
    }
    void cleanup() { m_db.reset(); }

    void errorsNameTheFileTableAndField() {
        QVERIFY(
            failure([&] { Database::open(file(u"missing.mdb"_s)); }).contains(u"missing.mdb"_s));
        QFile text(file(u"notes.mdb"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
        text.close();
        const QString foreign = failure([&] { Database::open(text.fileName()); });
        QVERIFY(foreign.contains(u"notes.mdb"_s) && foreign.contains(u"not a database"_s));
        QCOMPARE(text.size(), 4096); // nothing written into it

        const QString missing =
            failure([&] { m_db->OpenRecordset(u"SELECT * FROM [Available Nothing]"_s); });
        QVERIFY(missing.contains(u"Available Nothing"_s) && missing.contains(u"t.mdb"_s));
        Recordset rs = m_db->OpenRecordset(u"Available Lasers"_s);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.value(u"Wavelength"_s));
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->execute(u"SELEC oops"_s));
    }

    void navigationAndTypedValues() {
        Recordset rs = m_db->OpenRecordset(u"Available Lasers"_s);
        QVERIFY(!rs.eof());
        QCOMPARE(rs.recordCount(), 3);
        QCOMPARE(rs.fieldCount(), 5);
        QCOMPARE(rs.field(0).name, u"ID Available"_s);
        QCOMPARE(rs.field(u"Tunable"_s).type, FieldType::Boolean);
        QCOMPARE(rs.value(u"Tunable"_s), QVariant(false));
        QCOMPARE(rs.value(u"power"_s).toDouble(), 25.0); // names without case
        rs.moveLast();
        QCOMPARE(rs.value(0).toString(), u"Chameleon"_s);
        QVERIFY(rs.value(u"Power"_s).isNull());
        QCOMPARE(rs.value(u"Tunable"_s), QVariant(true));
        rs.movePrevious();
        QCOMPARE(rs.value(0).toString(), u"HeNe543"_s);
        rs.moveNext();
        rs.moveNext();
        QVERIFY(rs.eof());
        rs.moveFirst();
        QCOMPARE(rs.value(0).toString(), u"Argon"_s);
        rs.movePrevious();
        QVERIFY(rs.eof() && rs.bof());

        Recordset none = m_db->OpenRecordset(
            u"SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Krypton'"_s);
        QVERIFY(none.eof());
        QCOMPARE(none.recordCount(), 0);
    }

    void editAddDeleteReachTheFile() {
        {
            Recordset rs = m_db->OpenRecordset(
                u"SELECT * FROM [Available Lasers] WHERE [Status] = 'Do not use'"_s);
            QVERIFY(rs.isUpdatable());
            rs.edit();
            rs.setValue(u"Status"_s, u" "_s);
            rs.setValue(u"Tunable"_s, true);
            rs.update();
            QCOMPARE(rs.value(u"Status"_s).toString(), u" "_s);
            rs.addNew();
            rs.setValue(u"ID Available"_s, u"Krypton"_s);
            rs.setValue(u"Lines"_s, u"2"_s); // converted to a number
            rs.update();
            rs.moveFirst();
            QCOMPARE(rs.value(0).toString(), u"HeNe543"_s); // stays where it was
        }
        Recordset check = m_db->OpenRecordset(u"Available Lasers"_s);
        QCOMPARE(check.recordCount(), 4);
        check.moveNext();
        QCOMPARE(check.value(u"Status"_s).toString(), u" "_s);
        QCOMPARE(check.value(u"Tunable"_s), QVariant(true));
        check.moveLast();
        QCOMPARE(check.value(u"ID Available"_s).toString(), u"Krypton"_s);
        QCOMPARE(check.value(u"Lines"_s), QVariant(qlonglong(2)));
        QCOMPARE(check.value(u"Tunable"_s), QVariant(false)); // the column default

        // Deleting while walking: the walk goes on with the next row.
        int seen = 0;
        for (check.moveFirst(); !check.eof(); check.moveNext()) {
            ++seen;
            if (check.value(0).toString() != u"Argon"_s)
                check.deleteRow();
        }
        QCOMPARE(seen, 4);
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).recordCount(), 1);
    }

    // An update that leaves every value as the file holds it writes nothing (the file's change
    // counter stays); one that changes a value, be it only the case of a text in a field that
    // compares without case, is written.
    void anUpdateThatChangesNothingWritesNothing() {
        const auto changeCounter = [&] {
            QFile f(file(u"t.mdb"_s));
            return f.open(QIODevice::ReadOnly) && f.seek(24) ? f.read(4) : QByteArray();
        };
        const auto edit = [&](const QString& field, const QVariant& value) {
            Recordset rs = m_db->OpenRecordset(u"Available Lasers"_s);
            rs.edit();
            rs.setValue(field, value);
            rs.update();
        };
        // The engine leaves a row alone that is written as it was, but not an index over it.
        m_db->execute(u"CREATE INDEX [idx Lasers Status] ON [Available Lasers] ([Status]);"
                      "CREATE INDEX [idx Lasers Lines] ON [Available Lasers] ([Lines])"_s);
        const QByteArray start = changeCounter();
        QCOMPARE(start.size(), 4);
        edit(u"Status"_s, u" "_s);
        edit(u"Power"_s, 25);     // a whole number in a real field, as it holds it
        edit(u"Lines"_s, u"3"_s); // a text the field stores as the number it holds
        edit(u"Tunable"_s, false);
        QCOMPARE(changeCounter(), start);
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).value(u"Lines"_s), QVariant(3LL));

        edit(u"ID Available"_s, u"ARGON"_s);
        const QByteArray afterCase = changeCounter();
        QVERIFY(afterCase != start);
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).value(0).toString(), u"ARGON"_s);
    }

    void joinsAndStoredQueriesAreReadOnly() {
        m_db->createQueryDef(u"CP Lasers"_s,
                             u"SELECT DISTINCTROW [Available Lasers].[ID Available], "
                             "[Potential Lasers].Maker FROM [Available Lasers] INNER JOIN "
                             "[Potential Lasers] ON [Available Lasers].[ID Available] = "
                             "[Potential Lasers].[ID Potential] WHERE [Tunable] = False;"_s);
        Recordset view = m_db->OpenRecordset(u"CP Lasers"_s);
        QVERIFY(!view.isUpdatable());
        QCOMPARE(view.recordCount(), 1);
        QCOMPARE(view.value(u"Maker"_s).toString(), u"Lasos"_s);
        QVERIFY_THROWS_EXCEPTION(DbError, view.edit());

        Recordset join = m_db->OpenRecordset(
            u"SELECT * FROM [Available Lasers] INNER JOIN [Potential Lasers] ON "
            "[Available Lasers].[ID Available] = [Potential Lasers].[ID Potential]"_s);
        QVERIFY(!join.isUpdatable());
        QVERIFY_THROWS_EXCEPTION(DbError, join.addNew());

        // A literal that looks like a keyword does not confuse the editable-query test.
        Recordset literal = m_db->OpenRecordset(
            u"SELECT * FROM [Available Lasers] WHERE [ID Available] <> 'x INNER JOIN y'"_s);
        QVERIFY(literal.isUpdatable());
        QCOMPARE(literal.recordCount(), 3);
    }

    void definitions() {
        QVERIFY(m_db->tableNames().contains(u"Available Lasers"_s));
        m_db->createTable(u"History"_s,
                          {{u"Counter"_s, FieldType::Counter}, {u"Date"_s, FieldType::Date}});
        m_db->appendField(u"Available Lasers"_s, {u"Delay ms"_s, FieldType::Long});
        m_db->appendField(u"Available Lasers"_s, {u"Mirror X"_s, FieldType::Boolean});
        const QList<Field> fields = m_db->tableFields(u"Available Lasers"_s);
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[5].type, FieldType::Long);
        QCOMPARE(fields[6].type, FieldType::Boolean);
        QCOMPARE(m_db->tableFields(u"History"_s)[0].type, FieldType::Counter);
        Recordset rs = m_db->OpenRecordset(u"Available Lasers"_s);
        QVERIFY(rs.value(u"Delay ms"_s).isNull());
        QCOMPARE(rs.value(u"Mirror X"_s), QVariant(false)); // appended Yes/No reads No

        Recordset history = m_db->OpenRecordset(u"History"_s);
        const QDateTime when(QDate(2026, 12, 6), QTime(14, 5, 9));
        history.addNew();
        history.setValue(u"Date"_s, when);
        history.update();
        history.addNew();
        history.update();
        history.moveFirst();
        QCOMPARE(history.value(u"Counter"_s), QVariant(qlonglong(1)));
        QCOMPARE(history.value(u"Date"_s).toDateTime(), when);
        history.moveNext();
        QCOMPARE(history.value(u"Counter"_s), QVariant(qlonglong(2)));

        // Stored queries: listed with their text, replaced, deleted; a broken one is refused.
        m_db->createQueryDef(u"CP Argon"_s,
                             u"SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Argon'"_s);
        QCOMPARE(m_db->querySql(u"CP Argon"_s),
                 u"SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Argon'"_s);
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->createQueryDef(u"CP Argon"_s, u"SELECT 1"_s));
        m_db->deleteQueryDef(u"CP Argon"_s);
        QVERIFY(!m_db->queryExists(u"CP Argon"_s));
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->deleteQueryDef(u"CP Argon"_s));
        QVERIFY_THROWS_EXCEPTION(
            DbError, m_db->createQueryDef(u"CP Broken"_s, u"SELECT * FROM [No Such Table]"_s));
        QVERIFY(!m_db->queryExists(u"CP Broken"_s));
    }

    // Definitions are kept between calls; a change of the schema, by this connection or by
    // another one on the same file, shows at the next call, and results opened again follow it.
    void definitionsFollowSchemaChanges() {
        const QString lasers = u"Available Lasers"_s;
        QCOMPARE(m_db->tableFields(lasers).size(), 5);
        QVERIFY(!m_db->hasTable(u"Favourite Filters"_s));
        QVERIFY(!m_db->queryExists(u"CP Lasers"_s));
        QCOMPARE(m_db->OpenRecordset(lasers).fieldNames().size(), 5);

        Database::open(file(u"t.mdb"_s))
            ->execute(u"ALTER TABLE [Available Lasers] ADD COLUMN [Delay ms] INTEGER;"
                      "CREATE TABLE [Favourite Filters] ([ID Potential] TEXT COLLATE NOCASE);"
                      "CREATE VIEW [CP Lasers] AS SELECT * FROM [Available Lasers];"_s);
        QCOMPARE(m_db->tableFields(lasers).size(), 6);
        QCOMPARE(m_db->columnType(lasers, u"delay MS"_s), FieldType::Long);
        QVERIFY(m_db->hasTable(u"favourite filters"_s));
        QCOMPARE(m_db->querySql(u"cp lasers"_s), u"SELECT * FROM [Available Lasers]"_s);
        Recordset rs = m_db->OpenRecordset(lasers);
        QCOMPARE(rs.fieldNames().size(), 6);
        rs.edit();
        rs.setValue(u"Delay ms"_s, 5);
        rs.update();
        QCOMPARE(m_db->OpenRecordset(lasers).value(u"Delay ms"_s), QVariant(qlonglong(5)));
        QCOMPARE(m_db->OpenRecordset(u"CP Lasers"_s).fieldNames().size(), 6);

        m_db->execute(u"DROP VIEW [CP Lasers]; DROP TABLE [Favourite Filters];"_s);
        QVERIFY(!m_db->queryExists(u"CP Lasers"_s));
        QVERIFY(!m_db->hasTable(u"Favourite Filters"_s));
        QCOMPARE(m_db->columnType(u"Favourite Filters"_s, u"ID Potential"_s), FieldType::Other);
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->tableFields(u"Favourite Filters"_s));

        // The engine's own tables are no tables of the installation.
        m_db->createTable(u"History"_s, {{u"No"_s, FieldType::Counter}});
        QVERIFY(!m_db->tableNames().contains(u"sqlite_sequence"_s));
        QVERIFY(!m_db->hasTable(u"sqlite_sequence"_s));

        // Inside a transaction the definitions are asked for again only after a statement that
        // may change them: a field added, and a savepoint that takes a table back, show at once;
        // another connection's change shows in the next transaction.
        {
            Transaction transaction(*m_db);
            QCOMPARE(m_db->tableFields(lasers).size(), 6);
            m_db->appendField(lasers, {u"Note"_s, FieldType::Text});
            QCOMPARE(m_db->tableFields(lasers).size(), 7);
            {
                Savepoint savepoint(*m_db);
                m_db->createTable(u"Scratch"_s, {{u"A"_s, FieldType::Long}});
                QVERIFY(m_db->hasTable(u"Scratch"_s));
                QVERIFY(savepoint.rollback());
            }
            QVERIFY(!m_db->hasTable(u"Scratch"_s));
            transaction.commit();
        }
        Database::open(file(u"t.mdb"_s))->execute(u"CREATE TABLE [Later] ([A] TEXT)"_s);
        Transaction transaction(*m_db);
        QVERIFY(m_db->hasTable(u"Later"_s));
    }

    // A lookup can count on an index only where the index leads with the field and compares as
    // the field does.
    void indexesThatServeALookup() {
        m_db->execute(u"CREATE INDEX a ON [Available Lasers] ([ID Available]);"
                      "CREATE INDEX b ON [Available Lasers] ([Status] COLLATE BINARY);"
                      "CREATE INDEX c ON [Available Lasers] ([Power]) WHERE [Power] > 0;"
                      "CREATE INDEX d ON [Available Lasers] ([Lines], [Tunable]);"
                      "CREATE TABLE Numbered ([No] INTEGER PRIMARY KEY, [Name] TEXT);"_s);
        const QString lasers = u"Available Lasers"_s;
        QCOMPARE(m_db->columnCollation(lasers, u"id available"_s), u"NOCASE"_s);
        QCOMPARE(m_db->columnCollation(lasers, u"Power"_s), u"BINARY"_s);
        QVERIFY(m_db->columnCollation(lasers, u"Wavelength"_s).isEmpty());
        QVERIFY(m_db->hasIndexOn(lasers, u"id available"_s));
        QVERIFY(!m_db->hasIndexOn(lasers, u"Status"_s)); // compares with case
        QVERIFY(!m_db->hasIndexOn(lasers, u"Power"_s));  // leaves rows out
        QVERIFY(m_db->hasIndexOn(lasers, u"Lines"_s));
        QVERIFY(!m_db->hasIndexOn(lasers, u"Tunable"_s)); // not its leading field
        QVERIFY(m_db->hasIndexOn(u"Numbered"_s, u"No"_s));
        QVERIFY(!m_db->hasIndexOn(u"Numbered"_s, u"Name"_s));
        QVERIFY(!m_db->hasIndexOn(u"Potential Lasers"_s, u"ID Potential"_s));
        QVERIFY(!m_db->hasIndexOn(u"No Such Table"_s, u"ID Available"_s));
        m_db->execute(u"DROP INDEX a"_s);
        QVERIFY(!m_db->hasIndexOn(lasers, u"ID Available"_s));
    }

    // The fingerprint tells content apart, whatever a copy through the engine's backup writes
    // into the header, and whatever pieces the bytes come in.
    void fingerprints() {
        const auto of = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? DatabaseFingerprint::of(f) : QByteArray();
        };
        const QString source = file(u"t.mdb"_s);
        const QString copy = file(u"copy.mdb"_s);
        QFile::remove(copy);
        m_db->snapshotTo(copy);
        QVERIFY(readAll(source) != readAll(copy)); // the engine set its own header fields
        QCOMPARE(of(copy), of(source));
        m_db->execute(
            u"UPDATE [Available Lasers] SET [Lines] = 4 WHERE [ID Available] = 'Argon'"_s);
        QVERIFY(of(source) != of(copy));

        const QByteArray bytes = readAll(source);
        DatabaseFingerprint whole;
        whole.add(bytes.constData(), bytes.size());
        DatabaseFingerprint pieces;
        for (qsizetype at = 0, n = 1; at < bytes.size(); at += n, n = n % 97 + 1)
            pieces.add(bytes.constData() + at, std::min<qsizetype>(n, bytes.size() - at));
        QCOMPARE(pieces.result(), whole.result());
        QCOMPARE(whole.result(), of(source));

        // Outside the header fields it is XXH64, whose spread is known.
        DatabaseFingerprint empty;
        QCOMPARE(empty.result().toHex(), QByteArray("ef46db3751d8e999"));
        DatabaseFingerprint abc;
        abc.add("abc", 3);
        QCOMPARE(abc.result().toHex(), QByteArray("44bc2cf5ad770999"));
    }

    void relationsByName() {
        QVERIFY(m_db->relationNames().isEmpty());
        m_db->execute(
            u"CREATE TABLE MSysRelationships (szRelationship TEXT COLLATE NOCASE, szObject TEXT, "
            "szReferencedObject TEXT, szColumn TEXT, szReferencedColumn TEXT);"
            "INSERT INTO MSysRelationships VALUES ('Available InterfacesAvailable Shutters', "
            "'Available Shutters', 'Available Interfaces', 'Control', 'ID Available');"
            "INSERT INTO MSysRelationships VALUES ('Potential LasersAvailable Lasers', "
            "'Available Lasers', 'Potential Lasers', 'ID Potential', 'ID Potential');"_s);
        QCOMPARE(m_db->relationNames().size(), 2);
        m_db->deleteRelation(u"Available InterfacesAvailable Shutters"_s);
        QCOMPARE(m_db->relationNames(), QStringList{u"Potential LasersAvailable Lasers"_s});
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->deleteRelation(u"Nothing"_s));
    }

    void transactionsRollBackUnlessCommitted() {
        {
            Transaction t(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers]"_s);
            {
                Transaction inner(*m_db); // joins the outer one
                inner.commit();
            }
            QVERIFY(m_db->inTransaction());
        }
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).recordCount(), 3);
        {
            Transaction t(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 1"_s);
            t.commit();
        }
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).recordCount(), 2);
    }

    // A savepoint undoes only its own part of the unit of work, and never touches a transaction
    // that is no longer the one it was taken in.
    void savepointsUndoTheirPartUnlessReleased() {
        auto count = [this] { return m_db->OpenRecordset(u"Available Lasers"_s).recordCount(); };
        m_db->begin();
        m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 1"_s);
        {
            Savepoint outer(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 3"_s);
            {
                Savepoint inner(*m_db);
                m_db->execute(u"DELETE FROM [Available Lasers]"_s);
                QCOMPARE(count(), 0);
            } // not released
            QCOMPARE(count(), 1);
            QVERIFY(outer.release());
            QVERIFY(!outer.release());
        }
        QVERIFY(m_db->inTransaction());
        QCOMPARE(count(), 1);
        {
            Savepoint failed(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers]"_s);
            QVERIFY(failed.rollback());
            QVERIFY(!failed.isActive());
        }
        QCOMPARE(count(), 1);
        m_db->rollback();
        QCOMPARE(count(), 3);
    }

    void aSavepointWithNothingToReturnTo() {
        auto count = [this] { return m_db->OpenRecordset(u"Available Lasers"_s).recordCount(); };
        {
            // Outside a transaction the write lands at once: there is no unit to undo part of.
            Savepoint outside(*m_db);
            QVERIFY(!outside.isActive());
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 1"_s);
        }
        QCOMPARE(count(), 2);
        {
            // The engine gave the whole transaction up (an I/O error does that).
            m_db->begin();
            Savepoint savepoint(*m_db);
            m_db->rollback();
            QVERIFY(!savepoint.isActive());
            QVERIFY(!savepoint.rollback());
        }
        {
            // Committed on the way, and a new transaction begun: the savepoint must leave the new
            // transaction's writes alone.
            m_db->begin();
            Savepoint savepoint(*m_db);
            m_db->commit();
            m_db->begin();
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 3"_s);
            QVERIFY(!savepoint.release());
        }
        QVERIFY(m_db->inTransaction());
        m_db->commit();
        QCOMPARE(count(), 1);
        {
            // The connection closed and its handle gone, as when a store reopens the working
            // copy: the savepoint must not touch the handle.
            auto other = Database::open(file(u"t.mdb"_s));
            other->begin();
            Savepoint savepoint(*other);
            other->close();
            QVERIFY(!savepoint.isActive());
            other.reset();
            QVERIFY(!savepoint.rollback());
        }
    }

    // A second file attached to the connection: the template database beside the working copy.
    // Both hold a table of the same name, as most of the installation's tables do.
    std::unique_ptr<Database> attachTemplate() {
        const QString path = file(u"conf.mdb"_s);
        QFile::remove(path);
        auto templ = Database::create(path);
        templ->execute(u"CREATE TABLE [Available Lasers] ([ID Available] TEXT, [Status] TEXT);"
                       "INSERT INTO [Available Lasers] VALUES ('Template Argon', ' ');"
                       "CREATE TABLE [History] ([No] INTEGER, [Path] TEXT);"
                       "INSERT INTO [History] VALUES (1, 'Temp1.mdb');"
                       "CREATE VIEW [CP History] AS SELECT * FROM [History];"_s);
        templ.reset();
        return m_db->attach(path, u"conf"_s);
    }

    // In a read scope, a source read again in the same transaction costs no statement until the
    // connection changes a row (through either handle) or its schema, or begins or ends a
    // transaction or savepoint; what it hands out is what a fresh read gives.
    void aReadScopeReadsAgainOnlyAfterAChange() {
        auto templ = attachTemplate();
        int reads = 0;
        m_db->setStatementTrace([&reads](const QString& sql) {
            if (sql.startsWith(u"SELECT _rowid_"))
                ++reads;
        });
        const auto count = [](Database& handle) {
            return handle.OpenRecordset(u"Available Lasers"_s).recordCount();
        };
        const ReadScope scope(*m_db);
        m_db->begin();
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(count(*templ), 1);
        QCOMPARE(reads, 2);
        // An update that finds no row to change changes nothing.
        m_db->execute(u"UPDATE [Available Lasers] SET [Lines] = 3 WHERE [Lines] IS NOT 3 AND 0"_s);
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(reads, 2);
        templ->execute(u"DELETE FROM [conf].[Available Lasers]"_s);
        QCOMPARE(count(*templ), 0);
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(reads, 4);
        {
            Savepoint part(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 1"_s);
            QCOMPARE(count(*m_db), 2);
            QVERIFY(part.rollback());
        }
        QCOMPARE(count(*m_db), 3);
        m_db->commit();
        m_db->begin();
        const int before = reads;
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(reads, before + 1);
        m_db->commit();
        // Outside a transaction every read goes to the file.
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(count(*m_db), 3);
        QCOMPARE(reads, before + 3);
        m_db->setStatementTrace({});
    }

    void anAttachedFileIsReadAndWrittenThroughItsHandle() {
        auto templ = attachTemplate();
        QCOMPARE(templ->schemaName(), u"conf"_s);
        QCOMPARE(templ->qualified(u"History"_s), u"[conf].[History]"_s);
        QCOMPARE(m_db->qualified(u"History"_s), u"[History]"_s);

        // Each handle sees its own file's tables under the same names.
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).recordCount(), 3);
        Recordset lasers = templ->OpenRecordset(u"Available Lasers"_s);
        QCOMPARE(lasers.recordCount(), 1);
        QCOMPARE(lasers.value(0).toString(), u"Template Argon"_s);
        QCOMPARE(templ->OpenRecordset(u"SELECT * FROM [Available Lasers] WHERE [Status] = ' '"_s)
                     .value(0)
                     .toString(),
                 u"Template Argon"_s);
        QCOMPARE(templ->tableFields(u"Available Lasers"_s).size(), 2);
        QCOMPARE(templ->columnType(u"History"_s, u"No"_s), FieldType::Long);
        QCOMPARE(m_db->columnType(u"History"_s, u"No"_s), FieldType::Other);
        QVERIFY(templ->tableNames().contains(u"History"_s));
        QVERIFY(!m_db->tableNames().contains(u"History"_s));
        QVERIFY(templ->queryExists(u"CP History"_s));
        QCOMPARE(templ->OpenRecordset(u"CP History"_s).recordCount(), 1);

        // Edits through the handle reach its own file.
        lasers.edit();
        lasers.setValue(u"Status"_s, u"Do not use"_s);
        lasers.update();
        lasers.addNew();
        lasers.setValue(u"ID Available"_s, u"Template HeNe"_s);
        lasers.update();
        Recordset history = templ->OpenRecordset(u"History"_s);
        history.deleteRow();
        templ->createTable(u"Favourite Filters"_s, {{u"ID Potential"_s, FieldType::Text}});
        templ->appendField(u"History"_s, {u"Date"_s, FieldType::Date});
        templ.reset();
        QVERIFY(!m_db->tableNames().contains(u"Favourite Filters"_s));
        QCOMPARE(m_db->OpenRecordset(u"SELECT * FROM [Available Lasers] WHERE Status = ' '"_s)
                     .recordCount(),
                 2); // the working file's rows are untouched
        auto reopened = Database::open(file(u"conf.mdb"_s));
        QCOMPARE(reopened->OpenRecordset(u"SELECT * FROM [Available Lasers] WHERE Status = ' '"_s)
                     .recordCount(),
                 0);
        QCOMPARE(reopened->OpenRecordset(u"Available Lasers"_s).recordCount(), 2);
        QCOMPARE(reopened->OpenRecordset(u"History"_s).recordCount(), 0);
        QVERIFY(reopened->tableNames().contains(u"Favourite Filters"_s));
        QCOMPARE(reopened->tableFields(u"History"_s).size(), 3);
    }

    // Unqualified names resolve in every attached file: a statement of one handle that would
    // read or write the other file's table must fail rather than hit the wrong database.
    void aStatementNeverReachesTheOtherFile() {
        auto templ = attachTemplate();
        const QString fromWork = failure([&] { m_db->OpenRecordset(u"SELECT * FROM History"_s); });
        QVERIFY2(fromWork.contains(u"History"_s) && fromWork.contains(u"conf"_s),
                 qPrintable(fromWork));
        QVERIFY(!failure([&] { m_db->execute(u"DELETE FROM [History]"_s); }).isEmpty());
        QVERIFY(!failure([&] {
                     templ->execute(u"UPDATE [Available Lasers] SET Status = 'x'"_s);
                 }).isEmpty());
        QVERIFY(!failure([&] {
                     templ->execute(u"UPDATE [Available Lasers] SET Status = ? "
                                    "WHERE [ID Available] = ?"_s,
                                    {u"x"_s, u"Argon"_s});
                 }).isEmpty());
        QVERIFY(!failure([&] {
                     templ->OpenRecordset(u"SELECT * FROM [Available Lasers] INNER JOIN "
                                          "[History] ON 1 = 1"_s);
                 }).isEmpty());
        QCOMPARE(m_db->OpenRecordset(u"SELECT * FROM [Available Lasers] WHERE Status = 'x'"_s)
                     .recordCount(),
                 0);
        // Named with its database, the other file's table is within reach of its own handle.
        templ->execute(
            u"UPDATE %1 SET Status = 'x'"_s.arg(templ->qualified(u"Available Lasers"_s)));
        QCOMPARE(templ
                     ->OpenRecordset(u"SELECT * FROM %1 WHERE Status = 'x' LIMIT 5"_s.arg(
                         templ->qualified(u"Available Lasers"_s)))
                     .recordCount(),
                 1);
    }

    void oneTransactionCoversBothFiles() {
        auto templ = attachTemplate();
        {
            Transaction t(*m_db);
            m_db->execute(u"DELETE FROM [Available Lasers]"_s);
            templ->execute(u"DELETE FROM %1"_s.arg(templ->qualified(u"History"_s)));
            QVERIFY(templ->inTransaction());
        }
        QCOMPARE(m_db->OpenRecordset(u"Available Lasers"_s).recordCount(), 3);
        QCOMPARE(templ->OpenRecordset(u"History"_s).recordCount(), 1);
        {
            Transaction t(*templ); // the connection's transaction, whichever handle begins it
            m_db->execute(u"DELETE FROM [Available Lasers] WHERE [Lines] = 1"_s);
            templ->execute(
                u"INSERT INTO %1 VALUES (2, 'Temp2.mdb')"_s.arg(templ->qualified(u"History"_s)));
            t.commit();
        }
        templ.reset();
        m_db.reset();
        QCOMPARE(
            Database::open(file(u"t.mdb"_s))->OpenRecordset(u"Available Lasers"_s).recordCount(),
            2);
        QCOMPARE(Database::open(file(u"conf.mdb"_s))->OpenRecordset(u"History"_s).recordCount(), 2);
        m_db = Database::open(file(u"t.mdb"_s));
    }

    void attachingChecksTheFileAndClosingEndsTheHandle() {
        QVERIFY(failure([&] {
                    m_db->attach(file(u"missing.mdb"_s), u"conf"_s);
                }).contains(u"missing.mdb"_s));
        QVERIFY(!QFileInfo::exists(file(u"missing.mdb"_s)));
        QFile text(file(u"notes.mdb"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
        text.close();
        QVERIFY(!failure([&] { m_db->attach(text.fileName(), u"conf"_s); }).isEmpty());

        auto templ = attachTemplate(); // the failed attach left the name free
        templ.reset();
        templ = m_db->attach(file(u"conf.mdb"_s), u"conf"_s); // detached, so attachable again
        m_db->close();
        QVERIFY(!templ->isOpen());
        QVERIFY(!failure([&] { templ->OpenRecordset(u"History"_s); }).isEmpty());
        templ.reset();
        m_db = Database::open(file(u"t.mdb"_s));
    }

    // The switch of the write-fault proofs counts writes and commits of changes, not reads, and
    // falls silent with the first commit.
    void writeFaultsHitTheKthWriteOfAUnit() {
        faults::failAt(2);
        m_db->begin();
        m_db->OpenRecordset(u"Available Lasers"_s);
        m_db->execute(u"UPDATE [Available Lasers] SET Status = 'a'"_s);
        const QString second = failure(
            [&] { m_db->execute(u"UPDATE [Available Lasers] SET Status = ?"_s, {u"b"_s}); });
        QVERIFY2(second.contains(u"Injected"_s), qPrintable(second));
        QVERIFY(faults::fired());
        m_db->rollback();

        faults::failAt(3); // two statements of one text, then the commit
        m_db->begin();
        m_db->execute(
            u"UPDATE [Available Lasers] SET Status = 'a'; DELETE FROM [Potential Lasers]"_s);
        QCOMPARE(faults::writes(), 2);
        QVERIFY(!failure([&] { m_db->commit(); }).isEmpty());
        QVERIFY(m_db->inTransaction());
        m_db->rollback();
        QCOMPARE(m_db->OpenRecordset(u"Potential Lasers"_s).recordCount(), 1);

        faults::failAt(2);
        m_db->begin();
        m_db->commit(); // nothing written: no fault point, but the unit ends
        m_db->execute(u"DELETE FROM [Potential Lasers]"_s);
        m_db->execute(u"DELETE FROM [Available Lasers]"_s);
        QVERIFY(!faults::fired());
        faults::disarm();
    }

    void compactGivesAnEqualSmallerFile() {
        m_db->execute(
            u"CREATE TABLE Filler (x TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO Filler SELECT printf('%0500d', i) FROM n;"
            "DELETE FROM Filler WHERE rowid > 10;"_s);
        m_db->close();
        const QString source = file(u"t.mdb"_s);
        const QString target = file(u"compact.mdb"_s);
        QFile::remove(target);
        Database::CompactDatabase(source, target);
        QVERIFY(QFileInfo(target).size() <= QFileInfo(source).size());
        QVERIFY(QFileInfo(target).size() < 200 * 1024);
        QVERIFY(!QFileInfo::exists(target + u"-wal"_s));
        auto compacted = Database::open(target);
        QCOMPARE(compacted->OpenRecordset(u"Available Lasers"_s).recordCount(), 3);
        QCOMPARE(compacted->OpenRecordset(u"Filler"_s).recordCount(), 10);
        // An existing destination is never overwritten.
        QVERIFY_THROWS_EXCEPTION(DbError, Database::CompactDatabase(source, target));
        m_db = Database::open(source);
    }

    // A copy of a database that another program holds open, in WAL mode and inside an
    // unfinished write: the copy has the committed state, needs no WAL file, and the source
    // keeps its journal mode.
    void snapshotOfAWalDatabaseInUse() {
        m_db.reset();
        const QString source = file(u"wal.mdb"_s);
        const QString copy = file(u"copy.mdb"_s);
        QFile::remove(source);
        auto other = Database::create(source);
        other->execute(u"PRAGMA journal_mode=WAL; CREATE TABLE T (x TEXT);"
                       "INSERT INTO T VALUES ('committed')"_s);
        other->begin();
        other->execute(u"INSERT INTO T VALUES ('pending')"_s);
        Database::SnapshotDatabase(source, copy);
        other->rollback();
        QCOMPARE(headerVersions(source), QByteArray("\x02\x02"));
        QCOMPARE(headerVersions(copy), QByteArray("\x01\x01"));
        QVERIFY(!QFile::exists(copy + u"-wal"_s));
        auto copied = Database::openShared(copy);
        QCOMPARE(copied->quickCheck(), u"ok"_s);
        QCOMPARE(copied->OpenRecordset(u"T"_s).recordCount(), 1);
        // Two copies of the same state are the same bytes: the store compares them.
        const QString second = file(u"second.mdb"_s);
        Database::SnapshotDatabase(source, second);
        QCOMPARE(readAll(second), readAll(copy));
        QVERIFY(QDir(m_dir.path()).entryList({u"*orbis-tmp*"_s}, QDir::Files).isEmpty());
        m_db = Database::open(file(u"t.mdb"_s));
    }

    // The working copy and its fingerprint come from one read of the file. The copy is the
    // transaction's state, and its fingerprint is the one of the engine's backup of it (which
    // the store compares with); a WAL database, whose last commits lie in its WAL file, is
    // copied through the engine.
    void copyWithFingerprintIsTheTransactionsState_data() {
        QTest::addColumn<bool>("wal");
        QTest::newRow("rollback journal") << false;
        QTest::newRow("WAL") << true;
    }
    void copyWithFingerprintIsTheTransactionsState() {
        QFETCH(bool, wal);
        m_db.reset();
        const QString source = file(u"fp.mdb"_s);
        const QString copy = file(u"fp-copy.mdb"_s);
        const QString backup = file(u"fp-backup.mdb"_s);
        for (const QString& path : {source, copy, backup})
            QFile::remove(path);
        auto writer = Database::create(source);
        if (wal)
            writer->execute(u"PRAGMA journal_mode=WAL"_s);
        writer->execute(u"CREATE TABLE T (x TEXT); INSERT INTO T VALUES (randomblob(5000))"_s);
        auto reader = Database::openShared(source);
        QVERIFY(!failure([&] {
                     reader->copyWithFingerprint(copy, platform::FileSafety::Durability::Scratch,
                                                 nullptr);
                 }).isEmpty());
        reader->begin();
        QByteArray header;
        const QByteArray state =
            reader->copyWithFingerprint(copy, platform::FileSafety::Durability::Synced, &header);
        reader->snapshotTo(backup);
        // A WAL writer may commit meanwhile; the reader's copy stays the state it saw.
        if (wal)
            writer->execute(u"INSERT INTO T VALUES ('later')"_s);
        reader->rollback();
        QCOMPARE(header, readAll(source).left(100));
        QFile copied(copy);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(state, DatabaseFingerprint::of(copied));
        QFile backedUp(backup);
        QVERIFY(backedUp.open(QIODevice::ReadOnly));
        QCOMPARE(state, DatabaseFingerprint::of(backedUp));
        if (!wal)
            QCOMPARE(readAll(copy), readAll(source));
        auto opened = Database::openShared(copy);
        QCOMPARE(opened->quickCheck(), u"ok"_s);
        QCOMPARE(opened->OpenRecordset(u"T"_s).recordCount(), 1);
        QVERIFY(!QFile::exists(copy + u"-wal"_s));
        QVERIFY(QDir(m_dir.path()).entryList({u"*orbis-tmp*"_s}, QDir::Files).isEmpty());
        opened.reset();
        reader.reset();
        writer.reset();
        m_db = Database::open(file(u"t.mdb"_s));
    }

    void failedSnapshotOrCompactLeavesNothing() {
        namespace fs = platform::FileSafety;
        const QString target = file(u"target.mdb"_s);
        m_db->close();
        fs::failCall(0);
        Database::SnapshotDatabase(file(u"t.mdb"_s), target);
        const qint64 steps = fs::calls();
        const QByteArray good = readAll(target);
        for (qint64 k = 1; k <= steps; ++k) {
            QFile::remove(target);
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
            old.close();
            fs::failCall(k);
            bool replaced = false;
            try {
                Database::SnapshotDatabase(file(u"t.mdb"_s), target);
            } catch (const platform::FileError& error) {
                replaced = error.replaced();
            }
            fs::failCall(0);
            QCOMPARE(readAll(target), replaced ? good : QByteArray("old"));
            QVERIFY(QDir(m_dir.path()).entryList({u"*orbis-tmp*"_s}, QDir::Files).isEmpty());
        }
        QFile::remove(target);
        fs::failCall(1);
        QVERIFY_THROWS_EXCEPTION(platform::FileError,
                                 Database::CompactDatabase(file(u"t.mdb"_s), target));
        fs::failCall(2);
        QVERIFY_THROWS_EXCEPTION(platform::FileError,
                                 Database::CompactDatabase(file(u"t.mdb"_s), target));
        fs::failCall(0);
        QVERIFY(!QFile::exists(target));
        m_db = Database::open(file(u"t.mdb"_s));
    }

private:
    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Bytes 18 and 19 of the header: 1 for a rollback journal, 2 for WAL.
    static QByteArray headerVersions(const QString& path) { return readAll(path).mid(18, 2); }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
