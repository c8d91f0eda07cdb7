#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace editor {

// What a wheel's position control hands the filter catalogue browser when a position is clicked,
// and what the browser hands back: one object for the whole run, overwritten by every click.
struct FilterDialogContext {
    static constexpr int kPositions = 8;
    static constexpr int kTypes = 5;

    QString wheelName;
    // The catalogue types that fit the wheel, 1 to kTypes of them.
    QStringList allowedTypes;
    // 1 to kPositions.
    int selectedPosition = 1;
    // Filters are shown by their id (ID Potential), else by their code number.
    bool idsShown = true;
    // The filter on each position, entry p - 1 for position p.
    std::array<QString, kPositions> current;

    // The filter of the selected position: the browser's current choice.
    QString& selection() {
        return current[std::size_t(qBound(1, selectedPosition, kPositions) - 1)];
    }
    const QString& selection() const {
        return current[std::size_t(qBound(1, selectedPosition, kPositions) - 1)];
    }
};

} // namespace editor
