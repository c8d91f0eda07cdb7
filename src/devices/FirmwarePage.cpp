#include "FirmwarePage.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace devices {

FirmwarePage::FirmwarePage(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor) {}

void FirmwarePage::readScsiAdapter() {
    const QString address =
        records::NullToText(records::ReadField(m_editor.work(), u"Available Interfaces"_s,
                                               records::kIdAvailable, u"HCS1"_s, u"Address"_s));
    eScsi.setText(address.size() >= 3 ? address.mid(address.size() - 3, 1) : QString());
}

void FirmwarePage::disableSetScsi() {
    cmdSetScsi.setEnabled(false);
}

} // namespace devices
