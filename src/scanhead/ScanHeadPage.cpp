#include "ScanHeadPage.h"

#include "FilterWheels.h"
#include "ScanUnitMarks.h"

#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace scanhead {

using records::kIdAvailable;
using records::kStatus;
using records::NullToText;

namespace {

const QString kSupplies = u"Available High Voltage Supplies"_s;
const QString kDacs = u"Available DACs"_s;
const QString kDios = u"Available DIOs"_s;
const QString kIntegrators = u"Available Integrators"_s;
const QString kFiltersets = u"Available Filtersets"_s;
const QString kPinholes = u"Available Pinholes"_s;
const QString kServos = u"Available Servos"_s;
const QString kCollimators = u"Available Collimators"_s;
const QString kNextOptical = u"Next Optical Device"_s;
const QString kScanUnit = u"ID Scan Unit"_s;
const QString kMonitorDiode = u"PmtM"_s;
const QString kSpectralDetector = u"PmtSPI1"_s;
const QString kNir = u"NIR"_s;
const QString kUvVis = u"UV/Vis"_s;
const QString kIrVis = u"IR/Vis"_s;
const QString kVis = u"VIS"_s;

bool blank(const QString& value) {
    return value.isEmpty() || value == records::kStatusInUse;
}

// A reference names its device after a kind letter and a slash ("I/Integrator4").
QString referenced(const QString& reference) {
    const qsizetype slash = reference.indexOf(u'/');
    return slash < 0 ? reference : reference.mid(slash + 1);
}

} // namespace

ScanHeadPage::ScanHeadPage(editor::Editor& editor, editor::FilterDialogContext& filterContext)
    : editor::Declarations(editor.main()), m_editor(editor),
      m_filter(editor, filterContext, form(), u"UserChangeFilter1"_s, m_frameWheels) {
    // Brought to the front, the page is read live: a box that differs from the database
    // switches its chain to match.
    editor.addPageReadout(editor::PageScanHead, [this] { ReadDetectionPage(); });
    // Each box switches its rows, then the page shows what they say: unticking the first
    // channel offers the spectral detector at once, a collimator that is missing stays unticked.
    // A box that another one unticks on its way leaves the reading to the first.
    auto live = [this](auto handler) {
        return [this, handler] {
            if (!m_editor.isLive())
                return;
            {
                const editor::Running running(m_switching);
                handler();
            }
            if (m_switching.isRunning())
                return;
            const editor::Quiet quiet(m_editor);
            ReadDetectionPage();
        };
    };
    checkPmt1.setHandler(live([this] { SwitchDetectorChain(u"Pmt1"_s, checkPmt1.isChecked()); }));
    checkPmt2.setHandler(live([this] { SwitchDetectorChain(u"Pmt2"_s, checkPmt2.isChecked()); }));
    checkPmt3.setHandler(live([this] { SwitchDetectorChain(u"Pmt3"_s, checkPmt3.isChecked()); }));
    checkPmt4.setHandler(live([this] { CheckPmt4Clicked(); }));
    checkSpekroDetector.setHandler(
        live([this] { SwitchDetectorChain(kSpectralDetector, checkSpekroDetector.isChecked()); }));
    checkMonitorDiode.setHandler(
        live([this] { SwitchDetectorChain(kMonitorDiode, checkMonitorDiode.isChecked()); }));
    checkFiberOut.setHandler(live([this] { CheckFiberOutClicked(); }));
    checkColliIR.setHandler(live([this] { SwitchCollimator(kNir, checkColliIR.isChecked()); }));
    checkColliUV.setHandler(live([this] { SwitchCollimator(kUvVis, checkColliUV.isChecked()); }));
    checkColliVis.setHandler(live([this] { CheckColliVisClicked(); }));
    comboScanFilterWheel.setHandler([this] {
        if (m_editor.isLive())
            FilterWheels::showPickedWheel(comboScanFilterWheel, m_filter, FilterWheels::Head::Scan);
    });
}

void ScanHeadPage::readDescannedDetector() {
    using namespace records;
    const bool usable = IsUsable(NullToText(ReadField(
        m_editor.work(), records::kAvailablePointDetectors, kIdAvailable, u"PmtD"_s, kStatus)));
    m_editor.flags().descannedDetector = usable;
    checkTransmissionPmt.setChecked(usable);
}

QString ScanHeadPage::read(const QString& table, const QString& id, const QString& field) {
    return NullToText(records::ReadField(m_editor.work(), table, kIdAvailable, id, field));
}

