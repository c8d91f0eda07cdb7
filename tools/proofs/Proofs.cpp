#include "Proofs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <app/Readout.h>
#include <db/Database.h>
#include <db/DbError.h>
#include <db/Statement.h>
#include <form/ControlDump.h>

namespace proofs {

namespace {

bool copyWritable(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

QString shortened(const QString& text) {
    return text.size() <= 240 ? text : text.left(240) + QStringLiteral("...");
}

} // namespace

Installation::Installation(const QString& demoSystem, const QString& templateDatabase) {
    m_system = m_dir.filePath(QStringLiteral("System.mdb"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("program")));
    m_template = m_dir.filePath(QStringLiteral("program/Conf.mdb"));
    m_registry = m_dir.filePath(QStringLiteral("registry.reg"));
    if (!m_dir.isValid() || !copyWritable(demoSystem, m_system) ||
        !copyWritable(templateDatabase, m_template)) {
        m_error = QStringLiteral("cannot copy %1 and %2 into %3")
                      .arg(demoSystem, templateDatabase, m_dir.path());
        return;
    }
    try {
        db::Database::open(m_template)->execute(QStringLiteral("DELETE FROM [History]"));
    } catch (const db::DbError& error) {
        m_error = error.message();
        return;
    }
    QFile registry(m_registry);
    if (!registry.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write %1").arg(m_registry);
        return;
    }
    QString path = m_system;
    path.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    registry.write(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\r\n"
                                  "\"Path\"=\"%1\"\r\n\r\n"
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\StepDAC]\r\n"
                                  "\"Voltage 0\"=\"100.00\"\r\n\"Voltage 1\"=\"10.00\"\r\n"
                                  "\"Voltage 2\"=\"1.00\"\r\n\"Voltage 3\"=\"0.10\"\r\n")
                       .arg(path)
                       .toUtf8());
}

QString Installation::workCopyPath() const {
    return m_dir.filePath(QStringLiteral("BackupDB/Temp.mdb"));
}

Program::Program(const Installation& installation, form::Host& host)
    : m_platform(installation.registryPath()) {
    m_forms.setHost(&host);
    m_session = std::make_unique<app::Session>(m_forms, m_platform, installation.templatePath());
    m_session->editor().setQuit([this] { m_quit = true; });
}

Program::~Program() {
    m_session->editor().closeDatabases();
}

QString contentOf(const QString& path) {
    auto database = db::Database::open(path);
    QString text;
    auto row = [&text](db::Statement& statement) {
        for (int i = 0; i < statement.columnCount(); ++i) {
            const QVariant value = statement.value(i);
            text += value.isNull()
                        ? QStringLiteral("<null>")
                        : QString::fromLatin1(value.typeName()) + u':' + value.toString();
            text += u'|';
        }
        text += u'\n';
    };
    db::Statement schema(*database, QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                                                   "ORDER BY type, name"));
    while (schema.step())
        row(schema);
    for (const QString& table : database->tableNames()) {
        text += QStringLiteral("== ") + table + u'\n';
        db::Statement rows(
            *database, QStringLiteral("SELECT * FROM %1 ORDER BY _rowid_").arg(db::bracket(table)));
        while (rows.step())
            row(rows);
    }
    return text;
}

QString integrityOf(const QString& path) {
    try {
        auto database = db::Database::open(path);
        QStringList findings;
        for (db::Recordset rs = database->OpenRecordset(QStringLiteral("PRAGMA integrity_check"));
             !rs.eof(); rs.moveNext())
            findings.append(rs.value(0).toString());
        return findings.join(QStringLiteral("; "));
    } catch (const db::DbError& error) {
        return error.message();
    }
}

QMap<QString, QByteArray> filesIn(const QString& folder, const QSet<QString>& except) {
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (except.contains(path))
            continue;
        QFile file(path);
        QByteArray hash = QByteArray::number(file.size());
        if (file.open(QIODevice::ReadOnly))
            hash +=
                ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        files.insert(root.relativeFilePath(path), hash);
    }
    return files;
}

QByteArray dump(form::FormSet& forms) {
    return form::controlDump(forms);
}

qint64 changesOf(editor::Editor& editor) {
    return editor.work()
        .OpenRecordset(QStringLiteral("SELECT total_changes()"))
        .value(0)
        .toLongLong();
}

QString controlKey(const QString& form, const QString& name) {
    return form + u'/' + name;
}

QString freshReadDifference(app::Session& session, form::FormSet& forms, const QByteArray& before,
                            const PendingInput& pending) {
    forms.runUserAction([&session] { session.readout().ReadEveryPage(); });
    const QByteArray after = dump(forms);
    if (after == before)
        return {};
    const QList<QByteArray> was = before.split('\n');
    const QList<QByteArray> is = after.split('\n');
    if (was.size() != is.size())
        return QStringLiteral("the dump has %1 lines, after a fresh read %2")
            .arg(was.size())
            .arg(is.size());
    QStringList differences;
    for (qsizetype i = 0; i < was.size(); ++i) {
        if (was[i] == is[i])
            continue;
        QJsonObject shown = QJsonDocument::fromJson(was[i]).object();
        QJsonObject read = QJsonDocument::fromJson(is[i]).object();
        const QString key = controlKey(shown.value(QStringLiteral("form")).toString(),
                                       shown.value(QStringLiteral("name")).toString());
        if (pending.unhandled.contains(key) ||
            (pending.unselected.contains(key) && read.value(QStringLiteral("index")).toInt() < 0)) {
            for (const char* value : {"checked", "selected", "index", "text"}) {
                shown.remove(QLatin1String(value));
                read.remove(QLatin1String(value));
            }
            if (shown == read)
                continue;
        }
        differences.append(QStringLiteral("%1: shown %2, read anew %3")
                               .arg(key, shortened(QString::fromUtf8(was[i])),
                                    shortened(QString::fromUtf8(is[i]))));
    }
    return differences.join(u'\n');
}

} // namespace proofs
