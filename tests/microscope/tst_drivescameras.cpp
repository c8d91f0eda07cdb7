#include "../support/WorkReaders.h"

#include <QTest>
#include <db/Recordset.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

const QString kOff = u"Do not use"_s;
const QString kOn = u" "_s;
const QString kTooLarge = u"Do not change the focus step more then 10% !"_s;

QVariant value(Installation& in, const QString& table, const QString& keyField, const QString& key,
               const QString& field) {
    return records::ReadField(in.editor().work(), table, keyField, key, field);
}
QVariant camera(Installation& in, const QString& field) {
    return value(in, records::kAvailableCameras, records::kIdAvailable, u"Kamova"_s, field);
}
QStringList usableDrives(Installation& in) {
    QStringList drives;
    for (db::Recordset rs = in.editor().work().OpenRecordset(records::kAvailableZLift); !rs.eof();
         rs.moveNext())
        if (records::IsUsable(rs.value(records::kStatus)))
            drives.append(rs.value(records::kIdPotential).toString());
    return drives;
}
QStringList items(const form::ListBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.itemText(i));
    return texts;
}
int fieldCount(Installation& in, const QString& table) {
    return int(in.editor().work().tableFields(table).size());
}

} // namespace

class TestDrivesCameras : public QObject {
    Q_OBJECT

private slots:
    // A step within 10 % of the stored one is stored; anything else, a text that is no number
    // included, is refused with the stored step shown again and a pause.
    void focusStep_data() {
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("shown");
        QTest::newRow("9 % up") << 1.0 << u"1.09"_s << false << u"1.09"_s;
        QTest::newRow("5 % down") << 1.0 << u"0.95"_s << false << u"0.95"_s;
        QTest::newRow("10 % up") << 1.0 << u"1.1"_s << true << u"1"_s;
        QTest::newRow("10 % of a small step") << 0.05 << u"0.055"_s << true << u"0.05"_s;
        QTest::newRow("10 % down") << 0.05 << u"0.045"_s << true << u"0.05"_s;
        QTest::newRow("20 % up") << 1.0 << u"1.2"_s << true << u"1"_s;
        QTest::newRow("20 % down") << 1.0 << u"0.8"_s << true << u"1"_s;
        QTest::newRow("no number") << 1.0 << u"abc"_s << true << u"1"_s;
        QTest::newRow("stored 0, 0") << 0.0 << u"0.0"_s << true << u"0"_s;
        QTest::newRow("stored 0, small") << 0.0 << u"0.001"_s << true << u"0"_s;
    }
    void focusStep() {
        QFETCH(double, stored);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(QString, shown);
        Installation in;
        in.onSystem(u"UPDATE [Available Focus Control] SET [Step Size] = %1 "
                    "WHERE [ID Available] = 'Focus'"_s.arg(stored));
        in.start();
        in.act(u"tab 1\ntype EFocusStep \"%1\""_s.arg(typed));
        QVERIFY(in.main().button(u"CmdFocusStep"_s).isEnabled());
        const int sleptBefore = in.runner->host().sleptMs();
        in.act(u"click CmdFocusStep"_s);
        QCOMPARE(value(in, u"Available Focus Control"_s, records::kIdAvailable, u"Focus"_s,
                       u"Step Size"_s)
                     .toDouble(),
                 refused ? stored : typed.toDouble());
        QCOMPARE(in.main().textBox(u"EFocusStep"_s).text(), shown);
        QCOMPARE(in.message(), refused ? kTooLarge : QString());
        QCOMPARE(in.runner->host().sleptMs() - sleptBefore, refused ? (1000 / 50 + 1) * 50 : 0);
        QVERIFY(!in.main().button(u"CmdFocusStep"_s).isEnabled());
        // The next edit takes the refusal back off the status line.
        in.act(u"type EFocusStep 7"_s);
        QCOMPARE(in.message(), QString());
    }

