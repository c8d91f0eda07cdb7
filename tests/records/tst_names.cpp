#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <db/Database.h>
#include <records/Names.h>

using namespace Qt::StringLiterals;
using namespace records;

// The names that several folders share must be the installation's own: a misspelt table or
// field would only show as a failed read at run time, on the installations that reach it.
class TestNames : public QObject {
    Q_OBJECT

    std::unique_ptr<db::Database> m_system;
    std::unique_ptr<db::Database> m_template;

    bool hasTable(const QString& table) const {
        return m_system->hasTable(table) || m_template->hasTable(table);
    }
    static bool hasField(db::Database& database, const QString& table, const QString& field) {
        return database.hasTable(table) &&
               database.columnType(table, field) != db::FieldType::Other;
    }

private Q_SLOTS:
    void initTestCase() {
        m_system = db::Database::openShared(qEnvironmentVariable("ORBIS_DEMO_DB"));
        m_template = db::Database::openShared(qEnvironmentVariable("ORBIS_TEMPLATE_DB"));
    }

    void everyNameIsInTheSchema_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("table");
        for (const Checked& checked : names())
            QTest::newRow(qPrintable(checked.constant + u' ' + checked.table))
                << checked.name << checked.table;
    }
    void everyNameIsInTheSchema() {
        QFETCH(QString, name);
        QFETCH(QString, table);
        if (table.isEmpty()) {
            QVERIFY2(hasTable(name), qPrintable(name));
            return;
        }
        QVERIFY2(hasField(*m_system, table, name) || hasField(*m_template, table, name),
                 qPrintable(u"[%1].[%2]"_s.arg(table, name)));
    }

    // A name added to Names.h without a line in names() would go unchecked.
    void everyNameIsChecked() {
        QFile header(qEnvironmentVariable("ORBIS_DATA_DIR") + u"/../src/records/Names.h"_s);
        QVERIFY(header.open(QIODevice::ReadOnly));
        static const QRegularExpression declaration(u"inline const QString (k\\w+) ="_s);
        QStringList declared;
        for (const auto& match : declaration.globalMatch(QString::fromUtf8(header.readAll())))
            declared.append(match.captured(1));
        QVERIFY(declared.size() > 10);
        QStringList checked;
        for (const Checked& name : names())
            checked.append(name.constant);
        for (const QString& constant : declared)
            QVERIFY2(checked.contains(constant), qPrintable(constant + u" is not checked"_s));
    }

private:
    struct Checked {
        QString constant;
        QString name;
        QString table; // the table of a field; empty for a table's own name
    };
    static QList<Checked> names() {
        return {
            {u"kIdAvailable"_s, kIdAvailable, kAvailableInterfaces},
            {u"kIdPotential"_s, kIdPotential, kPotentialFilters},
            {u"kStatus"_s, kStatus, kAvailableInterfaces},
            {u"kSummary"_s, kSummary, kAvailableInterfaces},
            {u"kControl"_s, kControl, kAvailableInterfaces},
            {u"kSystemVersions"_s, kSystemVersions, {}},
            {u"kVersionName"_s, kVersionName, kSystemVersions},
            {u"kAvailableSystems"_s, kAvailableSystems, {}},
            {u"kIdStand"_s, kIdStand, kAvailableSystems},
            {u"kIdStand"_s, kIdStand, kAvailableMicroscopes},
            {u"kHistory"_s, kHistory, {}},
            {u"kAvailableAomDrivers"_s, kAvailableAomDrivers, {}},
            {u"kAvailableAoms"_s, kAvailableAoms, {}},
            {u"kAvailableDsps"_s, kAvailableDsps, {}},
            {u"kAvailableFilterSets"_s, kAvailableFilterSets, {}},
            {u"kAvailableInterfaces"_s, kAvailableInterfaces, {}},
            {u"kAvailableMicroscopes"_s, kAvailableMicroscopes, {}},
            {u"kAvailablePointDetectors"_s, kAvailablePointDetectors, {}},
            {u"kAvailableShutters"_s, kAvailableShutters, {}},
            {u"kAvailableStages"_s, kAvailableStages, {}},
            {u"kPotentialFilters"_s, kPotentialFilters, {}},
            {u"kAvailableCameras"_s, kAvailableCameras, {}},
            {u"kPotentialCameras"_s, kPotentialCameras, {}},
            {u"kAvailableZLift"_s, kAvailableZLift, {}},
            {u"kRevolverPosition"_s, kRevolverPosition, kAvailableZLift},
            {u"kAvailableLamps"_s, kAvailableLamps, {}},
            {u"kAvailableServos"_s, kAvailableServos, {}},
            {u"kAvailableFilterPlacement"_s, kAvailableFilterPlacement, {}},
            {u"kControlPosition"_s, kControlPosition, kAvailableShutters},
            {u"kPotentialObjectiveLenses"_s, kPotentialObjectiveLenses, {}},
            {u"kFavouriteObjectiveLenses"_s, kFavouriteObjectiveLenses, {}},
            {u"kFocusSpeed"_s, kFocusSpeed, kFavouriteObjectiveLenses},
            {u"kExchangeXY"_s, kExchangeXY, kAvailableDsps},
            {u"kMirrorX"_s, kMirrorX, kAvailableDsps},
            {u"kMirrorY"_s, kMirrorY, kAvailableDsps},
        };
    }
};

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"
