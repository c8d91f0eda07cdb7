#pragma once

#include "ActionBoundary.h"
#include "Form.h"
#include "Host.h"

#include <QList>
#include <memory>
#include <vector>

namespace form {

// Every form of the program, the dialogs open above the main window, the host and the action
// boundary. The first form added is the main window.
class FormSet {
public:
    FormSet();
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    Form& addForm(const QString& name, const QString& caption = {});
    // For dialogs with state of their own, derived from Form.
    template <class T, class... Args> T& add(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T& result = *form;
        adopt(std::move(form));
        return result;
    }

    // Throws std::logic_error before a form was added.
    Form& main() const;
    // nullptr when there is no form of that name.
    Form* form(const QString& name) const;
    QList<Form*> forms() const;

    // The visible dialogs, the first opened first.
    QList<Form*> openDialogs() const;
    Form* innermostDialog() const;
    // Whether a modal dialog is open above this form, so that a person cannot reach it.
    bool isBlocked(const Form& form) const;

    // Shows the dialog and returns once it is hidden again.
    void showModal(Form& dialog);

    // Throws std::logic_error while none is set.
    Host& host() const;
    void setHost(Host* host) { m_host = host; }
    // nullptr = run actions directly.
    void setBoundary(ActionBoundary* boundary) { m_boundary = boundary; }
    // Runs a person's action inside the boundary; while input is paused it is ignored.
    void runUserAction(const std::function<void()>& action);

    // Whether the running action waits (see InputPause).
    bool isInputPaused() const { return m_inputPauses > 0; }

private:
    friend class Form;

    struct OpenDialog {
        Form* form;
        bool modal;
    };

    void adopt(std::unique_ptr<Form> form);
    void visibilityChanged(Form& form);

    std::vector<std::unique_ptr<Form>> m_forms;
    QList<OpenDialog> m_open;
    Host* m_host = nullptr;
    ActionBoundary* m_boundary = nullptr;
    int m_inputPauses = 0;

    friend class InputPause;
};

// A wait of the running action: the window repaints, but a person's input that arrives meanwhile
// starts no action, which would run inside the waiting one.
class InputPause {
public:
    explicit InputPause(FormSet& forms) : m_forms(forms) { ++m_forms.m_inputPauses; }
    ~InputPause() { --m_forms.m_inputPauses; }
    InputPause(const InputPause&) = delete;
    InputPause& operator=(const InputPause&) = delete;

private:
    FormSet& m_forms;
};

} // namespace form
