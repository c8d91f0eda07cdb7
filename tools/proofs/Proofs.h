#pragma once

// What the random-action test and the write-fault tour share: a demo installation in a folder of
// its own, the editor started on it, and the checks that every action must pass. Neither knows a
// control by name, so they cover every page that joins the program.

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <app/Session.h>
#include <form/FormSet.h>
#include <memory>
#include <platform/LinuxPlatform.h>

namespace proofs {

// The real platform services on the installation's registry file, as an administrator, with
// sleeping that does not sleep.
class ProofPlatform : public platform::LinuxPlatform {
public:
    using platform::LinuxPlatform::LinuxPlatform;
    bool isAdministrator() const override { return true; }
    void sleepMs(int) override {}
};

// A copy of the demo installation: the system database, the template database with an empty
// history, and a registry file that names the system database and holds the step voltages.
class Installation {
public:
    Installation(const QString& demoSystem, const QString& templateDatabase);

    QString folder() const { return m_dir.path(); }
    const QString& systemPath() const { return m_system; }
    const QString& templatePath() const { return m_template; }
    const QString& registryPath() const { return m_registry; }
    QString workCopyPath() const;
    // Empty when the installation was made.
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QString m_system;
    QString m_template;
    QString m_registry;
    QString m_error;
};

// The program started on an installation, with the host the proof drives it through.
class Program {
public:
    Program(const Installation& installation, form::Host& host);
    ~Program();

    void start() { m_session->start(); }
    form::FormSet& forms() { return m_forms; }
    app::Session& session() { return *m_session; }
    editor::Editor& editor() { return m_session->editor(); }
    bool quitRequested() const { return m_quit; }

private:
    ProofPlatform m_platform;
    form::FormSet m_forms;
    std::unique_ptr<app::Session> m_session;
    bool m_quit = false;
};

// Everything a database file holds, as text: its schema and every row of every table in table
// order. Two files with the same text hold the same data.
QString contentOf(const QString& path);
// "ok", or what PRAGMA integrity_check found.
QString integrityOf(const QString& path);
// The name, size and hash of every file in the folder and below, but for the named ones.
QMap<QString, QByteArray> filesIn(const QString& folder, const QSet<QString>& except);

// The program's controls as the person sees them, one line each (the headless control dump).
QByteArray dump(form::FormSet& forms);

// What a person's action set directly on controls and no database holds, so that a fresh read
// cannot show it; keys as controlKey() makes them.
struct PendingInput {
    // Controls without behaviour that the action set (an option button with its group): their
    // value (checked, selected, index, text) is only shown.
    QSet<QString> unhandled;
    // Lists selected that had no selection before: a fresh read that again selects nothing shows
    // that no readout selects them (the page that shows their value is still to come).
    QSet<QString> unselected;
};

// Reads every page anew from the working copy, inside the action boundary, and tells how the
// controls then differ from `before`; empty when they are the same but for pending input.
QString freshReadDifference(app::Session& session, form::FormSet& forms, const QByteArray& before,
                            const PendingInput& pending = {});

// The rows the editor's connection has changed in both databases since it was opened.
qint64 changesOf(editor::Editor& editor);

// The key of a control in the dump and in PendingInput: "form/name".
QString controlKey(const QString& form, const QString& name);

} // namespace proofs
