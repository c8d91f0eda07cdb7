#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <db/Database.h>
#include <db/Recordset.h>
#include <platform/InstalledFiles.h>

// The build installed into a temporary prefix, as a package or `cmake --install` puts it on a
// machine, and the installed program run there.
class TestInstall : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };

    QTemporaryDir m_prefix;

    static Run run(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        if (!process.waitForFinished(120000))
            return {-1, {}, QStringLiteral("%1 did not finish").arg(program)};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }
    QString program() const { return installed(QStringLiteral("bin/orbis-config")); }

    static QString read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static QByteArray digest(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    static int historyRows(const QString& templatePath) {
        return db::Database::open(templatePath)
            ->OpenRecordset(QStringLiteral("History"))
            .recordCount();
    }

    // The first cells of the rows of the README's table under the header line given.
    static QStringList readmeColumn(const QString& header) {
        const QString text = read(QStringLiteral(ORBIS_SOURCE_DIR "/README.md"));
        const qsizetype table = text.indexOf(u'\n' + header + u'\n');
        if (table < 0)
            return {};
        const QStringList lines = text.mid(table + 1).split(u'\n');
        QStringList cells;
        for (qsizetype i = 2; i < lines.size() && lines.at(i).startsWith(u'|'); ++i)
            cells << lines.at(i).section(u'|', 1, 1).trimmed();
        return cells;
    }

    // The text of a section of the manual page, from its .SH line to the next one.
    static QString manualSection(const QString& name) {
        const QString page = read(QStringLiteral(ORBIS_MANUAL_PAGE));
        const qsizetype start = page.indexOf(QStringLiteral(".SH ") + name + u'\n');
        if (start < 0)
            return {};
        const qsizetype end = page.indexOf(QStringLiteral("\n.SH "), start + 1);
        return page.mid(start, end < 0 ? -1 : end - start);
    }
    // The tag lines of a section's .TP paragraphs, without the roff markup.
    static QStringList manualTags(const QString& section) {
        static const QRegularExpression markup(QStringLiteral("\\\\f[BIRP]|^\\.[A-Z]+ ?|\""));
        QStringList tags;
        const QStringList lines = manualSection(section).split(u'\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (lines.at(i) == QStringLiteral(".TP"))
                tags << QString(lines.at(i + 1))
                            .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                            .remove(markup)
                            .simplified();
        }
        return tags;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_prefix.isValid());
        const Run install = run(QStringLiteral(CMAKE_COMMAND),
                                {QStringLiteral("--install"), QStringLiteral(ORBIS_BUILD_DIR),
                                 QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    // Every file lands under the prefix, where the file system's layout puts it.
    void installsUnderThePrefixOnly() {
        const QStringList manifest = read(QStringLiteral(ORBIS_BUILD_DIR "/install_manifest.txt"))
                                         .split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!manifest.isEmpty());
        for (const QString& path : manifest)
            QVERIFY2(path.startsWith(m_prefix.path() + u'/'), qPrintable(path));
        const QString id = QStringLiteral(ORBIS_APP_ID);
        for (const QString& expected :
             {QStringLiteral("bin/orbis-config"), QStringLiteral("share/orbis-config/Conf.mdb"),
              QStringLiteral("share/orbis-config/demo/System.mdb"),
              QStringLiteral("share/man/man1/orbis-config.1.gz"),
              QStringLiteral("share/applications/") + id + QStringLiteral(".desktop"),
              QStringLiteral("share/metainfo/") + id + QStringLiteral(".metainfo.xml"),
              QStringLiteral("share/icons/hicolor/scalable/apps/orbis-config.svg"),
              QStringLiteral("share/doc/orbis-config/copyright"),
              QStringLiteral("share/doc/orbis-config/changelog.gz"),
              QStringLiteral("share/doc/orbis-config/README.md")})
            QVERIFY2(manifest.contains(installed(expected)), qPrintable(expected));
        QVERIFY(QFileInfo(program()).isExecutable());
    }

    // Which template database the program opens, in a build folder and in an installation.
    void templateLookup_data() {
        QTest::addColumn<bool>("given");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("shipped");
        QTest::addColumn<bool>("ownCopy");
        QTest::addColumn<QString>("opened");
        QTest::newRow("the command line wins") << true << true << true << true << "given";
        QTest::newRow("a build folder") << false << true << true << false << "beside";
        QTest::newRow("first start of an installation") << false << false << true << false << "own";
        QTest::newRow("later starts keep the history") << false << false << true << true << "own";
        QTest::newRow("nothing shipped: the refusal names the program's folder")
            << false << false << false << false << "beside";
    }
    void templateLookup() {
        QFETCH(bool, given);
        QFETCH(bool, beside);
        QFETCH(bool, shipped);
        QFETCH(bool, ownCopy);
        QFETCH(QString, opened);
        QTemporaryDir root;
        const QDir dir(root.path());
        const auto put = [&dir](const QString& relative, const QByteArray& content) {
            dir.mkpath(QFileInfo(dir.filePath(relative)).path());
            QFile file(dir.filePath(relative));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        const QMap<QString, QString> paths{
            {QStringLiteral("given"), dir.filePath(QStringLiteral("elsewhere/Conf.mdb"))},
            {QStringLiteral("beside"), dir.filePath(QStringLiteral("usr/bin/Conf.mdb"))},
            {QStringLiteral("own"), dir.filePath(QStringLiteral("var/lib/orbis-config/Conf.mdb"))}};
        if (beside)
            put(QStringLiteral("usr/bin/Conf.mdb"), "beside");
        if (shipped)
            put(QStringLiteral("usr/share/orbis-config/Conf.mdb"), "shipped");
        if (ownCopy)
            put(QStringLiteral("var/lib/orbis-config/Conf.mdb"), "with history");

        const platform::TemplateLocation location = platform::templateDatabase(
            given ? paths[QStringLiteral("given")] : QString(),
            dir.filePath(QStringLiteral("usr/bin")), QStringLiteral("../share/orbis-config"),
            QStringLiteral("../../var/lib/orbis-config"));
        QCOMPARE(location.path, paths[opened]);
        QCOMPARE(location.problem, QString());
        const QString own = paths[QStringLiteral("own")];
        if (opened == QStringLiteral("own"))
            QCOMPARE(read(own),
                     ownCopy ? QStringLiteral("with history") : QStringLiteral("shipped"));
        else
            QCOMPARE(QFileInfo::exists(own), ownCopy);
    }

    // A state folder that cannot be made says why; the start-up then refuses to go on without
    // a template database.
    void templateCopyThatCannotBeMade() {
        QTemporaryDir root;
        const QDir dir(root.path());
        dir.mkpath(QStringLiteral("usr/bin"));
        dir.mkpath(QStringLiteral("usr/share/orbis-config"));
        QFile(dir.filePath(QStringLiteral("usr/share/orbis-config/Conf.mdb")))
            .open(QIODevice::WriteOnly);
        QFile blocker(dir.filePath(QStringLiteral("var")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
        const platform::TemplateLocation location = platform::templateDatabase(
            {}, dir.filePath(QStringLiteral("usr/bin")), QStringLiteral("../share/orbis-config"),
            QStringLiteral("../../var/lib/orbis-config"));
        QCOMPARE(location.path, dir.filePath(QStringLiteral("var/lib/orbis-config/Conf.mdb")));
        QVERIFY2(location.problem.contains(dir.filePath(QStringLiteral("var"))),
                 qPrintable(location.problem));
    }

    // The installed program on a copy of the installed demo: it stores twice, writing the
    // history into its own copy of the template database and never into the shipped one.
    void installedProgramStoresIntoADemoCopy() {
        QTemporaryDir home;
        const QDir folder(home.path());
        const QString system = folder.filePath(QStringLiteral("System.mdb"));
        QVERIFY(
            QFile::copy(installed(QStringLiteral("share/orbis-config/demo/System.mdb")), system));
        QFile(system).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        const QString registry = folder.filePath(QStringLiteral("registry.reg"));
        {
            QFile file(registry);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("Windows Registry Editor Version 5.00\n\n"
                                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n"
                                      "\"Path\"=\"%1\"\n")
                           .arg(system)
                           .toUtf8());
        }
        const QString script = folder.filePath(QStringLiteral("store.txt"));
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("click CmdStore\n"
                       "answer yes \"Are you sure, you want to store the new system database ?\"\n"
                       "expect CmdStore enabled true\n");
        }
        const QString shipped = installed(QStringLiteral("share/orbis-config/Conf.mdb"));
        const QString own =
            QDir::cleanPath(installed(QStringLiteral("bin/" ORBIS_STATE_FOLDER "/Conf.mdb")));
        // A build configured for /usr keeps the copy in /var, outside every other prefix.
        if (!own.startsWith(m_prefix.path() + u'/'))
            QSKIP("the build is configured for /usr; its state folder is /var/lib");
        const QByteArray shippedDigest = digest(shipped);
        const int shippedHistory = historyRows(shipped);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("ORBIS_REGISTRY"));

        for (int store = 1; store <= 2; ++store) {
            const Run result = run(program(),
                                   {QStringLiteral("--headless"), QStringLiteral("--registry"),
                                    registry, QStringLiteral("--script"), script,
                                    QStringLiteral("--dump-controls"), QStringLiteral("-")},
                                   env);
            QVERIFY2(result.exitCode == 0, qPrintable(result.err));
            QVERIFY(result.out.contains(QStringLiteral("\"name\":\"LDatabasePath\"")));
            QCOMPARE(historyRows(own), shippedHistory + store);
        }
        QCOMPARE(digest(shipped), shippedDigest);
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("BackupDB/Temp.mdb"))));
    }

    // The manual page documents every option of --help, and nothing that is not one.
    void manualPageListsEveryOption() {
        const Run help = run(program(), {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        static const QRegularExpression option(QStringLiteral(R"((--?[a-z][a-z-]*)( <(\w+)>)?)"));
        const auto options = [](const QStringList& lines) {
            QSet<QString> found;
            for (const QString& line : lines) {
                auto matches = option.globalMatch(line);
                while (matches.hasNext()) {
                    const QRegularExpressionMatch match = matches.next();
                    found << (match.captured(1) + u' ' + match.captured(3)).trimmed();
                }
            }
            return found;
        };
        // --help: each option line starts with its names and their value.
        QStringList helpLines;
        for (const QString& line : help.out.split(u'\n')) {
            if (line.startsWith(QStringLiteral("  -")))
                helpLines << line.trimmed().section(QStringLiteral("  "), 0, 0);
        }
        QStringList manualLines = manualTags(QStringLiteral("OPTIONS"));
        // The manual writes the value as a word in italics: --script FILE.
        for (QString& line : manualLines)
            line.replace(QRegularExpression(QStringLiteral(R"( ([A-Z]+)\b)")),
                         QStringLiteral(" <\\1>"));
        QVERIFY(!helpLines.isEmpty());
        QCOMPARE(options(manualLines), options(helpLines));
    }

    // The manual page names every command of the script language that the README lists.
    void manualPageListsEveryScriptCommand() {
        QSet<QString> readme;
        static const QRegularExpression command(QStringLiteral("`([a-z]+)[^`]*`"));
        for (const QString& cell : readmeColumn(QStringLiteral("| line | meaning |"))) {
            auto matches = command.globalMatch(cell);
            while (matches.hasNext())
                readme << matches.next().captured(1);
        }
        QSet<QString> manual;
        for (const QString& tag : manualTags(QStringLiteral("HEADLESS RUNS"))) {
            for (const QString& part : tag.split(u','))
                manual << part.trimmed().section(u' ', 0, 0);
        }
        QVERIFY(readme.size() > 10);
        QCOMPARE(manual, readme);
    }

    // The manual page and the README list the same exit codes.
    void manualPageListsEveryExitCode() {
        const QStringList readme = readmeColumn(QStringLiteral("| exit code | meaning |"));
        QVERIFY(readme.size() > 2);
        QCOMPARE(manualTags(QStringLiteral("EXIT STATUS")), readme);
    }

    // The installed menu entry, metadata and manual page pass their own tools' checks.
    void validators_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        const QString id = QStringLiteral(ORBIS_APP_ID);
        QTest::newRow("menu entry") << "desktop-file-validate"
                                    << QStringList{installed(QStringLiteral("share/applications/") +
                                                             id + QStringLiteral(".desktop"))};
        QTest::newRow("AppStream metadata")
            << "appstreamcli"
            << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                           installed(QStringLiteral("share/metainfo/") + id +
                                     QStringLiteral(".metainfo.xml"))};
        QTest::newRow("manual page")
            << "man"
            << QStringList{QStringLiteral("--warnings"), QStringLiteral("-l"),
                           installed(QStringLiteral("share/man/man1/orbis-config.1.gz"))};
    }
    void validators() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString path = QStandardPaths::findExecutable(tool);
        if (path.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const Run result = run(path, arguments, env);
        QVERIFY2(result.exitCode == 0, qPrintable(result.out + result.err));
        // man says what it could not lay out only on standard error, and still ends with 0.
        if (tool == QStringLiteral("man"))
            QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
