#pragma once

#include <QDialog>

namespace form {
class Form;
}

namespace ui {

// A dialog form as a dialog window: its controls in creation order (grouped by frame, lists and
// text boxes behind their captions), its buttons outside any frame in a row at the bottom. The
// window's title and visibility follow the form: showing the form opens the window (modal when the
// form set opened it modally) and hiding it closes the window and ends runModal().
class DialogView : public QDialog {
    Q_OBJECT

public:
    explicit DialogView(form::Form& form, QWidget* parent = nullptr);

    form::Form& form() const { return m_form; }

    // Lets a person work in the dialog until its form is hidden.
    void runModal();

protected:
    // The close button and Escape act as the form's close button; only the form hides the window.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showForm();
    bool isShownModally() const;

    form::Form& m_form;
    bool m_closing = false;
};

} // namespace ui
