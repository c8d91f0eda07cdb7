#pragma once

#include "Cameras.h"
#include "FocusDrives.h"
#include "LightPath.h"
#include "RevolverFrame.h"
#include "Stages.h"

#include <editor/Page.h>

namespace editor {
class Editor;
struct FilterDialogContext;
struct ObjectiveContext;
} // namespace editor
namespace scanhead {
class HeadFrames;
}

namespace microscope {

using namespace Qt::StringLiterals;

class PiezoSwitch;

// The Microscope page: stand, ports, camera, light path, stage and focus.
class MicroscopePage : public editor::Declarations {
public:
    MicroscopePage(editor::Editor& editor, PiezoSwitch& piezoSwitch, scanhead::HeadFrames& heads,
                   editor::FilterDialogContext& filterContext,
                   editor::ObjectiveContext& objectiveContext);

    // The stand chosen in ComboMicroscops: the template's catalogues and the stand's recipe
    // applied, missing filter placements added, the stand's reflector turret and condenser
    // chosen, the transmitted-light mirror set from the transmitted-light detector, the image
    // orientation applied, and the whole editor read anew.
    void SelectStand(const QString& stand);
    // Adds every filter placement of the template that the working copy lacks, keeping those it
    // has; the FCS head brings its wheels' placements this way too.
    void AddMissingFilterPlacements();
    void ApplyDefaultReflectorCondenser(const QString& stand);
    const QString& selectedStand() const { return m_selectedStand; }

    RevolverFrame& revolver() { return m_revolver; }
    LightPath& lightPath() { return m_lightPath; }

    // Fills the stand list from the template's stands and selects the installation's stand;
    // returns the selected stand's name.
    QString readStandList(const QString& standId, const QString& filterWheel);
    // The zoom and port lists belong to the one stand that has them.
    void showStandPorts(const QString& standName);
    // The motorized stage with its handwheel and the piezo stage.
    void readStage();
    void enablePiezo(bool enabled);
    void readTransmissionMirror() { m_lightPath.readTransmissionMirror(); }
    // Fills the camera list, keeping the model shown.
    void readCameraList() { m_cameras.fillCameraList(); }
    // The focus step is applied only after an edit.
    void disableFocusStep();

    // Focus, Z drives, stages and the camera: their operations, for the readout and the links.
    FocusDrives& focusDrives() { return m_focusDrives; }
    Stages& stages() { return m_stages; }
    Cameras& cameras() { return m_cameras; }

private:
    editor::Editor& m_editor;
    PiezoSwitch& m_piezoSwitch;
    scanhead::HeadFrames& m_heads;
    QString m_selectedStand;

    const editor::Frame m_frameStand = frame(editor::PageMicroscope, u"FrameStand"_s, u"Stand"_s);
    form::ListBox& comboMicroscops = list(u"ComboMicroscops"_s);
    form::Label& labelPort = label(u"LabelPort"_s, u"Camera Port"_s);
    form::ListBox& comboCameraPort = list(u"ComboCameraPort"_s);

    const editor::Frame m_frameCamera =
        frame(editor::PageMicroscope, u"FrameCamera"_s, u"Camera ( only for rel > 3.0 )"_s);
    form::ListBox& comboCamera = list(u"ComboCamera"_s);
    form::OptionButton& option063mag = option(u"Option063mag"_s, u"0.63x"_s, u"Adapter"_s);
    form::OptionButton& option1mag = option(u"Option1mag"_s, u"1x"_s, u"Adapter"_s);

    RevolverFrame m_revolver;
    LightPath m_lightPath;

    const editor::Frame m_frameStage = frame(editor::PageMicroscope, u"FrameStage"_s, u"Stage"_s);
    form::CheckBox& checkStage = check(u"CheckStage"_s, u"Motorized XY Stage"_s);
    form::OptionButton& optionHandwheelYes =
        option(u"OptionHandwheelyes"_s, u"yes"_s, u"Handwheel"_s);
    form::OptionButton& optionHandwheelNo = option(u"OptionHandwheelno"_s, u"no"_s, u"Handwheel"_s);
    form::CheckBox& checkPiezo = check(u"CheckPiezo"_s, u"PiezoStage"_s);

    const editor::Frame m_frameFocus = frame(editor::PageMicroscope, u"FrameFocus"_s, u"Focus"_s);
    form::TextBox& eFocusStep = text(u"EFocusStep"_s, u"Focus Step"_s);
    form::Button& cmdFocusStep = button(u"CmdFocusStep"_s, u"Apply"_s);
    form::CheckBox& checkZLift = check(u"CheckZLift"_s, u"ZLift"_s);
    form::ListBox& comboZLifts = list(u"ComboZLifts"_s);

    // The operations behind the focus, stage and camera controls.
    FocusDrives m_focusDrives{m_editor, eFocusStep, cmdFocusStep, checkZLift, comboZLifts};
    Stages m_stages{m_editor,          checkStage, optionHandwheelYes,
                    optionHandwheelNo, checkPiezo, m_piezoSwitch};
    Cameras m_cameras{m_editor, comboCamera, comboCameraPort, option063mag, option1mag};
};

} // namespace microscope
