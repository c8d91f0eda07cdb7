#include "LaserSources.h"

#include "LaserNames.h"

#include <QRegularExpression>
#include <cmath>
#include <devices/Connections.h>
#include <editor/Editor.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace laser {

using namespace records;
using namespace Qt::StringLiterals;

namespace {

const QString kCharacteristic = u"Characteristic"_s;
const QString kSpecialValue = u"Special Value"_s;

} // namespace

QString LaserSources::onStatus(const QString& laser) const {
    static const QStringList moduleLasers = {kArgon, kArgon2, kArKr,
                                             kHeNe1, kHeNe2,  kLaserDiode405};
    if (m_editor.flags().entryLevelHead && moduleLasers.contains(laser))
        return kStatusDummy;
    return kStatusInUse;
}

QString LaserSources::offStatus() {
    return kStatusOff;
}

bool LaserSources::exists(const QString& laser) const {
    return RecordExists(m_editor.work(), kAvailableLasers, kIdAvailable, laser);
}

bool LaserSources::usable(const QString& laser) const {
    return IsDeviceUsable(m_editor.work(), kAvailableLasers, laser);
}

void LaserSources::writeStatus(const QString& laser, const QString& status) {
    SetStatus(m_editor.work(), kAvailableLasers, kIdAvailable, laser, status);
}

QString LaserSources::controlOf(const QString& laser) const {
    return NullToText(ReadField(m_editor.work(), kAvailableLasers, kIdAvailable, laser, kControl));
}

void LaserSources::switchOf(const QString& laser, const QString& status, bool undefinedPosition) {
    db::Database& work = m_editor.work();
    const QString control = controlOf(laser);
    SetStatus(work, kAvailableSwitches, kIdAvailable, control, status);
    if (undefinedPosition)
        WriteField(work, kAvailableSwitches, kIdAvailable, control, u"Initial Position"_s,
                   u"undefined"_s);
}

void LaserSources::RewriteStatusSignals(const QString& characteristic) {
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT * FROM [Available Status Signals] ORDER BY _rowid_"_s);
    for (; !rs.eof(); rs.moveNext()) {
        const QString current = NullToText(rs.value(kCharacteristic));
        if (!current.contains(kArgon) || current == characteristic)
            continue;
        rs.edit();
        rs.setValue(kCharacteristic, characteristic);
        rs.update();
    }
}

void LaserSources::SetLaserSource(const QString& laser, bool on) {
    if (laser.isEmpty())
        return;
    writeStatus(laser, on ? kStatusInUse : kStatusOff);
    const QString control = controlOf(laser);
    const bool hasPort = !control.isEmpty() && control.compare(u"None"_s, Qt::CaseInsensitive) != 0;
    if (hasPort) {
        m_connections.SetPortInUse(control, on, laser);
        // A port the laser gave up may still serve another device.
        if (!on)
            m_connections.RemarkUsedPorts(laser);
    }
    m_currentNlo = on ? laser : QString();
    if (on)
        m_connections.CheckPortConflicts(laser, control);
    else
        m_editor.setMessage(QString());
}

std::optional<double> LaserSources::leadingNumber(const QString& text) {
    static const QRegularExpression number(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"_s);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = match.captured(0).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void LaserSources::writeSpecialValue(const QString& laser, double value) {
    WriteField(m_editor.work(), kAvailableLasers, kIdAvailable, laser, kSpecialValue, value);
}

double LaserSources::specialValueOf(const QString& laser) const {
    return ReadField(m_editor.work(), kAvailableLasers, kIdAvailable, laser, kSpecialValue)
        .toDouble();
}

void LaserSources::SetFading(bool on) {
    SetStatus(m_editor.work(), u"Available DACs"_s, kIdAvailable, u"DAC413"_s,
              on ? kStatusInUse : kStatusOff);
}

bool LaserSources::fadingUsable() const {
    return IsDeviceUsable(m_editor.work(), u"Available DACs"_s, u"DAC413"_s);
}

void LaserSources::SetFcsMirror(const QString& mirror, bool on) {
    db::Database& work = m_editor.work();
    if (!RecordExists(work, kAvailableSwitches, kIdAvailable, mirror))
        return;
    const QString status = on ? kStatusInUse : kStatusOff;
    SetStatus(work, kAvailableSwitches, kIdAvailable, mirror, status);
    const QString servo = NullToText(
        ReadField(work, kAvailableSwitches, kIdAvailable, mirror, u"Control Position"_s));
    SetStatus(work, kAvailableServos, kIdAvailable, servo, status);
}

void LaserSources::importLasers() {
    MergeMissingRows(m_editor.templ(), m_editor.work(), kAvailableLasers, kAvailableLasers,
                     kIdAvailable);
}

void LaserSources::importWavelengths(const QString& keyField) {
    MergeMissingRows(m_editor.templ(), m_editor.work(), kLaserWavelengths, kLaserWavelengths,
                     keyField);
}

void LaserSources::importPotentialLasers() {
    MergeMissingRows(m_editor.templ(), m_editor.work(), kPotentialLasers, kPotentialLasers,
                     kIdPotential);
}

void LaserSources::importEntryLevelLasers() {
    importPotentialLasers();
    MergeMissingRows(m_editor.templ(), m_editor.work(), u"Available Lasers Kestro"_s,
                     kAvailableLasers, kIdAvailable);
    importWavelengths(kIdAvailable);
}

} // namespace laser
