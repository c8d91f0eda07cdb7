#include "LaserPage.h"

#include "ChangeLaserLineDialog.h"
#include "LaserNames.h"

#include <devices/Connections.h>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/Host.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace laser {

using namespace records;

namespace {

const QString kAreYouSure = u"Are You sure ?"_s;
const QString kKestroAttenuator = u"Kestro Attenuator"_s;

} // namespace

LaserPage::LaserPage(editor::Editor& editor, devices::Connections& connections)
    : editor::Declarations(editor.main()), m_editor(editor), m_connections(connections) {
    for (const LineBox& line : m_lines)
        line.box->setHandler([this, &line] { lineBoxClicked(line); });

    comboAotfChannels.setHandler([this] {
        if (!m_editor.isLive())
            return;
        const QString type = AotfDrivers::driverTypeForLines(comboAotfChannels.text());
        if (!type.isEmpty())
            m_drivers.WriteDriverType(type);
    });
    checkProgrAotf.setHandler([this] { progrAotfClicked(); });
    cmdAomReset.setHandler([this] {
        if (m_editor.host().askYesNo(kAreYouSure, u"Reset AOM frequency to standard values"_s))
            m_drivers.ResetAomFrequency();
    });
    cmdResetAomCalibration.setHandler([this] {
        if (m_editor.host().askYesNo(kAreYouSure, u"Reset all AOTF calibration data"_s))
            m_drivers.ResetCalibration(m_editor.flags().entryLevelHead);
    });

    editor.addPageReadout(editor::PageLaser, [this] { RebuildLaserTab(); });
}

void LaserPage::lineBoxClicked(const LineBox& line) {
    if (!m_editor.isLive())
        return;
    const bool kestro = m_editor.flags().entryLevelHead;
    int preferred = kestro ? line.preferredKestro : line.preferredOther;
    SetLaserLine(line.wavelength, line.box->isChecked(), preferred, false);
    // The entry-level head's attenuator has a fifth channel for the 405 and 633 lines.
    if (kestro && (line.box == &checkLine405 || line.box == &checkLine633))
        WriteField(m_editor.work(), kAvailableAoms, kIdAvailable, kKestroAttenuator, kIdPotential,
                   checkLine633.isChecked() || checkLine405.isChecked() ? u"Kestro Attenuator5"_s
                                                                        : u"Kestro Attenuator4"_s);
}

void LaserPage::importLine() {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    if (m_editor.flags().entryLevelHead) {
        MergeMissingRows(templ, work, u"Available Attenuator Channels Kestro"_s,
                         kAttenuatorChannels, kWavelength);
        MergeMissingRows(templ, work, u"Available Servos Kestro"_s, u"Available Servos"_s,
                         kIdAvailable);
        MergeMissingRows(templ, work, u"Calibration Servos Kestro"_s, u"Calibration Servos"_s,
                         kIdAvailable);
    } else {
        MergeMissingRows(templ, work, kAttenuatorChannels, kAttenuatorChannels, kWavelength);
    }
}

void LaserPage::SetLaserLine(int wavelength, bool on, int& preferred, bool skipCalibrationImport) {
    if (m_lineRunning.isRunning())
        return;
    const editor::Running running(m_lineRunning);
    db::Database& work = m_editor.work();
    const bool kestro = m_editor.flags().entryLevelHead;
    const QString status = on ? kStatusInUse : kStatusOff;
    const int rangeClass = AttenuatorChannels::rangeClassOf(wavelength);
    const QString select = u"SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] = ? "
                           "ORDER BY _rowid_"_s;

    db::Recordset row = work.OpenRecordset(select, {wavelength});
    if (row.eof()) {
        if (!skipCalibrationImport)
            MergeMissingRows(m_editor.templ(), work, kCalibrationAttenuatorChannels,
                             kCalibrationAttenuatorChannels, kWavelength);
        importLine();
        row = work.OpenRecordset(select, {wavelength});
    }
    if (row.eof()) {
        m_editor.setMessage(u"Line %1 nm not exist! Database Error!"_s.arg(wavelength));
    } else if (on) {
        // The line's own channel counts as free while it looks for one.
        if (row.value(kChannelNo).toInt() != 0) {
            row.edit();
            row.setValue(kChannelNo, 0);
            row.update();
        }
        if (const int startup = m_channels.StartupChannelOf(wavelength); startup != 0)
            preferred = startup;
        int channel = m_channels.ChooseChannel(preferred, rangeClass);
        if (channel == 0) {
            // A visible line never takes the channel of a UV or infrared line.
            const int holder = m_channels.RangeOfChannelHolder(preferred);
            if (rangeClass == AttenuatorChannels::Visible &&
                (holder == AttenuatorChannels::Ultraviolet ||
                 holder == AttenuatorChannels::Infrared))
                preferred = 0;
            if (preferred != 0)
                m_channels.ReleaseChannel(preferred);
            else if (m_changeLine)
                m_changeLine->exec();
            channel = m_channels.ChooseChannel(preferred, rangeClass);
        }
        row.edit();
        row.setValue(kChannelNo, channel);
        row.setValue(kStatus, status);
        row.setValue(kNotInclude, false);
        row.update();
    } else {
        if (kestro)
            servoStep(wavelength, status);
        // A fixed AOTF keeps the visible line's channel for it; a programmable one frees it.
        row.edit();
        const bool visibleAotfLine = wavelength >= 450 && wavelength <= kInfraredAbove;
        if (!visibleAotfLine || !checkProgrAotf.isChecked())
            row.setValue(kNotInclude, true);
        if (!visibleAotfLine || checkProgrAotf.isChecked())
            row.setValue(kChannelNo, 0);
        row.update();
    }
    if (on && kestro)
        servoStep(wavelength, status);
    SyncLineBoxes();
}

