#pragma once

// A system database installation in a temporary folder, with the editor on top of it, driven
// through the automation script runner as a person would drive the window.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <app/Session.h>
#include <db/Database.h>
#include <db/DbError.h>
#include <form/FormSet.h>
#include <form/RecordingHost.h>
#include <form/ScriptRunner.h>
#include <memory>
#include <platform/LinuxPlatform.h>

// The real platform services on a registry file of the test, with an administrator switch and
// sleeping that does not sleep.
class TestPlatform : public platform::LinuxPlatform {
public:
    using platform::LinuxPlatform::LinuxPlatform;
    bool administrator = true;
    int sleptMs = 0;
    bool isAdministrator() const override { return administrator; }
    void sleepMs(int ms) override { sleptMs += ms; }
};

class Installation {
public:
    // Copies the demo system database into a new folder and registers it.
    Installation() {
        systemPath = dir.filePath(QStringLiteral("System.mdb"));
        QFile::copy(qEnvironmentVariable("ORBIS_DEMO_DB"), systemPath);
        QFile(systemPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        templatePath = dir.filePath(QStringLiteral("program/Conf.mdb"));
        QDir().mkpath(dir.filePath(QStringLiteral("program")));
        QFile::copy(qEnvironmentVariable("ORBIS_TEMPLATE_DB"), templatePath);
        QFile(templatePath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        db::Database::open(templatePath)->execute(QStringLiteral("DELETE FROM [History]"));
        registryPath = dir.filePath(QStringLiteral("registry.reg"));
        setRegistryPath(systemPath);
    }

    void setRegistryPath(const QString& path) {
        writeRegistry(QStringLiteral("\"Path\"=\"%1\"\n").arg(path));
    }
    void writeRegistry(const QString& databaseValues, const QString& stepDacValues = {}) {
        QFile file(registryPath);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QTextStream out(&file);
        out << "Windows Registry Editor Version 5.00\n\n"
            << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\Database]\n"
            << databaseValues << "\n";
        if (!stepDacValues.isEmpty())
            out << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quentara\\CP\\StepDAC]\n"
                << stepDacValues << "\n";
    }

    // Runs SQL on the system database before the editor starts.
    void onSystem(const QString& sql) { db::Database::open(systemPath)->execute(sql); }
    // Runs SQL on the template database.
    void onTemplate(const QString& sql) { db::Database::open(templatePath)->execute(sql); }

    // Builds the editor and runs start-up; script lines answer what start-up asks.
    void start(const QString& script = {}) {
        platform = std::make_unique<TestPlatform>(registryPath);
        platform->administrator = administrator;
        forms = std::make_unique<form::FormSet>();
        runner = std::make_unique<form::ScriptRunner>(*forms);
        if (recordBoxes)
            forms->setHost(&recording);
        else
            forms->setHost(&runner->host());
        session = std::make_unique<app::Session>(*forms, *platform, templatePath);
        session->editor().setQuit([this] { quit = true; });
        if (beforeStart)
            beforeStart(session->editor());
        runner->load(script);
        session->start();
        runner->run();
    }
    // What a person does next.
    void act(const QString& script) {
        runner->load(script);
        runner->run();
    }
    // Presses a button as a person would, answering its questions in turn (recordBoxes).
    void press(const QString& name, const QList<bool>& answers = {}) {
        for (bool answer : answers)
            recording.yesNoAnswers.enqueue(answer);
        recording.boxes.clear();
        main().button(name).userPress();
    }
    // The message boxes (not the questions) the last press showed.
    QStringList boxTexts() const {
        QStringList texts;
        for (const form::RecordingHost::Box& box : recording.boxes)
            if (!box.question)
                texts.append(box.text);
        return texts;
    }
    void stop() {
        if (session)
            session->editor().closeDatabases();
        session.reset();
        runner.reset();
        forms.reset();
    }
    ~Installation() { stop(); }

    form::Form& main() const { return forms->main(); }
    editor::Editor& editor() const { return session->editor(); }
    QString message() const { return main().label(QStringLiteral("LMsg")).caption(); }
    QString backupFolder() const { return dir.filePath(QStringLiteral("BackupDB")); }
    QString workCopy() const { return dir.filePath(QStringLiteral("BackupDB/Temp.mdb")); }

    // Another program changes the system row at once, without waiting for a lock: "committed",
    // "busy", or the engine's message.
    static QString writeFromAnotherProgram(const QString& path) {
        auto other = db::Database::openShared(path);
        other->execute(QStringLiteral("PRAGMA busy_timeout = 0"));
        try {
            other->execute(QStringLiteral("UPDATE [Available Systems] SET [ID Stand] = 'Late'"));
            return QStringLiteral("committed");
        } catch (const db::DbError& error) {
            return error.kind() == db::DbError::Kind::Busy ? QStringLiteral("busy")
                                                           : error.message();
        }
    }

    static QByteArray hashOf(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    // The content of a database, every table's rows in order: copies that the engine made of
    // one database differ in their bytes, not in this.
    static QString contentOf(const QString& path) {
        auto database = db::Database::openShared(path);
        QString text;
        for (const QString& table : database->tableNames()) {
            text += table + u'\n';
            for (db::Recordset rs = database->OpenRecordset(table); !rs.eof(); rs.moveNext()) {
                for (int i = 0; i < rs.fieldCount(); ++i)
                    text += rs.value(i).toString() + u'|';
                text += u'\n';
            }
        }
        return text;
    }
    // The database opens and passes the engine's full integrity check.
    static bool intact(const QString& path) {
        try {
            return db::Database::openShared(path)
                       ->OpenRecordset(QStringLiteral("PRAGMA integrity_check"))
                       .value(0)
                       .toString() == QStringLiteral("ok");
        } catch (const db::DbError&) {
            return false;
        }
    }

    bool administrator = true;
    // Boxes and questions go to a recording host instead of the script lines.
    bool recordBoxes = false;
    form::RecordingHost recording;
    bool quit = false;
    std::function<void(editor::Editor&)> beforeStart;
    QTemporaryDir dir;
    QString systemPath;
    QString templatePath;
    QString registryPath;
    std::unique_ptr<TestPlatform> platform;
    std::unique_ptr<form::FormSet> forms;
    std::unique_ptr<form::ScriptRunner> runner;
    std::unique_ptr<app::Session> session;
};
