#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace devices {

using namespace Qt::StringLiterals;

// The Firmware page: the SCSI adapter of the host.
class FirmwarePage : public editor::Declarations {
public:
    explicit FirmwarePage(editor::Editor& editor);

    // The SCSI adapter number: the character third from the end of the adapter's address.
    void readScsiAdapter();
    // The adapter number is set only after an edit.
    void disableSetScsi();

private:
    editor::Editor& m_editor;

    const editor::Frame m_frameScsi =
        frame(editor::PageFirmware, u"FrameSCSI"_s, u"SCSI Adapter"_s);
    form::TextBox& eScsi = text(u"EScsi"_s);
    form::Button& cmdSetScsi = button(u"CmdSetSCSI"_s, u"Set"_s);
};

} // namespace devices
