#pragma once

#include "AotfDrivers.h"
#include "AttenuatorChannels.h"
#include "LaserNames.h"
#include "LaserSources.h"
#include "NloLaser.h"

#include <QList>
#include <editor/Page.h>
#include <editor/Scopes.h>
#include <functional>

namespace editor {
class Editor;
}
namespace devices {
class Connections;
}
namespace scanhead {
class HeadFrames;
}

namespace laser {

using namespace Qt::StringLiterals;

class ChangeLaserLineDialog;

// The Laser Modul page: the lasers, the laser lines with their attenuator channels, the AOTF
// drivers and the tunable near-infrared laser.
//
// A laser box switches its laser and then everything that depends on it, clearing the boxes of
// the lasers it excludes (whose handlers switch those off). Once the outermost handler of such a
// cascade is done, the page is derived anew from the working copy.
class LaserPage : public editor::Declarations {
public:
    LaserPage(editor::Editor& editor, devices::Connections& connections,
              scanhead::HeadFrames& heads);

    // The dialog that asks which line gives up its channel when none is free.
    void setChangeLineDialog(ChangeLaserLineDialog& dialog) { m_changeLine = &dialog; }
    // The collimators belong to the scan head; the program links them.
    void setSwitchCollimator(std::function<void(const QString&, bool)> switchCollimator) {
        m_switchCollimator = std::move(switchCollimator);
    }

    // Switches a line on or off: on, it gets its channel from start-up, else the preferred one
    // (which the start-up channel replaces), else a free one of its range, else one taken from
    // another line or chosen by the user; off, it leaves the attenuator. The boxes then show
    // the database.
    void SetLaserLine(int wavelength, bool on, int& preferred, bool skipCalibrationImport);
    // The line boxes as the database says: a line that holds a channel and is included.
    void SyncLineBoxes();
    // Derives the page from the working copy; a call during a rebuild returns at once.
    void RebuildLaserTab();

    // The port lists of the laser module's devices: the port of a device in use, none and
    // disabled for one that is not. The configuration readout empties these lists, and the
    // Configuration page shows them, so it shows them anew after that readout too.
    void showPortLists();

    // What the lasers change on other pages (the collimators, the laser range) is shown anew
    // after each laser box; the program links it.
    void setLaserDevicesShown(std::function<void()> shown) {
        m_laserDevicesShown = std::move(shown);
    }
    // The FCS page shows which lines reach the FCS head; the program links it.
    void setLinesShown(std::function<void()> shown) { m_linesShown = std::move(shown); }

    // The handler of the near-infrared line box. The configuration readout runs it once the
    // editor is live, without the port warnings, which belong to a person's click.
    void CheckLineIRClicked(bool warnPort = true);
    // The dampening box as the database says; the FCS page shows it when it is read.
    void showFading();

    AttenuatorChannels& channels() { return m_channels; }
    AotfDrivers& drivers() { return m_drivers; }
    LaserSources& sources() { return m_sources; }
    int lastNloWavelength() const { return m_lastNloWavelength; }
    void LoadStartupChannels() { m_channels.LoadStartupChannels(); }

    // The near-infrared controls follow the UV lasers, which exclude that laser.
    void EnableNloControls(bool enable);

private:
    struct LineBox {
        form::CheckBox* box;
        int wavelength;
        int preferredKestro;
        int preferredOther;
    };
    void lineBoxClicked(const LineBox& line);
    void importLine();
    void servoStep(int wavelength, const QString& status);
    void progrAotfClicked();
    void showDriverState();

    // Runs a handler of a laser box while the editor is live, with the busy pointer; the
    // outermost one ends with the rebuild.
    void laserAction(const std::function<void()>& action);
    void setLine(form::CheckBox& box, bool on);
    void setLines(const QList<form::CheckBox*>& boxes, bool on);
    void CheckArgonClicked();
    void CheckArgon2Clicked();
    void CheckArKrClicked();
    void CheckHeNeRedClicked();
    void CheckBlueLaserClicked();
    // Enterprise UV and Krypton 413, which exclude each other and the 405 diode.
    void uvLaserClicked(form::CheckBox& box, const QString& laser, form::CheckBox& other,
                        const QList<form::CheckBox*>& lines, const QString& driverType);
    void argonExclusions(form::CheckBox& box);
    void CheckNLOClicked();
    void nloOptionChosen(const QString& laser);
    QString selectedNloLaser() const;
    void CmdApplySpecialValueClicked();
    void CmdApplyNLOWavelengthClicked();
    void collimator(const QString& name, bool enable);

    // Sections of the rebuild.
    void showSystemLine(bool kestro);
    void showLedControl();
    void showArgonLasers(bool kestro);
    void showNloModel();
    void showLaserPorts();
    void showFcsMirrors(bool kestro);

    editor::Editor& m_editor;
    devices::Connections& m_connections;
    scanhead::HeadFrames& m_heads;
    AttenuatorChannels m_channels{m_editor};
    AotfDrivers m_drivers{m_editor};
    LaserSources m_sources{m_editor, m_connections};
    NloLaser m_nlo{m_editor, m_drivers, m_connections};
    ChangeLaserLineDialog* m_changeLine = nullptr;
    std::function<void(const QString&, bool)> m_switchCollimator;
    std::function<void()> m_linesShown;
    std::function<void()> m_laserDevicesShown;
    editor::RunningFlag m_lineRunning;
    editor::RunningFlag m_rebuildRunning;
    int m_laserActions = 0;
    int m_lastNloWavelength = 0;

