#pragma once

#include <QString>

// Names of the installation's database that every part of the program uses: the key fields, the
// status marker and its values, and the tables that start-up, the readout and the store share.
namespace records {

inline const QString kIdAvailable = QStringLiteral("ID Available");
inline const QString kIdPotential = QStringLiteral("ID Potential");
inline const QString kStatus = QStringLiteral("Status");

// Status values: in use, switched off, present but not driven.
inline const QString kStatusInUse = QStringLiteral(" ");
inline const QString kStatusOff = QStringLiteral("Do not use");
inline const QString kStatusDummy = QStringLiteral("Dummy");

inline const QString kSystemVersions = QStringLiteral("System Versions");
inline const QString kVersionName = QStringLiteral("Version Name");
inline const QString kAvailableSystems = QStringLiteral("Available Systems");
inline const QString kHistory = QStringLiteral("History");

} // namespace records
