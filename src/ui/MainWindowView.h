#pragma once

#include <QMainWindow>

namespace form {
class Form;
}

namespace ui {

// The main form as the program's main window: its menu items in the menu bar, its main tab control
// with the frames of each page, the controls on no page in frames below the tabs, and the status
// line in the status bar. The window's title and visibility follow the form.
class MainWindowView : public QMainWindow {
    Q_OBJECT

public:
    // statusLine: the label shown in the status bar instead of in a frame.
    explicit MainWindowView(form::Form& form, const QString& statusLine = QStringLiteral("LMsg"),
                            QWidget* parent = nullptr);

    form::Form& form() const { return m_form; }

protected:
    // The window's close button is the form's: the model decides, and the window closes only once
    // the form is hidden.
    void closeEvent(QCloseEvent* event) override;

private:
    void showForm();

    form::Form& m_form;
    bool m_closing = false;
};

} // namespace ui
