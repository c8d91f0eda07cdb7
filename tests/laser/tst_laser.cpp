#include "../app/Installation.h"

#include <QTest>
#include <db/WriteFaults.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

// A line's row of the attenuator channels as the tests compare it.
struct Line {
    int channel = -1;
    QString status;
    bool notInclude = false;
};

Line line(Installation& in, int wavelength) {
    db::Recordset rs = in.editor().work().OpenRecordset(
        u"SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] = ?"_s, {wavelength});
    if (rs.eof())
        return {};
    return {rs.value(u"Channel No"_s).toInt(), records::NullToText(rs.value(u"Status"_s)),
            rs.value(u"Not Include"_s).toBool()};
}

// Lines with their channels ("458:1 488:2"), with usable status and a channel, by wavelength.
QString heldChannels(Installation& in) {
    QStringList held;
    db::Recordset rs = in.editor().work().OpenRecordset(
        u"SELECT * FROM [Available Attenuator Channels] WHERE [Channel No] <> 0 "
        "ORDER BY [Wavelength]"_s);
    for (; !rs.eof(); rs.moveNext())
        if (records::IsUsable(rs.value(u"Status"_s)))
            held << u"%1:%2"_s.arg(rs.value(u"Wavelength"_s).toInt())
                        .arg(rs.value(u"Channel No"_s).toInt());
    return held.join(u' ');
}

QString field(Installation& in, const QString& table, const QString& id, const QString& name) {
    return records::NullToText(
        records::ReadField(in.editor().work(), table, records::kIdAvailable, id, name));
}

bool checked(Installation& in, const QString& box) {
    return in.main().checkBox(box).isChecked();
}

// Makes the installation an entry-level (Kestro) one.
const QString kKestro = u"UPDATE [Available Systems] SET [ID Scan Unit] = 'KESTRO 1';"_s;
// The visible lines 458, 488, 514, 543 on channels 1 to 4, the others without a channel.
const QString kFourVisible =
    u"UPDATE [Available Attenuator Channels] SET [Channel No] = 0, [Status] = 'Do not use', "
    "[Not Include] = 1 WHERE [Wavelength] NOT IN (458, 488, 514, 543);"_s;
const QString kDriver4 = u"UPDATE [Available AOM Drivers] SET [ID Potential] = 'AA.MOD.4C' "
                         "WHERE [ID Available] = 'AOTF Driver';"_s;
const QString kDriver6 = u"UPDATE [Available AOM Drivers] SET [ID Potential] = 'AA.MOD.6C' "
                         "WHERE [ID Available] = 'AOTF Driver';"_s;

} // namespace

class TestLaser : public QObject {
    Q_OBJECT

private slots:
    // Switching a line on: the channel it gets and what it takes from the others.
    void lineGetsAChannel_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("message");

