#pragma once

#include <editor/OptionBox.h>

namespace scanhead {

using namespace Qt::StringLiterals;

// The master switch of the non-descanned detectors among the options of the Configuration page.
// The NDD page owns its behaviour.
class NddSwitch : public editor::OptionBox {
public:
    explicit NddSwitch(editor::Editor& editor)
        : OptionBox(editor, u"CheckNDD"_s, u"Non-descanned Detectors"_s) {}

    form::CheckBox& checkNdd = box;
};

} // namespace scanhead
