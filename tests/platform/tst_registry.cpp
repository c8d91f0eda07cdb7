#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <platform/Registry.h>
#include <platform/RegistryHelpers.h>
#include <sys/resource.h>

using platform::Registry;

namespace {

const QString hklm = QStringLiteral("HKEY_LOCAL_MACHINE");
const QString databaseKey = QStringLiteral("SOFTWARE\\Quentara\\CP\\Database");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir.reset(new QTemporaryDir);
        m_path = m_dir->filePath(QStringLiteral("registry.reg"));
    }

    void keysAndNamesIgnoreCaseAndKeepFirstSpelling() {
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, QStringLiteral("Path"), QStringLiteral("/a")));
        QVERIFY(registry.setValue(QStringLiteral("hkey_local_machine"),
                                  QStringLiteral("software\\QUENTARA\\cp\\database"),
                                  QStringLiteral("PATH"), QStringLiteral("/b")));
        QCOMPARE(registry.value(hklm, databaseKey, QStringLiteral("path")), QStringLiteral("/b"));

        const QByteArray text = readAll(m_path);
        QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\n\n"));
        QVERIFY(text.contains(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n\"Path\"=\"/b\""));
        QCOMPARE(text.count("[HKEY"), 1);

        // A new key below an existing one takes over the existing spelling of its parents.
        QVERIFY(registry.createKey(hklm, QStringLiteral("Software\\quentara\\CP\\StepDAC")));
        QVERIFY(readAll(m_path).contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\StepDAC]"));
    }

    void keyExistsByWholeComponents() {
        writeAll(m_path, "Windows Registry Editor Version 5.00\n\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n");
        Registry registry(m_path);
        QVERIFY(registry.keyExists(hklm, QStringLiteral("SOFTWARE\\Quentara")));
        QVERIFY(registry.keyExists(hklm, QStringLiteral("\\software\\quentara\\cp\\database\\")));
        QVERIFY(!registry.keyExists(hklm, QStringLiteral("SOFTWARE\\Quent")));
        QVERIFY(
            !registry.keyExists(QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("SOFTWARE")));
    }

    void quotesAndBackslashesRoundTrip() {
        const QString name = QStringLiteral("Na\"me\\");
        const QString data = QStringLiteral("C:\\Lab \"new\"\\ µm\\");
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, name, data));
        QCOMPARE(registry.value(hklm, databaseKey, name), data);
        QVERIFY(readAll(m_path).contains(
            QStringLiteral("\"Na\\\"me\\\\\"=\"C:\\\\Lab \\\"new\\\"\\\\ µm\\\\\"").toUtf8()));
    }

    void rewriteKeepsEverythingElse() {
        const QByteArray original = "Windows Registry Editor Version 5.00\n\n"
                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n"
                                    "; installed by the service engineer\n"
                                    "\"Path\"=\"/data/System.mdb\"\n"
                                    "\"Count\"=dword:00000004\n"
                                    "@=\"default\"\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\Other]\n"
                                    "\"Path\"=\"/other\"\n";
        writeAll(m_path, original);
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, QStringLiteral("SOFTWARE\\Quentara\\CP\\StepDAC"),
                                  QStringLiteral("Voltage 0"), QStringLiteral("1.50")));

        QCOMPARE(registry.value(hklm, databaseKey, QStringLiteral("Path")),
                 QStringLiteral("/data/System.mdb"));
        QCOMPARE(registry.value(hklm, databaseKey, QString()), QStringLiteral("default"));
        QCOMPARE(registry.value(QStringLiteral("HKEY_CURRENT_USER"),
                                QStringLiteral("Software\\Other"), QStringLiteral("Path")),
                 QStringLiteral("/other"));
        QCOMPARE(registry.value(hklm, QStringLiteral("SOFTWARE\\Quentara\\CP\\StepDAC"),
                                QStringLiteral("voltage 0")),
                 QStringLiteral("1.50"));
        // Lines the registry does not understand survive the rewrite word for word.
        const QByteArray text = readAll(m_path);
        QVERIFY(text.contains("; installed by the service engineer\n"));
        QVERIFY(text.contains("\"Count\"=dword:00000004\n"));
        QVERIFY(!registry.value(hklm, databaseKey, QStringLiteral("Count")));
    }

    void malformedLinesAreSkipped() {
        writeAll(m_path, "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\r\n"
                         "\"Broken\"=\"no end\r\n"
                         "\"Trailing\"=\"x\" junk\r\n"
                         "garbage\r\n"
                         "\"Path\"=\"C:\\Lab\\System.mdb\"\r\n"
                         "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Old]\r\n"
                         "\"Stray\"=\"belongs to no key\"\r\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\r\n"
                         "\"Later\"=\"joins the first section\"\r\n");
        Registry registry(m_path);
        QVERIFY(!registry.value(hklm, databaseKey, QStringLiteral("Broken")));
        QVERIFY(!registry.value(hklm, databaseKey, QStringLiteral("Trailing")));
        QVERIFY(!registry.value(hklm, databaseKey, QStringLiteral("Stray")));
        QCOMPARE(registry.value(hklm, databaseKey, QStringLiteral("Path")),
                 QStringLiteral("C:\\Lab\\System.mdb"));
        QCOMPARE(registry.value(hklm, databaseKey, QStringLiteral("Later")),
                 QStringLiteral("joins the first section"));

        // The stray value must stay under its unusable header after a rewrite, not slide into the
        // key before it.
        QVERIFY(registry.setValue(hklm, databaseKey, QStringLiteral("Path"), QStringLiteral("/x")));
        QVERIFY(!registry.value(hklm, databaseKey, QStringLiteral("Stray")));
        QVERIFY(readAll(m_path).contains("\"Stray\"=\"belongs to no key\""));
    }

    void missingAndUtf16Files() {
        Registry missing(m_dir->filePath(QStringLiteral("sub/dir/registry.reg")));
        QVERIFY(!missing.value(hklm, databaseKey, QStringLiteral("Path")));
        QVERIFY(!missing.keyExists(hklm, databaseKey));
        QVERIFY(missing.createKey(hklm, databaseKey));
        QVERIFY(missing.keyExists(hklm, databaseKey));

        // The registry editor exports UTF-16 with a byte order mark.
        const QString text =
            QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\r\n"
                           "\"Path\"=\"D:\\\\Säle\\\\System.mdb\"\r\n");
        QByteArray bytes("\xFF\xFE", 2);
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        writeAll(m_path, bytes);
        QCOMPARE(Registry(m_path).value(hklm, databaseKey, QStringLiteral("Path")),
                 QStringLiteral("D:\\Säle\\System.mdb"));
    }

    void writesAreAtomic() {
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, QStringLiteral("Path"), QStringLiteral("/a")));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("registry.reg")});
        const QByteArray before = readAll(m_path);

        // A file size limit makes the write fail half way, even for root.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = registry.setValue(hklm, databaseKey, QStringLiteral("Path"),
                                               QString(200, QLatin1Char('x')));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!written);
        QVERIFY(!registry.errorString().isEmpty());
        QCOMPARE(readAll(m_path), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("registry.reg")});

        // A line break would split the line and corrupt the file.
        QVERIFY(
            !registry.setValue(hklm, databaseKey, QStringLiteral("Path"), QStringLiteral("a\nb")));
        QCOMPARE(readAll(m_path), before);
    }

    void registryReadLimits_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("248 characters")
            << QString(248, QLatin1Char('a')) << QString(248, QLatin1Char('a'));
        QTest::newRow("249 characters") << QString(249, QLatin1Char('a')) << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void registryReadLimits() {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, QStringLiteral("Path"), stored));
        QCOMPARE(platform::RegistryRead(registry, hklm, databaseKey, QStringLiteral("Path")), read);
        QCOMPARE(platform::RegistryRead(registry, hklm, databaseKey, QStringLiteral("Missing")),
                 QString());
        QCOMPARE(platform::RegistryRead(registry, hklm, QStringLiteral("SOFTWARE\\None"),
                                        QStringLiteral("Path")),
                 QString());
    }

    void registryWriteNeedsAnExistingKey() {
        Registry registry(m_path);
        const QString suffix = QStringLiteral("\\CP\\StepDAC");
        QVERIFY(!platform::RegistryWrite(registry, hklm, suffix, QStringLiteral("Voltage 0"),
                                         QStringLiteral("1.00")));
        QVERIFY(!QFile::exists(m_path));

        QVERIFY(platform::RegistryEnsureKey(registry, hklm, suffix));
        QVERIFY(platform::RegistryEnsureKey(registry, hklm, suffix));
        QVERIFY(platform::RegistryWrite(registry, hklm, suffix, QStringLiteral("Voltage 0"),
                                        QStringLiteral("1.00")));
        QCOMPARE(platform::RegistryRead(registry, hklm,
                                        QStringLiteral("SOFTWARE\\Quentara\\CP\\StepDAC"),
                                        QStringLiteral("Voltage 0")),
                 QStringLiteral("1.00"));

        // A registry whose folder cannot be made reports that the key could not be created.
        writeAll(m_dir->filePath(QStringLiteral("plainfile")), "x");
        Registry blocked(m_dir->filePath(QStringLiteral("plainfile/registry.reg")));
        QVERIFY(!platform::RegistryEnsureKey(blocked, hklm, suffix));
    }

    void defaultPath() {
        const QByteArray savedRegistry = qgetenv("ORBIS_REGISTRY");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("ORBIS_REGISTRY", "/env/registry.reg");
        qputenv("XDG_CONFIG_HOME", "/xdg");
        QCOMPARE(Registry::defaultPath(QStringLiteral("/cli.reg")), QStringLiteral("/cli.reg"));
        QCOMPARE(Registry::defaultPath(QString()), QStringLiteral("/env/registry.reg"));
        qunsetenv("ORBIS_REGISTRY");
        QCOMPARE(Registry::defaultPath(QString()), QStringLiteral("/xdg/orbis/registry.reg"));
        qputenv("XDG_CONFIG_HOME", "relative");
        QCOMPARE(Registry::defaultPath(QString()),
                 QDir::homePath() + QStringLiteral("/.config/orbis/registry.reg"));
        qputenv("ORBIS_REGISTRY", savedRegistry);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
