#pragma once

class QMenuBar;

namespace form {
class Form;
}

namespace ui {

// Puts the form's menu items into the menu bar, one menu per frame of their placement (its
// caption is the menu title), in creation order. Returns whether the form has any.
bool buildMenus(const form::Form& form, QMenuBar* bar);

} // namespace ui
