#include "MainWindowView.h"

#include "ControlWidgets.h"
#include "Frames.h"
#include "Menus.h"
#include "TabPages.h"
#include "UserInput.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <form/Form.h>

namespace ui {

namespace {

// The frames below the tabs side by side; a frame without caption (the program's actions) sits at
// the bottom of the row, where a person looks for them.
QHBoxLayout* buildBottomRow(const QList<Frame>& frames, QWidget* parent) {
    auto* row = new QHBoxLayout;
    for (const Frame& frame : frames) {
        if (frame.controls.isEmpty())
            continue;
        const bool titled = !frame.caption.isEmpty();
        row->addWidget(buildFrame(frame, parent), titled ? 1 : 0,
                       titled ? Qt::AlignTop : Qt::AlignBottom);
    }
    return row;
}

} // namespace

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
    if (!below.isEmpty())
        column->addLayout(buildBottomRow(collectFrames(below), central));
    setCentralWidget(central);

    if (status) {
        QWidget* line = createControlWidget(*status, statusBar());
        if (auto* label = qobject_cast<QLabel*>(line)) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->setMinimumHeight(label->fontMetrics().height() + 8);
        }
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
