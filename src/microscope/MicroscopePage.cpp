#include "MicroscopePage.h"

#include "PiezoSwitch.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace microscope {

using namespace records;

namespace {

// The one stand with a zoom and switchable ports.
const QString kInvertaM2 = u"Inverta M2"_s;
const QString kCpStage = u"CP Stage"_s;

} // namespace

MicroscopePage::MicroscopePage(editor::Editor& editor, PiezoSwitch& piezoSwitch)
    : editor::Declarations(editor.main()), m_editor(editor), m_piezoSwitch(piezoSwitch) {}

QString MicroscopePage::readStandList(const QString& standId, const QString& filterWheel) {
    comboMicroscops.clear();
    int selected = -1;
    db::Recordset rows = m_editor.templ().OpenRecordset(kAvailableMicroscopes);
    for (int n = 1; !rows.eof(); rows.moveNext(), ++n) {
        comboMicroscops.addItem(NullToText(rows.value(u"Microscope"_s)), n);
        const QString id = NullToText(rows.value(kIdStand));
        if (id != standId)
            continue;
        // Stands that exist with several filter wheels are told apart by the first wheel.
        if ((id == u"Plan"_s || id == u"Erecta"_s) &&
            NullToText(rows.value(u"ID Potential FW1"_s)) != filterWheel)
            continue;
        selected = comboMicroscops.count() - 1;
    }
    if (comboMicroscops.count() > 0)
        comboMicroscops.setCurrentIndex(selected < 0 ? 0 : selected);
    return comboMicroscops.text();
}

void MicroscopePage::showStandPorts(const QString& standName) {
    const bool invertaM2 = standName == kInvertaM2;
    comboZoomex.setEnabled(invertaM2);
    comboBaseport.setEnabled(invertaM2);
    comboSideport.setEnabled(invertaM2);
    comboCameraPort.setVisible(invertaM2);
    labelPort.setVisible(invertaM2);
}

void MicroscopePage::readStage() {
    db::Database& work = m_editor.work();
    const bool stageUsable = IsUsable(ReadField(work, kCpStage, kIdAvailable, u"Stage"_s, kStatus));
    checkStage.setChecked(stageUsable);
    optionHandwheelYes.setEnabled(stageUsable);
    optionHandwheelNo.setEnabled(stageUsable);
    if (ReadField(work, kCpStage, kIdAvailable, u"Stage"_s, u"Handwheel"_s).toBool())
        optionHandwheelYes.setSelected(true);
    else
        optionHandwheelNo.setSelected(true);
    const bool piezo = IsDeviceUsable(work, kAvailableStages, u"StageP"_s);
    checkPiezo.setChecked(piezo);
    m_piezoSwitch.checkPiezo1.setChecked(piezo);
}

void MicroscopePage::enablePiezo(bool enabled) {
    checkPiezo.setEnabled(enabled);
}

void MicroscopePage::readTransmissionMirror() {
    const QVariant mirror = ReadField(m_editor.work(), kAvailableShutters, kIdAvailable,
                                      u"Transmission Mirror"_s, kStatus);
    const bool usable = IsUsable(mirror);
    checkTransmissionMirror.setChecked(usable);
    (NullToText(mirror) == kStatusDummy ? optionMirrorManual : optionMirrorMotorized)
        .setSelected(true);
    optionMirrorManual.setEnabled(usable);
    optionMirrorMotorized.setEnabled(usable);
}

void MicroscopePage::disableFocusStep() {
    cmdFocusStep.setEnabled(false);
}

} // namespace microscope
