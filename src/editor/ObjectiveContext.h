#pragma once

#include <QString>

namespace editor {

// What a revolver position hands the objective catalogue browser and gets back: the objective
// the position shows as the browser opens, the one the engineer clicked as it closes (empty for
// none).
struct ObjectiveContext {
    QString selectedId;
    // The revolver page shows objectives by name; the browser then lists them by name too.
    bool namesShown = false;
};

} // namespace editor
