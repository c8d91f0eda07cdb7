#include "FormSet.h"

#include <algorithm>

namespace form {

FormSet::FormSet() = default;

FormSet::~FormSet() = default;

Form& FormSet::addForm(const QString& name, const QString& caption) {
    return add<Form>(name, caption);
}

void FormSet::adopt(std::unique_ptr<Form> form) {
    if (this->form(form->name()))
        throw std::logic_error(
            QStringLiteral("two forms named %1").arg(form->name()).toStdString());
    form->m_formSet = this;
    m_forms.push_back(std::move(form));
}

Form& FormSet::main() const {
    if (m_forms.empty())
        throw std::logic_error("the form set has no main window");
    return *m_forms.front();
}

Form* FormSet::form(const QString& name) const {
    for (const auto& f : m_forms) {
        if (f->name() == name)
            return f.get();
    }
    return nullptr;
}

QList<Form*> FormSet::forms() const {
    QList<Form*> result;
    for (const auto& f : m_forms)
        result.append(f.get());
    return result;
}

QList<Form*> FormSet::openDialogs() const {
    QList<Form*> result;
    for (const OpenDialog& d : m_open)
        result.append(d.form);
    return result;
}

Form* FormSet::innermostDialog() const {
    return m_open.isEmpty() ? nullptr : m_open.last().form;
}

bool FormSet::isBlocked(const Form& form) const {
    // Dialogs opened after this form sit above it; the main window is below every dialog.
    bool above = &form == &main();
    for (const OpenDialog& d : m_open) {
        if (above && d.modal)
            return true;
        if (d.form == &form)
            above = true;
    }
    return false;
}

void FormSet::visibilityChanged(Form& form) {
    if (&form == &main())
        return;
    const auto it = std::find_if(m_open.begin(), m_open.end(),
                                 [&form](const OpenDialog& d) { return d.form == &form; });
    if (form.isVisible() && it == m_open.end())
        m_open.append({&form, false});
    else if (!form.isVisible() && it != m_open.end())
        m_open.erase(it);
}

void FormSet::showModal(Form& dialog) {
    if (dialog.isVisible())
        throw std::logic_error(QStringLiteral("%1 is already open; it cannot be shown modally")
                                   .arg(dialog.name())
                                   .toStdString());
    if (&dialog == &main())
        throw std::logic_error("the main window cannot be shown modally");
    m_open.append({&dialog, true});
    try {
        dialog.show();
    } catch (...) {
        // A dialog whose show hook failed must not stay open without anyone to close it.
        dialog.hide();
        throw;
    }
    if (!dialog.isVisible())
        return;
    try {
        host().runModal(dialog);
    } catch (...) {
        // An error that ends the modal run must not leave the dialog modal above the window.
        dialog.hide();
        throw;
    }
    // A host returns only once the dialog is hidden; should one fail to, the dialog must not stay
    // modal above the main window.
    dialog.hide();
}

Host& FormSet::host() const {
    if (!m_host)
        throw std::logic_error("no host is set");
    return *m_host;
}

void FormSet::runUserAction(const std::function<void()>& action) {
    if (m_inputPauses > 0)
        return;
    if (m_boundary)
        m_boundary->run(action);
    else
        action();
}

} // namespace form
