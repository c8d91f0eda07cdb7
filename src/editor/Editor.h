#pragma once

#include <QList>
#include <QString>
#include <array>
#include <db/Database.h>
#include <db/DbError.h>
#include <functional>
#include <memory>

namespace form {
class Form;
class FormSet;
class Host;
class Label;
class TabControl;
} // namespace form

namespace platform {
class Platform;
}

namespace editor {

// The readout flags and values of the main window that the pages test.
struct ReadoutFlags {
    bool letterS = false;        // the release text carries an "S": side port
    bool invertedStand = false;  // the stand id contains "VERT"
    bool entryLevelHead = false; // a KESTRO scan unit
    bool spectralHead = false;   // an SPI scan unit
    bool scanUnit = false;       // a scan unit is configured
    bool fcsUnit = false;        // an FCS unit is configured
    bool descannedDetector = false;
    bool exchangeXY = false; // image flip of the scan processor
    bool mirrorX = false;
    bool mirrorY = false;
};

// The state the whole editor shares: the two open databases, the paths of the installation,
// the editor-live flag, the readout flags, the status line and the services of the host. What
// only one subject needs lives with that subject's page.
class Editor {
public:
    Editor(form::FormSet& forms, platform::Platform& platform, QString templatePath);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    form::FormSet& forms() const { return m_forms; }
    form::Form& main() const;
    form::Host& host() const;
    platform::Platform& platform() const { return m_platform; }

    // The working copy and the template database; both throw when not open.
    //
    // While the working copy is open, the template database is attached to its connection, so
    // that a user action's writes to both land in one commit or not at all. templ() is then a
    // handle on the attached file: it reads and writes the template's tables by their names as
    // any database does; an SQL text run through it names its tables with
    // templ().qualified(name), since many tables exist in both files.
    db::Database& work() const;
    db::Database& templ() const;
    bool isWorkOpen() const { return m_work != nullptr; }
    bool isTemplateOpen() const { return m_template != nullptr; }
    void openWork();
    // Commits the work of the running action first; the template stays open on its own.
    void closeWork();
    void openTemplate();
    void closeTemplate(); // commits the work of the running action first when it is attached
    void closeDatabases();
    // Counts the openings of the working copy, so that code holding on to a transaction can tell
    // that the copy was closed and opened again meanwhile (restore, store).
    int workGeneration() const { return m_workGeneration; }

    // Commits the running action's transaction; rolls it back. Both do nothing outside a
    // transaction.
    void commitWork();
    void rollbackWork();

    const QString& templatePath() const { return m_templatePath; }

    // The main window's tab control and status line, declared by the window's own frames.
    void setTabs(form::TabControl& tabs) { m_tabs = &tabs; }
    form::TabControl& tabs() const;
    void setStatusLine(form::Label& label) { m_statusLine = &label; }
    void setMessage(const QString& text);
    QString message() const;
    // A readout's notice about the database ("No available condensor found !"): shown unless
    // the status line tells something else, such as the error an action just met, and taken
    // back only where it is still shown. A notice stands until its readout takes it back: when
    // an action empties the status line, the first notice that stands, in the order a read of
    // every page posts them, is shown again, as such a read would show it.
    enum class Notice { NddSplitter, Condenser, Zoomex, Count };
    void showNotice(Notice notice, const QString& text);
    void clearNotice(Notice notice);
    // Start-up reads every page afresh: no notice stands before.
    void forgetNotices();
    // The stand the window shows (LIDMicroscope), for the subjects whose behaviour depends on
    // it; empty before the window declared it.
    void setStandLabel(form::Label& label) { m_standLabel = &label; }
    QString standName() const;
    // Shows a stand in LIDMicroscope before the readout does, so that what a stand selection
    // derives from the stand shown (the image orientation) takes the chosen one.
    void showStandName(const QString& name);

    // Set from the start to the end of a stand selection (a StandSelection scope): the revolver,
    // reflector-turret and condenser views then apply what they show as a choice of the engineer.
    bool standSelection() const { return m_standSelection; }
    void setStandSelection(bool on) { m_standSelection = on; }

    // The configuration readout of the whole editor, installed by the program, so that a subject
    // can show everything anew after a change that reaches beyond its page. Does nothing while
    // none is installed.
    void setRefreshAction(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    void Refresh() const;

    // What runs when a page of SSTab1 is brought to the front: each page registers its own
    // readout, and a page's readouts run in the order they were registered.
    void addPageReadout(int page, std::function<void()> readout);
    void ReadPageInFront() const;

    // Waits ms milliseconds in slices of 50 ms, letting the window repaint before each slice:
    // ms / 50 rounded half to even, plus one. No user input runs during the wait: a click would
    // start an action inside the running one.
    void WaitMs(int ms);
    // The save-file dialog; true and fileName set to the choice, false when cancelled.
    bool AskSaveFileName(QString& fileName, const QString& description, const QString& pattern);

    // Registry values under HKEY_LOCAL_MACHINE.
    QString RegistryRead(const QString& subkey, const QString& name) const;
    bool RegistryEnsureKey(const QString& suffix);
    bool RegistryWrite(const QString& suffix, const QString& name, const QString& text);

    // Installation paths, set by start-up.
    const QString& systemDatabasePath() const { return m_systemDatabasePath; }
    const QString& databaseFolder() const { return m_databaseFolder; }
    const QString& workCopyPath() const { return m_workCopyPath; }
    // Sets the system database; its folder follows from it.
    void setSystemDatabasePath(const QString& path);
    void setWorkCopyPath(const QString& path) { m_workCopyPath = path; }
    QString HiddenCopyPath() const;

    // The editor-live flag: handlers write only while it is set. Code that only shows database
    // state clears it for its length with a Quiet scope.
    bool isLive() const { return m_live; }
    void setLive(bool live) { m_live = live; }

    ReadoutFlags& flags() { return m_flags; }
    const ReadoutFlags& flags() const { return m_flags; }
    const QString& configurationName() const { return m_configurationName; }
    void setConfigurationName(const QString& name) { m_configurationName = name; }

    // Whether another instance of the program runs (it is then asked to raise its window).
    void setInstanceCheck(std::function<bool()> check) { m_instanceCheck = std::move(check); }
    bool otherInstanceRunning() const { return m_instanceCheck && m_instanceCheck(); }
    // Ends the program (closing the main window).
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }
    void quit() const {
        if (m_quit)
            m_quit();
    }

private:
    void attachTemplate();

    form::FormSet& m_forms;
    platform::Platform& m_platform;
    QString m_templatePath;
    std::unique_ptr<db::Database> m_work;
    std::unique_ptr<db::Database> m_template;
    bool m_templateWanted = false;
    int m_workGeneration = 0;
    form::TabControl* m_tabs = nullptr;
    form::Label* m_statusLine = nullptr;
    std::array<QString, std::size_t(Notice::Count)> m_notices;
    form::Label* m_standLabel = nullptr;
    std::function<void()> m_refresh;
    QList<std::pair<int, std::function<void()>>> m_pageReadouts;

    QString m_systemDatabasePath;
    QString m_databaseFolder;
    QString m_workCopyPath;

    bool m_live = false;
    bool m_standSelection = false;
    ReadoutFlags m_flags;
    QString m_configurationName;
    std::function<bool()> m_instanceCheck;
    std::function<void()> m_quit;
};

} // namespace editor
