#pragma once

#include <QString>
#include <QStringList>

// Texts of the system that more than one place shows or stores.
namespace editor::texts {

inline const QString kCaption =
    QStringLiteral("ORBIS Configuration Tool ( Rel. 3.0 / 3.2 ) ( 13 SP2 )");
inline const QString kHklm = QStringLiteral("HKEY_LOCAL_MACHINE");
inline const QString kDatabaseKey = QStringLiteral("SOFTWARE\\Quentara\\CP\\Database");
inline const QString kStepDacSuffix = QStringLiteral("\\CP\\StepDAC");
inline const QString kStepDacKey = QStringLiteral("SOFTWARE\\Quentara\\CP\\StepDAC");

inline const QString kNoAdministrator = QStringLiteral("You have no administrator rights ! Exit!");
inline const QString kNoSystemDatabase =
    QStringLiteral("No system database found ! Exit configuration tool !");
inline const QString kOldRelease = QStringLiteral("Database Version < 3.0 not allowed ! Exit!");

// The stands whose rules the editor knows by name.
inline const QString kStandInvertaM2 = QStringLiteral("Inverta M2");
inline const QString kStandOrvaneAie = QStringLiteral("Orvane AIE");
inline const QString kStandErectaD = QStringLiteral("Erecta D");

// Both the scan head and the FCS head may be removed; the last one removed leaves none.
inline const QString kNoHead =
    QStringLiteral("There is no scan head and no FCS head, you must have 1 head!");

} // namespace editor::texts
