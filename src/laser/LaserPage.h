#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace laser {

using namespace Qt::StringLiterals;

// The Laser Modul page: the laser lines.
class LaserPage : public editor::Declarations {
public:
    explicit LaserPage(editor::Editor& editor);

private:
    const editor::Frame m_frameLines = frame(editor::PageLaser, u"FrameLines"_s, u"Laser Lines"_s);
    form::CheckBox& checkLineIR = check(u"CheckLineIR"_s, u"IR"_s);
};

} // namespace laser
