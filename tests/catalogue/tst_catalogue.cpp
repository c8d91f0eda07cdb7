#include "../app/Installation.h"

#include <QTest>
#include <catalogue/AddUserFilterDialog.h>
#include <catalogue/AddUserObjectiveDialog.h>
#include <db/Recordset.h>
#include <editor/FilterDialogContext.h>
#include <records/RecordHelpers.h>

using namespace Qt::StringLiterals;

namespace {

const QString kLabFilter = u"Lab 'LP 560'"_s;

int rows(Installation& in, const QString& sql, const QVariantList& params = {}) {
    return in.editor().work().OpenRecordset(sql, params).recordCount();
}
int favourites(Installation& in, const QString& id) {
    return rows(in, u"SELECT * FROM [Favourite Filters] WHERE [ID Potential] = ?"_s, {id});
}
QString placed(Installation& in, int position) {
    return records::FilterAtPosition(in.editor().work(), u"EF1"_s, position).toString();
}
QStringList groupTexts(const form::TreeView& tree, int group) {
    QStringList texts;
    for (const auto& node : tree.root().children().at(std::size_t(group))->children())
        texts.append(node->text());
    return texts;
}
const form::Form& dialog(Installation& in, const QString& name) {
    return *in.forms->form(name);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // A filter picked for a position is placed there and kept once among the favourites;
    // closing without a pick changes nothing.
    void pickForAPosition_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("favouriteRows");
        QTest::newRow("catalogue filter")
            << u"node TreeView1 \"Filters for EF1 > LP 650\"\nclick Command1"_s << u"LP 650"_s << 1;
        QTest::newRow("double click closes")
            << u"node TreeView1 \"Filters for EF1 > KP 685\"\ndblclick TreeView1"_s << u"KP 685"_s
            << 1;
        QTest::newRow("closed without a pick") << u"click Command1"_s << u"LP 560"_s << 1;
        QTest::newRow("name with a quote")
            << u"node TreeView1 \"User Defined Filters > Lab 'LP 560'\"\nclose"_s << kLabFilter
            << 1;
        QTest::newRow("an empty position")
            << u"node TreeView1 \"Filters for EF1 > None\"\nclick Command1"_s << u"None"_s << 1;
    }
    void pickForAPosition() {
        QFETCH(QString, lines);
        QFETCH(QString, filter);
        QFETCH(int, favouriteRows);
        Installation in;
        in.start(u"tab 3"_s);
        for (int i = 0; i < 2; ++i) {
            in.act(u"click UserChangeFilter1.CmdPos(2)\n"_s + lines);
            QCOMPARE(placed(in, 3), filter);
            QCOMPARE(in.main().label(u"UserChangeFilter1.LFilter(2)"_s).caption(), filter);
            QCOMPARE(favourites(in, filter), favouriteRows);
        }
    }

    // "None" is a favourite of every wheel: it is added without its type mattering.
    void noneBecomesAFavourite() {
        Installation in;
        in.onSystem(u"DELETE FROM [Favourite Filters] WHERE [ID Potential] = 'None'"_s);
        in.start(u"tab 3\nclick UserChangeFilter1.CmdPos(1)\n"
                 "node TreeView1 \"Filters for EF1 > None\"\nclick Command1"_s);
        QCOMPARE(favourites(in, u"None"_s), 1);
        QCOMPARE(placed(in, 2), u"None"_s);
        // A catalogue filter of another type is kept once under its own type.
        in.act(u"click UserChangeFilter1.CmdPos(1)\ntick CheckViewAll\n"
               "node TreeView1 \"Filters for EF1 > HFT 488\"\nclick Command1"_s);
        in.act(u"click UserChangeFilter1.CmdPos(1)\ntick CheckViewAll\n"
               "node TreeView1 \"Filters for EF1 > HFT 488\"\nclick Command1"_s);
        QCOMPARE(favourites(in, u"HFT 488"_s), 1);
        QCOMPARE(placed(in, 2), u"HFT 488"_s);
    }

