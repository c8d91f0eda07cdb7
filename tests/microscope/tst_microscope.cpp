#include "../support/WorkReaders.h"

#include <QTest>
#include <db/Recordset.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

const QString kOff = u"Do not use"_s;
const QString kFiltersets = u"Available Filtersets"_s;
const QString kObjectives = u"Available Objective Lenses"_s;
const QString kParameters = u"Available Firmware Parameters"_s;

QString standId(Installation& in) {
    return system(in, records::kIdStand);
}
QString placed(Installation& in, const QString& wheel, int position) {
    return records::NullToText(records::FilterAtPosition(in.editor().work(), wheel, position));
}
// The objective rows as "position:id" in table order.
QStringList objectives(Installation& in) {
    QStringList rows;
    for (db::Recordset rs = in.editor().work().OpenRecordset(kObjectives); !rs.eof(); rs.moveNext())
        rows.append(rs.value(u"Revolver Position"_s).toString() + u':' +
                    rs.value(records::kIdPotential).toString());
    return rows;
}
QString objectiveField(Installation& in, int position, const QString& name) {
    return records::NullToText(records::ReadFieldByNumber(in.editor().work(), kObjectives,
                                                          u"Revolver Position"_s, position, name));
}
const form::ListBox& list(Installation& in, const QString& name) {
    return in.main().listBox(name);
}

} // namespace

class TestMicroscope : public QObject {
    Q_OBJECT

private slots:
    // Each stand's recipe, reflector turret and condenser land in the working copy, and the
    // window shows the stand with its revolver.
    void standRecipes_data() {
        QTest::addColumn<QString>("stand");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("positions");
        QTest::addColumn<QString>("turret");
        QTest::addColumn<QString>("condenser");
        QTest::newRow("Orvane AIE") << u"Orvane AIE"_s << u"OrvaneAIE"_s << 7
                                    << u"Reflector 6 Pos coded"_s << u"Condensor 7 Pos motorized"_s;
        QTest::newRow("Plan A") << u"Plan A"_s << u"Plan"_s << 5 << u"Reflector 5 Pos motorized"_s
                                << u"Condensor 7 Pos motorized"_s;
        QTest::newRow("Plan B") << u"Plan B"_s << u"Plan"_s << 6 << u"Reflector 6 Pos coded"_s
                                << u"Condensor 7 Pos motorized"_s;
        QTest::newRow("Erecta C") << u"Erecta C"_s << u"Erecta"_s << 5
                                  << u"Reflector 5 Pos motorized"_s
                                  << u"Condensor 7 Pos motorized"_s;
        QTest::newRow("Erecta D") << u"Erecta D"_s << u"Erecta"_s << 6 << u"Reflector 6 Pos coded"_s
                                  << u"None"_s;
    }
    void standRecipes() {
        QFETCH(QString, stand);
        QFETCH(QString, id);
        QFETCH(int, positions);
        QFETCH(QString, turret);
        QFETCH(QString, condenser);
        Installation in;
        in.start(u"tab 1\nselect ComboMicroscops \"%1\""_s.arg(stand));
        QCOMPARE(standId(in), id);
        QCOMPARE(in.main().label(u"LIDMicroscope"_s).caption(), stand);
        QCOMPARE(list(in, u"ComboMicroscops"_s).text(), stand);
        QCOMPARE(objectives(in).size(), positions);
        QCOMPARE(list(in, u"ComboReflectors"_s).text(), turret);
        QCOMPARE(list(in, u"ComboCondensor"_s).text(), condenser);
        QCOMPARE(in.message(), QString());
        QVERIFY(!in.editor().standSelection());
        for (int i = 0; i < 7; ++i)
            QCOMPARE(in.main().button(u"CmdPosObj(%1)"_s.arg(i)).isVisible(), i < positions);
        QCOMPARE(status(in, kFiltersets, u"FW2"_s) == kOff, condenser == u"None"_s);
        // The stand's lamps: none to choose on the stand whose lamps are fixed.
        QCOMPARE(list(in, u"ComboReflLamp"_s).isEnabled(), stand != u"Erecta D"_s);
        // And back: the demo's own stand.
        in.act(u"select ComboMicroscops \"Inverta M2\""_s);
        QCOMPARE(standId(in), u"InvertaM2"_s);
        QCOMPARE(objectives(in).size(), 6);
        QCOMPARE(list(in, u"ComboReflectors"_s).text(), u"Reflector 5 Pos motorized"_s);
    }

