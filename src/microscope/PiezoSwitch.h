#pragma once

#include <editor/OptionBox.h>

namespace microscope {

using namespace Qt::StringLiterals;

// The piezo stage among the options of the Configuration page; it shows the same state as the
// stage frame of the Microscope page.
class PiezoSwitch : public editor::OptionBox {
public:
    explicit PiezoSwitch(editor::Editor& editor)
        : OptionBox(editor, u"CheckPiezo1"_s, u"Piezo XY Stage"_s) {}

    form::CheckBox& checkPiezo1 = box;
};

} // namespace microscope
