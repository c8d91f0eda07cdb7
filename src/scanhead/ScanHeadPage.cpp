#include "ScanHeadPage.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace scanhead {

ScanHeadPage::ScanHeadPage(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor) {}

void ScanHeadPage::readDescannedDetector() {
    using namespace records;
    const bool usable = IsUsable(NullToText(ReadField(
        m_editor.work(), records::kAvailablePointDetectors, kIdAvailable, u"PmtD"_s, kStatus)));
    m_editor.flags().descannedDetector = usable;
    checkTransmissionPmt.setChecked(usable);
}

} // namespace scanhead
