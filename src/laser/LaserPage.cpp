#include "LaserPage.h"

#include "ChangeLaserLineDialog.h"
#include "LaserNames.h"

#include <devices/Connections.h>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/Host.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>
#include <scanhead/HeadFrames.h>

namespace laser {

using namespace records;

namespace {

const QString kAreYouSure = u"Are You sure ?"_s;
const QString kKestroAttenuator = u"Kestro Attenuator"_s;
const QString kUvVisCollimator = u"UV/Vis"_s;
const QString kNirCollimator = u"NIR"_s;

} // namespace

LaserPage::LaserPage(editor::Editor& editor, devices::Connections& connections,
                     scanhead::HeadFrames& heads)
    : editor::Declarations(editor.main()), m_editor(editor), m_connections(connections),
      m_heads(heads) {
    checkArgon.setHandler([this] { laserAction([this] { CheckArgonClicked(); }); });
    checkArgon2.setHandler([this] { laserAction([this] { CheckArgon2Clicked(); }); });
    checkArKr.setHandler([this] { laserAction([this] { CheckArKrClicked(); }); });
    checkHeNeGreen.setHandler([this] {
        laserAction([this] {
            const bool ticked = checkHeNeGreen.isChecked();
            m_sources.writeStatus(kHeNe1, m_sources.statusFor(kHeNe1, ticked));
            setLine(checkLine543, ticked);
        });
    });
    checkHeNeRed.setHandler([this] { laserAction([this] { CheckHeNeRedClicked(); }); });
    checkBlueLaser.setHandler([this] { laserAction([this] { CheckBlueLaserClicked(); }); });
    checkEnterprise.setHandler([this] {
        laserAction([this] {
            uvLaserClicked(checkEnterprise, kEnterprise, checkKr413, {&checkLine351, &checkLine364},
                           kDriver4);
        });
    });
    checkKr413.setHandler([this] {
        laserAction([this] {
            m_sources.importLasers();
            m_sources.importWavelengths(kWavelength);
            uvLaserClicked(checkKr413, kKrypton413, checkEnterprise, {&checkLine413}, kDriver5);
        });
    });
    checkFading.setHandler([this] {
        if (m_editor.isLive())
            m_sources.SetFading(checkFading.isChecked());
    });
    checkAmir.setHandler([this] {
        laserAction([this] { m_sources.SetFcsMirror(u"FCS_AMIR"_s, checkAmir.isChecked()); });
    });
    checkBmir.setHandler([this] {
        laserAction([this] { m_sources.SetFcsMirror(u"FCS_BMIR"_s, checkBmir.isChecked()); });
    });
    eSpecialValue.setHandler([this] { cmdApplySpecialValue.setEnabled(true); });
    cmdApplySpecialValue.setHandler([this] { CmdApplySpecialValueClicked(); });

    checkNlo.setHandler([this] { laserAction([this] { CheckNLOClicked(); }); });
    for (const auto& [option, laser] : m_nloModels)
        option->setHandler([this, laser] { nloOptionChosen(laser); });
    checkLineIR.setHandler([this] {
        if (m_editor.isLive())
            CheckLineIRClicked();
    });
    eNloWavelength.setHandler([this] {
        if (m_editor.isLive())
            cmdApplyNloWavelength.setEnabled(true);
    });
    cmdApplyNloWavelength.setHandler([this] { CmdApplyNLOWavelengthClicked(); });

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
        if (const int startup = m_channels.StartupChannelOf(wavelength); startup != 0)
            preferred = startup;
        // The line's own channel counts as free while it looks for one. When the line has one
        // row, its channel is left out of the count rather than written away and back, so that
        // a line that keeps its channel writes nothing.
        const bool holdsChannel = row.value(kChannelNo).toInt() != 0;
        int channel = holdsChannel && row.recordCount() == 1
                          ? m_channels.ChooseChannel(preferred, rangeClass, wavelength)
                          : 0;
        if (channel == 0 && holdsChannel) {
            row.edit();
            row.setValue(kChannelNo, 0);
            row.update();
        }
        if (channel == 0)
            channel = m_channels.ChooseChannel(preferred, rangeClass);
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
    if (m_linesShown)
        m_linesShown();
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

void LaserPage::laserAction(const std::function<void()>& action) {
    if (!m_editor.isLive())
        return;
    const editor::BusyScope busy(m_editor.host());
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    };
    {
        const Depth depth(m_laserActions);
        action();
    }
    if (m_laserActions != 0)
        return;
    RebuildLaserTab();
    if (m_laserDevicesShown) {
        const editor::Quiet quiet(m_editor);
        m_laserDevicesShown();
    }
}

void LaserPage::setLine(form::CheckBox& box, bool on) {
    box.setEnabled(on);
    box.setChecked(on);
}

void LaserPage::setLines(const QList<form::CheckBox*>& boxes, bool on) {
    for (form::CheckBox* box : boxes)
        box->setEnabled(on);
    for (form::CheckBox* box : boxes)
        box->setChecked(on);
}

void LaserPage::collimator(const QString& name, bool enable) {
    if (m_switchCollimator)
        m_switchCollimator(name, enable);
}

void LaserPage::argonExclusions(form::CheckBox& box) {
    for (form::CheckBox* other : {&checkArgon, &checkArgon2, &checkArKr})
        if (other != &box && box.isChecked() && other->isChecked())
            other->setChecked(false);
}

void LaserPage::CheckArgonClicked() {
    const bool ticked = checkArgon.isChecked();
    if (!m_sources.exists(kArgon))
        return;
    m_sources.writeStatus(kArgon, m_sources.statusFor(kArgon, ticked));
    if (ticked)
        m_sources.RewriteStatusSignals(kArgon);
    argonExclusions(checkArgon);
    QList<form::CheckBox*> lines = {&checkLine458, &checkLine488};
    // The 514 line is offered only where the attenuator has a channel for it, and not ticked.
    const bool with514 = m_channels.ChannelExistsForWavelength(514);
    eSpecialValue.setEnabled(ticked);
    if (!ticked) {
        if (with514)
            lines.append(&checkLine514);
        setLines(lines, false);
        return;
    }
    for (form::CheckBox* box : lines)
        box->setEnabled(true);
    if (with514)
        checkLine514.setEnabled(true);
    for (form::CheckBox* box : lines)
        box->setChecked(true);
}

void LaserPage::CheckArgon2Clicked() {
    const bool ticked = checkArgon2.isChecked();
    const QString status = m_sources.statusFor(kArgon2, ticked);
    if (!m_sources.exists(kArgon2))
        m_sources.importLasers();
    if (ticked)
        m_sources.RewriteStatusSignals(kArgon2);
    m_sources.writeStatus(kArgon2, status);
    argonExclusions(checkArgon2);
    eSpecialValue.setEnabled(ticked);
    QList<form::CheckBox*> lines = {&checkLine458};
    // The entry-level head has no channel for 477.
    if (!m_editor.flags().entryLevelHead)
        lines.append(&checkLine477);
    lines << &checkLine488 << &checkLine514;
    setLines(lines, ticked);
}

void LaserPage::CheckArKrClicked() {
    const bool ticked = checkArKr.isChecked();
    m_sources.writeStatus(kArKr, m_sources.statusFor(kArKr, ticked));
    argonExclusions(checkArKr);
    eSpecialValue.setEnabled(ticked);
    setLines({&checkLine488, &checkLine568}, ticked);
}

void LaserPage::CheckHeNeRedClicked() {
    const bool ticked = checkHeNeRed.isChecked();
    const QString status = m_sources.statusFor(kHeNe2, ticked);
    m_sources.writeStatus(kHeNe2, status);
    // The entry-level head serves the red HeNe and the 405 diode on one channel, through the
    // HeNe's own switch.
    if (m_editor.flags().entryLevelHead) {
        if (checkHeNeRed.isChecked() && checkBlueLaser.isChecked())
            checkBlueLaser.setChecked(false);
        m_sources.switchOf(kHeNe2, status, false);
    }
    setLine(checkLine633, ticked);
}

void LaserPage::CheckBlueLaserClicked() {
    const bool ticked = checkBlueLaser.isChecked();
    const bool kestro = m_editor.flags().entryLevelHead;
    const QString status = m_sources.statusFor(kLaserDiode405, ticked);
    m_sources.writeStatus(kLaserDiode405, status);
    m_sources.switchOf(kLaserDiode405, status, true);
    if (kestro) {
        if (checkBlueLaser.isChecked() && checkHeNeRed.isChecked())
            checkHeNeRed.setChecked(false);
    } else {
        if (checkBlueLaser.isChecked()) {
            if (checkEnterprise.isChecked())
                checkEnterprise.setChecked(false);
            if (checkKr413.isChecked())
                checkKr413.setChecked(false);
        }
        if (!checkKr413.isChecked() && !checkEnterprise.isChecked() && !checkBlueLaser.isChecked())
            EnableNloControls(true);
    }
    if (ticked) {
        EnableNloControls(false);
        setLine(checkLine405, true);
    } else {
        setLine(checkLine405, false);
    }
    if (kestro)
        return;
    m_drivers.SetUvAotf(ticked);
    collimator(kUvVisCollimator, ticked);
    m_drivers.WriteDriverType(ticked ? kDriver5 : kDriver6);
    const editor::Quiet quiet(m_editor);
    comboAotfChannels.selectText(NullToText(
        ReadField(m_editor.work(), kCpAomDrivers, kIdAvailable, kAotfDriver, u"Lines"_s)));
}

void LaserPage::uvLaserClicked(form::CheckBox& box, const QString& laser, form::CheckBox& other,
                               const QList<form::CheckBox*>& lines, const QString& driverType) {
    const bool ticked = box.isChecked();
    m_sources.writeStatus(laser, m_sources.statusFor(laser, ticked));
    const QString port = m_sources.controlOf(laser);
    m_connections.SetPortInUse(port, ticked, laser);
    if (!ticked) {
        // A port the laser gave up may still serve another device.
        m_connections.RemarkUsedPorts(laser);
        if (!other.isChecked() && !checkBlueLaser.isChecked())
            EnableNloControls(true);
        setLines(lines, false);
        m_editor.setMessage(QString());
        m_drivers.WriteDriverType(kDriver6);
    } else {
        other.setChecked(false);
        if (checkBlueLaser.isChecked())
            checkBlueLaser.setChecked(false);
        EnableNloControls(false);
        setLines(lines, true);
        m_connections.CheckPortConflicts(laser, port);
        m_drivers.WriteDriverType(driverType);
    }
    m_drivers.SetUvAotf(ticked);
    collimator(kUvVisCollimator, ticked);
}

void LaserPage::EnableNloControls(bool enable) {
    checkNlo.setEnabled(enable);
    for (const auto& [option, laser] : m_nloModels)
        option->setEnabled(enable);
    checkLineIR.setEnabled(enable && checkNlo.isChecked());
}

QString LaserPage::selectedNloLaser() const {
    for (const auto& [option, laser] : m_nloModels)
        if (option->isSelected())
            return laser;
    return {};
}

void LaserPage::CheckNLOClicked() {
    const bool ticked = checkNlo.isChecked();
    m_sources.SetLaserSource(m_sources.currentNlo(), false);
    m_sources.SetLaserSource(selectedNloLaser(), ticked);
    for (form::CheckBox* uv : {&checkEnterprise, &checkKr413, &checkBlueLaser})
        uv->setEnabled(!ticked);
    if (ticked) {
        setLine(checkLineIR, true);
        m_nlo.SetNloAom(true, checkProgrAotf.isChecked());
        m_drivers.WriteDriverType(kDriver5);
    } else {
        checkLineIR.setEnabled(false);
        m_nlo.SetNloAom(false, checkProgrAotf.isChecked());
        m_drivers.WriteDriverType(kDriver6);
        checkLineIR.setChecked(false);
    }
    collimator(kNirCollimator, ticked);
    // The driver's port carries the modulator's settings while the laser is in use; switched
    // off, a port it shared stays in use for the other devices on it.
    if (ticked)
        m_connections.SetPortInUse(NullToText(ReadField(m_editor.work(), kAvailableAomDrivers,
                                                        kIdAvailable, kNloAomDriver, kControl)),
                                   true, u"AOM"_s);
    else
        m_connections.RemarkUsedPorts(u"AOM"_s);
}

void LaserPage::nloOptionChosen(const QString& laser) {
    // The rebuild shows the model in use; only a person's choice switches lasers.
    if (m_rebuildRunning.isRunning() || !checkNlo.isChecked())
        return;
    const editor::BusyScope busy(m_editor.host());
    m_sources.SetLaserSource(m_sources.currentNlo(), false);
    m_sources.SetLaserSource(laser, true);
    RebuildLaserTab();
}

void LaserPage::CheckLineIRClicked(bool warnPort) {
    const QString laser = m_sources.currentNlo();
    int wavelength = m_nlo.wavelengthOf(laser);
    if (wavelength == 0)
        wavelength = m_lastNloWavelength;
    if (wavelength == 0)
        return;
    const NloLaser::Cleanup cleanup = m_nlo.keepOnlyLine(wavelength, laser);
    // Only a calibration that really lost rows is reported.
    if (cleanup.inRange > 1 && cleanup.deleted)
        m_editor.setMessage(u"In Calibration Attenuator Channels was more then 1 NLO line, now "
                            "deleted !"_s);
    int preferred = kChannels;
    const bool ticked = checkLineIR.isChecked();
    SetLaserLine(wavelength, ticked, preferred, cleanup.inRange > 1);
    if (ticked && warnPort)
        m_connections.CheckPortConflicts(kNloAomDriver, m_connections.comboConnectionAom.text());
}

void LaserPage::CmdApplySpecialValueClicked() {
    // A text without a number is refused rather than stored as 0.
    if (const std::optional<double> value = LaserSources::leadingNumber(eSpecialValue.text())) {
        for (const auto& [box, laser] :
             {std::pair{&checkArgon, kArgon}, std::pair{&checkArgon2, kArgon2},
              std::pair{&checkArKr, kArKr}}) {
            if (box->isChecked()) {
                m_sources.writeSpecialValue(laser, *value);
                break;
            }
        }
    }
    cmdApplySpecialValue.setEnabled(false);
    RebuildLaserTab();
}

void LaserPage::CmdApplyNLOWavelengthClicked() {
    if (const std::optional<int> value = NloLaser::wavelengthFromText(eNloWavelength.text())) {
        m_nlo.ApplyWavelength(*value, m_lastNloWavelength, m_sources.currentNlo());
    } else {
        const editor::Quiet quiet(m_editor);
        eNloWavelength.setText(QString::number(m_lastNloWavelength));
    }
    cmdApplyNloWavelength.setEnabled(false);
    RebuildLaserTab();
}

void LaserPage::showFading() {
    const editor::Quiet quiet(m_editor);
    checkFading.setChecked(m_sources.fadingUsable());
}

void LaserPage::showPortLists() {
    const editor::Quiet quiet(m_editor);
    db::Database& work = m_editor.work();
    auto show = [](form::ListBox& list, bool enabled, const QString& port) {
        if (!enabled || !list.selectText(port))
            list.setCurrentIndex(-1);
        list.setEnabled(enabled);
    };
    auto driverPort = [&work](const QString& driver) {
        return IsDeviceUsable(work, kAvailableAomDrivers, driver)
                   ? std::optional<QString>(NullToText(
                         ReadField(work, kAvailableAomDrivers, kIdAvailable, driver, kControl)))
                   : std::nullopt;
    };
    const std::optional<QString> aotf = driverPort(kAotfDriver);
    show(m_connections.comboConnectionAotf, aotf.has_value(), aotf.value_or(QString()));
    const std::optional<QString> aom = driverPort(kNloAomDriver);
    show(m_connections.comboConnectionAom, aom.has_value(), aom.value_or(QString()));

    // The UV laser's list names the Krypton laser's port over the Enterprise's, as the laser
    // page derives them in that order.
    QString uvLaser;
    for (const QString& laser : {kEnterprise, kKrypton413})
        if (m_sources.usable(laser))
            uvLaser = laser;
    show(m_connections.comboConnectionUvLaser, !uvLaser.isEmpty(), m_sources.controlOf(uvLaser));

    // Only the lasers with a port of their own: the off-line laser has none.
    QString nloLaser;
    for (const auto& [option, laser] : m_nloModels) {
        if (m_sources.usable(laser)) {
            nloLaser = laser;
            break;
        }
    }
    const bool nloPort = nloLaser == kMaiTai || nloLaser == kChameleon;
    show(m_connections.comboConnectionNloLaser, nloPort, m_sources.controlOf(nloLaser));
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

void LaserPage::showSystemLine(bool kestro) {
    checkArKr.setVisible(!kestro);
    for (form::Control* control : std::initializer_list<form::Control*>{
             &checkEnterprise, &checkKr413, &checkProgrAotf, &m_connections.cmdLaserConnect})
        control->setEnabled(!kestro);
    // Everything the entry-level head disables comes back with any other head; the sections
    // below then disable what the lasers in use exclude.
    EnableNloControls(!kestro);
    checkBlueLaser.setEnabled(true);
    if (!kestro) {
        m_sources.importPotentialLasers();
        m_sources.importLasers();
        m_sources.importWavelengths(kIdAvailable);
        showLedControl();
        return;
    }
    for (form::Control* control : std::initializer_list<form::Control*>{
             &checkBmir, &checkAmir, &checkLineIR, &checkLine351, &checkLine364, &checkLine413,
             &checkLine477, &m_connections.comboConnectionUvLaser,
             &m_connections.comboConnectionNloLaser, &m_connections.comboConnectionAotf,
             &m_connections.comboConnectionAom, &cmdApplyNloWavelength, &optionNloMaiTai,
             &optionNloChameleon})
        control->setEnabled(false);
}

void LaserPage::showLedControl() {
    const bool fcsHead = !m_heads.fcsNone();
    if (!fcsHead)
        return;
    const QString controllers = m_heads.scanHeadFitted() ? u"REG100,FCS_LED"_s : u"FCS_LED"_s;
    // The lasers keep their controllers when they already have these.
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT [Control LED] FROM [Available Lasers] WHERE [Control LED] IS NOT ? LIMIT 1"_s,
        {controllers});
    if (!rs.eof())
        m_heads.SetLaserLedControl(controllers);
}

void LaserPage::showArgonLasers(bool kestro) {
    const bool argon = m_sources.usable(kArgon);
    const bool argon2 = m_sources.usable(kArgon2);
    const bool arKr = m_sources.usable(kArKr);
    checkArgon.setChecked(argon);
    checkArgon2.setChecked(argon2);
    checkArKr.setChecked(arKr);
    auto showValue = [this](const QString& laser) {
        eSpecialValue.setText(NullToText(
            ReadField(m_editor.work(), kAvailableLasers, kIdAvailable, laser, u"Special Value"_s)));
    };
    if (argon2) {
        showValue(kArgon2);
        for (form::CheckBox* box : {&checkLine458, &checkLine488, &checkLine514})
            box->setEnabled(true);
        if (!kestro)
            checkLine477.setEnabled(true);
    } else if (!kestro) {
        checkLine477.setEnabled(false);
    }
    if (argon) {
        showValue(kArgon);
        checkLine458.setEnabled(true);
        checkLine488.setEnabled(true);
        checkLine514.setEnabled(m_channels.ChannelExistsForWavelength(514));
    }
    if (!argon && !argon2)
        for (form::CheckBox* box : {&checkLine458, &checkLine488, &checkLine514})
            box->setEnabled(false);
    if (arKr) {
        showValue(kArKr);
        checkLine488.setEnabled(true);
        checkLine568.setEnabled(true);
    } else {
        checkLine568.setEnabled(false);
        if (!argon && !argon2)
            checkLine488.setEnabled(false);
    }
    eSpecialValue.setEnabled(argon || argon2 || arKr);
    cmdApplySpecialValue.setEnabled(false);
}

void LaserPage::showNloModel() {
    for (const auto& [option, laser] : m_nloModels) {
        if (!m_sources.usable(laser))
            continue;
        checkNlo.setChecked(true);
        option->setSelected(true);
        m_sources.setCurrentNlo(laser);
        // The line of every model can be switched; the off-line laser's too.
        checkLineIR.setEnabled(true);
        return;
    }
    checkNlo.setChecked(false);
    checkLineIR.setEnabled(false);
    m_sources.setCurrentNlo(QString());
}

void LaserPage::showFcsMirrors(bool kestro) {
    db::Database& work = m_editor.work();
    for (const auto& [box, mirror] :
         {std::pair{&checkAmir, u"FCS_AMIR"_s}, std::pair{&checkBmir, u"FCS_BMIR"_s}}) {
        box->setEnabled(!kestro && RecordExists(work, kAvailableSwitches, kIdAvailable, mirror));
        box->setChecked(IsDeviceUsable(work, kAvailableServos, mirror));
    }
}

void LaserPage::RebuildLaserTab() {
    if (m_rebuildRunning.isRunning())
        return;
    const editor::Running running(m_rebuildRunning);
    {
        const editor::Quiet quiet(m_editor);
        const bool kestro = m_editor.flags().entryLevelHead;
        showSystemLine(kestro);
        if (!m_sources.exists(kLaserDiode405))
            m_sources.importEntryLevelLasers();
        showArgonLasers(kestro);

        const bool heNe1 = m_sources.usable(kHeNe1);
        checkHeNeGreen.setChecked(heNe1);
        checkLine543.setEnabled(heNe1);
        const bool heNe2 = m_sources.usable(kHeNe2);
        checkHeNeRed.setChecked(heNe2);
        checkLine633.setEnabled(heNe2);
        checkEnterprise.setChecked(m_sources.usable(kEnterprise));
        checkKr413.setChecked(m_sources.usable(kKrypton413));

        showNloModel();
        if (checkNlo.isChecked()) {
            const QString laser = m_sources.currentNlo();
            eNloWavelength.setText(NullToText(
                ReadField(m_editor.work(), u"CP Wavelength"_s, kIdAvailable, laser, kWavelength)));
            for (form::CheckBox* uv : {&checkEnterprise, &checkKr413, &checkBlueLaser})
                uv->setEnabled(false);
            // The wavelength shown is applied as the Apply button would, so that the line
            // follows the laser's wavelength.
            if (const std::optional<int> value =
                    NloLaser::wavelengthFromText(eNloWavelength.text()))
                m_nlo.ApplyWavelength(*value, m_lastNloWavelength, laser);
            else
                eNloWavelength.setText(QString::number(m_lastNloWavelength));
            cmdApplyNloWavelength.setEnabled(false);
            m_lastNloWavelength = eNloWavelength.text().toInt();
        }
        if (m_lastNloWavelength != 0)
            checkLineIR.setCaption(u"%1 nm"_s.arg(m_lastNloWavelength));

        const bool blue = m_sources.usable(kLaserDiode405);
        checkBlueLaser.setChecked(blue);
        checkLine405.setEnabled(blue);

        const bool enterprise = checkEnterprise.isChecked();
        const bool krypton = checkKr413.isChecked();
        checkLine351.setEnabled(enterprise);
        checkLine364.setEnabled(enterprise);
        checkLine413.setEnabled(krypton);
        // The UV lasers and the 405 diode exclude the near-infrared laser.
        if (enterprise || krypton || (blue && !kestro))
            EnableNloControls(false);
        showFcsMirrors(kestro);
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
