#include "AttenuatorChannels.h"

#include "LaserNames.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace laser {

using namespace records;
using namespace Qt::StringLiterals;

namespace {

// The start-up table has room for this many lines; further ones are not remembered.
constexpr int kStartupCapacity = 14;

} // namespace

int AttenuatorChannels::rangeClassOf(int wavelength) {
    if (wavelength < 420)
        return Ultraviolet;
    if (wavelength > kInfraredAbove)
        return Infrared;
    return Visible;
}

std::pair<int, int> AttenuatorChannels::rangeOf(int rangeClass) const {
    switch (rangeClass) {
    case Ultraviolet:
        return {5, 6};
    case Infrared:
        return {6, 6};
    default:
        break;
    }
    if (m_editor.flags().entryLevelHead)
        return {1, 5};
    const int lines =
        ReadField(m_editor.work(), kCpAomDrivers, kIdAvailable, kAotfDriver, u"Lines"_s).toInt();
    return {1, lines};
}

void AttenuatorChannels::LoadStartupChannels() {
    if (!m_startup.isEmpty())
        return;
    db::Recordset rs = m_editor.work().OpenRecordset(kCpAttenuatorChannels);
    for (; !rs.eof() && m_startup.size() < kStartupCapacity; rs.moveNext()) {
        const int channel = rs.value(kChannelNo).toInt();
        if (IsUsable(rs.value(kStatus)) && channel != 0)
            m_startup.append({rs.value(kWavelength).toInt(), channel});
    }
}

int AttenuatorChannels::StartupChannelOf(int wavelength) const {
    for (const auto& [w, channel] : m_startup)
        if (w == wavelength)
            return channel;
    // The tunable line gets back the infrared channel it had, whatever its wavelength is now.
    if (wavelength <= kInfraredAbove)
        return 0;
    for (const auto& [w, channel] : m_startup)
        if (w > kInfraredAbove)
            return channel;
    return 0;
}

int AttenuatorChannels::FindFreeChannel(int rangeClass) const {
    const auto [first, last] = rangeOf(rangeClass);
    for (int c = first; c <= last; ++c) {
        bool held = false;
        for (const auto& pair : m_startup)
            held = held || pair.second == c;
        if (!held)
            return c;
    }
    return 0;
}

int AttenuatorChannels::ChooseChannel(int preferred, int rangeClass, int freeLine) {
    bool taken[kChannels + 1] = {};
    m_conflict = false;
    for (db::Recordset rs = m_editor.work().OpenRecordset(kCpAttenuatorChannels); !rs.eof();
         rs.moveNext()) {
        if (freeLine != 0 && rs.value(kWavelength).toDouble() == freeLine)
            continue;
        const int channel = rs.value(kChannelNo).toInt();
        if (!IsUsable(rs.value(kStatus)) || channel < 1 || channel > kChannels)
            continue;
        m_conflict = m_conflict || taken[channel];
        taken[channel] = true;
    }
    const auto isFree = [&taken](int c) { return c >= 1 && c <= kChannels && !taken[c]; };
    if (isFree(preferred))
        return preferred;
    if (const int f = FindFreeChannel(rangeClass); isFree(f))
        return f;
    const auto [first, last] = rangeOf(rangeClass);
    for (int c = first; c <= last; ++c)
        if (isFree(c))
            return c;
    return 0;
}

int AttenuatorChannels::RangeOfChannelHolder(int channel) const {
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT [Wavelength], [Not Include] FROM [Available Attenuator Channels] "
        "WHERE [Channel No] = ? ORDER BY _rowid_"_s,
        {channel});
    for (; !rs.eof(); rs.moveNext())
        if (!rs.value(kNotInclude).toBool())
            return rangeClassOf(rs.value(kWavelength).toInt());
    return Visible;
}

void AttenuatorChannels::ReleaseChannel(int channel) {
    db::Recordset rs = m_editor.work().OpenRecordset(
        u"SELECT * FROM [Available Attenuator Channels] WHERE [Channel No] = ? "
        "ORDER BY _rowid_"_s,
        {channel});
    if (rs.eof())
        return;
    rs.edit();
    rs.setValue(kChannelNo, 0);
    rs.update();
}

bool AttenuatorChannels::ChannelExistsForWavelength(int wavelength) const {
    return RecordExistsByNumber(m_editor.work(), kAttenuatorChannels, kWavelength, wavelength);
}

} // namespace laser