void ScanHeadPage::switchDevice(const QString& table, const QString& id, bool enable) {
    records::WriteField(m_editor.work(), table, kIdAvailable, id, kStatus,
                        enable ? records::kStatusInUse : records::kStatusOff);
}

void ScanHeadPage::SwitchDetectorChain(const QString& detector, bool enable) {
    if (detector.isEmpty())
        return;
    const bool entryLevel = m_editor.flags().entryLevelHead;
    switchDevice(records::kAvailablePointDetectors, detector, enable);

    const QString supply = read(records::kAvailablePointDetectors, detector, u"Control Gain"_s);
    if (!blank(supply)) {
        switchDevice(kSupplies, supply, enable);
        switchDevice(kDacs, read(kSupplies, supply, u"Control Voltage"_s), enable);
    }

    // The spectral channel's integrator belongs to the spectral option and is left alone.
    const QString integrator =
        referenced(read(records::kAvailablePointDetectors, detector, u"Next Electrical Device"_s));
    if (!blank(integrator) && !integrator.contains(u"SPI"_s)) {
        switchDevice(kIntegrators, integrator, enable);
        switchDevice(kDios, read(kIntegrators, integrator, u"Control DIO"_s), enable);
        const QString dac = read(kIntegrators, integrator, u"Control DAC"_s);
        if (!blank(dac))
            switchDevice(kDacs, dac, enable);
    }

    if (detector != kSpectralDetector) {
        QString filterSet = read(records::kAvailablePointDetectors, detector, kNextOptical);
        if (!blank(filterSet)) {
            filterSet = referenced(filterSet);
            switchDevice(kFiltersets, filterSet, enable);
        } else if (detector == kMonitorDiode) {
            switchDevice(kFiltersets, u"EF5"_s, enable);
        }
        if (entryLevel) {
            // An entry-level head puts a second filter set behind the first.
            QString second = read(kFiltersets, filterSet, kNextOptical);
            if (!blank(second)) {
                second = referenced(second);
                second = second.section(u'/', 0, 0);
                switchDevice(kFiltersets, second, enable);
            }
            if (detector == u"Pmt2"_s)
                switchDevice(kPinholes, u"PH2"_s, enable);
        }
    }

    if (!entryLevel && detector != kMonitorDiode) {
        const QString pinhole = u"PH"_s + detector.right(1);
        switchDevice(kPinholes, pinhole, enable);
        for (const char* field : {"Control Size", "Control X", "Control Y"})
            switchDevice(kServos, read(kPinholes, pinhole, QString::fromLatin1(field)), enable);
        const QString z = read(kPinholes, pinhole, u"Control Z"_s);
        if (!blank(z))
            switchDevice(kServos, z, enable);
    }
    FillScanWheelList();
}

void ScanHeadPage::CheckPmt4Clicked() {
    if (checkPmt4.isChecked() && checkFiberOut.isChecked())
        checkFiberOut.setChecked(false);
    SwitchDetectorChain(u"Pmt4"_s, checkPmt4.isChecked());
}

void ScanHeadPage::CheckFiberOutClicked() {
    const bool fitted = checkFiberOut.isChecked();
    if (checkPmt4.isChecked() && fitted)
        checkPmt4.setChecked(false);
    db::Database& work = m_editor.work();
    const QString unit =
        NullToText(records::ReadFirstRowField(work, records::kAvailableSystems, kScanUnit));
    const QString marked =
        fitted ? marks::added(unit, marks::kFiberOut) : marks::removed(unit, marks::kFiberOut);
    records::WriteFirstRowField(work, records::kAvailableSystems, kScanUnit, marked);
    // The fibre output takes the place of the fourth channel's pinhole.
    const QString pinhole = u"PH4"_s;
    switchDevice(kPinholes, pinhole, fitted);
    for (const char* field : {"Control Size", "Control X", "Control Y"})
        switchDevice(kServos, read(kPinholes, pinhole, QString::fromLatin1(field)), fitted);
    // The mark on the name of a missing scan unit makes it read as a unit: the head options,
    // read from that name, follow.
    auto none = [](const QString& name) { return name.isEmpty() || name.toUpper() == u"NONE"_s; };
    if (m_editor.isLive() && none(unit) != none(marked))
        m_editor.Refresh();
}

void ScanHeadPage::CheckColliVisClicked() {
    db::Database& work = m_editor.work();
    if (records::RecordExists(work, kCollimators, kIdAvailable, kIrVis))
        SwitchCollimator(kIrVis, checkColliVis.isChecked());
    else if (records::RecordExists(work, kCollimators, kIdAvailable, kVis))
        SwitchCollimator(kVis, checkColliVis.isChecked());
}

