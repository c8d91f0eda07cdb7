#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace scanhead {

using namespace Qt::StringLiterals;

class NddSwitch;

// The NDD page: the non-descanned detectors and the transmitted and reflected light paths, with
// the master switch of the Configuration page.
class NddPage : public editor::Declarations {
public:
    NddPage(editor::Editor& editor, NddSwitch& masterSwitch);

    // The master switch from the system row's NDD field and the detectors in use; a box that
    // already shows the state still runs the switch, so that the page follows it.
    void readMasterSwitch(bool nddField);
    void enableMasterSwitch(bool enabled);
    // The master switch: enables the page and records the choice in the system row; switching
    // it off switches the second detector off.
    void CheckNDDClicked();
    // The light-path lists as start-up leaves them.
    void resetPathLists();
    // At a store the system row says whether a detector of the page is in use.
    void storeNddField();

private:
    editor::Editor& m_editor;
    NddSwitch& m_switch;

    const editor::Frame m_frame =
        frame(editor::PageNdd, u"FrameNDD"_s, u"Non-descanned Detectors"_s);
    form::CheckBox& checkNdd1 = check(u"CheckNDD1"_s, u"NDD1"_s);
    form::CheckBox& checkNdd2 = check(u"CheckNDD2"_s, u"NDD2"_s);
    form::ListBox& comboTransmitted = list(u"ComboNDDTransm"_s, u"Transmitted"_s);
    form::ListBox& comboReflected = list(u"ComboNDDRefl"_s, u"Reflected"_s);
};

} // namespace scanhead
