#pragma once

#include "UserChangeFilter.h"

#include <editor/Page.h>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor
namespace microscope {
class MicroscopePage;
}

namespace scanhead {

using namespace Qt::StringLiterals;

class NddSwitch;
class ScanHeadPage;

// The NDD page: the non-descanned detectors at the stand, each channel switched with its fixed
// chain of devices, the transmitted-light detector as a plain transmission detector or as the
// first channel, the NDD beam splitters and emission filters, and the lamps of both light
// paths. The master switch sits on the Configuration page.
class NddPage : public editor::Declarations {
public:
    NddPage(editor::Editor& editor, NddSwitch& masterSwitch, microscope::MicroscopePage& microscope,
            ScanHeadPage& scanHead, editor::FilterDialogContext& filterContext);

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
    // The page from the database, while the master switch is ticked.
    void ReadNddPage();

    // Whether the reflector turret holds an NDD beam splitter.
    bool HasNddSplitterInTurret();
    // Puts the NDD splitter into the reflector turret, on its second empty position, else over
    // positions 1 and 2 (the status line names what it replaced).
    void PlaceNddSplitterInTurret();

    UserChangeFilter& reflectedSplitter() { return userChangeFilter5; }
    UserChangeFilter& reflectedEmission() { return userChangeFilter6; }
    UserChangeFilter& transmittedSplitter() { return userChangeFilter7; }
    UserChangeFilter& transmittedEmission() { return userChangeFilter8; }

private:
    // One NDD channel: the detector with its fixed chain of devices, all driven through one
    // node.
    struct Channel {
        QString detector;
        QString supply;
        QString supplyDac;
        QString node;
        QString integrator;
        QString integratorDac;
        QString dio;
    };
    // Channels 1 to 4 at 0 to 3.
    static const Channel& channel(int index);
    void SwitchNddChannel(const Channel& channel, bool enable);
    bool prepared(const QString& table, const QString& id);
    // The transmission detector's own box always works in transmission mode.
    void CheckNDD1Clicked(form::CheckBox& box, bool nddBox);
    void CheckNDD2Clicked();
    void CheckNDD3Clicked();
    void CheckNDD4Clicked();
    void transmissionMode(bool ticked);
    void showReflectedEmission();
    void showTransmittedEmission();
    void showWheel(UserChangeFilter& control, const QString& wheel, const QStringList& types);
    void showLamps();
    void switchRow(const QString& table, const QString& id, bool enable);

    editor::Editor& m_editor;
    NddSwitch& m_switch;
    microscope::MicroscopePage& m_microscope;
    ScanHeadPage& m_scanHead;

    const editor::Frame m_frameTransmitted =
        frame(editor::PageNdd, u"FrameNDDTransmitted"_s, u"Transmitted Light"_s, 0);
    form::Picture& pictureTransmission = picture(u"PictureTransmission"_s, u"NDD transmitted"_s);
    form::CheckBox& checkNdd1 = check(u"CheckNDD1"_s, u"NDD1"_s);
    form::CheckBox& checkNdd4 = check(u"CheckNDD4"_s, u"NDD4"_s);
    form::OptionButton& optD = option(u"OptD"_s, u"Transmission"_s, u"NddMode"_s);
    form::OptionButton& optNdd = option(u"OptNDD"_s, u"NDD"_s, u"NddMode"_s);
    form::ListBox& comboTransmitted = list(u"ComboNDDTransm"_s, u"Transmitted"_s);
    form::CheckBox& checkLampTransm = check(u"CheckLampTransm"_s, kLamp);

    const editor::Frame m_frameReflected =
        frame(editor::PageNdd, u"FrameNDDReflected"_s, u"Reflected Light"_s, 1);
    form::Picture& pictureReflection = picture(u"PictureReflection"_s, u"NDD reflected"_s);
    form::CheckBox& checkNdd2 = check(u"CheckNDD2"_s, u"NDD2"_s);
    form::CheckBox& checkNdd3 = check(u"CheckNDD3"_s, u"NDD3"_s);
    form::ListBox& comboReflected = list(u"ComboNDDRefl"_s, u"Reflected"_s);
    form::CheckBox& checkLampRefl = check(u"CheckLampRefl"_s, kLamp);

    const editor::Frame m_frameSplitter2 =
        frame(editor::PageNdd, u"FrameNDDNT2"_s, u"Transmitted Beam Splitter"_s, 0);
    UserChangeFilter userChangeFilter7;
    const editor::Frame m_frameEmission8 =
        frame(editor::PageNdd, u"FrameNDDEF8"_s, u"Transmitted Emission Filter"_s, 0);
    UserChangeFilter userChangeFilter8;
    const editor::Frame m_frameSplitter1 =
        frame(editor::PageNdd, u"FrameNDDNT1"_s, u"Reflected Beam Splitter"_s, 1);
    UserChangeFilter userChangeFilter5;
    const editor::Frame m_frameEmission6 =
        frame(editor::PageNdd, u"FrameNDDEF6"_s, u"Reflected Emission Filter"_s, 1);
    UserChangeFilter userChangeFilter6;

    static inline const QString kLamp = QStringLiteral("Lamp");
};

} // namespace scanhead
