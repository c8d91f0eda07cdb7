#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace scanhead {

using namespace Qt::StringLiterals;

// The master switch of the non-descanned detectors in the options of the Configuration page. The
// NDD page owns its behaviour.
class NddSwitch : public editor::Declarations {
public:
    explicit NddSwitch(editor::Editor& editor);

    const editor::Frame m_frame = frame(editor::PageConfiguration, u"FrameOptions"_s, u"Options"_s);
    form::CheckBox& checkNdd = check(u"CheckNDD"_s, u"Non-descanned Detectors"_s);
};

} // namespace scanhead
