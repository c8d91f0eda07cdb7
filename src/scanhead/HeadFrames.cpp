#include "HeadFrames.h"

#include <QHash>
#include <QSet>
#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>
#include <records/TemplateMerge.h>

namespace scanhead {

using records::kIdAvailable;
using records::NullToText;
using records::ReadField;

namespace {

const QString kScanUnit = u"ID Scan Unit"_s;
const QString kConfiguration = u"ID Configuration"_s;
const QString kScanHeadObjects = u"Scan Head Objects"_s;
const QString kMemory = u"Scan Head Memory"_s;
const QString kTable = u"Table"_s;
const QString kRemoved = u"Removed"_s;
// The memory row of the configuration name that a removal beside an FCS head replaced. It is
// kept with Removed false, so that no reader takes its table for one with a Status.
const QString kConfigurationMemory = kConfiguration;
const QString kTemperatureSensors = u"Available Temperature Sensors"_s;
const QString kSpiSensor = u"SPI Temperature Sensor"_s;
const QString kNone = u"None"_s;
const QString kSideMark = u" S"_s;
const QString kFcsUnit = u"ID FCS Unit"_s;
const QString kFluxar = u"Fluxar2"_s;
const QString kFcsConfiguration = u"Conf3.0_FCS2"_s;

bool noUnit(const QString& unit) {
    return unit.isEmpty() || unit.compare(kNone, Qt::CaseInsensitive) == 0;
}

QString memoryKey(const QString& table, const QString& id) {
    return table.toLower() + u'\n' + id;
}

struct MemoryRow {
    QString table;
    QString id;
    bool removed;
};

QList<MemoryRow> readMemory(db::Database& templ) {
    QList<MemoryRow> rows;
    for (db::Recordset rs = templ.OpenRecordset(kMemory); !rs.eof(); rs.moveNext())
        rows.append({NullToText(rs.value(kTable)), NullToText(rs.value(kIdAvailable)),
                     rs.value(kRemoved).toBool()});
    return rows;
}

void addMemory(db::Database& templ, const QString& table, const QString& id, bool removed) {
    records::AddRow(templ, kMemory, {{kTable, table}, {kIdAvailable, id}, {kRemoved, removed}});
}

} // namespace

HeadFrames::HeadFrames(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor), m_spectral(editor) {
    optionHeadUpright.setHandler([this] { choosePort(Port::Upright); });
    optionHeadSideport.setHandler([this] { choosePort(Port::Side); });
    optionHeadBaseport.setHandler([this] { choosePort(Port::Base); });
    optionHeadNone.setHandler([this] { removeHead(); });
    optionFcsSideport.setHandler([this] { chooseFcsPort(Port::Side); });
    optionFcsBaseport.setHandler([this] { chooseFcsPort(Port::Base); });
    optionFcsNone.setHandler([this] { removeFcsHead(); });
    checkSpekro.setHandler([this] { CheckSpekroClicked(); });
    checkImageFlip.setHandler([this] {
        if (!m_editor.isLive())
            return;
        ApplyImageFlip();
        // A stand and port that need no flip leave the box as a fresh read shows it: clear.
        const editor::Quiet quiet(m_editor);
        readImageFlip();
    });
}

void HeadFrames::choosePort(Port port) {
    editor::ReadoutFlags& flags = m_editor.flags();
    if (m_editor.isLive()) {
        const editor::BusyScope busy(m_editor.host());
        m_editor.setMessage(QString());
        db::Database& work = m_editor.work();
        if (port != Port::Upright) {
            writeSideMark(port == Port::Side);
            const QString system = !fcsNone()             ? u"VTX-FCS"_s
                                   : flags.entryLevelHead ? u"VTX 5 KESTRO"_s
                                                          : u"VANTIX"_s;
            records::WriteFirstRowField(work, records::kAvailableSystems, kIdAvailable, system);
        }
        RestoreHeadObjects();
        if (port != Port::Upright) {
            SetLaserLedControl(fcsNone() ? u"REG100"_s : u"REG100,FCS_LED"_s);
            ApplyImageFlip();
        }
        m_editor.Refresh();
    }
    // A refresh may have chosen another option (an upright stand shows its one port).
    if (!flags.entryLevelHead && !optionHeadNone.isSelected())
        checkSpekro.setEnabled(true);
}

void HeadFrames::removeHead() {
    if (m_editor.isLive()) {
        const editor::BusyScope busy(m_editor.host());
        m_editor.setMessage(fcsNone() ? editor::texts::kNoHead : QString());
        db::Database& work = m_editor.work();
        const QString scanUnit =
            NullToText(records::ReadFirstRowField(work, records::kAvailableSystems, kScanUnit));
        const QString configuration = NullToText(
            records::ReadFirstRowField(work, records::kAvailableSystems, kConfiguration));
        const bool fcsFitted = !fcsNone();
        if (fcsFitted) {
            records::WriteFirstRowField(work, records::kAvailableSystems, kIdAvailable, kFluxar);
            records::WriteFirstRowField(work, records::kAvailableSystems, kConfiguration,
                                        kFcsConfiguration);
        }
        records::WriteFirstRowField(work, records::kAvailableSystems, kScanUnit, kNone);
        rememberRemoval(scanUnit, configuration, !noUnit(scanUnit), fcsFitted);
        if (m_detectorsOutsideHeadOff)
            m_detectorsOutsideHeadOff();
        SetLaserLedControl(u"FCS_LED"_s);
        m_editor.Refresh();
    }
    if (optionHeadNone.isSelected())
        checkSpekro.setEnabled(false);
}

void HeadFrames::chooseFcsPort(Port port) {
    if (!m_editor.isLive())
        return;
    const editor::BusyScope busy(m_editor.host());
    m_editor.setMessage(QString());
    db::Database& work = m_editor.work();
    const bool scanHead = scanHeadFitted();
    records::WriteFirstRowField(work, records::kAvailableSystems, kFcsUnit, kFluxar);
    records::WriteFirstRowField(work, records::kAvailableSystems, kIdAvailable,
                                scanHead ? u"VTX-FCS"_s : kFluxar);
    const QString name = m_editor.configurationName();
    if (!scanHead)
        records::WriteFirstRowField(work, records::kAvailableSystems, kConfiguration,
                                    kFcsConfiguration);
    else if (!name.contains(u'_'))
        records::WriteFirstRowField(work, records::kAvailableSystems, kConfiguration,
                                    u"Conf3.0&3.0_"_s + name);
    // The mark tells where the primary head sits: the scan head when there is one, which then
    // takes the port the FCS head leaves.
    writeSideMark((port == Port::Base) == scanHead);
    MergeFcsTwins();
    SwitchFcsHeadObjects(true);
    SetLaserLedControl(scanHead ? u"REG100,FCS_LED"_s : u"FCS_LED"_s);
    m_editor.Refresh();
}

void HeadFrames::removeFcsHead() {
    if (!m_editor.isLive())
        return;
    const editor::BusyScope busy(m_editor.host());
    const bool scanHead = scanHeadFitted();
    m_editor.setMessage(scanHead ? QString() : editor::texts::kNoHead);
    db::Database& work = m_editor.work();
    records::WriteFirstRowField(work, records::kAvailableSystems, kIdAvailable,
                                scanHead ? u"VANTIX"_s : u"NONE"_s);
    records::WriteFirstRowField(work, records::kAvailableSystems, kConfiguration,
                                scanHead ? m_editor.configurationName() : kNone);
    records::WriteFirstRowField(work, records::kAvailableSystems, kFcsUnit, kNone);
    SwitchFcsHeadObjects(false);
    SetLaserLedControl(u"REG100"_s);
    m_editor.Refresh();
}

void HeadFrames::MergeFcsTwins() {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    const QString switches = u"Available Switches"_s;
    auto merge = [&](const QString& destination, const QString& key,
                     const QString& refreshedKey = {}) {
        records::MergeMissingRows(templ, work, destination + u" FCS"_s, destination, key,
                                  refreshedKey);
    };
    merge(records::kAvailableInterfaces, kIdAvailable, records::kInterfaceCANO);
    for (const char* table :
         {"Available Servos", "Calibration Servos", "Available Collimators", "Available DIOs",
          "Calibration DIOs", "Available FilterSets", "Available Pinholes", "Calibration Pinholes"})
        merge(QString::fromLatin1(table), kIdAvailable);
    merge(u"Potential Switches"_s, records::kIdPotential);
    // The FCS head's switches report their close position.
    if (records::TableExists(work, switches))
        records::AppendMissingField(work, switches, u"Close"_s, db::FieldType::Long);
    for (const QString& table :
         {switches, u"Available Temperature Sensors"_s, u"Calibration Temperature Sensors"_s})
        merge(table, kIdAvailable);
    if (m_addMissingFilterPlacements)
        m_addMissingFilterPlacements();
    records::ReplaceQueryFromTemplate(templ, work, u"CP Switches FCS"_s, u"CP Switches"_s);
}

void HeadFrames::rememberRemoval(const QString& scanUnit, const QString& configuration, bool fitted,
                                 bool fcsFitted) {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    QString unit = scanUnit;
    QString keptConfiguration;
    QSet<QString> removedBefore;
    // Without a fitted head the memory holds what the first removal took away. With one it is
    // stale (a removal that was never stored, a restored configuration) and starts afresh.
    if (!fitted) {
        for (const MemoryRow& row : readMemory(templ)) {
            if (row.table == records::kAvailableSystems)
                unit = row.id;
            else if (row.table == kConfigurationMemory)
                keptConfiguration = row.id;
            else if (row.removed)
                removedBefore.insert(memoryKey(row.table, row.id));
        }
    }
    records::DeleteEveryRow(templ, kMemory);
    addMemory(templ, records::kAvailableSystems, unit, false);
    if (fcsFitted && keptConfiguration.isEmpty())
        keptConfiguration = configuration;
    if (!keptConfiguration.isEmpty())
        addMemory(templ, kConfigurationMemory, keptConfiguration, false);

    auto switchOff = [&](const QString& table, const QString& id, bool usable) {
        addMemory(templ, table, id, usable || removedBefore.contains(memoryKey(table, id)));
        records::WriteField(work, table, kIdAvailable, id, records::kStatus, records::kStatusOff);
    };
    for (db::Recordset rs = templ.OpenRecordset(kScanHeadObjects); !rs.eof(); rs.moveNext()) {
        const QString table = NullToText(rs.value(kTable));
        const QString id = NullToText(rs.value(u"Object"_s));
        if (!records::TableExists(work, table) ||
            !records::RecordExists(work, table, kIdAvailable, id))
            continue;
        switchOff(table, id,
                  records::IsUsable(ReadField(work, table, kIdAvailable, id, records::kStatus)));
    }
    if (records::IsDeviceUsable(work, kTemperatureSensors, kSpiSensor) ||
        removedBefore.contains(memoryKey(kTemperatureSensors, kSpiSensor)))
        switchOff(kTemperatureSensors, kSpiSensor,
                  records::IsDeviceUsable(work, kTemperatureSensors, kSpiSensor));
}

void HeadFrames::RestoreHeadObjects() {
    const editor::ReadoutFlags& flags = m_editor.flags();
    if (flags.entryLevelHead)
        return;
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    // The memory and the catalogue speak of a removed head: with a head fitted they are stale,
    // and a head moved between ports keeps its rows as they are.
    const bool headFitted = !noUnit(
        NullToText(records::ReadFirstRowField(work, records::kAvailableSystems, kScanUnit)));
    if (headFitted)
        return;
    const QList<MemoryRow> memory = readMemory(templ);
    if (!memory.isEmpty()) {
        for (const MemoryRow& row : memory) {
            if (row.table == records::kAvailableSystems)
                records::WriteFirstRowField(work, records::kAvailableSystems, kScanUnit, row.id);
            else if (row.table == kConfigurationMemory)
                records::WriteFirstRowField(work, records::kAvailableSystems, kConfiguration,
                                            row.id);
            else if (row.removed && records::TableExists(work, row.table))
                records::WriteField(work, row.table, kIdAvailable, row.id, records::kStatus,
                                    records::kStatusInUse);
        }
        records::DeleteEveryRow(templ, kMemory);
        m_scanHeadRemoved = false;
    } else if (m_scanHeadRemoved) {
        SwitchHeadObjects(kScanHeadObjects, true);
        if (flags.spectralHead)
            CheckSpekroClicked();
    }
}

void HeadFrames::writeSideMark(bool sidePort) {
    db::Database& work = m_editor.work();
    QString version = NullToText(
        records::ReadFirstRowField(work, records::kSystemVersions, records::kVersionName));
    if (sidePort) {
        if (!version.contains(u'S', Qt::CaseInsensitive))
            version += kSideMark;
    } else if (version.endsWith(kSideMark)) {
        // Only the mark itself: a release such as "3.2.01 SP1" keeps its name.
        version.chop(kSideMark.size());
    }
    records::WriteFirstRowField(work, records::kSystemVersions, records::kVersionName, version);
}

void HeadFrames::SwitchHeadObjects(const QString& catalogue, bool enable) {
    switchCatalogue(catalogue, u"SPEKRO"_s, true, enable);
}

void HeadFrames::SwitchFcsHeadObjects(bool enable) {
    switchCatalogue(u"FCS Head Objects"_s, u"IsStandard"_s, false, enable);
}

void HeadFrames::switchCatalogue(const QString& catalogue, const QString& mark, bool markKeepsOff,
                                 bool enable) {
    db::Database& work = m_editor.work();
    for (db::Recordset rs = m_editor.templ().OpenRecordset(catalogue); !rs.eof(); rs.moveNext()) {
        const QString table = NullToText(rs.value(kTable));
        const QString id = NullToText(rs.value(u"Object"_s));
        if (!records::TableExists(work, table) ||
            !records::RecordExists(work, table, kIdAvailable, id))
            continue;
        const bool on = enable && rs.value(mark).toBool() != markKeepsOff;
        records::WriteField(work, table, kIdAvailable, id, records::kStatus,
                            on ? records::kStatusInUse : records::kStatusOff);
    }
}

void HeadFrames::SetLaserLedControl(const QString& controllers) {
    records::WriteEveryRow(m_editor.work(), u"Available Lasers"_s, u"Control LED"_s, controllers);
}

void HeadFrames::ApplyImageFlip() {
    db::Database& work = m_editor.work();
    const QString dsps = u"Available Dsps"_s;
    const QString dsp = u"Dsp1"_s;
    const QStringList fields = {u"Exchange XY"_s, u"Mirror X"_s, u"Mirror Y"_s};
    if (!checkImageFlip.isChecked()) {
        for (const QString& field : fields)
            records::WriteField(work, dsps, kIdAvailable, dsp, field, false);
        return;
    }
    db::Database& templ = m_editor.templ();
    const QString stand = m_editor.standName();
    db::Recordset flip =
        templ.OpenRecordset(u"SELECT * FROM %1 WHERE ([Microscope] = ? AND [Sideport] = ?)"_s.arg(
                                templ.qualified(u"Image Flip"_s)),
                            {stand, optionHeadSideport.isSelected() ? 1 : 0});
    // A stand the orientation catalogue does not know keeps the orientation it has.
    if (flip.eof())
        return;
    editor::ReadoutFlags& flags = m_editor.flags();
    flags.exchangeXY = flip.value(fields[0]).toBool();
    flags.mirrorX = flip.value(fields[1]).toBool();
    flags.mirrorY = flip.value(fields[2]).toBool();
    records::WriteField(work, dsps, kIdAvailable, dsp, fields[0], flags.exchangeXY);
    records::WriteField(work, dsps, kIdAvailable, dsp, fields[1], flags.mirrorX);
    records::WriteField(work, dsps, kIdAvailable, dsp, fields[2], flags.mirrorY);
}

void HeadFrames::CheckSpekroClicked() {
    if (!m_editor.isLive())
        return;
    const editor::BusyScope busy(m_editor.host());
    if (checkSpekro.isChecked())
        m_spectral.switchOn();
    else
        m_spectral.switchOff();
    m_editor.Refresh();
}

void HeadFrames::readHeads(const QString& versionText, const QString& scanUnit) {
    editor::ReadoutFlags& flags = m_editor.flags();
    form::TabControl& tabs = m_editor.tabs();

    frameHeadCaption.setCaption(flags.entryLevelHead ? u"KESTRO Head"_s : kVtxHead);
    checkSpekro.setEnabled(!flags.entryLevelHead);
    checkSpekro.setChecked(flags.spectralHead);

    if (!flags.invertedStand) {
        optionHeadUpright.setEnabled(true);
        optionHeadUpright.setSelected(true);
        checkSpekro.setEnabled(!flags.entryLevelHead);
        optionHeadSideport.setEnabled(false);
        optionHeadBaseport.setEnabled(false);
    } else {
        optionHeadSideport.setEnabled(true);
        optionHeadBaseport.setEnabled(true);
        flags.letterS = versionText.contains(u'S', Qt::CaseInsensitive);
        if (scanUnit.isEmpty() || scanUnit == u"None"_s || scanUnit == u"none"_s) {
            optionHeadNone.setSelected(true);
            checkSpekro.setEnabled(false);
            tabs.setPageEnabled(editor::PageScanHead, false);
            m_scanHeadRemoved = true;
        } else {
            tabs.setPageEnabled(editor::PageScanHead, true);
            (flags.letterS ? optionHeadSideport : optionHeadBaseport).setSelected(true);
            checkSpekro.setEnabled(!flags.entryLevelHead);
        }
        optionHeadUpright.setEnabled(false);
    }

    // The FCS head sits on a port of an inverted stand, beside a full scan head only.
    const bool fcsPorts = flags.invertedStand && !flags.entryLevelHead;
    optionFcsSideport.setEnabled(fcsPorts);
    optionFcsBaseport.setEnabled(fcsPorts);
    tabs.setPageEnabled(editor::PageFcs, fcsPorts);
    if (!flags.fcsUnit) {
        optionFcsNone.setSelected(true);
        optionHeadNone.setEnabled(false);
        if (flags.entryLevelHead) {
            optionFcsSideport.setEnabled(false);
            optionFcsBaseport.setEnabled(false);
        }
        tabs.setPageEnabled(editor::PageFcs, false);
    } else if (flags.scanUnit) {
        (flags.letterS ? optionFcsBaseport : optionFcsSideport).setSelected(true);
        optionFcsNone.setEnabled(true);
    } else {
        (flags.letterS ? optionFcsSideport : optionFcsBaseport).setSelected(true);
        optionFcsNone.setEnabled(false);
    }
    optionHeadNone.setEnabled(!fcsNone());
}

void HeadFrames::readLaserRange() {
    db::Database& work = m_editor.work();
    comboSpekroType.clear();
    for (const char* entry : {"Vis", "Vis/UV", "Vis/IR"})
        comboSpekroType.addItem(QString::fromLatin1(entry));
    comboSpekroType.setEnabled(!m_editor.flags().entryLevelHead);
    const QString aoms = records::kAvailableAoms;
    auto inUse = [&](const QString& id) {
        return NullToText(ReadField(work, aoms, kIdAvailable, id, records::kStatus)) !=
               records::kStatusOff;
    };
    if (inUse(u"AOM NLO"_s))
        comboSpekroType.setCurrentIndex(2);
    else if (inUse(u"AOTF UV"_s))
        comboSpekroType.setCurrentIndex(1);
    else
        comboSpekroType.setCurrentIndex(0);
}

void HeadFrames::readImageFlip() {
    editor::ReadoutFlags& flags = m_editor.flags();
    auto flip = [&](const QString& field) {
        return ReadField(m_editor.work(), records::kAvailableDsps, kIdAvailable, u"Dsp1"_s, field)
            .toBool();
    };
    flags.exchangeXY = flip(records::kExchangeXY);
    flags.mirrorX = flip(records::kMirrorX);
    flags.mirrorY = flip(records::kMirrorY);
    checkImageFlip.setChecked(flags.exchangeXY || flags.mirrorX || flags.mirrorY);
}

} // namespace scanhead
