#include <QJsonDocument>
#include <QTest>
#include <editor/Page.h>
#include <form/ControlDump.h>
#include <form/FormSet.h>

using namespace Qt::StringLiterals;

namespace {

// The filter position control as the scan-wheel page will hold it eight times: a label, eight
// position buttons and a row of options, all under the owner's name.
class FilterPosition : public editor::Declarations {
public:
    FilterPosition(form::Form& form, const QString& owner, const editor::Frame& within)
        : Declarations(form, owner, within) {}

    form::Label& lFilter = label(u"LFilter"_s);
    const QList<form::Button*> cmdPos = buttons(u"CmdPos"_s, 8, u"..."_s);
    const QList<form::OptionButton*> optionKind = options(u"OptionKind"_s, {u"BP"_s, u"LP"_s});
};

// A page declared with every helper: a control array, option arrays of one group per row,
// owner-prefixed instances in frames of their own, a tree and two pictures.
class WheelPage : public editor::Declarations {
public:
    explicit WheelPage(form::Form& form) : Declarations(form) {}

    const editor::Frame m_frameObjectives =
        frame(editor::PageMicroscope, u"FrameObjectives"_s, u"Objectives"_s, 0);
    const QList<form::Button*> cmdPosObj = buttons(u"CmdPosObj"_s, 7);
    const QList<form::OptionButton*> option1 =
        options(u"Option1"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s});
    const QList<form::OptionButton*> option2 =
        options(u"Option2"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s});

    const editor::Frame m_frameWheel1 =
        frame(editor::PageMicroscope, u"FrameWheel1"_s, u"Wheel 1"_s, 2);
    FilterPosition userChangeFilter1{form(), u"UserChangeFilter1"_s, m_frameWheel1};
    // Declared after the owned control: it sits in the owner's frame all the same.
    form::CheckBox& checkWheel1 = check(u"CheckWheel1"_s, u"Wheel 1"_s);

    const editor::Frame m_frameWheel2 =
        frame(editor::PageMicroscope, u"FrameWheel2"_s, u"Wheel 2"_s, 2);
    FilterPosition userChangeFilter2{form(), u"UserChangeFilter2"_s, m_frameWheel2};

    const editor::Frame m_frameLight =
        frame(editor::PageMicroscope, u"FrameLight"_s, u"Light Path"_s);
    form::Picture& pictureReflection = picture(u"PictureReflection"_s, u"reflected"_s);
    form::Picture& pictureTransmission = picture(u"PictureTransmission"_s, u"transmitted"_s);
    form::TreeView& treeView1 = tree(u"TreeView1"_s);
};

// A class of the main window that forgets its frame.
class Unframed : public editor::Declarations {
public:
    explicit Unframed(form::Form& form) : Declarations(form) {}
    form::CheckBox& checkLost = check(u"CheckLost"_s);
};

class DialogPart : public editor::Declarations {
public:
    explicit DialogPart(form::Form& form) : Declarations(form) {}
    form::Button& command1 = button(u"Command1"_s, u"Close"_s);
};

class FramedDialogPart : public editor::Declarations {
public:
    explicit FramedDialogPart(form::Form& form) : Declarations(form) {}
    const editor::Frame m_frame = frame(editor::kNoPage, u"FrameAdd"_s, u"Add"_s);
    form::TextBox& eName = text(u"EName"_s, u"Name"_s);
};

} // namespace

