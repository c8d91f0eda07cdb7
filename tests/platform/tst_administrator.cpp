#include <QTest>
#include <platform/Administrator.h>
#include <unistd.h>
#include <vector>

Q_DECLARE_METATYPE(std::vector<gid_t>)

class TestAdministrator : public QObject {
    Q_OBJECT

private slots:
    void decision_data() {
        QTest::addColumn<uint>("user");
        QTest::addColumn<std::vector<gid_t>>("groups");
        QTest::addColumn<std::vector<gid_t>>("administrators");
        QTest::addColumn<bool>("expected");
        QTest::newRow("root without groups")
            << 0u << std::vector<gid_t>{} << std::vector<gid_t>{} << true;
        QTest::newRow("member of sudo")
            << 1000u << std::vector<gid_t>{1000, 27} << std::vector<gid_t>{27, 10} << true;
        QTest::newRow("member of none")
            << 1000u << std::vector<gid_t>{1000, 100} << std::vector<gid_t>{27, 10} << false;
        QTest::newRow("no administrator group on the system")
            << 1000u << std::vector<gid_t>{1000} << std::vector<gid_t>{} << false;
    }

    void decision() {
        QFETCH(uint, user);
        QFETCH(std::vector<gid_t>, groups);
        QFETCH(std::vector<gid_t>, administrators);
        QFETCH(bool, expected);
        QCOMPARE(platform::hasAdministratorRights(uid_t(user), groups, administrators), expected);
    }

    void rootIsAdministrator() {
        const bool result = platform::isAdministrator();
        if (::geteuid() == 0)
            QVERIFY(result);
    }
};

QTEST_GUILESS_MAIN(TestAdministrator)
#include "tst_administrator.moc"
