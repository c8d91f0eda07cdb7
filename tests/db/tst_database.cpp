#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>

using namespace db;

class TestDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    QString file(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void init() {
        QFile::remove(file(QStringLiteral("t.mdb")));
        m_db = Database::create(file(QStringLiteral("t.mdb")));
        m_db->createTable(QStringLiteral("Available Lasers"),
                          {{QStringLiteral("ID Available"), FieldType::Text},
                           {QStringLiteral("Status"), FieldType::Text},
                           {QStringLiteral("Power"), FieldType::Double},
                           {QStringLiteral("Lines"), FieldType::Long},
                           {QStringLiteral("Tunable"), FieldType::Boolean}});
        m_db->createTable(QStringLiteral("Potential Lasers"),
                          {{QStringLiteral("ID Potential"), FieldType::Text},
                           {QStringLiteral("Maker"), FieldType::Text}});
        m_db->execute(QStringLiteral(
            "INSERT INTO [Available Lasers] VALUES ('Argon', ' ', 25, 3, False);"
            "INSERT INTO [Available Lasers] VALUES ('HeNe543', 'Do not use', 1.5, 1, 0);"
            "INSERT INTO [Available Lasers] VALUES ('Chameleon', ' ', NULL, NULL, True);"
            "INSERT INTO [Potential Lasers] VALUES ('Argon', 'Lasos');"));
    }
    void cleanup() { m_db.reset(); }

    void openRejectsMissingAndForeignFiles() {
        try {
            Database::open(file(QStringLiteral("missing.mdb")));
            QFAIL("opened a missing file");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains(QStringLiteral("missing.mdb")));
        }
        QFile text(file(QStringLiteral("notes.mdb")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
        text.close();
        try {
            Database::open(text.fileName());
            QFAIL("opened a file that is not a database");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains(QStringLiteral("notes.mdb")));
            QVERIFY(e.message().contains(QStringLiteral("not a database")));
        }
        QCOMPARE(text.size(), 4096); // nothing written into it
    }

    void errorsNameTableFieldAndFile() {
        try {
            m_db->OpenRecordset(QStringLiteral("SELECT * FROM [Available Nothing]"));
            QFAIL("no error");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains(QStringLiteral("Available Nothing")));
            QVERIFY(e.message().contains(QStringLiteral("t.mdb")));
        }
        Recordset rs = m_db->OpenRecordset(QStringLiteral("Available Lasers"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.value(QStringLiteral("Wavelength")));
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->execute(QStringLiteral("SELEC oops")));
    }

    void navigationAndTypedValues() {
        Recordset rs = m_db->OpenRecordset(QStringLiteral("Available Lasers"));
        QVERIFY(!rs.eof());
        QCOMPARE(rs.recordCount(), 3);
        QCOMPARE(rs.fieldCount(), 5);
        QCOMPARE(rs.field(0).name, QStringLiteral("ID Available"));
        QCOMPARE(rs.field(QStringLiteral("Tunable")).type, FieldType::Boolean);
        QCOMPARE(rs.value(QStringLiteral("Tunable")), QVariant(false));
        QCOMPARE(rs.value(QStringLiteral("power")).toDouble(), 25.0); // names without case
        rs.moveLast();
        QCOMPARE(rs.value(0).toString(), QStringLiteral("Chameleon"));
        QVERIFY(rs.value(QStringLiteral("Power")).isNull());
        QCOMPARE(rs.value(QStringLiteral("Tunable")), QVariant(true));
        rs.movePrevious();
        QCOMPARE(rs.value(0).toString(), QStringLiteral("HeNe543"));
        rs.moveNext();
        rs.moveNext();
        QVERIFY(rs.eof());
        rs.moveFirst();
        QCOMPARE(rs.value(0).toString(), QStringLiteral("Argon"));
        rs.movePrevious();
        QVERIFY(rs.eof() && rs.bof());

        Recordset none = m_db->OpenRecordset(
            QStringLiteral("SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Krypton'"));
        QVERIFY(none.eof());
        QCOMPARE(none.recordCount(), 0);
    }

    void editAddDeleteReachTheFile() {
        {
            Recordset rs = m_db->OpenRecordset(
                QStringLiteral("SELECT * FROM [Available Lasers] WHERE [Status] = 'Do not use'"));
            QVERIFY(rs.isUpdatable());
            rs.edit();
            rs.setValue(QStringLiteral("Status"), QStringLiteral(" "));
            rs.setValue(QStringLiteral("Tunable"), true);
            rs.update();
            QCOMPARE(rs.value(QStringLiteral("Status")).toString(), QStringLiteral(" "));
            rs.addNew();
            rs.setValue(QStringLiteral("ID Available"), QStringLiteral("Krypton"));
            rs.setValue(QStringLiteral("Lines"), QStringLiteral("2")); // converted to a number
            rs.update();
            rs.moveFirst();
            QCOMPARE(rs.value(0).toString(), QStringLiteral("HeNe543")); // stays where it was
        }
        Recordset check = m_db->OpenRecordset(QStringLiteral("Available Lasers"));
        QCOMPARE(check.recordCount(), 4);
        check.moveNext();
        QCOMPARE(check.value(QStringLiteral("Status")).toString(), QStringLiteral(" "));
        QCOMPARE(check.value(QStringLiteral("Tunable")), QVariant(true));
        check.moveLast();
        QCOMPARE(check.value(QStringLiteral("ID Available")).toString(), QStringLiteral("Krypton"));
        QCOMPARE(check.value(QStringLiteral("Lines")), QVariant(qlonglong(2)));
        QCOMPARE(check.value(QStringLiteral("Tunable")), QVariant(false)); // the column default

        // Deleting while walking: the walk goes on with the next row.
        int seen = 0;
        for (check.moveFirst(); !check.eof(); check.moveNext()) {
            ++seen;
            if (check.value(0).toString() != QStringLiteral("Argon"))
                check.deleteRow();
        }
        QCOMPARE(seen, 4);
        QCOMPARE(m_db->OpenRecordset(QStringLiteral("Available Lasers")).recordCount(), 1);
    }

    void joinsAndStoredQueriesAreReadOnly() {
        m_db->createQueryDef(
            QStringLiteral("CP Lasers"),
            QStringLiteral("SELECT DISTINCTROW [Available Lasers].[ID Available], "
                           "[Potential Lasers].Maker FROM [Available Lasers] INNER JOIN "
                           "[Potential Lasers] ON [Available Lasers].[ID Available] = "
                           "[Potential Lasers].[ID Potential] WHERE [Tunable] = False;"));
        Recordset view = m_db->OpenRecordset(QStringLiteral("CP Lasers"));
        QVERIFY(!view.isUpdatable());
        QCOMPARE(view.recordCount(), 1);
        QCOMPARE(view.value(QStringLiteral("Maker")).toString(), QStringLiteral("Lasos"));
        QVERIFY_THROWS_EXCEPTION(DbError, view.edit());

        Recordset join = m_db->OpenRecordset(QStringLiteral(
            "SELECT * FROM [Available Lasers] INNER JOIN [Potential Lasers] ON "
            "[Available Lasers].[ID Available] = [Potential Lasers].[ID Potential]"));
        QVERIFY(!join.isUpdatable());
        QVERIFY_THROWS_EXCEPTION(DbError, join.addNew());

        // A literal that looks like a keyword does not confuse the editable-query test.
        Recordset literal = m_db->OpenRecordset(QStringLiteral(
            "SELECT * FROM [Available Lasers] WHERE [ID Available] <> 'x INNER JOIN y'"));
        QVERIFY(literal.isUpdatable());
        QCOMPARE(literal.recordCount(), 3);
    }

    void definitions() {
        QVERIFY(m_db->tableNames().contains(QStringLiteral("Available Lasers")));
        m_db->createTable(QStringLiteral("History"),
                          {{QStringLiteral("Counter"), FieldType::Counter},
                           {QStringLiteral("Date"), FieldType::Date}});
        m_db->appendField(QStringLiteral("Available Lasers"),
                          {QStringLiteral("Delay ms"), FieldType::Long});
        m_db->appendField(QStringLiteral("Available Lasers"),
                          {QStringLiteral("Mirror X"), FieldType::Boolean});
        const QList<Field> fields = m_db->tableFields(QStringLiteral("Available Lasers"));
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[5].type, FieldType::Long);
        QCOMPARE(fields[6].type, FieldType::Boolean);
        QCOMPARE(m_db->tableFields(QStringLiteral("History"))[0].type, FieldType::Counter);
        Recordset rs = m_db->OpenRecordset(QStringLiteral("Available Lasers"));
        QVERIFY(rs.value(QStringLiteral("Delay ms")).isNull());
        QCOMPARE(rs.value(QStringLiteral("Mirror X")), QVariant(false)); // appended Yes/No reads No

        Recordset history = m_db->OpenRecordset(QStringLiteral("History"));
        const QDateTime when(QDate(2026, 12, 6), QTime(14, 5, 9));
        history.addNew();
        history.setValue(QStringLiteral("Date"), when);
        history.update();
        history.addNew();
        history.update();
        history.moveFirst();
        QCOMPARE(history.value(QStringLiteral("Counter")), QVariant(qlonglong(1)));
        QCOMPARE(history.value(QStringLiteral("Date")).toDateTime(), when);
        history.moveNext();
        QCOMPARE(history.value(QStringLiteral("Counter")), QVariant(qlonglong(2)));

        // Stored queries: listed with their text, replaced, deleted; a broken one is refused.
        m_db->createQueryDef(
            QStringLiteral("CP Argon"),
            QStringLiteral("SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Argon'"));
        QCOMPARE(m_db->querySql(QStringLiteral("CP Argon")),
                 QStringLiteral("SELECT * FROM [Available Lasers] WHERE [ID Available] = 'Argon'"));
        QVERIFY_THROWS_EXCEPTION(
            DbError, m_db->createQueryDef(QStringLiteral("CP Argon"), QStringLiteral("SELECT 1")));
        m_db->deleteQueryDef(QStringLiteral("CP Argon"));
        QVERIFY(!m_db->queryExists(QStringLiteral("CP Argon")));
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->deleteQueryDef(QStringLiteral("CP Argon")));
        QVERIFY_THROWS_EXCEPTION(
            DbError, m_db->createQueryDef(QStringLiteral("CP Broken"),
                                          QStringLiteral("SELECT * FROM [No Such Table]")));
        QVERIFY(!m_db->queryExists(QStringLiteral("CP Broken")));
    }

    void relationsByName() {
        QVERIFY(m_db->relationNames().isEmpty());
        m_db->execute(QStringLiteral(
            "CREATE TABLE MSysRelationships (szRelationship TEXT COLLATE NOCASE, szObject TEXT, "
            "szReferencedObject TEXT, szColumn TEXT, szReferencedColumn TEXT);"
            "INSERT INTO MSysRelationships VALUES ('Available InterfacesAvailable Shutters', "
            "'Available Shutters', 'Available Interfaces', 'Control', 'ID Available');"
            "INSERT INTO MSysRelationships VALUES ('Potential LasersAvailable Lasers', "
            "'Available Lasers', 'Potential Lasers', 'ID Potential', 'ID Potential');"));
        QCOMPARE(m_db->relationNames().size(), 2);
        m_db->deleteRelation(QStringLiteral("Available InterfacesAvailable Shutters"));
        QCOMPARE(m_db->relationNames(),
                 QStringList{QStringLiteral("Potential LasersAvailable Lasers")});
        QVERIFY_THROWS_EXCEPTION(DbError, m_db->deleteRelation(QStringLiteral("Nothing")));
    }

    void transactionsRollBackUnlessCommitted() {
        {
            Transaction t(*m_db);
            m_db->execute(QStringLiteral("DELETE FROM [Available Lasers]"));
            {
                Transaction inner(*m_db); // joins the outer one
                inner.commit();
            }
            QVERIFY(m_db->inTransaction());
        }
        QCOMPARE(m_db->OpenRecordset(QStringLiteral("Available Lasers")).recordCount(), 3);
        {
            Transaction t(*m_db);
            m_db->execute(QStringLiteral("DELETE FROM [Available Lasers] WHERE [Lines] = 1"));
            t.commit();
        }
        QCOMPARE(m_db->OpenRecordset(QStringLiteral("Available Lasers")).recordCount(), 2);
    }

    void compactGivesAnEqualSmallerFile() {
        m_db->execute(QStringLiteral(
            "CREATE TABLE Filler (x TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO Filler SELECT printf('%0500d', i) FROM n;"
            "DELETE FROM Filler WHERE rowid > 10;"));
        m_db->close();
        const QString source = file(QStringLiteral("t.mdb"));
        const QString target = file(QStringLiteral("compact.mdb"));
        QFile::remove(target);
        Database::CompactDatabase(source, target);
        QVERIFY(QFileInfo(target).size() <= QFileInfo(source).size());
        QVERIFY(QFileInfo(target).size() < 200 * 1024);
        QVERIFY(!QFileInfo::exists(target + QStringLiteral("-wal")));
        auto compacted = Database::open(target);
        QCOMPARE(compacted->OpenRecordset(QStringLiteral("Available Lasers")).recordCount(), 3);
        QCOMPARE(compacted->OpenRecordset(QStringLiteral("Filler")).recordCount(), 10);
        // An existing destination is never overwritten.
        QVERIFY_THROWS_EXCEPTION(DbError, Database::CompactDatabase(source, target));
        m_db = Database::open(source);
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
