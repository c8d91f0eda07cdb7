#include "Readout.h"

#include "BusyScope.h"
#include "Editor.h"
#include "MainForm.h"
#include "Texts.h"

#include <QLocale>
#include <db/RecordHelpers.h>
#include <db/SqlDialect.h>
#include <db/TemplateMerge.h>
#include <form/FormSet.h>
#include <form/QuietScope.h>

namespace app {

using db::IsDeviceUsable;
using db::IsUsable;
using db::NullToText;
using db::ReadField;
using db::WriteField;

namespace {

const QString kPointDetectors = QStringLiteral("Available Point Detectors");
const QString kFilterSets = QStringLiteral("Available FilterSets");
const QString kAvailableCameras = QStringLiteral("Available Cameras");
const QString kPotentialCameras = QStringLiteral("Potential Cameras");
const QString kCpCameras = QStringLiteral("CP Cameras");
const QString kCpCamerasSql = QStringLiteral(
    "SELECT [Available Cameras].[ID Available], [Available Cameras].Status, [Potential "
    "Cameras].Kind, [Available Cameras].[Control Dll], [Potential Cameras].RGB, [Potential "
    "Cameras].[Pixel Size X], [Potential Cameras].[Pixel Size Y], [Potential Cameras].[Binning "
    "Brightness], [Available Cameras].Port FROM [Available Cameras] INNER JOIN [Potential Cameras] "
    "ON [Available Cameras].[ID Potential] = [Potential Cameras].[ID Potential];");
const QString kInvertaM2 = QStringLiteral("Inverta M2");
const QString kDoNotUse = db::kStatusOff;

QString upper(const QString& s) {
    return s.toUpper();
}

} // namespace

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
    db::Recordset rs = m_editor.work().OpenRecordset(texts::kSystemVersions);
    if (rs.eof())
        return;
    rs.edit();
    rs.setValue(texts::kVersionName, markRelease(NullToText(rs.value(texts::kVersionName))));
    rs.update();
}

void Readout::Refresh() {
    Editor& e = m_editor;
    form::Form& f = e.main();
    e.live = false;
    {
        db::Recordset versions = e.work().OpenRecordset(texts::kSystemVersions);
        if (!versions.eof())
            f.label(QStringLiteral("LVersion"))
                .setCaption(NullToText(versions.value(texts::kVersionName)));
    }
    {
        const BusyScope busy(e.host());
        ReadConfiguration();
        runHook(e.hooks.FillScanWheelList);
        runHook(e.hooks.ReadNddPage);
        runHook(e.hooks.LightPathView);

        const bool invertaM2 = f.label(QStringLiteral("LIDMicroscope")).caption() == kInvertaM2;
        for (const char* name : {"ComboZoomex", "ComboBaseport", "ComboSideport"})
            f.listBox(QString::fromLatin1(name)).setEnabled(invertaM2);
        f.listBox(QStringLiteral("ComboCameraPort")).setVisible(invertaM2);
        f.label(QStringLiteral("LabelPort")).setVisible(invertaM2);

        runHook(e.hooks.RebuildLaserTab);
        runHook(e.hooks.ReadDetectionPage);
        ReadFcsPage();
    }
    e.live = true;
    runHook(e.hooks.CheckLineIR);
}

