#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <ctime>
#include <platform/FileSafety.h>
#include <platform/Registry.h>
#include <platform/RegistryHelpers.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

using platform::Registry;

namespace {

const QString hklm = u"HKEY_LOCAL_MACHINE"_s;
const QString databaseKey = u"SOFTWARE\\Quentara\\CP\\Database"_s;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
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
        m_path = m_dir->filePath(u"registry.reg"_s);
    }

    void keysAndNamesIgnoreCaseAndKeepFirstSpelling() {
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, u"Path"_s, u"/a"_s));
        QVERIFY(registry.setValue(u"hkey_local_machine"_s, u"software\\QUENTARA\\cp\\database"_s,
                                  u"PATH"_s, u"/b"_s));
        QCOMPARE(registry.value(hklm, databaseKey, u"path"_s), u"/b"_s);

        const QByteArray text = readAll(m_path);
        QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\n\n"));
        QVERIFY(text.contains(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n\"Path\"=\"/b\""));
        QCOMPARE(text.count("[HKEY"), 1);

        // A new key below an existing one takes over the existing spelling of its parents.
        QVERIFY(registry.createKey(hklm, u"Software\\quentara\\CP\\StepDAC"_s));
        QVERIFY(readAll(m_path).contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\StepDAC]"));
    }

    void keyExistsByWholeComponents() {
        writeAll(m_path, "Windows Registry Editor Version 5.00\n\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n");
        Registry registry(m_path);
        QVERIFY(registry.keyExists(hklm, u"SOFTWARE\\Quentara"_s));
        QVERIFY(registry.keyExists(hklm, u"\\software\\quentara\\cp\\database\\"_s));
        QVERIFY(!registry.keyExists(hklm, u"SOFTWARE\\Quent"_s));
        QVERIFY(!registry.keyExists(u"HKEY_CURRENT_USER"_s, u"SOFTWARE"_s));
    }

    void quotesAndBackslashesRoundTrip() {
        const QString name = u"Na\"me\\"_s;
        const QString data = u"C:\\Lab \"new\"\\ µm\\"_s;
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, name, data));
        QCOMPARE(registry.value(hklm, databaseKey, name), data);
        QVERIFY(readAll(m_path).contains(
            u"\"Na\\\"me\\\\\"=\"C:\\\\Lab \\\"new\\\"\\\\ µm\\\\\""_s.toUtf8()));
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
        QVERIFY(registry.setValue(hklm, u"SOFTWARE\\Quentara\\CP\\StepDAC"_s, u"Voltage 0"_s,
                                  u"1.50"_s));

        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/data/System.mdb"_s);
        QCOMPARE(registry.value(hklm, databaseKey, QString()), u"default"_s);
        QCOMPARE(registry.value(u"HKEY_CURRENT_USER"_s, u"Software\\Other"_s, u"Path"_s),
                 u"/other"_s);
        QCOMPARE(registry.value(hklm, u"SOFTWARE\\Quentara\\CP\\StepDAC"_s, u"voltage 0"_s),
                 u"1.50"_s);
        // Lines the registry does not understand survive the rewrite word for word.
        const QByteArray text = readAll(m_path);
        QVERIFY(text.contains("; installed by the service engineer\n"));
        QVERIFY(text.contains("\"Count\"=dword:00000004\n"));
        QVERIFY(!registry.value(hklm, databaseKey, u"Count"_s));
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
        QVERIFY(!registry.value(hklm, databaseKey, u"Broken"_s));
        QVERIFY(!registry.value(hklm, databaseKey, u"Trailing"_s));
        QVERIFY(!registry.value(hklm, databaseKey, u"Stray"_s));
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"C:\\Lab\\System.mdb"_s);
        QCOMPARE(registry.value(hklm, databaseKey, u"Later"_s), u"joins the first section"_s);

        // The stray value must stay under its unusable header after a rewrite, not slide into the
        // key before it.
        QVERIFY(registry.setValue(hklm, databaseKey, u"Path"_s, u"/x"_s));
        QVERIFY(!registry.value(hklm, databaseKey, u"Stray"_s));
        QVERIFY(readAll(m_path).contains("\"Stray\"=\"belongs to no key\""));
    }

    void missingAndUtf16Files() {
        Registry missing(m_dir->filePath(u"sub/dir/registry.reg"_s));
        QVERIFY(!missing.value(hklm, databaseKey, u"Path"_s));
        QVERIFY(!missing.keyExists(hklm, databaseKey));
        QVERIFY(missing.createKey(hklm, databaseKey));
        QVERIFY(missing.keyExists(hklm, databaseKey));

        // The registry editor exports UTF-16 with a byte order mark.
        const QString text = u"Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\r\n"
                             "\"Path\"=\"D:\\\\Säle\\\\System.mdb\"\r\n"_s;
        QByteArray bytes("\xFF\xFE", 2);
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        writeAll(m_path, bytes);
        QCOMPARE(Registry(m_path).value(hklm, databaseKey, u"Path"_s), u"D:\\Säle\\System.mdb"_s);
    }

    void writesAreAtomic() {
        Registry registry(m_path);
        QVERIFY(registry.setValue(hklm, databaseKey, u"Path"_s, u"/a"_s));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"registry.reg"_s});
        const QByteArray before = readAll(m_path);

        // A file size limit makes the write fail half way, even for root.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written =
            registry.setValue(hklm, databaseKey, u"Path"_s, QString(200, QLatin1Char('x')));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!written);
        QVERIFY(!registry.errorString().isEmpty());
        QCOMPARE(readAll(m_path), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"registry.reg"_s});

        // A line break would split the line and corrupt the file.
        QVERIFY(!registry.setValue(hklm, databaseKey, u"Path"_s, u"a\nb"_s));
        QCOMPARE(readAll(m_path), before);
    }

    void registryHelpersReadShortValuesAndWriteOnlyExistingKeys() {
        using platform::RegistryRead;
        Registry limits(m_dir->filePath(u"limits.reg"_s));
        // Longer values and missing values or keys read as empty.
        for (const int length : {248, 249, 0}) {
            const QString stored(length, QLatin1Char('a'));
            QVERIFY(limits.setValue(hklm, databaseKey, u"Path"_s, stored));
            QCOMPARE(RegistryRead(limits, hklm, databaseKey, u"Path"_s),
                     length <= 248 ? stored : QString());
        }
        QCOMPARE(RegistryRead(limits, hklm, databaseKey, u"Missing"_s), QString());
        QCOMPARE(RegistryRead(limits, hklm, u"SOFTWARE\\None"_s, u"Path"_s), QString());

        Registry registry(m_path);
        const QString suffix = u"\\CP\\StepDAC"_s;
        QVERIFY(!platform::RegistryWrite(registry, hklm, suffix, u"Voltage 0"_s, u"1.00"_s));
        QVERIFY(!QFile::exists(m_path));

        QVERIFY(platform::RegistryEnsureKey(registry, hklm, suffix));
        QVERIFY(platform::RegistryEnsureKey(registry, hklm, suffix));
        QVERIFY(platform::RegistryWrite(registry, hklm, suffix, u"Voltage 0"_s, u"1.00"_s));
        QCOMPARE(RegistryRead(registry, hklm, u"SOFTWARE\\Quentara\\CP\\StepDAC"_s, u"Voltage 0"_s),
                 u"1.00"_s);

        // A registry whose folder cannot be made reports that the key could not be created.
        writeAll(m_dir->filePath(u"plainfile"_s), "x");
        Registry blocked(m_dir->filePath(u"plainfile/registry.reg"_s));
        QVERIFY(!platform::RegistryEnsureKey(blocked, hklm, suffix));
    }

    // A machine's full export: one key with half of all values, thousands of small keys, keys
    // listed again further down in other letters, names given twice. Every value must come out
    // as a plain model of the rules says (a key gathers in its first section with its first
    // spelling; a name keeps its first place and spelling and takes its last data), and the
    // file must be read in time proportional to its length.
    void largeFileReadsLikeTheSimpleModel() {
        constexpr int kValues = 200000;
        constexpr int kKeys = 20000;
        struct Key {
            QString spelling;
            QStringList order;                                  // folded names, first appearance
            QHash<QString, std::pair<QString, QString>> values; // folded -> spelling, data
        };
        QList<Key> keys;
        QHash<QString, qsizetype> keyIndex;
        QRandomGenerator random(15);
        QString text = u"Windows Registry Editor Version 5.00\r\n\r\n"_s;
        int written = 0;
        while (written < kValues) {
            // Most values go to one big key, the rest to thousands of small ones.
            const int number = random.bounded(40) == 0 ? 0 : 1 + random.bounded(kKeys);
            QString spelling = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor%1\\Part"_s.arg(number);
            if (random.bounded(3) == 0)
                spelling = spelling.toUpper();
            const QString folded = spelling.toLower();
            qsizetype index = keyIndex.value(folded, -1);
            if (index < 0) {
                index = keys.size();
                keyIndex.insert(folded, index);
                keys.append(Key{spelling, {}, {}});
            }
            text += u"["_s + spelling + u"]\r\n"_s;
            const int lines = number == 0 ? 400 : 1 + random.bounded(6);
            for (int i = 0; i < lines && written < kValues; ++i, ++written) {
                Key& key = keys[index];
                QString name = u"Value %1"_s.arg(random.bounded(number == 0 ? 120000 : 8));
                if (random.bounded(4) == 0)
                    name = name.toUpper();
                const QString data = u"d%1"_s.arg(written);
                const QString foldedName = name.toLower();
                if (!key.values.contains(foldedName)) {
                    key.order.append(foldedName);
                    key.values.insert(foldedName, {name, data});
                } else {
                    key.values[foldedName].second = data;
                }
                text += u"\""_s + name + u"\"=\""_s + data + u"\"\r\n"_s;
            }
            text += u"\r\n"_s;
        }
        writeAll(m_path, text.toUtf8());

        Registry registry(m_path);
        Key& big = keys[keyIndex.value(u"hkey_local_machine\\software\\vendor0\\part"_s)];
        const QString name = big.order.last();
        QElapsedTimer timer;
        timer.start();
        const qint64 cpuBefore = threadCpuMs();
        const std::optional<QString> read =
            registry.value(hklm, u"software\\vendor0\\part"_s, name);
        const qint64 readMs = timer.elapsed();
        const qint64 readCpuMs = threadCpuMs() - cpuBefore;
        QCOMPARE(read.value_or(u"(none)"_s), big.values.value(name).second);
        // A rewrite puts out the whole model: every key once, every value once.
        big.values[name].second = u"new"_s;
        timer.restart();
        QVERIFY(registry.setValue(hklm, big.spelling.section(u'\\', 1), name, u"new"_s));
        const qint64 writeMs = timer.elapsed();
        QString expected = u"Windows Registry Editor Version 5.00\n\n"_s;
        for (const Key& key : std::as_const(keys)) {
            expected += u"["_s + key.spelling + u"]\n"_s;
            for (const QString& each : key.order) {
                const auto& [spelling, data] = key.values.value(each);
                expected += u"\""_s + spelling + u"\"=\""_s + data + u"\"\n"_s;
            }
            expected += u"\n"_s;
        }
        QCOMPARE(QString::fromUtf8(readAll(m_path)), expected);
        qInfo("%d values in %lld keys: read in %lld ms (%lld ms of processor time), rewritten "
              "in %lld ms",
              kValues, qint64(keys.size()), readMs, readCpuMs, writeMs);
        // Reading line by line against everything read before took minutes of processor time
        // for this file; the clock on the wall depends on what else the machine runs.
        QVERIFY2(readCpuMs < 10000, qPrintable(QString::number(readCpuMs)));
    }

    // Another program changes the file between two reads, at once and to the same size, or
    // after a long time: the second read sees the change.
    void readsFollowChangesOfTheFile() {
        const QByteArray header = "Windows Registry Editor Version 5.00\n\n"
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n";
        writeAll(m_path, header + "\"Path\"=\"/a\"\n");
        Registry registry(m_path);
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/a"_s);
        writeAll(m_path, header + "\"Path\"=\"/b\"\n");
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/b"_s);

        // A file that has settled is read once; a later change, however small, is seen.
        const QDateTime past = QDateTime::currentDateTime().addSecs(-60);
        auto age = [&] {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        };
        age();
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/b"_s);
        writeAll(m_path, header + "\"Path\"=\"/c\"\n");
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/c"_s);
        QVERIFY(registry.setValue(hklm, databaseKey, u"Path"_s, u"/d"_s));
        age();
        QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/d"_s);
        QCOMPARE(Registry(m_path).value(hklm, databaseKey, u"Path"_s), u"/d"_s);
    }

    // A write that fails leaves what is read as it was, whether the file had settled or not.
    void aFailedWriteChangesNothingRead() {
        const QByteArray header = "Windows Registry Editor Version 5.00\n\n"
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n";
        writeAll(m_path, header + "\"Path\"=\"/a\"\n");
        for (const bool settled : {false, true}) {
            if (settled) {
                QFile file(m_path);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                         QFileDevice::FileModificationTime));
            }
            Registry registry(m_path);
            QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/a"_s);
            platform::FileSafety::failCall(1);
            QVERIFY(!registry.setValue(hklm, databaseKey, u"Path"_s, u"/b"_s));
            QCOMPARE(registry.value(hklm, databaseKey, u"Path"_s), u"/a"_s);
        }
    }

    void defaultPath() {
        const QByteArray savedRegistry = qgetenv("ORBIS_REGISTRY");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("ORBIS_REGISTRY", "/env/registry.reg");
        qputenv("XDG_CONFIG_HOME", "/xdg");
        QCOMPARE(Registry::defaultPath(u"/cli.reg"_s), u"/cli.reg"_s);
        QCOMPARE(Registry::defaultPath(QString()), u"/env/registry.reg"_s);
        qunsetenv("ORBIS_REGISTRY");
        QCOMPARE(Registry::defaultPath(QString()), u"/xdg/orbis/registry.reg"_s);
        qputenv("XDG_CONFIG_HOME", "relative");
        QCOMPARE(Registry::defaultPath(QString()),
                 QDir::homePath() + u"/.config/orbis/registry.reg"_s);
        qputenv("ORBIS_REGISTRY", savedRegistry);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
