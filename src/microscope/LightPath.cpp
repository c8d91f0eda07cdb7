#include "LightPath.h"

#include "RevolverFrame.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <records/RecordHelpers.h>
#include <scanhead/FilterWheels.h>

namespace microscope {

using records::kIdAvailable;
using records::kIdPotential;
using records::kStatus;
using records::NullToText;
using scanhead::FilterWheels;

namespace {

const QString kFiltersets = records::kAvailableFilterSets;
const QString kShutters = records::kAvailableShutters;
const QString kServos = records::kAvailableServos;
const QString kLamps = records::kAvailableLamps;
const QString kMotorization = u"Motorization"_s;
const QString kPositions = u"Positions"_s;
const QString kNone = u"None"_s;
// A status written empty counts as in use, as " " does.
const QString kEmpty;

const QString kReflector = u"FW1"_s;
const QString kCondenser = u"FW2"_s;
const QString kFrontLens = u"Kondensor Frontlinse"_s;
const QString kAperture = u"KAB1"_s;
const QString kVirtualWheel = u"FWVirtual"_s;
const QString kMirror = u"Transmission Mirror"_s;
const QString kTubeLens = u"Tubelens"_s;
const QString kSideport = u"Sideport turret"_s;
const QString kBaseport = u"Baseport turret"_s;
const QString kHalogenRefl = u"HAL Refl"_s;
const QString kHalogen = u"HAL"_s;
const QString kMercury = u"HBO"_s;
const QString kMercurySupply = u"CANA"_s;

const QString kNoCondenser = u"No available condensor found !"_s;
const QString kHalogenChoice = u"Halogen"_s;
const QString kMercuryChoice = u"HBO Flarion"_s;
const QString kZoomSingle = u"1x/VTX"_s;
const QString kZoomDouble = u"1x/VTX/1.6x"_s;
const QString kLens16 = u"Lens 1,6x"_s;
const QString kBaseportFront = u"BP/Vis/Front"_s;
const QString kSideSplBp = u"SPL/BP"_s;
const QString kSideSprCam = u"SPL/BP/SPR-Cam"_s;
const QString kSideSplCam = u"SPL-Cam/BP"_s;
const QString kSideSplitter = u"50SPl/50VIS-BP"_s;
const QString kMotorized = u"motorized"_s;
const QString kCoded = u"coded"_s;

void fill(form::ListBox& list, const QStringList& choices) {
    QList<form::ListBox::Entry> entries;
    for (const QString& choice : choices)
        entries.append({choice, {}});
    list.clear();
    list.addItems(entries);
}

bool same(const QVariant& a, const QString& b) {
    return NullToText(a).compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

LightPath::LightPath(editor::Editor& editor, editor::FilterDialogContext& filterContext,
                     RevolverFrame& revolver)
    : editor::Declarations(editor.main()), m_editor(editor), m_revolver(revolver),
      m_reflectorFilter(editor, filterContext, form(), u"UserChangeFilter2"_s, m_frameReflector),
      m_condenserFilter(editor, filterContext, form(), u"UserChangeFilter3"_s, m_frameCondenser) {
    fill(comboReflLamp, {kNone, kHalogenChoice, kMercuryChoice});
    fill(comboTransmLamp, {kNone, kHalogenChoice});
    fill(comboSideport, {kNone, kSideSplBp, kSideSprCam, kSideSplCam});
    fill(comboBaseport, {kNone, kBaseportFront});
    fill(comboZoomex, {kNone, kZoomSingle, kZoomDouble});

    auto live = [this](void (LightPath::*action)()) {
        return [this, action] {
            if (m_editor.isLive())
                (this->*action)();
        };
    };
    // The NDD page says whether the reflector turret holds its beam splitter.
    m_reflectorFilter.setPlaced([this] {
        if (m_readNddPage)
            m_readNddPage();
    });
    comboReflectors.setHandler([this] {
        if (m_editor.isLive() && comboReflectors.currentIndex() >= 0)
            ReflectorChosen(comboReflectors.text());
    });
    comboCondensor.setHandler([this] {
        if (m_editor.isLive() && comboCondensor.currentIndex() >= 0)
            CondenserChosen(comboCondensor.text());
    });
    comboReflLamp.setHandler(live(&LightPath::ReflLampChosen));
    comboTransmLamp.setHandler(live(&LightPath::TransmLampChosen));
    comboSideport.setHandler(live(&LightPath::SideportChosen));
    comboBaseport.setHandler(live(&LightPath::BaseportChosen));
    comboZoomex.setHandler(live(&LightPath::ZoomexChosen));
    oMotorized.setHandler([this] {
        if (m_editor.isLive())
            transmissionWheels(kMotorized);
    });
    oEncoded.setHandler([this] {
        if (m_editor.isLive())
            transmissionWheels(kCoded);
    });
    oManual.setHandler(live(&LightPath::transmissionWheelsOff));
    checkFLShutter.setHandler([this] {
        if (m_editor.isLive())
            records::SetStatus(m_editor.work(), kShutters, kIdAvailable, u"Shutter Auflicht"_s,
                               checkFLShutter.isChecked() ? records::kStatusInUse
                                                          : records::kStatusOff);
    });
    checkMotFielStop.setHandler([this] {
        if (m_editor.isLive())
            records::SetStatus(m_editor.work(), kServos, kIdAvailable, u"LFB1"_s,
                               checkMotFielStop.isChecked() ? records::kStatusInUse
                                                            : records::kStatusOff);
    });
    // The box's action re-reads the whole configuration: the NDD page shows the mirror too.
    checkTransmissionMirror.setHandler([this] {
        if (!m_editor.isLive())
            return;
        applyTransmissionMirror();
        m_editor.Refresh();
    });
    optionMirrorMotorized.setHandler(live(&LightPath::applyTransmissionMirror));
    optionMirrorManual.setHandler(live(&LightPath::applyTransmissionMirror));
}

QString LightPath::status(const QString& table, const QString& id) {
    return NullToText(records::ReadField(m_editor.work(), table, kIdAvailable, id, kStatus));
}

void LightPath::setStatus(const QString& table, const QString& id, const QString& status) {
    records::SetStatus(m_editor.work(), table, kIdAvailable, id, status);
}

void LightPath::enablePorts(bool enabled) {
    comboZoomex.setEnabled(enabled);
    comboBaseport.setEnabled(enabled);
    comboSideport.setEnabled(enabled);
}

void LightPath::ReflectorChosen(const QString& name) {
    db::Database& work = m_editor.work();
    if (name == kNone) {
        setStatus(kFiltersets, kReflector, records::kStatusOff);
    } else {
        const records::Row turret = records::FirstRowByKey(
            m_editor.templ(), u"Available Reflectors"_s, u"Available Reflector"_s, name,
            {kIdPotential, kPositions, kMotorization});
        if (!turret.exists())
            return;
        setStatus(kFiltersets, kReflector, kEmpty);
        records::WriteField(work, kFiltersets, kIdAvailable, kReflector, kIdPotential,
                            turret.value(kIdPotential));
        records::WriteField(work, kFiltersets, kIdAvailable, kReflector, kMotorization,
                            turret.value(kMotorization));
        FilterWheels::SetWheelPositionCount(work, kReflector, turret.value(kPositions).toInt());
    }
    // Stands that exist with several turrets are told apart by it: the whole editor follows a
    // choice of the engineer. A stand selection reads everything anew at its end.
    if (!m_editor.standSelection()) {
        m_editor.Refresh();
        return;
    }
    const editor::Quiet quiet(m_editor);
    ReflectorView();
}

void LightPath::CondenserChosen(const QString& name) {
    db::Database& work = m_editor.work();
    if (name == kNone) {
        setStatus(kFiltersets, kCondenser, records::kStatusOff);
        setStatus(kShutters, kFrontLens, records::kStatusOff);
        setStatus(kServos, kAperture, records::kStatusOff);
    } else {
        const records::Row condenser = records::FirstRowByKey(
            m_editor.templ(), u"Available Condensors"_s, u"Available Condensor"_s, name,
            {kIdPotential, kPositions, u"Revolver"_s, u"Frontlens"_s, u"Aperture"_s});
        if (!condenser.exists())
            return;
        records::WriteField(work, kFiltersets, kIdAvailable, kCondenser, kIdPotential,
                            condenser.value(kIdPotential));
        FilterWheels::SetWheelPositionCount(work, kCondenser, condenser.value(kPositions).toInt());
        setStatus(kFiltersets, kCondenser, NullToText(condenser.value(u"Revolver"_s)));
        setStatus(kShutters, kFrontLens, NullToText(condenser.value(u"Frontlens"_s)));
        setStatus(kServos, kAperture, NullToText(condenser.value(u"Aperture"_s)));
    }
    const editor::Quiet quiet(m_editor);
    CondenserView();
}

void LightPath::ReflectorView() {
    if (m_reflectorView.isRunning())
        return;
    const editor::Running running(m_reflectorView);
    db::Database& work = m_editor.work();
    const records::Row turret = records::FirstRowByKey(work, kFiltersets, kIdAvailable, kReflector,
                                                       {kStatus, kIdPotential, kMotorization});
    const bool on = turret.exists() && records::IsUsable(turret.value(kStatus));
    {
        const editor::Quiet quiet(m_editor);
        QList<form::ListBox::Entry> entries;
        int selected = -1;
        for (db::Recordset rs = m_editor.templ().OpenRecordset(u"Available Reflectors"_s);
             !rs.eof(); rs.moveNext()) {
            const QString name = NullToText(rs.value(u"Available Reflector"_s));
            entries.append({name, {}});
            if (selected >= 0)
                continue;
            if (on ? same(rs.value(kIdPotential), NullToText(turret.value(kIdPotential))) &&
                         same(rs.value(kMotorization), NullToText(turret.value(kMotorization)))
                   : name == kNone)
                selected = int(entries.size()) - 1;
        }
        comboReflectors.clear();
        comboReflectors.addItems(entries);
        comboReflectors.setCurrentIndex(selected);
    }
    if (m_editor.standSelection() && comboReflectors.currentIndex() >= 0) {
        const bool live = m_editor.isLive();
        m_editor.setLive(true);
        ReflectorChosen(comboReflectors.text());
        m_editor.setLive(live);
    }
    const bool usable = records::IsDeviceUsable(work, kFiltersets, kReflector);
    m_reflectorFilter.Choose(usable ? records::CountIncludedPositions(work, kReflector) : 0,
                             kReflector, 1, {kReflector});
}

void LightPath::CondenserView() {
    if (m_condenserView.isRunning())
        return;
    const editor::Running running(m_condenserView);
    db::Database& work = m_editor.work();
    const bool revolver = records::IsDeviceUsable(work, kFiltersets, kCondenser);
    const bool frontLens = records::IsDeviceUsable(work, kShutters, kFrontLens);
    const bool aperture = records::IsDeviceUsable(work, kServos, kAperture);
    const QString type =
        NullToText(records::ReadField(work, kFiltersets, kIdAvailable, kCondenser, kIdPotential));
    {
        const editor::Quiet quiet(m_editor);
        QList<form::ListBox::Entry> entries;
        int selected = -1;
        for (db::Recordset rs = m_editor.templ().OpenRecordset(u"Available Condensors"_s);
             !rs.eof(); rs.moveNext()) {
            entries.append({NullToText(rs.value(u"Available Condensor"_s)), {}});
            if (selected >= 0)
                continue;
            const bool rowRevolver = records::IsUsable(rs.value(u"Revolver"_s));
            if (rowRevolver == revolver &&
                records::IsUsable(rs.value(u"Frontlens"_s)) == frontLens &&
                records::IsUsable(rs.value(u"Aperture"_s)) == aperture &&
                (!rowRevolver || same(rs.value(kIdPotential), type)))
                selected = int(entries.size()) - 1;
        }
        comboCondensor.clear();
        comboCondensor.addItems(entries);
        if (selected < 0) {
            m_editor.showNotice(editor::Editor::Notice::Condenser, kNoCondenser);
            if (!entries.isEmpty())
                comboCondensor.setCurrentIndex(0);
        } else {
            m_editor.clearNotice(editor::Editor::Notice::Condenser);
            comboCondensor.setCurrentIndex(selected);
        }
    }
    if (m_editor.standSelection() && comboCondensor.currentIndex() >= 0) {
        const bool live = m_editor.isLive();
        m_editor.setLive(true);
        CondenserChosen(comboCondensor.text());
        m_editor.setLive(live);
    }
    m_condenserFilter.Choose(records::IsDeviceUsable(work, kFiltersets, kCondenser)
                                 ? records::CountIncludedPositions(work, kCondenser)
                                 : 0,
                             kCondenser, 1, {kCondenser});
}

void LightPath::ReflLampChosen() {
    const QString choice = comboReflLamp.text();
    if (choice == kNone) {
        setStatus(kLamps, kHalogenRefl, records::kStatusOff);
        setStatus(kLamps, kMercury, records::kStatusOff);
        setStatus(records::kAvailableInterfaces, kMercurySupply, records::kStatusOff);
    } else if (choice == kHalogenChoice) {
        setStatus(kLamps, kHalogenRefl, kEmpty);
        setStatus(kLamps, kMercury, records::kStatusOff);
        setStatus(records::kAvailableInterfaces, kMercurySupply, records::kStatusOff);
        setStatus(kLamps, kHalogen, records::kStatusOff);
    } else {
        setStatus(kLamps, kHalogenRefl, records::kStatusOff);
        setStatus(kLamps, kMercury, kEmpty);
        setStatus(records::kAvailableInterfaces, kMercurySupply, kEmpty);
    }
    afterLamp();
}

void LightPath::TransmLampChosen() {
    if (comboTransmLamp.text() == kNone) {
        setStatus(kLamps, kHalogen, records::kStatusOff);
    } else {
        setStatus(kLamps, kHalogenRefl, records::kStatusOff);
        setStatus(kLamps, kHalogen, kEmpty);
    }
    afterLamp();
}

void LightPath::afterLamp() {
    const editor::Quiet quiet(m_editor);
    if (m_readNddPage)
        m_readNddPage();
    LightPathView();
}

void LightPath::SideportChosen() {
    QString choice = comboSideport.text();
    // The turret cannot be switched off here: "None" stands for the plain splitter.
    if (choice == kNone) {
        choice = kSideSplBp;
        const editor::Quiet quiet(m_editor);
        comboSideport.selectText(choice);
    }
    QString third = kNone;
    QString second = u"SP"_s;
    if (choice == kSideSprCam)
        third = u"50SPr/50VIS-BP"_s;
    else if (choice == kSideSplCam)
        second = kSideSplitter;
    db::Database& work = m_editor.work();
    FilterWheels::PlaceFilter(work, kSideport, 3, third);
    FilterWheels::PlaceFilter(work, kSideport, 2, second);
}

void LightPath::BaseportChosen() {
    setStatus(kFiltersets, kBaseport,
              comboBaseport.text() == kNone ? records::kStatusDummy : kEmpty);
}

void LightPath::ZoomexChosen() {
    const QString choice = comboZoomex.text();
    if (choice == kNone) {
        setStatus(kFiltersets, kTubeLens, records::kStatusOff);
        return;
    }
    setStatus(kFiltersets, kTubeLens, kEmpty);
    FilterWheels::PlaceFilter(m_editor.work(), kTubeLens, 3,
                              choice == kZoomDouble ? kLens16 : kNone);
}

void LightPath::transmissionWheels(const QString& motorization) {
    db::Database& work = m_editor.work();
    QStringList wheels{u"FW3"_s, u"FW4"_s};
    if (m_editor.standName() == editor::texts::kStandOrvaneAie &&
        records::RecordExists(work, kFiltersets, kIdAvailable, kVirtualWheel))
        wheels.prepend(kVirtualWheel);
    for (const QString& wheel : std::as_const(wheels)) {
        records::WriteField(work, kFiltersets, kIdAvailable, wheel, kMotorization, motorization);
        setStatus(kFiltersets, wheel, kEmpty);
    }
}

void LightPath::transmissionWheelsOff() {
    for (const QString& wheel : {kVirtualWheel, u"FW3"_s, u"FW4"_s})
        setStatus(kFiltersets, wheel, records::kStatusOff);
}

void LightPath::LightPathView() {
    m_revolver.RefreshRevolverView();
    ReflectorView();
    CondenserView();
    const editor::Quiet quiet(m_editor);
    showWheels();
    db::Database& work = m_editor.work();
    checkFLShutter.setChecked(records::IsDeviceUsable(work, kShutters, u"Shutter Auflicht"_s));
    checkMotFielStop.setChecked(records::IsDeviceUsable(work, kServos, u"LFB1"_s));
    showPorts();
    if (m_focusStepView)
        m_focusStepView();
    showLamps();
}

void LightPath::showWheels() {
    db::Database& work = m_editor.work();
    QString wheel;
    if (m_editor.standName() == editor::texts::kStandOrvaneAie &&
        records::RecordExists(work, kFiltersets, kIdAvailable, kVirtualWheel))
        wheel = kVirtualWheel;
    else if (records::RecordExists(work, kFiltersets, kIdAvailable, u"FW3"_s))
        wheel = u"FW3"_s;
    if (wheel.isEmpty())
        return;
    const records::Row row =
        records::FirstRowByKey(work, kFiltersets, kIdAvailable, wheel, {kStatus, kMotorization});
    if (!records::IsUsable(row.value(kStatus))) {
        oManual.setSelected(true);
        return;
    }
    const QString motorization = NullToText(row.value(kMotorization));
    if (motorization == kMotorized)
        oMotorized.setSelected(true);
    else if (motorization == kCoded)
        oEncoded.setSelected(true);
    else if (motorization == u"manual"_s)
        oManual.setSelected(true);
}

void LightPath::showPorts() {
    db::Database& work = m_editor.work();
    bool known = true;
    if (!records::IsDeviceUsable(work, kFiltersets, kTubeLens)) {
        comboZoomex.selectText(kNone);
    } else {
        const QString lens = NullToText(records::FilterAtPosition(work, kTubeLens, 3));
        if (lens == kNone)
            comboZoomex.selectText(kZoomSingle);
        else if (lens == kLens16)
            comboZoomex.selectText(kZoomDouble);
        else
            known = false;
    }
    if (known)
        m_editor.clearNotice(editor::Editor::Notice::Zoomex);
    else
        m_editor.showNotice(editor::Editor::Notice::Zoomex, u"Unknown Zoomex"_s);

    const bool baseport =
        records::RecordExists(work, kFiltersets, kIdAvailable, kBaseport) &&
        records::IsUsable(status(kFiltersets, kBaseport)) &&
        status(kFiltersets, kBaseport).compare(records::kStatusDummy, Qt::CaseInsensitive) != 0;
    comboBaseport.selectText(baseport ? kBaseportFront : kNone);

    if (!records::IsDeviceUsable(work, kFiltersets, kSideport)) {
        comboSideport.selectText(kNone);
        return;
    }
    const QString third = NullToText(records::FilterAtPosition(work, kSideport, 3));
    const QString second = NullToText(records::FilterAtPosition(work, kSideport, 2));
    if (third != kNone)
        comboSideport.selectText(kSideSprCam);
    else
        comboSideport.selectText(second == kSideSplitter ? kSideSplCam : kSideSplBp);
}

void LightPath::showLamps() {
    db::Database& work = m_editor.work();
    const bool erectaD = m_editor.standName() == editor::texts::kStandErectaD;
    comboReflLamp.setEnabled(!erectaD);
    comboTransmLamp.setEnabled(!erectaD);
    if (erectaD) {
        comboReflLamp.selectText(kNone);
        comboTransmLamp.selectText(kNone);
        return;
    }
    if (records::IsDeviceUsable(work, kLamps, kHalogenRefl))
        comboReflLamp.selectText(kHalogenChoice);
    else if (records::IsDeviceUsable(work, kLamps, kMercury))
        comboReflLamp.selectText(kMercuryChoice);
    else
        comboReflLamp.selectText(kNone);
    comboTransmLamp.selectText(records::IsDeviceUsable(work, kLamps, kHalogen) ? kHalogenChoice
                                                                               : kNone);
}

void LightPath::readTransmissionMirror() {
    const QVariant mirror =
        records::ReadField(m_editor.work(), kShutters, kIdAvailable, kMirror, kStatus);
    const bool usable = records::IsUsable(mirror);
    checkTransmissionMirror.setChecked(usable);
    (NullToText(mirror) == records::kStatusDummy ? optionMirrorManual : optionMirrorMotorized)
        .setSelected(true);
    optionMirrorManual.setEnabled(usable);
    optionMirrorMotorized.setEnabled(usable);
}

void LightPath::showTransmissionMirror(bool ticked) {
    const editor::Quiet quiet(m_editor);
    checkTransmissionMirror.setChecked(ticked);
}

void LightPath::applyTransmissionMirror() {
    const QString status = !checkTransmissionMirror.isChecked() ? records::kStatusOff
                           : optionMirrorMotorized.isSelected() ? records::kStatusInUse
                                                                : records::kStatusDummy;
    db::Database& work = m_editor.work();
    setStatus(kShutters, kMirror, status);
    // The mirror's filter set follows it only where the stand positions the mirror itself.
    const QString position = NullToText(
        records::ReadField(work, kShutters, kIdAvailable, kMirror, records::kControlPosition));
    setStatus(kFiltersets, kMirror, position == kMirror ? status : records::kStatusOff);
}

} // namespace microscope
