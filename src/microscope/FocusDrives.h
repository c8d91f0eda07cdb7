#pragma once

#include <QString>

namespace editor {
class Editor;
}
namespace form {
class Button;
class CheckBox;
class ListBox;
class TextBox;
} // namespace form

namespace microscope {

// The focus drive's step size, guarded against large changes, and the fine Z drive: which row of
// "Available ZLift" is installed, and the revolver position of a piezo objective.
class FocusDrives {
public:
    FocusDrives(editor::Editor& editor, form::TextBox& step, form::Button& apply,
                form::CheckBox& zLift, form::ListBox& drives);

    // The revolver frame shows the piezo objective's position; the stand's page links its box.
    void setPiezoPositionBox(form::TextBox& box) { m_piezoPosition = &box; }

    // Fills the fine-Z-drive controls from the database.
    void ZLiftView();
    // The stored focus step in its box.
    void showFocusStep();

private:
    void focusStepEdited();
    void CmdFocusStepClicked();
    void CheckZLiftClicked();
    void ComboZLiftsClicked();

    editor::Editor& m_editor;
    form::TextBox& eFocusStep;
    form::Button& cmdFocusStep;
    form::CheckBox& checkZLift;
    form::ListBox& comboZLifts;
    form::TextBox* m_piezoPosition = nullptr;
};

} // namespace microscope