void Readout::ReadConfiguration() {
    Editor& e = m_editor;
    db::Database& work = e.work();
    form::Form& f = e.main();
    const form::QuietScope quiet(e.live);
    const BusyScope busy(e.host());

    // 2. Release mark.
    markReleaseRow();
    QString versionText;
    {
        db::Recordset versions = work.OpenRecordset(texts::kSystemVersions);
        if (!versions.eof())
            versionText = NullToText(versions.value(texts::kVersionName));
    }

    // 3. The system row.
    QString systemId, configuration, standId, scanUnit, laserModule, fcsUnit;
    bool nddField = false;
    {
        db::Recordset system = work.OpenRecordset(texts::kAvailableSystems);
        if (!system.eof()) {
            systemId = NullToText(system.value(texts::kIdAvailable));
            configuration = NullToText(system.value(QStringLiteral("ID Configuration")));
            standId = NullToText(system.value(QStringLiteral("ID Stand")));
            scanUnit = NullToText(system.value(QStringLiteral("ID Scan Unit")));
            laserModule = NullToText(system.value(QStringLiteral("ID Laser Module")));
            fcsUnit = NullToText(system.value(QStringLiteral("ID FCS Unit")));
            nddField = system.value(QStringLiteral("NDD")).toBool();
        }
    }
    f.label(QStringLiteral("LIDLasermodul")).setCaption(laserModule);
    f.label(QStringLiteral("LIDFCS")).setCaption(fcsUnit);
    if (e.configurationName.isEmpty())
        e.configurationName = configuration;

    // 4.
    if (systemId.contains(QStringLiteral("Ombrix"))) {
        e.host().beep();
        e.setMessage(QStringLiteral("Warning : Database is Ombrix !"));
    }

    // 5. The non-descanned detectors.
    const bool ndd = nddField ||
                     IsDeviceUsable(work, kPointDetectors, QStringLiteral("NDD_Pmt6")) ||
                     IsDeviceUsable(work, kFilterSets, QStringLiteral("NDD_NT2"));
    form::CheckBox& checkNdd = f.checkBox(QStringLiteral("CheckNDD"));
    if (checkNdd.isChecked() != ndd)
        checkNdd.setChecked(ndd); // runs the master switch
    else
        CheckNDDClicked();

    // 6.-7.
    const QString filterWheel = NullToText(ReadField(work, kFilterSets, texts::kIdAvailable,
                                                     QStringLiteral("FW1"), texts::kIdPotential));
    ShowConfigurationName(configuration);
    ReadoutFlags& flags = e.flags;
    flags.invertedStand = upper(standId).contains(QStringLiteral("VERT"));
    flags.entryLevelHead = upper(scanUnit).contains(QStringLiteral("KESTRO"));
    flags.spectralHead = upper(scanUnit).contains(QStringLiteral("SPI"));
    flags.scanUnit = !scanUnit.isEmpty() && upper(scanUnit) != QStringLiteral("NONE");
    flags.fcsUnit = !fcsUnit.isEmpty() && fcsUnit != QStringLiteral("None") &&
                    upper(fcsUnit) != QStringLiteral("NONE");

    // 8. Laser range list.
    form::ListBox& range = f.listBox(QStringLiteral("ComboSpekroType"));
    range.clear();
    for (const char* entry : {"Vis", "Vis/UV", "Vis/IR"})
        range.addItem(QString::fromLatin1(entry));
    range.setEnabled(!flags.entryLevelHead);
    checkNdd.setEnabled(!flags.entryLevelHead);
    const QString aoms = QStringLiteral("Available AOMs");
    if (NullToText(ReadField(work, aoms, texts::kIdAvailable, QStringLiteral("AOM NLO"),
                             texts::kStatus)) != kDoNotUse)
        range.setCurrentIndex(2);
    else if (NullToText(ReadField(work, aoms, texts::kIdAvailable, QStringLiteral("AOTF UV"),
                                  texts::kStatus)) != kDoNotUse)
        range.setCurrentIndex(1);
    else
        range.setCurrentIndex(0);

    // 9.
    readStandList(standId, filterWheel, configuration);

    // 10. SCSI adapter: the character third from the end of the address.
    const QString address =
        NullToText(ReadField(work, QStringLiteral("Available Interfaces"), texts::kIdAvailable,
                             QStringLiteral("HCS1"), QStringLiteral("Address")));
    f.textBox(QStringLiteral("EScsi"))
        .setText(address.size() >= 3 ? address.mid(address.size() - 3, 1) : QString());

    // 11.
    readHeads(versionText, scanUnit);

    // 12. Stage.
    const QVariant stage = ReadField(work, QStringLiteral("CP Stage"), texts::kIdAvailable,
                                     QStringLiteral("Stage"), texts::kStatus);
    const bool stageUsable = IsUsable(stage);
    f.checkBox(QStringLiteral("CheckStage")).setChecked(stageUsable);
    f.optionButton(QStringLiteral("OptionHandwheelyes")).setEnabled(stageUsable);
    f.optionButton(QStringLiteral("OptionHandwheelno")).setEnabled(stageUsable);
    if (ReadField(work, QStringLiteral("CP Stage"), texts::kIdAvailable, QStringLiteral("Stage"),
                  QStringLiteral("Handwheel"))
            .toBool())
        f.optionButton(QStringLiteral("OptionHandwheelyes")).setSelected(true);
    else
        f.optionButton(QStringLiteral("OptionHandwheelno")).setSelected(true);
    const bool piezo =
        IsDeviceUsable(work, QStringLiteral("Available Stages"), QStringLiteral("StageP"));
    f.checkBox(QStringLiteral("CheckPiezo")).setChecked(piezo);
    f.checkBox(QStringLiteral("CheckPiezo1")).setChecked(piezo);

    // 13.
    tableUpkeep();

    // 14. Transmission mirror.
    const QVariant mirror =
        ReadField(work, QStringLiteral("Available Shutters"), texts::kIdAvailable,
                  QStringLiteral("Transmission Mirror"), texts::kStatus);
    const bool mirrorUsable = IsUsable(mirror);
    f.checkBox(QStringLiteral("CheckTransmissionMirror")).setChecked(mirrorUsable);
    f.optionButton(NullToText(mirror) == db::kStatusDummy ? QStringLiteral("OptionTransmMirrorMan")
                                                          : QStringLiteral("OptionTransmMirrorMot"))
        .setSelected(true);
    f.optionButton(QStringLiteral("OptionTransmMirrorMan")).setEnabled(mirrorUsable);
    f.optionButton(QStringLiteral("OptionTransmMirrorMot")).setEnabled(mirrorUsable);

    // 15. The descanned detector; a missing row counts as usable.
    flags.descannedDetector = IsUsable(NullToText(ReadField(
        work, kPointDetectors, texts::kIdAvailable, QStringLiteral("PmtD"), texts::kStatus)));
    f.checkBox(QStringLiteral("CheckTransmissionPmt")).setChecked(flags.descannedDetector);

    // 16.-17.
    cameraUpkeep();
    fieldUpkeep();

    // 18. Image flip of the scan processor.
    const QString dsps = QStringLiteral("Available Dsps");
    auto flip = [&](const char* field) {
        return ReadField(work, dsps, texts::kIdAvailable, QStringLiteral("Dsp1"),
                         QString::fromLatin1(field))
            .toBool();
    };
    flags.exchangeXY = flip("Exchange XY");
    flags.mirrorX = flip("Mirror X");
    flags.mirrorY = flip("Mirror Y");
    f.checkBox(QStringLiteral("CheckImageFlip"))
        .setChecked(flags.exchangeXY || flags.mirrorX || flags.mirrorY);

    // 19. Fading DAC rows.
    db::MergeMissingRows(e.templ(), work, QStringLiteral("Available DACs Fading"),
                         QStringLiteral("Available DACs"), texts::kIdAvailable);
    db::MergeMissingRows(e.templ(), work, QStringLiteral("Calibration DACs Fading"),
                         QStringLiteral("Calibration DACs"), texts::kIdAvailable);

    // 20.
    WriteField(work, kPointDetectors, texts::kIdAvailable, QStringLiteral("PmtM"),
               QStringLiteral("Next Optical Device"), QStringLiteral("F/EF5"));

    // 21. A calibration row left under the driver's old name.
    const QString drivers = QStringLiteral("Available AOM Drivers");
    const QString calibration = QStringLiteral("Calibration AOM Drivers");
    const QString driver = QStringLiteral("AOTF Driver");
    if (db::RecordExists(work, drivers, texts::kIdAvailable, driver) &&
        !db::RecordExists(work, calibration, texts::kIdAvailable, driver)) {
        work.execute(
            QStringLiteral(
                "UPDATE [Calibration AOM Drivers] SET [ID Available] = ? WHERE [ID Available] = ?"),
            {driver, QStringLiteral("AOTF 4 PR")});
        e.setMessage(QStringLiteral("Calibration AOM Drivers table corrected!"));
    }

    // 22.
    WriteField(work, QStringLiteral("Available Firmware Parameters"), texts::kIdAvailable,
               QStringLiteral("Parfocal Enable Flag"), QStringLiteral("Digits"), 3);
}