void ScanHeadPage::SwitchCollimator(const QString& collimator, bool enable) {
    if (collimator.isEmpty())
        return;
    db::Database& work = m_editor.work();
    if (!records::RecordExists(work, kCollimators, kIdAvailable, collimator))
        records::MergeMissingRows(m_editor.templ(), work, u"Available Collimators FCS"_s,
                                  kCollimators, kIdAvailable);
    switchDevice(kCollimators, collimator, enable);
    switchDevice(kServos, read(kCollimators, collimator, u"Control"_s), enable);
    const QString shutter =
        collimator == kUvVis || collimator == kNir ? u"MainShutter2"_s : u"MainShutter1"_s;
    records::WriteField(work, u"Available Switches"_s, kIdAvailable, shutter, kNextOptical,
                        enable ? u"C/\"%1\""_s.arg(collimator) : u"none"_s);
    ShowCollimatorDefaults(collimator, enable);
}

void ScanHeadPage::ShowCollimatorDefaults(const QString& collimator, bool enable) {
    form::Label& label = collimator == kNir     ? lDefaultIR
                         : collimator == kUvVis ? lDefaultUV
                                                : lDefaultVis;
    label.setCaption(enable ? read(kCollimators, collimator, u"Default"_s) : QString());
}

void ScanHeadPage::detectorBox(form::CheckBox& box, const QString& detector) {
    box.setChecked(records::IsDeviceUsable(m_editor.work(), u"CP Point Detectors"_s, detector));
}

void ScanHeadPage::ReadDetectionPage() {
    db::Database& work = m_editor.work();
    const QString detectors = u"CP Point Detectors"_s;
    if (records::IsDeviceUsable(work, detectors, u"Pmt1"_s)) {
        checkPmt1.setChecked(true);
        checkSpekroDetector.setEnabled(false);
    } else {
        checkPmt1.setChecked(false);
        checkSpekroDetector.setEnabled(true);
    }
    if (records::IsDeviceUsable(work, detectors, kSpectralDetector)) {
        checkSpekroDetector.setChecked(true);
        checkPmt1.setEnabled(false);
        lgs1Default.setCaption(read(kServos, u"GS1"_s, u"Default Value"_s));
    } else {
        checkSpekroDetector.setChecked(false);
        checkPmt1.setEnabled(true);
        lgs1Default.setCaption(QString());
    }
    detectorBox(checkPmt2, u"Pmt2"_s);
    detectorBox(checkPmt3, u"Pmt3"_s);
    detectorBox(checkPmt4, u"Pmt4"_s);
    detectorBox(checkMonitorDiode, kMonitorDiode);

    const QString unit =
        NullToText(records::ReadFirstRowField(work, records::kAvailableSystems, kScanUnit));
    lScanHeadConf.setCaption(unit);
    checkFiberOut.setChecked(unit.toUpper().contains(u"FIBER"_s));

    const bool entryLevel = m_editor.flags().entryLevelHead;
    for (form::CheckBox* box : {&checkPmt3, &checkPmt4, &checkMonitorDiode, &checkFiberOut,
                                &checkColliVis, &checkColliUV, &checkColliIR})
        box->setEnabled(!entryLevel);
    if (entryLevel)
        return;
    const QString collimators = u"CP Collimators"_s;
    auto follow = [&](form::CheckBox& box, const QString& collimator) {
        const bool usable = records::IsDeviceUsable(work, collimators, collimator);
        box.setChecked(usable);
        ShowCollimatorDefaults(collimator, usable);
    };
    if (records::IsDeviceUsable(work, collimators, kIrVis)) {
        follow(checkColliVis, kIrVis);
    } else if (records::IsDeviceUsable(work, collimators, kVis)) {
        follow(checkColliVis, kVis);
    } else {
        checkColliVis.setChecked(false);
        ShowCollimatorDefaults(kIrVis, false);
    }
    follow(checkColliUV, kUvVis);
    follow(checkColliIR, kNir);
}

void ScanHeadPage::FillScanWheelList() {
    // Listing the wheels only shows them; the list's own handler has nothing to add.
    const editor::Quiet quiet(m_editor);
    FilterWheels::fillWheelList(m_editor, comboScanFilterWheel, m_filter, FilterWheels::Head::Scan);
}

} // namespace scanhead
