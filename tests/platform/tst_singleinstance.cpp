#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <platform/SingleInstance.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using platform::SingleInstance;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Sockets go to a folder of this test, so that runs never meet each other or a real editor.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void secondStartRaisesTheFirst() {
        const QString registry = m_runtime.filePath(QStringLiteral("a.reg"));
        SingleInstance first(registry);
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QVERIFY(first.tryBecomePrimary());

        SingleInstance second(registry);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(raised.wait(2000));
        QCOMPARE(raised.count(), 1);

        // Another installation's registry is guarded separately.
        SingleInstance other(m_runtime.filePath(QStringLiteral("b.reg")));
        QVERIFY(other.tryBecomePrimary());
    }

    void staleSocketDoesNotBlock() {
        const QString registry = m_runtime.filePath(QStringLiteral("crashed.reg"));
        const QByteArray socketPath = QFile::encodeName(SingleInstance::serverNameFor(registry));

        // What a crashed instance leaves: a bound socket file nobody listens on.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(socketPath.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(QFile::exists(QFile::decodeName(socketPath)));

        SingleInstance restarted(registry);
        QVERIFY(restarted.tryBecomePrimary());
        SingleInstance second(registry);
        QVERIFY(!second.tryBecomePrimary());
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
