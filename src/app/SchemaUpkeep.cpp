#include "SchemaUpkeep.h"

#include <db/Database.h>
#include <editor/Editor.h>
#include <microscope/Cameras.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>
#include <records/TemplateMerge.h>

namespace app {

using namespace Qt::StringLiterals;
using namespace records;

namespace {

const QString kFirmwareParameters = u"Available Firmware Parameters"_s;

} // namespace

bool SchemaUpkeep::ensureField(const QString& table, const QString& field, db::FieldType type) {
    return AppendMissingField(m_editor.work(), table, field, type);
}

void SchemaUpkeep::replaceQuery(const QString& name) {
    ReplaceQueryFromTemplate(m_editor.templ(), m_editor.work(), name, name);
}

// Catalogue tables are keyed by their potential id, the installation's own by their available id.
void SchemaUpkeep::merge(const QString& source, const QString& target) {
    MergeMissingRows(m_editor.templ(), m_editor.work(), source, target,
                     target.startsWith(u"Potential"_s) ? kIdPotential : kIdAvailable);
}

void SchemaUpkeep::zLiftTables() {
    if (ensureField(kAvailableZLift, kRevolverPosition, db::FieldType::Long))
        WriteField(m_editor.work(), kAvailableZLift, kIdAvailable, u"ZLift"_s, kRevolverPosition,
                   -1);
    merge(u"Potential ZLift"_s, u"Potential ZLift"_s);
    merge(u"Calibration ZLift Conf"_s, u"Calibration ZLift"_s);
    merge(kAvailableZLift, kAvailableZLift);
    merge(u"Potential Filters Shutter"_s, kPotentialFilters);
    merge(u"Potential Revolvers"_s, u"Potential Revolvers"_s);
    replaceQuery(u"CP ZLift"_s);
}

void SchemaUpkeep::catalogueRows() {
    merge(u"Potential Servos"_s, u"Potential Servos"_s);
    merge(kPotentialFilters, kPotentialFilters);
    if (m_editor.flags().entryLevelHead)
        merge(u"Available Firmware Parameters Kestro"_s, kFirmwareParameters);
}

void SchemaUpkeep::cameraTables() {
    microscope::Cameras::createMissingTables(m_editor, microscope::Cameras::Schema::FirstRelease);
}

void SchemaUpkeep::deviceFields() {
    db::Database& work = m_editor.work();
    for (const QString& field : {kExchangeXY, kMirrorX, kMirrorY})
        ensureField(kAvailableDsps, field, db::FieldType::Boolean);
    replaceQuery(u"CP Dsps"_s);

    const QString lamps = u"Available Lamps"_s;
    ensureField(lamps, u"Delay ms"_s, db::FieldType::Long);
    replaceQuery(u"CP Lamps"_s);
    work.execute(u"UPDATE [Available Lamps] SET [Delay ms] = 1000 WHERE [Delay ms] IS NULL"_s);

    if (ensureField(u"Available Objective Lenses"_s, u"Field Correction"_s, db::FieldType::Double))
        work.execute(u"UPDATE [Available Objective Lenses] SET [Field Correction] = 0"_s);
    replaceQuery(u"CP Objectives"_s);
}

void SchemaUpkeep::fadingDacs() {
    merge(u"Available DACs Fading"_s, u"Available DACs"_s);
    merge(u"Calibration DACs Fading"_s, u"Calibration DACs"_s);
}

void SchemaUpkeep::rowRepairs() {
    editor::Editor& e = m_editor;
    db::Database& work = e.work();
    WriteField(work, kAvailablePointDetectors, kIdAvailable, u"PmtM"_s, u"Next Optical Device"_s,
               u"F/EF5"_s);

    // A calibration row left under the driver's old name.
    const QString calibration = u"Calibration AOM Drivers"_s;
    const QString driver = u"AOTF Driver"_s;
    if (RecordExists(work, kAvailableAomDrivers, kIdAvailable, driver) &&
        !RecordExists(work, calibration, kIdAvailable, driver)) {
        WriteFieldAll(work, calibration, kIdAvailable, u"AOTF 4 PR"_s, kIdAvailable, driver);
        e.setMessage(u"Calibration AOM Drivers table corrected!"_s);
    }

    WriteField(work, kFirmwareParameters, kIdAvailable, u"Parfocal Enable Flag"_s, u"Digits"_s, 3);
}

} // namespace app