    // The groups show what fits the wheel's types, "None" among the favourites and the
    // catalogue; "view all" shows the whole catalogue.
    void groups_data() {
        QTest::addColumn<bool>("viewAll");
        QTest::newRow("types") << false;
        QTest::newRow("view all") << true;
    }
    void groups() {
        QFETCH(bool, viewAll);
        Installation in;
        in.start();
        editor::FilterDialogContext& context = in.session->pages().filterContext;
        context.wheelName = u"HT9"_s;
        context.allowedTypes = {u"HFT"_s, u"HFT KP"_s};
        catalogue::FilterCatalogue& browser = in.session->pages().filters;
        browser.form().checkBox(u"CheckViewAll"_s).setChecked(viewAll);
        // Code numbers as the catalogue may hold them: none (shown as 0), a text, a blob.
        in.editor().work().execute(
            u"UPDATE [Potential Filters] SET [Quentara Code No] = NULL WHERE [ID Potential] = "
            "'HFT 458/514'; UPDATE [Potential Filters] SET [Quentara Code No] = x'3132' WHERE "
            "[ID Potential] = 'HFT KP 650'"_s);
        browser.form().show();
        const form::TreeView& tree = browser.form().treeView(u"TreeView1"_s);
        for (const auto& node : tree.root().children().at(2)->children()) {
            const QVariant code =
                records::ReadField(in.editor().work(), u"Potential Filters"_s, u"ID Potential"_s,
                                   node->text(), u"Quentara Code No"_s);
            QCOMPARE(node->tag(), code.isNull() ? u"0"_s : records::NullToText(code));
        }
        QCOMPARE(tree.root().children().at(0)->text(), u"Favourite Filters for HT9"_s);
        QCOMPARE(groupTexts(tree, 0), (QStringList{u"None"_s, u"HFT 488"_s}));
        QCOMPARE(groupTexts(tree, 1), QStringList());
        // The last one came from the template's catalogue with the readout.
        const QStringList fitting{u"None"_s,        u"HFT 488"_s,
                                  u"HFT 458/514"_s, u"HFT 488/543/633"_s,
                                  u"HFT KP 650"_s,  u"HFT 405/488/561"_s};
        if (viewAll)
            QCOMPARE(groupTexts(tree, 2).size(), rows(in, u"SELECT * FROM [Potential Filters]"_s));
        else
            QCOMPARE(groupTexts(tree, 2), fitting);
        browser.form().hide();
    }

