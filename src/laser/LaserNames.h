#pragma once

#include <QString>

// Names of the laser module's tables, fields and rows that more than one of its classes uses.
namespace laser {

inline const QString kAttenuatorChannels = QStringLiteral("Available Attenuator Channels");
inline const QString kCpAttenuatorChannels = QStringLiteral("CP Attenuator Channels");
inline const QString kCalibrationAttenuatorChannels =
    QStringLiteral("Calibration Attenuator Channels");
inline const QString kCpAomDrivers = QStringLiteral("CP AOM Drivers");
inline const QString kAotfLines = QStringLiteral("Available AOTF Lines");

inline const QString kWavelength = QStringLiteral("Wavelength");
inline const QString kChannelNo = QStringLiteral("Channel No");
inline const QString kNotInclude = QStringLiteral("Not Include");
inline const QString kIdAvailableAom = QStringLiteral("ID Available AOM");

inline const QString kAotfDriver = QStringLiteral("AOTF Driver");
inline const QString kAotfUv = QStringLiteral("AOTF UV");
inline const QString kAotf4Pr = QStringLiteral("AOTF 4 PR");

// The attenuator has six channels; lines above this wavelength are infrared.
inline constexpr int kChannels = 6;
inline constexpr int kInfraredAbove = 650;

} // namespace laser
