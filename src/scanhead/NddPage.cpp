#include "NddPage.h"

#include "NddSwitch.h"
#include "ScanHeadPage.h"

#include <array>
#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <microscope/MicroscopePage.h>
#include <records/RecordHelpers.h>

namespace scanhead {

using records::kIdAvailable;
using records::kIdPotential;
using records::NullToText;

namespace {

const QString kNddField = u"NDD"_s;
const QString kDacs = u"Available DACs"_s;
const QString kLamps = records::kAvailableLamps;
const QString kControlVoltage = u"Control Voltage"_s;
const QString kTransmissionDetector = u"PmtD"_s;
const QString kReflectedSplitter = u"NDD_NT1"_s;
const QString kTransmittedSplitter = u"NDD_NT2"_s;
const QString kTransmittedEmission = u"NDD_EF5"_s;
const QString kReflectedEmission = u"NDD_EF6"_s;
const QString kMirror = u"Transmission Mirror"_s;
const QString kTurret = u"FW1"_s;
const QString kNddSplitter = u"NDD LP680"_s;
const QString kNoFilter = u"None"_s;

const QString kNotPrepared = u"This is not a correct Rel 3.x database, not NDD prepared !"_s;
const QString kNoSplitter =
    u"You have to insert a NDD beamsplitter into the reflector turret ( use Microscope tab ) !"_s;

const QStringList kEmissionTypes = {u"BP-NDD"_s, u"LP-NDD"_s, u"KP-NDD"_s};
const QStringList kSplitterTypes = {u"FT"_s};

} // namespace

NddPage::NddPage(editor::Editor& editor, NddSwitch& masterSwitch,
                 microscope::MicroscopePage& microscope, ScanHeadPage& scanHead,
                 editor::FilterDialogContext& filterContext)
    : editor::Declarations(editor.main()), m_editor(editor), m_switch(masterSwitch),
      m_microscope(microscope), m_scanHead(scanHead),
      userChangeFilter7(editor, filterContext, form(), u"UserChangeFilter7"_s, m_frameSplitter2),
      userChangeFilter8(editor, filterContext, form(), u"UserChangeFilter8"_s, m_frameEmission8),
      userChangeFilter5(editor, filterContext, form(), u"UserChangeFilter5"_s, m_frameSplitter1),
      userChangeFilter6(editor, filterContext, form(), u"UserChangeFilter6"_s, m_frameEmission6) {
    m_switch.checkNdd.setHandler([this] { CheckNDDClicked(); });
    editor.addPageReadout(editor::PageNdd, [this] { ReadNddPage(); });
    auto live = [this](auto handler) {
        return [this, handler] {
            if (m_editor.isLive())
                handler();
        };
    };
    checkNdd1.setHandler(live([this] { CheckNDD1Clicked(checkNdd1, true); }));
    m_scanHead.transmissionDetectorBox().setHandler(
        live([this] { CheckNDD1Clicked(m_scanHead.transmissionDetectorBox(), false); }));
    optD.setHandler(live([this] { CheckNDD1Clicked(checkNdd1, true); }));
    optNdd.setHandler(live([this] { CheckNDD1Clicked(checkNdd1, true); }));
    checkNdd2.setHandler(live([this] { CheckNDD2Clicked(); }));
    checkNdd3.setHandler(live([this] { CheckNDD3Clicked(); }));
    checkNdd4.setHandler(live([this] { CheckNDD4Clicked(); }));
    comboReflected.setHandler([this] { showReflectedEmission(); });
    comboTransmitted.setHandler([this] { showTransmittedEmission(); });
    for (form::CheckBox* lamp : {&checkLampTransm, &checkLampRefl})
        lamp->setEnabled(false);
}

void NddPage::readMasterSwitch(bool nddField) {
    db::Database& work = m_editor.work();
    const bool ndd =
        nddField ||
        records::IsDeviceUsable(work, records::kAvailablePointDetectors, u"NDD_Pmt6"_s) ||
        records::IsDeviceUsable(work, records::kAvailableFilterSets, kTransmittedSplitter);
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
    // Channel 1 leaves NDD mode too: the transmitted-light detector stays, as a transmission
    // detector. With its beam splitter in use the next read of the database would tick the
    // switch again. The mirror that transmission mode puts in reads the whole configuration
    // anew, so the field is written first.
    if (!ticked && m_editor.isLive() &&
        records::IsDeviceUsable(m_editor.work(), records::kAvailableFilterSets,
                                kTransmittedSplitter)) {
        checkNdd4.setChecked(false);
        if (!checkNdd1.isChecked()) {
            switchRow(records::kAvailableFilterSets, kTransmittedSplitter, false);
            switchRow(records::kAvailableFilterSets, kTransmittedEmission, false);
        } else if (!optD.isSelected()) {
            optD.setSelected(true); // its handler takes channel 1 into transmission mode
        } else {
            transmissionMode(true);
        }
    }
    // The page shows the database from the moment it can be brought to the front.
    ReadNddPage();
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

void NddPage::switchRow(const QString& table, const QString& id, bool enable) {
    records::SetStatus(m_editor.work(), table, kIdAvailable, id,
                       enable ? records::kStatusInUse : records::kStatusOff);
}

bool NddPage::prepared(const QString& table, const QString& id) {
    if (records::RecordExists(m_editor.work(), table, kIdAvailable, id))
        return true;
    m_editor.setMessage(kNotPrepared);
    return false;
}

void NddPage::SwitchNddChannel(const Channel& channel, bool enable) {
    db::Database& work = m_editor.work();
    switchRow(records::kAvailablePointDetectors, channel.detector, enable);
    switchRow(u"Available High Voltage Supplies"_s, channel.supply, enable);
    switchRow(kDacs, channel.supplyDac, enable);
    records::WriteField(work, kDacs, kIdAvailable, channel.supplyDac, kControlVoltage,
                        channel.node);
    switchRow(records::kAvailableInterfaces, channel.node, enable);
    switchRow(u"Available Integrators"_s, channel.integrator, enable);
    switchRow(kDacs, channel.integratorDac, enable);
    records::WriteField(work, kDacs, kIdAvailable, channel.integratorDac, kControlVoltage,
                        channel.node);
    switchRow(u"Available DIOs"_s, channel.dio, enable);
    records::WriteField(work, u"Available DIOs"_s, kIdAvailable, channel.dio, records::kControl,
                        channel.node);
}

void NddPage::CheckNDD1Clicked(form::CheckBox& box, bool nddBox) {
    const bool ticked = box.isChecked();
    if (!ticked && checkNdd4.isChecked())
        checkNdd4.setChecked(false);
    if (!prepared(records::kAvailableFilterSets, kTransmittedSplitter))
        return;
    SwitchNddChannel(channel(0), ticked);
    if (!nddBox || optD.isSelected()) {
        transmissionMode(ticked);
    } else {
        db::Database& work = m_editor.work();
        switchRow(records::kAvailableFilterSets, kTransmittedSplitter, ticked);
        switchRow(records::kAvailableFilterSets, kTransmittedEmission, ticked);
        records::WriteField(work, records::kAvailablePointDetectors, kIdAvailable,
                            kTransmissionDetector, u"Next Optical Device"_s, u"F/NDD_EF5"_s);
        records::WriteField(work, records::kAvailablePointDetectors, kIdAvailable,
                            kTransmissionDetector, u"Detector Type"_s, u"NDD"_s);
        m_microscope.lightPath().transmissionMirror().setChecked(false);
    }
    // Both boxes show the transmitted-light detector; each follows the other's switch.
    const editor::Quiet quiet(m_editor);
    m_scanHead.readDescannedDetector();
    ReadNddPage();
}

void NddPage::transmissionMode(bool ticked) {
    form::CheckBox& mirror = m_microscope.lightPath().transmissionMirror();
    if (!ticked) {
        mirror.setChecked(false);
        return;
    }
    // The rows are written before the mirror, whose box reads the whole configuration anew.
    db::Database& work = m_editor.work();
    switchRow(records::kAvailableFilterSets, kTransmittedSplitter, false);
    switchRow(records::kAvailableFilterSets, kTransmittedEmission, false);
    records::WriteField(work, records::kAvailablePointDetectors, kIdAvailable,
                        kTransmissionDetector, u"Next Optical Device"_s, records::kStatusInUse);
    records::WriteField(work, records::kAvailablePointDetectors, kIdAvailable,
                        kTransmissionDetector, u"Detector Type"_s, u"Transmission"_s);
    mirror.setChecked(true);
}

void NddPage::CheckNDD2Clicked() {
    const bool ticked = checkNdd2.isChecked();
    if (!prepared(records::kAvailablePointDetectors, u"NDD_Pmt6"_s))
        return;
    SwitchNddChannel(channel(1), ticked);
    switchRow(records::kAvailableFilterSets, kReflectedSplitter, ticked);
    switchRow(records::kAvailableFilterSets, kReflectedEmission, ticked);
    db::Database& work = m_editor.work();
    if (m_editor.standName() == editor::texts::kStandErectaD) {
        // This stand's turret is not driven: the NDD splitter sits in it by hand.
        records::SetStatus(work, records::kAvailableFilterSets, kIdAvailable, kTurret,
                           ticked ? records::kStatusDummy : records::kStatusOff);
        records::WriteField(work, records::kAvailableFilterSets, kIdAvailable, kTurret,
                            records::kControlPosition, ticked ? kNoFilter : u"CANH"_s);
        if (ticked)
            PlaceNddSplitterInTurret();
        // The microscope page shows the turret as it now is.
        m_microscope.lightPath().ReflectorView();
    } else if (ticked && !HasNddSplitterInTurret()) {
        m_editor.setMessage(kNoSplitter);
    } else {
        m_editor.setMessage(QString());
    }
    if (checkNdd3.isChecked() && !ticked)
        checkNdd3.setChecked(false);
    ReadNddPage();
}

void NddPage::CheckNDD3Clicked() {
    if (!checkNdd2.isChecked()) {
        const editor::Quiet quiet(m_editor);
        checkNdd3.setChecked(false);
    }
    const bool ticked = checkNdd3.isChecked();
    if (!prepared(records::kAvailablePointDetectors, u"NDD_Pmt7"_s))
        return;
    SwitchNddChannel(channel(2), ticked);
    switchRow(records::kAvailableFilterSets, u"NDD_EF7"_s, ticked);
    ReadNddPage();
}

void NddPage::CheckNDD4Clicked() {
    if (!checkNdd1.isChecked()) {
        const editor::Quiet quiet(m_editor);
        checkNdd4.setChecked(false);
    }
    const bool ticked = checkNdd4.isChecked();
    if (!prepared(records::kAvailablePointDetectors, u"NDD_Pmt8"_s))
        return;
    SwitchNddChannel(channel(3), ticked);
    switchRow(records::kAvailableFilterSets, u"NDD_EF8"_s, ticked);
    ReadNddPage();
}

bool NddPage::HasNddSplitterInTurret() {
    const db::Recordset rows = m_editor.work().OpenRecordset(
        u"SELECT [ID Potential] FROM [Available FilterPlacement] WHERE [ID Available] = ?"_s,
        {kTurret});
    for (db::Recordset rs = rows; !rs.eof(); rs.moveNext())
        if (NullToText(rs.value(0)).contains(u"NDD"_s))
            return true;
    return false;
}

void NddPage::PlaceNddSplitterInTurret() {
    if (HasNddSplitterInTurret())
        return;
    db::Database& work = m_editor.work();
    db::Recordset rows = work.OpenRecordset(
        u"SELECT * FROM [Available FilterPlacement] WHERE [ID Available] = ?"_s, {kTurret});
    int empty = 0;
    for (; !rows.eof(); rows.moveNext()) {
        if (rows.value(u"Not Include"_s).toBool() ||
            NullToText(rows.value(kIdPotential)) != kNoFilter)
            continue;
        if (++empty == 2) {
            rows.edit();
            rows.setValue(kIdPotential, kNddSplitter);
            rows.update();
            return;
        }
    }
    // Without two empty positions the splitter takes position 2 and position 1 is cleared; the
    // engineer is told which filters left the turret.
    QStringList replaced;
    auto put = [&](int position, const QString& filter) {
        db::Recordset row = work.OpenRecordset(
            u"SELECT * FROM [Available FilterPlacement] WHERE ([ID Available] = ? AND [Position] "
            "= ?)"_s,
            {kTurret, position});
        if (row.eof())
            return;
        const QString before = NullToText(row.value(kIdPotential));
        if (before != filter && before != kNoFilter && !before.isEmpty())
            replaced.append(u"%1 (position %2)"_s.arg(before).arg(position));
        row.edit();
        row.setValue(kIdPotential, filter);
        row.update();
    };
    put(1, kNoFilter);
    put(2, kNddSplitter);
    if (!replaced.isEmpty())
        m_editor.setMessage(u"The NDD beam splitter replaced "_s + replaced.join(u", "_s) +
                            u" in the reflector turret"_s);
}

void NddPage::showWheel(UserChangeFilter& control, const QString& wheel, const QStringList& types) {
    const bool usable =
        records::IsDeviceUsable(m_editor.work(), records::kAvailableFilterSets, wheel);
    control.Choose(usable ? 3 : 0, wheel, int(types.size()), types);
}

void NddPage::showReflectedEmission() {
    showWheel(userChangeFilter6,
              comboReflected.text() == u"NDD2"_s ? kReflectedEmission : u"NDD_EF7"_s,
              kEmissionTypes);
}

void NddPage::showTransmittedEmission() {
    showWheel(userChangeFilter8,
              comboTransmitted.text() == u"NDD1"_s ? kTransmittedEmission : u"NDD_EF8"_s,
              kEmissionTypes);
}

void NddPage::ReadNddPage() {
    if (!m_switch.checkNdd.isChecked()) {
        m_editor.clearNotice(editor::Editor::Notice::NddSplitter);
        return;
    }
    const editor::Quiet quiet(m_editor);
    db::Database& work = m_editor.work();
    // An inverted stand has its transmitted light above the specimen.
    const bool inverted = m_editor.flags().invertedStand;
    pictureTransmission.setCaption(inverted ? u"upper"_s : u"lower"_s);
    pictureReflection.setCaption(inverted ? u"lower"_s : u"upper"_s);

    auto usable = [&](const QString& table, const QString& id) {
        return records::IsDeviceUsable(work, table, id);
    };
    const QString detectors = records::kAvailablePointDetectors;
    checkNdd2.setChecked(usable(detectors, u"NDD_Pmt6"_s));
    checkNdd3.setChecked(usable(detectors, u"NDD_Pmt7"_s));
    checkNdd4.setChecked(usable(detectors, u"NDD_Pmt8"_s));
    checkNdd1.setChecked(usable(detectors, kTransmissionDetector));

    showWheel(userChangeFilter5, kReflectedSplitter, kSplitterTypes);
    showWheel(userChangeFilter7, kTransmittedSplitter, kSplitterTypes);
    comboReflected.setEnabled(usable(records::kAvailableFilterSets, kReflectedSplitter));
    const bool transmittedSplitter = usable(records::kAvailableFilterSets, kTransmittedSplitter);
    comboTransmitted.setEnabled(transmittedSplitter);

    const bool mirror = usable(records::kAvailableShutters, kMirror);
    if (mirror || transmittedSplitter) {
        optNdd.setSelected(true);
        if (mirror)
            optD.setSelected(true);
    }
    checkNdd4.setEnabled(!optD.isSelected());
    optD.setEnabled(!checkNdd4.isChecked());

    showReflectedEmission();
    showTransmittedEmission();
    showLamps();

    if (checkNdd2.isChecked() && !HasNddSplitterInTurret())
        m_editor.showNotice(editor::Editor::Notice::NddSplitter, kNoSplitter);
    else
        m_editor.clearNotice(editor::Editor::Notice::NddSplitter);
}

void NddPage::showLamps() {
    db::Database& work = m_editor.work();
    for (form::CheckBox* box : {&checkLampRefl, &checkLampTransm}) {
        box->setCaption(kLamp);
        box->setChecked(false);
    }
    auto show = [&](const QString& lamp, bool reflectedSide) {
        const records::Row row = records::FirstRowByKey(
            work, kLamps, kIdAvailable, lamp, {records::kStatus, u"Is Reflected Light"_s});
        if (!row.exists() || !records::IsUsable(row.value(records::kStatus)))
            return;
        form::CheckBox& box = reflectedSide || row.value(u"Is Reflected Light"_s).toBool()
                                  ? checkLampRefl
                                  : checkLampTransm;
        box.setCaption(lamp.left(3));
        box.setChecked(true);
    };
    show(u"HBO"_s, false);
    if (m_editor.standName() == editor::texts::kStandErectaD)
        return;
    show(u"HAL"_s, false);
    show(u"HAL Refl"_s, true);
}

const NddPage::Channel& NddPage::channel(int index) {
    static const std::array<Channel, 4> table{{
        {kTransmissionDetector, u"HVSupply5"_s, u"DAC511"_s, u"CANK"_s, u"IntegratorD"_s,
         u"DAC521"_s, u"REG530"_s},
        {u"NDD_Pmt6"_s, u"HVSupply6"_s, u"DAC611"_s, u"CANL"_s, u"Integrator6"_s, u"DAC621"_s,
         u"REG630"_s},
        {u"NDD_Pmt7"_s, u"HVSupply7"_s, u"DAC711"_s, u"CANM"_s, u"Integrator7"_s, u"DAC721"_s,
         u"REG730"_s},
        {u"NDD_Pmt8"_s, u"HVSupply8"_s, u"DAC811"_s, u"CANB"_s, u"Integrator8"_s, u"DAC821"_s,
         u"REG830"_s},
    }};
    return table[std::size_t(index)];
}

} // namespace scanhead
