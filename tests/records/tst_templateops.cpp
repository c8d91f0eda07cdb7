#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Savepoint.h>
#include <records/RecordCopy.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

using namespace Qt::StringLiterals;
using namespace db;
using namespace records;

namespace {

const QString kId = u"ID Available"_s;
const QString kInterfaces = u"Available Interfaces"_s;
const QString kLamps = u"Available Lamps"_s;

// Runs a script in one transaction; text fields compare without case, as in the real files.
void run(Database& db, QString sql) {
    db.execute("BEGIN;" + sql.replace(u" TEXT"_s, u" TEXT COLLATE NOCASE"_s) + "COMMIT;");
}

} // namespace

class TestTemplateOps : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_templ;
    std::unique_ptr<Database> m_work;

    // The ids of a working table's rows, in table order.
    QStringList ids(const QString& table, const QString& field = kId) {
        QStringList result;
        for (Recordset rs = m_work->OpenRecordset(table); !rs.eof(); rs.moveNext())
            result.append(NullToText(rs.value(field)));
        return result;
    }
    QVariant at(const QString& table, const QString& id, const QString& field) {
        return ReadField(*m_work, table, kId, id, field);
    }
    QString text(const QString& table, const QString& id, const QString& field) {
        return at(table, id, field).toString();
    }
    void configure(const QString& rows) {
        m_templ->execute("INSERT INTO [Configuration Microscope] VALUES " + rows);
    }
    void applyFor(const QString& stand, bool fcsHead = false) {
        ApplyConfigurationTable(*m_templ, *m_work, u"Configuration Microscope"_s, stand,
                                u"Id Microscope"_s, fcsHead);
    }

