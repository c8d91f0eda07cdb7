#include "Readout.h"

#include "Pages.h"

#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <records/RecordHelpers.h>

namespace app {

using namespace records;

namespace {

bool isNone(const QString& unit) {
    return unit.isEmpty() || unit.toUpper() == u"NONE"_s;
}

} // namespace

Readout::Readout(editor::Editor& editor, Pages& pages)
    : m_editor(editor), m_pages(pages), m_upkeep(editor) {
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

QString Readout::markReleaseRow() {
    db::Recordset rs = m_editor.work().OpenRecordset(kSystemVersions);
    if (rs.eof())
        return {};
    const QString marked = markRelease(NullToText(rs.value(kVersionName)));
    rs.edit();
    rs.setValue(kVersionName, marked);
    rs.update();
    return marked;
}

void Readout::Refresh() {
    readEveryPart();
    // The near-infrared line is put right once the editor writes again. A fresh read of every
    // page (after an error, for one) only shows the database and leaves this out.
    m_pages.laser.CheckLineIRClicked(false);
}

void Readout::readEveryPart() {
    editor::Editor& e = m_editor;
    {
        // A readout that fails leaves the flag as it found it.
        const editor::Quiet quiet(e);
        // The pages read some rows more than once; between two writes, once is enough.
        const db::ReadScope reads(e.work());
        m_pages.database.lVersion.setCaption(
            NullToText(ReadFirstRowField(e.work(), kSystemVersions, kVersionName)));
        const editor::BusyScope busy(e.host());
        ReadConfiguration();
        m_pages.scanHead.FillScanWheelList();
        m_pages.ndd.ReadNddPage();
        m_pages.microscope.lightPath().LightPathView();
        m_pages.microscope.showStandPorts(e.standName());
        m_pages.laser.RebuildLaserTab();
        m_pages.scanHead.ReadDetectionPage();
        m_pages.fcs.ReadFcsPage();
    }
    e.setLive(true);
}

void Readout::ReadConfiguration() {
    const editor::Quiet quiet(m_editor);
    const editor::BusyScope busy(m_editor.host());
    const QString versionText = markReleaseRow();
    const SystemRow system = readSystemRow();
    showSystem(system);
    m_pages.ndd.readMasterSwitch(system.ndd);
    const QString filterWheel = firstFilterWheel();
    ShowConfigurationName(system.configuration);
    setFlags(system);
    m_pages.heads.readLaserRange();
    m_pages.ndd.enableMasterSwitch(!m_editor.flags().entryLevelHead);
    const QString standName = m_pages.microscope.readStandList(system.standId, filterWheel);
    ShowConfigurationName(system.configuration);
    m_pages.window.lidMicroscope.setCaption(standName);
    m_pages.connections.InterfaceReadout();
    m_pages.laser.showPortLists();
    m_pages.firmware.readScsiAdapter();
    m_pages.heads.readHeads(versionText, system.scanUnit);
    m_pages.microscope.enablePiezo(!m_pages.heads.fcsNone());
    m_pages.microscope.readStage();
    // The port lists were filled anew above; the piezo stage's shows its port as the FCS page
    // does, so that reading this page alone leaves it as the whole readout does.
    m_pages.connections.showPiezoPort(m_pages.piezoSwitch.checkPiezo1.isChecked());
    m_upkeep.zLiftTables();
    m_pages.microscope.focusDrives().ZLiftView();
    m_upkeep.catalogueRows();
    m_pages.microscope.readTransmissionMirror();
    m_pages.scanHead.readDescannedDetector();
    m_upkeep.cameraTables();
    m_pages.microscope.readCameraList();
    m_pages.microscope.cameras().CameraView();
    m_upkeep.deviceFields();
    m_pages.heads.readImageFlip();
    m_upkeep.fadingDacs();
    m_upkeep.rowRepairs();
}

Readout::SystemRow Readout::readSystemRow() {
    SystemRow system;
    db::Recordset row = m_editor.work().OpenRecordset(kAvailableSystems);
    if (row.eof())
        return system;
    system.id = NullToText(row.value(kIdAvailable));
    system.configuration = NullToText(row.value(u"ID Configuration"_s));
    system.standId = NullToText(row.value(kIdStand));
    system.scanUnit = NullToText(row.value(u"ID Scan Unit"_s));
    system.laserModule = NullToText(row.value(u"ID Laser Module"_s));
    system.fcsUnit = NullToText(row.value(u"ID FCS Unit"_s));
    system.ndd = row.value(u"NDD"_s).toBool();
    return system;
}

void Readout::showSystem(const SystemRow& system) {
    editor::Editor& e = m_editor;
    m_pages.window.lidLaserModule.setCaption(system.laserModule);
    m_pages.window.lidFcs.setCaption(system.fcsUnit);
    if (e.configurationName().isEmpty())
        e.setConfigurationName(system.configuration);
    // A database of the other product line is shown, but the user is warned.
    if (system.id.contains(u"Ombrix"_s)) {
        e.host().beep();
        e.setMessage(u"Warning : Database is Ombrix !"_s);
    }
}

QString Readout::firstFilterWheel() {
    return NullToText(
        ReadField(m_editor.work(), kAvailableFilterSets, kIdAvailable, u"FW1"_s, kIdPotential));
}

void Readout::setFlags(const SystemRow& system) {
    editor::ReadoutFlags& flags = m_editor.flags();
    flags.invertedStand = system.standId.toUpper().contains(u"VERT"_s);
    flags.entryLevelHead = system.scanUnit.toUpper().contains(u"KESTRO"_s);
    flags.spectralHead = system.scanUnit.toUpper().contains(u"SPI"_s);
    flags.scanUnit = !isNone(system.scanUnit);
    flags.fcsUnit = !isNone(system.fcsUnit);
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
    readEveryPart();
    TabSwitch();
}

void Readout::TabSwitch() {
    m_editor.ReadPageInFront();
}

} // namespace app
