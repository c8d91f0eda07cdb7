#include <QFile>
#include <QSet>
#include <QTest>
#include <db/Database.h>

using namespace db;

// The built template and demo databases hold every table and stored query the data promises,
// with an index on every key field.
class TestDataSources : public QObject {
    Q_OBJECT

    static QStringList manifest(const QString& name) {
        QFile file(qEnvironmentVariable("ORBIS_DATA_DIR") + QStringLiteral("/manifest/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList names;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                names.append(QString::fromUtf8(line.trimmed()));
        return names;
    }

    static void check(const QString& path, const QString& kind) {
        auto database = Database::open(path);
        QSet<QString> tables;
        for (const QString& name : database->tableNames())
            tables.insert(name.toLower());
        const QStringList wantedTables = manifest(kind + QStringLiteral("-tables.txt"));
        QVERIFY2(!wantedTables.isEmpty(), qPrintable(kind));
        for (const QString& name : wantedTables)
            QVERIFY2(tables.contains(name.toLower()),
                     qPrintable(kind + QStringLiteral(": table ") + name));
        // The merges and record helpers look rows up by their key; without an index that
        // compares as the key does, each lookup reads the whole table.
        for (const QString& table : database->tableNames()) {
            const QString key = table.startsWith(QStringLiteral("Potential"), Qt::CaseInsensitive)
                                    ? QStringLiteral("ID Potential")
                                    : QStringLiteral("ID Available");
            if (database->columnType(table, key) != FieldType::Other)
                QVERIFY2(database->hasIndexOn(table, key),
                         qPrintable(kind +
                                    QStringLiteral(": no index on [%1] of [%2]").arg(key, table)));
        }
        for (const QString& name : manifest(kind + QStringLiteral("-queries.txt"))) {
            QVERIFY2(database->queryExists(name),
                     qPrintable(kind + QStringLiteral(": query ") + name));
            database->OpenRecordset(name); // every stored query runs
        }
    }

private Q_SLOTS:
    void templateDatabase() {
        check(qEnvironmentVariable("ORBIS_TEMPLATE_DB"), QStringLiteral("template"));
    }
    void demoSystemDatabase() {
        check(qEnvironmentVariable("ORBIS_DEMO_DB"), QStringLiteral("system"));
    }
};

QTEST_GUILESS_MAIN(TestDataSources)
#include "tst_datasources.moc"
