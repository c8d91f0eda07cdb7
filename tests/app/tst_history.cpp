#include "Installation.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <app/History.h>
#include <ctime>
#include <db/Field.h>
#include <platform/FileSafety.h>
#include <platform/FolderListing.h>
#include <records/RecordHelpers.h>

namespace {

const QString kStore = QStringLiteral(
    "click CmdStore\nanswer yes \"Are you sure, you want to store the new system database ?\"\n");

// Sets the process's time zone for the length of a scope.
class TimeZone {
public:
    explicit TimeZone(const QByteArray& zone)
        : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ")) {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~TimeZone() {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

struct Row {
    QVariant no;
    QVariant date; // as stored
    QString path;
    bool present; // the backup file is there
};

void insertRows(const Installation& in, const QList<Row>& rows) {
    auto templ = db::Database::open(in.templatePath);
    for (const Row& row : rows) {
        templ->execute(
            QStringLiteral("INSERT INTO [History] ([No], [Date], [Path]) VALUES (?, ?, ?)"),
            {row.no, row.date, row.path});
        if (row.present) {
            QDir().mkpath(QFileInfo(row.path).absolutePath());
            QFile file(row.path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
}

// What the list showed for a row when every date went through a QDateTime in local time.
QString shownBefore(const Row& row) {
    return app::History::entryText(row.no,
                                   db::fromStored(db::FieldType::Date, row.date).toDateTime());
}

QStringList texts(const form::ListBox& list) {
    QStringList result;
    for (const form::ListBox::Entry& entry : list.entries())
        result.append(entry.text);
    return result;
}

QList<qint64> historyNumbers(const QString& templatePath) {
    QList<qint64> numbers;
    auto database = db::Database::openShared(templatePath);
    for (db::Recordset rs = database->OpenRecordset(records::kHistory); !rs.eof(); rs.moveNext())
        numbers.append(rs.value(QStringLiteral("No")).toLongLong());
    return numbers;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The list shows the rows whose backup is there, as it always showed them, in any time
    // zone and on either side of a change of the clocks; the other rows go.
    void listShowsTheRowsWithABackup_data() {
        QTest::addColumn<QByteArray>("zone");
        // Backups numbered far apart are looked up otherwise than the usual run of numbers.
        QTest::addColumn<bool>("farApart");
        // A folder of thousands of names is read while the rows are.
        QTest::addColumn<bool>("largeFolder");
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << false << false;
        QTest::newRow("New York") << QByteArray("America/New_York") << true << false;
        QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata") << false << false;
        QTest::newRow("UTC") << QByteArray("UTC") << true << false;
        QTest::newRow("large folder") << QByteArray("UTC") << true << true;
    }
    void listShowsTheRowsWithABackup() {
        QFETCH(QByteArray, zone);
        QFETCH(bool, farApart);
        QFETCH(bool, largeFolder);
        const TimeZone timeZone(zone);
        Installation in;
        const auto backup = [&](const QString& name) {
            return in.dir.filePath(QStringLiteral("BackupDB/") + name);
        };
        const QString elsewhere = in.dir.filePath(QStringLiteral("kept/Old.mdb"));
        QList<Row> rows = {
            // Either side of the spring change in Europe, the repeated hours of the autumn
            // changes in Europe and America.
            {1, QStringLiteral("2026-03-29 01:59:59"), backup(QStringLiteral("Temp1.mdb")), true},
            {2, QStringLiteral("2026-03-29 03:00:00"), backup(QStringLiteral("Temp2.mdb")), true},
            {3, QStringLiteral("2026-10-25 02:30:00"), backup(QStringLiteral("Temp3.mdb")), true},
            {4, QStringLiteral("2026-11-01 01:30:00"), backup(QStringLiteral("Temp4.mdb")), true},
            // Removed by hand.
            {5, QStringLiteral("2026-03-08 01:30:00"), backup(QStringLiteral("Temp5.mdb")), false},
            // Dates stored otherwise, or not at all.
            {6, QStringLiteral("2026-01-01T12:00:00"), backup(QStringLiteral("Temp6.mdb")), true},
            {7, QVariant(), backup(QStringLiteral("Temp7.mdb")), true},
            {8, QStringLiteral("2026-1-01 12:00:00"), backup(QStringLiteral("Temp8.mdb")), true},
            {9, QStringLiteral("2026-06-31 12:00:00"), backup(QStringLiteral("Temp9.mdb")), true},
            // Files outside the backup folder, or reached through it by a detour.
            {10, QStringLiteral("2025-12-31 23:59:59"), elsewhere, true},
            {11, QStringLiteral("2025-12-31 23:59:59"), elsewhere + u'x', false},
            {12, QStringLiteral("2026-07-01 08:05:09"),
             backup(QStringLiteral("../BackupDB/Temp12.mdb")), true},
            {13, QStringLiteral("2026-07-01 08:05:09"), QString(), false},
            // A folder of that name is no backup.
            {14, QStringLiteral("2026-07-01 08:05:09"), backup(QStringLiteral("Temp14.mdb")),
             false},
        };
        if (farApart) {
            rows.append({900000000, QStringLiteral("2026-07-02 08:05:09"),
                         backup(QStringLiteral("Temp900000000.mdb")), true});
            rows.append({900000064, QStringLiteral("2026-07-02 08:05:09"),
                         backup(QStringLiteral("Temp900000064.mdb")), false});
        }
        insertRows(in, rows);
        QVERIFY(QDir().mkpath(backup(QStringLiteral("Temp14.mdb"))));
        if (largeFolder) {
            for (int i = 0; i < 5000; ++i)
                QVERIFY(
                    QFile(backup(QStringLiteral("Other%1.mdb").arg(i))).open(QIODevice::WriteOnly));
            QVERIFY(platform::folderBytes(in.dir.filePath(QStringLiteral("BackupDB"))) >= 64 << 10);
        }
        in.start();
        QStringList expected;
        QList<qint64> kept;
        for (const Row& row : rows) {
            if (!row.present)
                continue;
            expected.append(shownBefore(row));
            kept.append(row.no.toLongLong());
        }
        const form::ListBox& list = in.main().listBox(QStringLiteral("ComboHistory"));
        QCOMPARE(texts(list), expected);
        QCOMPARE(list.currentIndex(), list.count() - 1);
        QCOMPARE(list.currentData().toLongLong(), kept.last());
        QCOMPARE(historyNumbers(in.templatePath), kept);
    }

    // A backup is listed anew only when no row names it, whatever form the row's path has:
    // rows that name the file by a detour count, names that only look alike do not.
    void aBackupWithoutARowIsFoundByItsName_data() {
        QTest::addColumn<QString>("rowPath"); // relative to the installation's folder
        QTest::addColumn<bool>("adopted");
        QTest::newRow("as a store writes it") << QStringLiteral("BackupDB/Temp1.mdb") << false;
        QTest::newRow("through the folder again")
            << QStringLiteral("BackupDB/../BackupDB/Temp1.mdb") << false;
        QTest::newRow("doubled separator") << QStringLiteral("BackupDB//Temp1.mdb") << false;
        QTest::newRow("leading zero") << QStringLiteral("BackupDB/Temp01.mdb") << true;
        QTest::newRow("other case") << QStringLiteral("BackupDB/temp1.mdb") << true;
        QTest::newRow("another folder") << QStringLiteral("Other/Temp1.mdb") << true;
    }
    void aBackupWithoutARowIsFoundByItsName() {
        QFETCH(QString, rowPath);
        QFETCH(bool, adopted);
        Installation in;
        QVERIFY(QDir().mkpath(in.backupFolder()));
        const QString backup = in.dir.filePath(QStringLiteral("BackupDB/Temp1.mdb"));
        QVERIFY(QFile::copy(in.systemPath, backup));
        insertRows(in,
                   {{7, QStringLiteral("2026-02-01 10:00:00"), in.dir.filePath(rowPath), false}});
        in.start();
        QVERIFY(in.editor().isLive());
        QCOMPARE(in.message(),
                 adopted ? QStringLiteral("Backups that had no history entry are now listed: %1 "
                                          "as No 1.")
                               .arg(backup)
                         : QString());
        // The row of a file that is not there goes when the list is read.
        QCOMPARE(historyNumbers(in.templatePath), QList<qint64>{adopted ? 1 : 7});
        QVERIFY(QFileInfo(backup).isFile());
    }

    // A time that the clocks skip in spring shows as stored, not moved on by an hour.
    void aSkippedTimeShowsAsStored() {
        const TimeZone timeZone("Europe/Berlin");
        Installation in;
        const Row row{1, QStringLiteral("2026-03-29 02:30:00"),
                      in.dir.filePath(QStringLiteral("BackupDB/Temp1.mdb")), true};
        insertRows(in, {row});
        in.start();
        const QString expected =
            app::History::entryText(1, QDateTime(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC));
        QVERIFY(expected.endsWith(QStringLiteral(" 02:30:00")));
        QCOMPARE(in.main().listBox(QStringLiteral("ComboHistory")).text(), expected);
    }

    // A store adds its own row to the list and leaves the others as they were: the same list
    // that reading the history anew gives.
    void aStoreAddsExactlyOneEntry() {
        Installation in;
        QList<Row> rows;
        for (int no = 1; no <= 3; ++no)
            rows.append({no, QStringLiteral("2026-02-0%1 10:00:00").arg(no),
                         in.dir.filePath(QStringLiteral("BackupDB/Temp%1.mdb").arg(no)), true});
        insertRows(in, rows);
        in.start();
        form::ListBox& list = in.main().listBox(QStringLiteral("ComboHistory"));
        const QStringList before = texts(list);
        QCOMPARE(before.size(), 3);
        in.act(kStore);
        QCOMPARE(in.message(), QString());
        const QStringList after = texts(list);
        QCOMPARE(after.size(), 4);
        QCOMPARE(after.mid(0, 3), before);
        QVERIFY2(after.last().startsWith(QStringLiteral("4. -  ")), qPrintable(after.last()));
        QCOMPARE(list.currentIndex(), 3);
        QCOMPARE(list.currentData().toLongLong(), 4);
        in.session->history().FillHistoryList();
        QCOMPARE(texts(list), after);
        QCOMPARE(list.currentIndex(), 3);
    }

    // The quick check reads every page of the system database; it is spared for bytes that
    // passed it before, and only for those.
    void aChangedSystemDatabaseIsCheckedAgain() {
        Installation in;
        in.start();
        QVERIFY(in.editor().isLive());
        in.stop();
        const QString record = in.dir.filePath(QStringLiteral("BackupDB/Checked"));
        const QByteArray recorded = platform::FileSafety::fileIdentity(record);
        QVERIFY(!recorded.isEmpty());

        // The same bytes: the record stands as it was.
        in.start();
        QVERIFY(in.editor().isLive());
        in.stop();
        QCOMPARE(platform::FileSafety::fileIdentity(record), recorded);

        // Another program's commit: checked again, and the new state recorded.
        QCOMPARE(Installation::writeFromAnotherProgram(in.systemPath), QStringLiteral("committed"));
        in.start();
        QVERIFY(in.editor().isLive());
        in.stop();
        QVERIFY(platform::FileSafety::fileIdentity(record) != recorded);

        // Another program damages pages that start-up itself never reads: the check finds it.
        {
            QFile file(in.systemPath);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes(4 * 4096, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919 + 13) % 251);
            file.seek(4096);
            file.write(bytes);
        }
        const QByteArray workCopy = Installation::hashOf(in.workCopy());
        in.recordBoxes = true;
        in.start();
        QVERIFY(!in.editor().isLive());
        QVERIFY2(in.message().startsWith(
                     QStringLiteral("The system database %1 is damaged (").arg(in.systemPath)),
                 qPrintable(in.message()));
        // The copy read before the check was dropped; the working copy is as it was.
        QCOMPARE(Installation::hashOf(in.workCopy()), workCopy);
        for (const QString& folder : {in.dir.path(), in.backupFolder()})
            QVERIFY(QDir(folder).entryList({QStringLiteral("*orbis-tmp*")}, QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
