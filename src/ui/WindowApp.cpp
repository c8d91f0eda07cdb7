#include "WindowApp.h"

#include "DialogView.h"
#include "MainWindowView.h"
#include "QtHost.h"

#include <form/FormSet.h>

namespace ui {

WindowApp::WindowApp(form::FormSet& forms)
    : m_forms(forms), m_main(std::make_unique<MainWindowView>(forms.main())),
      m_host(std::make_unique<QtHost>(*this)) {
    for (form::Form* f : forms.forms()) {
        if (f != &forms.main())
            dialog(*f);
    }
}

WindowApp::~WindowApp() {
    // The host may still hold the busy pointer or the splash window.
    m_host.reset();
}

QMainWindow& WindowApp::mainWindow() {
    return *m_main;
}

DialogView& WindowApp::dialog(form::Form& form) {
    DialogView*& view = m_dialogs[&form];
    if (!view)
        view = new DialogView(form, m_main.get());
    return *view;
}

void WindowApp::show() {
    m_forms.main().show();
}

} // namespace ui