        // 633 had no channel at start-up and has no preferred one: the user is asked.
        QTest::newRow("no free channel, cancelled")
            << kFourVisible + kDriver4 << u"tick CheckLine633\nclick CmdCancel"_s
            << u"458:1 488:2 514:3 543:4"_s << QString();
        QTest::newRow("no free channel, 458 given up")
            << kFourVisible + kDriver4
            << u"tick CheckLine633\nselect ComboLines 458\nclick CmdApply"_s
            << u"488:2 514:3 543:4 633:1"_s << QString();
        QTest::newRow("the dialog closed by its window")
            << kFourVisible + kDriver4 << u"tick CheckLine633\nclose"_s
            << u"458:1 488:2 514:3 543:4"_s << QString();
        // A six-line driver leaves channel 5 and 6 free for the visible range.
        QTest::newRow("lowest free channel of the range")
            << kFourVisible + kDriver6 << u"tick CheckLine568"_s
            << u"458:1 488:2 514:3 543:4 568:5"_s << QString();
        // A UV line takes its preferred channel from a visible line.
        QTest::newRow("UV line takes its preferred channel")
            << kDriver6 +
                   u"UPDATE [Available Attenuator Channels] SET [Channel No] = 6, [Status] = ' ', "
                   "[Not Include] = 0 WHERE [Wavelength] = 568;"_s
            << u"tick CheckLine364"_s << u"364:5 458:1 488:2 514:3 543:4 568:6"_s << QString();
        // A visible line never takes the channel of the UV line that holds its preferred one.
        QTest::newRow("visible line spares a UV channel")
            << kKestro + kFourVisible +
                   u"UPDATE [Available Attenuator Channels] SET [Channel No] = 5, [Status] = ' ', "
                   "[Not Include] = 0 WHERE [Wavelength] = 364;"_s
            << u"tick CheckLine633\nclick CmdCancel"_s << u"364:5 458:1 488:2 514:3 543:4"_s
            << QString();
        QTest::newRow("line missing in both databases")
            << u"DELETE FROM [Available Attenuator Channels] WHERE [Wavelength] = 477;"_s
            << u"tick CheckLine477"_s << u"458:1 488:2 514:3 543:4 633:5"_s
            << u"Line 477 nm not exist! Database Error!"_s;
        // A line whose row is missing comes from the template.
        QTest::newRow("line imported from the template")
            << kDriver6 + u"DELETE FROM [Available Attenuator Channels] WHERE [Wavelength] = 568;"_s
            << u"tick CheckLine568"_s << u"458:1 488:2 514:3 543:4 568:6 633:5"_s << QString();
    }
    void lineGetsAChannel() {
        QFETCH(QString, setup);
        QFETCH(QString, script);
        QFETCH(QString, held);
        QFETCH(QString, message);
        Installation in;
        in.onSystem(setup);
        if (QTest::currentDataTag() == "line missing in both databases"_L1)
            db::Database::open(in.templatePath)
                ->execute(
                    u"DELETE FROM [Available Attenuator Channels] WHERE [Wavelength] = 477"_s);
        in.start();
        in.act(u"tab 2\n"_s + script);
        QCOMPARE(heldChannels(in), held);
        QCOMPARE(in.message(), message);
        // The boxes show the database: a line without a channel is cleared.
        for (int w : {458, 477, 488, 514, 543, 568, 633, 364})
            QCOMPARE(checked(in, u"CheckLine%1"_s.arg(w)), held.contains(u"%1:"_s.arg(w)));
    }

    // On an entry-level head 488 comes back to its start-up channel, or to its preferred
    // channel 2 when it had none at start-up.
    void entryLevelLineReturnsToItsChannel_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("channel");
        QTest::newRow("start-up channel") << u"UPDATE [Available Attenuator Channels] SET "
                                             "[Channel No] = 4 WHERE [Wavelength] = 488;"
                                             "UPDATE [Available Attenuator Channels] SET "
                                             "[Channel No] = 2 WHERE [Wavelength] = 543;"_s
                                          << 4;
        QTest::newRow("preferred channel") << u"UPDATE [Available Attenuator Channels] SET "
                                              "[Channel No] = 0, [Status] = 'Do not use' "
                                              "WHERE [Wavelength] IN (488, 633);"_s
                                           << 2;
    }
    void entryLevelLineReturnsToItsChannel() {
        QFETCH(QString, setup);
        QFETCH(int, channel);
        Installation in;
        in.onSystem(kKestro + setup +
                    u"UPDATE [Available Attenuator Channels] SET [Channel No] = 0 "
                    "WHERE [Wavelength] = 633"_s);
        in.start();
        in.act(u"tab 2\nuntick CheckLine488\ntick CheckLine488"_s);
        QCOMPARE(line(in, 488).channel, channel);
        QCOMPARE(line(in, 488).notInclude, false);
        QVERIFY(checked(in, u"CheckLine488"_s));
    }

    // A visible line switched off leaves the attenuator; a fixed AOTF keeps its channel for it.
    void lineSwitchedOff_data() {
        QTest::addColumn<bool>("programmable");
        QTest::addColumn<int>("wavelength");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("notInclude");
        QTest::newRow("fixed AOTF") << false << 514 << 3 << true;
        QTest::newRow("programmable AOTF") << true << 514 << 0 << false;
        QTest::newRow("UV line") << true << 364 << 0 << true;
    }
    void lineSwitchedOff() {
        QFETCH(bool, programmable);
        QFETCH(int, wavelength);
        QFETCH(int, channel);
        QFETCH(bool, notInclude);
        Installation in;
        in.onSystem(kDriver6 + u"UPDATE [Available Attenuator Channels] SET [Channel No] = 6, "
                               "[Status] = ' ', [Not Include] = 0 WHERE [Wavelength] = 364;"_s);
        if (!programmable)
            in.onSystem(u"UPDATE [Available AOM Drivers] SET [Status] = 'Do not use' "
                        "WHERE [ID Available] = 'AOTF Driver'"_s);
        in.start();
        in.act(u"tab 2\nuntick CheckLine%1"_s.arg(wavelength));
        QCOMPARE(line(in, wavelength).channel, channel);
        QCOMPARE(line(in, wavelength).notInclude, notInclude);
        QCOMPARE(line(in, wavelength).status, u" "_s);
        // Shown cleared, and cleared after a fresh read too, although a fixed AOTF keeps the
        // channel for the line.
        QVERIFY(!checked(in, u"CheckLine%1"_s.arg(wavelength)));
        in.act(u"tab 0\ntab 2"_s);
        QVERIFY(!checked(in, u"CheckLine%1"_s.arg(wavelength)));
        // The kept channel is still held when another line looks for one.
        if (channel != 0)
            QVERIFY(in.session->pages().laser.channels().ChooseChannel(
                        0, laser::AttenuatorChannels::Visible) != channel);
    }

    // The attenuator type of the entry-level head follows the 405 and 633 lines.
    void entryLevelAttenuatorType() {
        Installation in;
        in.onSystem(kKestro + u"INSERT INTO [Available Servos] ([ID Available], [Status], "
                              "[Control FirmwareOffset]) VALUES ('ATT Servo 5', ' ', 'Offset 5');"
                              "INSERT INTO [Available Firmware Parameters] ([ID Available], "
                              "[Status]) VALUES ('Offset 5', ' ')"_s);
        in.start();
        in.act(u"tab 2\nuntick CheckLine633"_s);
        // The servo of the line's channel and its firmware offset follow the line.
        QCOMPARE(field(in, u"Available Servos"_s, u"ATT Servo 5"_s, u"Status"_s), u"Do not use"_s);
        QCOMPARE(field(in, u"Available Firmware Parameters"_s, u"Offset 5"_s, u"Status"_s),
                 u"Do not use"_s);
        QCOMPARE(field(in, u"Available AOMs"_s, u"Kestro Attenuator"_s, u"ID Potential"_s),
                 u"Kestro Attenuator4"_s);
        in.act(u"tick CheckLine633"_s);
        QCOMPARE(field(in, u"Available AOMs"_s, u"Kestro Attenuator"_s, u"ID Potential"_s),
                 u"Kestro Attenuator5"_s);
        QCOMPARE(field(in, u"Available Servos"_s, u"ATT Servo 5"_s, u"Status"_s), u" "_s);
    }

    // A failed write inside the line switch leaves it free for the next click.
    void failedLineSwitchCanRunAgain() {
        Installation in;
        in.start();
        in.act(u"tab 2"_s);
        db::faults::failAt(1);
        in.act(u"untick CheckLine514"_s);
        db::faults::disarm();
        QCOMPARE(line(in, 514).notInclude, false);
        QVERIFY(checked(in, u"CheckLine514"_s));
        in.act(u"untick CheckLine514"_s);
        QCOMPARE(line(in, 514).channel, 0);
        QVERIFY(!checked(in, u"CheckLine514"_s));
    }

    // The start-up table: what each line held when the editor started, the tunable line by
    // its range.
    void startupChannels() {
        Installation in;
        in.onSystem(u"UPDATE [Available Attenuator Channels] SET [Channel No] = 6, [Status] = ' ', "
                    "[Not Include] = 0 WHERE [Wavelength] = 800"_s);
        in.start();
        laser::AttenuatorChannels& channels = in.session->pages().laser.channels();
        QCOMPARE(channels.StartupChannelOf(488), 2);
        QCOMPARE(channels.StartupChannelOf(477), 0);
        QCOMPARE(channels.StartupChannelOf(920), 6);
        QCOMPARE(channels.FindFreeChannel(laser::AttenuatorChannels::Visible), 0);
        QCOMPARE(channels.FindFreeChannel(laser::AttenuatorChannels::Ultraviolet), 0);
        // The table is not filled again while the editor runs.
        in.act(u"tab 2\nuntick CheckLine488"_s);
        channels.LoadStartupChannels();
        QCOMPARE(channels.StartupChannelOf(488), 2);
    }

    // The driver list chooses the driver type, and with it the visible channels.
    void driverChannels() {
        Installation in;
        in.onSystem(kFourVisible + kDriver4);
        in.start();
        in.act(u"tab 2\nselect ComboAOTFChannels 5"_s);
        QCOMPARE(field(in, u"Available AOM Drivers"_s, u"AOTF Driver"_s, u"ID Potential"_s),
                 u"AA.MOD.5C"_s);
        in.act(u"tick CheckLine568"_s);
        QCOMPARE(line(in, 568).channel, 5);
    }

    // The programmable AOTF switches its driver and the kind of its lines.
    void programmableAotf() {
        Installation in;
        in.start();
        in.act(u"tab 2\nuntick CheckProgrAOTF"_s);
        QCOMPARE(field(in, u"Available AOM Drivers"_s, u"AOTF Driver"_s, u"Status"_s),
                 u"Do not use"_s);
        QVERIFY(!in.main().listBox(u"ComboAOTFChannels"_s).isEnabled());
        QVERIFY(!in.main().listBox(u"ComboConnectionAOTF"_s).isEnabled());
        auto kindOf = [&in](int channel) {
            return records::NullToText(
                records::ReadFieldByNumber(in.editor().work(), u"Available AOTF Lines"_s,
                                           u"Channel"_s, channel, u"Kind of Wavelength Change"_s));
        };
        QCOMPARE(kindOf(2), u"fixed"_s);
        // The driver's port still serves the Enterprise laser.
        QCOMPARE(field(in, u"Available Interfaces"_s, u"COM2"_s, u"Status"_s), u" "_s);
        in.act(u"tick CheckProgrAOTF"_s);
        QCOMPARE(field(in, u"Available AOM Drivers"_s, u"AOTF Driver"_s, u"Status"_s), u" "_s);
        QCOMPARE(kindOf(2), u"switchable"_s);
        QCOMPARE(kindOf(6), u"fixed"_s); // the NLO line is not included
        QVERIFY(in.main().listBox(u"ComboConnectionAOTF"_s).isEnabled());
        QCOMPARE(in.main().listBox(u"ComboConnectionAOTF"_s).text(), u"COM2"_s);
        QCOMPARE(in.main().listBox(u"ComboAOTFChannels"_s).text(), u"6"_s);
    }

    // The UV modulator numbers its included lines 1, 2 while in use, 5, 6 while not.
    void uvLinesNumbered() {
        Installation in;
        in.onSystem(u"UPDATE [Available Attenuator Channels] SET [Channel No] = 5, "
                    "[Not Include] = 0 WHERE [Wavelength] = 351;"
                    "UPDATE [Available Attenuator Channels] SET [Channel No] = 6, "
                    "[Not Include] = 0 WHERE [Wavelength] = 364;"_s);
        in.start();
        laser::AotfDrivers& drivers = in.session->pages().laser.drivers();
        auto lines = [&in] {
            QList<int> numbers;
            for (int channel : {5, 6})
                numbers << records::ReadFieldByNumber(in.editor().work(), u"Available AOTF Lines"_s,
                                                      u"Channel"_s, channel, u"Line"_s)
                               .toInt();
            return numbers;
        };
        drivers.SetUvAotf(true);
        QCOMPARE(lines(), QList<int>({1, 2}));
        QCOMPARE(field(in, u"Available AOMs"_s, u"AOTF UV"_s, u"Status"_s), u" "_s);
        drivers.SetUvAotf(false);
        QCOMPARE(lines(), QList<int>({5, 6}));
        QCOMPARE(field(in, u"Available AOMs"_s, u"AOTF UV"_s, u"Status"_s), u"Do not use"_s);
    }

    // The two resets ask first; No changes nothing.
    void resets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("kestro");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("probe"); // SQL of one value that the reset sets
        QTest::addColumn<QString>("after");
        const QString frequency = u"SELECT [Minimum Frequency] FROM [Calibration AOM Drivers] "
                                  "WHERE [ID Available] = 'NLO AOM Driver'"_s;
        const QString b1 =
            u"SELECT GROUP_CONCAT(CAST([b1] AS INTEGER)) FROM [Calibration Attenuator Channels]"_s;
        const QString aomTitle = u"Reset AOM frequency to standard values"_s;
        const QString calibrationTitle = u"Reset all AOTF calibration data"_s;
        QTest::newRow("frequency, yes")
            << u"CmdAOMReset"_s << true << false << aomTitle << frequency << u"85"_s;
        QTest::newRow("frequency, no")
            << u"CmdAOMReset"_s << false << false << aomTitle << frequency << u"12"_s;
        QTest::newRow("calibration, yes")
            << u"CmdResetAOMCalibration"_s << true << false << calibrationTitle << b1 << u"1,1,1"_s;
        QTest::newRow("calibration, entry-level head")
            << u"CmdResetAOMCalibration"_s << true << true << calibrationTitle << b1
            << u"999,999,999"_s;
        QTest::newRow("calibration, no")
            << u"CmdResetAOMCalibration"_s << false << true << calibrationTitle << b1 << u"7,7,7"_s;
    }
    void resets() {
        QFETCH(QString, button);
        QFETCH(bool, yes);
        QFETCH(bool, kestro);
        QFETCH(QString, title);
        QFETCH(QString, probe);
        QFETCH(QString, after);
        Installation in;
        in.onSystem(u"UPDATE [Calibration AOM Drivers] SET [Minimum Frequency] = 12;"
                    "DELETE FROM [Calibration Attenuator Channels] WHERE [Wavelength] > 405;"
                    "UPDATE [Calibration Attenuator Channels] SET [b1] = 7, [a1] = 3"_s);
        if (kestro)
            in.onSystem(kKestro);
        in.recordBoxes = true;
        in.start();
        in.act(u"tab 2"_s);
        in.press(button, {yes});
        QCOMPARE(in.recording.boxes.size(), 1);
        QCOMPARE(in.recording.boxes.first().text, u"Are You sure ?"_s);
        QCOMPARE(in.recording.boxes.first().title, title);
        db::Recordset rs = in.editor().work().OpenRecordset(probe);
        QCOMPARE(rs.value(0).toString(), after);
    }

    // The grid shows the lines that hold a channel; Apply writes them back.
    void wavelengthGrid_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("held");
        QTest::newRow("two lines swapped")
            << QString() << u"choose Option5(1)\nchoose Option7(0)\nclick CmdApply"_s
            << u"458:2 488:1 514:3 543:4 633:5"_s;
        QTest::newRow("a channel chosen twice is refused")
            << QString()
            << u"choose Option7(2)\nclick CmdApply\n"
               "ok \"Channel 3 is multiple checked, you must change !\"\nclose"_s
            << u"458:1 488:2 514:3 543:4 633:5"_s;
        QTest::newRow("two lines off")
            << QString() << u"choose Option5(6)\nchoose Option8(6)\nclick CmdApply"_s
            << u"488:2 543:4 633:5"_s;
        // A line left out of the attenuator keeps its channel whatever its row shows.
        QTest::newRow("a line left out keeps its channel")
            << u"UPDATE [Available Attenuator Channels] SET [Not Include] = 1 "
               "WHERE [Wavelength] = 514"_s
            << u"choose Option8(5)\nclick CmdApply"_s << u"458:1 488:2 514:3 543:4 633:5"_s;
        QTest::newRow("closed without Apply")
            << QString() << u"choose Option5(5)\nclose"_s << u"458:1 488:2 514:3 543:4 633:5"_s;
        QTest::newRow("tunable line")
            << u"UPDATE [Available Attenuator Channels] SET [Channel No] = 6, [Status] = ' ', "
               "[Not Include] = 0 WHERE [Wavelength] = 800"_s
            << u"choose Option12(6)\nchoose Option11(5)\nclick CmdApply"_s
            << u"458:1 488:2 514:3 543:4 633:6"_s;
    }
    void wavelengthGrid() {
        QFETCH(QString, setup);
        QFETCH(QString, script);
        QFETCH(QString, held);
        Installation in;
        if (!setup.isEmpty())
            in.onSystem(setup);
        in.start();
        in.act(u"click CmdLaserConnect\n"_s + script);
        QCOMPARE(heldChannels(in), held);
        QVERIFY(!in.forms->form(u"FormWavelengthToLine"_s)->isVisible());
    }

    // Only the lines that hold a channel can be changed; a line without one stays at "off" and
    // is written back without a channel.
    void gridActivation() {
        Installation in;
        in.onSystem(u"UPDATE [Available Attenuator Channels] SET [Status] = ' ' "
                    "WHERE [Wavelength] = 568"_s);
        in.start();
        in.act(u"click CmdLaserConnect\n"
               "expect Option5(0) selected true\n"
               "expect Option5(3) enabled true\n"
               "expect Option10(6) selected true\n"
               "expect Option10(6) enabled false\n"
               "expect Option1(0) enabled false\n"
               "click CmdApply"_s);
        QCOMPARE(line(in, 568).channel, 0);
        QCOMPARE(heldChannels(in), u"458:1 488:2 514:3 543:4 633:5"_s);
    }

    // Two lines on one channel: the page warns once per visit.
    void sharedChannelWarnedOnce() {
        Installation in;
        in.onSystem(u"UPDATE [Available Attenuator Channels] SET [Channel No] = 3 "
                    "WHERE [Wavelength] = 543"_s);
        in.recordBoxes = true;
        in.start();
        in.recording.boxes.clear();
        in.act(u"tab 2"_s);
        QCOMPARE(in.boxTexts(), QStringList{u"Channels are multiple checked, you must change !"_s});
        // The rebuild writes nothing.
        const QString before = Installation::contentOf(in.workCopy());
        in.act(u"tab 0\ntab 2"_s);
        QCOMPARE(Installation::contentOf(in.workCopy()), before);
    }
};

QTEST_GUILESS_MAIN(TestLaser)
#include "tst_laser.moc"
