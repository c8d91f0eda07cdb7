#include "Installation.h"

#include <QProcess>
#include <QTest>
#include <app/Validation.h>
#include <form/TabControl.h>
#include <form/TreeView.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run program(const QStringList& arguments) {
    QProcess process;
    process.start(qEnvironmentVariable("ORBIS_CONFIG"), arguments);
    process.waitForFinished(60000);
    return Run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
               QString::fromUtf8(process.readAllStandardError())};
}

const QString kDemoPort =
    u"[Available Lasers] Mai Tai / Control: AOTF Driver and Mai Tai both use the serial "
    "port COM2"_s;

} // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    // Each finding on a prepared database, beside the one the demo holds on purpose (two devices
    // on one port, for the connection warnings); a change that conflicts with nothing adds none.
    void findings_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("finding");
        QTest::newRow("the demo") << QString() << QString();
        QTest::newRow("two lines on one channel")
            << u"UPDATE [Available Attenuator Channels] SET [Channel No] = 2 WHERE Wavelength = 514"_s
            << u"[Available Attenuator Channels] 514 / Channel No: The lines 488 nm and 514 nm "
               "both hold attenuator channel 2"_s;
        QTest::newRow("an unusable line shares nothing")
            << u"UPDATE [Available Attenuator Channels] SET [Channel No] = 2, Status = 'Do not "
               "use' WHERE Wavelength = 514"_s
            << QString();
        QTest::newRow("a line without a channel")
            << u"UPDATE [Available Attenuator Channels] SET [Channel No] = 0 WHERE Wavelength = 543"_s
            << u"[Available Attenuator Channels] 543 / Channel No: The line 543 nm is in use but "
               "holds no attenuator channel"_s;
        QTest::newRow("a port in use without a device")
            << u"UPDATE [Available Interfaces] SET Status = ' ' WHERE [ID Available] = 'COM3'"_s
            << u"[Available Interfaces] COM3 / Status: The serial port COM3 is in use, but no "
               "device in use names it"_s;
        QTest::newRow("a reference to no row")
            << u"UPDATE [Available Point Detectors] SET [Next Electrical Device] = "
               "'I/Integrator9' WHERE [ID Available] = 'Pmt1'"_s
            << u"[Available Point Detectors] Pmt1 / Next Electrical Device: Next Electrical "
               "Device names Integrator9, which is no row of the installation"_s;
        QTest::newRow("a chain with an unusable member")
            << u"UPDATE [Available Integrators] SET Status = 'Do not use' WHERE [ID Available] "
               "= 'Integrator1'"_s
            << u"[Available Point Detectors] Pmt1 / Next Electrical Device: Pmt1 is in use, but "
               "the next device of its chain, Integrator1 in Available Integrators, is not"_s;
        QTest::newRow("a gap in a wheel")
            << u"DELETE FROM [Available FilterPlacement] WHERE [ID Available] = 'EF1' AND "
               "Position = 3"_s
            << u"[Available FilterPlacement] EF1 / Position: The wheel EF1 has no position 3"_s;
        QTest::newRow("a filter the catalogue lacks")
            << u"UPDATE [Available FilterPlacement] SET [ID Potential] = 'BP 999' WHERE [ID "
               "Available] = 'EF1' AND Position = 2"_s
            << u"[Available FilterPlacement] EF1 / ID Potential: Position 2 of the wheel EF1 "
               "holds BP 999, which the filter catalogue lacks"_s;
    }
    void findings() {
        QFETCH(QString, sql);
        QFETCH(QString, finding);
        Installation in;
        if (!sql.isEmpty())
            in.onSystem(sql);
        QStringList lines;
        for (const app::Finding& found : app::validate(*db::Database::openShared(in.systemPath)))
            lines.append(found.line());
        QStringList expected{kDemoPort};
        if (!finding.isEmpty())
            expected.append(finding);
        lines.sort();
        expected.sort();
        QCOMPARE(lines, expected);
    }

    // The report in the window lists the finding, and its button brings the page to the front.
    void theReportShowsThePage() {
        Installation in;
        in.start();
        in.act(u"click mnuValidate\n"
               "expect LblValidateSummary caption \"1 findings.\"\n"
               "expect ListFindings text \"%1\"\n"
               "click CmdShowFinding\n"_s.arg(kDemoPort));
        QCOMPARE(in.session->pages().window.tabs.currentIndex(), int(editor::PageLaser));
        QVERIFY(!in.forms->form(u"frmValidate"_s)->isVisible());
    }

    // Every finding is listed at once: a click on one chooses it, a double click shows its page.
    void theReportListsEveryFinding() {
        Installation in;
        db::Database::open(in.systemPath)
            ->execute(u"UPDATE [Available Lasers] SET [Next Optical Device] = 'F/Nowhere' "
                      "WHERE [ID Available] = 'Argon'"_s);
        in.start();
        const QString nowhere = u"[Available Lasers] Argon / Next Optical Device: Next Optical "
                                "Device names Nowhere, which is no row of the installation"_s;
        in.act(u"click mnuValidate\n"
               "expect LblValidateSummary caption \"2 findings.\"\n"
               "node TreeFindings \"%1\"\n"
               "expect ListFindings text \"%1\"\n"
               "dblclick TreeFindings\n"_s.arg(nowhere));
        QCOMPARE(in.session->pages().window.tabs.currentIndex(), int(editor::PageLaser));
        QVERIFY(!in.forms->form(u"frmValidate"_s)->isVisible());
    }

    // The review lists what the working copy changes, field by field, before a store.
    void theReviewListsTheChanges() {
        Installation in;
        in.start();
        // Start-up itself brings the working copy up to date in a few rows.
        in.act(u"click CmdReview\nclick CmdCloseReview\n"_s);
        const form::Form& review = *in.forms->form(u"frmReview"_s);
        in.editor().work().execute(
            u"UPDATE [Available Lasers] SET Status = 'Do not use' WHERE [ID Available] = 'Argon'"_s);
        in.editor().work().execute(
            u"DELETE FROM [Available Lasers] WHERE [ID Available] = 'Ar/Kr'"_s);
        in.act(u"click CmdReview\n"
               "node TreeReview \"[Available Lasers] > Changed row \"\"Argon\"\" > Status: \"\" "
               "\"\" → \"\"Do not use\"\"\"\n"
               "node TreeReview \"[Available Lasers] > Removed row \"\"Ar/Kr\"\"\"\n"
               "click CmdCloseReview\n"_s);
        QVERIFY(!review.label(u"LblReviewSummary"_s).caption().isEmpty());
    }

    // On the command line: the same text, JSON, and the exit status that tells.
    void commandLine() {
        Installation in;
        const QString copy = in.dir.filePath(u"Copy.mdb"_s);
        QVERIFY(QFile::copy(in.systemPath, copy));
        Run same = program({u"--diff"_s, in.systemPath, copy});
        QCOMPARE(same.exitCode, 0);
        db::Database::open(copy)->execute(
            u"UPDATE [Available Lasers] SET Status = 'Do not use' WHERE [ID Available] = 'Argon'"_s);
        Run changed = program({u"--diff"_s, in.systemPath, copy});
        QCOMPARE(changed.exitCode, 1);
        QCOMPARE(changed.out, u"--- %1\n+++ %2\n[Available Lasers]\n  ~ row \"Argon\"\n"
                              "      Status: \" \" -> \"Do not use\"\n"_s.arg(in.systemPath, copy));
        Run json = program({u"--diff"_s, in.systemPath, copy, u"--json"_s});
        QCOMPARE(json.exitCode, 1);
        QVERIFY(json.out.contains(u"\"same\": false"_s));

        Run report = program({u"--validate"_s, in.systemPath});
        QCOMPARE(report.exitCode, 1);
        QCOMPARE(report.out, kDemoPort + u'\n');

        // A file that is no database is named, as start-up names it.
        const QString text = in.dir.filePath(u"Notes.mdb"_s);
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a database at all, but long enough to be read as one............");
        notes.close();
        for (const QStringList& arguments :
             {QStringList{u"--diff"_s, in.systemPath, text}, QStringList{u"--validate"_s, text}}) {
            const Run refused = program(arguments);
            QCOMPARE(refused.exitCode, 2);
            QVERIFY2(refused.err.startsWith(
                         u"orbis-config: The database %1 is not a database file"_s.arg(text)),
                     qPrintable(refused.err));
        }
    }
};

QTEST_GUILESS_MAIN(TestReview)
#include "tst_review.moc"
