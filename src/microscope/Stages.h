#pragma once

#include <functional>

namespace devices {
class Connections;
}
namespace editor {
class Editor;
}
namespace form {
class CheckBox;
class OptionButton;
} // namespace form

namespace microscope {

class PiezoSwitch;

// The motorized XY stage with its handwheel, and the piezo XY stage, whose box on the
// Configuration page and on the Microscope page show the same state.
class Stages {
public:
    Stages(editor::Editor& editor, form::CheckBox& stage, form::OptionButton& handwheelYes,
           form::OptionButton& handwheelNo, form::CheckBox& piezo, PiezoSwitch& piezoSwitch);

    // The piezo stage hangs on a serial port; the program links the port lists.
    void setConnections(devices::Connections& connections) { m_connections = &connections; }
    // The FCS page shows the piezo stage's port; the program links its readout.
    void setReadFcsPage(std::function<void()> read) { m_readFcsPage = std::move(read); }

private:
    void CheckStageClicked();
    void HandwheelChosen();
    void CheckPiezoClicked();

    editor::Editor& m_editor;
    form::CheckBox& checkStage;
    form::OptionButton& optionHandwheelYes;
    form::OptionButton& optionHandwheelNo;
    form::CheckBox& checkPiezo;
    PiezoSwitch& m_piezoSwitch;
    devices::Connections* m_connections = nullptr;
    std::function<void()> m_readFcsPage;
};

} // namespace microscope
