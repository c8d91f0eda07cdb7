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
inline const QString kNloAomDriver = QStringLiteral("NLO AOM Driver");
inline const QString kAomNlo = QStringLiteral("AOM NLO");

inline const QString kAvailableLasers = QStringLiteral("Available Lasers");
inline const QString kLaserWavelengths = QStringLiteral("Available Laser Wavelength");
inline const QString kPotentialLasers = QStringLiteral("Potential Lasers");
inline const QString kAvailableSwitches = QStringLiteral("Available Switches");
inline const QString kAvailableServos = QStringLiteral("Available Servos");

// The lasers of the module as "Available Lasers" names them.
inline const QString kArgon = QStringLiteral("Argon");
inline const QString kArgon2 = QStringLiteral("Argon/2");
inline const QString kArKr = QStringLiteral("Ar/Kr");
inline const QString kHeNe1 = QStringLiteral("HeNe1");
inline const QString kHeNe2 = QStringLiteral("HeNe2");
inline const QString kLaserDiode405 = QStringLiteral("Laser Diode 405");
inline const QString kEnterprise = QStringLiteral("Enterprise");
inline const QString kKrypton413 = QStringLiteral("Krypton 413");
inline const QString kTitanSapphire = QStringLiteral("Titanium:Sapphire");
inline const QString kMaiTai = QStringLiteral("Mai Tai");
inline const QString kChameleon = QStringLiteral("Chameleon");

// The types of the visible AOTF's driver by the lasers that need its channels.
inline const QString kDriver4 = QStringLiteral("AA.MOD.4C");
inline const QString kDriver5 = QStringLiteral("AA.MOD.5C");
inline const QString kDriver6 = QStringLiteral("AA.MOD.6C");

// The attenuator has six channels; lines above this wavelength are infrared.
inline constexpr int kChannels = 6;
inline constexpr int kInfraredAbove = 650;

} // namespace laser
