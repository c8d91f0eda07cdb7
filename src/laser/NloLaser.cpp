#include "NloLaser.h"

#include "AotfDrivers.h"
#include "LaserNames.h"

#include <devices/Connections.h>
#include <editor/Editor.h>
#include <form/Host.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace laser {

using namespace records;
using namespace Qt::StringLiterals;

namespace {

const QString kCalibrationWavelength = u"Calibration Wavelength"_s;

} // namespace

std::optional<int> NloLaser::wavelengthFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < kLowest || value > kHighest)
        return std::nullopt;
    return value;
}

void NloLaser::SetNloAom(bool on, bool programmableAotf) {
    db::Database& work = m_editor.work();
    const QString status = on ? kStatusInUse : kStatusOff;
    if (!RecordExists(work, kAvailableAomDrivers, kIdAvailable, kNloAomDriver)) {
        m_editor.host().beep();
        m_editor.setMessage(u"No NLO AOM Driver exists!"_s);
        return;
    }
    SetStatus(work, kAvailableAomDrivers, kIdAvailable, kNloAomDriver, status);
    const QString port =
        NullToText(ReadField(work, kAvailableAomDrivers, kIdAvailable, kNloAomDriver, kControl));
    SetStatus(work, kAvailableInterfaces, kIdAvailable, port, status);
    if (!RecordExists(work, kAvailableAoms, kIdAvailable, kAomNlo)) {
        m_editor.host().beep();
        m_editor.setMessage(u"No AOM NLO exists!"_s);
        return;
    }
    SetStatus(work, kAvailableAoms, kIdAvailable, kAomNlo, status);

    Row line = FirstRowByKey(work, kAttenuatorChannels, kIdAvailableAom, kAomNlo, {kChannelNo});
    if (!line.exists()) {
        MergeMissingRows(m_editor.templ(), work, kCalibrationAttenuatorChannels,
                         kCalibrationAttenuatorChannels, kWavelength);
        MergeMissingRows(m_editor.templ(), work, kAttenuatorChannels, kAttenuatorChannels,
                         kWavelength);
        line = FirstRowByKey(work, kAttenuatorChannels, kIdAvailableAom, kAomNlo, {kChannelNo});
    }
    if (line.exists()) {
        const int channel = line.value(kChannelNo).toInt();
        if (on)
            m_drivers.SetAotfLine(channel, u"tunable"_s, 1);
        else
            m_drivers.SetAotfLine(channel, programmableAotf ? u"switchable"_s : u"fixed"_s, 6);
    }
    if (on)
        m_connections.CheckPortConflicts(kNloAomDriver, port);
    else
        m_editor.setMessage(QString());
}

int NloLaser::wavelengthOf(const QString& laser) const {
    return ReadField(m_editor.work(), u"CP Wavelength"_s, kIdAvailable, laser, kWavelength).toInt();
}

NloLaser::Cleanup NloLaser::keepOnlyLine(int wavelength, const QString& laser) {
    db::Database& work = m_editor.work();
    const QString type =
        NullToText(ReadField(work, kAvailableLasers, kIdAvailable, laser, kIdPotential));
    if (type.isEmpty())
        return {};
    const Row range = FirstRowByKey(work, kPotentialLasers, kIdPotential, type,
                                    {u"Minimum Wavelength"_s, u"Maximum Wavelength"_s});
    const double lo = range.value(u"Minimum Wavelength"_s).toDouble();
    const double hi = range.value(u"Maximum Wavelength"_s).toDouble();
    auto inRange = [lo, hi](const QVariant& value) {
        const double w = value.toDouble();
        return w >= lo && w <= hi;
    };

    if (!RecordExistsByNumber(work, kAttenuatorChannels, kWavelength, wavelength)) {
        MergeMissingRows(m_editor.templ(), work, kAttenuatorChannels, kAttenuatorChannels,
                         kWavelength);
        MergeMissingRows(m_editor.templ(), work, kCalibrationAttenuatorChannels,
                         kCalibrationAttenuatorChannels, kWavelength);
    }
    const double calibration = ReadFieldByNumber(work, kAttenuatorChannels, kWavelength, wavelength,
                                                 kCalibrationWavelength)
                                   .toDouble();
    Cleanup cleanup;
    db::Recordset rs =
        work.OpenRecordset(u"SELECT * FROM [Calibration Attenuator Channels] ORDER BY _rowid_"_s);
    for (; !rs.eof(); rs.moveNext()) {
        if (!inRange(rs.value(kWavelength)))
            continue;
        ++cleanup.inRange;
        if (calibration > 0 && rs.value(kWavelength).toDouble() != calibration) {
            rs.deleteRow();
            cleanup.deleted = true;
        }
    }
    db::Recordset lines =
        work.OpenRecordset(u"SELECT * FROM [Available Attenuator Channels] ORDER BY _rowid_"_s);
    for (; !lines.eof(); lines.moveNext())
        if (inRange(lines.value(kWavelength)) && lines.value(kWavelength).toInt() != wavelength)
            lines.deleteRow();
    return cleanup;
}

void NloLaser::ApplyWavelength(int value, int last, const QString& laser) {
    db::Database& work = m_editor.work();
    if (value != last) {
        db::Recordset line = work.OpenRecordset(
            u"SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] = ? "
            "ORDER BY _rowid_"_s,
            {last});
        if (!line.eof()) {
            line.edit();
            line.setValue(kWavelength, value);
            line.update();
        }
    }
    const Row row = FirstRowByKey(work, kLaserWavelengths, kIdAvailable, laser, {kWavelength});
    if (row.exists() && row.value(kWavelength).toInt() != value)
        WriteField(work, kLaserWavelengths, kIdAvailable, laser, kWavelength, value);
}

} // namespace laser