    // Choosing a drive leaves exactly that one usable; a drive never offered may be the
    // installed one, and unticking it then switches nothing.
    void zDrives() {
        Installation in;
        in.onSystem(u"UPDATE [Available ZLift] SET [Status] = ' '"_s);
        in.start();
        form::ListBox& drives = in.main().listBox(u"ComboZLifts"_s);
        QCOMPARE(drives.text(), u"Piezo Objective"_s); // the last usable row counts
        QVERIFY(!items(drives).contains(u"ZLift 400"_s));
        in.act(u"tab 1\nselect ComboZLifts \"HRZ 200\""_s);
        QCOMPARE(usableDrives(in), QStringList{u"HRZ 200"_s});
        in.act(u"untick CheckZLift"_s);
        QCOMPARE(usableDrives(in), QStringList());
        QVERIFY(!drives.isEnabled());
        QCOMPARE(drives.text(), u"HRZ 200"_s);
        // A readout leaves the drive that the box brings back.
        in.act(u"tab 0\ntab 1\ntick CheckZLift"_s);
        QCOMPARE(usableDrives(in), QStringList{u"HRZ 200"_s});
        QVERIFY(drives.isEnabled());

        db::Database& work = in.editor().work();
        work.execute(u"UPDATE [Available ZLift] SET [Status] = 'Do not use'; INSERT INTO "
                     "[Available ZLift] ([ID Available], [Status], [ID Potential]) VALUES "
                     "('Z4', ' ', 'ZLift 400')"_s);
        in.act(u"tab 0\ntab 1"_s);
        QVERIFY(in.main().checkBox(u"CheckZLift"_s).isChecked());
        QCOMPARE(drives.currentIndex(), -1);
        QVERIFY(!items(drives).contains(u"ZLift 400"_s));
        in.act(u"untick CheckZLift"_s);
        QCOMPARE(usableDrives(in), QStringList{u"ZLift 400"_s});
        QVERIFY(in.main().checkBox(u"CheckZLift"_s).isChecked());
    }

    // The motorized stage takes its interface with it and writes the handwheel each time.
    void motorizedStage() {
        Installation in;
        in.start();
        const QString potential = u"Potential Stages"_s;
        auto handwheel = [&] {
            return value(in, potential, records::kIdPotential, u"StageTabor"_s, u"Handwheel"_s)
                .toBool();
        };
        in.act(u"tab 1\nchoose OptionHandwheelno"_s);
        QVERIFY(!handwheel());
        in.editor().work().execute(
            u"UPDATE [Potential Stages] SET [Handwheel] = 1 WHERE [ID Potential] = 'StageTabor'"_s);
        in.act(u"untick CheckStage"_s);
        QCOMPARE(status(in, records::kAvailableStages, u"Stage"_s), kOff);
        QCOMPARE(status(in, records::kAvailableInterfaces, u"CANS"_s), kOff);
        QVERIFY(!handwheel());
        QVERIFY(!in.main().optionButton(u"OptionHandwheelyes"_s).isEnabled());
        in.act(u"tick CheckStage\nchoose OptionHandwheelyes"_s);
        QCOMPARE(status(in, records::kAvailableStages, u"Stage"_s), kOn);
        QCOMPARE(status(in, records::kAvailableInterfaces, u"CANS"_s), kOn);
        QVERIFY(handwheel());
    }

