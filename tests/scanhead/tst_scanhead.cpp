#include "../support/WorkReaders.h"

#include <QTest>
#include <db/Recordset.h>
#include <editor/Texts.h>
#include <records/RecordHelpers.h>
#include <scanhead/FilterWheels.h>
#include <scanhead/ScanUnitMarks.h>

using namespace Qt::StringLiterals;

namespace {

const QString kDetectors = u"Available Point Detectors"_s;
const QString kOff = u"Do not use"_s;
const QString kOn = u" "_s;

QString version(Installation& in) {
    return records::NullToText(records::ReadFirstRowField(
        in.editor().work(), records::kSystemVersions, records::kVersionName));
}
// The removal memory as "table|id|removed" lines, in table order.
QStringList memory(Installation& in) {
    QStringList rows;
    for (db::Recordset rs = in.editor().templ().OpenRecordset(u"Scan Head Memory"_s); !rs.eof();
         rs.moveNext())
        rows.append(
            u"%1|%2|%3"_s
                .arg(rs.value(u"Table"_s).toString(), rs.value(records::kIdAvailable).toString())
                .arg(rs.value(u"Removed"_s).toInt()));
    return rows;
}
void remember(Installation& in, const QString& table, const QString& id, bool removed) {
    in.onTemplate(u"INSERT INTO [Scan Head Memory] ([Table], [ID Available], [Removed]) VALUES "
                  "('%1', '%2', %3)"_s.arg(table, id)
                      .arg(removed ? 1 : 0));
}
// Keys that a table holds more than once.
int repeatedKeys(Installation& in, const QString& table) {
    return in.editor()
        .work()
        .OpenRecordset(u"SELECT [ID Available] FROM [%1] GROUP BY [ID Available] "
                       "HAVING COUNT(*) > 1"_s.arg(table))
        .recordCount();
}

} // namespace

