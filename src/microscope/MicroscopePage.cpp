#include "MicroscopePage.h"

#include "PiezoSwitch.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace microscope {

using namespace records;

namespace {

const QString kAvailableCameras = u"Available Cameras"_s;
const QString kPotentialCameras = u"Potential Cameras"_s;
const QString kCpCameras = u"CP Cameras"_s;
const QString kCpCamerasSql =
    u"SELECT [Available Cameras].[ID Available], [Available Cameras].Status, [Potential "
    "Cameras].Kind, [Available Cameras].[Control Dll], [Potential Cameras].RGB, [Potential "
    "Cameras].[Pixel Size X], [Potential Cameras].[Pixel Size Y], [Potential Cameras].[Binning "
    "Brightness], [Available Cameras].Port FROM [Available Cameras] INNER JOIN [Potential Cameras] "
    "ON [Available Cameras].[ID Potential] = [Potential Cameras].[ID Potential];"_s;
// The one stand with a zoom and switchable ports.
const QString kInvertaM2 = u"Inverta M2"_s;
const QString kCpStage = u"CP Stage"_s;

} // namespace

MicroscopePage::MicroscopePage(editor::Editor& editor, PiezoSwitch& piezoSwitch)
    : editor::Declarations(editor.main()), m_editor(editor), m_piezoSwitch(piezoSwitch) {}

QString MicroscopePage::readStandList(const QString& standId, const QString& filterWheel) {
    comboMicroscops.clear();
    int selected = -1;
    db::Recordset rows = m_editor.templ().OpenRecordset(u"Available Microscopes"_s);
    for (int n = 1; !rows.eof(); rows.moveNext(), ++n) {
        comboMicroscops.addItem(NullToText(rows.value(u"Microscope"_s)), n);
        const QString id = NullToText(rows.value(u"ID Stand"_s));
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
    const bool piezo = IsDeviceUsable(work, u"Available Stages"_s, u"StageP"_s);
    checkPiezo.setChecked(piezo);
    m_piezoSwitch.checkPiezo1.setChecked(piezo);
}

void MicroscopePage::enablePiezo(bool enabled) {
    checkPiezo.setEnabled(enabled);
}

void MicroscopePage::readTransmissionMirror() {
    const QVariant mirror = ReadField(m_editor.work(), u"Available Shutters"_s, kIdAvailable,
                                      u"Transmission Mirror"_s, kStatus);
    const bool usable = IsUsable(mirror);
    checkTransmissionMirror.setChecked(usable);
    (NullToText(mirror) == kStatusDummy ? optionMirrorManual : optionMirrorMotorized)
        .setSelected(true);
    optionMirrorManual.setEnabled(usable);
    optionMirrorMotorized.setEnabled(usable);
}

void MicroscopePage::cameraUpkeep() {
    db::Database& work = m_editor.work();
    using db::FieldType;
    if (!TableExists(work, kAvailableCameras))
        work.createTable(kAvailableCameras, {{kIdAvailable, FieldType::Text},
                                             {kStatus, FieldType::Text},
                                             {kIdPotential, FieldType::Text},
                                             {u"Control Dll"_s, FieldType::Text},
                                             {u"Port"_s, FieldType::Text},
                                             {u"Summary"_s, FieldType::Text}});
    MergeMissingRows(m_editor.templ(), work, kAvailableCameras, kAvailableCameras, kIdAvailable);
    if (!TableExists(work, kPotentialCameras))
        work.createTable(kPotentialCameras, {{kIdPotential, FieldType::Text},
                                             {u"Kind"_s, FieldType::Text},
                                             {u"RGB"_s, FieldType::Boolean},
                                             {u"Pixel Size X"_s, FieldType::Double},
                                             {u"Pixel Size Y"_s, FieldType::Double},
                                             {u"Binning Brightness"_s, FieldType::Text}});
    if (!work.queryExists(kCpCameras))
        work.createQueryDef(kCpCameras, kCpCamerasSql);
    MergeMissingRows(m_editor.templ(), work, kPotentialCameras, kPotentialCameras, kIdPotential);

    const QString shown = comboCamera.text();
    comboCamera.clear();
    for (const char* entry : {"None", "Kc 1.4", "Kc 2.0", "Km 1.4", "Km 2.0"})
        comboCamera.addItem(QString::fromLatin1(entry));
    comboCamera.selectText(shown);
}

void MicroscopePage::disableFocusStep() {
    cmdFocusStep.setEnabled(false);
}

} // namespace microscope
