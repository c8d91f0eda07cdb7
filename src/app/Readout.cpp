#include "Readout.h"

#include "Pages.h"

#include <db/SqlDialect.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace app {

using namespace records;

namespace {

const QString kPointDetectors = u"Available Point Detectors"_s;
const QString kFilterSets = u"Available FilterSets"_s;

bool isNone(const QString& unit) {
    return unit.isEmpty() || unit.toUpper() == u"NONE"_s;
}

} // namespace

Readout::Readout(editor::Editor& editor, Pages& pages) : m_editor(editor), m_pages(pages) {
    editor.addPageReadout(editor::PageConfiguration, [this] { ReadConfiguration(); });
    editor.setRefreshAction([this] { Refresh(); });
}

QString Readout::markRelease(const QString& version) {
    const qsizetype first = version.indexOf(u'.');
    if (first < 0)
        return version;
    const qsizetype second = version.indexOf(u'.', first + 1);
    // A second point within the last two characters leaves no build digit to mark.
    if (second < 0 || second + 2 >= version.size())
        return version;
    QString marked = version;
    marked[second + 2] = u'1';
    return marked;
}

void Readout::markReleaseRow() {
    db::Recordset rs = m_editor.work().OpenRecordset(kSystemVersions);
    if (rs.eof())
        return;
    rs.edit();
    rs.setValue(kVersionName, markRelease(NullToText(rs.value(kVersionName))));
    rs.update();
}

void Readout::Refresh() {
    editor::Editor& e = m_editor;
    {
        // A readout that fails leaves the flag as it found it.
        const editor::Quiet quiet(e);
        {
            db::Recordset versions = e.work().OpenRecordset(kSystemVersions);
            if (!versions.eof())
                m_pages.database.lVersion.setCaption(NullToText(versions.value(kVersionName)));
        }
        const editor::BusyScope busy(e.host());
        ReadConfiguration();
        m_pages.scanHead.FillScanWheelList();
        m_pages.microscope.showStandPorts(e.standName());
        m_pages.scanHead.ReadDetectionPage();
        m_pages.fcs.ReadFcsPage();
    }
    e.setLive(true);
}

void Readout::ReadConfiguration() {
    editor::Editor& e = m_editor;
    db::Database& work = e.work();
    const editor::Quiet quiet(e);
    const editor::BusyScope busy(e.host());

    markReleaseRow();
    QString versionText;
    {
        db::Recordset versions = work.OpenRecordset(kSystemVersions);
        if (!versions.eof())
            versionText = NullToText(versions.value(kVersionName));
    }

    QString systemId, configuration, standId, scanUnit, laserModule, fcsUnit;
    bool nddField = false;
    {
        db::Recordset system = work.OpenRecordset(kAvailableSystems);
        if (!system.eof()) {
            systemId = NullToText(system.value(kIdAvailable));
            configuration = NullToText(system.value(u"ID Configuration"_s));
            standId = NullToText(system.value(u"ID Stand"_s));
            scanUnit = NullToText(system.value(u"ID Scan Unit"_s));
            laserModule = NullToText(system.value(u"ID Laser Module"_s));
            fcsUnit = NullToText(system.value(u"ID FCS Unit"_s));
            nddField = system.value(u"NDD"_s).toBool();
        }
    }
    m_pages.window.lidLaserModule.setCaption(laserModule);
    m_pages.window.lidFcs.setCaption(fcsUnit);
    if (e.configurationName().isEmpty())
        e.setConfigurationName(configuration);

    // A database of the other product line is shown, but the user is warned.
    if (systemId.contains(u"Ombrix"_s)) {
        e.host().beep();
        e.setMessage(u"Warning : Database is Ombrix !"_s);
    }

    m_pages.ndd.readMasterSwitch(nddField);

    const QString filterWheel =
        NullToText(ReadField(work, kFilterSets, kIdAvailable, u"FW1"_s, kIdPotential));
    ShowConfigurationName(configuration);
    editor::ReadoutFlags& flags = e.flags();
    flags.invertedStand = standId.toUpper().contains(u"VERT"_s);
    flags.entryLevelHead = scanUnit.toUpper().contains(u"KESTRO"_s);
    flags.spectralHead = scanUnit.toUpper().contains(u"SPI"_s);
    flags.scanUnit = !isNone(scanUnit);
    flags.fcsUnit = !isNone(fcsUnit);

    // An entry-level head has neither the laser range choice nor non-descanned detectors.
    m_pages.heads.readLaserRange();
    m_pages.ndd.enableMasterSwitch(!flags.entryLevelHead);

    const QString standName = m_pages.microscope.readStandList(standId, filterWheel);
    ShowConfigurationName(configuration);
    m_pages.window.lidMicroscope.setCaption(standName);
    m_pages.connections.InterfaceReadout();

    m_pages.firmware.readScsiAdapter();

    m_pages.heads.readHeads(versionText, scanUnit);
    const bool noFcs = m_pages.heads.fcsNone();
    m_pages.microscope.enablePiezo(!noFcs);

    m_pages.microscope.readStage();
    tableUpkeep();
    m_pages.microscope.readTransmissionMirror();
    m_pages.scanHead.readDescannedDetector();
    m_pages.microscope.cameraUpkeep();
    fieldUpkeep();
    m_pages.heads.readImageFlip();

    // The fading DACs joined the installation later than the rest of its DACs.
    MergeMissingRows(e.templ(), work, u"Available DACs Fading"_s, u"Available DACs"_s,
                     kIdAvailable);
    MergeMissingRows(e.templ(), work, u"Calibration DACs Fading"_s, u"Calibration DACs"_s,
                     kIdAvailable);

    WriteField(work, kPointDetectors, kIdAvailable, u"PmtM"_s, u"Next Optical Device"_s,
               u"F/EF5"_s);

    // A calibration row left under the driver's old name.
    const QString drivers = u"Available AOM Drivers"_s;
    const QString calibration = u"Calibration AOM Drivers"_s;
    const QString driver = u"AOTF Driver"_s;
    if (RecordExists(work, drivers, kIdAvailable, driver) &&
        !RecordExists(work, calibration, kIdAvailable, driver)) {
        work.execute(
            u"UPDATE [Calibration AOM Drivers] SET [ID Available] = ? WHERE [ID Available] = ?"_s,
            {driver, u"AOTF 4 PR"_s});
        e.setMessage(u"Calibration AOM Drivers table corrected!"_s);
    }

    WriteField(work, u"Available Firmware Parameters"_s, kIdAvailable, u"Parfocal Enable Flag"_s,
               u"Digits"_s, 3);
}

