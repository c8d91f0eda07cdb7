#pragma once

#include <editor/Page.h>
#include <functional>

namespace editor {
class Editor;
}

namespace devices {

using namespace Qt::StringLiterals;

// The serial ports of the devices the host drives: the port lists of the Configuration page and
// the port operations the device switches of the other subjects call. A port row of "Available
// Interfaces" is in use while a device names it in its Control field; it then carries the
// serial settings of that device's kind from the template's "Available Interfaces COM".
class Connections : public editor::Declarations {
public:
    explicit Connections(editor::Editor& editor);

    // The port lists filled from the installation's serial ports, the stand's port selected.
    void InterfaceReadout();
    // Marks a port in use with the settings of a device kind, or switches it off.
    void SetPortInUse(const QString& port, bool on, const QString& kind);
    // Warns, one message and a pause each, about every other switched-on device on the port.
    // The port stays set all the same.
    void CheckPortConflicts(const QString& device, const QString& port);
    // Marks the port of every switched-on device other than the one of the kind `key` in use
    // again, so that a port released by a change but still used elsewhere stays in use.
    void RemarkUsedPorts(const QString& key);

    // The piezo stage's list as the FCS page shows it: the stage's port when the stage is an
    // option of the installation, otherwise no port and disabled.
    void showPiezoPort(bool piezoOption);

    // The laser connection button opens the wavelength-to-channel dialog of the laser module;
    // the laser module installs the action when it has that dialog.
    void setLaserConnectAction(std::function<void()> action);

    struct Device;

private:
    void choosePort(form::ListBox& list);
    // A device's row as the port operations see it, read once.
    struct DeviceRow {
        bool exists = false;
        bool usable = false;
        QString port; // its Control
    };
    DeviceRow rowOf(const Device& device) const;

    editor::Editor& m_editor;
    std::function<void()> m_laserConnect;

    const editor::Frame m_frame =
        frame(editor::PageConfiguration, u"FrameConnections"_s, u"Connections"_s);

public:
    form::ListBox& comboConnection = list(u"ComboConnection"_s, u"Microscope"_s);
    form::ListBox& comboConnectionAotf = list(u"ComboConnectionAOTF"_s, u"AOTF Driver"_s);
    form::ListBox& comboConnectionAom = list(u"ComboConnectionAOM"_s, u"NLO AOM Driver"_s);
    form::ListBox& comboConnectionUvLaser = list(u"ComboConnectionUVLaser"_s, u"UV Laser"_s);
    form::ListBox& comboConnectionNloLaser = list(u"ComboConnectionNLOLaser"_s, u"NLO Laser"_s);
    form::ListBox& comboConnectionPiezo = list(u"ComboConnectionPiezo"_s, u"Piezo Stage"_s);
    form::Button& cmdLaserConnect = button(u"CmdLaserConnect"_s, u"Laser Connection"_s);
};

} // namespace devices
