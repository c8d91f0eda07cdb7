#include "SpectralOption.h"

#include "ScanUnitMarks.h"

#include <db/Database.h>
#include <editor/Editor.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace scanhead {

using namespace Qt::StringLiterals;
using records::kIdAvailable;
using records::kIdPotential;

namespace {

const QString kSpekro = u" SPEKRO"_s;
const QString kObjectsToDisable = u"Spekro Objects to disable"_s;
const QString kPointDetectors = u"Available Point Detectors"_s;
const QString kIntegrators = u"Available Integrators"_s;
const QString kVideoSwitches = u"Available Video Switches"_s;
const QString kPotentialVideoSwitches = u"Potential Video Switches"_s;
const QString kVideoSwitchQuery = u"CP Video Switches"_s;
const QString kInputChannel = u"Input Channel No"_s;
const QString kNextElectrical = u"Next Electrical Device"_s;

// The option's device families in the order they are merged and switched: the installation
// table, its calibration table (empty: none) and a catalogue merged before the devices.
struct Family {
    const char* table;
    const char* calibration;
    const char* catalogue;
};
constexpr Family kFamilies[] = {
    {"Available Interfaces", "", ""},
    {"Available DACs", "Calibration DACs", ""},
    {"Available DIOs", "Calibration DIOs", "Potential DIOs"},
    {"Available Servos", "Calibration Servos", ""},
    {"Available Integrators", "Calibration Integrators", ""},
    {"Available High Voltage Supplies", "Calibration High Voltage Supplies", ""},
    {"Available Point Detectors", "Calibration Point Detectors", ""},
    {"Available Amplifiers", "Calibration Amplifiers", ""},
};

// Input channels of the detectors and integrators with the option on and off.
struct Channel {
    const char* table;
    const char* id;
    int on;
    int off;
};
constexpr Channel kChannels[] = {
    {"Available Point Detectors", "Pmt1", 0, 1},
    {"Available Point Detectors", "Pmt2", 0, 2},
    {"Available Point Detectors", "Pmt3", 0, 3},
    {"Available Point Detectors", "Pmt4", 0, 4},
    {"Available Point Detectors", "PmtD", 1, 5},
    {"Available Point Detectors", "NDD_Pmt6", 2, 6},
    {"Available Point Detectors", "NDD_Pmt7", 3, 7},
    {"Available Point Detectors", "NDD_Pmt8", 4, 8},
    {"Available Point Detectors", "PmtM", 0, 8},
    {"Available Integrators", "IntegratorD", 1, 5},
    {"Available Integrators", "Integrator6", 2, 6},
    {"Available Integrators", "Integrator7", 3, 7},
    {"Available Integrators", "Integrator8", 4, 8},
};

// Detectors that the option wires to the spectral integrator, with their own integrators.
struct Wiring {
    const char* detector;
    const char* integrator;
};
constexpr Wiring kWiring[] = {
    {"Pmt2", "I/Integrator2"},
    {"Pmt3", "I/Integrator3"},
    {"Pmt4", "I/Integrator4"},
    {"PmtM", "I/IntegratorM"},
};
const QString kSpectralIntegrator = u"I/IntegratorSPI"_s;

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

void SpectralOption::switchOn() {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    records::SwitchListedObjects(templ, work, kObjectsToDisable, QString(), false);
    for (const Family& family : kFamilies) {
        const QString table = latin(family.table);
        if (*family.catalogue)
            records::MergeMissingRows(templ, work, latin(family.catalogue) + kSpekro,
                                      latin(family.catalogue), kIdPotential);
        records::MergeMissingRows(templ, work, table + kSpekro, table, kIdAvailable);
        if (*family.calibration)
            records::MergeMissingRows(templ, work, latin(family.calibration) + kSpekro,
                                      latin(family.calibration), kIdAvailable);
        records::SwitchListedObjects(templ, work, table + kSpekro, table, true);
    }
    wire(true);
    const QString unit = records::NullToText(
        records::ReadFirstRowField(work, records::kAvailableSystems, u"ID Scan Unit"_s));
    records::WriteFirstRowField(work, records::kAvailableSystems, u"ID Scan Unit"_s,
                                marks::added(unit, marks::kSpectral));
    ensureVideoSwitches();
    records::SwitchListedObjects(templ, work, kVideoSwitches + kSpekro, kVideoSwitches, true);
}

void SpectralOption::switchOff() {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    records::SwitchListedObjects(templ, work, kObjectsToDisable, QString(), true);
    for (const Family& family : kFamilies)
        records::SwitchListedObjects(templ, work, latin(family.table) + kSpekro,
                                     latin(family.table), false);
    if (records::TableExists(work, kVideoSwitches))
        records::SwitchListedObjects(templ, work, kVideoSwitches + kSpekro, kVideoSwitches, false);
    wire(false);
    const QString unit = records::NullToText(
        records::ReadFirstRowField(work, records::kAvailableSystems, u"ID Scan Unit"_s));
    records::WriteFirstRowField(work, records::kAvailableSystems, u"ID Scan Unit"_s,
                                marks::removed(unit, marks::kSpectral));
}

void SpectralOption::wire(bool on) {
    db::Database& work = m_editor.work();
    records::WriteField(work, u"Available Dsps"_s, kIdAvailable, u"Dsp1"_s, u"Software File"_s,
                        on ? u"quentaraspekro.bin"_s : u"quentaradsp.bin"_s);
    for (const Channel& channel : kChannels)
        records::WriteField(work, latin(channel.table), kIdAvailable, latin(channel.id),
                            kInputChannel, on ? channel.on : channel.off);
    for (const Wiring& wiring : kWiring)
        records::WriteField(work, kPointDetectors, kIdAvailable, latin(wiring.detector),
                            kNextElectrical, on ? kSpectralIntegrator : latin(wiring.integrator));
}

void SpectralOption::ensureVideoSwitches() {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    using db::FieldType;
    if (!records::TableExists(work, kVideoSwitches)) {
        work.createTable(kVideoSwitches, {{kIdAvailable, FieldType::Text},
                                          {records::kStatus, FieldType::Text},
                                          {kIdPotential, FieldType::Text},
                                          {u"Control"_s, FieldType::Text},
                                          {u"Summary"_s, FieldType::Text}});
        records::MergeMissingRows(templ, work, kVideoSwitches + kSpekro, kVideoSwitches,
                                  kIdAvailable);
    }
    if (!records::TableExists(work, kPotentialVideoSwitches)) {
        work.createTable(kPotentialVideoSwitches, {{kIdPotential, FieldType::Text},
                                                   {u"Kind"_s, FieldType::Text},
                                                   {u"Input Channels"_s, FieldType::Long},
                                                   {u"Output Channels"_s, FieldType::Long},
                                                   {u"Track Registers"_s, FieldType::Long}});
        records::MergeMissingRows(templ, work, kPotentialVideoSwitches + kSpekro,
                                  kPotentialVideoSwitches, kIdPotential);
    }
    if (!work.queryExists(kVideoSwitchQuery))
        work.createQueryDef(
            kVideoSwitchQuery,
            u"SELECT [Available Video Switches].[ID Available], [Available Video Switches].Status, "
            "[Available Video Switches].Control, [Potential Video Switches].Kind, [Potential "
            "Video Switches].[Input Channels], [Potential Video Switches].[Output Channels], "
            "[Potential Video Switches].[Track Registers], [Available Video Switches].Summary "
            "FROM [Available Video Switches] INNER JOIN [Potential Video Switches] ON [Available "
            "Video Switches].[ID Potential] = [Potential Video Switches].[ID Potential];"_s);
}

} // namespace scanhead
