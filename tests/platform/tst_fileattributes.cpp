#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <platform/FileAttributes.h>
#include <sys/stat.h>

namespace fa = platform::FileAttributes;

namespace {

mode_t modeOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

QString makeFile(const QTemporaryDir& dir, const QString& name, mode_t mode) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileAttributes : public QObject {
    Q_OBJECT

private slots:
    void readOnlyKeepsOtherModeBits_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("readOnlyMode");
        QTest::addColumn<int>("writableMode");
        QTest::newRow("plain") << 0664 << 0444 << 0644;
        QTest::newRow("set-group-id and execute") << 02775 << 02555 << 02755;
        QTest::newRow("owner has no read") << 0260 << 0040 << 0240;
    }

    void readOnlyKeepsOtherModeBits() {
        QFETCH(int, mode);
        QFETCH(int, readOnlyMode);
        QFETCH(int, writableMode);
        QTemporaryDir dir;
        const QString path = makeFile(dir, QStringLiteral("System.mdb"), mode_t(mode));
        QVERIFY(!fa::isReadOnly(path));
        QVERIFY(fa::setReadOnly(path, true));
        QVERIFY(fa::isReadOnly(path));
        QCOMPARE(int(modeOf(path)), readOnlyMode);
        QVERIFY(fa::setReadOnly(path, false));
        QVERIFY(!fa::isReadOnly(path));
        QCOMPARE(int(modeOf(path)), writableMode);
    }

    void clearingReadOnlyLeavesWritableFileAlone() {
        QTemporaryDir dir;
        const QString path = makeFile(dir, QStringLiteral("Temp.mdb"), 0460);
        QVERIFY(!fa::isReadOnly(path));
        QVERIFY(fa::setReadOnly(path, false));
        QCOMPARE(int(modeOf(path)), 0460);

        QVERIFY(!fa::setReadOnly(dir.filePath(QStringLiteral("missing")), false));
        QVERIFY(!fa::isReadOnly(dir.filePath(QStringLiteral("missing"))));
    }

    void hiddenListKeepsOtherLines() {
        QTemporaryDir dir;
        const QString path = makeFile(dir, QStringLiteral("System.hid"), 0644);
        const QString list = dir.filePath(QStringLiteral(".hidden"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("notes.txt\nSystem.hidden\n\nSystem.hi\n");
        file.close();

        QVERIFY(!fa::isHidden(path));
        QVERIFY(fa::setHidden(path, true));
        QVERIFY(fa::setHidden(path, true));
        QVERIFY(fa::isHidden(path));
        QCOMPARE(readAll(list), QByteArray("notes.txt\nSystem.hidden\n\nSystem.hi\nSystem.hid\n"));

        QVERIFY(fa::setHidden(path, false));
        QVERIFY(!fa::isHidden(path));
        QCOMPARE(readAll(list), QByteArray("notes.txt\nSystem.hidden\n\nSystem.hi\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral(".hidden"), QStringLiteral("System.hid")}));
    }

    void hiddenWithoutListFile() {
        QTemporaryDir dir;
        const QString path = makeFile(dir, QStringLiteral("System.hid"), 0444);
        QVERIFY(fa::setHidden(path, true));
        QCOMPARE(readAll(dir.filePath(QStringLiteral(".hidden"))), QByteArray("System.hid\n"));
        // Both attributes together, as the editor gives its untouched copy.
        QVERIFY(fa::isHidden(path) && fa::isReadOnly(path));

        QVERIFY(!fa::setHidden(dir.filePath(QStringLiteral("missing.hid")), true));
        QVERIFY(!fa::isHidden(dir.filePath(QStringLiteral("missing.hid"))));
    }
};

QTEST_GUILESS_MAIN(TestFileAttributes)
#include "tst_fileattributes.moc"