void Readout::readStandList(const QString& standId, const QString& filterWheel,
                            const QString& configuration) {
    Editor& e = m_editor;
    form::Form& f = e.main();
    form::ListBox& stands = f.listBox(QStringLiteral("ComboMicroscops"));
    stands.clear();
    int selected = -1;
    db::Recordset rows = e.templ().OpenRecordset(QStringLiteral("Available Microscopes"));
    for (int n = 1; !rows.eof(); rows.moveNext(), ++n) {
        stands.addItem(NullToText(rows.value(QStringLiteral("Microscope"))), n);
        const QString id = NullToText(rows.value(QStringLiteral("ID Stand")));
        if (id != standId)
            continue;
        // Stands that exist with several filter wheels are told apart by the first wheel.
        if ((id == QStringLiteral("Plan") || id == QStringLiteral("Erecta")) &&
            NullToText(rows.value(QStringLiteral("ID Potential FW1"))) != filterWheel)
            continue;
        selected = stands.count() - 1;
    }
    if (stands.count() > 0)
        stands.setCurrentIndex(selected < 0 ? 0 : selected);
    ShowConfigurationName(configuration);
    f.label(QStringLiteral("LIDMicroscope")).setCaption(stands.text());
    runHook(e.hooks.InterfaceReadout);
}

