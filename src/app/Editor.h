#pragma once

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
} // namespace form

namespace platform {
class Platform;
}

namespace app {

// A file operation of start-up, store or restore that failed; caught like a database error at
// the edge of the user action.
class FileError : public db::DbError {
public:
    using db::DbError::DbError;
};

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

// Page readouts and operations of the subject folders that start-up and the readout call at
// their places. A subject installs its functions when it joins the editor; an empty slot does
// nothing.
struct PageHooks {
    std::function<void()> FillScanWheelList;
    std::function<void()> ReadNddPage;
    std::function<void()> LightPathView;
    std::function<void()> RebuildLaserTab;
    std::function<void()> ReadDetectionPage;
    std::function<void()> ReadFcsPage; // the FCS page apart from the step voltages
    std::function<void()> InterfaceReadout;
    std::function<void()> ZLiftView;
    std::function<void()> FirmwareReadout;
    std::function<void()> CheckLineIR; // the handler of the infrared-line box
    std::function<void()> LoadStartupChannels;
};

// The state the whole editor shares: the two open databases, the paths of the installation,
// the editor-live flag, the readout flags, and the services of the host.
class Editor {
public:
    Editor(form::FormSet& forms, platform::Platform& platform, QString templatePath);
    ~Editor();

    form::FormSet& forms() const { return m_forms; }
    form::Form& main() const;
    form::Form& dialog(const QString& name) const;
    form::Host& host() const;
    platform::Platform& platform() const { return m_platform; }

    // The working copy and the template database; both throw when not open.
    db::Database& work() const;
    db::Database& templ() const;
    bool isWorkOpen() const { return m_work != nullptr; }
    bool isTemplateOpen() const { return m_template != nullptr; }
    void openWork();
    void closeWork(); // commits the work of the running action first
    void openTemplate();
    void closeTemplate();
    void closeDatabases();

    const QString& templatePath() const { return m_templatePath; }

    // The status line.
    void setMessage(const QString& text);

    // Waits ms milliseconds in slices of 50 ms, letting the window process its events before
    // each slice: ms / 50 rounded half to even, plus one.
    void WaitMs(int ms);
    // The save-file dialog; true and fileName set to the choice, false when cancelled.
    bool AskSaveFileName(QString& fileName, const QString& description, const QString& pattern);

    // Registry values under HKEY_LOCAL_MACHINE.
    QString RegistryRead(const QString& subkey, const QString& name) const;
    bool RegistryEnsureKey(const QString& suffix);
    bool RegistryWrite(const QString& suffix, const QString& name, const QString& text);

    // Installation paths (set by start-up).
    QString SystemDatabasePath;
    QString DatabaseFolder;
    QString WorkCopyPath;
    QString HiddenCopyPath() const;

    bool live = false; // the editor-live flag: handlers write only while it is set
    bool standSelection = false;
    bool scanHead = false; // the database was opened without a scan head
    bool storeBusy = false;
    bool clearHistoryBusy = false;
    ReadoutFlags flags;
    QString configurationName;
    std::array<QString, 4> lastVoltages;
    bool locked = false;         // start-up refused the installation
    bool LoginSucceeded = false; // frmLogin accepted the service password

    // Asks whether another instance of the program runs (and makes it raise its window).
    std::function<bool()> otherInstanceRunning;
    // Ends the program (closing the main window).
    std::function<void()> quit;
    PageHooks hooks;

private:
    form::FormSet& m_forms;
    platform::Platform& m_platform;
    QString m_templatePath;
    std::unique_ptr<db::Database> m_work;
    std::unique_ptr<db::Database> m_template;
};

// Runs a hook when a subject has installed it.
inline void runHook(const std::function<void()>& hook) {
    if (hook)
        hook();
}

} // namespace app
