#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Database;
}
namespace editor {
class Editor;
}
namespace form {
class ListBox;
}

namespace scanhead {

class UserChangeFilter;

// The filter wheels of the heads: which wheels a head's list offers, which filter types each
// wheel takes, and the number of a wheel's positions.
class FilterWheels {
public:
    enum class Head { Scan, Fcs };

    // The types a wheel of that head takes; empty for a wheel that is not offered for editing.
    static QStringList allowedTypes(Head head, const QString& wheel);

    // Lists the usable wheels driven by the head's node (item data: their positions) and shows
    // the first in the control, with the emission filter types.
    static void fillWheelList(editor::Editor& editor, form::ListBox& list,
                              UserChangeFilter& control, Head head);
    // The wheel picked in the list, shown with the types it takes.
    static void showPickedWheel(const form::ListBox& list, UserChangeFilter& control, Head head);

    // Gives the wheel exactly `positions` included positions. Rows beyond are marked Not
    // Include, never deleted; missing rows up to `positions` are added empty ("None").
    static void SetWheelPositionCount(db::Database& work, const QString& wheel, int positions);

    // Puts a filter on a position of a wheel. Two rows for one position leave the choice to
    // nobody: neither is changed, and false is returned, as for a position without a row.
    static bool PlaceFilter(db::Database& work, const QString& wheel, int position,
                            const QString& filter);
};

} // namespace scanhead
