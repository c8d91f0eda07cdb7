#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/RecordCopy.h>
#include <db/RecordHelpers.h>
#include <db/TemplateMerge.h>

using namespace db;

namespace {

const QString kId = QStringLiteral("ID Available");
const QString kInterfaces = QStringLiteral("Available Interfaces");
const QString kLamps = QStringLiteral("Available Lamps");
const QString kConfiguration = QStringLiteral("Configuration Microscope");
const QString kStand = QStringLiteral("Id Microscope");

// The ids of a table's rows, in table order.
QStringList ids(Database& db, const QString& table, const QString& field = kId) {
    QStringList result;
    for (Recordset rs = db.OpenRecordset(table); !rs.eof(); rs.moveNext())
        result.append(NullToText(rs.value(field)));
    return result;
}

QVariant read(Database& db, const QString& table, const QString& id, const QString& field) {
    return ReadField(db, table, kId, id, field);
}

} // namespace

class TestTemplateOps : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_templ;
    std::unique_ptr<Database> m_work;

    void configure(const QString& rows) {
        m_templ->execute(QStringLiteral("INSERT INTO [Configuration Microscope] VALUES ") + rows);
    }
    void applyFor(const QString& stand, bool fcsHead = false) {
        ApplyConfigurationTable(*m_templ, *m_work, kConfiguration, stand, kStand, fcsHead);
    }