    // Every stand, reflector turret and condenser that a recipe or a default names is in the
    // template, so that no stand selection fails on the demo.
    void recipesNameExistingRows() {
        Installation in;
        in.start();
        db::Database& templ = in.editor().templ();
        for (db::Recordset rs = templ.OpenRecordset(u"Default Reflector Condensor"_s); !rs.eof();
             rs.moveNext()) {
            const QString stand = rs.value(u"ID Microscope"_s).toString();
            QVERIFY2(records::RecordExists(templ, records::kAvailableMicroscopes, u"Microscope"_s,
                                           stand),
                     qPrintable(stand));
            QVERIFY(records::RecordExists(templ, u"Available Reflectors"_s,
                                          u"Available Reflector"_s,
                                          rs.value(u"Id Reflector"_s).toString()));
            QVERIFY(records::RecordExists(templ, u"Available Condensors"_s,
                                          u"Available Condensor"_s,
                                          rs.value(u"Id Condensor"_s).toString()));
        }
        for (db::Recordset rs = templ.OpenRecordset(records::kAvailableMicroscopes); !rs.eof();
             rs.moveNext()) {
            const QString stand = rs.value(u"Microscope"_s).toString();
            QVERIFY2(records::RecordExists(templ, u"Default Reflector Condensor"_s,
                                           u"ID Microscope"_s, stand),
                     qPrintable(stand));
            QVERIFY2(
                records::RecordExists(templ, u"Configuration Microscope"_s, u"Id Object"_s, stand),
                qPrintable(stand));
        }
        for (db::Recordset rs = templ.OpenRecordset(u"Microscope Revolvers"_s); !rs.eof();
             rs.moveNext())
            QVERIFY(records::RecordExists(templ, u"Available Nosepieces"_s, records::kIdPotential,
                                          rs.value(records::kIdPotential).toString()));
    }

    // The readout's own setting of the stand list writes nothing.
    void standShownWritesNothing() {
        Installation in;
        in.start();
        const QString before = Installation::contentOf(in.workCopy());
        in.editor().setLive(false);
        in.main().listBox(u"ComboMicroscops"_s).selectText(u"Orvane AIE"_s);
        in.editor().setLive(true);
        in.editor().commitWork();
        QCOMPARE(standId(in), u"InvertaM2"_s);
    }

    // Placements the working copy has keep their filters; those it lacks come from the
    // template with all their fields. The FCS head keeps its own interface node.
    void placementsAndNode() {
        Installation in;
        in.onSystem(u"UPDATE [Available FilterPlacement] SET [ID Potential] = 'GFP Set' WHERE "
                    "[ID Available] = 'FW1' AND [Position] = 2;"
                    "DELETE FROM [Available FilterPlacement] WHERE [ID Available] = 'FW3' AND "
                    "[Position] = 4;"
                    "UPDATE [Available Interfaces] SET [Summary] = 'FCS node' WHERE "
                    "[ID Available] = 'CANO'"_s);
        in.start(u"tab 1\nselect ComboMicroscops \"Plan B\""_s);
        QCOMPARE(placed(in, u"FW1"_s, 2), u"GFP Set"_s);
        QCOMPARE(placed(in, u"FW3"_s, 4), u"Green"_s);
        QCOMPARE(field(in, records::kAvailableInterfaces, u"CANO"_s, records::kSummary),
                 u"FCS node"_s);
    }

