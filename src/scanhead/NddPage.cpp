#include "NddPage.h"

#include "NddSwitch.h"

#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <records/RecordHelpers.h>

namespace scanhead {

namespace {
const QString kNddField = u"NDD"_s;
}

NddPage::NddPage(editor::Editor& editor, NddSwitch& masterSwitch)
    : editor::Declarations(editor.main()), m_editor(editor), m_switch(masterSwitch) {
    m_switch.checkNdd.setHandler([this] { CheckNDDClicked(); });
}

void NddPage::readMasterSwitch(bool nddField) {
    db::Database& work = m_editor.work();
    const bool ndd =
        nddField ||
        records::IsDeviceUsable(work, records::kAvailablePointDetectors, u"NDD_Pmt6"_s) ||
        records::IsDeviceUsable(work, records::kAvailableFilterSets, u"NDD_NT2"_s);
    if (m_switch.checkNdd.isChecked() != ndd)
        m_switch.checkNdd.setChecked(ndd); // runs the master switch
    else
        CheckNDDClicked();
}

void NddPage::enableMasterSwitch(bool enabled) {
    m_switch.checkNdd.setEnabled(enabled);
}

void NddPage::CheckNDDClicked() {
    const bool ticked = m_switch.checkNdd.isChecked();
    m_editor.tabs().setPageEnabled(editor::PageNdd, ticked);
    if (!ticked && m_editor.isLive())
        checkNdd2.setChecked(false);
    // The system row is the first and only row of its table.
    records::WriteFirstRowField(m_editor.work(), records::kAvailableSystems, kNddField, ticked);
}

void NddPage::resetPathLists() {
    const editor::Quiet quiet(m_editor);
    comboTransmitted.clear();
    comboTransmitted.addItem(u"NDD1"_s);
    comboTransmitted.addItem(u"NDD4"_s);
    comboTransmitted.setCurrentIndex(0);
    comboReflected.clear();
    comboReflected.addItem(u"NDD2"_s);
    comboReflected.addItem(u"NDD3"_s);
    comboReflected.setCurrentIndex(0);
}

void NddPage::storeNddField() {
    const bool ndd =
        m_switch.checkNdd.isChecked() && (checkNdd1.isChecked() || checkNdd2.isChecked());
    records::WriteFirstRowField(m_editor.work(), records::kAvailableSystems, kNddField, ndd);
}

} // namespace scanhead