class TestScanHead : public QObject {
    Q_OBJECT

private slots:
    // The release name carries " S" while the head sits on the side port; only the mark itself
    // is taken off for the base port.
    void portMark_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("shown");
        const QString side = u"choose OptionButtonHeadSideport"_s;
        const QString base = u"choose OptionButtonHeadBasePort"_s;
        QTest::newRow("side") << u"3.2.01"_s << side << u"3.2.01 S"_s << u"Sideport"_s;
        QTest::newRow("side, base, side")
            << u"3.2.01"_s << side + u'\n' + base + u'\n' + side << u"3.2.01 S"_s << u"Sideport"_s;
        QTest::newRow("base") << u"3.2.01 S"_s << base << u"3.2.01"_s << u"BasePort"_s;
        // The S of another word reads as the side port, but the base port does not cut it.
        QTest::newRow("S elsewhere") << u"3.2.01 SP1"_s << base << u"3.2.01 SP1"_s << u"Sideport"_s;
    }
    void portMark() {
        QFETCH(QString, before);
        QFETCH(QString, script);
        QFETCH(QString, after);
        QFETCH(QString, shown);
        Installation in;
        in.onSystem(u"UPDATE [System Versions] SET [Version Name] = '%1'"_s.arg(before));
        in.start();
        in.act(script);
        QCOMPARE(version(in), after);
        QVERIFY(in.main().optionButton(u"OptionButtonHead"_s + shown).isSelected());
        // The demo carries an FCS head beside the scan head.
        QCOMPARE(system(in, records::kIdAvailable), u"VTX-FCS"_s);
        QCOMPARE(field(in, u"Available Lasers"_s, u"HeNe1"_s, u"Control LED"_s),
                 u"REG100,FCS_LED"_s);
        QVERIFY(in.main().checkBox(u"CheckSpekro"_s).isEnabled());
    }

    // A removal switches the head's rows off and remembers which were in use; a port brings
    // back exactly those, with the scan unit, the configuration name and the SPI sensor.
    void removalAndRestore() {
        Installation in;
        in.onSystem(u"UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                    "WHERE [ID Available] = 'Pmt3'"_s);
        in.start();
        in.act(u"choose OptionButtonHeadNone"_s);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"None"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), u"Conf3.0_FCS2"_s);
        QCOMPARE(system(in, records::kIdAvailable), u"Fluxar2"_s);
        for (const QString& id : {u"Pmt1"_s, u"Pmt3"_s, u"PmtM"_s})
            QCOMPARE(status(in, kDetectors, id), kOff);
        QCOMPARE(status(in, u"Available Interfaces"_s, u"CANI"_s), kOff);
        QCOMPARE(status(in, u"Available Temperature Sensors"_s, u"SPI Temperature Sensor"_s), kOff);
        QCOMPARE(field(in, u"Available Lasers"_s, u"Argon"_s, u"Control LED"_s), u"FCS_LED"_s);
        QVERIFY(!in.main().checkBox(u"CheckSpekro"_s).isEnabled());
        QVERIFY(!in.main().checkBox(u"CheckNDD"_s).isChecked());
        QVERIFY(memory(in).contains(u"Available Point Detectors|Pmt1|1"_s));
        QVERIFY(memory(in).contains(u"Available Point Detectors|Pmt3|0"_s));

        in.act(u"choose OptionButtonHeadBasePort"_s);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), u"Demo Lab & Imaging"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt1"_s), kOn);
        QCOMPARE(status(in, kDetectors, u"Pmt3"_s), kOff);
        QCOMPARE(status(in, u"Available Temperature Sensors"_s, u"SPI Temperature Sensor"_s), kOn);
        QCOMPARE(memory(in), QStringList());
        QVERIFY(in.main().optionButton(u"OptionButtonHeadBasePort"_s).isSelected());
    }

    // The memory outlives runs and restores: it only speaks while no head is fitted.
    void staleMemory_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("memoryAfter");
        QTest::newRow("removal with a head fitted starts afresh")
            << u"choose OptionButtonHeadNone\nchoose OptionButtonHeadBasePort"_s << 0;
        QTest::newRow("a head moved between ports") << u"choose OptionButtonHeadSideport"_s << 2;
    }
    void staleMemory() {
        QFETCH(QString, script);
        QFETCH(int, memoryAfter);
        Installation in;
        remember(in, u"Available Systems"_s, u"Stale Head"_s, false);
        remember(in, u"Available Point Detectors"_s, u"Pmt3"_s, true);
        in.onSystem(u"UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                    "WHERE [ID Available] = 'Pmt3'"_s);
        in.start();
        in.act(script);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt3"_s), kOff);
        QCOMPARE(int(memory(in).size()), memoryAfter);
    }

    // A second removal while no head is fitted keeps what the first one took away.
    void secondRemovalKeepsTheFirst() {
        Installation in;
        remember(in, u"Available Systems"_s, u"First Head"_s, false);
        remember(in, u"ID Configuration"_s, u"First Conf"_s, false);
        remember(in, u"Available Point Detectors"_s, u"Pmt2"_s, true);
        // An upright stand offers the removal even without a head.
        in.onSystem(u"UPDATE [Available Systems] SET [ID Stand] = 'Erecta', [ID Scan Unit] = "
                    "'None'; UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                    "WHERE [ID Available] = 'Pmt2'"_s);
        in.start();
        in.act(u"choose OptionButtonHeadNone"_s);
        const QStringList rows = memory(in);
        QVERIFY(rows.contains(u"Available Systems|First Head|0"_s));
        QVERIFY(rows.contains(u"ID Configuration|First Conf|0"_s));
        QVERIFY(rows.contains(u"Available Point Detectors|Pmt2|1"_s));
        QCOMPARE(rows.filter(u"Available Systems|"_s).size(), 1);
        in.session->pages().heads.RestoreHeadObjects();
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"First Head"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), u"First Conf"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt2"_s), kOn);
    }

    // An entry-level head restores nothing, and its spectral box stays off.
    void kestroRestoresNothing() {
        Installation in;
        remember(in, u"Available Point Detectors"_s, u"Pmt3"_s, true);
        in.onSystem(u"UPDATE [Available Systems] SET [ID Scan Unit] = 'None'; "
                    "UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                    "WHERE [ID Available] = 'Pmt3'"_s);
        in.start();
        in.editor().flags().entryLevelHead = true;
        in.session->pages().heads.RestoreHeadObjects();
        QCOMPARE(status(in, kDetectors, u"Pmt3"_s), kOff);
        QCOMPARE(int(memory(in).size()), 1);
    }

    // Read without a head and without memory, a port switches the head's catalogue on, but
    // never the rows of the spectral option.
    void catalogueLeavesSpectralRowsOff() {
        Installation in;
        in.onSystem(u"UPDATE [Available Systems] SET [ID Scan Unit] = 'None'; "
                    "UPDATE [Available Point Detectors] SET [Status] = 'Do not use'; "
                    "INSERT INTO [Available Point Detectors] ([ID Available], [Status]) "
                    "VALUES ('PmtSPI1', ' ')"_s);
        in.start();
        QVERIFY(in.main().optionButton(u"OptionButtonHeadNone"_s).isSelected());
        in.act(u"choose OptionButtonHeadBasePort"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt1"_s), kOn);
        QCOMPARE(status(in, kDetectors, u"PmtSPI1"_s), kOff);
    }

    void imageFlip_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("flip");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("base port") << u"tick CheckImageFlip"_s << u"010"_s << true;
        QTest::newRow("side port")
            << u"choose OptionButtonHeadSideport\ntick CheckImageFlip"_s << u"101"_s << true;
        QTest::newRow("unticked") << u"tick CheckImageFlip\nuntick CheckImageFlip"_s << u"000"_s
                                  << false;
    }
    void imageFlip() {
        QFETCH(QString, script);
        QFETCH(QString, flip);
        QFETCH(bool, ticked);
        Installation in;
        in.start();
        in.act(script);
        QString values;
        for (const char* name : {"Exchange XY", "Mirror X", "Mirror Y"})
            values +=
                records::ReadField(in.editor().work(), u"Available Dsps"_s, records::kIdAvailable,
                                   u"Dsp1"_s, QString::fromLatin1(name))
                        .toBool()
                    ? u'1'
                    : u'0';
        QCOMPARE(values, flip);
        QCOMPARE(in.main().checkBox(u"CheckImageFlip"_s).isChecked(), ticked);
    }

    // On, off and on again: one " SPI", no row twice, the option's rows following the box.
    void spectralOption() {
        Installation in;
        in.start(u"tick CheckSpekro"_s);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head SPI"_s);
        QCOMPARE(status(in, kDetectors, u"PmtSPI1"_s), kOn);
        QCOMPARE(status(in, kDetectors, u"Pmt1"_s), kOff);
        QCOMPARE(field(in, kDetectors, u"Pmt3"_s, u"Next Electrical Device"_s),
                 u"I/IntegratorSPI"_s);
        QCOMPARE(field(in, kDetectors, u"PmtD"_s, u"Input Channel No"_s), u"1"_s);
        QCOMPARE(field(in, u"Available Dsps"_s, u"Dsp1"_s, u"Software File"_s),
                 u"quentaraspekro.bin"_s);
        QCOMPARE(status(in, u"Available Video Switches"_s, u"VS1"_s), kOn);

        in.act(u"untick CheckSpekro"_s);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head"_s);
        QCOMPARE(status(in, kDetectors, u"PmtSPI1"_s), kOff);
        QCOMPARE(status(in, u"Available Integrators"_s, u"IntegratorSPI"_s), kOff);
        QCOMPARE(status(in, kDetectors, u"Pmt1"_s), kOn);
        QCOMPARE(field(in, kDetectors, u"Pmt3"_s, u"Next Electrical Device"_s), u"I/Integrator3"_s);
        QCOMPARE(field(in, kDetectors, u"PmtM"_s, u"Input Channel No"_s), u"8"_s);
        QCOMPARE(field(in, u"Available Dsps"_s, u"Dsp1"_s, u"Software File"_s),
                 u"quentaradsp.bin"_s);

        in.act(u"tick CheckSpekro"_s);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head SPI"_s);
        for (const char* table :
             {"Available Interfaces", "Available DACs", "Available DIOs", "Available Servos",
              "Available Integrators", "Available High Voltage Supplies",
              "Available Point Detectors", "Available Amplifiers", "Calibration DACs",
              "Available Video Switches"})
            QCOMPARE(repeatedKeys(in, QString::fromLatin1(table)), 0);
    }

    // An object of the option's list comes back only while its check device is usable.
    void spectralOffKeepsObjectsWithoutTheirCheckDevice() {
        Installation in;
        in.onTemplate(u"UPDATE [Spekro Objects to disable] SET [Check Object] = 'Pmt4' "
                      "WHERE [ID Available] = 'Integrator1'"_s);
        in.start(u"tick CheckSpekro"_s);
        QCOMPARE(status(in, u"Available Integrators"_s, u"Integrator1"_s), kOff);
        in.act(u"tab 3\nuntick CheckPmt4\ntab 0\nuntick CheckSpekro"_s);
        QCOMPARE(status(in, u"Available Integrators"_s, u"Integrator1"_s), kOff);
        QCOMPARE(status(in, kDetectors, u"Pmt1"_s), kOn);
    }

    void marks_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("withSpi");
        QTest::addColumn<QString>("withoutSpi");
        QTest::addColumn<QString>("withoutFiber");
        QTest::newRow("plain") << u"VTX 5 Head"_s << u"VTX 5 Head SPI"_s << u"VTX 5 Head"_s
                               << u"VTX 5 Head"_s;
        QTest::newRow("both marks")
            << u"VTX SPI FiberOut"_s << u"VTX SPI FiberOut"_s << u"VTX FiberOut"_s << u"VTX SPI"_s;
        QTest::newRow("fibre first")
            << u"VTX FiberOut SPI"_s << u"VTX FiberOut SPI"_s << u"VTX FiberOut"_s << u"VTX SPI"_s;
        QTest::newRow("SPI inside a word")
            << u"VTX SPIRAL"_s << u"VTX SPIRAL SPI"_s << u"VTX SPIRAL"_s << u"VTX SPIRAL"_s;
    }
    void marks() {
        QFETCH(QString, unit);
        QFETCH(QString, withSpi);
        QFETCH(QString, withoutSpi);
        QFETCH(QString, withoutFiber);
        using namespace scanhead::marks;
        QCOMPARE(added(unit, kSpectral), withSpi);
        QCOMPARE(removed(unit, kSpectral), withoutSpi);
        QCOMPARE(removed(unit, kFiberOut), withoutFiber);
    }

    // Every device of a detector's chain follows its box; a blank Z servo names nothing.
    void detectorChain_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("switched");
        QTest::addColumn<QStringList>("untouched");
        const QString d = u"Available Point Detectors|"_s;
        QTest::newRow("Pmt3") << u"CheckPmt3"_s
                              << QStringList{d + u"Pmt3"_s,
                                             u"Available High Voltage Supplies|HVSupply3"_s,
                                             u"Available DACs|DAC311"_s,
                                             u"Available Integrators|Integrator3"_s,
                                             u"Available DIOs|REG330"_s,
                                             u"Available DACs|DAC321"_s,
                                             u"Available Filtersets|EF3"_s,
                                             u"Available Pinholes|PH3"_s,
                                             u"Available Servos|PH3S"_s,
                                             u"Available Servos|PH3X"_s,
                                             u"Available Servos|PH3Y"_s}
                              << QStringList{u"Available Servos|PH1Z"_s};
        QTest::newRow("monitor diode")
            << u"CheckMonitorDiode"_s
            << QStringList{d + u"PmtM"_s, u"Available Filtersets|EF5"_s,
                           u"Available Integrators|IntegratorM"_s}
            << QStringList{u"Available Pinholes|PH1"_s, u"Available Pinholes|PH4"_s};
    }
    void detectorChain() {
        QFETCH(QString, box);
        QFETCH(QStringList, switched);
        QFETCH(QStringList, untouched);
        Installation in;
        in.start(u"tab 3\nuntick "_s + box);
        auto statusOf = [&](const QString& row) {
            const QStringList parts = row.split(u'|');
            return status(in, parts[0], parts[1]);
        };
        for (const QString& row : switched)
            QVERIFY2(statusOf(row) == kOff, qPrintable(row));
        for (const QString& row : untouched)
            QVERIFY2(statusOf(row) == kOn, qPrintable(row));
        in.act(u"tick "_s + box);
        for (const QString& row : switched)
            QVERIFY2(statusOf(row) == kOn, qPrintable(row));
    }

    // A detector wired to the spectral integrator leaves the integrators alone.
    void spectralIntegratorIsLeftAlone() {
        Installation in;
        in.onSystem(u"UPDATE [Available Point Detectors] SET [Next Electrical Device] = "
                    "'I/IntegratorSPI' WHERE [ID Available] = 'Pmt2'"_s);
        in.start(u"tab 3\nuntick CheckPmt2"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt2"_s), kOff);
        QCOMPARE(status(in, u"Available Pinholes"_s, u"PH2"_s), kOff);
        QCOMPARE(status(in, u"Available Integrators"_s, u"Integrator2"_s), kOn);
    }

    // The monitor diode's filter set is the one it names, EF5 when it names none.
    void monitorDiodeFilterSet() {
        Installation in;
        in.start(u"tab 3"_s);
        records::WriteField(in.editor().work(), kDetectors, records::kIdAvailable, u"PmtM"_s,
                            u"Next Optical Device"_s, u" "_s);
        in.act(u"untick CheckMonitorDiode"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"EF5"_s), kOff);
        records::WriteField(in.editor().work(), kDetectors, records::kIdAvailable, u"PmtM"_s,
                            u"Next Optical Device"_s, u"F/EF6"_s);
        in.act(u"tick CheckMonitorDiode"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"EF6"_s), kOn);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"EF5"_s), kOff);
    }

    // The fibre output replaces the fourth channel and marks the scan unit.
    void fibreOutput() {
        Installation in;
        in.start(u"tab 3\ntick CheckFiberOut"_s);
        QVERIFY(!in.main().checkBox(u"CheckPmt4"_s).isChecked());
        QCOMPARE(status(in, kDetectors, u"Pmt4"_s), kOff);
        QCOMPARE(status(in, u"Available Integrators"_s, u"Integrator4"_s), kOff);
        QCOMPARE(status(in, u"Available Pinholes"_s, u"PH4"_s), kOn);
        QCOMPARE(status(in, u"Available Servos"_s, u"PH4X"_s), kOn);
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head FiberOut"_s);
        QCOMPARE(in.main().label(u"LScanHeadConf"_s).caption(), u"VTX 5 Head FiberOut"_s);
        in.act(u"tick CheckPmt4"_s);
        QVERIFY(!in.main().checkBox(u"CheckFiberOut"_s).isChecked());
        QCOMPARE(system(in, u"ID Scan Unit"_s), u"VTX 5 Head"_s);
        QCOMPARE(status(in, kDetectors, u"Pmt4"_s), kOn);
        QCOMPARE(status(in, u"Available Pinholes"_s, u"PH4"_s), kOn);
    }

    void collimators_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("collimator");
        QTest::addColumn<QString>("shutter");
        QTest::addColumn<QString>("label");
        QTest::newRow("UV/Vis") << u"CheckColliUV"_s << u"UV/Vis"_s << u"MainShutter2"_s
                                << u"LDefaultUV"_s;
        QTest::newRow("NIR, merged in")
            << u"CheckColliIR"_s << u"NIR"_s << u"MainShutter2"_s << u"LDefaultIR"_s;
    }
    void collimators() {
        QFETCH(QString, box);
        QFETCH(QString, collimator);
        QFETCH(QString, shutter);
        QFETCH(QString, label);
        Installation in;
        in.start(u"tab 3\ntick "_s + box);
        const QString collimators = u"Available Collimators"_s;
        QCOMPARE(status(in, collimators, collimator), kOn);
        QCOMPARE(field(in, u"Available Switches"_s, shutter, u"Next Optical Device"_s),
                 u"C/\"%1\""_s.arg(collimator));
        QVERIFY(!in.main().label(label).caption().isEmpty());
        in.act(u"untick "_s + box);
        QCOMPARE(status(in, collimators, collimator), kOff);
        QCOMPARE(field(in, u"Available Switches"_s, shutter, u"Next Optical Device"_s), u"none"_s);
        QVERIFY(in.main().label(label).caption().isEmpty());
        in.act(u"tick "_s + box);
        QCOMPARE(repeatedKeys(in, collimators), 0);
    }

    // Brought to the front, the page switches a chain that its box no longer matches.
    void detectionPageIsLiveOnItsTab() {
        Installation in;
        in.start();
        records::WriteField(in.editor().work(), kDetectors, records::kIdAvailable, u"Pmt2"_s,
                            records::kStatus, kOff);
        in.act(u"tab 3"_s);
        QVERIFY(!in.main().checkBox(u"CheckPmt2"_s).isChecked());
        QCOMPARE(status(in, u"Available High Voltage Supplies"_s, u"HVSupply2"_s), kOff);
    }

    void wheelPositionCount() {
        Installation in;
        in.start();
        db::Database& work = in.editor().work();
        const QString wheel = u"FW3"_s; // six positions
        auto included = [&] { return records::CountIncludedPositions(work, wheel); };
        auto rows = [&] {
            return work
                .OpenRecordset(u"SELECT * FROM [Available FilterPlacement] WHERE [ID Available] "
                               "= 'FW3'"_s)
                .recordCount();
        };
        scanhead::FilterWheels::SetWheelPositionCount(work, wheel, 4);
        QCOMPARE(included(), 4);
        QCOMPARE(rows(), 6);
        scanhead::FilterWheels::SetWheelPositionCount(work, wheel, 6);
        QCOMPARE(included(), 6);
        QCOMPARE(records::FilterAtPosition(work, wheel, 5).toString(), u"Blue"_s);
        scanhead::FilterWheels::SetWheelPositionCount(work, wheel, 8);
        QCOMPARE(included(), 8);
        QCOMPARE(records::FilterAtPosition(work, wheel, 8).toString(), u"None"_s);
        QCOMPARE(rows(), 8);
    }

    // The scan head's list offers the usable wheels of its node; the control shows as many
    // positions as the wheel has, none for a wheel without positions.
    void scanWheels() {
        Installation in;
        in.onSystem(u"INSERT INTO [Available Filtersets] ([ID Available], [Status], "
                    "[Control Position]) VALUES ('HT2', ' ', 'CANI')"_s);
        in.start(u"tab 3"_s);
        const form::ListBox& wheels = in.main().listBox(u"ComboScanFilterWheel"_s);
        QCOMPARE(wheels.text(), u"EF1"_s);
        QVERIFY(in.main().button(u"UserChangeFilter1.CmdPos(7)"_s).isVisible());
        QCOMPARE(in.main().label(u"UserChangeFilter1.LFilter(2)"_s).caption(), u"LP 560"_s);
        QStringList listed;
        for (const form::ListBox::Entry& entry : wheels.entries())
            listed.append(entry.text);
        QCOMPARE(listed, (QStringList{u"EF1"_s, u"EF2"_s, u"EF3"_s, u"EF4"_s, u"EF5"_s, u"HT1"_s,
                                      u"NT1"_s, u"HT2"_s})); // EF6 is switched off
        in.act(u"select ComboScanFilterWheel HT1"_s);
        QVERIFY(in.main().button(u"UserChangeFilter1.CmdPos(5)"_s).isVisible());
        QVERIFY(!in.main().button(u"UserChangeFilter1.CmdPos(6)"_s).isVisible());
        QVERIFY(!in.main().button(u"UserChangeFilter1.CmdPos(6)"_s).isEnabled());
        in.act(u"choose UserChangeFilter1.OptionFiterId"_s);
        QCOMPARE(in.main().label(u"UserChangeFilter1.LFilter(0)"_s).caption(), u"46 17 80-9941"_s);
        in.act(u"select ComboScanFilterWheel HT2"_s);
        QVERIFY(!in.main().button(u"UserChangeFilter1.CmdPos(0)"_s).isVisible());
        QVERIFY(!in.main().optionButton(u"UserChangeFilter1.OptionFitername"_s).isVisible());
    }

    // A position without a placement row is reported once, and the others are still shown.
    void missingPlacement() {
        Installation in;
        in.recordBoxes = true;
        in.onSystem(u"DELETE FROM [Available FilterPlacement] WHERE [ID Available] = 'EF1' "
                    "AND [Position] = 3"_s);
        in.start();
        const QStringList boxes = in.boxTexts();
        QVERIFY(boxes.contains(u"EF1 Position 3 no Filter exist in Available FilterPlacement"_s));
        QCOMPARE(in.main().label(u"UserChangeFilter1.LFilter(3)"_s).caption(), u"BP 560-615"_s);
    }

    // The shutter sets enter the argon and HeNe paths; a second tick while they are in takes
    // them out again, as the installation's tool always did.
    void shutters() {
        Installation in;
        in.start(u"tab 4\ntick CheckShutters"_s);
        const QString lasers = u"Available Lasers"_s;
        const QString next = u"Next Optical Device"_s;
        QCOMPARE(status(in, u"Available Filtersets"_s, u"AF1"_s), kOn);
        QCOMPARE(field(in, u"Available Filtersets"_s, u"AF1"_s, next), u"F/HT1"_s);
        QCOMPARE(field(in, lasers, u"Argon"_s, next), u"F/AF1"_s);
        QCOMPARE(field(in, lasers, u"Argon/2"_s, next), u"F/HT1"_s); // not in use
        QCOMPARE(field(in, lasers, u"HeNe1"_s, next), u"F/AF2"_s);
        QCOMPARE(records::FilterAtPosition(in.editor().work(), u"AF2"_s, 2).toString(),
                 u"Shutter Closed"_s);
        in.act(u"untick CheckShutters"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"AF2"_s), kOff);
        QCOMPARE(field(in, lasers, u"Argon"_s, next), u"F/HT1"_s);
        QCOMPARE(field(in, lasers, u"HeNe2"_s, next), u"F/HT1"_s);
        records::WriteField(in.editor().work(), lasers, records::kIdAvailable, u"HeNe1"_s, next,
                            u"F/AF2"_s);
        in.act(u"tick CheckShutters"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"AF1"_s), kOn);
        QCOMPARE(field(in, lasers, u"HeNe1"_s, next), u"F/HT1"_s);
        QCOMPARE(repeatedKeys(in, u"Available Filtersets"_s), 0);
    }

    // Each NDD channel switches its chain through its node; the beam splitter the second
    // channel needs is asked for on a stand that drives its turret.
    void nddChannels() {
        Installation in;
        in.start(u"tick CheckNDD\ntab 5\ntick CheckNDD2"_s);
        for (const auto& [table, id] : {std::pair{kDetectors, u"NDD_Pmt6"_s},
                                        {u"Available High Voltage Supplies"_s, u"HVSupply6"_s},
                                        {u"Available DACs"_s, u"DAC611"_s},
                                        {u"Available Interfaces"_s, u"CANL"_s},
                                        {u"Available Integrators"_s, u"Integrator6"_s},
                                        {u"Available DACs"_s, u"DAC621"_s},
                                        {u"Available DIOs"_s, u"REG630"_s},
                                        {u"Available Filtersets"_s, u"NDD_NT1"_s},
                                        {u"Available Filtersets"_s, u"NDD_EF6"_s}})
            QVERIFY2(status(in, table, id) == kOn, qPrintable(id));
        QCOMPARE(field(in, u"Available DACs"_s, u"DAC621"_s, u"Control Voltage"_s), u"CANL"_s);
        QCOMPARE(field(in, u"Available DIOs"_s, u"REG630"_s, records::kControl), u"CANL"_s);
        const QString noSplitter = u"You have to insert a NDD beamsplitter into the reflector "
                                   "turret ( use Microscope tab ) !"_s;
        QCOMPARE(in.message(), noSplitter);
        // The notice stands while the splitter is missing: an action of another page that
        // empties the status line shows it again, as a fresh read of every page would.
        in.act(u"tab 2\ntick CheckProgrAOTF\nuntick CheckProgrAOTF"_s);
        QCOMPARE(in.message(), noSplitter);
        in.act(u"tab 5"_s);
        QVERIFY(in.main().checkBox(u"CheckNDD2"_s).isChecked());
        QVERIFY(in.main().button(u"UserChangeFilter5.CmdPos(2)"_s).isVisible());
        // The inverted stand has its transmitted light on top; the lamps of both paths shown.
        QCOMPARE(in.main().picture(u"PictureTransmission"_s).caption(), u"upper"_s);
        QCOMPARE(in.main().checkBox(u"CheckLampRefl"_s).caption(), u"HBO"_s);
        QVERIFY(in.main().checkBox(u"CheckLampTransm"_s).isChecked());
        // The third channel needs the second.
        in.act(u"tick CheckNDD3\nuntick CheckNDD2"_s);
        QCOMPARE(status(in, kDetectors, u"NDD_Pmt7"_s), kOff);
        QVERIFY(!in.main().checkBox(u"CheckNDD3"_s).isChecked());
        in.act(u"tick CheckNDD3"_s);
        QCOMPARE(status(in, kDetectors, u"NDD_Pmt7"_s), kOff);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"NDD_EF7"_s), kOff);
        QVERIFY(!in.main().checkBox(u"CheckNDD3"_s).isChecked());
    }

    // The first channel in transmission mode keeps the NDD filters out; in NDD mode they follow
    // it, and the mirror makes way. The fourth channel goes before the first.
    void firstChannelModes() {
        Installation in;
        in.start(u"tick CheckNDD\ntab 5\nexpect OptD selected true\nexpect CheckNDD4 enabled "
                 "false\nuntick CheckNDD1\ntick CheckNDD1"_s);
        const QString sets = u"Available Filtersets"_s;
        QCOMPARE(status(in, sets, u"NDD_NT2"_s), kOff);
        QCOMPARE(status(in, sets, u"NDD_EF5"_s), kOff);
        QCOMPARE(field(in, kDetectors, u"PmtD"_s, u"Detector Type"_s), u"Transmission"_s);
        QVERIFY(in.main().checkBox(u"CheckTransmissionMirror"_s).isChecked());
        in.act(u"choose OptNDD"_s);
        QCOMPARE(status(in, sets, u"NDD_NT2"_s), kOn);
        QCOMPARE(status(in, sets, u"NDD_EF5"_s), kOn);
        QCOMPARE(field(in, kDetectors, u"PmtD"_s, u"Next Optical Device"_s), u"F/NDD_EF5"_s);
        QCOMPARE(status(in, u"Available Shutters"_s, u"Transmission Mirror"_s), kOff);
        QVERIFY(in.main().optionButton(u"OptNDD"_s).isSelected());
        in.act(u"tick CheckNDD4"_s);
        QCOMPARE(status(in, kDetectors, u"NDD_Pmt8"_s), kOn);
        QVERIFY(!in.main().optionButton(u"OptD"_s).isEnabled());
        {
            // The master switch takes channel 1 out of NDD mode, so that a read of the
            // database keeps the switch off; the detector stays for transmission.
            Installation off;
            off.start(u"tick CheckNDD\ntab 5\nchoose OptNDD\ntick CheckNDD4\ntab 0\n"
                      "untick CheckNDD"_s);
            for (const auto& [table, id] :
                 {std::pair{sets, u"NDD_NT2"_s}, {sets, u"NDD_EF5"_s}, {kDetectors, u"NDD_Pmt8"_s}})
                QVERIFY2(status(off, table, id) == kOff, qPrintable(id));
            QCOMPARE(status(off, kDetectors, u"PmtD"_s), kOn);
            QCOMPARE(field(off, kDetectors, u"PmtD"_s, u"Detector Type"_s), u"Transmission"_s);
            QVERIFY(!off.main().checkBox(u"CheckNDD"_s).isChecked());
            off.act(u"tab 1"_s);
            off.session->readout().ReadEveryPage();
            QVERIFY(!off.main().checkBox(u"CheckNDD"_s).isChecked());
        }
        {
            // The same when the transmission mirror is in use beside the splitter, so that
            // the page shows transmission mode.
            Installation mixed;
            mixed.start(u"tick CheckNDD\ntab 5\nchoose OptNDD"_s);
            records::SetStatus(mixed.editor().work(), u"Available Shutters"_s,
                               records::kIdAvailable, u"Transmission Mirror"_s,
                               records::kStatusInUse);
            mixed.session->readout().ReadEveryPage();
            QVERIFY(mixed.main().optionButton(u"OptD"_s).isSelected());
            mixed.act(u"tab 0\nuntick CheckNDD"_s);
            QCOMPARE(status(mixed, sets, u"NDD_NT2"_s), kOff);
            mixed.session->readout().ReadEveryPage();
            QVERIFY(!mixed.main().checkBox(u"CheckNDD"_s).isChecked());
        }
        in.act(u"untick CheckNDD1"_s);
        QCOMPARE(status(in, kDetectors, u"NDD_Pmt8"_s), kOff);
        QCOMPARE(status(in, kDetectors, u"PmtD"_s), kOff);
        QCOMPARE(status(in, sets, u"NDD_NT2"_s), kOff);
        QVERIFY(!in.main().checkBox(u"CheckNDD4"_s).isChecked());
    }

    // On the stand whose turret is not driven, the second channel puts the NDD splitter in by
    // hand: on the second empty position, else over positions 1 and 2, naming what it replaced.
    void splitterByHand_data() {
        QTest::addColumn<QString>("filters");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("four empty")
            << u"None,DAPI Set,None,None,None,None"_s
            << QStringList{u"None"_s, u"DAPI Set"_s, u"NDD LP680"_s} << QString();
        QTest::newRow("one empty")
            << u"DAPI Set,FITC Set,Cy3 Set,Cy5 Set,GFP Set,None"_s
            << QStringList{u"None"_s, u"NDD LP680"_s, u"Cy3 Set"_s}
            << u"The NDD beam splitter replaced DAPI Set (position 1), FITC Set (position 2) in "
               "the reflector turret"_s;
    }
    void splitterByHand() {
        QFETCH(QString, filters);
        QFETCH(QStringList, after);
        QFETCH(QString, message);
        Installation in;
        const QStringList names = filters.split(u',');
        for (int i = 0; i < names.size(); ++i)
            in.onSystem(
                u"UPDATE [Available FilterPlacement] SET [ID Potential] = '%1', "
                "[Not Include] = 0 WHERE [ID Available] = 'FW1' AND [Position] = %2"_s.arg(names[i])
                    .arg(i + 1));
        in.start(u"tab 1\nselect ComboMicroscops \"Erecta D\"\ntab 0\ntick CheckNDD\ntab 5\n"
                 "tick CheckNDD2"_s);
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(
                records::NullToText(records::FilterAtPosition(in.editor().work(), u"FW1"_s, i + 1)),
                after[i]);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"FW1"_s), u"Dummy"_s);
        QCOMPARE(field(in, u"Available Filtersets"_s, u"FW1"_s, u"Control Position"_s), u"None"_s);
        QCOMPARE(in.message(), message);
        // The microscope page shows the turret as a fresh read does.
        const auto turret = [&in] {
            QStringList shown;
            for (int i = 0; i < 8; ++i)
                shown.append(in.main().label(u"UserChangeFilter2.LFilter(%1)"_s.arg(i)).caption());
            return shown;
        };
        const QStringList shown = turret();
        in.session->readout().ReadEveryPage();
        QCOMPARE(shown, turret());
        // The splitter taken out of the turret by hand: the NDD page says so at once, as a
        // fresh read does (the notice was missing until the next read of every page).
        in.act(u"tab 1\nclick UserChangeFilter2.CmdPos(%1)\nnode TreeView1 \"Filters for FW1 > "
               "DAPI Set\"\nclick Command1"_s.arg(after.indexOf(u"NDD LP680"_s)));
        // The message of the tick stands; without one the notice shows.
        const QString notice = in.message();
        QCOMPARE(notice, message.isEmpty() ? u"You have to insert a NDD beamsplitter into the "
                                             "reflector turret ( use Microscope tab ) !"_s
                                           : message);
        in.session->readout().ReadEveryPage();
        QCOMPARE(in.message(), notice);
        in.act(u"tab 5"_s);
        // This stand's lamps are not shown on the page.
        QVERIFY(!in.main().checkBox(u"CheckLampTransm"_s).isChecked());
        in.act(u"untick CheckNDD2"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"FW1"_s), kOff);
        QCOMPARE(field(in, u"Available Filtersets"_s, u"FW1"_s, u"Control Position"_s), u"CANH"_s);
    }

    // The master switch records itself also while the editor is being filled; a database
    // without the fixed NDD rows is told so and left alone.
    void masterSwitchAndUnprepared() {
        Installation in;
        in.onSystem(u"DELETE FROM [Available Point Detectors] WHERE [ID Available] = 'NDD_Pmt6'"_s);
        in.start();
        in.editor().setLive(false);
        in.main().checkBox(u"CheckNDD"_s).setChecked(true);
        in.editor().setLive(true);
        QVERIFY(records::ReadFirstRowField(in.editor().work(), records::kAvailableSystems, u"NDD"_s)
                    .toBool());
        in.act(u"tab 5\ntick CheckNDD2"_s);
        QCOMPARE(in.message(), u"This is not a correct Rel 3.x database, not NDD prepared !"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"NDD_NT1"_s), kOff);
    }

    // The FCS head's port rewrites the system row and the release mark; the mark tells where the
    // primary head sits, the scan head when one is fitted.
    void fcsPort_data() {
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("identity");
        QTest::addColumn<QString>("configurationAfter");
        QTest::addColumn<QString>("versionAfter");
        QTest::addColumn<QString>("led");
        const QString base = u"choose OptionButtonFCSBaseport"_s;
        const QString side = u"choose OptionButtonFCSSideport"_s;
        const QString noHead = u"choose OptionButtonHeadNone\n"_s;
        const QString demo = u"Demo Lab & Imaging"_s;
        const QString both = u"REG100,FCS_LED"_s;
        QTest::newRow("base beside the head, which moves to the side")
            << u"3.2.01"_s << demo << base << u"VTX-FCS"_s << u"Conf3.0&3.0_"_s + demo
            << u"3.2.01 S"_s << both;
        QTest::newRow("a name with _ is kept")
            << u"3.2.01"_s << u"Lab_One"_s << base << u"VTX-FCS"_s << u"Lab_One"_s << u"3.2.01 S"_s
            << both;
        QTest::newRow("side beside the head on the side")
            << u"3.2.01 S"_s << demo << side << u"VTX-FCS"_s << u"Conf3.0&3.0_"_s + demo
            << u"3.2.01"_s << both;
        // An S of another word reads as the mark; no two characters of the name are cut.
        QTest::newRow("side, S elsewhere") << u"3.2.01 SP1"_s << demo << side << u"VTX-FCS"_s
                                           << u"Conf3.0&3.0_"_s + demo << u"3.2.01 SP1"_s << both;
        QTest::newRow("side alone") << u"3.2.01"_s << demo << noHead + side << u"Fluxar2"_s
                                    << u"Conf3.0_FCS2"_s << u"3.2.01 S"_s << u"FCS_LED"_s;
        QTest::newRow("base alone") << u"3.2.01 S"_s << demo << noHead + base << u"Fluxar2"_s
                                    << u"Conf3.0_FCS2"_s << u"3.2.01"_s << u"FCS_LED"_s;
        QTest::newRow("base alone, S elsewhere")
            << u"3.2.01 SP1"_s << demo << noHead + base << u"Fluxar2"_s << u"Conf3.0_FCS2"_s
            << u"3.2.01 SP1"_s << u"FCS_LED"_s;
    }
    void fcsPort() {
        QFETCH(QString, release);
        QFETCH(QString, configuration);
        QFETCH(QString, script);
        QFETCH(QString, identity);
        QFETCH(QString, configurationAfter);
        QFETCH(QString, versionAfter);
        QFETCH(QString, led);
        Installation in;
        in.onSystem(u"UPDATE [System Versions] SET [Version Name] = '%1'; UPDATE [Available "
                    "Systems] SET [ID Configuration] = '%2'"_s.arg(release, configuration));
        in.start();
        in.act(script);
        QCOMPARE(system(in, records::kIdAvailable), identity);
        QCOMPARE(system(in, u"ID FCS Unit"_s), u"Fluxar2"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), configurationAfter);
        QCOMPARE(version(in), versionAfter);
        QCOMPARE(field(in, u"Available Lasers"_s, u"Argon"_s, u"Control LED"_s), led);
        QCOMPARE(status(in, u"Available Interfaces"_s, u"CANO"_s), kOn);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"FCS_EF1"_s), kOn);
        // The merges create fields and tables: only the undo history's end is noted.
        QVERIFY2(in.message().isEmpty() ||
                     in.message() ==
                         u"The change of the database's structure ends the undo history."_s,
                 qPrintable(in.message()));
    }

    // Removing the FCS head beside a scan head brings back the name the readout noted.
    void fcsNoneRestores() {
        Installation in;
        in.start();
        in.act(u"choose OptionButtonFCSBaseport\nchoose OptionButtonFCSNone"_s);
        QCOMPARE(system(in, records::kIdAvailable), u"VANTIX"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), u"Demo Lab & Imaging"_s);
        QCOMPARE(system(in, u"ID FCS Unit"_s), u"None"_s);
        QCOMPARE(version(in), u"3.2.01 S"_s);
        QCOMPARE(status(in, u"Available Filtersets"_s, u"FCS_EF1"_s), kOff);
        QCOMPARE(status(in, u"Available Pinholes"_s, u"FCS_PH1"_s), kOff);
        QCOMPARE(field(in, u"Available Lasers"_s, u"HeNe1"_s, u"Control LED"_s), u"REG100"_s);
        QVERIFY(in.main().optionButton(u"OptionButtonFCSNone"_s).isSelected());
        QVERIFY(!in.main().optionButton(u"OptionButtonHeadNone"_s).isEnabled());
        QVERIFY(!in.main().checkBox(u"CheckPiezo"_s).isEnabled());
    }

    // Removing the last head is allowed; the status line warns.
    void lastHeadRemoved() {
        Installation in;
        in.start();
        in.act(u"choose OptionButtonHeadNone"_s);
        // The option is disabled without a scan head: the program chooses it, not a person.
        in.main().optionButton(u"OptionButtonFCSNone"_s).setSelected(true);
        QCOMPARE(in.message(), editor::texts::kNoHead);
        QCOMPARE(system(in, records::kIdAvailable), u"NONE"_s);
        QCOMPARE(system(in, u"ID Configuration"_s), u"None"_s);
        QCOMPARE(system(in, u"ID FCS Unit"_s), u"None"_s);
    }

    // The twins merge once however often the head comes and goes; its non-standard rows stay
    // off, and an older installation gets the close field and the switch query.
    void fcsTwins() {
        Installation in;
        // The demo's near-infrared collimator is in use.
        in.onSystem(u"DROP VIEW [CP Switches]; ALTER TABLE [Available Switches] DROP COLUMN "
                    "[Close]; DELETE FROM [Available FilterPlacement] WHERE "
                    "[ID Available] = 'FCS_EF1' AND [Position] = 6"_s);
        QCOMPARE(Installation::contentOf(in.systemPath).contains(u"NIR| |"_s), true);
        in.start();
        in.act(u"choose OptionButtonFCSBaseport\nchoose OptionButtonFCSNone\n"
               "choose OptionButtonFCSSideport"_s);
        db::Database& work = in.editor().work();
        QCOMPARE(status(in, u"Available Collimators"_s, u"NIR"_s), kOff);
        QCOMPARE(status(in, u"Available Switches"_s, u"FCS_AMIR"_s), kOff);
        QCOMPARE(status(in, u"Available Servos"_s, u"FCS_PH1X"_s), kOn);
        for (const QString& table :
             {u"Available Switches"_s, u"Available Servos"_s, u"Calibration Servos"_s,
              u"Available Interfaces"_s, u"Available Collimators"_s, u"Available Filtersets"_s})
            QCOMPARE(repeatedKeys(in, table), 0);
        QCOMPARE(work.OpenRecordset(u"SELECT * FROM pragma_table_info('Available Switches') "
                                    "WHERE name = 'Close'"_s)
                     .recordCount(),
                 1);
        QCOMPARE(work.querySql(u"CP Switches"_s),
                 in.editor().templ().querySql(u"CP Switches FCS"_s));
        QVERIFY(records::RecordExistsAt(work, u"Available FilterPlacement"_s, records::kIdAvailable,
                                        u"FCS_EF1"_s, u"Position"_s, 6));
    }
};

QTEST_GUILESS_MAIN(TestScanHead)
#include "tst_scanhead.moc"
