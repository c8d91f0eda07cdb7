#pragma once

#include "AotfDrivers.h"
#include "AttenuatorChannels.h"

#include <QList>
#include <editor/Page.h>
#include <editor/Scopes.h>

namespace editor {
class Editor;
}
namespace devices {
class Connections;
}

namespace laser {

using namespace Qt::StringLiterals;

class ChangeLaserLineDialog;

// The Laser Modul page: the laser lines with their attenuator channels and the AOTF drivers.
class LaserPage : public editor::Declarations {
public:
    LaserPage(editor::Editor& editor, devices::Connections& connections);

    // The dialog that asks which line gives up its channel when none is free.
    void setChangeLineDialog(ChangeLaserLineDialog& dialog) { m_changeLine = &dialog; }

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

    AttenuatorChannels& channels() { return m_channels; }
    AotfDrivers& drivers() { return m_drivers; }
    void LoadStartupChannels() { m_channels.LoadStartupChannels(); }

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

    editor::Editor& m_editor;
    devices::Connections& m_connections;
    AttenuatorChannels m_channels{m_editor};
    AotfDrivers m_drivers{m_editor};
    ChangeLaserLineDialog* m_changeLine = nullptr;
    editor::RunningFlag m_lineRunning;
    editor::RunningFlag m_rebuildRunning;

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
    form::TextBox& eNloWavelength = text(u"ENLOWavelength"_s, u"Wavelength"_s);

    // Each line box with its wavelength and preferred channels (entry-level head, others).
    const QList<LineBox> m_lines = {
        {&checkLine351, 351, 6, 6}, {&checkLine364, 364, 5, 5}, {&checkLine405, 405, 5, 6},
        {&checkLine413, 413, 6, 6}, {&checkLine458, 458, 1, 0}, {&checkLine477, 477, 0, 0},
        {&checkLine488, 488, 2, 0}, {&checkLine514, 514, 3, 0}, {&checkLine543, 543, 4, 0},
        {&checkLine568, 568, 0, 0}, {&checkLine633, 633, 5, 0}};
};

} // namespace laser