    // Only favourites and user-defined filters can be removed, and never "None".
    void removal_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("table");
        QTest::newRow("None") << u"Favourite Filters for EF1 > None"_s << false << QString();
        QTest::newRow("catalogue") << u"Filters for EF1 > LP 560"_s << false << QString();
        QTest::newRow("favourite")
            << u"Favourite Filters for EF1 > LP 560"_s << true << u"Favourite Filters"_s;
        QTest::newRow("user defined, with a quote")
            << u"User Defined Filters > Lab 'LP 560'"_s << true << u"Potential Filters"_s;
    }
    void removal() {
        QFETCH(QString, node);
        QFETCH(bool, removable);
        QFETCH(QString, table);
        Installation in;
        in.start(u"tab 3"_s);
        const QString id = node.section(u" > "_s, 1);
        in.act(u"click UserChangeFilter1.CmdPos(4)\nnode TreeView1 \"%1\"\n"
               "expect Command2 enabled %2\n%3click Command1"_s.arg(
                   node, removable ? u"true"_s : u"false"_s,
                   removable ? u"click Command2\n"_s : QString()));
        if (removable)
            QCOMPARE(rows(in, u"SELECT * FROM [%1] WHERE [ID Potential] = ?"_s.arg(table), {id}),
                     0);
        // A removal leaves the position as it was.
        QCOMPARE(placed(in, 5), removable ? u"LP 650"_s : id);
    }

    // The favourites' table is made when the browser first opens on an installation without
    // one.
    void favouritesTableIsMade() {
        Installation in;
        in.onSystem(u"DROP TABLE [Favourite Filters]"_s);
        in.start(u"tab 3\nclick UserChangeFilter1.CmdPos(1)\n"
                 "node TreeView1 \"Filters for EF1 > LP 650\"\nclick Command1"_s);
        QStringList fields;
        for (const db::Field& field : in.editor().work().tableFields(u"Favourite Filters"_s))
            fields.append(field.name);
        QCOMPARE(fields, (QStringList{u"ID"_s, u"ID Potential"_s, u"Type"_s}));
        QCOMPARE(favourites(in, u"LP 650"_s), 1);
    }

    // A new user filter takes its wavelengths from the cut-off by its spectral type; it is
    // refused without a series number, without a name, or under a name in use.
    void addFilter_data() {
        QTest::addColumn<QString>("spectral");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("long pass 560")
            << u"LP"_s << u"My LP"_s << u"U-9"_s << QString() << 560.0 << 1000.0;
        QTest::newRow("short pass 500")
            << u"KP"_s << u"My KP"_s << u"U-9"_s << QString() << 200.0 << 500.0;
        QTest::newRow("band pass keeps its boxes")
            << u"BP"_s << u"My BP"_s << u"U-9"_s << QString() << 480.0 << 530.0;
        QTest::newRow("no series number") << u"LP"_s << u"My LP"_s << QString()
                                          << u"Series number must not be empty !"_s << 0.0 << 0.0;
        QTest::newRow("no name") << u"LP"_s << u"  "_s << u"U-9"_s
                                 << u"Filter name must not be empty !"_s << 0.0 << 0.0;
        QTest::newRow("existing") << u"LP"_s << kLabFilter << u"U-9"_s
                                  << u"Filter already existing!"_s << 560.0 << 1000.0;
    }
    void addFilter() {
        QFETCH(QString, spectral);
        QFETCH(QString, name);
        QFETCH(QString, series);
        QFETCH(QString, refusal);
        QFETCH(double, lower);
        QFETCH(double, upper);
        Installation in;
        in.start(u"tab 3"_s);
        const int before = rows(in, u"SELECT * FROM [Potential Filters]"_s);
        in.act(u"click UserChangeFilter1.CmdPos(1)\nnode TreeView1 \"User Defined Filters\"\n"
               "click Command3\ntype EName \"%1\"\ntype EIDPot \"%2\"\nselect ComboType %3\n"
               "select ComboFType LP\ntype ELwl \"480 nm\"\ntype EUwl 530\n"
               "type ECutOff \"%4\"\nclick Command2\n%5click Command1\nclick Command1"_s.arg(
                   name, series, spectral, spectral == u"KP"_s ? u"500"_s : u"560 nm"_s,
                   refusal.isEmpty() ? QString() : u"ok \"%1\"\n"_s.arg(refusal)));
        const bool added = refusal.isEmpty();
        QCOMPARE(rows(in, u"SELECT * FROM [Potential Filters]"_s), before + (added ? 1 : 0));
        if (!added && refusal != u"Filter already existing!"_s)
            return;
        const db::Recordset row = in.editor().work().OpenRecordset(
            u"SELECT * FROM [Potential Filters] WHERE [ID Potential] = ?"_s, {name});
        QCOMPARE(row.value(u"Lower Wavelength"_s).toDouble(), lower);
        QCOMPARE(row.value(u"Upper Wavelength"_s).toDouble(), upper);
        if (!added)
            return;
        QCOMPARE(row.value(u"Customer Added"_s).toBool(), true);
        QCOMPARE(row.value(u"Type"_s).toString(), u"LP"_s);
        QCOMPARE(row.value(u"Spectral Type"_s).toString(), spectral);
        QCOMPARE(row.value(u"Summary"_s).toString(), u" "_s);
        QCOMPARE(row.value(u"Producer"_s).toString(), u"Quentara"_s);
    }

    // The two type lists start from the wheel's first type; "Use last values" copies the
    // filter of the position.
    void addDialogPresets_data() {
        QTest::addColumn<QString>("firstType");
        QTest::addColumn<QString>("spectral");
        QTest::addColumn<QString>("filter");
        QTest::newRow("FW1") << u"FW1"_s << u"FW1"_s << u"FW1"_s;
        QTest::newRow("FW2") << u"FW2"_s << u"FW2"_s << u"FW2"_s;
        QTest::newRow("FW3 takes short passes") << u"FW3"_s << u"KP"_s << u"KP"_s;
        QTest::newRow("any other") << u"BP"_s << QString() << QString();
    }
    void addDialogPresets() {
        QFETCH(QString, firstType);
        QFETCH(QString, spectral);
        QFETCH(QString, filter);
        Installation in;
        in.start();
        editor::FilterDialogContext& context = in.session->pages().filterContext;
        context.allowedTypes = {firstType};
        context.selectedPosition = 2;
        context.selection() = u"LP 560"_s;
        const form::Form& add = dialog(in, u"FormAddUserFilter"_s);
        in.session->pages().addUserFilter.form().show();
        QCOMPARE(add.listBox(u"ComboType"_s).text(), spectral);
        QCOMPARE(add.listBox(u"ComboFType"_s).text(), filter);
        QVERIFY(!add.textBox(u"EProducer"_s).isEnabled());
        add.button(u"CmdLast"_s).press();
        QCOMPARE(add.textBox(u"EName"_s).text(), u"LP 560"_s);
        QCOMPARE(add.textBox(u"EIDPot"_s).text(), u"46 17 80-9912"_s);
        QCOMPARE(add.listBox(u"ComboType"_s).text(), u"LP"_s);
        QCOMPARE(add.textBox(u"ECutOff"_s).text(), add.textBox(u"ELwl"_s).text());
        add.checkBox(u"Check1"_s).setChecked(true);
        QVERIFY(add.textBox(u"EProducer"_s).isEnabled());
        add.checkBox(u"Check1"_s).setChecked(false);
        QCOMPARE(add.textBox(u"EProducer"_s).text(), u"Quentara"_s);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("unit") << u"560 nm"_s << 560.0;
        QTest::newRow("blanks, decimals") << u"  12.5x"_s << 12.5;
        QTest::newRow("sign") << u"-3"_s << -3.0;
        QTest::newRow("no number") << u"nm 560"_s << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(catalogue::AddUserFilterDialog::leadingNumber(text), number);
    }

    // Opened on a database without favourites, the browser makes their table and opens at the
    // objective the position shows; closed at once, it places nothing.
    void objectiveBrowserOpens() {
        Installation in;
        in.onSystem(u"DROP TABLE [Favourite Objective Lenses]"_s);
        in.start(u"tab 1\nclick CmdPosObj(2)\nclick Command1"_s);
        db::Database& work = in.editor().work();
        const QList<db::Field> fields = work.tableFields(u"Favourite Objective Lenses"_s);
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields.at(0).name, u"ID Potential"_s);
        QCOMPARE(fields.at(0).type, db::FieldType::Text);
        QCOMPARE(fields.at(1).type, db::FieldType::Long);
        const form::TreeView& tree = dialog(in, u"FormObjectives"_s).treeView(u"TreeView1"_s);
        QVERIFY(groupTexts(tree, 0).isEmpty());
        QVERIFY(tree.selectedNode());
        QCOMPARE(tree.selectedNode()->text(), u"44 17 67"_s);
        QVERIFY(tree.selectedNode()->parent()->isExpanded());
        QCOMPARE(tree.selectedNode()->parent()->text(), u"Potential Objectives"_s);
        QCOMPARE(records::NullToText(
                     records::ReadFieldByNumber(work, u"Available Objective Lenses"_s,
                                                u"Revolver Position"_s, 3, records::kIdPotential)),
                 u"44 17 67"_s);
        QCOMPARE(rows(in, u"SELECT * FROM [Favourite Objective Lenses]"_s), 0);
    }

    // Favourites and user-defined objectives can be removed; catalogue objectives and the empty
    // position cannot. A removed user objective stays a favourite row, shown no more.
    void removeObjective_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("table");
        QTest::newRow("catalogue") << u"Potential Objectives > 44 03 30"_s << false << QString();
        QTest::newRow("empty position")
            << u"Favourite Objectives > Empty position"_s << false << QString();
        QTest::newRow("favourite")
            << u"Favourite Objectives > 44 07 62"_s << true << u"Favourite Objective Lenses"_s;
        QTest::newRow("user defined")
            << u"User Defined Objectives > LAB-100x"_s << true << u"Potential Objective Lenses"_s;
    }
    void removeObjective() {
        QFETCH(QString, node);
        QFETCH(bool, removable);
        QFETCH(QString, table);
        Installation in;
        const QString id = node.section(u" > "_s, 1);
        in.start(u"tab 1"_s);
        const int before = table.isEmpty() ? 0 : rows(in, u"SELECT * FROM [%1]"_s.arg(table));
        in.act(u"click CmdPosObj(4)\nnode TreeView1 \"%1\"\nexpect Command2 enabled %2\n%3"
               "click Command1"_s.arg(node, removable ? u"true"_s : u"false"_s,
                                      removable ? u"click Command2\n"_s : QString()));
        if (removable) {
            QCOMPARE(rows(in, u"SELECT * FROM [%1]"_s.arg(table)), before - 1);
            const form::TreeView& tree = dialog(in, u"FormObjectives"_s).treeView(u"TreeView1"_s);
            QVERIFY(!groupTexts(tree, 0).contains(id));
            QVERIFY(!groupTexts(tree, 1).contains(id));
        }
        // The removal gave the choice up: the position keeps its objective.
        QCOMPARE(records::NullToText(
                     records::ReadFieldByNumber(in.editor().work(), u"Available Objective Lenses"_s,
                                                u"Revolver Position"_s, 5, records::kIdPotential)),
                 removable ? u"Empty position"_s : id);
        if (table == u"Potential Objective Lenses"_s)
            QCOMPARE(rows(in,
                          u"SELECT * FROM [Favourite Objective Lenses] WHERE "
                          "[ID Potential] = ?"_s,
                          {id}),
                     1);
    }

    // A user-defined objective: numbers from the leading number of their boxes, the fitness
    // choices coded; an empty or known id is refused and writes nothing.
    void addObjective_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("added");
        QTest::addColumn<double>("magnification");
        QTest::addColumn<int>("uv");
        QTest::addColumn<int>("scan");
        QTest::newRow("added")
            << u"type EIDPot \"Lab 'x'\"\ntype EMag 10x\ntype EAp \".95 dry\"\nselect ComboUV "
               "\"364 nm\"\nselect ComboScan No\nclick Command2"_s
            << u"Lab 'x'"_s << 1 << 10.0 << 2 << 0;
        QTest::newRow("defaults") << u"type EIDPot L2\nclick Command2"_s << u"L2"_s << 1 << 0.0 << 1
                                  << 1;
        QTest::newRow("empty id") << u"click Command2\nok \"Objective ID must not be empty !\""_s
                                  << QString() << 0 << 0.0 << 0 << 0;
        QTest::newRow("known id")
            << u"type EIDPot \"44 03 30\"\nclick Command2\nok \"Objective already existing!\""_s
            << u"44 03 30"_s << 0 << 10.0 << 0 << 1;
    }
    void addObjective() {
        QFETCH(QString, lines);
        QFETCH(QString, id);
        QFETCH(int, added);
        QFETCH(double, magnification);
        QFETCH(int, uv);
        QFETCH(int, scan);
        Installation in;
        in.start(u"tab 1"_s);
        const int before = rows(in, u"SELECT * FROM [Potential Objective Lenses]"_s);
        in.act(
            u"click CmdPosObj(0)\nnode TreeView1 \"User Defined Objectives\"\nclick Command3\n"_s +
            lines + u"\nclick Command1\nclick Command1"_s);
        QCOMPARE(rows(in, u"SELECT * FROM [Potential Objective Lenses]"_s), before + added);
        if (id.isEmpty())
            return;
        const db::Recordset row = in.editor().work().OpenRecordset(
            u"SELECT * FROM [Potential Objective Lenses] WHERE [ID Potential] = ?"_s, {id});
        QCOMPARE(row.value(u"Magnification"_s).toDouble(), magnification);
        QCOMPARE(row.value(u"UVFitness"_s).toInt(), uv);
        QCOMPARE(row.value(u"ScanFitness"_s).toInt(), scan);
        if (added) {
            QVERIFY(row.value(u"Customer Added"_s).toBool());
            QCOMPARE(row.value(u"Producer"_s).toString(), u"Quentara"_s);
            QCOMPARE(row.value(records::kSummary).toString(), u"New Objective"_s);
            QVERIFY(groupTexts(dialog(in, u"FormObjectives"_s).treeView(u"TreeView1"_s), 1)
                        .contains(id));
        }
    }

    // A fitness text that is no choice is stored as 0.
    void fitnessCodes() {
        QCOMPARE(catalogue::AddUserObjectiveDialog::uvFitnessCode(u"364 nm"_s), 2);
        QCOMPARE(catalogue::AddUserObjectiveDialog::uvFitnessCode(u"Partly"_s), 0);
        QCOMPARE(catalogue::AddUserObjectiveDialog::scanFitnessCode(u"Yes"_s), 1);
        QCOMPARE(catalogue::AddUserObjectiveDialog::scanFitnessCode(u"yes"_s), 0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
