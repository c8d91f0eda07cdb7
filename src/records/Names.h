#pragma once

#include <QString>

// Names of the installation's tables and fields that more than one folder of the program uses.
// Every name here is checked against the schema in data/ (tests/records/tst_names.cpp).
namespace records {

// Key and status fields.
inline const QString kIdAvailable = QStringLiteral("ID Available");
inline const QString kIdPotential = QStringLiteral("ID Potential");
inline const QString kStatus = QStringLiteral("Status");
inline const QString kSummary = QStringLiteral("Summary");
inline const QString kControl = QStringLiteral("Control");

// The system row and the history of stored databases.
inline const QString kSystemVersions = QStringLiteral("System Versions");
inline const QString kVersionName = QStringLiteral("Version Name");
inline const QString kAvailableSystems = QStringLiteral("Available Systems");
inline const QString kIdStand = QStringLiteral("ID Stand");
inline const QString kHistory = QStringLiteral("History");

// Devices of the installation.
inline const QString kAvailableAomDrivers = QStringLiteral("Available AOM Drivers");
inline const QString kAvailableAoms = QStringLiteral("Available AOMs");
inline const QString kAvailableDsps = QStringLiteral("Available Dsps");
inline const QString kAvailableFilterSets = QStringLiteral("Available FilterSets");
inline const QString kAvailableInterfaces = QStringLiteral("Available Interfaces");
inline const QString kAvailableMicroscopes = QStringLiteral("Available Microscopes");
inline const QString kAvailablePointDetectors = QStringLiteral("Available Point Detectors");
inline const QString kAvailableShutters = QStringLiteral("Available Shutters");
inline const QString kAvailableStages = QStringLiteral("Available Stages");
inline const QString kPotentialFilters = QStringLiteral("Potential Filters");
inline const QString kAvailableLamps = QStringLiteral("Available Lamps");
inline const QString kAvailableServos = QStringLiteral("Available Servos");
inline const QString kAvailableFilterPlacement = QStringLiteral("Available FilterPlacement");
inline const QString kControlPosition = QStringLiteral("Control Position");

// The objectives: the catalogue, the engineer's favourites and the revolver's positions.
inline const QString kPotentialObjectiveLenses = QStringLiteral("Potential Objective Lenses");
inline const QString kFavouriteObjectiveLenses = QStringLiteral("Favourite Objective Lenses");
inline const QString kFocusSpeed = QStringLiteral("Focus Speed");

// The microscope camera and the fine Z drives, which older releases lack.
inline const QString kAvailableCameras = QStringLiteral("Available Cameras");
inline const QString kPotentialCameras = QStringLiteral("Potential Cameras");
inline const QString kAvailableZLift = QStringLiteral("Available ZLift");
// The revolver position of a piezo objective, in "Available ZLift".
inline const QString kRevolverPosition = QStringLiteral("Revolver Position");

// The image flip of the scan processor, in "Available Dsps".
inline const QString kExchangeXY = QStringLiteral("Exchange XY");
inline const QString kMirrorX = QStringLiteral("Mirror X");
inline const QString kMirrorY = QStringLiteral("Mirror Y");

} // namespace records
