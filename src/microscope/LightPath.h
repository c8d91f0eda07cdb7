#pragma once

#include <editor/Page.h>
#include <editor/Scopes.h>
#include <functional>
#include <scanhead/UserChangeFilter.h>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace microscope {

using namespace Qt::StringLiterals;

class RevolverFrame;

// The light path of the Microscope page: reflector turret and condenser from the template's
// catalogues, the lamps, the port turrets and the tube lens, the transmitted-light wheels, the
// field stop, the reflected-light shutter and the transmitted-light mirror. Each control rewrites
// its rows; LightPathView sets every control back from them.
class LightPath : public editor::Declarations {
public:
    LightPath(editor::Editor& editor, editor::FilterDialogContext& filterContext,
              RevolverFrame& revolver);

    // The NDD page, read again after a lamp changed; the focus step, shown with the light path.
    void setNddReadout(std::function<void()> readNddPage) {
        m_readNddPage = std::move(readNddPage);
    }
    void setFocusStepView(std::function<void()> view) { m_focusStepView = std::move(view); }

    void LightPathView();
    void ReflectorView();
    void CondenserView();
    // The ports and the tube lens belong to the one stand that has them.
    void enablePorts(bool enabled);
    // The stand's defaults, chosen as the engineer would choose them; a name the catalogue
    // lacks leaves the choice as it is.
    void chooseReflector(const QString& name) { comboReflectors.selectText(name); }
    void chooseCondenser(const QString& name) { comboCondensor.selectText(name); }

    // The mirror's box and options from its row.
    void readTransmissionMirror();
    // Sets the box without its action, and writes its rows as the box and options say.
    void showTransmissionMirror(bool ticked);
    void applyTransmissionMirror();
    form::CheckBox& transmissionMirror() { return checkTransmissionMirror; }

    scanhead::UserChangeFilter& reflectorFilter() { return m_reflectorFilter; }
    scanhead::UserChangeFilter& condenserFilter() { return m_condenserFilter; }

private:
    void ReflectorChosen(const QString& name);
    void CondenserChosen(const QString& name);
    void ReflLampChosen();
    void TransmLampChosen();
    void SideportChosen();
    void BaseportChosen();
    void ZoomexChosen();
    void transmissionWheels(const QString& motorization);
    void transmissionWheelsOff();
    void showWheels();
    void showPorts();
    void showLamps();
    void afterLamp();
    QString status(const QString& table, const QString& id);
    void setStatus(const QString& table, const QString& id, const QString& status);

    editor::Editor& m_editor;
    RevolverFrame& m_revolver;
    std::function<void()> m_readNddPage;
    std::function<void()> m_focusStepView;
    editor::RunningFlag m_reflectorView;
    editor::RunningFlag m_condenserView;

    const editor::Frame m_frameReflector =
        frame(editor::PageMicroscope, u"FrameReflector"_s, u"Reflector"_s);
    form::ListBox& comboReflectors = list(u"ComboReflectors"_s);
    scanhead::UserChangeFilter m_reflectorFilter;

    const editor::Frame m_frameCondenser =
        frame(editor::PageMicroscope, u"FrameCondensor"_s, u"Motorized Condensor"_s);
    form::ListBox& comboCondensor = list(u"ComboCondensor"_s);
    scanhead::UserChangeFilter m_condenserFilter;

    const editor::Frame m_frameLamps = frame(editor::PageMicroscope, u"FrameLamps"_s, u"Lamps"_s);
    form::ListBox& comboReflLamp = list(u"ComboReflLamp"_s, u"Reflected Light"_s);
    form::ListBox& comboTransmLamp = list(u"ComboTransmLamp"_s, u"Transmitted Light"_s);

    const editor::Frame m_framePorts = frame(editor::PageMicroscope, u"FramePorts"_s, u"Ports"_s);
    form::ListBox& comboZoomex = list(u"ComboZoomex"_s, u"Zoom"_s);
    form::ListBox& comboBaseport = list(u"ComboBaseport"_s, u"Baseport"_s);
    form::ListBox& comboSideport = list(u"ComboSideport"_s, u"Sideport"_s);

    const editor::Frame m_frameWheels = frame(editor::PageMicroscope, u"FrameTransmissionWheels"_s,
                                              u"Transmission Filter Wheels"_s);
    form::OptionButton& oMotorized = option(u"OMotorized"_s, u"Motorized"_s, kWheelDrive);
    form::OptionButton& oEncoded = option(u"OEncoded"_s, u"Encoded"_s, kWheelDrive);
    form::OptionButton& oManual = option(u"OManual"_s, u"Manual / None"_s, kWheelDrive);

    const editor::Frame m_frameLightPath =
        frame(editor::PageMicroscope, u"FrameLightPath"_s, u"Light Path"_s);
    form::CheckBox& checkMotFielStop = check(u"CheckMotFielStop"_s, u"Mot. Field Stop"_s);
    form::CheckBox& checkFLShutter = check(u"CheckFLShutter"_s, u"Mot. Shutter FL-Mode"_s);
    form::CheckBox& checkTransmissionMirror =
        check(u"CheckTransmissionMirror"_s, u"Transmission Mirror"_s);
    form::OptionButton& optionMirrorMotorized =
        option(u"OptionTransmMirrorMot"_s, u"motorized"_s, u"TransmMirror"_s);
    form::OptionButton& optionMirrorManual =
        option(u"OptionTransmMirrorMan"_s, u"manual"_s, u"TransmMirror"_s);

    static inline const QString kWheelDrive = QStringLiteral("TransmissionWheels");
};

} // namespace microscope
