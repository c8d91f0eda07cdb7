#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <form/ControlDump.h>
#include <form/FormSet.h>

using namespace form;

class TestControlDump : public QObject {
    Q_OBJECT

private slots:
    void oneLinePerControlWithItsKindsFields();
};

void TestControlDump::oneLinePerControlWithItsKindsFields() {
    FormSet forms;
    Form& main = forms.addForm(QStringLiteral("main"));
    main.addCheckBox(QStringLiteral("CheckArgon"), QStringLiteral("Argon 25mW")).setChecked(true);
    auto& tabs = main.addTabControl(QStringLiteral("SSTab1"));
    tabs.addPage(QStringLiteral("Configuration"));
    tabs.addPage(QStringLiteral("FCS"));
    tabs.setPageEnabled(1, false);
    auto& list = main.addListBox(QStringLiteral("ComboHistory"));
    list.addItem(QStringLiteral("Backup 1"));
    list.addItem(QStringLiteral("Backup 2"));
    list.setCurrentIndex(1);
    main.addLabelArray(QStringLiteral("UserChangeFilter1.LFilter"), 2).at(1)->setVisible(false);
    Form& dialog = forms.addForm(QStringLiteral("FormObjectives"));
    dialog.addOptionButton(QStringLiteral("OptionObjname"), QStringLiteral("Show Name"))
        .setSelected(true);
    dialog.addTextBox(QStringLiteral("EName"), QStringLiteral("New Objective")).setEnabled(false);
    dialog.addButton(QStringLiteral("Command1"), QStringLiteral("Close"));
    dialog.addMenuItem(QStringLiteral("mnuExit"), QStringLiteral("Exit"));
    auto& tree = dialog.addTreeView(QStringLiteral("TreeView1"));
    auto& group = tree.addNode(nullptr, QStringLiteral("Favourite Objectives"), {},
                               QStringLiteral("closed"), QStringLiteral("open"));
    auto& objective = tree.addNode(&group, QStringLiteral("Plan 10x"), QStringLiteral("P10"),
                                   QStringLiteral("objective"));
    tree.setExpanded(group, true);
    tree.setSelectedNode(&objective);

    const QList<QByteArray> lines = controlDump(forms).split('\n');
    QCOMPARE(lines.size(), 11);
    QVERIFY(lines.last().isEmpty());
    QList<QJsonObject> objects;
    for (qsizetype i = 0; i < lines.size() - 1; ++i)
        objects.append(QJsonDocument::fromJson(lines.at(i)).object());

    QCOMPARE(objects[0], (QJsonObject{{"form", "main"},
                                      {"name", "CheckArgon"},
                                      {"kind", "check"},
                                      {"enabled", true},
                                      {"visible", true},
                                      {"caption", "Argon 25mW"},
                                      {"checked", true}}));
    QCOMPARE(objects[1]["kind"], "tabs");
    QCOMPARE(objects[1]["index"], 0);
    QCOMPARE(objects[1]["tabs"],
             (QJsonArray{QJsonObject{{"caption", "Configuration"}, {"enabled", true}},
                         QJsonObject{{"caption", "FCS"}, {"enabled", false}}}));
    QCOMPARE(objects[2]["kind"], "list");
    QCOMPARE(objects[2]["items"], (QJsonArray{"Backup 1", "Backup 2"}));
    QCOMPARE(objects[2]["index"], 1);
    QCOMPARE(objects[2]["text"], "Backup 2");
    QCOMPARE(objects[4]["name"], "UserChangeFilter1.LFilter(1)");
    QCOMPARE(objects[4]["kind"], "label");
    QCOMPARE(objects[4]["visible"], false);
    QCOMPARE(objects[4].size(), 6);
    QCOMPARE(objects[5]["form"], "FormObjectives");
    QCOMPARE(objects[5]["kind"], "option");
    QCOMPARE(objects[5]["selected"], true);
    QCOMPARE(objects[6]["kind"], "text");
    QCOMPARE(objects[6]["text"], "New Objective");
    QCOMPARE(objects[6]["enabled"], false);
    QCOMPARE(objects[7]["kind"], "button");
    QCOMPARE(objects[7].size(), 6);
    QCOMPARE(objects[8]["kind"], "menu");
    QCOMPARE(objects[9]["kind"], "tree");
    const QJsonObject child{{"text", "Plan 10x"}, {"tag", "P10"},     {"image", "objective"},
                            {"expanded", false},  {"selected", true}, {"children", QJsonArray{}}};
    QCOMPARE(objects[9]["nodes"], (QJsonArray{QJsonObject{{"text", "Favourite Objectives"},
                                                          {"tag", ""},
                                                          {"image", "open"},
                                                          {"expanded", true},
                                                          {"selected", false},
                                                          {"children", QJsonArray{child}}}}));
}

QTEST_GUILESS_MAIN(TestControlDump)
#include "tst_controldump.moc"
