#include "MainWindowView.h"

#include "ControlWidgets.h"
#include "Frames.h"
#include "Menus.h"
#include "TabPages.h"
#include "UserInput.h"

#include <form/Form.h>

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {

MainWindowView::MainWindowView(form::Form& form, const QString& statusLine, QWidget* parent)
    : QMainWindow(parent), m_form(form) {
    setObjectName(form.name());
    buildMenus(form, menuBar());

    form::TabControl* tabs = form.mainTabs();
    QList<QList<form::Control*>> pages(tabs ? tabs->count() : 0);
    QList<form::Control*> below;
    form::Control* status = nullptr;
    for (form::Control* c : form.controls()) {
        if (c->kind() == form::Kind::MenuItem || c == tabs)
            continue;
        if (c->name() == statusLine && !status) {
            status = c;
            continue;
        }
        const int page = c->placement().page;
        if (page >= 0 && page < pages.size())
            pages[page].append(c);
        else
            below.append(c);
    }

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    if (tabs)
        column->addWidget(buildTabPages(*tabs, pages, central), 1);
    const QList<Frame> frames = collectFrames(below);
    const auto filled = std::count_if(frames.begin(), frames.end(),
                                      [](const Frame& f) { return !f.controls.isEmpty(); });
    if (filled > 0)
        column->addWidget(buildFrameColumns(frames, int(filled), central), tabs ? 0 : 1);
    setCentralWidget(central);

    if (status) {
        QWidget* line = createControlWidget(*status, statusBar());
        if (auto* label = qobject_cast<QLabel*>(line))
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        statusBar()->addWidget(line, 1);
    }

    resize(1120, 760);
    connect(&m_form, &form::Form::changed, this, [this] { showForm(); });
    showForm();
}

void MainWindowView::showForm() {
    setWindowTitle(m_form.caption());
    if (m_form.isVisible())
        show();
    else if (!m_closing)
        hide();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (m_form.isVisible()) {
        m_closing = true;
        forwardUserInput([this] { m_form.userClose(); }, {});
        m_closing = false;
    }
    event->setAccepted(!m_form.isVisible());
}

} // namespace ui
