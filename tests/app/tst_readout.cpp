#include "Installation.h"

#include <QTest>
#include <app/Readout.h>
#include <app/Startup.h>
#include <editor/Texts.h>
#include <records/RecordHelpers.h>

using records::kAvailableSystems;
using records::kIdAvailable;

namespace {

// Every table's fields and row count and every stored query, to tell whether a readout added
// anything.
QStringList shapeOf(db::Database& database) {
    QStringList shape;
    for (const QString& table : database.tableNames()) {
        QStringList fields;
        for (const db::Field& field : database.tableFields(table))
            fields.append(field.name);
        shape.append(QStringLiteral("%1 (%2) %3")
                         .arg(table, fields.join(u','))
                         .arg(database.OpenRecordset(table).recordCount()));
    }
    for (const db::QueryDef& query : database.queryDefs())
        shape.append(query.name + u'=' + query.sql);
    return shape;
}

} // namespace

class TestReadout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void releaseMark_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("marked");
        QTest::newRow("one point") << QStringLiteral("3.2") << QStringLiteral("3.2");
        QTest::newRow("build digit") << QStringLiteral("3.2.0x") << QStringLiteral("3.2.01");
        QTest::newRow("longer") << QStringLiteral("3.2.05 SP2") << QStringLiteral("3.2.01 SP2");
        QTest::newRow("too short") << QStringLiteral("3.2.0") << QStringLiteral("3.2.0");
        QTest::newRow("no point") << QStringLiteral("3") << QStringLiteral("3");
    }
    void releaseMark() {
        QFETCH(QString, version);
        QFETCH(QString, marked);
        QCOMPARE(app::Readout::markRelease(version), marked);
        Installation in;
        in.onSystem(
            QStringLiteral("UPDATE [System Versions] SET [Version Name] = '%1'").arg(version));
        in.start();
        if (!app::Startup::releaseAllowed(version))
            return;
        db::Recordset rs = in.editor().work().OpenRecordset(records::kSystemVersions);
        QCOMPARE(rs.value(records::kVersionName).toString(), marked);
    }

    void systemRowAndNames() {
        Installation in;
        in.onSystem(QStringLiteral(
            "UPDATE [Available Systems] SET [ID Configuration] = 'Lab & Co && more', "
            "[ID Available] = 'Ombrix 2'"));
        in.start();
        QCOMPARE(in.main().label(QStringLiteral("LConfiguration")).caption(),
                 QStringLiteral("Lab && Co &&&& more"));
        QCOMPARE(
            in.forms->form(QStringLiteral("FormEditConf"))->textBox(QStringLiteral("EConf")).text(),
            QStringLiteral("Lab & Co && more"));
        QCOMPARE(in.editor().configurationName(), QStringLiteral("Lab & Co && more"));
        QCOMPARE(in.message(), QStringLiteral("Warning : Database is Ombrix !"));
        QVERIFY(in.runner->host().beeps() >= 1);

        // Editing the name writes the first system row and shows the new name.
        in.act(QStringLiteral("click CmdEditConf\ntype EConf \"Cells & Tissue\"\nclick CmdOK"));
        QCOMPARE(in.main().label(QStringLiteral("LConfiguration")).caption(),
                 QStringLiteral("Cells && Tissue"));
        QCOMPARE(records::NullToText(records::ReadField(
                     in.editor().work(), kAvailableSystems, QStringLiteral("ID Available"),
                     QStringLiteral("Ombrix 2"), QStringLiteral("ID Configuration"))),
                 QStringLiteral("Cells & Tissue"));
        // Cancel writes nothing.
        in.act(QStringLiteral("click CmdEditConf\ntype EConf other\nclick CmdCancel"));
        QCOMPARE(in.main().label(QStringLiteral("LConfiguration")).caption(),
                 QStringLiteral("Cells && Tissue"));
    }

    void headStates_data() {
        QTest::addColumn<QString>("stand");
        QTest::addColumn<QString>("scanUnit");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("scanUnitFlag");
        QTest::addColumn<bool>("scanHeadPage");
        QTest::newRow("inverted, base port")
            << QStringLiteral("InvertaM2") << QStringLiteral("VTX 2") << "OptionButtonHeadBasePort"
            << true << true;
        QTest::newRow("inverted, empty")
            << QStringLiteral("InvertaM2") << QString() << "OptionButtonHeadNone" << false << false;
        QTest::newRow("inverted, None") << QStringLiteral("InvertaM2") << QStringLiteral("None")
                                        << "OptionButtonHeadNone" << false << false;
        QTest::newRow("inverted, none") << QStringLiteral("InvertaM2") << QStringLiteral("none")
                                        << "OptionButtonHeadNone" << false << false;
        QTest::newRow("upright, none") << QStringLiteral("Erecta") << QStringLiteral("none")
                                       << "OptionButtonHeadUpright" << false << true;
        QTest::newRow("upright, head") << QStringLiteral("Erecta") << QStringLiteral("VTX 2")
                                       << "OptionButtonHeadUpright" << true << true;
    }
    void headStates() {
        QFETCH(QString, stand);
        QFETCH(QString, scanUnit);
        QFETCH(QString, selected);
        QFETCH(bool, scanUnitFlag);
        QFETCH(bool, scanHeadPage);
        Installation in;
        in.onSystem(QStringLiteral(
                        "UPDATE [Available Systems] SET [ID Stand] = '%1', [ID Scan Unit] = '%2'")
                        .arg(stand, scanUnit));
        in.start();
        QVERIFY(in.main().optionButton(selected).isSelected());
        QCOMPARE(in.editor().flags().invertedStand,
                 stand.contains(QStringLiteral("Vert"), Qt::CaseInsensitive));
        QCOMPARE(in.editor().flags().scanUnit, scanUnitFlag);
        QCOMPARE(in.main().tabControl(QStringLiteral("SSTab1")).isPageEnabled(editor::PageScanHead),
                 scanHeadPage);
        QCOMPARE(in.main().optionButton(QStringLiteral("OptionButtonHeadUpright")).isEnabled(),
                 !in.editor().flags().invertedStand);
    }

    void secondReadoutAddsNothing() {
        Installation in;
        in.start();
        db::Database& work = in.editor().work();
        const QStringList shape = shapeOf(work);
        work.execute(QStringLiteral("UPDATE [Available Lamps] SET [Delay ms] = NULL"));
        in.session->readout().Refresh();
        QCOMPARE(shapeOf(work), shape);
        QVERIFY(work.OpenRecordset(
                        QStringLiteral("SELECT * FROM [Available Lamps] WHERE [Delay ms] IS NULL"))
                    .eof());
        QVERIFY(!work.OpenRecordset(
                         QStringLiteral("SELECT * FROM [Available Lamps] WHERE [Delay ms] = 1000"))
                     .eof());
    }

    // A readout puts every derived value right; where all of them are right already it writes
    // nothing, so that the working copy is not rewritten with every action (the attenuator
    // channel of a line in use is not written away and back either).
    void aReadoutThatChangesNothingWritesNothing() {
        Installation in;
        in.start();
        const auto changeCounter = [&] {
            QFile file(in.editor().workCopyPath());
            if (!file.open(QIODevice::ReadOnly) || !file.seek(24))
                return QByteArray();
            return file.read(4);
        };
        in.session->readout().Refresh();
        const QByteArray before = changeCounter();
        QCOMPARE(before.size(), 4);
        db::Recordset ir = in.editor().work().OpenRecordset(QStringLiteral(
            "SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] > 700"));
        QVERIFY(!ir.eof());
        const int channel = ir.value(QStringLiteral("Channel No")).toInt();
        QVERIFY(channel != 0);
        for (int i = 0; i < 2; ++i)
            in.session->readout().Refresh();
        QCOMPARE(changeCounter(), before);
        ir = in.editor().work().OpenRecordset(QStringLiteral(
            "SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] > 700"));
        QCOMPARE(ir.value(QStringLiteral("Channel No")).toInt(), channel);
    }

    void olderLayoutIsUpgraded() {
        Installation in;
        // A working copy of an older release: no camera tables, no image flip and delay fields,
        // the calibration row of the AOTF driver under its old name.
        in.onSystem(QStringLiteral(
            "DROP VIEW IF EXISTS [CP Cameras]; DROP TABLE [Available Cameras]; DROP TABLE "
            "[Potential Cameras];"
            "DROP VIEW IF EXISTS [CP Dsps]; ALTER TABLE [Available Dsps] DROP COLUMN [Mirror X];"
            "DROP VIEW IF EXISTS [CP Objectives]; ALTER TABLE [Available Objective Lenses] DROP "
            "COLUMN [Field Correction];"
            "UPDATE [Calibration AOM Drivers] SET [ID Available] = 'AOTF 4 PR' WHERE [ID "
            "Available] = 'AOTF Driver';"));
        in.start();
        db::Database& work = in.editor().work();
        QVERIFY(records::TableExists(work, QStringLiteral("Available Cameras")));
        QVERIFY(!work.OpenRecordset(QStringLiteral("Potential Cameras")).eof());
        QVERIFY(work.queryExists(QStringLiteral("CP Cameras")));
        work.OpenRecordset(QStringLiteral("CP Cameras"));
        QCOMPARE(work.columnType(QStringLiteral("Available Dsps"), QStringLiteral("Mirror X")),
                 db::FieldType::Boolean);
        QVERIFY(work.queryExists(QStringLiteral("CP Dsps")));
        QVERIFY(work.OpenRecordset(
                        QStringLiteral("SELECT * FROM [Available Objective Lenses] WHERE "
                                       "[Field Correction] IS NULL OR [Field Correction] <> 0"))
                    .eof());
        QVERIFY(records::RecordExists(work, QStringLiteral("Calibration AOM Drivers"), kIdAvailable,
                                      QStringLiteral("AOTF Driver")));
        QCOMPARE(in.message(), QStringLiteral("Calibration AOM Drivers table corrected!"));
        QCOMPARE(
            in.main().listBox(QStringLiteral("ComboCamera")).findText(QStringLiteral("Kc 2.0")), 2);
        QVERIFY(
            in.main().listBox(QStringLiteral("ComboCamera")).findText(QStringLiteral("Km 1.4")) >=
            0);
    }

    void stepVoltagesFromTheRegistry() {
        Installation in;
        in.writeRegistry(QStringLiteral("\"Path\"=\"%1\"\n").arg(in.systemPath),
                         QStringLiteral("\"Voltage 0\"=\"100\"\n\"Voltage 1\"=\"10.5\"\n\"Voltage "
                                        "2\"=\"1\"\n\"Voltage 3\"=\"0.1\"\n"));
        in.start();
        QCOMPARE(in.main().textBox(QStringLiteral("EU100")).text(), QStringLiteral("100.00"));
        QCOMPARE(in.main().textBox(QStringLiteral("EU10")).text(), QStringLiteral("10.50"));
        QCOMPARE(in.main().textBox(QStringLiteral("EU01")).text(), QStringLiteral("0.10"));
        QCOMPARE(in.session->pages().fcs.lastVoltages()[1], QStringLiteral("10.5"));
    }

    void standListSelectsByStandAndFilterWheel() {
        Installation in;
        // Two rows of the stand list share the stand id "Plan"; the first filter wheel decides.
        db::Recordset plans =
            db::Database::open(in.templatePath)
                ->OpenRecordset(QStringLiteral(
                    "SELECT * FROM [Available Microscopes] WHERE [ID Stand] = 'Plan'"));
        QVERIFY(plans.recordCount() >= 2);
        plans.moveLast();
        const QString wanted = plans.value(QStringLiteral("Microscope")).toString();
        const QString wheel = plans.value(QStringLiteral("ID Potential FW1")).toString();
        in.onSystem(QStringLiteral("UPDATE [Available Systems] SET [ID Stand] = 'Plan';"
                                   "UPDATE [Available Filtersets] SET [ID Potential] = '%1' WHERE "
                                   "[ID Available] = 'FW1'")
                        .arg(wheel));
        in.start();
        QCOMPARE(in.main().listBox(QStringLiteral("ComboMicroscops")).text(), wanted);
        QCOMPARE(in.main().label(QStringLiteral("LIDMicroscope")).caption(), wanted);
        QVERIFY(
            !in.main().listBox(QStringLiteral("ComboZoomex")).isEnabled()); // not the Inverta M2
        QVERIFY(!in.main().label(QStringLiteral("LabelPort")).isVisible());
    }

    void nddMasterSwitch() {
        Installation in;
        in.onSystem(QStringLiteral("UPDATE [Available Systems] SET [NDD] = 1"));
        in.start();
        QVERIFY(in.main().checkBox(QStringLiteral("CheckNDD")).isChecked());
        QVERIFY(in.main().tabControl(QStringLiteral("SSTab1")).isPageEnabled(editor::PageNdd));
        in.act(QStringLiteral("untick CheckNDD"));
        QVERIFY(!in.main().tabControl(QStringLiteral("SSTab1")).isPageEnabled(editor::PageNdd));
        QCOMPARE(in.editor().work().OpenRecordset(kAvailableSystems).value(QStringLiteral("NDD")),
                 QVariant(false));
    }
};

QTEST_GUILESS_MAIN(TestReadout)
#include "tst_readout.moc"