void LaserPage::servoStep(int wavelength, const QString& status) {
    db::Database& work = m_editor.work();
    const QVariant channel =
        ReadFieldByNumber(work, kAttenuatorChannels, kWavelength, wavelength, kChannelNo);
    const QString servo =
        NullToText(ReadFieldByNumber(work, u"Available Channel Controls"_s, kChannelNo,
                                     channel.toInt(), u"Control Attenuation"_s));
    if (servo.isEmpty())
        return;
    const QString servos = u"Available Servos"_s;
    WriteField(work, servos, kIdAvailable, servo, kStatus, status);
    const QString offset =
        NullToText(ReadField(work, servos, kIdAvailable, servo, u"Control FirmwareOffset"_s));
    if (!offset.isEmpty())
        WriteField(work, u"Available Firmware Parameters"_s, kIdAvailable, offset, kStatus, status);
}

void LaserPage::SyncLineBoxes() {
    const editor::Quiet quiet(m_editor);
    for (const LineBox& line : m_lines)
        line.box->setChecked(false);
    checkLineIR.setChecked(false);
    eNloWavelength.setText(QString());
    for (db::Recordset rs = m_editor.work().OpenRecordset(kCpAttenuatorChannels); !rs.eof();
         rs.moveNext()) {
        // A line left out of the attenuator shows switched off, although it keeps its channel.
        if (!IsUsable(rs.value(kStatus)) || rs.value(kChannelNo).toInt() == 0 ||
            rs.value(kNotInclude).toBool())
            continue;
        const int wavelength = rs.value(kWavelength).toInt();
        for (const LineBox& line : m_lines)
            if (line.wavelength == wavelength)
                line.box->setChecked(true);
        if (wavelength > kInfraredAbove) {
            checkLineIR.setChecked(true);
            eNloWavelength.setText(QString::number(wavelength));
        }
    }
}

void LaserPage::progrAotfClicked() {
    if (!m_editor.isLive())
        return;
    const bool ticked = checkProgrAotf.isChecked();
    comboAotfChannels.setEnabled(ticked);
    const QString port = m_drivers.SetProgrammable(ticked);
    if (ticked) {
        m_connections.CheckPortConflicts(kAotfDriver, port);
        m_connections.SetPortInUse(port, true, u"AOTF"_s);
    } else {
        m_editor.setMessage(QString());
    }
    // A port the driver gave up may still serve another device.
    m_connections.RemarkUsedPorts(u"AOTF"_s);
    RebuildLaserTab();
}

void LaserPage::showPortLists() {
    const editor::Quiet quiet(m_editor);
    db::Database& work = m_editor.work();
    form::ListBox& aotf = m_connections.comboConnectionAotf;
    const bool driverUsable = IsDeviceUsable(work, kAvailableAomDrivers, kAotfDriver);
    const QString port =
        driverUsable
            ? NullToText(ReadField(work, kAvailableAomDrivers, kIdAvailable, kAotfDriver, kControl))
            : QString();
    if (!aotf.selectText(port))
        aotf.setCurrentIndex(-1);
    aotf.setEnabled(driverUsable);
}

void LaserPage::showDriverState() {
    db::Database& work = m_editor.work();
    const bool driverUsable = IsDeviceUsable(work, kAvailableAomDrivers, kAotfDriver);
    checkProgrAotf.setChecked(driverUsable);
    comboAotfChannels.setEnabled(driverUsable);
    showPortLists();
    comboAotfChannels.clear();
    comboAotfChannels.addItems({{u"4"_s, {}}, {u"5"_s, {}}, {u"6"_s, {}}});
    const QString lines =
        NullToText(ReadField(work, kCpAomDrivers, kIdAvailable, kAotfDriver, u"Lines"_s));
    if (!comboAotfChannels.selectText(lines))
        comboAotfChannels.setCurrentIndex(-1);
}

void LaserPage::RebuildLaserTab() {
    if (m_rebuildRunning.isRunning())
        return;
    const editor::Running running(m_rebuildRunning);
    {
        const editor::Quiet quiet(m_editor);
        SyncLineBoxes();
        showDriverState();
    }
    // Only a warning: the user puts the channels right with the wavelength dialog.
    m_channels.ChooseChannel(0, AttenuatorChannels::Visible);
    if (m_channels.conflict())
        m_editor.host().message(u"Channels are multiple checked, you must change !"_s,
                                editor::texts::kCaption, form::MessageIcon::Warning);
}

} // namespace laser
