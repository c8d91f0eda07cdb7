#include "DialogView.h"

#include "ControlWidgets.h"
#include "Frames.h"
#include "Menus.h"
#include "TabPages.h"
#include "UserInput.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <form/FormSet.h>

namespace ui {

DialogView::DialogView(form::Form& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setObjectName(form.name());
    auto* column = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    if (buildMenus(form, bar))
        column->setMenuBar(bar);
    else
        delete bar;

    form::TabControl* tabs = form.mainTabs();
    QList<QList<form::Control*>> pages(tabs ? tabs->count() : 0);
    QList<form::Control*> body;
    QList<form::Control*> buttons;
    for (form::Control* c : form.controls()) {
        if (c->kind() == form::Kind::MenuItem || c == tabs)
            continue;
        const auto& placement = c->placement();
        if (placement.page >= 0 && placement.page < pages.size())
            pages[placement.page].append(c);
        else if (c->kind() == form::Kind::Button && placement.groupName.isEmpty())
            buttons.append(c);
        else
            body.append(c);
    }

    if (tabs)
        column->addWidget(buildTabPages(*tabs, pages, this), 1);
    // A report given room fills it; other dialogs keep their controls at the top.
    const bool roomy = !form.openingSize().isEmpty();
    for (const Frame& frame : collectFrames(body))
        column->addWidget(buildFrame(frame, this), roomy ? 1 : 0);
    if (!roomy)
        column->addStretch(tabs ? 0 : 1);
    if (!buttons.isEmpty()) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (form::Control* b : buttons)
            row->addWidget(createControlWidget(*b, this));
        column->addLayout(row);
    }
    setMinimumWidth(320);
    if (roomy)
        resize(form.openingSize());

    connect(&m_form, &form::Form::changed, this, [this] { showForm(); });
    showForm();
}

bool DialogView::isShownModally() const {
    // The form set knows which way it opened the dialog: a modal dialog blocks the window it was
    // opened above (the main window, or the dialog opened before it).
    const form::FormSet* set = m_form.formSet();
    if (!set)
        return false;
    const QList<form::Form*> open = set->openDialogs();
    const auto at = open.indexOf(&m_form);
    if (at < 0)
        return false;
    const form::Form& below = at == 0 ? set->main() : *open.at(at - 1);
    return set->isBlocked(below);
}

void DialogView::showForm() {
    setWindowTitle(m_form.caption());
    if (m_form.isVisible()) {
        if (isVisible())
            return;
        setWindowModality(isShownModally() ? Qt::ApplicationModal : Qt::NonModal);
        show();
        raise();
        activateWindow();
    } else if (!m_closing) {
        // Hiding ends exec().
        hide();
    }
}

void DialogView::runModal() {
    if (!m_form.isVisible())
        return;
    // Modality takes effect when a window is shown; a dialog already open without it is shown
    // again.
    if (isVisible() && windowModality() != Qt::ApplicationModal)
        hide();
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void DialogView::closeEvent(QCloseEvent* event) {
    if (m_form.isVisible()) {
        m_closing = true;
        forwardUserInput([this] { m_form.userClose(); }, {});
        m_closing = false;
    }
    event->setAccepted(!m_form.isVisible());
}

void DialogView::reject() {
    if (m_form.isVisible())
        forwardUserInput([this] { m_form.userClose(); }, {});
}

} // namespace ui
