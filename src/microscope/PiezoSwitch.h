#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace microscope {

using namespace Qt::StringLiterals;

// The piezo stage in the options of the Configuration page; it shows the same state as the
// stage frame of the Microscope page.
class PiezoSwitch : public editor::Declarations {
public:
    explicit PiezoSwitch(editor::Editor& editor);

    const editor::Frame m_frame = frame(editor::PageConfiguration, u"FrameOptions"_s, u"Options"_s);
    form::CheckBox& checkPiezo1 = check(u"CheckPiezo1"_s, u"Piezo XY Stage"_s);
};

} // namespace microscope
