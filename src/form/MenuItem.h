#pragma once

#include "Button.h"

namespace form {

// A menu entry acts like a button; only the view shows it differently.
class MenuItem : public Button {
    Q_OBJECT

public:
    MenuItem(Form& form, const QString& baseName, int index)
        : Button(form, Kind::MenuItem, baseName, index) {}
};

} // namespace form
