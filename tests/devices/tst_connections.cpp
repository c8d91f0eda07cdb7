#include "../app/Installation.h"

#include <QTest>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

const QString kInterfaces = u"Available Interfaces"_s;

// A port row as the test compares it: status and the serial settings.
struct Port {
    QString status;
    QVariant baudRate;
    QString handshake;
    QString summary;
};

Port port(Installation& in, const QString& id) {
    db::Recordset rs = in.editor().work().OpenRecordset(
        u"SELECT * FROM [Available Interfaces] WHERE [ID Available] = ?"_s, {id});
    if (rs.eof())
        return {};
    return {records::NullToText(rs.value(u"Status"_s)), rs.value(u"Baud Rate"_s),
            records::NullToText(rs.value(u"Handshake"_s)),
            records::NullToText(rs.value(u"Summary"_s))};
}

QString control(Installation& in, const QString& table, const QString& id) {
    return records::NullToText(
        records::ReadField(in.editor().work(), table, records::kIdAvailable, id, u"Control"_s));
}

} // namespace

class TestConnections : public QObject {
    Q_OBJECT

private slots:
    // The readout lists every serial port in table order and selects the stand's port.
    void readoutListsThePortsAndSelectsTheStandsPort() {
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [Control] = 'COM2' "
                    "WHERE [ID Potential] = 'CanBusMk1'"_s);
        in.start();
        const QStringList ports = {u"COM1"_s, u"COM2"_s, u"COM3"_s, u"COM4"_s, u"COM5"_s};
        for (const char* name :
             {"ComboConnection", "ComboConnectionAOTF", "ComboConnectionAOM",
              "ComboConnectionUVLaser", "ComboConnectionNLOLaser", "ComboConnectionPiezo"}) {
            const form::ListBox& list = in.main().listBox(QString::fromLatin1(name));
            QStringList texts;
            for (const auto& entry : list.entries())
                texts << entry.text;
            QCOMPARE(texts, ports);
        }
        QCOMPARE(in.main().listBox(u"ComboConnection"_s).text(), u"COM2"_s);
        // The other lists are their devices' to select: the AOTF driver's port is shown by the
        // laser module, the piezo stage of the demo is no option and has none.
        QCOMPARE(in.main().listBox(u"ComboConnectionAOTF"_s).text(), u"COM2"_s);
        QCOMPARE(in.main().listBox(u"ComboConnectionPiezo"_s).currentIndex(), -1);
    }

    void noSerialPortsLeaveEveryListEmpty() {
        Installation in;
        in.onSystem(u"DELETE FROM [Available Interfaces] WHERE [ID Potential] = 'SerialPort'"_s);
        in.start();
        for (const char* name :
             {"ComboConnection", "ComboConnectionAOTF", "ComboConnectionAOM",
              "ComboConnectionUVLaser", "ComboConnectionNLOLaser", "ComboConnectionPiezo"}) {
            const form::ListBox& list = in.main().listBox(QString::fromLatin1(name));
            QCOMPARE(list.count(), 0);
            QCOMPARE(list.currentIndex(), -1);
        }
    }

    // Choosing the port a device already has releases it and takes it again with the template's
    // settings for the device's kind.
    void sameChoiceRefreshesThePortSettings() {
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [Baud Rate] = 300, [Handshake] = 'Odd' "
                    "WHERE [ID Available] = 'COM4'"_s);
        in.start();
        in.act(u"select ComboConnectionNLOLaser COM4"_s);
        const Port com4 = port(in, u"COM4"_s);
        QCOMPARE(com4.status, u" "_s);
        QCOMPARE(com4.baudRate.toInt(), 9600); // the Mai Tai's settings
        QCOMPARE(com4.handshake, u"XonXoff"_s);
        QCOMPARE(control(in, u"Available Lasers"_s, u"Mai Tai"_s), u"COM4"_s);
    }

    // The AOTF driver leaves the stand's port: the port stays in use with the stand's settings,
    // the driver's new port takes the driver's, and its old port, which the Mai Tai laser still
    // uses, stays in use too.
    void movingADriverOffASharedPortKeepsItInUse() {
        Installation in;
        in.start();
        in.act(u"select ComboConnectionAOTF COM1\nselect ComboConnectionAOTF COM3"_s);
        QCOMPARE(control(in, u"Available AOM Drivers"_s, u"AOTF Driver"_s), u"COM3"_s);
        const Port com1 = port(in, u"COM1"_s);
        QCOMPARE(com1.status, u" "_s);
        QCOMPARE(com1.summary, u"CAN port"_s);
        QCOMPARE(port(in, u"COM3"_s).status, u" "_s);
        QCOMPARE(port(in, u"COM3"_s).summary, u"AOTF port"_s);
        QCOMPARE(port(in, u"COM2"_s).status, u" "_s);
        QCOMPARE(port(in, u"COM2"_s).summary, u"Mai Tai port"_s);
    }

    // The warnings come in the fixed order of the devices, one pause of 2 s each, and the port
    // is set all the same; a switched-off device on the port is not mentioned.
    void conflictsAreWarnedInOrder() {
        Installation in;
        in.onSystem(u"UPDATE [Available AOM Drivers] SET [Control] = 'COM4', [Status] = ' ' "
                    "WHERE [ID Available] = 'NLO AOM Driver';"
                    "UPDATE [Available Lasers] SET [Control] = 'COM4' "
                    "WHERE [ID Available] IN ('Chameleon', 'Mai Tai');"
                    "UPDATE [Available Interfaces] SET [Control] = 'COM4' "
                    "WHERE [ID Potential] = 'CanBusMk1'"_s);
        in.start();
        QStringList seen;
        form::Label& status = in.main().label(u"LMsg"_s);
        QObject::connect(&status, &form::Control::changed, &status,
                         [&seen, &status] { seen.append(status.caption()); });
        const int sleptBefore = in.runner->host().sleptMs();
        in.act(u"select ComboConnectionAOTF COM4"_s);
        seen.removeAll(QString());
        QCOMPARE(seen, (QStringList{u"Change Connection to Microscope !"_s,
                                    u"Change Connection to NLO AOM Driver!"_s,
                                    u"Change Connection to Mai Tai Laser!"_s}));
        QCOMPARE(in.runner->host().sleptMs() - sleptBefore, 3 * (2000 / 50 + 1) * 50);
        QCOMPARE(control(in, u"Available AOM Drivers"_s, u"AOTF Driver"_s), u"COM4"_s);
    }

    // A switched-off device takes no port, marks none in use, and its list is not enabled by
    // another list's choice.
    void switchedOffDevicesAreLeftAlone() {
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [Control] = 'COM5' "
                    "WHERE [ID Potential] = 'CanBusMk1';"
                    "UPDATE [Available AOM Drivers] SET [Status] = 'Do not use' "
                    "WHERE [ID Available] = 'NLO AOM Driver'"_s);
        in.start();
        in.main().listBox(u"ComboConnectionAOM"_s).setEnabled(false);
        // The NLO AOM driver is off: its choice changes nothing.
        in.act(u"select ComboConnectionAOTF COM3"_s);
        QCOMPARE(port(in, u"COM5"_s).status, u" "_s); // re-marked by the stand
        QVERIFY(!in.main().listBox(u"ComboConnectionAOM"_s).isEnabled());
        QVERIFY(in.main().listBox(u"ComboConnectionAOTF"_s).isEnabled());

        in.main().listBox(u"ComboConnectionAOM"_s).setEnabled(true);
        in.act(u"select ComboConnectionAOM COM3"_s);
        QCOMPARE(control(in, u"Available AOM Drivers"_s, u"NLO AOM Driver"_s), u"COM5"_s);
        QCOMPARE(port(in, u"COM3"_s).summary, u"AOTF port"_s);

        // Both UV lasers off: the choice reaches no device and marks nothing.
        records::WriteField(in.editor().work(), u"Available Lasers"_s, records::kIdAvailable,
                            u"Enterprise"_s, u"Status"_s, records::kStatusOff);
        in.main().listBox(u"ComboConnectionUVLaser"_s).setEnabled(true);
        in.act(u"select ComboConnectionUVLaser COM1"_s);
        QCOMPARE(port(in, u"COM1"_s).summary, u"CAN bus adapter"_s);
        QCOMPARE(control(in, u"Available Lasers"_s, u"Enterprise"_s), u"COM2"_s);
    }

    // Of a pair of lasers only the usable one takes the port; its kind's settings apply.
    void laserPairWithOneUsableLaser() {
        Installation in;
        in.onSystem(u"UPDATE [Available Lasers] SET [Status] = ' ' "
                    "WHERE [ID Available] = 'Enterprise'"_s);
        in.start();
        in.act(u"select ComboConnectionUVLaser COM3"_s);
        QCOMPARE(control(in, u"Available Lasers"_s, u"Enterprise"_s), u"COM3"_s);
        QCOMPARE(control(in, u"Available Lasers"_s, u"Krypton 413"_s), u"COM3"_s); // as before
        QCOMPARE(port(in, u"COM3"_s).baudRate.toInt(), 4800); // the Enterprise's settings
        // The released COM2 stays in use: the AOTF driver still names it.
        QCOMPARE(port(in, u"COM2"_s).status, u" "_s);
        QCOMPARE(port(in, u"COM2"_s).summary, u"AOTF port"_s);
    }

    // A kind without settings in the template keeps the port's own settings; the status is
    // still written. A port name with a quote is found like any other.
    void portWithoutTemplateSettings() {
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [ID Available] = 'CO''M3', "
                    "[Baud Rate] = 1200 WHERE [ID Available] = 'COM3'"_s);
        in.start();
        auto& connections = in.session->pages().connections;
        connections.SetPortInUse(u"CO'M3"_s, true, u"No Such Kind"_s);
        QCOMPARE(port(in, u"CO'M3"_s).status, u" "_s);
        QCOMPARE(port(in, u"CO'M3"_s).baudRate.toInt(), 1200);
        connections.SetPortInUse(u"CO'M3"_s, true, u"AOTF"_s);
        QCOMPARE(port(in, u"CO'M3"_s).baudRate.toInt(), 9600);
        connections.SetPortInUse(QString(), true, u"AOTF"_s);
        QCOMPARE(in.message(), u"No Interface"_s);
    }

    // The piezo stage's list follows the option box when the FCS page is read.
    void piezoListFollowsTheOption() {
        Installation in;
        in.onSystem(
            u"UPDATE [Available Stages] SET [Status] = ' ' WHERE [ID Available] = 'StageP'"_s);
        in.start();
        const form::ListBox& piezo = in.main().listBox(u"ComboConnectionPiezo"_s);
        QVERIFY(in.main().checkBox(u"CheckPiezo1"_s).isChecked());
        QCOMPARE(piezo.text(), u"COM5"_s);
        QVERIFY(piezo.isEnabled());

        Installation off;
        off.start();
        QCOMPARE(off.main().listBox(u"ComboConnectionPiezo"_s).currentIndex(), -1);
        QVERIFY(!off.main().listBox(u"ComboConnectionPiezo"_s).isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestConnections)
#include "tst_connections.moc"