    const editor::Frame m_frameLasers = frame(editor::PageLaser, u"FrameLaser"_s, u"Laser Modul"_s);
    form::CheckBox& checkArgon = check(u"CheckArgon"_s, u"Argon 25mW"_s);
    form::CheckBox& checkArgon2 = check(u"CheckArgon2"_s, u"Argon 30 mW"_s);
    form::CheckBox& checkArKr = check(u"CheckArKr"_s, u"ArKr"_s);
    form::CheckBox& checkHeNeGreen = check(u"CheckHeNeGreen"_s, u"HeNe 543"_s);
    form::CheckBox& checkHeNeRed = check(u"CheckHeNeRed"_s, u"HeNe 633"_s);
    form::CheckBox& checkBlueLaser = check(u"CheckBlueLaser"_s, u"Laser Diode 405"_s);
    form::CheckBox& checkEnterprise = check(u"CheckEnterprise"_s, u"Enterprise UV"_s);
    form::CheckBox& checkKr413 = check(u"CheckKr413"_s, u"Krypton 413"_s);
    form::TextBox& eSpecialValue = text(u"ESpecialValue"_s, u"Special Value"_s);
    form::Button& cmdApplySpecialValue = button(u"CmdApplySpecialValue"_s, u"Apply"_s);
    form::CheckBox& checkFading = check(u"CheckFading"_s, u"Dampening"_s);
    form::CheckBox& checkAmir = check(u"CheckAMIR"_s, u"AMIR 3. Output"_s);
    form::CheckBox& checkBmir = check(u"CheckBMIR"_s, u"BMIR"_s);

    const editor::Frame m_frameLines = frame(editor::PageLaser, u"FrameLines"_s, u"Laser Lines"_s);
    form::CheckBox& checkLine351 = check(u"CheckLine351"_s, u"351 nm"_s);
    form::CheckBox& checkLine364 = check(u"CheckLine364"_s, u"364 nm"_s);
    form::CheckBox& checkLine405 = check(u"CheckLine405"_s, u"405 nm"_s);
    form::CheckBox& checkLine413 = check(u"CheckLine413"_s, u"413 nm"_s);
    form::CheckBox& checkLine458 = check(u"CheckLine458"_s, u"458 nm"_s);
    form::CheckBox& checkLine477 = check(u"CheckLine477"_s, u"477 nm"_s);
    form::CheckBox& checkLine488 = check(u"CheckLine488"_s, u"488 nm"_s);
    form::CheckBox& checkLine514 = check(u"CheckLine514"_s, u"514 nm"_s);
    form::CheckBox& checkLine543 = check(u"CheckLine543"_s, u"543 nm"_s);
    form::CheckBox& checkLine568 = check(u"CheckLine568"_s, u"568 nm"_s);
    form::CheckBox& checkLine633 = check(u"CheckLine633"_s, u"633 nm"_s);
    form::CheckBox& checkLineIR = check(u"CheckLineIR"_s, u"800 nm"_s);

    const editor::Frame m_frameAotf = frame(editor::PageLaser, u"FrameAOTF"_s, u"AOTF"_s);
    form::ListBox& comboAotfChannels = list(u"ComboAOTFChannels"_s, u"AOTF Driver Channels"_s);
    form::CheckBox& checkProgrAotf = check(u"CheckProgrAOTF"_s, u"Programmable AOTF"_s);
    form::Button& cmdAomReset = button(u"CmdAOMReset"_s, u"AOM Frequency Reset"_s);
    form::Button& cmdResetAomCalibration =
        button(u"CmdResetAOMCalibration"_s, u"Reset AOM/AOTF Calibration"_s);

    const editor::Frame m_frameNlo = frame(editor::PageLaser, u"FrameNLO"_s, u"NLO Laser"_s);
    form::CheckBox& checkNlo = check(u"CheckNLO"_s, u"NLO Laser"_s);
    form::OptionButton& optionNloOffline =
        option(u"OptionNLOLaserOffline"_s, u"Off Line Titanium:Sapphire"_s, u"NLO"_s);
    form::OptionButton& optionNloMaiTai = option(u"OptionNLOLaserMaiTai"_s, u"Mai Tai"_s, u"NLO"_s);
    form::OptionButton& optionNloChameleon =
        option(u"OptionNLOLaserChameleon"_s, u"Chameleon"_s, u"NLO"_s);
    form::TextBox& eNloWavelength = text(u"ENLOWavelength"_s, u"Wavelength"_s);
    form::Button& cmdApplyNloWavelength = button(u"CmdApplyNLOWavelength"_s, u"Apply"_s);

    // The near-infrared models in the order in which the first one in use wins.
    const QList<std::pair<form::OptionButton*, QString>> m_nloModels = {
        {&optionNloOffline, kTitanSapphire},
        {&optionNloMaiTai, kMaiTai},
        {&optionNloChameleon, kChameleon}};

    // Each line box with its wavelength and preferred channels (entry-level head, others).
    const QList<LineBox> m_lines = {
        {&checkLine351, 351, 6, 6}, {&checkLine364, 364, 5, 5}, {&checkLine405, 405, 5, 6},
        {&checkLine413, 413, 6, 6}, {&checkLine458, 458, 1, 0}, {&checkLine477, 477, 0, 0},
        {&checkLine488, 488, 2, 0}, {&checkLine514, 514, 3, 0}, {&checkLine543, 543, 4, 0},
        {&checkLine568, 568, 0, 0}, {&checkLine633, 633, 5, 0}};
};

} // namespace laser