bool Readout::ensureField(const QString& table, const QString& field, db::FieldType type) {
    db::Database& work = m_editor.work();
    if (work.columnType(table, field) != db::FieldType::Other)
        return false;
    work.appendField(table, {field, type});
    return true;
}

void Readout::ReplaceQueryFromTemplate(const QString& templateQuery, const QString& workQuery) {
    db::Database& work = m_editor.work();
    const QString sql = m_editor.templ().querySql(templateQuery);
    if (sql.isEmpty())
        return;
    // The same text already stored: replacing it would only cost a schema change.
    if (work.querySql(workQuery) == db::dialect::toSqlite(sql))
        return;
    if (work.queryExists(workQuery))
        work.deleteQueryDef(workQuery);
    work.createQueryDef(workQuery, sql);
}

void Readout::tableUpkeep() {
    editor::Editor& e = m_editor;
    db::Database& work = e.work();
    db::Database& templ = e.templ();
    const QString zlift = u"Available ZLift"_s;
    if (ensureField(zlift, u"Revolver Position"_s, db::FieldType::Long))
        WriteField(work, zlift, kIdAvailable, u"ZLift"_s, u"Revolver Position"_s, -1);
    auto merge = [&](const QString& source, const QString& target) {
        MergeMissingRows(templ, work, source, target,
                         target.startsWith(u"Potential"_s) ? kIdPotential : kIdAvailable);
    };
    merge(u"Potential ZLift"_s, u"Potential ZLift"_s);
    merge(u"Calibration ZLift Conf"_s, u"Calibration ZLift"_s);
    merge(zlift, zlift);
    merge(u"Potential Filters Shutter"_s, u"Potential Filters"_s);
    merge(u"Potential Revolvers"_s, u"Potential Revolvers"_s);
    ReplaceQueryFromTemplate(u"CP ZLift"_s, u"CP ZLift"_s);
    merge(u"Potential Servos"_s, u"Potential Servos"_s);
    merge(u"Potential Filters"_s, u"Potential Filters"_s);
    if (e.flags().entryLevelHead)
        merge(u"Available Firmware Parameters Kestro"_s, u"Available Firmware Parameters"_s);
}

void Readout::fieldUpkeep() {
    db::Database& work = m_editor.work();
    for (const char* field : {"Exchange XY", "Mirror X", "Mirror Y"})
        ensureField(u"Available Dsps"_s, QString::fromLatin1(field), db::FieldType::Boolean);
    ReplaceQueryFromTemplate(u"CP Dsps"_s, u"CP Dsps"_s);

    ensureField(u"Available Lamps"_s, u"Delay ms"_s, db::FieldType::Long);
    ReplaceQueryFromTemplate(u"CP Lamps"_s, u"CP Lamps"_s);
    work.execute(u"UPDATE [Available Lamps] SET [Delay ms] = 1000 WHERE [Delay ms] IS NULL"_s);

    if (ensureField(u"Available Objective Lenses"_s, u"Field Correction"_s, db::FieldType::Double))
        work.execute(u"UPDATE [Available Objective Lenses] SET [Field Correction] = 0"_s);
    ReplaceQueryFromTemplate(u"CP Objectives"_s, u"CP Objectives"_s);
}

void Readout::ShowConfigurationName(const QString& name) {
    QString shown = name;
    shown.replace(u"&"_s, u"&&"_s); // a single & would mark a mnemonic
    m_pages.database.lConfiguration.setCaption(shown);
    m_pages.editConf.setName(name);
}

void Readout::EditConfigurationName() {
    m_pages.editConf.exec();
    m_editor.host().processEvents();
    ReadConfiguration();
}

void Readout::ReadEveryPage() {
    Refresh();
    TabSwitch();
}

void Readout::TabSwitch() {
    m_editor.ReadPageInFront();
}

} // namespace app