void Readout::readHeads(const QString& versionText, const QString& scanUnit) {
    Editor& e = m_editor;
    form::Form& f = e.main();
    ReadoutFlags& flags = e.flags;
    form::TabControl& tabs = f.tabControl(QStringLiteral("SSTab1"));
    auto option = [&](const char* name) -> form::OptionButton& {
        return f.optionButton(QString::fromLatin1(name));
    };
    form::CheckBox& spekro = f.checkBox(QStringLiteral("CheckSpekro"));

    // Head frame.
    f.label(QStringLiteral("Frame2"))
        .setCaption(flags.entryLevelHead ? QStringLiteral("KESTRO Head") : texts::kVtxHead);
    spekro.setEnabled(!flags.entryLevelHead);
    spekro.setChecked(flags.spectralHead);

    if (!flags.invertedStand) {
        option("OptionButtonHeadUpright").setEnabled(true);
        option("OptionButtonHeadUpright").setSelected(true);
        spekro.setEnabled(!flags.entryLevelHead);
        option("OptionButtonHeadSideport").setEnabled(false);
        option("OptionButtonHeadBasePort").setEnabled(false);
    } else {
        option("OptionButtonHeadSideport").setEnabled(true);
        option("OptionButtonHeadBasePort").setEnabled(true);
        flags.letterS = versionText.contains(u'S', Qt::CaseInsensitive);
        if (scanUnit.isEmpty() || scanUnit == QStringLiteral("None") ||
            scanUnit == QStringLiteral("none")) {
            option("OptionButtonHeadNone").setSelected(true);
            spekro.setEnabled(false);
            tabs.setPageEnabled(PageScanHead, false);
            e.scanHead = true;
        } else {
            tabs.setPageEnabled(PageScanHead, true);
            option(flags.letterS ? "OptionButtonHeadSideport" : "OptionButtonHeadBasePort")
                .setSelected(true);
            spekro.setEnabled(!flags.entryLevelHead);
        }
        option("OptionButtonHeadUpright").setEnabled(false);
    }

    // FCS head.
    const bool fcsPorts = flags.invertedStand && !flags.entryLevelHead;
    option("OptionButtonFCSSideport").setEnabled(fcsPorts);
    option("OptionButtonFCSBaseport").setEnabled(fcsPorts);
    tabs.setPageEnabled(PageFcs, fcsPorts);
    if (!flags.fcsUnit) {
        option("OptionButtonFCSNone").setSelected(true);
        option("OptionButtonHeadNone").setEnabled(false);
        if (flags.entryLevelHead) {
            option("OptionButtonFCSSideport").setEnabled(false);
            option("OptionButtonFCSBaseport").setEnabled(false);
        }
        tabs.setPageEnabled(PageFcs, false);
    } else if (flags.scanUnit) {
        option(flags.letterS ? "OptionButtonFCSBaseport" : "OptionButtonFCSSideport")
            .setSelected(true);
        option("OptionButtonFCSNone").setEnabled(true);
    } else {
        option(flags.letterS ? "OptionButtonFCSSideport" : "OptionButtonFCSBaseport")
            .setSelected(true);
        option("OptionButtonFCSNone").setEnabled(false);
    }
    const bool noFcs = option("OptionButtonFCSNone").isSelected();
    f.checkBox(QStringLiteral("CheckPiezo")).setEnabled(!noFcs);
    option("OptionButtonHeadNone").setEnabled(!noFcs);
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
    Editor& e = m_editor;
    db::Database& work = e.work();
    db::Database& templ = e.templ();
    const QString zlift = QStringLiteral("Available ZLift");
    if (ensureField(zlift, QStringLiteral("Revolver Position"), db::FieldType::Long))
        WriteField(work, zlift, texts::kIdAvailable, QStringLiteral("ZLift"),
                   QStringLiteral("Revolver Position"), -1);
    auto merge = [&](const QString& source, const QString& target) {
        db::MergeMissingRows(templ, work, source, target,
                             target.startsWith(QStringLiteral("Potential")) ? texts::kIdPotential
                                                                            : texts::kIdAvailable);
    };
    merge(QStringLiteral("Potential ZLift"), QStringLiteral("Potential ZLift"));
    merge(QStringLiteral("Calibration ZLift Conf"), QStringLiteral("Calibration ZLift"));
    merge(zlift, zlift);
    merge(QStringLiteral("Potential Filters Shutter"), QStringLiteral("Potential Filters"));
    merge(QStringLiteral("Potential Revolvers"), QStringLiteral("Potential Revolvers"));
    ReplaceQueryFromTemplate(QStringLiteral("CP ZLift"), QStringLiteral("CP ZLift"));
    runHook(e.hooks.ZLiftView);
    merge(QStringLiteral("Potential Servos"), QStringLiteral("Potential Servos"));
    merge(QStringLiteral("Potential Filters"), QStringLiteral("Potential Filters"));
    if (e.flags.entryLevelHead)
        merge(QStringLiteral("Available Firmware Parameters Kestro"),
              QStringLiteral("Available Firmware Parameters"));
}