    // The mirror is set from the transmitted-light detector.
    void mirrorFromDetector_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("mirror");
        QTest::newRow("usable") << QString() << true;
        QTest::newRow("off") << u"UPDATE [Available Point Detectors] SET [Status] = 'Do not use' "
                                "WHERE [ID Available] = 'PmtD'"_s
                             << false;
        QTest::newRow("missing")
            << u"DELETE FROM [Available Point Detectors] WHERE [ID Available] = 'PmtD'"_s << false;
    }
    void mirrorFromDetector() {
        QFETCH(QString, sql);
        QFETCH(bool, mirror);
        Installation in;
        if (!sql.isEmpty())
            in.onSystem(sql);
        in.start(u"tab 1\nselect ComboMicroscops \"Plan A\""_s);
        QCOMPARE(in.main().checkBox(u"CheckTransmissionMirror"_s).isChecked(), mirror);
        QCOMPARE(status(in, records::kAvailableShutters, u"Transmission Mirror"_s) != kOff, mirror);
    }

    // A stand whose recipe fails leaves nothing behind and the flag released.
    void failedSelection() {
        Installation in;
        in.onTemplate(u"INSERT INTO [Configuration Microscope] ([Id Object], [Table], "
                      "[Record Table], [Copy]) VALUES ('Plan A', 'No Such Table', "
                      "'Microscope Lamps', 0)"_s);
        in.start(u"tab 1"_s);
        const QString before = Installation::contentOf(in.workCopy());
        in.act(u"select ComboMicroscops \"Plan A\"\nok"_s);
        QVERIFY(!in.editor().standSelection());
        QCOMPARE(standId(in), u"InvertaM2"_s);
        QCOMPARE(list(in, u"ComboMicroscops"_s).text(), u"Inverta M2"_s);
        QVERIFY(!in.message().isEmpty());
    }

    // A smaller revolver keeps the lowest positions' objectives, whatever the row order; the
    // firmware parameters of the sixth and seventh position follow the count.
    void revolverPositions_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("sixth");
        QTest::addColumn<QString>("seventh");
        const QString five = u"select ComboObjRevolvers \"5 Positions\""_s;
        const QString six = u"select ComboObjRevolvers \"6 Positions coded\""_s;
        const QString seven = u"select ComboObjRevolvers \"7 Positions motorized\""_s;
        const QStringList first = {u"1:44 03 30"_s, u"2:44 06 40"_s, u"3:44 17 67"_s,
                                   u"4:44 07 62"_s, u"5:Empty position"_s};
        QTest::newRow("6 to 5") << five << first << kOff << kOff;
        QTest::newRow("6 to 7") << seven
                                << first + QStringList{u"6:Empty position"_s, u"7:Empty position"_s}
                                << u" "_s << u" "_s;
        QTest::newRow("7 to 5 to 7")
            << seven + u'\n' + five + u'\n' + seven
            << first + QStringList{u"6:Empty position"_s, u"7:Empty position"_s} << u" "_s
            << u" "_s;
        QTest::newRow("7 to 6 keeps the seventh's parameters")
            << seven + u'\n' + six << first + QStringList{u"6:Empty position"_s} << u" "_s
            << u" "_s;
    }
    void revolverPositions() {
        QFETCH(QString, script);
        QFETCH(QStringList, rows);
        QFETCH(QString, sixth);
        QFETCH(QString, seventh);
        Installation in;
        // Position 6 written first: the table's order is not the revolver's.
        in.onSystem(u"DELETE FROM [Available Objective Lenses] WHERE [Revolver Position] = 5;"
                    "INSERT INTO [Available Objective Lenses] ([ID Available], [Status], "
                    "[ID Potential], [Revolver Position]) VALUES ('Empty position', ' ', "
                    "'Empty position', 5)"_s);
        in.start(u"tab 1\n"_s + script);
        QStringList shown = objectives(in);
        shown.sort();
        QCOMPARE(shown, rows);
        for (const QString& name :
             {u"Parfocal Value "_s, u"Wheel Factor "_s, u"Parfocal Sign "_s}) {
            QCOMPARE(status(in, kParameters, name + u'6'), sixth);
            QCOMPARE(status(in, kParameters, name + u'7'), seventh);
        }
        for (int i = 0; i < 7; ++i)
            QCOMPARE(in.main().button(u"CmdPosObj(%1)"_s.arg(i)).isVisible(), i < rows.size());
        QCOMPARE(field(in, u"Available Revolvers"_s, u"OBJREV"_s, u"Positions"_s),
                 QString::number(rows.size()));
    }

    // An objective from the browser goes on the position with the catalogue's values and
    // becomes a favourite once; a closed browser places nothing.
    void placeObjective_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("coverglass");
        QTest::addColumn<int>("focusSpeed");
        QTest::newRow("catalogue objective")
            << u"node TreeView1 \"Potential Objectives > 44 17 67\"\nclick Command1"_s
            << u"44 17 67"_s << u"C-Apo 40x/1.2 W"_s << u"0.19"_s << 1;
        QTest::newRow("user objective")
            << u"node TreeView1 \"User Defined Objectives > LAB-100x\"\ndblclick TreeView1"_s
            << u"LAB-100x"_s << u"Lab Apo 100x/1.45 Oil"_s << u"0.17"_s << 2;
        QTest::newRow("closed") << u"click Command1"_s << u"Empty position"_s << u"Empty position"_s
                                << u"0"_s << 1;
    }
    void placeObjective() {
        QFETCH(QString, lines);
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QString, coverglass);
        QFETCH(int, focusSpeed);
        Installation in;
        in.start(u"tab 1\nclick CmdPosObj(4)\n"_s + lines);
        QCOMPARE(objectiveField(in, 5, records::kIdPotential), id);
        QCOMPARE(objectiveField(in, 5, records::kIdAvailable), name);
        QCOMPARE(objectiveField(in, 5, u"Coverglass Thickness"_s), coverglass);
        QCOMPARE(in.main().label(u"LPosObj(4)"_s).caption(), id);
        const db::Recordset favourite = in.editor().work().OpenRecordset(
            u"SELECT * FROM [Favourite Objective Lenses] WHERE [ID Potential] = ?"_s, {id});
        QCOMPARE(favourite.recordCount(), 1);
        // A favourite already kept keeps its focus speed.
        QCOMPARE(favourite.value(u"Focus Speed"_s).toInt(), focusSpeed);
        // Shown by name, the labels change and the database does not.
        const QString before = Installation::contentOf(in.workCopy());
        in.act(u"choose OptionObjname"_s);
        QCOMPARE(in.main().label(u"LPosObj(4)"_s).caption(), name);
        QCOMPARE(in.main().label(u"LPosObj(0)"_s).caption(), u"Plan-Neo 10x/0.30"_s);
        in.act(u"choose OptionObjId"_s);
        QCOMPARE(in.main().label(u"LPosObj(0)"_s).caption(), u"44 03 30"_s);
    }

    // The piezo objective's position: a whole number goes to the chosen fine Z drive, other
    // text is refused, and without a chosen drive nothing is written.
    void piezoPosition_data() {
        QTest::addColumn<QString>("zLift");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("number") << u"Piezo Objective"_s << u"4"_s << u"4"_s << false;
        QTest::newRow("text") << u"Piezo Objective"_s << u"4a"_s << u"3"_s << true;
        QTest::newRow("fraction") << u"Piezo Objective"_s << u"2.5"_s << u"3"_s << true;
        QTest::newRow("no drive") << QString() << u"4"_s << u"3"_s << false;
    }
    void piezoPosition() {
        QFETCH(QString, zLift);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        Installation in;
        // The box is open while the piezo objective is the installed fine Z drive.
        in.onSystem(u"UPDATE [Available ZLift] SET [Status] = CASE [ID Potential] WHEN "
                    "'Piezo Objective' THEN ' ' ELSE 'Do not use' END"_s);
        in.start();
        in.session->pages().microscope.revolver().setZLiftChoice([zLift] { return zLift; });
        in.act(u"tab 1\ntype EPosPiezoObj \"%1\"\nclick CmdApplyRevolverPos"_s.arg(typed));
        QCOMPARE(records::NullToText(records::ReadField(in.editor().work(), u"Available ZLift"_s,
                                                        records::kIdPotential, u"Piezo Objective"_s,
                                                        u"Revolver Position"_s)),
                 stored);
        QCOMPARE(in.main().button(u"CmdApplyRevolverPos"_s).isEnabled(), refused);
        QCOMPARE(in.message().isEmpty(), !refused);
    }

    // The lamps exclude each other where they share the halogen supply.
    void lamps_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("halRefl");
        QTest::addColumn<QString>("hbo");
        QTest::addColumn<QString>("hal");
        QTest::addColumn<QString>("supply");
        QTest::newRow("reflected halogen")
            << u"select ComboReflLamp Halogen"_s << u""_s << kOff << kOff << kOff;
        QTest::newRow("reflected none")
            << u"select ComboReflLamp None"_s << kOff << kOff << u" "_s << kOff;
        QTest::newRow("mercury again")
            << u"select ComboReflLamp Halogen\nselect ComboReflLamp \"HBO Flarion\""_s << kOff
            << u""_s << kOff << u""_s;
        QTest::newRow("transmitted halogen")
            << u"select ComboReflLamp Halogen\nselect ComboTransmLamp Halogen"_s << kOff << kOff
            << u""_s << kOff;
        QTest::newRow("transmitted none")
            << u"select ComboTransmLamp None"_s << kOff << u" "_s << kOff << u" "_s;
    }
    void lamps() {
        QFETCH(QString, script);
        QFETCH(QString, halRefl);
        QFETCH(QString, hbo);
        QFETCH(QString, hal);
        QFETCH(QString, supply);
        Installation in;
        in.start(u"tab 1\n"_s + script);
        const QString lamps = u"Available Lamps"_s;
        QCOMPARE(status(in, lamps, u"HAL Refl"_s), halRefl);
        QCOMPARE(status(in, lamps, u"HBO"_s), hbo);
        QCOMPARE(status(in, lamps, u"HAL"_s), hal);
        QCOMPARE(status(in, records::kAvailableInterfaces, u"CANA"_s), supply);
    }

    // The ports and the tube lens write their placements; "None" on the side port stands for
    // the plain splitter.
    void ports_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("wheel");
        QTest::addColumn<QString>("position2");
        QTest::addColumn<QString>("position3");
        QTest::addColumn<QString>("shown");
        QTest::newRow("side none")
            << u"select ComboSideport \"SPL-Cam/BP\"\nselect ComboSideport None"_s
            << u"Sideport turret"_s << u"SP"_s << u"None"_s << u"SPL/BP"_s;
        QTest::newRow("side camera right")
            << u"select ComboSideport \"SPL/BP/SPR-Cam\""_s << u"Sideport turret"_s << u"SP"_s
            << u"50SPr/50VIS-BP"_s << u"SPL/BP/SPR-Cam"_s;
        QTest::newRow("side camera left")
            << u"select ComboSideport \"SPL-Cam/BP\""_s << u"Sideport turret"_s
            << u"50SPl/50VIS-BP"_s << u"None"_s << u"SPL-Cam/BP"_s;
        QTest::newRow("zoom 1.6") << u"select ComboZoomex \"1x/VTX/1.6x\""_s << u"Tubelens"_s
                                  << u"None"_s << u"Lens 1,6x"_s << u"1x/VTX/1.6x"_s;
    }
    void ports() {
        QFETCH(QString, script);
        QFETCH(QString, wheel);
        QFETCH(QString, position2);
        QFETCH(QString, position3);
        QFETCH(QString, shown);
        Installation in;
        in.start(u"tab 1\n"_s + script);
        QCOMPARE(placed(in, wheel, 2), position2);
        QCOMPARE(placed(in, wheel, 3), position3);
        const QString box = wheel == u"Tubelens"_s ? u"ComboZoomex"_s : u"ComboSideport"_s;
        QCOMPARE(list(in, box).text(), shown);
        in.session->readout().ReadEveryPage();
        QCOMPARE(list(in, box).text(), shown);
    }

    // The transmitted-light wheels: the virtual wheel belongs to one stand only.
    void transmissionWheels_data() {
        QTest::addColumn<QString>("stand");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("virtualWheel");
        QTest::addColumn<QString>("fw3");
        QTest::newRow("encoded, Inverta")
            << u"Inverta M2"_s << u"OEncoded"_s << u"manual"_s << u"coded"_s;
        QTest::newRow("motorized, Orvane")
            << u"Orvane AIE"_s << u"OMotorized"_s << u"motorized"_s << u"motorized"_s;
    }
    void transmissionWheels() {
        QFETCH(QString, stand);
        QFETCH(QString, option);
        QFETCH(QString, virtualWheel);
        QFETCH(QString, fw3);
        Installation in;
        in.onSystem(u"UPDATE [Available Filtersets] SET [Motorization] = 'manual', [Status] = "
                    "'Do not use' WHERE [ID Available] IN ('FW3', 'FWVirtual')"_s);
        in.start(u"tab 1\nselect ComboMicroscops \"%1\"\nchoose OManual\nchoose %2"_s.arg(stand,
                                                                                          option));
        QCOMPARE(field(in, kFiltersets, u"FWVirtual"_s, u"Motorization"_s), virtualWheel);
        QCOMPARE(field(in, kFiltersets, u"FW3"_s, u"Motorization"_s), fw3);
        QCOMPARE(status(in, kFiltersets, u"FW3"_s), QString());
        QCOMPARE(status(in, kFiltersets, u"FW4"_s), QString());
        in.act(u"choose OManual"_s);
        QCOMPARE(status(in, kFiltersets, u"FW3"_s), kOff);
        QCOMPARE(status(in, kFiltersets, u"FWVirtual"_s), kOff);
    }

    // The mirror's filter set follows the mirror only where the mirror positions itself.
    void mirror_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shutter");
        QTest::addColumn<QString>("filterSet");
        QTest::newRow("manual") << u"Transmission Mirror"_s << u"choose OptionTransmMirrorMan"_s
                                << u"Dummy"_s << u"Dummy"_s;
        QTest::newRow("off") << u"Transmission Mirror"_s << u"untick CheckTransmissionMirror"_s
                             << kOff << kOff;
        QTest::newRow("other position")
            << u"CANH"_s << u"untick CheckTransmissionMirror\ntick CheckTransmissionMirror"_s
            << u" "_s << kOff;
    }
    void mirror() {
        QFETCH(QString, position);
        QFETCH(QString, script);
        QFETCH(QString, shutter);
        QFETCH(QString, filterSet);
        Installation in;
        in.onSystem(u"UPDATE [Available Shutters] SET [Control Position] = '%1' WHERE "
                    "[ID Available] = 'Transmission Mirror'"_s.arg(position));
        in.start(u"tab 1\n"_s + script);
        QCOMPARE(status(in, records::kAvailableShutters, u"Transmission Mirror"_s), shutter);
        QCOMPARE(status(in, kFiltersets, u"Transmission Mirror"_s), filterSet);
    }

    // A condenser catalogue that knows nothing like the installation says so, and a matching
    // one clears the notice.
    void noMatchingCondenser() {
        Installation in;
        in.onSystem(u"UPDATE [Available Filtersets] SET [ID Potential] = 'Condensor 9 Pos' "
                    "WHERE [ID Available] = 'FW2'"_s);
        in.start(u"tab 1"_s);
        QCOMPARE(in.message(), u"No available condensor found !"_s);
        QCOMPARE(list(in, u"ComboCondensor"_s).currentIndex(), 0);
        in.act(u"select ComboCondensor \"Condensor 5 Pos\""_s);
        QCOMPARE(in.message(), QString());
        QCOMPARE(field(in, kFiltersets, u"FW2"_s, records::kIdPotential), u"Condensor 5 Pos"_s);
        QCOMPARE(status(in, u"Available Servos"_s, u"KAB1"_s), kOff);
        QCOMPARE(records::CountIncludedPositions(in.editor().work(), u"FW2"_s), 5);
    }

    // The reflector turret: a type from the catalogue with its positions, or none.
    void reflector() {
        Installation in;
        in.start(u"tab 1\nselect ComboReflectors \"Reflector 6 Pos coded\""_s);
        QCOMPARE(field(in, kFiltersets, u"FW1"_s, records::kIdPotential), u"Reflector 6 Pos"_s);
        QCOMPARE(field(in, kFiltersets, u"FW1"_s, u"Motorization"_s), u"coded"_s);
        QCOMPARE(records::CountIncludedPositions(in.editor().work(), u"FW1"_s), 6);
        QVERIFY(in.main().button(u"UserChangeFilter2.CmdPos(5)"_s).isVisible());
        in.act(u"select ComboReflectors None"_s);
        QCOMPARE(status(in, kFiltersets, u"FW1"_s), kOff);
        QVERIFY(!in.main().button(u"UserChangeFilter2.CmdPos(0)"_s).isVisible());
    }
};

QTEST_GUILESS_MAIN(TestMicroscope)
#include "tst_microscope.moc"
