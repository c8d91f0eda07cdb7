#include "MicroscopePage.h"

#include "PiezoSwitch.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <records/RecordCopy.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>
#include <records/TemplateMerge.h>
#include <scanhead/HeadFrames.h>

namespace microscope {

using namespace records;

namespace {

const QString kPlacements = kAvailableFilterPlacement;
const QString kCpStage = u"CP Stage"_s;

} // namespace

MicroscopePage::MicroscopePage(editor::Editor& editor, PiezoSwitch& piezoSwitch,
                               scanhead::HeadFrames& heads,
                               editor::FilterDialogContext& filterContext,
                               editor::ObjectiveContext& objectiveContext)
    : editor::Declarations(editor.main()), m_editor(editor), m_piezoSwitch(piezoSwitch),
      m_heads(heads), m_revolver(editor, objectiveContext),
      m_lightPath(editor, filterContext, m_revolver) {
    comboMicroscops.setHandler([this] {
        if (m_editor.isLive() && comboMicroscops.currentIndex() >= 0)
            SelectStand(comboMicroscops.text());
    });
    m_lightPath.setFocusStepView([this] { m_focusDrives.showFocusStep(); });
    // The piezo objective's position belongs to the fine Z drive the page shows.
    m_revolver.setZLiftChoice([this] { return comboZLifts.text(); });
    m_focusDrives.setPiezoPositionBox(m_revolver.piezoPositionBox());
    m_cameras.setHeads(heads);
}

void MicroscopePage::SelectStand(const QString& stand) {
    // The flag is released however the selection ends, an error included.
    const editor::StandSelection selecting(m_editor);
    m_selectedStand = stand;
    const editor::BusyScope busy(m_editor.host());
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    for (const char* table :
         {"Potential FilterHolders", "Potential Lamps", "Potential Focus Controls"})
        MergeMissingRows(templ, work, QString::fromLatin1(table), QString::fromLatin1(table),
                         kIdPotential);
    ApplyConfigurationTable(templ, work, u"Configuration Microscope"_s, stand, u"Id Microscope"_s,
                            !m_heads.fcsNone());
    AddMissingFilterPlacements();
    ApplyDefaultReflectorCondenser(stand);
    m_lightPath.showTransmissionMirror(IsDeviceUsable(work, kAvailablePointDetectors, u"PmtD"_s));
    m_lightPath.applyTransmissionMirror();
    // The orientation is the chosen stand's, before the readout shows it.
    m_editor.showStandName(stand);
    m_heads.ApplyImageFlip();
    m_editor.Refresh();
}

void MicroscopePage::AddMissingFilterPlacements() {
    db::Database& work = m_editor.work();
    const QStringList fields = work.OpenRecordset(kPlacements).fieldNames();
    for (db::Recordset rs = m_editor.templ().OpenRecordset(kPlacements); !rs.eof(); rs.moveNext()) {
        const QString wheel = NullToText(rs.value(kIdAvailable));
        const QVariant position = rs.value(u"Position"_s);
        if (RecordExistsAt(work, kPlacements, kIdAvailable, wheel, u"Position"_s, position.toInt()))
            continue;
        FieldValues values;
        for (const QString& field : fields)
            if (rs.hasField(field))
                values.append({field, rs.value(field)});
        AddRow(work, kPlacements, values);
    }
}

void MicroscopePage::ApplyDefaultReflectorCondenser(const QString& stand) {
    const Row defaults =
        FirstRowByKey(m_editor.templ(), u"Default Reflector Condensor"_s, u"ID Microscope"_s, stand,
                      {u"Id Reflector"_s, u"Id Condensor"_s});
    // A stand without defaults keeps the turret and condenser it has.
    if (!defaults.exists())
        return;
    m_lightPath.chooseReflector(NullToText(defaults.value(u"Id Reflector"_s)));
    m_lightPath.chooseCondenser(NullToText(defaults.value(u"Id Condensor"_s)));
}

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
    const bool invertaM2 = standName == editor::texts::kStandInvertaM2;
    m_lightPath.enablePorts(invertaM2);
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

void MicroscopePage::disableFocusStep() {
    cmdFocusStep.setEnabled(false);
}

} // namespace microscope
