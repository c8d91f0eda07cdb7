#include "../support/WorkReaders.h"

#include <QTest>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

class TestFirmware : public QObject {
    Q_OBJECT

private slots:
    void readoutListsUsableNodesAndLasers() {
        Installation in;
        in.onSystem(u"UPDATE [Available Lasers] SET [Status] = ' ' "
                    "WHERE [ID Available] = 'Enterprise'"_s);
        in.start(u"tab 6"_s);
        const form::ListBox& nodes = in.main().listBox(u"ComboCanNode"_s);
        QCOMPARE(nodes.count(), 4); // the switched-off nodes are not offered
        QCOMPARE(nodes.text(), u"CANI"_s);
        QCOMPARE(in.main().textBox(u"EFWVersion"_s).text(), u"3.12"_s);
        QVERIFY(!in.main().button(u"CmdStoreFWVersion"_s).isEnabled());
        const form::ListBox& lasers = in.main().listBox(u"ComboLaser"_s);
        QCOMPARE(lasers.count(), 2);
        QCOMPARE(lasers.text(), u"Enterprise"_s);
        QCOMPARE(in.main().textBox(u"EFWVersionLaser"_s).text(), u"2.10"_s);
    }

    // An edit enables its store button; choosing another node drops it.
    void versionsAreStoredOnlyWhenAsked() {
        Installation in;
        in.start(u"tab 6"_s);
        in.act(u"select ComboCanNode CANH\n"
               "expect LSummary caption \"Stand node\"\n"
               "type EFWVersion 9.99\n"
               "expect CmdStoreFWVersion enabled true\n"
               "select ComboCanNode CANA\n"
               "expect CmdStoreFWVersion enabled false\n"
               "expect EFWVersion text 1.30"_s);
        QCOMPARE(field(in, u"Available Interfaces"_s, u"CANH"_s, u"Version"_s), u"2.05"_s);

        in.act(u"select ComboCanNode CANH\ntype EFWVersion 2.06\nclick CmdStoreFWVersion\n"
               "select ComboLaser \"Mai Tai\"\ntype EFWVersionLaser 1.08\n"
               "click CmdStoreLaserFWVersion"_s);
        QCOMPARE(field(in, u"Available Interfaces"_s, u"CANH"_s, u"Version"_s), u"2.06"_s);
        QCOMPARE(field(in, u"Available Lasers"_s, u"Mai Tai"_s, u"Version"_s), u"1.08"_s);
        QCOMPARE(field(in, u"Available Lasers"_s, u"Enterprise"_s, u"Version"_s), u"2.10"_s);
    }

    // Without a usable node the list stays empty, the box keeps its text, and the store button
    // writes to no row (least of all the table's first one).
    void noUsableNode() {
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [Status] = 'Do not use' "
                    "WHERE [ID Potential] = 'CanBusMk1'"_s);
        in.start(u"tab 6\ntype EFWVersion 7.7\ntab 0\ntab 6"_s);
        QCOMPARE(in.main().listBox(u"ComboCanNode"_s).count(), 0);
        QCOMPARE(in.main().textBox(u"EFWVersion"_s).text(), u"7.7"_s);
        in.act(u"type EFWVersion 8.8\nclick CmdStoreFWVersion"_s);
        const int written = in.editor()
                                .work()
                                .OpenRecordset(u"SELECT * FROM [Available Interfaces] "
                                               "WHERE [Version] = '8.8'"_s)
                                .recordCount();
        QCOMPARE(written, 0);
    }

    void scsiIdReplacesOneCharacter_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("five characters") << u"0:5:0"_s << u"7"_s << u"0:7:0"_s;
        QTest::newRow("two typed, first kept") << u"0:5:0"_s << u"34"_s << u"0:3:0"_s;
        QTest::newRow("three characters") << u"abc"_s << u"9"_s << u"9bc"_s;
        QTest::newRow("too short") << u"ab"_s << u"9"_s << u"ab"_s;
    }
    void scsiIdReplacesOneCharacter() {
        QFETCH(QString, address);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Installation in;
        in.onSystem(u"UPDATE [Available Interfaces] SET [Address] = '%1' "
                    "WHERE [ID Available] = 'HCS1'"_s.arg(address));
        in.start(u"tab 6"_s);
        QVERIFY(!in.main().button(u"CmdSetSCSI"_s).isEnabled());
        in.act(u"type EScsi %1\nclick CmdSetSCSI"_s.arg(typed));
        QCOMPARE(field(in, u"Available Interfaces"_s, u"HCS1"_s, u"Address"_s), stored);
        QVERIFY(!in.main().button(u"CmdSetSCSI"_s).isEnabled());
        if (address.size() < 3)
            QVERIFY(in.message().contains(u"too short"_s));
    }
};

QTEST_GUILESS_MAIN(TestFirmware)
#include "tst_firmware.moc"