void Readout::cameraUpkeep() {
    Editor& e = m_editor;
    db::Database& work = e.work();
    using db::FieldType;
    if (!db::TableExists(work, kAvailableCameras))
        work.createTable(kAvailableCameras, {{texts::kIdAvailable, FieldType::Text},
                                             {texts::kStatus, FieldType::Text},
                                             {texts::kIdPotential, FieldType::Text},
                                             {QStringLiteral("Control Dll"), FieldType::Text},
                                             {QStringLiteral("Port"), FieldType::Text},
                                             {QStringLiteral("Summary"), FieldType::Text}});
    db::MergeMissingRows(e.templ(), work, kAvailableCameras, kAvailableCameras,
                         texts::kIdAvailable);
    if (!db::TableExists(work, kPotentialCameras))
        work.createTable(kPotentialCameras,
                         {{texts::kIdPotential, FieldType::Text},
                          {QStringLiteral("Kind"), FieldType::Text},
                          {QStringLiteral("RGB"), FieldType::Boolean},
                          {QStringLiteral("Pixel Size X"), FieldType::Double},
                          {QStringLiteral("Pixel Size Y"), FieldType::Double},
                          {QStringLiteral("Binning Brightness"), FieldType::Text}});
    if (!work.queryExists(kCpCameras))
        work.createQueryDef(kCpCameras, kCpCamerasSql);
    db::MergeMissingRows(e.templ(), work, kPotentialCameras, kPotentialCameras,
                         texts::kIdPotential);

    form::ListBox& cameras = e.main().listBox(QStringLiteral("ComboCamera"));
    const QString shown = cameras.text();
    cameras.clear();
    for (const char* entry : {"None", "Kc 1.4", "Kc 2.0", "Km 1.4", "Km 2.0"})
        cameras.addItem(QString::fromLatin1(entry));
    cameras.selectText(shown);
}