private Q_SLOTS:
    void init() {
        for (const char* name : {"Conf.mdb", "Temp.mdb"})
            QFile::remove(m_dir.filePath(QString::fromLatin1(name)));
        m_templ = Database::create(m_dir.filePath(u"Conf.mdb"_s));
        m_work = Database::create(m_dir.filePath(u"Temp.mdb"_s));
        run(*m_templ, uR"(
            CREATE TABLE [Available Lasers] ([ID Available] TEXT, [Status] TEXT, [Power] DOUBLE,
                [Tunable] BOOLEAN, [Template Note] TEXT);
            INSERT INTO [Available Lasers] VALUES ('Argon', 'Do not use', 25, 0, 'x'),
                ('HeNe633', 'Do not use', 5, 0, 'y'), ('Ti:Sa', 'Do not use', NULL, 1, 'z'),
                ('hene633', 'Do not use', 7, 0, 'dup'), (NULL, 'Do not use', 1, 0, 'no key');
            CREATE TABLE [Calibration Wavelength] ([Line] DOUBLE, [Offset] INTEGER);
            INSERT INTO [Calibration Wavelength] VALUES (488, 1), (1.6, 2), (NULL, 3), (633, 4);
            CREATE TABLE [Available FilterPlacement] ([ID Available] TEXT, [Position] INTEGER,
                [ID Potential] TEXT);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 1, 'BP 505-530'),
                ('fw1', 2, 'LP 560'), ('FW2', 1, 'None');
            CREATE TABLE [Available Interfaces FCS] ([ID Available] TEXT, [Status] TEXT,
                [Port] TEXT, [Control Position] TEXT, [Summary] TEXT);
            INSERT INTO [Available Interfaces FCS] VALUES
                ('CANO', 'Do not use', 'COM1', 'CANO', 'FCS head electronics'),
                ('CANF', 'Do not use', 'COM1', NULL, 'FCS switch node');
            CREATE TABLE [Spekro Objects to disable] ([ID Available] TEXT, [Table] TEXT,
                [Check Table] TEXT, [Check Object] TEXT);
            INSERT INTO [Spekro Objects to disable] VALUES
                ('Pmt1', 'Available Point Detectors', 'None', NULL),
                ('Pmt2', 'Available Point Detectors', 'Available Servos', 'ServoPmt2'),
                ('DAC3', 'Available DACs', 'Available Servos', 'ServoDac3'),
                ('Pmt9', 'Available Point Detectors', 'None', NULL);
            CREATE TABLE [Configuration Microscope] ([Id Object] TEXT, [Table] TEXT, [Row] TEXT,
                [Key] TEXT, [ValueRow] TEXT, [Value] TEXT, [Record Table] TEXT, [Copy] BOOLEAN);
            CREATE TABLE [Record Lamps] ([Id Microscope] TEXT, [ID Available] TEXT,
                [Status] TEXT, [Delay ms] INTEGER, [Summary] TEXT, [On] BOOLEAN);
            INSERT INTO [Record Lamps] VALUES ('Inverta M2', 'HAL1', ' ', 500, 'Halogen lamp', 1),
                ('Inverta M2', 'HBO1', ' ', NULL, 'Mercury lamp', 0),
                ('Upra 5', 'HAL1', 'Do not use', 300, 'Upright halogen', 1),
                ('Upra 5', 'LED5', ' ', 10, 'LED', 1);
            CREATE TABLE [Record Interfaces] ([Id Microscope] TEXT, [ID Available] TEXT,
                [Status] TEXT, [Port] TEXT, [Control Position] TEXT, [Summary] TEXT,
                [Address] INTEGER);
            INSERT INTO [Record Interfaces] VALUES
                ('Inverta M2', 'CANO', ' ', 'COM2', NULL, 'Port electronics', 6);
            CREATE TABLE [Record Short Lamps] ([Id Microscope] TEXT, [ID Available] TEXT,
                [Status] TEXT);)"_s);
        createWork(*m_work);
    }
    void cleanup() {
        m_templ.reset();
        m_work.reset();
    }

    // The installation's tables, as a working copy made before its key fields had indexes.
    static void createWork(Database& work) {
        run(work, uR"(
            CREATE TABLE [Available Lasers] ([ID Available] TEXT, [Status] TEXT, [Power] DOUBLE,
                [Tunable] BOOLEAN);
            INSERT INTO [Available Lasers] VALUES ('ARGON', ' ', 30, 0);
            CREATE TABLE [Calibration Wavelength] ([Line] INTEGER, [Offset] INTEGER);
            INSERT INTO [Calibration Wavelength] VALUES (488, 99);
            CREATE TABLE [Available FilterPlacement] ([ID Available] TEXT, [Position] INTEGER,
                [ID Potential] TEXT);
            INSERT INTO [Available FilterPlacement] VALUES ('fw1', 1, 'Custom');
            CREATE TABLE [Available Interfaces] ([ID Available] TEXT, [Status] TEXT, [Port] TEXT,
                [Control Position] TEXT, [Summary] TEXT, [Address] INTEGER);
            INSERT INTO [Available Interfaces] VALUES
                ('CANO', ' ', 'COM3', 'CANI', 'Port electronics', 5);
            CREATE TABLE [Available Point Detectors] ([ID Available] TEXT, [Status] TEXT);
            INSERT INTO [Available Point Detectors] VALUES ('Pmt1', 'Do not use'),
                ('Pmt2', 'Do not use');
            CREATE TABLE [Available DACs] ([ID Available] TEXT, [Status] TEXT);
            INSERT INTO [Available DACs] VALUES ('DAC3', 'Do not use');
            CREATE TABLE [Available Servos] ([ID Available] TEXT, [Status] TEXT);
            INSERT INTO [Available Servos] VALUES ('ServoPmt2', 'Do not use'), ('ServoDac3', ' ');
            CREATE TABLE [Available Lamps] ([ID Available] TEXT, [Status] TEXT,
                [Delay ms] INTEGER, [Summary] TEXT, [On] BOOLEAN);
            INSERT INTO [Available Lamps] VALUES ('ATTLOffset', ' ', 1, 'offset', 0),
                ('HAL1', ' ', 500, 'Halogen lamp', 1), ('XBO', ' ', 700, 'Xenon lamp', 1),
                ('ATBLOffset', ' ', 2, 'offset', 0), (NULL, ' ', 0, 'keyless', 0);)"_s);
    }

    // Every row of every table, as text, in table order.
    static QStringList contents(Database& db) {
        QStringList rows;
        for (const QString& table : db.tableNames()) {
            for (Recordset rs = db.OpenRecordset(table); !rs.eof(); rs.moveNext()) {
                QStringList values{table};
                for (const QString& field : rs.fieldNames()) {
                    const QVariant value = rs.value(field);
                    values.append(value.isNull() ? u"<Null>"_s : value.toString());
                }
                rows.append(values.join(u" | "_s));
            }
        }
        return rows;
    }

    void mergeAddsMissingTextKeysOnce() {
        const QString lasers = u"Available Lasers"_s;
        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        // ARGON is Argon (keys compare without case) and stays as the installation has it;
        // the template's second spelling of HeNe633 is the same key and comes once; the row
        // without a key comes once; the template's own field is not wanted.
        QCOMPARE(ids(lasers), (QStringList{u"ARGON"_s, u"HeNe633"_s, u"Ti:Sa"_s, QString()}));
        QCOMPARE(at(lasers, "Argon", "Power").toDouble(), 30.0);
        QCOMPARE(at(lasers, "HeNe633", "Power").toDouble(), 5.0);
        QCOMPARE(at(lasers, "Ti:Sa", "Tunable"), QVariant(true));
        QVERIFY(at(lasers, "Ti:Sa", "Power").isNull());

        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        QCOMPARE(ids(lasers).size(), 4);
    }

    void mergeNumericKeysAsTheDestinationStoresThem() {
        const QString table = u"Calibration Wavelength"_s;
        const QStringList merged{u"488"_s, u"2"_s, QString(), u"633"_s};
        // 1.6 lands as 2 in the long key field, and must be recognised as such next time.
        for (int run = 0; run < 2; ++run) {
            MergeMissingRows(*m_templ, *m_work, table, table, u"Line"_s);
            QCOMPARE(ids(table, u"Line"_s), merged);
        }
        QCOMPARE(ReadFieldByNumber(*m_work, table, u"Line"_s, 488, u"Offset"_s),
                 QVariant(qlonglong(99)));
    }

    void mergeTwoKeys() {
        const QString table = u"Available FilterPlacement"_s;
        for (int run = 0; run < 2; ++run)
            MergeMissingRowsTwoKeys(*m_templ, *m_work, table, table, kId, u"Position"_s);
        QCOMPARE(ids(table), (QStringList{u"fw1"_s, u"fw1"_s, u"FW2"_s}));
        QCOMPARE(FilterAtPosition(*m_work, u"FW1"_s, 1).toString(), u"Custom"_s);
        QCOMPARE(FilterAtPosition(*m_work, u"FW1"_s, 2).toString(), u"LP 560"_s);
    }

    void mergeRefreshesTheInterfaceCANOOnlyWhenItsSummaryDiffers() {
        const QString twin = u"Available Interfaces FCS"_s;
        m_work->execute(u"UPDATE [Available Interfaces] SET [Summary] = 'FCS head electronics'"_s);
        MergeMissingRows(*m_templ, *m_work, twin, kInterfaces, kId, kInterfaceCANO);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Port"), u"COM3"_s);
        QCOMPARE(ids(kInterfaces), (QStringList{kInterfaceCANO, u"CANF"_s}));

        m_work->execute(u"UPDATE [Available Interfaces] SET [Summary] = 'Port electronics' "
                        "WHERE [ID Available] = 'CANO'"_s);
        // Only the merge that names the key refreshes its row.
        MergeMissingRows(*m_templ, *m_work, twin, kInterfaces, kId);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Port"), u"COM3"_s);
        MergeMissingRows(*m_templ, *m_work, twin, kInterfaces, kId, kInterfaceCANO);
        // Every template field is taken, Null and "Do not use" included, but none holding "CANO";
        // the installation's own field stays.
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Port"), u"COM1"_s);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Status"), kStatusOff);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Summary"), u"FCS head electronics"_s);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Control Position"), u"CANI"_s);
        QCOMPARE(at(kInterfaces, kInterfaceCANO, "Address"), QVariant(qlonglong(5)));
        QCOMPARE(ids(kInterfaces).size(), 2);
    }

    // A working copy whose key fields have indexes is merged by looking each template row up,
    // or, with the template attached to its connection, by asking first whether the template
    // adds anything; an older one without them by reading its keys. All must come out the same,
    // on keys that differ in case, in trailing blanks, beyond ASCII, in rounding, or are Null or
    // repeated.
    void indexedLookupsMergeAsTheKeyScanDoes() {
        run(*m_templ, uR"(
            INSERT INTO [Available Lasers] VALUES ('argon ', ' ', 2, 0, 'blank'),
                ('Ärgon', ' ', 3, 0, 'umlaut'), (NULL, ' ', 4, 0, 'second keyless');
            INSERT INTO [Calibration Wavelength] VALUES (488.4, 5), (632.6, 6), (NULL, 7);
            INSERT INTO [Available FilterPlacement] VALUES ('FW2', 1.2, 'again'),
                (NULL, 3, 'no wheel'), (NULL, 3, 'no wheel again');)"_s);
        std::unique_ptr<Database> withIndexes[2];
        for (int i = 0; i < 2; ++i) {
            withIndexes[i] = Database::create(m_dir.filePath(u"Indexed%1.mdb"_s.arg(i)));
            createWork(*withIndexes[i]);
            run(*withIndexes[i], uR"(
                CREATE INDEX [idx Lasers] ON [Available Lasers] ([ID Available]);
                CREATE INDEX [idx Wavelength] ON [Calibration Wavelength] ([Line]);
                CREATE INDEX [idx Placement] ON [Available FilterPlacement] ([ID Available],
                    [Position]);
                CREATE INDEX [idx Interfaces] ON [Available Interfaces] ([ID Available]);)"_s);
        }
        Database* indexed = withIndexes[0].get();
        const std::unique_ptr<Database> attached =
            withIndexes[1]->attach(m_templ->path(), u"conf"_s);
        for (Database* work : {m_work.get(), indexed, withIndexes[1].get()})
            run(*work, u"INSERT INTO [Available Lasers] VALUES ('ärgon', ' ', 9, 0);"_s);

        const QString lasers = u"Available Lasers"_s;
        const QString wavelength = u"Calibration Wavelength"_s;
        const QString placement = u"Available FilterPlacement"_s;
        QVERIFY(indexed->hasIndexOn(lasers, kId) && !m_work->hasIndexOn(lasers, kId));
        QVERIFY(indexed->hasIndexOn(wavelength, u"Line"_s));
        QVERIFY(indexed->hasIndexOn(placement, kId) && !m_work->hasIndexOn(placement, kId));

        for (Database* work : {m_work.get(), indexed, withIndexes[1].get()}) {
            Database& templ = work == withIndexes[1].get() ? *attached : *m_templ;
            for (int run = 0; run < 2; ++run) {
                MergeMissingRows(templ, *work, lasers, lasers, kId);
                MergeMissingRows(templ, *work, wavelength, wavelength, u"Line"_s);
                MergeMissingRowsTwoKeys(templ, *work, placement, placement, kId, u"Position"_s);
                MergeMissingRows(templ, *work, u"Available Interfaces FCS"_s, kInterfaces, kId);
            }
        }
        const QStringList scanned = contents(*m_work);
        QCOMPARE(contents(*indexed), scanned);
        QCOMPARE(contents(*withIndexes[1]), scanned);
        // The cases that tell a wrong comparison apart did happen.
        QVERIFY(scanned.contains(u"Available Lasers | argon  |   | 2 | false"_s));
        QVERIFY(scanned.contains(u"Available Lasers | Ärgon |   | 3 | false"_s));
        QCOMPARE(scanned.filter(u"Available Lasers | <Null>"_s).size(), 1);
        QCOMPARE(scanned.filter(u"Calibration Wavelength | 633"_s).size(), 1);
        QCOMPARE(scanned.filter(u"Available FilterPlacement | <Null> | 3"_s).size(), 1);
        QCOMPARE(scanned.filter(u"Available FilterPlacement | FW2 | 1"_s).size(), 1);
    }

    // A readout merges the same tables at every refresh, and the answer that every key is
    // present is kept while nothing changed. Every way a key can go missing again must be
    // seen: a row deleted, a merge taken back by a savepoint, a row another connection added
    // to the template, and a template attached anew.
    void mergeSeesEveryChangeAfterAllKeysWerePresent() {
        const QString lasers = u"Available Lasers"_s;
        std::unique_ptr<Database> work = Database::create(m_dir.filePath(u"Attached.mdb"_s));
        createWork(*work);
        run(*work, u"CREATE INDEX [idx Lasers] ON [Available Lasers] ([ID Available]);"_s);
        std::unique_ptr<Database> templ = work->attach(m_templ->path(), u"conf"_s);
        const auto merged = [&] {
            db::Transaction transaction(*work);
            MergeMissingRows(*templ, *work, lasers, lasers, kId);
            MergeMissingRows(*templ, *work, lasers, lasers, kId); // kept as present
            transaction.commit();
        };
        const auto has = [&](const QString& id) { return RecordExists(*work, lasers, kId, id); };
        merged();
        QVERIFY(has(u"Ti:Sa"_s));

        run(*work, u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Ti:Sa';"_s);
        merged();
        QVERIFY(has(u"Ti:Sa"_s));

        {
            db::Transaction transaction(*work);
            MergeMissingRows(*templ, *work, lasers, lasers, kId);
            work->execute(u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Ti:Sa'"_s);
            {
                db::Savepoint savepoint(*work);
                MergeMissingRows(*templ, *work, lasers, lasers, kId);
                MergeMissingRows(*templ, *work, lasers, lasers, kId);
                QVERIFY(has(u"Ti:Sa"_s));
                QVERIFY(savepoint.rollback());
            }
            QVERIFY(!has(u"Ti:Sa"_s));
            MergeMissingRows(*templ, *work, lasers, lasers, kId);
            QVERIFY(has(u"Ti:Sa"_s));
            transaction.commit();
        }

        // The template's own connection adds a row between two actions.
        merged();
        run(*m_templ, u"INSERT INTO [Available Lasers] VALUES ('Krypton', ' ', 1, 0, 'k');"_s);
        merged();
        QVERIFY(has(u"Krypton"_s));

        // The template attached anew, to a file that has another row: the counts of the
        // connection may stand where they stood.
        merged();
        templ.reset();
        const QString other = m_dir.filePath(u"Other.mdb"_s);
        QFile::remove(other);
        QVERIFY(QFile::copy(m_templ->path(), other));
        {
            std::unique_ptr<Database> copy = Database::open(other);
            run(*copy, u"INSERT INTO [Available Lasers] VALUES ('Xenon', ' ', 1, 0, 'x');"_s);
        }
        templ = work->attach(other, u"conf"_s);
        merged();
        QVERIFY(has(u"Xenon"_s));
    }

    // The merges keep their statements prepared: a field that the template and the working
    // copy gain afterwards is copied like the others.
    void mergeCopiesFieldsAddedLater() {
        const QString lasers = u"Available Lasers"_s;
        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        run(*m_templ, u"ALTER TABLE [Available Lasers] ADD COLUMN [Maker] TEXT;"
                      "INSERT INTO [Available Lasers] ([ID Available], [Maker]) "
                      "VALUES ('Diode405', 'Lasos');"_s);
        run(*m_work, u"ALTER TABLE [Available Lasers] ADD COLUMN [Maker] TEXT;"_s);
        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        QCOMPARE(text(lasers, "Diode405", "Maker"), u"Lasos"_s);
    }

    void mergeFailuresNameTheTableAndWriteNothing() {
        const QString lasers = u"Available Lasers"_s;
        try {
            MergeMissingRows(*m_templ, *m_work, u"Available Lasers Kestro"_s, lasers, kId);
            QFAIL("a missing source table must fail");
        } catch (const DbError& error) {
            QVERIFY2(error.message().contains(u"[Available Lasers Kestro]"_s),
                     qPrintable(error.message()));
        }
        QVERIFY_THROWS_EXCEPTION(
            DbError, MergeMissingRows(*m_templ, *m_work, lasers, lasers, u"Wavelength"_s));
        QCOMPARE(ids(lasers), QStringList{u"ARGON"_s});
    }

    void switchListedObjects() {
        const QString list = u"Spekro Objects to disable"_s;
        const QString detectors = u"Available Point Detectors"_s;
        SwitchListedObjects(*m_templ, *m_work, list, QString(), true);
        // Pmt2 waits for its unusable servo; DAC3's servo is usable; Pmt9 is not installed.
        QCOMPARE(text(detectors, "Pmt1", "Status"), kStatusInUse);
        QCOMPARE(text(detectors, "Pmt2", "Status"), kStatusOff);
        QCOMPARE(text("Available DACs", "DAC3", "Status"), kStatusInUse);
        QCOMPARE(ids(detectors).size(), 2);

        // A fixed target ignores the list's own tables and conditions.
        SwitchListedObjects(*m_templ, *m_work, list, detectors, true);
        QCOMPARE(text(detectors, "Pmt2", "Status"), kStatusInUse);
        SwitchListedObjects(*m_templ, *m_work, list, detectors, false);
        QCOMPARE(text(detectors, "Pmt1", "Status"), kStatusOff);
        QCOMPARE(text("Available DACs", "DAC3", "Status"), kStatusInUse);
        QVERIFY_THROWS_EXCEPTION(
            DbError, SwitchListedObjects(*m_templ, *m_work, list, u"Available Filters"_s, false));
    }

    void copyYesKeepsOffsetRowsAndTheStandsRows() {
        configure(
            u"('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Lamps', 1)"_s);
        applyFor(u"Inverta M2"_s);
        QCOMPARE(ids(kLamps),
                 (QStringList{u"ATTLOffset"_s, u"ATBLOffset"_s, u"HAL1"_s, u"HBO1"_s}));
        // A new row takes the template's Null over the table's default.
        QVERIFY(at(kLamps, "HBO1", "Delay ms").isNull());
        QCOMPARE(at(kLamps, "HBO1", "On"), QVariant(false));
        QCOMPARE(at(kLamps, "ATTLOffset", "Delay ms"), QVariant(qlonglong(1)));
    }

    void copyNoOverwritesNamedRowsOnly() {
        configure(u"('Upra 5', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Lamps', 0), "
                  "('Inverta M2', 'Available Lamps', 'ID Available', 'XBO', 'Status', 'never', "
                  "NULL, NULL)"_s);
        applyFor(u"Upra 5"_s);
        QCOMPARE(ids(kLamps), (QStringList{u"ATTLOffset"_s, u"HAL1"_s, u"XBO"_s, u"ATBLOffset"_s,
                                           QString(), u"LED5"_s}));
        QCOMPARE(at(kLamps, "HAL1", "Delay ms"), QVariant(qlonglong(300)));
        QCOMPARE(text(kLamps, "HAL1", "Summary"), u"Upright halogen"_s);
        QCOMPARE(text(kLamps, "XBO", "Status"), kStatusInUse);
    }

    void identicalRowStaysTheSameRow() {
        configure(
            u"('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Lamps', 0)"_s);
        const QStringList before = ids(kLamps);
        applyFor(u"Inverta M2"_s);
        QCOMPARE(ids(kLamps), before + QStringList{u"HBO1"_s});
        QCOMPARE(text(kLamps, "HAL1", "Summary"), u"Halogen lamp"_s);
    }

    void instructionsRunInOrderAndAllRowsCopyOnlyTheStand() {
        configure(u"('Inverta M2', 'Available Lamps', 'ID Available', 'HAL1', 'Delay ms', '9', "
                  "NULL, NULL), "
                  "('All', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Lamps', 0), "
                  "('Upra 5', 'Available Lamps', 'ID Available', 'HBO1', 'Delay ms', '7', NULL, "
                  "NULL), ('Inverta M2', 'Available Lamps', 'ID Available', 'HBO1', 'Summary', "
                  "'patched', NULL, NULL), "
                  "('Inverta M2', 'Available Lamps', 'ID Available', 'hbo1', 'On', 'True', NULL, "
                  "NULL)"_s);
        applyFor(u"Inverta M2"_s);
        // The first patch is undone by the copy after it; the last two patch the copied row.
        QCOMPARE(at(kLamps, "HAL1", "Delay ms"), QVariant(qlonglong(500)));
        QCOMPARE(text(kLamps, "HBO1", "Summary"), u"patched"_s);
        QCOMPARE(at(kLamps, "HBO1", "On"), QVariant(true));
        QVERIFY(at(kLamps, "HBO1", "Delay ms").isNull());
        QVERIFY(!ids(kLamps).contains(u"LED5"_s));
    }

    void copyKeepsTheInterfaceCANOOfAnFcsHead() {
        configure(u"('Inverta M2', 'Available Interfaces', NULL, NULL, NULL, NULL, "
                  "'Record Interfaces', 0)"_s);
        m_work->execute(u"UPDATE [Available Interfaces] SET [Summary] = 'FCS head electronics'"_s);
        applyFor(u"Inverta M2"_s, true);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Port"), u"COM3"_s);
        applyFor(u"Inverta M2"_s, false);
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Port"), u"COM2"_s);
        QVERIFY(at(kInterfaces, kInterfaceCANO, "Control Position").isNull());
        QCOMPARE(text(kInterfaces, kInterfaceCANO, "Summary"), u"Port electronics"_s);
    }

    void brokenInstructionsFailClearlyAndUndoTheOperation_data() {
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("message");
        QTest::newRow("record table lacks a field")
            << u"('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Short Lamps', "
               "1)"_s
            << u"Configuration Microscope (Inverta M2): the record table [Record Short Lamps] "
               "lacks the field [Delay ms] of [Available Lamps]"_s;
        QTest::newRow("missing record table")
            << u"('All', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Stages', 1)"_s
            << u"Configuration Microscope (All): the template database has no record table "
               "[Record Stages]"_s;
        QTest::newRow("missing table")
            << u"('Inverta M2', 'Available Stages', 'ID Available', 'X', 'Status', ' ', NULL, "
               "NULL)"_s
            << u"Configuration Microscope (Inverta M2): the working copy has no table "
               "[Available Stages]"_s;
        QTest::newRow("missing field")
            << u"('Inverta M2', 'Available Lamps', 'ID Available', 'HAL1', 'Voltage', '12', NULL, "
               "NULL)"_s
            << u"Configuration Microscope (Inverta M2): the table [Available Lamps] has no field "
               "[Voltage]"_s;
    }
    void brokenInstructionsFailClearlyAndUndoTheOperation() {
        QFETCH(QString, instruction);
        QFETCH(QString, message);
        configure(u"('Inverta M2', 'Available Lamps', 'ID Available', 'XBO', 'Status', "
                  "'Do not use', NULL, NULL), "_s +
                  instruction);
        const QStringList before = ids(kLamps);
        try {
            applyFor(u"Inverta M2"_s);
            QFAIL("the instruction must fail");
        } catch (const DbError& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(ids(kLamps), before);
        QCOMPARE(text(kLamps, "XBO", "Status"), kStatusInUse);
        QVERIFY(!m_work->inTransaction());
    }
};

QTEST_GUILESS_MAIN(TestTemplateOps)
#include "tst_templateops.moc"