    // The piezo stage's two boxes follow each other either way; the stage's rows come from the
    // template when the installation lacks them, and its port is marked in use.
    void piezoStage_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("twin");
        QTest::newRow("Microscope page") << u"CheckPiezo"_s << u"CheckPiezo1"_s;
        QTest::newRow("Configuration page") << u"CheckPiezo1"_s << u"CheckPiezo"_s;
    }
    void piezoStage() {
        QFETCH(QString, box);
        QFETCH(QString, twin);
        Installation in;
        in.onSystem(u"DELETE FROM [Available Stages] WHERE [ID Available] = 'StageP'; DELETE FROM "
                    "[Calibration Stages] WHERE [ID Available] = 'StageP'; UPDATE [Available "
                    "Interfaces] SET [Status] = 'Do not use' WHERE [ID Available] = 'COM5'"_s);
        in.start();
        in.act(u"tab %1\ntick %2"_s.arg(box == u"CheckPiezo"_s ? 1 : 0).arg(box));
        QVERIFY(in.main().checkBox(twin).isChecked());
        QCOMPARE(status(in, records::kAvailableStages, u"StageP"_s), kOn);
        QVERIFY(records::RecordExists(in.editor().work(), u"Calibration Stages"_s,
                                      records::kIdAvailable, u"StageP"_s));
        QCOMPARE(status(in, records::kAvailableInterfaces, u"COM5"_s), kOn);
        QCOMPARE(in.main().listBox(u"ComboConnectionPiezo"_s).text(), u"COM5"_s);
        in.act(u"untick %1"_s.arg(box));
        QVERIFY(!in.main().checkBox(twin).isChecked());
        QCOMPARE(status(in, records::kAvailableStages, u"StageP"_s), kOff);
        QVERIFY(!in.main().listBox(u"ComboConnectionPiezo"_s).isEnabled());
    }

    // An older database gets the camera tables, the later fields and the query reading them.
    void olderCameraTables() {
        Installation in;
        in.onSystem(u"DROP VIEW [CP Cameras]; DROP TABLE [Available Cameras]; "
                    "DROP TABLE [Potential Cameras]"_s);
        in.start();
        QCOMPARE(fieldCount(in, records::kAvailableCameras), 7);
        QCOMPARE(fieldCount(in, records::kPotentialCameras), 8);
        QCOMPARE(camera(in, u"Adapter Magnification"_s).toDouble(), 1.0);
        for (const QString& model :
             {u"Kamova Kc"_s, u"Kamova Kc 2.0"_s, u"Kamova Km"_s, u"Kamova Km 2.0"_s})
            for (const QString& size : {u"CCD Size X"_s, u"CCD Size Y"_s})
                QCOMPARE(value(in, records::kPotentialCameras, records::kIdPotential, model, size),
                         QVariant(0));
        QCOMPARE(in.editor().work().querySql(u"CP Cameras"_s),
                 in.editor().templ().querySql(u"CP Cameras"_s));
        QVERIFY(in.main().optionButton(u"Option1mag"_s).isEnabled() == false);
    }

    // A camera chosen on a working copy without camera tables creates them as they are now.
    void cameraCreatesTables() {
        Installation in;
        in.start();
        in.editor().work().execute(u"DROP VIEW [CP Cameras]; DROP TABLE [Available Cameras]; "
                                   "DROP TABLE [Potential Cameras]"_s);
        in.act(u"tab 1\nselect ComboCamera \"Km 2.0\"\nselect ComboCameraPort SPR"_s);
        QCOMPARE(fieldCount(in, records::kAvailableCameras), 7);
        QCOMPARE(fieldCount(in, records::kPotentialCameras), 8);
        QCOMPARE(camera(in, records::kStatus).toString(), kOn);
        QCOMPARE(camera(in, records::kIdPotential).toString(), u"Kamova Km 2.0"_s);
        QCOMPARE(camera(in, u"Port"_s).toString(), u"SPR"_s);
        QVERIFY(in.editor().work().queryExists(u"CP Cameras"_s));
        QVERIFY(records::RecordExists(in.editor().work(), records::kPotentialCameras,
                                      records::kIdPotential, u"Kamova Km"_s));
    }

    // The camera is switched on with the lens the row has, and off keeping its model.
    void cameraModelAndLens() {
        Installation in;
        in.start();
        in.act(u"tab 1\nselect ComboCamera \"Km 2.0\""_s);
        QCOMPARE(camera(in, records::kIdPotential).toString(), u"Kamova Km 2.0"_s);
        QCOMPARE(camera(in, u"Adapter Magnification"_s).toDouble(), 1.0);
        QVERIFY(in.main().optionButton(u"Option1mag"_s).isSelected());
        QCOMPARE(camera(in, u"Port"_s).toString(), u"TV"_s);
        QCOMPARE(in.main().listBox(u"ComboCameraPort"_s).text(), u"FRONT"_s);
        in.act(u"select ComboCameraPort SPR"_s);
        QCOMPARE(camera(in, u"Port"_s).toString(), u"SPR"_s);
        in.act(u"choose Option063mag\nselect ComboCamera \"Kc 1.4\""_s);
        QCOMPARE(camera(in, u"Adapter Magnification"_s).toDouble(), 0.63);
        QCOMPARE(camera(in, records::kIdPotential).toString(), u"Kamova Kc"_s);
        in.act(u"select ComboCamera None"_s);
        QCOMPARE(camera(in, records::kStatus).toString(), kOff);
        QCOMPARE(camera(in, records::kIdPotential).toString(), u"Kamova Kc"_s);
        QCOMPARE(camera(in, u"Adapter Magnification"_s).toDouble(), 0.63);
        QVERIFY(!in.main().optionButton(u"Option063mag"_s).isEnabled());
        QVERIFY(!in.main().optionButton(u"Option063mag"_s).isSelected());
    }

    // The ports the heads sit on are refused and the stored port comes back, an old "TV" as
    // the front port.
    void cameraPort_data() {
        QTest::addColumn<QString>("heads");
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("taken");
        const QString none = u"choose OptionButtonFCSNone"_s;
        const QString noScanHead = u"choose OptionButtonHeadNone"_s;
        for (const char* port : {"BASE", "SPL"})
            QTest::newRow(qPrintable(u"both heads, "_s + QLatin1String(port)))
                << QString() << u"3.2.01"_s << QString::fromLatin1(port) << true;
        // The front port is shown for the stored "TV": the camera is first put elsewhere.
        QTest::newRow("both heads, FRONT")
            << u"tab 1\nselect ComboCameraPort SPR"_s << u"3.2.01"_s << u"FRONT"_s << false;
        QTest::newRow("both heads, SPR") << QString() << u"3.2.01"_s << u"SPR"_s << false;
        QTest::newRow("scan head on the base port, BASE")
            << none << u"3.2.01"_s << u"BASE"_s << true;
        QTest::newRow("scan head on the base port, SPL")
            << none << u"3.2.01"_s << u"SPL"_s << false;
        QTest::newRow("scan head on the side port, SPL") << none << u"3.2 S"_s << u"SPL"_s << true;
        QTest::newRow("scan head on the side port, BASE")
            << none << u"3.2 S"_s << u"BASE"_s << false;
        QTest::newRow("FCS head on the base port, BASE")
            << noScanHead << u"3.2.01"_s << u"BASE"_s << true;
        QTest::newRow("FCS head on the base port, SPL")
            << noScanHead << u"3.2.01"_s << u"SPL"_s << false;
        QTest::newRow("FCS head on the side port, SPL")
            << noScanHead << u"3.2 S"_s << u"SPL"_s << true;
    }
    void cameraPort() {
        QFETCH(QString, heads);
        QFETCH(QString, release);
        QFETCH(QString, port);
        QFETCH(bool, taken);
        Installation in;
        in.onSystem(u"UPDATE [Available Cameras] SET [Status] = ' '; UPDATE [System Versions] "
                    "SET [Version Name] = '%1'"_s.arg(release));
        in.start();
        in.act(heads);
        in.act(u"tab 1\nselect ComboCameraPort %1"_s.arg(port));
        QCOMPARE(camera(in, u"Port"_s).toString(), taken ? u"TV"_s : port);
        QCOMPARE(in.main().listBox(u"ComboCameraPort"_s).text(), taken ? u"FRONT"_s : port);
    }
};

QTEST_GUILESS_MAIN(TestDrivesCameras)
#include "tst_drivescameras.moc"
