#pragma once

#include <editor/ModalDialog.h>

namespace laser {

using namespace Qt::StringLiterals;

// Asks which line gives up its attenuator channel when a line is switched on and no channel is
// left for it. Apply frees the chosen line's channel; Cancel frees none, and the line that is
// being switched on then gets none.
class ChangeLaserLineDialog : public editor::ModalDialog {
public:
    explicit ChangeLaserLineDialog(editor::Editor& editor);

protected:
    void opened() override;

private:
    form::Label& lText =
        label(u"LText"_s, u"There is no free channel, You must remove   another line !"_s);
    form::ListBox& comboLines = list(u"ComboLines"_s, u"Line to remove:"_s);
    form::Button& cmdApply = button(u"CmdApply"_s, u"Apply"_s);
    form::Button& cmdCancel = button(u"CmdCancel"_s, u"Cancel"_s);
};

} // namespace laser
