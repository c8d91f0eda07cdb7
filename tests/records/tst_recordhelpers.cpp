#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;
using namespace db;
using namespace records;

class TestRecordHelpers : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    QVariant status(const QString& id) {
        return ReadField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"),
                         id, QStringLiteral("Status"));
    }

private Q_SLOTS:
    void init() {
        QFile::remove(m_dir.filePath(QStringLiteral("h.mdb")));
        m_db = Database::create(m_dir.filePath(QStringLiteral("h.mdb")));
        m_db->execute(QStringLiteral(R"(
            CREATE TABLE [Available Filters] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Slot] INTEGER);
            INSERT INTO [Available Filters] VALUES ('EF1', 'first', 1);
            INSERT INTO [Available Filters] VALUES ('EF1', 'second', 2);
            INSERT INTO [Available Filters] VALUES ('EF2', NULL, 3);
            INSERT INTO [Available Filters] VALUES ('EF3', 'Do not use', 4);
            INSERT INTO [Available Filters] VALUES ('Lab ''LP 560''', 'DO NOT USE', 5);
            CREATE TABLE [Potential Filters] ([ID Potential] TEXT COLLATE NOCASE,
                [Quentara Code No] TEXT COLLATE NOCASE, [Type] TEXT COLLATE NOCASE);
            INSERT INTO [Potential Filters] VALUES ('BP 505-530', '4743', 'BP');
            INSERT INTO [Potential Filters] VALUES ('Lab ''LP 560''', NULL, NULL);
            CREATE TABLE [Available FilterPlacement] ([ID Available] TEXT COLLATE NOCASE,
                [Position] INTEGER, [ID Potential] TEXT COLLATE NOCASE, [Not Include] BOOLEAN);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 1, 'BP 505-530', 0);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 2, 'Lab ''LP 560''', 1);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 3, NULL, NULL);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 4, 'None', 0);
        )"));
    }
    void cleanup() { m_db.reset(); }

    void readAndWriteActOnTheFirstRow() {
        QCOMPARE(status(QStringLiteral("EF1")).toString(), QStringLiteral("first"));
        QCOMPARE(status(QStringLiteral("ef1")).toString(),
                 QStringLiteral("first"));                   // text keys ignore case
        QVERIFY(status(QStringLiteral("EF2")).isNull());     // a Null value
        QVERIFY(status(QStringLiteral("nothing")).isNull()); // no row
        QCOMPARE(ReadFieldByNumber(*m_db, QStringLiteral("Available Filters"),
                                   QStringLiteral("Slot"), 2, QStringLiteral("Status"))
                     .toString(),
                 QStringLiteral("second"));

        WriteField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"),
                   QStringLiteral("EF1"), QStringLiteral("Status"), QStringLiteral(" "));
        Recordset rs = m_db->OpenRecordset(QStringLiteral("Available Filters"));
        QCOMPARE(rs.value(QStringLiteral("Status")).toString(), QStringLiteral(" "));
        rs.moveNext();
        QCOMPARE(rs.value(QStringLiteral("Status")).toString(), QStringLiteral("second"));

        // Null may be written.
        WriteField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"),
                   QStringLiteral("EF1"), QStringLiteral("Slot"), QVariant());
        QVERIFY(ReadField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("Status"),
                          QStringLiteral(" "), QStringLiteral("Slot"))
                    .isNull());
        // No row: nothing happens, nothing is reported.
        WriteField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"),
                   QStringLiteral("EF9"), QStringLiteral("Status"), QStringLiteral("x"));
        QCOMPARE(m_db->OpenRecordset(
                         QStringLiteral("SELECT * FROM [Available Filters] WHERE [Status] = 'x'"))
                     .recordCount(),
                 0);
    }

    void firstRowByKeyReadsOneRowInTableOrder_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QVariant>("status");
        QTest::addColumn<QVariant>("slot");
        QTest::newRow("first of two")
            << u"ef1"_s << true << QVariant(u"first"_s) << QVariant(qlonglong(1));
        QTest::newRow("Null field") << u"EF2"_s << true << QVariant() << QVariant(qlonglong(3));
        QTest::newRow("quote in key")
            << u"Lab 'LP 560'"_s << true << QVariant(u"DO NOT USE"_s) << QVariant(qlonglong(5));
        QTest::newRow("no row") << u"EF9"_s << false << QVariant() << QVariant();
        QTest::newRow("empty key") << QString() << false << QVariant() << QVariant();
    }
    void firstRowByKeyReadsOneRowInTableOrder() {
        QFETCH(QString, key);
        QFETCH(bool, exists);
        QFETCH(QVariant, status);
        QFETCH(QVariant, slot);
        const Row row =
            FirstRowByKey(*m_db, u"Available Filters"_s, kIdAvailable, key, {kStatus, u"Slot"_s});
        QCOMPARE(row.exists(), exists);
        QCOMPARE(row.value(u"status"_s), status);
        QCOMPARE(row.value(u"Slot"_s), slot);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, row.value(kIdAvailable));
    }

    // A device that several rows stand for is written in all of them; the first row alone gets
    // a status.
    void writeFieldAllAndSetStatus() {
        const QString table = u"Available Filters"_s;
        WriteFieldAll(*m_db, table, kIdAvailable, u"ef1"_s, u"Slot"_s, u"7"_s);
        SetStatus(*m_db, table, kIdAvailable, u"EF1"_s, kStatusOff);
        WriteFieldAll(*m_db, table, kIdAvailable, QString(), u"Slot"_s, 9); // names no row
        SetStatus(*m_db, table, kIdAvailable, QString(), kStatusOff);
        QStringList rows;
        for (Recordset rs = m_db->OpenRecordset(table); !rs.eof(); rs.moveNext())
            rows.append(rs.value(kIdAvailable).toString() + u'|' + rs.value(kStatus).toString() +
                        u'|' + rs.value(u"Slot"_s).toString());
        QCOMPARE(rows, (QStringList{u"EF1|Do not use|7"_s, u"EF1|second|7"_s, u"EF2||3"_s,
                                    u"EF3|Do not use|4"_s, u"Lab 'LP 560'|DO NOT USE|5"_s}));
        QVERIFY_THROWS_EXCEPTION(
            DbError, WriteFieldAll(*m_db, table, kIdAvailable, u"EF1"_s, u"Missing"_s, 1));
    }

    // A key read from a row whose field is Null arrives as the empty text; it must not hit the
    // first row (or a row whose key is the empty text) by accident.
    void anEmptyKeyNamesNoRow_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QStringLiteral("");
        QTest::newRow("null") << QString();
    }
    void anEmptyKeyNamesNoRow() {
        QFETCH(QString, key);
        m_db->execute(QStringLiteral("INSERT INTO [Available Filters] VALUES ('', 'empty key', 6);"
                                     "INSERT INTO [Available Filters] VALUES (NULL, 'null key', 7);"
                                     "INSERT INTO [Available FilterPlacement] VALUES "
                                     "('', 1, 'BP 505-530', 0);"
                                     "INSERT INTO [Potential Filters] VALUES ('', '1', 'LP');"));
        const QString filters = QStringLiteral("Available Filters");
        const QString id = QStringLiteral("ID Available");
        WriteField(*m_db, filters, id, key, QStringLiteral("Status"), QStringLiteral("hit"));
        QCOMPARE(m_db->OpenRecordset(
                         QStringLiteral("SELECT * FROM [Available Filters] WHERE Status = 'hit'"))
                     .recordCount(),
                 0);
        QVERIFY(status(key).isNull());
        QVERIFY(!RecordExists(*m_db, filters, id, key));
        QVERIFY(!RecordExistsAt(*m_db, QStringLiteral("Available FilterPlacement"), id, key,
                                QStringLiteral("Position"), 1));
        QVERIFY(!RecordExistsByNumber(*m_db, filters, QStringLiteral("Slot"), QVariant(key)));
        QVERIFY(!IsDeviceUsable(*m_db, filters, key));
        QVERIFY(FilterCodeNumber(*m_db, key).isNull());
        QVERIFY(FilterType(*m_db, key).isNull());
        QVERIFY(FilterAtPosition(*m_db, key, 1).isNull());
        QCOMPARE(CountIncludedPositions(*m_db, key), 0);
    }

    void theFirstRowIsNamedAsSuch() {
        const QString filters = QStringLiteral("Available Filters");
        QCOMPARE(ReadFirstRowField(*m_db, filters, QStringLiteral("Status")).toString(),
                 QStringLiteral("first"));
        WriteFirstRowField(*m_db, filters, QStringLiteral("Slot"), 10);
        Recordset rs = m_db->OpenRecordset(filters);
        QCOMPARE(rs.value(QStringLiteral("Slot")).toInt(), 10);
        rs.moveNext();
        QCOMPARE(rs.value(QStringLiteral("Slot")).toInt(), 2);
        QVERIFY_THROWS_EXCEPTION(
            DbError, WriteFirstRowField(*m_db, filters, QStringLiteral("Wavelength"), 1));

        // An empty table has no first row: nothing is read, nothing is written or added.
        m_db->execute(QStringLiteral("DELETE FROM [Available Filters]"));
        QVERIFY(ReadFirstRowField(*m_db, filters, QStringLiteral("Status")).isNull());
        WriteFirstRowField(*m_db, filters, QStringLiteral("Status"), QStringLiteral("x"));
        QCOMPARE(m_db->OpenRecordset(filters).recordCount(), 0);
    }

    void keysWithQuotesFindTheirRow() {
        const QString key = QStringLiteral("Lab 'LP 560'");
        QCOMPARE(status(key).toString(), QStringLiteral("DO NOT USE"));
        QVERIFY(RecordExists(*m_db, QStringLiteral("Available Filters"),
                             QStringLiteral("ID Available"), key));
        WriteField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"), key,
                   QStringLiteral("Status"), kStatusOff);
        QVERIFY(!IsDeviceUsable(*m_db, QStringLiteral("Available Filters"), key));
        QVERIFY(!RecordExists(*m_db, QStringLiteral("Available Filters"),
                              QStringLiteral("ID Available"), QStringLiteral("x' OR '1'='1")));
    }

    void missingTablesAndFieldsAreErrors() {
        QVERIFY_THROWS_EXCEPTION(
            DbError, ReadField(*m_db, QStringLiteral("No Table"), QStringLiteral("ID Available"),
                               QStringLiteral("EF1"), QStringLiteral("Status")));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 ReadField(*m_db, QStringLiteral("Available Filters"),
                                           QStringLiteral("ID Available"), QStringLiteral("EF1"),
                                           QStringLiteral("Wavelength")));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 WriteField(*m_db, QStringLiteral("Available Filters"),
                                            QStringLiteral("ID Available"), QStringLiteral("EF1"),
                                            QStringLiteral("Wavelength"), 1));
    }

    void existence() {
        QVERIFY(RecordExistsAt(*m_db, QStringLiteral("Available FilterPlacement"),
                               QStringLiteral("ID Available"), QStringLiteral("FW1"),
                               QStringLiteral("Position"), 4));
        QVERIFY(!RecordExistsAt(*m_db, QStringLiteral("Available FilterPlacement"),
                                QStringLiteral("ID Available"), QStringLiteral("FW1"),
                                QStringLiteral("Position"), 5));
        QVERIFY(RecordExistsByNumber(*m_db, QStringLiteral("Available Filters"),
                                     QStringLiteral("Slot"), 3));
        QVERIFY(!RecordExistsByNumber(*m_db, QStringLiteral("Available Filters"),
                                      QStringLiteral("Slot"), 7));
        QVERIFY(TableExists(*m_db, QStringLiteral("Available Filters")));
        // The engine's names ignore case: a helper that said "no such table" here would send
        // its caller into creating a table that exists.
        QVERIFY(TableExists(*m_db, QStringLiteral("available filters")));
        QVERIFY(!TableExists(*m_db, QStringLiteral("Available Filter")));
    }

    void usability() {
        QVERIFY(IsUsable(QVariant()));
        QVERIFY(IsUsable(QStringLiteral(" ")));
        QVERIFY(IsUsable(QString()));
        QVERIFY(IsUsable(QStringLiteral("DO NOT USE")));
        QVERIFY(IsUsable(QStringLiteral("Dummy")));
        QVERIFY(!IsUsable(QStringLiteral("Do not use")));
        QVERIFY(!IsUsable(QStringLiteral("do not use")));
        QVERIFY(!IsUsable(QStringLiteral("Do not Use")));
        QVERIFY(IsDeviceUsable(*m_db, QStringLiteral("Available Filters"),
                               QStringLiteral("EF2"))); // Null
        QVERIFY(!IsDeviceUsable(*m_db, QStringLiteral("Available Filters"), QStringLiteral("EF3")));
        QVERIFY(!IsDeviceUsable(*m_db, QStringLiteral("Available Filters"),
                                QStringLiteral("EF9"))); // no row
        QCOMPARE(NullToText(QVariant()), QString());
        QCOMPARE(NullToText(QVariant(qlonglong(3))), QStringLiteral("3"));
    }

    void filterLookups() {
        QCOMPARE(FilterCodeNumber(*m_db, QStringLiteral("BP 505-530")).toString(),
                 QStringLiteral("4743"));
        QCOMPARE(FilterCodeNumber(*m_db, QStringLiteral("Lab 'LP 560'")).toString(),
                 QStringLiteral("0"));
        QVERIFY(FilterCodeNumber(*m_db, QStringLiteral("LP 999")).isNull());
        QCOMPARE(FilterType(*m_db, QStringLiteral("Lab 'LP 560'")).toString(), QStringLiteral(" "));
        QCOMPARE(FilterType(*m_db, QStringLiteral("BP 505-530")).toString(), QStringLiteral("BP"));
        QVERIFY(FilterType(*m_db, QStringLiteral("LP 999")).isNull());
        QCOMPARE(FilterAtPosition(*m_db, QStringLiteral("FW1"), 2).toString(),
                 QStringLiteral("Lab 'LP 560'"));
        QVERIFY(FilterAtPosition(*m_db, QStringLiteral("FW1"), 3).isNull());
        QVERIFY(FilterAtPosition(*m_db, QStringLiteral("FW2"), 1).isNull());
        // True and Null are not counted.
        QCOMPARE(CountIncludedPositions(*m_db, QStringLiteral("FW1")), 2);
        QCOMPARE(CountIncludedPositions(*m_db, QStringLiteral("FW2")), 0);
    }

    void cachedStatementsSurviveSchemaChanges() {
        QVERIFY(status(QStringLiteral("EF1")).isValid());
        m_db->appendField(QStringLiteral("Available Filters"),
                          {QStringLiteral("Delay ms"), FieldType::Long});
        WriteField(*m_db, QStringLiteral("Available Filters"), QStringLiteral("ID Available"),
                   QStringLiteral("EF2"), QStringLiteral("Delay ms"), 1000);
        QCOMPARE(ReadField(*m_db, QStringLiteral("Available Filters"),
                           QStringLiteral("ID Available"), QStringLiteral("EF2"),
                           QStringLiteral("Delay ms")),
                 QVariant(qlonglong(1000)));
    }
};

QTEST_GUILESS_MAIN(TestRecordHelpers)
#include "tst_recordhelpers.moc"