class TestDeclarations : public QObject {
    Q_OBJECT

private slots:
    void declaredControlsSitWhereTheirClassPutThem_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<int>("column");
        QTest::newRow("array element")
            << u"CmdPosObj(6)"_s << u"button"_s << u"FrameObjectives"_s << 0;
        QTest::newRow("option row") << u"Option2(6)"_s << u"option"_s << u"FrameObjectives"_s << 0;
        QTest::newRow("owned label")
            << u"UserChangeFilter1.LFilter"_s << u"label"_s << u"FrameWheel1"_s << 2;
        QTest::newRow("owned array")
            << u"UserChangeFilter2.CmdPos(7)"_s << u"button"_s << u"FrameWheel2"_s << 2;
        QTest::newRow("owner after owned")
            << u"CheckWheel1"_s << u"check"_s << u"FrameWheel1"_s << 2;
        QTest::newRow("picture") << u"PictureTransmission"_s << u"picture"_s << u"FrameLight"_s
                                 << -1;
        QTest::newRow("tree") << u"TreeView1"_s << u"tree"_s << u"FrameLight"_s << -1;
    }
    void declaredControlsSitWhereTheirClassPutThem() {
        QFETCH(QString, address);
        QFETCH(QString, kind);
        QFETCH(QString, frame);
        QFETCH(int, column);
        form::FormSet forms;
        form::Form& main = forms.addForm(u"main"_s);
        const WheelPage page(main);
        const form::Control* control = main.control(address);
        QVERIFY2(control, qPrintable(address));
        QCOMPARE(form::kindName(control->kind()), kind);
        QCOMPARE(control->placement().page, int(editor::PageMicroscope));
        QCOMPARE(control->placement().groupName, frame);
        QCOMPARE(control->placement().column, column);
    }

    // Each option array is a group of its own: one row of the filter table, or one filter
    // position control, never clears another's choice.
    void eachOptionArrayIsAGroupOfItsOwn() {
        form::FormSet forms;
        form::Form& main = forms.addForm(u"main"_s);
        const WheelPage page(main);
        page.option1[2]->setSelected(true);
        page.option2[4]->setSelected(true);
        page.userChangeFilter1.optionKind[0]->setSelected(true);
        page.userChangeFilter2.optionKind[1]->setSelected(true);
        page.option1[3]->setSelected(true);
        QVERIFY(!page.option1[2]->isSelected());
        QVERIFY(page.option2[4]->isSelected());
        QVERIFY(page.userChangeFilter1.optionKind[0]->isSelected());
        QVERIFY(page.userChangeFilter2.optionKind[1]->isSelected());
        QCOMPARE(page.userChangeFilter2.cmdPos[3]->caption(), u"..."_s);
        QCOMPARE(page.userChangeFilter2.owner(), u"UserChangeFilter2"_s);
    }

    void aMainWindowControlOutsideAFrameIsAnError() {
        form::FormSet forms;
        form::Form& main = forms.addForm(u"main"_s);
        const WheelPage page(main);
        // The frame the page declared last is not the next class's.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Unframed{main});
        QVERIFY(!main.control(u"CheckLost"_s));

        // A dialog's controls may sit on the dialog itself, also after a class that declared a
        // frame on it.
        form::Form& dialog = forms.addForm(u"FormObjectives"_s);
        const FramedDialogPart add(dialog);
        const DialogPart close(dialog);
        QCOMPARE(close.command1.placement().groupName, QString());
        QCOMPARE(add.eName.placement().groupName, u"FrameAdd"_s);
    }

    void picturesAreListedByTheDump() {
        form::FormSet forms;
        form::Form& main = forms.addForm(u"main"_s);
        WheelPage page(main);
        page.pictureReflection.setImage(u"transmitted"_s);
        page.pictureTransmission.setVisible(false);
        QJsonObject reflection, transmission;
        for (const QByteArray& line : form::controlDump(forms).split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (object[u"name"_s] == u"PictureReflection"_s)
                reflection = object;
            if (object[u"name"_s] == u"PictureTransmission"_s)
                transmission = object;
        }
        QCOMPARE(reflection[u"kind"_s], u"picture"_s);
        QCOMPARE(reflection[u"image"_s], u"transmitted"_s);
        QCOMPARE(transmission[u"visible"_s], false);
        QCOMPARE(transmission[u"image"_s], u"transmitted"_s);
    }
};

QTEST_GUILESS_MAIN(TestDeclarations)
#include "tst_declarations.moc"
