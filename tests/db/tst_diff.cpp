#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/DatabaseDiff.h>

namespace {

// Two files made from one schema and rows, then each changed by its own SQL.
struct Pair {
    explicit Pair(const QString& changeBefore, const QString& changeAfter) {
        const QString schema = QStringLiteral(
            "CREATE TABLE [Available Lasers] ([ID Available] TEXT COLLATE NOCASE, [Status] TEXT "
            "COLLATE NOCASE, [Power] DOUBLE, [Port] INTEGER);"
            "INSERT INTO [Available Lasers] VALUES ('Argon', ' ', 25.0, 1), ('HeNe', 'Do not "
            "use', 1.0, 2), ('Diode''s 405', ' ', 50.0, NULL);"
            "CREATE TABLE [Ports] ([Name] TEXT, [Blob] BLOB);"
            "INSERT INTO [Ports] VALUES ('COM1', x'0102'), ('COM1', x'0102');"
            "CREATE VIEW [Usable Lasers] AS SELECT * FROM [Available Lasers] WHERE Status = ' ';");
        before = db::Database::create(dir.filePath(QStringLiteral("A.mdb")));
        after = db::Database::create(dir.filePath(QStringLiteral("B.mdb")));
        before->execute(schema);
        after->execute(schema);
        if (!changeBefore.isEmpty())
            before->execute(changeBefore);
        if (!changeAfter.isEmpty())
            after->execute(changeAfter);
    }
    QTemporaryDir dir;
    std::unique_ptr<db::Database> before;
    std::unique_ptr<db::Database> after;
};

} // namespace

class TestDiff : public QObject {
    Q_OBJECT

private slots:
    // What the text form says for each kind of change; an empty list means the files hold the
    // same.
    void changes_data() {
        QTest::addColumn<QString>("changeBefore");
        QTest::addColumn<QString>("changeAfter");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("same") << QString() << QString() << QStringList();
        QTest::newRow("same rows in another order")
            << QString()
            << QStringLiteral("DELETE FROM [Available Lasers] WHERE [Port] = 1;"
                              "INSERT INTO [Available Lasers] VALUES ('Argon', ' ', 25.0, 1)")
            << QStringList();
        QTest::newRow("changed field, key with a quote")
            << QString()
            << QStringLiteral("UPDATE [Available Lasers] SET [Power] = 55.5, [Status] = 'Do not "
                              "use' WHERE [ID Available] = 'Diode''s 405'")
            << QStringList{QStringLiteral("[Available Lasers]"),
                           QStringLiteral("  ~ row \"Diode's 405\""),
                           QStringLiteral("      Status: \" \" -> \"Do not use\""),
                           QStringLiteral("      Power: 50 -> 55.5")};
        // The columns compare without case; the diff must not.
        QTest::newRow("only the case of a text")
            << QString()
            << QStringLiteral("UPDATE [Available Lasers] SET [ID Available] = 'ARGON' WHERE "
                              "[Port] = 1")
            << QStringList{QStringLiteral("[Available Lasers]"),
                           QStringLiteral("  + row \"ARGON\": ID Available=\"ARGON\", Status=\" "
                                          "\", Power=25, Port=1"),
                           QStringLiteral("  - row \"Argon\": ID Available=\"Argon\", Status=\" "
                                          "\", Power=25, Port=1")};
        // A field without a type keeps what it is given.
        QTest::newRow("a number stored as text")
            << QStringLiteral("UPDATE [Ports] SET [Blob] = 1 WHERE rowid = 1")
            << QStringLiteral("UPDATE [Ports] SET [Blob] = '1' WHERE rowid = 1")
            << QStringList{QStringLiteral("[Ports]"), QStringLiteral("  ~ row \"COM1\""),
                           QStringLiteral("      Blob: 1 -> \"1\"")};
        QTest::newRow("Null and empty differ")
            << QString()
            << QStringLiteral("UPDATE [Available Lasers] SET [Port] = '' WHERE [Port] IS NULL")
            << QStringList{QStringLiteral("[Available Lasers]"),
                           QStringLiteral("  ~ row \"Diode's 405\""),
                           QStringLiteral("      Port: Null -> \"\"")};
        QTest::newRow("one of two equal rows removed")
            << QString() << QStringLiteral("DELETE FROM [Ports] WHERE rowid = 2")
            << QStringList{QStringLiteral("[Ports]"),
                           QStringLiteral("  - row \"COM1\": Name=\"COM1\", Blob=<2 bytes>")};
        QTest::newRow("table, field and query")
            << QStringLiteral("CREATE TABLE [Old] (x INTEGER)")
            << QStringLiteral("CREATE TABLE [New] (x INTEGER); INSERT INTO [New] VALUES (1);"
                              "ALTER TABLE [Ports] ADD COLUMN [Speed] INTEGER;"
                              "DROP VIEW [Usable Lasers]; CREATE VIEW [Usable Lasers] AS "
                              "SELECT * FROM [Available Lasers]")
            << QStringList{QStringLiteral("[Ports]"), QStringLiteral("  + field Speed"),
                           QStringLiteral("- table [Old] (0 rows)"),
                           QStringLiteral("+ table [New] (1 rows)"),
                           QStringLiteral("~ query [Usable Lasers]")};
    }
    void changes() {
        QFETCH(QString, changeBefore);
        QFETCH(QString, changeAfter);
        QFETCH(QStringList, lines);
        Pair pair(changeBefore, changeAfter);
        const db::DatabaseDiff diff = db::compareDatabases(*pair.before, *pair.after);
        QCOMPARE(db::diffLines(diff), lines);
        QCOMPARE(diff.empty(), lines.isEmpty());
    }

    // The JSON form carries the same, with values typed.
    void json() {
        Pair pair(QString(),
                  QStringLiteral("UPDATE [Available Lasers] SET [Power] = 30 WHERE [Port] = 1;"
                                 "INSERT INTO [Available Lasers] VALUES ('Krypton', NULL, 10, 4)"));
        const QJsonObject root =
            QJsonDocument::fromJson(db::diffJson(db::compareDatabases(*pair.before, *pair.after)))
                .object();
        QCOMPARE(root.value(QStringLiteral("same")).toBool(), false);
        const QJsonArray tables = root.value(QStringLiteral("tables")).toArray();
        QCOMPARE(tables.size(), 1);
        const QJsonObject lasers = tables.at(0).toObject();
        QCOMPARE(lasers.value(QStringLiteral("table")).toString(),
                 QStringLiteral("Available Lasers"));
        const QJsonObject change =
            lasers.value(QStringLiteral("changed")).toArray().at(0).toObject();
        QCOMPARE(change.value(QStringLiteral("key")).toString(), QStringLiteral("Argon"));
        const QJsonObject field = change.value(QStringLiteral("fields")).toArray().at(0).toObject();
        QCOMPARE(field.value(QStringLiteral("old")).toDouble(), 25.0);
        QCOMPARE(field.value(QStringLiteral("new")).toDouble(), 30.0);
        const QJsonObject added = lasers.value(QStringLiteral("added"))
                                      .toArray()
                                      .at(0)
                                      .toObject()
                                      .value(QStringLiteral("values"))
                                      .toObject();
        QVERIFY(added.value(QStringLiteral("Status")).isNull());
        QCOMPARE(added.value(QStringLiteral("Port")).toInt(), 4);
    }
};

QTEST_GUILESS_MAIN(TestDiff)
#include "tst_diff.moc"
