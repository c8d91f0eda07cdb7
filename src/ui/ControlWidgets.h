#pragma once

#include <QString>

class QAction;
class QLabel;
class QObject;
class QWidget;

namespace form {
class Control;
class MenuItem;
} // namespace form

namespace ui {

// The widget of a control, bound both ways: a person's change goes to the control's user entry
// point, and every change of the control is shown with the widget's signals blocked, so that
// showing a value never runs a handler a second time. The widget's object name is the control's
// address. Menu items have no widget (see createMenuAction); the main tab control is built by the
// main window around its pages.
QWidget* createControlWidget(form::Control& control, QWidget* parent = nullptr);

// The label shown before a list or text box with a caption; it follows the control's caption,
// visibility and enabled state; its object name is the address followed by "#caption". nullptr
// for other kinds.
QLabel* createCaptionLabel(form::Control& control, QWidget* parent = nullptr);

QAction* createMenuAction(form::MenuItem& item, QObject* parent);

// A label caption as a person sees it: "&&" is one "&" and a single "&" only marks the access
// key, which a label without a buddy does not underline.
QString labelText(const QString& caption);

} // namespace ui
