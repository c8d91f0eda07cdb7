#pragma once

#include <QString>
#include <QStringList>

// Texts of the system that more than one place shows or stores.
namespace app::texts {

inline const QString kCaption =
    QStringLiteral("ORBIS Configuration Tool ( Rel. 3.0 / 3.2 ) ( 13 SP2 )");
inline const QString kHklm = QStringLiteral("HKEY_LOCAL_MACHINE");
inline const QString kDatabaseKey = QStringLiteral("SOFTWARE\\Quentara\\CP\\Database");
inline const QString kStepDacSuffix = QStringLiteral("\\CP\\StepDAC");
// The step-voltage boxes, in the order of the registry values "Voltage 0" to "Voltage 3".
inline const QStringList kVoltageBoxes = {QStringLiteral("EU100"), QStringLiteral("EU10"),
                                          QStringLiteral("EU1"), QStringLiteral("EU01")};
inline const QString kStepDacKey = QStringLiteral("SOFTWARE\\Quentara\\CP\\StepDAC");

inline const QString kNoAdministrator = QStringLiteral("You have no administrator rights ! Exit!");
inline const QString kNoSystemDatabase =
    QStringLiteral("No system database found ! Exit configuration tool !");
inline const QString kOldRelease = QStringLiteral("Database Version < 3.0 not allowed ! Exit!");

inline const QString kSystemVersions = QStringLiteral("System Versions");
inline const QString kVersionName = QStringLiteral("Version Name");
inline const QString kAvailableSystems = QStringLiteral("Available Systems");
inline const QString kIdAvailable = QStringLiteral("ID Available");
inline const QString kIdPotential = QStringLiteral("ID Potential");
inline const QString kStatus = QStringLiteral("Status");
inline const QString kHistory = QStringLiteral("History");
inline const QString kVtxHead = QStringLiteral("VTX Head");

} // namespace app::texts
