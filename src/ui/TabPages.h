#pragma once

#include <QList>

class QTabWidget;
class QWidget;

namespace form {
class Control;
class TabControl;
} // namespace form

namespace ui {

// The form's main tab control with its pages: page i shows the frames of pageControls[i] in three
// columns, scrolling when they do not fit. The tabs follow the model (captions, enabled pages, the
// page in front, pages added later); bringing a page to the front is a person's tab click.
QTabWidget* buildTabPages(form::TabControl& tabs, const QList<QList<form::Control*>>& pageControls,
                          QWidget* parent = nullptr);

} // namespace ui
