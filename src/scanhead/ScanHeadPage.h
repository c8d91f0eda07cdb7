#pragma once

#include "UserChangeFilter.h"

#include <editor/Page.h>
#include <editor/Scopes.h>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace scanhead {

using namespace Qt::StringLiterals;

// The Scan Head page: the detectors of the scan head, each switched with its whole device chain,
// the collimators of the laser coupling, and the scan head's filter wheels.
class ScanHeadPage : public editor::Declarations {
public:
    ScanHeadPage(editor::Editor& editor, editor::FilterDialogContext& filterContext);

    // The descanned detector, into the readout flags and the box; a missing row counts as
    // usable.
    void readDescannedDetector();
    // Every box of the detectors and collimators from the database. Read while the editor is
    // live (the page brought to the front), a box that changes switches its chain to match.
    void ReadDetectionPage();
    // The usable wheels of the scan head, the first one shown.
    void FillScanWheelList();

    // The detector, its supply and DAC, its integrator with DIO and DAC, its filter sets, its
    // pinhole and the pinhole's servos.
    void SwitchDetectorChain(const QString& detector, bool enable);
    // A collimator with its servo and the main shutter in front of it.
    void SwitchCollimator(const QString& collimator, bool enable);
    // A removed head takes the transmitted-light detector with it.
    void transmissionDetectorOff() { checkTransmissionPmt.setChecked(false); }
    // The NDD page gives the transmitted-light detector's box its action.
    form::CheckBox& transmissionDetectorBox() { return checkTransmissionPmt; }

    UserChangeFilter& filterControl() { return m_filter; }

private:
    void switchDevice(const QString& table, const QString& id, bool enable);
    QString read(const QString& table, const QString& id, const QString& field);
    void ShowCollimatorDefaults(const QString& collimator, bool enable);
    void CheckPmt4Clicked();
    void CheckFiberOutClicked();
    void CheckColliVisClicked();
    void detectorBox(form::CheckBox& box, const QString& detector);

    editor::Editor& m_editor;
    // Set while a box of the page switches its rows.
    editor::RunningFlag m_switching;

    const editor::Frame m_frame = frame(editor::PageScanHead, u"FrameDetectors"_s, u"Detectors"_s);
    form::CheckBox& checkTransmissionPmt =
        check(u"CheckTransmissionPmt"_s, u"Transmission Detector"_s);
    form::CheckBox& checkPmt1 = check(u"CheckPmt1"_s, u"Channel 1"_s);
    form::CheckBox& checkSpekroDetector = check(u"CheckSpekroDetector"_s, u"Spectral Detector"_s);
    form::Label& lgs1Default = label(u"LGS1Default"_s);
    form::CheckBox& checkPmt2 = check(u"CheckPmt2"_s, u"Channel 2"_s);
    form::CheckBox& checkPmt3 = check(u"CheckPmt3"_s, u"Channel 3"_s);
    form::CheckBox& checkPmt4 = check(u"CheckPmt4"_s, u"Channel 4"_s);
    form::CheckBox& checkFiberOut = check(u"CheckFiberOut"_s, u"Fiber Out"_s);
    form::CheckBox& checkMonitorDiode = check(u"CheckMonitorDiode"_s, u"Monitor Diode"_s);
    form::CheckBox& checkExtDetector1 = check(u"CheckExtDetector1"_s, u"External Detector 1"_s);
    form::CheckBox& checkExtDetector2 = check(u"CheckExtDetector2"_s, u"External Detector 2"_s);
    form::Label& lScanHeadConf = label(u"LScanHeadConf"_s);

    const editor::Frame m_frameCollimators =
        frame(editor::PageScanHead, u"FrameCollimators"_s, u"Collimators"_s);
    form::CheckBox& checkColliIR = check(u"CheckColliIR"_s, u"IR"_s);
    form::Label& lDefaultIR = label(u"LDefaultIR"_s);
    form::CheckBox& checkColliUV = check(u"CheckColliUV"_s, u"UV/Vis"_s);
    form::Label& lDefaultUV = label(u"LDefaultUV"_s);
    form::CheckBox& checkColliVis = check(u"CheckColliVis"_s, u"Vis"_s);
    form::Label& lDefaultVis = label(u"LDefaultVis"_s);

    const editor::Frame m_frameWheels =
        frame(editor::PageScanHead, u"FrameScanFilterWheels"_s, u"Filter Wheels"_s);
    form::ListBox& comboScanFilterWheel = list(u"ComboScanFilterWheel"_s);
    UserChangeFilter m_filter;
};

} // namespace scanhead
