#include "../support/WorkReaders.h"

#include <QSet>
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

// The UV and visible lines with their channels ("458:1 488:2"), with usable status and a
// channel, by wavelength.
QString heldChannels(Installation& in) {
    QStringList held;
    db::Recordset rs = in.editor().work().OpenRecordset(
        u"SELECT * FROM [Available Attenuator Channels] WHERE [Channel No] <> 0 "
        "AND [Wavelength] <= 650 ORDER BY [Wavelength]"_s);
    for (; !rs.eof(); rs.moveNext())
        if (records::IsUsable(rs.value(u"Status"_s)))
            held << u"%1:%2"_s.arg(rs.value(u"Wavelength"_s).toInt())
                        .arg(rs.value(u"Channel No"_s).toInt());
    return held.join(u' ');
}

// Compares fields written by an action: "table|id|field=value" each, keyed by ID Available.
void compareRows(Installation& in, const QStringList& rows) {
    for (const QString& entry : rows) {
        const qsizetype equals = entry.indexOf(u'=');
        const QStringList where = entry.left(equals).split(u'|');
        QCOMPARE(where.size(), 3);
        QCOMPARE(where[0] + u'|' + where[1] + u'|' + where[2] + u'=' +
                     field(in, where[0], where[1], where[2]),
                 entry);
    }
}

bool checked(Installation& in, const QString& box) {
    return in.main().checkBox(box).isChecked();
}

// Every laser of the module in use, so that every line box can be clicked.
const QString kAllLasers =
    u"UPDATE [Available Lasers] SET [Status] = ' ' WHERE [ID Available] IN "
    "('Argon/2', 'Ar/Kr', 'Laser Diode 405', 'Enterprise', 'Krypton 413');"_s;
