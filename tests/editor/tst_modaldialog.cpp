#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DbError.h>
#include <editor/Editor.h>
#include <editor/EditorBoundary.h>
#include <editor/ModalDialog.h>
#include <form/FormSet.h>
#include <form/RecordingHost.h>
#include <platform/LinuxPlatform.h>

using namespace Qt::StringLiterals;

namespace {

// A dialog whose one button writes a row, and whose other writes one and then fails.
class RowDialog : public editor::ModalDialog {
public:
    explicit RowDialog(editor::Editor& editor) : ModalDialog(editor, u"FormRows"_s, u"Rows"_s) {
        cmdAdd.setHandler([this] {
            add(u"kept"_s);
            close();
        });
        cmdFail.setHandler([this] {
            add(u"undone"_s);
            throw db::DbError(u"disk full"_s);
        });
    }

    int openings = 0;
    int closings = 0;

protected:
    void opened() override {
        ++openings;
        eName.setText(u"new"_s);
    }
    void closing() override { ++closings; }

private:
    void add(const QString& name) {
        editor().work().execute(u"INSERT INTO [Rows] VALUES (?)"_s, {name});
    }

public:
    form::TextBox& eName = text(u"EName"_s, u"Name"_s);
    form::Button& cmdAdd = button(u"CmdAdd"_s, u"Add"_s);
    form::Button& cmdFail = button(u"CmdFail"_s, u"Fail"_s);
};

} // namespace

// A dialog's button is a unit of work inside the action that opened the dialog: its error undoes
// what it wrote, and only that, and the dialog stays open for the next try.
class TestModalDialog : public QObject {
    Q_OBJECT

private slots:
    void eachButtonOfTheDialogIsUndoneOnItsOwn() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Temp.mdb"_s);
        db::Database::create(path)->execute(u"CREATE TABLE [Rows] ([Name] TEXT)"_s);

        form::RecordingHost host;
        form::FormSet forms;
        forms.setHost(&host);
        form::Form& main = forms.addForm(u"main"_s);
        form::Button& cmdOpen = main.addButton(u"CmdOpen"_s);
        platform::LinuxPlatform platform(u"/nonexistent/registry.reg"_s);
        editor::Editor e(forms, platform, QString());
        e.setStatusLine(main.addLabel(u"LMsg"_s));
        e.setWorkCopyPath(path);
        e.openWork();
        int rereads = 0;
        editor::EditorBoundary boundary(e, [&rereads] { ++rereads; });
        forms.setBoundary(&boundary);
        RowDialog dialog(e);

        cmdOpen.setHandler([&] {
            e.work().execute(u"INSERT INTO [Rows] VALUES ('before')"_s);
            dialog.exec();
        });
        QStringList seen;
        host.modalScript = [&](form::Form& shown) {
            QCOMPARE(&shown, &dialog.form());
            QCOMPARE(dialog.eName.text(), u"new"_s);
            dialog.cmdFail.userPress();
            QVERIFY(dialog.isOpen());
            dialog.cmdAdd.userPress();
        };
        cmdOpen.userPress();
        QVERIFY(!dialog.isOpen());
        QCOMPARE(boundary.caughtErrors(), 1);
        QCOMPARE(rereads, 1);
        QCOMPARE(dialog.openings, 1);

        db::Recordset rows = e.work().OpenRecordset(u"SELECT [Name] FROM [Rows]"_s);
        for (; !rows.eof(); rows.moveNext())
            seen.append(rows.value(u"Name"_s).toString());
        QCOMPARE(seen, (QStringList{u"before"_s, u"kept"_s}));
        QVERIFY(!e.work().inTransaction());

        // The window's close button closes the dialog too, after its closing step.
        host.modalScript = [&](form::Form& shown) { shown.userClose(); };
        dialog.exec();
        QCOMPARE(dialog.closings, 1);
        QCOMPARE(dialog.openings, 2);
    }
};

QTEST_GUILESS_MAIN(TestModalDialog)
#include "tst_modaldialog.moc"
