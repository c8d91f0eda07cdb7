#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <db/Database.h>
#include <db/Statement.h>
#include <jet/JetFile.h>
#include <jet/JetImport.h>
#include <jet/QueryTranslation.h>

namespace {

QString jetFile(const QString& name) {
    return QStringLiteral(ORBIS_JET_TESTDATA "/") + name;
}

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput()) +
           QString::fromUtf8(process.readAllStandardError());
}

// A value as both sides can agree on it: reals to six significant digits (the reference prints
// single-precision fields with eight), everything else as text, blobs as hex.
QString normalised(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("<null>");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 6);
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromLatin1(value.toByteArray().toHex());
    // The reference's loader drops the carriage return of a line break inside a text.
    return value.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Every row of a table or view, each as its normalised fields, sorted: the two files need not
// keep rows in one order (a counter field orders the imported table).
QStringList rowsOf(db::Database& database, const QString& table, const QSet<int>& skipped = {}) {
    db::Statement select(database, QStringLiteral("SELECT * FROM %1").arg(db::bracket(table)));
    QStringList rows;
    while (select.step()) {
        QStringList fields;
        for (int i = 0; i < select.columnCount(); ++i) {
            QString text = normalised(select.value(i));
            // The reference tool writes no sensible text for dates outside 1900 to 9998.
            if (text.contains(QStringLiteral("-00 ")) || skipped.contains(i))
                text = QStringLiteral("<unknown date>");
            fields.append(text);
        }
        rows.append(fields.join(u'|'));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!QFileInfo::exists(jetFile(QStringLiteral("nwind.mdb"))))
            QSKIP("The Jet test files are not on this machine (ORBIS_JET_TESTDATA)");
        QVERIFY2(QFileInfo(QStringLiteral(ORBIS_MDB_EXPORT)).isExecutable(),
                 "mdb-export (Debian package mdbtools) is needed as the reference");
    }

    // Every table, field and row, compared with what the MDB Tools export makes of the file.
    void importMatchesTheReference_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tables");
        QTest::newRow("Jet 3") << QStringLiteral("nwind.mdb") << 9;
        QTest::newRow("Jet 4") << QStringLiteral("DateTestDatabase.mdb") << 1;
    }
    void importMatchesTheReference() {
        QFETCH(QString, file);
        QFETCH(int, tables);
        QTemporaryDir dir;
        const QString imported = dir.filePath(QStringLiteral("New.mdb"));
        const jet::ImportReport report = jet::importJet(jetFile(file), imported);
        QCOMPARE(report.tables, tables);

        // The reference: the tool's own schema and its INSERT statements, loaded by sqlite3.
        const QString reference = dir.filePath(QStringLiteral("reference.db"));
        QString script =
            run(QStringLiteral(ORBIS_MDB_SCHEMA), {jetFile(file), QStringLiteral("sqlite")});
        const QStringList names =
            run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), jetFile(file)})
                .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(names.size(), tables);
        for (const QString& table : names)
            script += run(QStringLiteral(ORBIS_MDB_EXPORT),
                          {QStringLiteral("-I"), QStringLiteral("sqlite"), QStringLiteral("-b"),
                           QStringLiteral("hex"), QStringLiteral("-T"),
                           QStringLiteral("%Y-%m-%d %H:%M:%S"), jetFile(file), table});
        QProcess sqlite;
        sqlite.start(QStringLiteral(ORBIS_SQLITE3), {reference});
        sqlite.write(script.toUtf8());
        sqlite.closeWriteChannel();
        QVERIFY(sqlite.waitForFinished(60000));
        QCOMPARE(sqlite.exitCode(), 0);

        const auto ours = db::Database::open(imported);
        const auto theirs = db::Database::open(reference);
        qint64 rows = 0;
        for (const QString& table : names) {
            QVERIFY2(ours->hasTable(table), qPrintable(table));
            const QStringList expected = rowsOf(*theirs, table);
            QCOMPARE(ours->tableFields(table).size(), theirs->tableFields(table).size());
            const QStringList actual = rowsOf(*ours, table);
            // Where the reference could not write a date, ours is compared by the test below.
            QCOMPARE(actual.size(), expected.size());
            for (qsizetype i = 0; i < actual.size(); ++i) {
                if (expected.at(i).contains(QStringLiteral("<unknown date>")))
                    continue;
                QCOMPARE(actual.at(i), expected.at(i));
            }
            rows += actual.size();
        }
        QCOMPARE(report.rows, rows);
    }

    // The stored day counts of the Jet 4 file, from the year 632 to 9999, as the rows name them.
    void datesOutsideTheCommonRange() {
        QTemporaryDir dir;
        const QString imported = dir.filePath(QStringLiteral("Dates.mdb"));
        jet::importJet(jetFile(QStringLiteral("DateTestDatabase.mdb")), imported);
        const auto database = db::Database::open(imported);
        db::Statement select(*database,
                             QStringLiteral("SELECT DateTimeCol, DateCol, TimeCol, LongTextCol "
                                            "FROM DateTest ORDER BY IDCol"));
        QStringList rows;
        while (select.step())
            rows.append(QStringList{select.value(0).toString(), select.value(1).toString(),
                                    select.value(2).toString(), select.value(3).toString()}
                            .join(u'|'));
        QCOMPARE(rows.value(1), QStringLiteral("9999-01-01 00:00:00|9999-01-01 00:00:00|"
                                               "9999-01-01 00:00:00|Year 9999"));
        QCOMPARE(rows.value(2), QStringLiteral("1898-01-01 00:00:00|1899-01-01 00:00:00|"
                                               "1900-01-01 00:00:00|Pre-1900 years"));
        QCOMPARE(rows.value(3), QStringLiteral("0632-01-01 00:00:00|0633-01-01 00:00:00|"
                                               "0634-01-01 00:00:00|Pre-1000 years"));
        QCOMPARE(rows.value(5), QStringLiteral("2021-12-02 00:00:00|2021-12-02 00:00:00|"
                                               "2021-12-02 00:00:00|New line\r\nin field"));
    }

    void dateText_data() {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text");
        QTest::newRow("epoch") << 0.0 << QStringLiteral("1899-12-30 00:00:00");
        QTest::newRow("noon") << 2.5 << QStringLiteral("1900-01-01 12:00:00");
        // Before the epoch the fraction still counts forward from midnight.
        QTest::newRow("before the epoch") << -1.25 << QStringLiteral("1899-12-29 06:00:00");
        QTest::newRow("rounds into the next day")
            << 1.0 - 1e-9 << QStringLiteral("1899-12-31 00:00:00");
    }
    void dateText() {
        QFETCH(double, days);
        QFETCH(QString, text);
        QCOMPARE(jet::dateText(days), text);
    }

    // The stored queries that translate give the results the sample is known for; the others are
    // listed with their reason.
    void storedQueries() {
        QTemporaryDir dir;
        const QString imported = dir.filePath(QStringLiteral("New.mdb"));
        const jet::ImportReport report =
            jet::importJet(jetFile(QStringLiteral("nwind.mdb")), imported);
        QCOMPARE(report.queries.size() + report.leftOut.size(), 22);
        QStringList leftOut;
        for (const auto& [name, why] : report.leftOut)
            leftOut.append(name + QStringLiteral(": ") + why);
        leftOut.sort();
        QCOMPARE(
            leftOut,
            QStringList({QStringLiteral("Customers and Suppliers by City: it is a union query"),
                         QStringLiteral(
                             "Employee Sales by Country: it asks for the parameter Beginning Date"),
                         QStringLiteral("Invoices Filter: it refers to a form or a control (!)"),
                         QStringLiteral("Quarterly Orders by Product: it is a crosstab query"),
                         QStringLiteral("Sales by Year: it asks for the parameter Forms!Sales by "
                                        "Year Dialog!BeginningDate")}));
        const auto database = db::Database::open(imported);
        auto scalar = [&database](const QString& sql) {
            db::Statement statement(*database, sql);
            return statement.step() ? statement.value(0) : QVariant();
        };
        QCOMPARE(
            scalar(QStringLiteral("SELECT count(*) FROM [Ten Most Expensive Products]")).toInt(),
            10);
        QCOMPARE(scalar(QStringLiteral(
                            "SELECT TenMostExpensiveProducts FROM [Ten Most Expensive Products]"))
                     .toString(),
                 QStringLiteral("Côte de Blaye"));
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM [Order Subtotals]")).toInt(), 830);
        QCOMPARE(
            scalar(QStringLiteral("SELECT Subtotal FROM [Order Subtotals] WHERE OrderID = 10248"))
                .toDouble(),
            440.0);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM [Current Product List]")).toInt(), 69);
        QCOMPARE(
            scalar(QStringLiteral("SELECT count(*) FROM [Products Above Average Price]")).toInt(),
            25);
        // A query over other queries (Order Details Extended) and a grouping over one.
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM [Category Sales for 1995]")).toInt(),
                 8);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM [Sales by Category]")).toInt(), 77);
    }

    void expressions_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QString>("problem");
        QTest::newRow("texts joined") << QStringLiteral("\"Qtr \" & [Quarter]")
                                      << QStringLiteral("'Qtr ' || [Quarter]") << QString();
        QTest::newRow("quote in a text") << QStringLiteral("Name = \"O'Hara\"")
                                         << QStringLiteral("Name = 'O''Hara'") << QString();
        QTest::newRow("date") << QStringLiteral("d Between #1/1/95# And #12/31/2001 13:05#")
                              << QStringLiteral(
                                     "d Between '1995-01-01 00:00:00' And '2001-12-31 13:05:00'")
                              << QString();
        QTest::newRow("Boolean words")
            << QStringLiteral("(T.Discontinued)=No Or T.Shown=True")
            << QStringLiteral("(T.Discontinued)=0 Or T.Shown=1") << QString();
        QTest::newRow("field named like a word")
            << QStringLiteral("T.No = 1") << QStringLiteral("T.No = 1") << QString();
        QTest::newRow("Like pattern") << QStringLiteral("Name Like \"A*b?\"")
                                      << QStringLiteral("Name Like 'A%b_'") << QString();
        QTest::newRow("functions")
            << QStringLiteral("Year([OrderDate]) & Left(Name, 3)")
            << QStringLiteral("CAST(strftime('%Y',[OrderDate]) AS INTEGER) || substr(Name,1, 3)")
            << QString();
        QTest::newRow("nested calls") << QStringLiteral("CCur(Sum(a*(1-b)))")
                                      << QStringLiteral("round(sum(a*(1-b)),4)") << QString();
        QTest::newRow("bang inside a name")
            << QStringLiteral("[Wow!]") << QStringLiteral("[Wow!]") << QString();
        QTest::newRow("form reference") << QStringLiteral("[Forms]![Orders]![OrderID]") << QString()
                                        << QStringLiteral("it refers to a form or a control (!)");
        QTest::newRow("function without counterpart")
            << QStringLiteral("DatePart(\"q\",[d])") << QString()
            << QStringLiteral("it uses the function DatePart");
        QTest::newRow("date that does not exist")
            << QStringLiteral("#2/30/95#") << QString()
            << QStringLiteral("the date #2/30/95# does not exist");
        QTest::newRow("open text") << QStringLiteral("\"abc") << QString()
                                   << QStringLiteral("a text is not closed by its quote");
    }
    void expressions() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QFETCH(QString, problem);
        QString found;
        const QString translated = jet::translateExpression(jet, &found);
        QCOMPARE(found, problem);
        if (problem.isEmpty())
            QCOMPARE(translated, sqlite);
    }

    // A file the importer cannot read: a message naming the file and why, and no output file.
    void unreadableSources_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("missing")
                                 << QStringLiteral("the file does not exist");
        QTest::newRow("not a Jet file")
            << QStringLiteral("text") << QStringLiteral("it is not a Jet database");
        QTest::newRow("cut in the middle of a page")
            << QStringLiteral("cut") << QStringLiteral("the file is truncated");
        QTest::newRow("cut at a page")
            << QStringLiteral("pages") << QStringLiteral("the file is truncated");
        QTest::newRow("empty") << QStringLiteral("empty")
                               << QStringLiteral("it is not a Jet database");
    }
    void unreadableSources() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("Old.mdb"));
        QFile original(jetFile(QStringLiteral("nwind.mdb")));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        QFile file(source);
        if (kind != u"missing") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == u"text")
                file.write("Name,Value\nA,1\n");
            else if (kind == u"cut")
                file.write(bytes.left(bytes.size() / 2 + 100));
            else if (kind == u"pages")
                file.write(bytes.left(bytes.size() / 2 / 2048 * 2048));
            file.close();
        }
        const QString target = dir.filePath(QStringLiteral("New.mdb"));
        int exitCode = 0;
        const QString output = run(QStringLiteral(ORBIS_PROGRAM),
                                   {QStringLiteral("--import"), source, target}, &exitCode);
        QCOMPARE(exitCode, 1);
        QCOMPARE(output.trimmed(),
                 QStringLiteral("orbis-config: Cannot read the Jet database %1: %2")
                     .arg(source, reason));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 kind == u"missing" ? QStringList() : QStringList{QStringLiteral("Old.mdb")});
    }

    // The new file never replaces one that is there, and a folder that cannot be written leaves
    // nothing behind.
    void unwritableTargets() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("New.mdb"));
        QFile existing(target);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("keep");
        existing.close();
        int exitCode = 0;
        QString output = run(
            QStringLiteral(ORBIS_PROGRAM),
            {QStringLiteral("--import"), jetFile(QStringLiteral("nwind.mdb")), target}, &exitCode);
        QCOMPARE(exitCode, 1);
        QVERIFY2(output.contains(QStringLiteral("the file exists")), qPrintable(output));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("keep"));

        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(locked).isWritable())
            QSKIP("The test runs with rights that write into any folder");
        output = run(QStringLiteral(ORBIS_PROGRAM),
                     {QStringLiteral("--import"), jetFile(QStringLiteral("nwind.mdb")),
                      locked + QStringLiteral("/New.mdb")},
                     &exitCode);
        QCOMPARE(exitCode, 1);
        QVERIFY(QDir(locked).isEmpty());
    }

    // The command line's report: the figures and every query left out.
    void commandLine() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("New.mdb"));
        int exitCode = 1;
        const QString output = run(
            QStringLiteral(ORBIS_PROGRAM),
            {QStringLiteral("--import"), jetFile(QStringLiteral("nwind.mdb")), target}, &exitCode);
        QCOMPARE(exitCode, 0);
        const QStringList lines = output.trimmed().split(u'\n');
        QCOMPARE(lines.value(0),
                 QStringLiteral(
                     "Imported 9 tables with 4032 rows and 17 stored queries from %1 into %2.")
                     .arg(jetFile(QStringLiteral("nwind.mdb")), target));
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines.value(1).startsWith(QStringLiteral("Stored query not imported: ")));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