// The near-infrared laser and its line switched off, leaving channel 6 free.
const QString kNoNlo =
    u"UPDATE [Available Lasers] SET [Status] = 'Do not use' WHERE [ID Available] = 'Mai Tai';"
    "UPDATE [Available Attenuator Channels] SET [Channel No] = 0, [Status] = 'Do not use', "
    "[Not Include] = 1 WHERE [Wavelength] = 800;"_s;
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
        in.onSystem(kAllLasers + kNoNlo + setup);
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
        in.onSystem(kAllLasers + kNoNlo + kDriver6 +
                    u"UPDATE [Available Attenuator Channels] SET [Channel No] = 6, "
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
        in.onSystem(kAllLasers + kFourVisible + kDriver4);
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
        QCOMPARE(kindOf(6), u"tunable"_s); // the near-infrared laser's line is its own
        QVERIFY(in.main().listBox(u"ComboConnectionAOTF"_s).isEnabled());
        QCOMPARE(in.main().listBox(u"ComboConnectionAOTF"_s).text(), u"COM2"_s);
        QCOMPARE(in.main().listBox(u"ComboAOTFChannels"_s).text(), u"5"_s);
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
            << kNoNlo + u"UPDATE [Available Attenuator Channels] SET [Not Include] = 1 "
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

    // A laser box switches its row, its lines, its switch or port and the drivers, and clears
    // the boxes of the lasers it excludes, whose handlers switch those off.
    void laserSources_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("script"); // after "tab 2"; its expect lines check the page
        QTest::addColumn<QStringList>("rows");
        const QString lasers = u"Available Lasers|"_s;
        QTest::newRow("ArKr, then Argon")
            << QString()
            << u"tick CheckArKr\ntick CheckArgon\nexpect CheckArKr checked false\n"
               "expect CheckLine568 checked false\nexpect CheckLine568 enabled false\n"
               "expect CheckLine488 checked true\nexpect CheckLine514 enabled true\n"
               "expect CheckLine514 checked false"_s
            << QStringList{lasers + u"Ar/Kr|Status=Do not use"_s, lasers + u"Argon|Status= "_s,
                           u"Available Status Signals|Laser Power 1|Characteristic=Argon"_s};
        QTest::newRow("Argon/2 on an entry-level head")
            << kKestro
            << u"tick CheckArgon2\nexpect CheckArgon checked false\n"
               "expect CheckLine477 enabled false\nexpect CheckLine477 checked false"_s
            << QStringList{lasers + u"Argon/2|Status=Dummy"_s,
                           lasers + u"Argon|Status=Do not use"_s,
                           u"Available Status Signals|Laser Ready 1|Characteristic=Argon/2"_s};
        QTest::newRow("Argon/2 row imported")
            << u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Argon/2'"_s
            << u"tick CheckArgon2\nexpect CheckLine477 enabled true"_s
            << QStringList{lasers + u"Argon/2|Status= "_s};
        QTest::newRow("Enterprise over the 405 diode")
            << kNoNlo + u"UPDATE [Available Lasers] SET [Status] = ' ' "
                        "WHERE [ID Available] = 'Laser Diode 405'"_s
            << u"tick CheckEnterprise\nexpect CheckBlueLaser checked false\n"
               "expect CheckNLO enabled false\nexpect CheckLine351 checked true\n"
               "expect ComboConnectionUVLaser text COM2"_s
            << QStringList{lasers + u"Laser Diode 405|Status=Do not use"_s,
                           lasers + u"Enterprise|Status= "_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.4C"_s,
                           u"Available AOMs|AOTF UV|Status= "_s,
                           u"Available Collimators|UV/Vis|Status= "_s,
                           u"Available Switches|LD405 Switch|Status=Do not use"_s};
        QTest::newRow("the last UV laser cleared")
            << kNoNlo + u"UPDATE [Available Lasers] SET [Status] = ' ' "
                        "WHERE [ID Available] = 'Krypton 413'"_s
            << u"untick CheckKr413\nexpect CheckNLO enabled true\n"
               "expect OptionNLOLaserMaiTai enabled true\nexpect ComboConnectionUVLaser text \"\""_s
            << QStringList{lasers + u"Krypton 413|Status=Do not use"_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.6C"_s,
                           u"Available AOMs|AOTF UV|Status=Do not use"_s};
        QTest::newRow("a UV laser cleared while another stays")
            << kNoNlo + u"UPDATE [Available Lasers] SET [Status] = ' ' "
                        "WHERE [ID Available] IN ('Krypton 413', 'Laser Diode 405')"_s
            << u"untick CheckKr413\nexpect CheckNLO enabled false"_s
            << QStringList{lasers + u"Krypton 413|Status=Do not use"_s};
        QTest::newRow("Krypton rows imported")
            << kNoNlo + u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Krypton 413';"
                        "DELETE FROM [Available Laser Wavelength] WHERE [Wavelength] = 413"_s
            << u"tick CheckKr413\nexpect CheckLine413 checked true"_s
            << QStringList{lasers + u"Krypton 413|Status= "_s,
                           u"Available Laser Wavelength|Krypton 413|Wavelength=413"_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.5C"_s};
        QTest::newRow("the 405 diode with its switch")
            << kNoNlo
            << u"tick CheckBlueLaser\nexpect CheckLine405 checked true\n"
               "expect CheckNLO enabled false"_s
            << QStringList{lasers + u"Laser Diode 405|Status= "_s,
                           u"Available Switches|LD405 Switch|Status= "_s,
                           u"Available Switches|LD405 Switch|Initial Position=undefined"_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.5C"_s};
        QTest::newRow("red HeNe over the 405 diode on an entry-level head")
            << kKestro + u"UPDATE [Available Lasers] SET [Status] = 'Do not use' "
                         "WHERE [ID Available] = 'HeNe2';"
                         "UPDATE [Available Lasers] SET [Status] = 'Dummy' "
                         "WHERE [ID Available] = 'Laser Diode 405';"_s
            << u"tick CheckHeNeRed\nexpect CheckBlueLaser checked false"_s
            << QStringList{lasers + u"HeNe2|Status=Dummy"_s,
                           lasers + u"Laser Diode 405|Status=Do not use"_s,
                           u"Available Switches|HeNe2 Switch|Status=Dummy"_s};
        QTest::newRow("green HeNe off")
            << QString() << u"untick CheckHeNeGreen\nexpect CheckLine543 enabled false"_s
            << QStringList{lasers + u"HeNe1|Status=Do not use"_s};
        QTest::newRow("dampening") << QString() << u"tick CheckFading"_s
                                   << QStringList{u"Available DACs|DAC413|Status= "_s};
        QTest::newRow("FCS mirror with its servo")
            << QString() << u"tick CheckBMIR\nuntick CheckAMIR"_s
            << QStringList{u"Available Switches|FCS_BMIR|Status= "_s,
                           u"Available Servos|FCS_BMIR|Status= "_s,
                           u"Available Servos|FCS_AMIR|Status=Do not use"_s};
    }
    void laserSources() {
        QFETCH(QString, setup);
        QFETCH(QString, script);
        QFETCH(QStringList, rows);
        Installation in;
        if (!setup.isEmpty())
            in.onSystem(setup);
        in.start();
        in.act(u"tab 2\n"_s + script);
        compareRows(in, rows);
        // Two usable lines never share a channel after a laser switch.
        const QStringList held = heldChannels(in).split(u' ', Qt::SkipEmptyParts);
        QSet<QString> channels;
        for (const QString& line : held)
            channels.insert(line.section(u':', 1));
        QCOMPARE(channels.size(), held.size());
    }

    // The special value: the number the text begins with, for the first argon-type laser in
    // use; a text without a number writes nothing.
    void specialValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("argon");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << u"12.5"_s << u"12.5"_s << u"12.5"_s;
        QTest::newRow("number with its unit") << u"12.5 mW"_s << u"12.5"_s << u"12.5"_s;
        QTest::newRow("no number") << u"mW"_s << u"4.5"_s << u"4.5"_s;
        QTest::newRow("empty") << QString() << u"4.5"_s << u"4.5"_s;
    }
    void specialValue() {
        QFETCH(QString, text);
        QFETCH(QString, argon);
        QFETCH(QString, shown);
        Installation in;
        in.onSystem(u"UPDATE [Available Lasers] SET [Status] = ' ' WHERE [ID Available] = "
                    "'Argon/2'"_s);
        in.start();
        in.act(u"tab 2\ntype ESpecialValue \"%1\"\nclick CmdApplySpecialValue\n"
               "expect CmdApplySpecialValue enabled false\nexpect ESpecialValue text %2"_s.arg(
                   text, shown));
        QCOMPARE(field(in, u"Available Lasers"_s, u"Argon"_s, u"Special Value"_s), argon);
        QCOMPARE(field(in, u"Available Lasers"_s, u"Argon/2"_s, u"Special Value"_s), u"5"_s);
    }

    // The near-infrared laser: the box with its modulator chain, the models, the line.
    void nloLaser_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("rows");
        const QString lasers = u"Available Lasers|"_s;
        QTest::newRow("Mai Tai, then Chameleon")
            << u"choose OptionNLOLaserChameleon\nexpect CheckLineIR checked true\n"
               "expect ComboConnectionNLOLaser text COM4"_s
            << QStringList{lasers + u"Mai Tai|Status=Do not use"_s,
                           lasers + u"Chameleon|Status= "_s};
        QTest::newRow("a model chosen while the laser is off")
            << u"untick CheckNLO\nchoose OptionNLOLaserChameleon\n"
               "expect OptionNLOLaserChameleon selected true\nexpect CheckNLO checked false"_s
            << QStringList{lasers + u"Mai Tai|Status=Do not use"_s,
                           lasers + u"Chameleon|Status=Do not use"_s};
        QTest::newRow("switched off")
            << u"untick CheckNLO\nexpect CheckEnterprise enabled true\n"
               "expect CheckLineIR checked false\nexpect CheckLineIR enabled false\n"
               "expect ComboConnectionAOM enabled false"_s
            << QStringList{lasers + u"Mai Tai|Status=Do not use"_s,
                           u"Available AOM Drivers|NLO AOM Driver|Status=Do not use"_s,
                           u"Available AOMs|AOM NLO|Status=Do not use"_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.6C"_s,
                           u"Available Collimators|NIR|Status=Do not use"_s};
        QTest::newRow("switched off and on again")
            << u"untick CheckNLO\ntick CheckNLO\nexpect CheckEnterprise enabled false\n"
               "expect CheckLineIR checked true\nexpect ENLOWavelength text 800"_s
            << QStringList{lasers + u"Mai Tai|Status= "_s,
                           u"Available AOM Drivers|NLO AOM Driver|Status= "_s,
                           u"Available Interfaces|COM5|Status= "_s,
                           u"Available AOM Drivers|AOTF Driver|ID Potential=AA.MOD.5C"_s,
                           u"Available Collimators|NIR|Status= "_s};
    }
    void nloLaser() {
        QFETCH(QString, script);
        QFETCH(QStringList, rows);
        Installation in;
        in.start();
        in.act(u"tab 2\n"_s + script);
        compareRows(in, rows);
        const Line ir = line(in, 800);
        const bool on = field(in, u"Available AOMs"_s, u"AOM NLO"_s, u"Status"_s) == u" "_s;
        QCOMPARE(ir.channel, on ? 6 : 0);
        auto aotfLine = [&in](const QString& name) {
            return records::NullToText(records::ReadFieldByNumber(
                in.editor().work(), u"Available AOTF Lines"_s, u"Channel"_s, 6, name));
        };
        QCOMPARE(aotfLine(u"Kind of Wavelength Change"_s), on ? u"tunable"_s : u"switchable"_s);
        QCOMPARE(aotfLine(u"Line"_s), on ? u"1"_s : u"6"_s);
    }

    // The wavelength of the near-infrared line: 651 to 1100 nm as a whole number.
    void nloWavelength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("649") << u"649"_s << 800;
        QTest::newRow("650 would count as visible") << u"650"_s << 800;
        QTest::newRow("651") << u"651"_s << 651;
        QTest::newRow("1100") << u"1100"_s << 1100;
        QTest::newRow("1101") << u"1101"_s << 800;
        QTest::newRow("text") << u"abc"_s << 800;
        QTest::newRow("fraction") << u"700.5"_s << 800;
    }
    void nloWavelength() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        Installation in;
        in.start();
        in.act(u"tab 2\ntype ENLOWavelength %1\nexpect CmdApplyNLOWavelength enabled true\n"
               "click CmdApplyNLOWavelength\nexpect CmdApplyNLOWavelength enabled false\n"
               "expect ENLOWavelength text %2\nexpect CheckLineIR caption \"%2 nm\""_s.arg(text)
                   .arg(stored));
        QCOMPARE(field(in, u"Available Laser Wavelength"_s, u"Mai Tai"_s, u"Wavelength"_s),
                 QString::number(stored));
        QCOMPARE(line(in, stored).channel, 6);
        QCOMPARE(in.session->pages().laser.lastNloWavelength(), stored);
    }

    // Without a near-infrared laser in use the apply names no laser row.
    void nloWavelengthWithoutLaser() {
        Installation in;
        in.start();
        const QString before = Installation::contentOf(in.workCopy());
        in.act(u"tab 2\nuntick CheckNLO\ntype ENLOWavelength 700\nclick CmdApplyNLOWavelength"_s);
        for (const char* laser : {"Mai Tai", "Chameleon", "Titanium:Sapphire"})
            QCOMPARE(field(in, u"Available Laser Wavelength"_s, QString::fromLatin1(laser),
                           u"Wavelength"_s),
                     u"800"_s);
        QVERIFY(Installation::contentOf(in.workCopy()) != before);
    }

    // The near-infrared line keeps one calibration row in the laser's range, the one of its
    // calibration wavelength; the message only when rows were deleted.
    void nloCalibrationCleanup_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("message");
        const QString insert = u"INSERT INTO [Calibration Attenuator Channels] ([Wavelength], "
                               "[a1], [b1]) VALUES (%1, 100, 1);"_s;
        QTest::newRow("three rows, one of them the line's")
            << insert.arg(750) + insert.arg(900) << u"800"_s << true;
        QTest::newRow("one row, not the line's")
            << u"DELETE FROM [Calibration Attenuator Channels] WHERE [Wavelength] = 800;"_s +
                   insert.arg(900)
            << QString() << false;
        QTest::newRow("no calibration wavelength")
            << insert.arg(750) +
                   u"UPDATE [Available Attenuator Channels] SET [Calibration Wavelength] = NULL "
                   "WHERE [Wavelength] = 800;"_s
            << u"750,800"_s << false;
    }
    void nloCalibrationCleanup() {
        QFETCH(QString, setup);
        QFETCH(QString, left);
        QFETCH(bool, message);
        Installation in;
        in.onSystem(setup);
        in.start();
        // The readout puts the line right once the editor is live.
        db::Recordset rs = in.editor().work().OpenRecordset(
            u"SELECT GROUP_CONCAT([Wavelength]) FROM (SELECT [Wavelength] FROM [Calibration "
            "Attenuator Channels] WHERE [Wavelength] > 650 ORDER BY [Wavelength])"_s);
        QCOMPARE(records::NullToText(rs.value(0)), left);
        QCOMPARE(in.message(),
                 message ? u"In Calibration Attenuator Channels was more then 1 NLO line, now "
                           "deleted !"_s
                         : QString());
        QCOMPARE(line(in, 800).channel, 6);
    }

    // The rebuild completes the laser rows and shows what the installation allows.
    void rebuild_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("expect");
        QTest::newRow("405 diode row from the entry-level table")
            << u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Laser Diode 405'"_s
            << u"expect CheckBlueLaser checked false"_s;
        QTest::newRow("entry-level head")
            << kKestro + u"UPDATE [Available Lasers] SET [Status] = ' ' "
                         "WHERE [ID Available] = 'Enterprise'"_s
            << u"expect CheckArKr visible false\nexpect CheckEnterprise enabled false\n"
               "expect CheckKr413 enabled false\nexpect CheckNLO enabled false\n"
               "expect OptionNLOLaserMaiTai enabled false\nexpect CheckAMIR enabled false\n"
               "expect CheckProgrAOTF enabled false\nexpect CmdLaserConnect enabled false\n"
               "expect CheckLine477 enabled false"_s;
        QTest::newRow("514 without a channel row")
            << u"DELETE FROM [Available Attenuator Channels] WHERE [Wavelength] = 514"_s
            << u"expect CheckArgon checked true\nexpect CheckLine514 enabled false"_s;
        QTest::newRow("the off-line laser wins")
            << u"UPDATE [Available Lasers] SET [Status] = ' ' WHERE [ID Available] IN "
               "('Titanium:Sapphire', 'Chameleon')"_s
            << u"expect OptionNLOLaserOffline selected true\n"
               "expect ComboConnectionNLOLaser enabled false"_s;
        QTest::newRow("Mai Tai wins over Chameleon")
            << u"UPDATE [Available Lasers] SET [Status] = ' ' WHERE [ID Available] = "
               "'Chameleon'"_s
            << u"expect OptionNLOLaserMaiTai selected true\n"
               "expect ComboConnectionNLOLaser text COM2"_s;
        QTest::newRow("dampening and the FCS lines")
            << u"UPDATE [Available DACs] SET [Status] = ' ' WHERE [ID Available] = 'DAC413';"
               "UPDATE [Available Attenuator Channels] SET [FCS] = 1 WHERE [Wavelength] = 458;"
               "UPDATE [Available Attenuator Channels] SET [Channel No] = 0 "
               "WHERE [Wavelength] = 633;"_s
            << u"expect CheckFading checked true\ntab 4\nexpect Label458 visible true\n"
               "expect Label477 visible false\nexpect Label633 visible false"_s;
    }
    void rebuild() {
        QFETCH(QString, setup);
        QFETCH(QString, expect);
        Installation in;
        in.onSystem(setup);
        in.start();
        in.act(u"tab 2\n"_s + expect);
        QVERIFY(records::RecordExists(in.editor().work(), u"Available Lasers"_s,
                                      records::kIdAvailable, u"Laser Diode 405"_s));
        // A second rebuild writes nothing.
        const QString before = Installation::contentOf(in.workCopy());
        in.act(u"tab 0\ntab 2"_s);
        QCOMPARE(Installation::contentOf(in.workCopy()), before);
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
