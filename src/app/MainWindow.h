#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// The main window with its tab control and, first on the Configuration page, the system at a
// glance. The window is the first form of the program.
class MainWindow : public editor::Declarations {
public:
    explicit MainWindow(editor::Editor& editor);

    form::TabControl& tabs =
        tabControl(u"SSTab1"_s, {u"Configuration"_s, u"Microscope"_s, u"Laser Modul"_s,
                                 u"Scan Head"_s, u"FCS"_s, u"NDD"_s, u"Firmware"_s});

    const editor::Frame m_frameSystem =
        frame(editor::PageConfiguration, u"FrameSystem"_s, u"System"_s);
    form::Label& lidMicroscope = label(u"LIDMicroscope"_s);
    form::Label& lidLaserModule = label(u"LIDLasermodul"_s);
    form::Label& lidFcs = label(u"LIDFCS"_s);
};

} // namespace app
