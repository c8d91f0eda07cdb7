#include "FocusDrives.h"

#include <QLocale>
#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <form/Button.h>
#include <form/CheckBox.h>
#include <form/ListBox.h>
#include <form/TextBox.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace microscope {

using namespace Qt::StringLiterals;
using namespace records;

namespace {

const QString kFocusControl = u"Available Focus Control"_s;
const QString kFocus = u"Focus"_s;
const QString kStepSize = u"Step Size"_s;
const QString kTooLarge = u"Do not change the focus step more then 10% !"_s;
// Kept for old installations, never offered.
const QString kZLift400 = u"ZLift 400"_s;
const QString kPiezoObjective = u"Piezo Objective"_s;

} // namespace

FocusDrives::FocusDrives(editor::Editor& editor, form::TextBox& step, form::Button& apply,
                         form::CheckBox& zLift, form::ListBox& drives)
    : m_editor(editor), eFocusStep(step), cmdFocusStep(apply), checkZLift(zLift),
      comboZLifts(drives) {
    eFocusStep.setHandler([this] { focusStepEdited(); });
    cmdFocusStep.setHandler([this] { CmdFocusStepClicked(); });
    checkZLift.setHandler([this] { CheckZLiftClicked(); });
    comboZLifts.setHandler([this] { ComboZLiftsClicked(); });
}

void FocusDrives::showFocusStep() {
    const editor::Quiet quiet(m_editor);
    eFocusStep.setText(
        NullToText(ReadField(m_editor.work(), kFocusControl, kIdAvailable, kFocus, kStepSize)));
}

void FocusDrives::focusStepEdited() {
    // A step shown by a readout is no edit to apply.
    if (!m_editor.isLive())
        return;
    cmdFocusStep.setEnabled(true);
    if (m_editor.message() == kTooLarge)
        m_editor.setMessage(QString());
}

void FocusDrives::CmdFocusStepClicked() {
    if (!m_editor.isLive())
        return;
    db::Database& work = m_editor.work();
    const QVariant stored = ReadField(work, kFocusControl, kIdAvailable, kFocus, kStepSize);
    const double step = stored.toDouble();
    bool number = false;
    const double typed = QLocale::c().toDouble(eFocusStep.text().trimmed(), &number);
    // Exactly 10 % is too much; the margin keeps a binary fraction such as 0.055 - 0.05 from
    // passing as a hair less.
    if (number && qAbs(typed - step) < 0.1 * step * (1 - 1e-9)) {
        WriteField(work, kFocusControl, kIdAvailable, kFocus, kStepSize, typed);
    } else {
        eFocusStep.setText(NullToText(stored));
        m_editor.setMessage(kTooLarge);
        m_editor.WaitMs(1000);
    }
    cmdFocusStep.setEnabled(false);
}

void FocusDrives::CheckZLiftClicked() {
    if (!m_editor.isLive())
        return;
    const bool ticked = checkZLift.isChecked();
    SetStatus(m_editor.work(), kAvailableZLift, kIdPotential, comboZLifts.text(),
              ticked ? kStatusInUse : kStatusOff);
    // The piezo objective's box follows the drive installed, not the box.
    const editor::Quiet quiet(m_editor);
    ZLiftView();
}

void FocusDrives::ComboZLiftsClicked() {
    if (!m_editor.isLive())
        return;
    db::Database& work = m_editor.work();
    WriteEveryRow(work, kAvailableZLift, kStatus, kStatusOff);
    SetStatus(work, kAvailableZLift, kIdPotential, comboZLifts.text(), kStatusInUse);
    const editor::Quiet quiet(m_editor);
    ZLiftView();
}

void FocusDrives::ZLiftView() {
    db::Database& work = m_editor.work();
    // Several usable drives: the last one counts.
    QString installed;
    QVariant position;
    for (db::Recordset rs = work.OpenRecordset(kAvailableZLift); !rs.eof(); rs.moveNext()) {
        if (!IsUsable(rs.value(kStatus)))
            continue;
        installed = NullToText(rs.value(kIdPotential));
        position = rs.value(kRevolverPosition);
    }
    const bool piezoObjective = installed == kPiezoObjective;
    if (m_piezoPosition)
        m_piezoPosition->setEnabled(piezoObjective);
    checkZLift.setChecked(!installed.isEmpty());
    comboZLifts.setEnabled(!installed.isEmpty());
    const QString shown = comboZLifts.text();
    comboZLifts.clear();
    for (db::Recordset rs = work.OpenRecordset(u"Potential ZLift"_s); !rs.eof(); rs.moveNext()) {
        const QString id = NullToText(rs.value(kIdPotential));
        if (id != kZLift400)
            comboZLifts.addItem(id);
    }
    // Without a drive the choice keeps showing the one that ticking the box installs, so that
    // the box can be ticked again after a readout.
    if (!installed.isEmpty()) {
        if (!comboZLifts.selectText(installed))
            comboZLifts.setCurrentIndex(-1);
    } else if (!comboZLifts.selectText(shown)) {
        comboZLifts.setCurrentIndex(comboZLifts.count() > 0 ? 0 : -1);
    }
    if (m_piezoPosition && piezoObjective)
        m_piezoPosition->setText(NullToText(position));
}

} // namespace microscope
