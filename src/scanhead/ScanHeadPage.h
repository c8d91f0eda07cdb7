#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace scanhead {

using namespace Qt::StringLiterals;

// The Scan Head page: the detectors of the scan head.
class ScanHeadPage : public editor::Declarations {
public:
    explicit ScanHeadPage(editor::Editor& editor);

    // The descanned detector, into the readout flags and the box; a missing row counts as
    // usable.
    void readDescannedDetector();

private:
    editor::Editor& m_editor;

    const editor::Frame m_frame = frame(editor::PageScanHead, u"FrameDetectors"_s, u"Detectors"_s);
    form::CheckBox& checkTransmissionPmt =
        check(u"CheckTransmissionPmt"_s, u"Transmission Detector"_s);
};

} // namespace scanhead
