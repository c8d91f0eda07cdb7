#include "AotfDrivers.h"

#include "LaserNames.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace laser {

using namespace records;
using namespace Qt::StringLiterals;

namespace {

const QString kKindOfChange = u"Kind of Wavelength Change"_s;
const QString kFixed = u"fixed"_s;

// The included lines of a modulator, in table order, as their channels.
QList<int> includedChannelsOf(db::Database& work, const QString& aom) {
    QList<int> channels;
    db::Recordset rs = work.OpenRecordset(u"SELECT [Channel No], [Not Include] FROM [Available "
                                          "Attenuator Channels] WHERE [ID Available AOM] = ? "
                                          "ORDER BY _rowid_"_s,
                                          {aom});
    for (; !rs.eof(); rs.moveNext())
        if (!rs.value(kNotInclude).toBool())
            channels.append(rs.value(kChannelNo).toInt());
    return channels;
}

} // namespace

void AotfDrivers::WriteDriverType(const QString& type) {
    WriteField(m_editor.work(), kAvailableAomDrivers, kIdAvailable, kAotfDriver, kIdPotential,
               type);
}

QString AotfDrivers::driverTypeForLines(const QString& lines) {
    if (lines == u"4"_s || lines == u"5"_s || lines == u"6"_s)
        return u"AA.MOD.%1C"_s.arg(lines);
    return {};
}

void AotfDrivers::SetUvAotf(bool on) {
    db::Database& work = m_editor.work();
    WriteField(work, kAvailableAoms, kIdAvailable, kAotfUv, kStatus,
               on ? kStatusInUse : kStatusOff);
    int line = on ? 1 : 5;
    for (int channel : includedChannelsOf(work, kAotfUv))
        SetAotfLine(channel, kFixed, line++);
}

QString AotfDrivers::SetProgrammable(bool on) {
    db::Database& work = m_editor.work();
    const QString status = on ? kStatusInUse : kStatusOff;
    WriteField(work, kAvailableAomDrivers, kIdAvailable, kAotfDriver, kStatus, status);
    const QString port =
        NullToText(ReadField(work, kAvailableAomDrivers, kIdAvailable, kAotfDriver, kControl));
    WriteField(work, kAvailableInterfaces, kIdAvailable, port, kStatus, status);
    for (int channel : includedChannelsOf(work, kAotf4Pr))
        SetAotfLine(channel, on ? u"switchable"_s : kFixed);
    return port;
}

void AotfDrivers::SetAotfLine(int channel, const QString& kind, std::optional<int> line) {
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT * FROM [Available AOTF Lines] WHERE [Channel] = ? ORDER BY _rowid_"_s, {channel});
    if (rs.eof())
        return;
    rs.edit();
    rs.setValue(kKindOfChange, kind);
    if (line)
        rs.setValue(u"Line"_s, *line);
    rs.update();
}

void AotfDrivers::ResetAomFrequency() {
    db::Database& work = m_editor.work();
    const QString table = u"Calibration AOM Drivers"_s;
    const QString driver = u"NLO AOM Driver"_s;
    WriteField(work, table, kIdAvailable, driver, u"Lower Wavelength"_s, 690);
    WriteField(work, table, kIdAvailable, driver, u"Upper Wavelength"_s, 1064);
    WriteField(work, table, kIdAvailable, driver, u"Minimum Frequency"_s, 85);
    WriteField(work, table, kIdAvailable, driver, u"Maximum Frequency"_s, 135);
}

void AotfDrivers::ResetCalibration(bool entryLevelHead) {
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT * FROM [Calibration Attenuator Channels] ORDER BY _rowid_"_s);
    for (; !rs.eof(); rs.moveNext()) {
        rs.edit();
        for (int i = 0; i <= 10; ++i) {
            rs.setValue(u"a%1"_s.arg(i), i == 1 ? 100 : 0);
            rs.setValue(u"b%1"_s.arg(i), i == 1 ? (entryLevelHead ? 999 : 1) : 0);
        }
        rs.update();
    }
}

} // namespace laser
