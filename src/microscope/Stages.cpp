#include "Stages.h"

#include "PiezoSwitch.h"

#include <devices/Connections.h>
#include <editor/Editor.h>
#include <form/CheckBox.h>
#include <form/ListBox.h>
#include <form/OptionButton.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace microscope {

using namespace Qt::StringLiterals;
using namespace records;

namespace {

const QString kStage = u"Stage"_s;
const QString kPiezoStage = u"StageP"_s;

} // namespace

Stages::Stages(editor::Editor& editor, form::CheckBox& stage, form::OptionButton& handwheelYes,
               form::OptionButton& handwheelNo, form::CheckBox& piezo, PiezoSwitch& piezoSwitch)
    : m_editor(editor), checkStage(stage), optionHandwheelYes(handwheelYes),
      optionHandwheelNo(handwheelNo), checkPiezo(piezo), m_piezoSwitch(piezoSwitch) {
    checkStage.setHandler([this] { CheckStageClicked(); });
    optionHandwheelYes.setHandler([this] { HandwheelChosen(); });
    optionHandwheelNo.setHandler([this] { HandwheelChosen(); });
    checkPiezo.setHandler([this] { CheckPiezoClicked(); });
    // Either box moves the other, which then finds its state the same and runs nothing.
    m_piezoSwitch.checkPiezo1.setHandler(
        [this] { checkPiezo.setChecked(m_piezoSwitch.checkPiezo1.isChecked()); });
}

void Stages::CheckStageClicked() {
    if (!m_editor.isLive())
        return;
    const bool ticked = checkStage.isChecked();
    const QString status = ticked ? kStatusInUse : kStatusOff;
    optionHandwheelYes.setEnabled(ticked);
    optionHandwheelNo.setEnabled(ticked);
    db::Database& work = m_editor.work();
    SetStatus(work, kAvailableStages, kIdAvailable, kStage, status);
    const QString node =
        NullToText(ReadField(work, kAvailableStages, kIdAvailable, kStage, kControl));
    SetStatus(work, kAvailableInterfaces, kIdAvailable, node, status);
    HandwheelChosen();
}

void Stages::HandwheelChosen() {
    if (!m_editor.isLive())
        return;
    WriteField(m_editor.work(), u"Potential Stages"_s, kIdPotential, u"StageTabor"_s,
               u"Handwheel"_s, optionHandwheelYes.isSelected());
}

void Stages::CheckPiezoClicked() {
    if (!m_editor.isLive())
        return;
    const bool ticked = checkPiezo.isChecked();
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    MergeMissingRows(templ, work, u"Potential Stages"_s, u"Potential Stages"_s, kIdPotential);
    MergeMissingRows(templ, work, u"Calibration Stages"_s, u"Calibration Stages"_s, kIdAvailable);
    MergeMissingRows(templ, work, kAvailableStages, kAvailableStages, kIdAvailable);
    SetStatus(work, kAvailableStages, kIdAvailable, kPiezoStage,
              ticked ? kStatusInUse : kStatusOff);
    const QString port =
        NullToText(ReadField(work, kAvailableStages, kIdAvailable, kPiezoStage, kControl));
    if (m_connections) {
        m_connections->SetPortInUse(port, ticked, kPiezoStage);
        // A port the stage gave up may still serve another device.
        if (!ticked)
            m_connections->RemarkUsedPorts(kPiezoStage);
    }
    m_piezoSwitch.checkPiezo1.setChecked(ticked);
    if (m_readFcsPage)
        m_readFcsPage();
    m_editor.setMessage(QString());
    if (m_connections)
        m_connections->CheckPortConflicts(kPiezoStage, m_connections->comboConnectionPiezo.text());
}

} // namespace microscope