void Readout::fieldUpkeep() {
    Editor& e = m_editor;
    db::Database& work = e.work();
    const QString dsps = QStringLiteral("Available Dsps");
    for (const char* field : {"Exchange XY", "Mirror X", "Mirror Y"})
        ensureField(dsps, QString::fromLatin1(field), db::FieldType::Boolean);
    ReplaceQueryFromTemplate(QStringLiteral("CP Dsps"), QStringLiteral("CP Dsps"));

    const QString lamps = QStringLiteral("Available Lamps");
    ensureField(lamps, QStringLiteral("Delay ms"), db::FieldType::Long);
    ReplaceQueryFromTemplate(QStringLiteral("CP Lamps"), QStringLiteral("CP Lamps"));
    work.execute(
        QStringLiteral("UPDATE [Available Lamps] SET [Delay ms] = 1000 WHERE [Delay ms] IS NULL"));

    const QString lenses = QStringLiteral("Available Objective Lenses");
    if (ensureField(lenses, QStringLiteral("Field Correction"), db::FieldType::Double))
        work.execute(
            QStringLiteral("UPDATE [Available Objective Lenses] SET [Field Correction] = 0"));
    ReplaceQueryFromTemplate(QStringLiteral("CP Objectives"), QStringLiteral("CP Objectives"));
}

void Readout::ShowConfigurationName(const QString& name) {
    QString shown = name;
    shown.replace(QStringLiteral("&"), QStringLiteral("&&"));
    m_editor.main().label(QStringLiteral("LConfiguration")).setCaption(shown);
    m_editor.dialog(QStringLiteral("FormEditConf")).textBox(QStringLiteral("EConf")).setText(name);
}

void Readout::EditConfigurationName() {
    Editor& e = m_editor;
    form::Form& dialog = e.dialog(QStringLiteral("FormEditConf"));
    e.forms().showModal(dialog);
    e.host().processEvents();
    ReadConfiguration();
}

void Readout::CheckNDDClicked() {
    Editor& e = m_editor;
    form::Form& f = e.main();
    const bool ticked = f.checkBox(QStringLiteral("CheckNDD")).isChecked();
    f.tabControl(QStringLiteral("SSTab1")).setPageEnabled(PageNdd, ticked);
    if (!ticked && e.live)
        f.checkBox(QStringLiteral("CheckNDD2")).setChecked(false);
    WriteField(e.work(), texts::kAvailableSystems, texts::kIdAvailable, QString(),
               QStringLiteral("NDD"), ticked);
}

void Readout::ReadFcsPage() {
    Editor& e = m_editor;
    runHook(e.hooks.ReadFcsPage);
    form::Form& f = e.main();
    for (int i = 0; i < 4; ++i)
        e.lastVoltages[i] = e.RegistryRead(texts::kStepDacKey, QStringLiteral("Voltage %1").arg(i));
    if (!e.lastVoltages[0].isEmpty()) {
        for (int i = 0; i < 4; ++i)
            f.textBox(texts::kVoltageBoxes[i])
                .setText(QString::number(QLocale::c().toDouble(e.lastVoltages[i]), 'f', 2));
    } else if (!e.RegistryEnsureKey(texts::kStepDacSuffix)) {
        e.setMessage(QStringLiteral("Can't create registry key for fading voltage"));
    }
}

void Readout::TabSwitch() {
    Editor& e = m_editor;
    switch (e.main().tabControl(QStringLiteral("SSTab1")).currentIndex()) {
    case PageConfiguration:
        ReadConfiguration();
        break;
    case PageLaser:
        runHook(e.hooks.RebuildLaserTab);
        break;
    case PageScanHead:
        runHook(e.hooks.ReadDetectionPage);
        break;
    case PageFcs:
        ReadFcsPage();
        break;
    case PageNdd:
        runHook(e.hooks.ReadNddPage);
        break;
    case PageFirmware:
        runHook(e.hooks.FirmwareReadout);
        break;
    default:
        break;
    }
}

} // namespace app
