#pragma once

#include "QtHost.h"

#include <QHash>
#include <memory>

class QMainWindow;

namespace form {
class Form;
class FormSet;
} // namespace form

namespace ui {

class DialogView;
class MainWindowView;

// The program in windows: a window for every form of the set and the Qt host.
//
//     form::FormSet forms;
//     app::buildForms(forms);          // every form and control first
//     ui::WindowApp windows(forms);
//     forms.setHost(&windows.host());
//     ... install the handlers, then show the main form; the windows follow the forms.
//
// The windows are built from the forms' controls when WindowApp is created; a form added to the
// set later gets its dialog when it is first run modally. WindowApp must not outlive the set.
class WindowApp {
public:
    explicit WindowApp(form::FormSet& forms);
    ~WindowApp();
    WindowApp(const WindowApp&) = delete;
    WindowApp& operator=(const WindowApp&) = delete;

    QtHost& host() { return *m_host; }
    QMainWindow& mainWindow();
    // The dialog window of a form other than the main form.
    DialogView& dialog(form::Form& form);

    // Shows the main form; its window follows.
    void show();

private:
    form::FormSet& m_forms;
    std::unique_ptr<MainWindowView> m_main;
    // Children of the main window, which deletes them.
    QHash<const form::Form*, DialogView*> m_dialogs;
    std::unique_ptr<QtHost> m_host;
};

} // namespace ui
