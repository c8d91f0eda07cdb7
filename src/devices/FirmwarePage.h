#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace devices {

using namespace Qt::StringLiterals;

// The Firmware page: the firmware versions of the CAN nodes and of the lasers that report one,
// and the SCSI id of the scan electronics' adapter.
class FirmwarePage : public editor::Declarations {
public:
    explicit FirmwarePage(editor::Editor& editor);

    // The page brought to the front: the nodes and lasers with their versions.
    void FirmwareReadout();
    // The SCSI adapter number: the character third from the end of the adapter's address.
    void readScsiAdapter();
    // The adapter number is set only after an edit.
    void disableSetScsi();

private:
    void chooseNode();
    void chooseLaser();
    void storeNodeVersion();
    void storeLaserVersion();
    void setScsi();

    editor::Editor& m_editor;

    const editor::Frame m_frameNodes = frame(editor::PageFirmware, u"FrameCAN"_s, u"CAN Nodes"_s);
    form::ListBox& comboCanNode = list(u"ComboCanNode"_s, u"Node"_s);
    form::TextBox& eFwVersion = text(u"EFWVersion"_s, u"Version"_s);
    form::Label& lSummary = label(u"LSummary"_s);
    form::Button& cmdStoreFwVersion = button(u"CmdStoreFWVersion"_s, u"Store"_s);

    const editor::Frame m_frameLasers =
        frame(editor::PageFirmware, u"FrameLaserFirmware"_s, u"Lasers"_s);
    form::ListBox& comboLaser = list(u"ComboLaser"_s, u"Laser"_s);
    form::TextBox& eFwVersionLaser = text(u"EFWVersionLaser"_s, u"Version"_s);
    form::Button& cmdStoreLaserFwVersion = button(u"CmdStoreLaserFWVersion"_s, u"Store"_s);

    const editor::Frame m_frameScsi =
        frame(editor::PageFirmware, u"FrameSCSI"_s, u"SCSI Adapter"_s);
    form::TextBox& eScsi = text(u"EScsi"_s);
    form::Button& cmdSetScsi = button(u"CmdSetSCSI"_s, u"Set"_s);
};

} // namespace devices