private Q_SLOTS:
    void init() {
        for (const char* name : {"Conf.mdb", "Temp.mdb"})
            QFile::remove(m_dir.filePath(QString::fromLatin1(name)));
        m_templ = Database::create(m_dir.filePath(QStringLiteral("Conf.mdb")));
        m_work = Database::create(m_dir.filePath(QStringLiteral("Temp.mdb")));
        // One transaction per file: a commit per statement would cost a disk flush each.
        m_templ->execute(QStringLiteral(R"(BEGIN;
            CREATE TABLE [Available Lasers] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Power] DOUBLE, [Tunable] BOOLEAN,
                [Template Note] TEXT COLLATE NOCASE);
            INSERT INTO [Available Lasers] VALUES ('Argon', 'Do not use', 25, 0, 'x');
            INSERT INTO [Available Lasers] VALUES ('HeNe633', 'Do not use', 5, 0, 'y');
            INSERT INTO [Available Lasers] VALUES ('Ti:Sa', 'Do not use', NULL, 1, 'z');
            INSERT INTO [Available Lasers] VALUES ('hene633', 'Do not use', 7, 0, 'dup');
            INSERT INTO [Available Lasers] VALUES (NULL, 'Do not use', 1, 0, 'no key');

            CREATE TABLE [Calibration Wavelength] ([Line] DOUBLE, [Offset] INTEGER);
            INSERT INTO [Calibration Wavelength] VALUES (488, 1), (1.6, 2), (NULL, 3), (633, 4);

            CREATE TABLE [Available FilterPlacement] ([ID Available] TEXT COLLATE NOCASE,
                [Position] INTEGER, [ID Potential] TEXT COLLATE NOCASE);
            INSERT INTO [Available FilterPlacement] VALUES ('FW1', 1, 'BP 505-530'),
                ('fw1', 2, 'LP 560'), ('FW2', 1, 'None');

            CREATE TABLE [Available Interfaces FCS] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Port] TEXT COLLATE NOCASE,
                [Control Position] TEXT COLLATE NOCASE, [Summary] TEXT COLLATE NOCASE);
            INSERT INTO [Available Interfaces FCS] VALUES
                ('CANO', 'Do not use', 'COM1', 'CANO', 'FCS head electronics'),
                ('CANF', 'Do not use', 'COM1', NULL, 'FCS switch node');

            CREATE TABLE [Spekro Objects to disable] ([ID Available] TEXT COLLATE NOCASE,
                [Table] TEXT COLLATE NOCASE, [Check Table] TEXT COLLATE NOCASE,
                [Check Object] TEXT COLLATE NOCASE);
            INSERT INTO [Spekro Objects to disable] VALUES
                ('Pmt1', 'Available Point Detectors', 'None', NULL),
                ('Pmt2', 'Available Point Detectors', 'Available Servos', 'ServoPmt2'),
                ('DAC3', 'Available DACs', 'Available Servos', 'ServoDac3'),
                ('Pmt9', 'Available Point Detectors', 'None', NULL);

            CREATE TABLE [Configuration Microscope] ([Id Object] TEXT COLLATE NOCASE,
                [Table] TEXT COLLATE NOCASE, [Row] TEXT COLLATE NOCASE,
                [Key] TEXT COLLATE NOCASE, [ValueRow] TEXT COLLATE NOCASE,
                [Value] TEXT COLLATE NOCASE, [Record Table] TEXT COLLATE NOCASE,
                [Copy] BOOLEAN);
            CREATE TABLE [Record Lamps] ([Id Microscope] TEXT COLLATE NOCASE,
                [ID Available] TEXT COLLATE NOCASE, [Status] TEXT COLLATE NOCASE,
                [Delay ms] INTEGER, [Summary] TEXT COLLATE NOCASE, [On] BOOLEAN);
            INSERT INTO [Record Lamps] VALUES
                ('Inverta M2', 'HAL1', ' ', 500, 'Halogen lamp', 1),
                ('Inverta M2', 'HBO1', ' ', NULL, 'Mercury lamp', 0),
                ('Upra 5', 'HAL1', 'Do not use', 300, 'Upright halogen', 1),
                ('Upra 5', 'LED5', ' ', 10, 'LED', 1);
            CREATE TABLE [Record Interfaces] ([Id Microscope] TEXT COLLATE NOCASE,
                [ID Available] TEXT COLLATE NOCASE, [Status] TEXT COLLATE NOCASE,
                [Port] TEXT COLLATE NOCASE, [Control Position] TEXT COLLATE NOCASE,
                [Summary] TEXT COLLATE NOCASE, [Address] INTEGER);
            INSERT INTO [Record Interfaces] VALUES
                ('Inverta M2', 'CANO', ' ', 'COM2', NULL, 'Port electronics', 6);
            CREATE TABLE [Record Short Lamps] ([Id Microscope] TEXT COLLATE NOCASE,
                [ID Available] TEXT COLLATE NOCASE, [Status] TEXT COLLATE NOCASE);
        COMMIT;)"));
        m_work->execute(QStringLiteral(R"(BEGIN;
            CREATE TABLE [Available Lasers] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Power] DOUBLE, [Tunable] BOOLEAN);
            INSERT INTO [Available Lasers] VALUES ('ARGON', ' ', 30, 0);

            CREATE TABLE [Calibration Wavelength] ([Line] INTEGER, [Offset] INTEGER);
            INSERT INTO [Calibration Wavelength] VALUES (488, 99);

            CREATE TABLE [Available FilterPlacement] ([ID Available] TEXT COLLATE NOCASE,
                [Position] INTEGER, [ID Potential] TEXT COLLATE NOCASE);
            INSERT INTO [Available FilterPlacement] VALUES ('fw1', 1, 'Custom');

            CREATE TABLE [Available Interfaces] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Port] TEXT COLLATE NOCASE,
                [Control Position] TEXT COLLATE NOCASE, [Summary] TEXT COLLATE NOCASE,
                [Address] INTEGER);
            INSERT INTO [Available Interfaces] VALUES
                ('CANO', ' ', 'COM3', 'CANI', 'Port electronics', 5);

            CREATE TABLE [Available Point Detectors] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE);
            INSERT INTO [Available Point Detectors] VALUES
                ('Pmt1', 'Do not use'), ('Pmt2', 'Do not use');
            CREATE TABLE [Available DACs] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE);
            INSERT INTO [Available DACs] VALUES ('DAC3', 'Do not use');
            CREATE TABLE [Available Servos] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE);
            INSERT INTO [Available Servos] VALUES ('ServoPmt2', 'Do not use'), ('ServoDac3', ' ');

            CREATE TABLE [Available Lamps] ([ID Available] TEXT COLLATE NOCASE,
                [Status] TEXT COLLATE NOCASE, [Delay ms] INTEGER,
                [Summary] TEXT COLLATE NOCASE, [On] BOOLEAN);
            INSERT INTO [Available Lamps] VALUES
                ('ATTLOffset', ' ', 1, 'offset', 0),
                ('HAL1', ' ', 500, 'Halogen lamp', 1),
                ('XBO', ' ', 700, 'Xenon lamp', 1),
                ('ATBLOffset', ' ', 2, 'offset', 0),
                (NULL, ' ', 0, 'keyless', 0);
        COMMIT;)"));
    }
    void cleanup() {
        m_templ.reset();
        m_work.reset();
    }

    void mergeAddsMissingTextKeysOnce() {
        const QString lasers = QStringLiteral("Available Lasers");
        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        // ARGON is Argon (keys compare without case) and stays as the installation has it;
        // the template's second spelling of HeNe633 is the same key and comes once; the row
        // without a key comes once; the template's own field is not wanted.
        QCOMPARE(ids(*m_work, lasers),
                 (QStringList{QStringLiteral("ARGON"), QStringLiteral("HeNe633"),
                              QStringLiteral("Ti:Sa"), QString()}));
        QCOMPARE(read(*m_work, lasers, QStringLiteral("Argon"), QStringLiteral("Power")).toDouble(),
                 30.0);
        QCOMPARE(
            read(*m_work, lasers, QStringLiteral("HeNe633"), QStringLiteral("Power")).toDouble(),
            5.0);
        QCOMPARE(read(*m_work, lasers, QStringLiteral("Ti:Sa"), QStringLiteral("Tunable")),
                 QVariant(true));
        QVERIFY(read(*m_work, lasers, QStringLiteral("Ti:Sa"), QStringLiteral("Power")).isNull());

        MergeMissingRows(*m_templ, *m_work, lasers, lasers, kId);
        QCOMPARE(ids(*m_work, lasers).size(), 4);
    }

    void mergeNumericKeysAsTheDestinationStoresThem() {
        const QString table = QStringLiteral("Calibration Wavelength");
        MergeMissingRows(*m_templ, *m_work, table, table, QStringLiteral("Line"));
        // 1.6 lands as 2 in the long key field, and must be recognised as such next time.
        QCOMPARE(ids(*m_work, table, QStringLiteral("Line")),
                 (QStringList{QStringLiteral("488"), QStringLiteral("2"), QString(),
                              QStringLiteral("633")}));
        QCOMPARE(ReadFieldByNumber(*m_work, table, QStringLiteral("Line"), 488,
                                   QStringLiteral("Offset")),
                 QVariant(qlonglong(99)));
        MergeMissingRows(*m_templ, *m_work, table, table, QStringLiteral("Line"));
        QCOMPARE(ids(*m_work, table, QStringLiteral("Line")),
                 (QStringList{QStringLiteral("488"), QStringLiteral("2"), QString(),
                              QStringLiteral("633")}));
    }

    void mergeTwoKeys() {
        const QString table = QStringLiteral("Available FilterPlacement");
        for (int run = 0; run < 2; ++run)
            MergeMissingRowsTwoKeys(*m_templ, *m_work, table, table, kId,
                                    QStringLiteral("Position"));
        QCOMPARE(ids(*m_work, table), (QStringList{QStringLiteral("fw1"), QStringLiteral("fw1"),
                                                   QStringLiteral("FW2")}));
        QCOMPARE(FilterAtPosition(*m_work, QStringLiteral("FW1"), 1).toString(),
                 QStringLiteral("Custom"));
        QCOMPARE(FilterAtPosition(*m_work, QStringLiteral("FW1"), 2).toString(),
                 QStringLiteral("LP 560"));
    }

    void mergeRefreshesTheInterfaceCANOOnlyWhenItsSummaryDiffers() {
        const QString twin = QStringLiteral("Available Interfaces FCS");
        m_work->execute(QStringLiteral("UPDATE [Available Interfaces] SET [Summary] = "
                                       "'FCS head electronics'"));
        MergeMissingRows(*m_templ, *m_work, twin, kInterfaces, kId);
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Port")).toString(),
                 QStringLiteral("COM3"));
        QCOMPARE(ids(*m_work, kInterfaces), (QStringList{kInterfaceCANO, QStringLiteral("CANF")}));

        m_work->execute(QStringLiteral("UPDATE [Available Interfaces] SET [Summary] = 'Port "
                                       "electronics' WHERE [ID Available] = 'CANO'"));
        MergeMissingRows(*m_templ, *m_work, twin, kInterfaces, kId);
        // Every template field is taken, Null and "Do not use" included, but none holding "CANO";
        // the installation's own field stays.
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Port")).toString(),
                 QStringLiteral("COM1"));
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Status")).toString(),
                 kStatusOff);
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Summary")).toString(),
                 QStringLiteral("FCS head electronics"));
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Control Position"))
                     .toString(),
                 QStringLiteral("CANI"));
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Address")),
                 QVariant(qlonglong(5)));
        QCOMPARE(ids(*m_work, kInterfaces).size(), 2);
    }

    void mergeFailuresNameTheTableAndWriteNothing() {
        try {
            MergeMissingRows(*m_templ, *m_work, QStringLiteral("Available Lasers Kestro"),
                             QStringLiteral("Available Lasers"), kId);
            QFAIL("a missing source table must fail");
        } catch (const DbError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("[Available Lasers Kestro]")),
                     qPrintable(error.message()));
        }
        QVERIFY_THROWS_EXCEPTION(DbError, MergeMissingRows(*m_templ, *m_work,
                                                           QStringLiteral("Available Lasers"),
                                                           QStringLiteral("Available Lasers"),
                                                           QStringLiteral("Wavelength")));
        QCOMPARE(ids(*m_work, QStringLiteral("Available Lasers")),
                 QStringList{QStringLiteral("ARGON")});
    }

    void switchListedObjects() {
        const QString list = QStringLiteral("Spekro Objects to disable");
        const QString detectors = QStringLiteral("Available Point Detectors");
        SwitchListedObjects(*m_templ, *m_work, list, QString(), true);
        // Pmt2 waits for its unusable servo; DAC3's servo is usable; Pmt9 is not installed.
        QCOMPARE(
            read(*m_work, detectors, QStringLiteral("Pmt1"), QStringLiteral("Status")).toString(),
            kStatusInUse);
        QCOMPARE(
            read(*m_work, detectors, QStringLiteral("Pmt2"), QStringLiteral("Status")).toString(),
            kStatusOff);
        QCOMPARE(read(*m_work, QStringLiteral("Available DACs"), QStringLiteral("DAC3"),
                      QStringLiteral("Status"))
                     .toString(),
                 kStatusInUse);
        QCOMPARE(ids(*m_work, detectors).size(), 2);

        // A fixed target ignores the list's own tables and conditions.
        SwitchListedObjects(*m_templ, *m_work, list, detectors, true);
        QCOMPARE(
            read(*m_work, detectors, QStringLiteral("Pmt2"), QStringLiteral("Status")).toString(),
            kStatusInUse);
        SwitchListedObjects(*m_templ, *m_work, list, detectors, false);
        QCOMPARE(
            read(*m_work, detectors, QStringLiteral("Pmt1"), QStringLiteral("Status")).toString(),
            kStatusOff);
        QCOMPARE(read(*m_work, QStringLiteral("Available DACs"), QStringLiteral("DAC3"),
                      QStringLiteral("Status"))
                     .toString(),
                 kStatusInUse);

        QVERIFY_THROWS_EXCEPTION(DbError,
                                 SwitchListedObjects(*m_templ, *m_work, list,
                                                     QStringLiteral("Available Filters"), false));
    }

    void copyYesKeepsOffsetRowsAndTheStandsRows() {
        configure(QStringLiteral("('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, "
                                 "'Record Lamps', 1)"));
        applyFor(QStringLiteral("Inverta M2"));
        QCOMPARE(ids(*m_work, kLamps),
                 (QStringList{QStringLiteral("ATTLOffset"), QStringLiteral("ATBLOffset"),
                              QStringLiteral("HAL1"), QStringLiteral("HBO1")}));
        // A new row takes the template's Null over the table's default.
        QVERIFY(read(*m_work, kLamps, QStringLiteral("HBO1"), QStringLiteral("Delay ms")).isNull());
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("HBO1"), QStringLiteral("On")),
                 QVariant(false));
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("ATTLOffset"), QStringLiteral("Delay ms")),
                 QVariant(qlonglong(1)));
    }

    void copyNoOverwritesNamedRowsOnly() {
        configure(QStringLiteral("('Upra 5', 'Available Lamps', NULL, NULL, NULL, NULL, "
                                 "'Record Lamps', 0), "
                                 "('Inverta M2', 'Available Lamps', 'ID Available', 'XBO', "
                                 "'Status', 'never', NULL, NULL)"));
        applyFor(QStringLiteral("Upra 5"));
        QCOMPARE(ids(*m_work, kLamps),
                 (QStringList{QStringLiteral("ATTLOffset"), QStringLiteral("HAL1"),
                              QStringLiteral("XBO"), QStringLiteral("ATBLOffset"), QString(),
                              QStringLiteral("LED5")}));
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("HAL1"), QStringLiteral("Delay ms")),
                 QVariant(qlonglong(300)));
        QCOMPARE(
            read(*m_work, kLamps, QStringLiteral("HAL1"), QStringLiteral("Summary")).toString(),
            QStringLiteral("Upright halogen"));
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("XBO"), QStringLiteral("Status")).toString(),
                 kStatusInUse);
    }

    void instructionsRunInOrderAndAllRowsCopyOnlyTheStand() {
        configure(QStringLiteral(
            "('Inverta M2', 'Available Lamps', 'ID Available', 'HAL1', 'Delay ms', '9', NULL, "
            "NULL), "
            "('All', 'Available Lamps', NULL, NULL, NULL, NULL, 'Record Lamps', 0), "
            "('Upra 5', 'Available Lamps', 'ID Available', 'HBO1', 'Delay ms', '7', NULL, NULL), "
            "('Inverta M2', 'Available Lamps', 'ID Available', 'HBO1', 'Summary', 'patched', NULL, "
            "NULL), "
            "('Inverta M2', 'Available Lamps', 'ID Available', 'hbo1', 'On', 'True', NULL, NULL)"));
        applyFor(QStringLiteral("Inverta M2"));
        // The first patch is undone by the copy after it; the last two patch the copied row.
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("HAL1"), QStringLiteral("Delay ms")),
                 QVariant(qlonglong(500)));
        QCOMPARE(
            read(*m_work, kLamps, QStringLiteral("HBO1"), QStringLiteral("Summary")).toString(),
            QStringLiteral("patched"));
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("HBO1"), QStringLiteral("On")),
                 QVariant(true));
        QVERIFY(read(*m_work, kLamps, QStringLiteral("HBO1"), QStringLiteral("Delay ms")).isNull());
        QVERIFY(!ids(*m_work, kLamps).contains(QStringLiteral("LED5")));
    }

    void identicalRowStaysTheSameRow() {
        configure(QStringLiteral("('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, "
                                 "'Record Lamps', 0)"));
        const QStringList before = ids(*m_work, kLamps);
        applyFor(QStringLiteral("Inverta M2"));
        QCOMPARE(ids(*m_work, kLamps), before + QStringList{QStringLiteral("HBO1")});
        QCOMPARE(
            read(*m_work, kLamps, QStringLiteral("HAL1"), QStringLiteral("Summary")).toString(),
            QStringLiteral("Halogen lamp"));
    }

    void copyKeepsTheInterfaceCANOOfAnFcsHead() {
        configure(QStringLiteral("('Inverta M2', 'Available Interfaces', NULL, NULL, NULL, NULL, "
                                 "'Record Interfaces', 0)"));
        m_work->execute(QStringLiteral("UPDATE [Available Interfaces] SET [Summary] = "
                                       "'FCS head electronics'"));
        applyFor(QStringLiteral("Inverta M2"), true);
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Port")).toString(),
                 QStringLiteral("COM3"));
        applyFor(QStringLiteral("Inverta M2"), false);
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Port")).toString(),
                 QStringLiteral("COM2"));
        QVERIFY(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Control Position"))
                    .isNull());
        QCOMPARE(read(*m_work, kInterfaces, kInterfaceCANO, QStringLiteral("Summary")).toString(),
                 QStringLiteral("Port electronics"));
    }

    void brokenInstructionsFailClearlyAndUndoTheOperation_data() {
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("message");
        QTest::newRow("record table lacks a field")
            << QStringLiteral("('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, "
                              "'Record Short Lamps', 1)")
            << QStringLiteral("Configuration Microscope (Inverta M2): the record table [Record "
                              "Short Lamps] lacks the field [Delay ms] of [Available Lamps]");
        QTest::newRow("missing record table")
            << QStringLiteral("('All', 'Available Lamps', NULL, NULL, NULL, NULL, "
                              "'Record Stages', 1)")
            << QStringLiteral("Configuration Microscope (All): the template database has no "
                              "record table [Record Stages]");
        QTest::newRow("missing table")
            << QStringLiteral("('Inverta M2', 'Available Stages', 'ID Available', 'X', "
                              "'Status', ' ', NULL, NULL)")
            << QStringLiteral("Configuration Microscope (Inverta M2): the working copy has no "
                              "table [Available Stages]");
        QTest::newRow("missing field")
            << QStringLiteral("('Inverta M2', 'Available Lamps', 'ID Available', 'HAL1', "
                              "'Voltage', '12', NULL, NULL)")
            << QStringLiteral("Configuration Microscope (Inverta M2): the table [Available "
                              "Lamps] has no field [Voltage]");
    }
    void brokenInstructionsFailClearlyAndUndoTheOperation() {
        QFETCH(QString, instruction);
        QFETCH(QString, message);
        configure(QStringLiteral("('Inverta M2', 'Available Lamps', 'ID Available', 'XBO', "
                                 "'Status', 'Do not use', NULL, NULL), ") +
                  instruction);
        const QStringList before = ids(*m_work, kLamps);
        try {
            applyFor(QStringLiteral("Inverta M2"));
            QFAIL("the instruction must fail");
        } catch (const DbError& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(ids(*m_work, kLamps), before);
        QCOMPARE(read(*m_work, kLamps, QStringLiteral("XBO"), QStringLiteral("Status")).toString(),
                 kStatusInUse);
        QVERIFY(!m_work->inTransaction());
    }
};

QTEST_GUILESS_MAIN(TestTemplateOps)
#include "tst_templateops.moc"
