#pragma once

#include <QString>
#include <optional>

namespace form {

class Form;

enum class MessageIcon { Information, Warning, Critical };

// Everything that needs a person or the desktop. The window implementation shows real boxes, the
// script implementation takes its answers from the automation script, tests use RecordingHost.
class Host {
public:
    virtual ~Host() = default;

    // A modal Yes/No box; true = Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // A modal box with an OK button.
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // The box that shows an error the action boundary caught: the window shows it like any
    // message; a headless run reports it and goes on.
    virtual void showError(const QString& text, const QString& title) {
        message(text, title, MessageIcon::Critical);
    }
    virtual void beep() = 0;
    // The hourglass pointer.
    virtual void setBusy(bool busy) = 0;
    // Lets the window repaint and handle its own events; a person's input waits until the
    // running action ends, since it would start an action inside it.
    virtual void processEvents() = 0;
    virtual void sleepMs(int ms) = 0;
    // The save-file dialog; the chosen path, or nothing when the person cancels.
    virtual std::optional<QString>
    askSaveFileName(const QString& preset, const QString& description, const QString& pattern) = 0;
    // Lets a person work in the dialog, which is already visible, and returns once it is hidden.
    // Behaviour code calls FormSet::showModal, not this.
    virtual void runModal(Form& dialog) = 0;
    virtual void showSplash(bool shown) = 0;
    // Brings the main window to the front (a second start asked for it).
    virtual void raiseMainWindow() = 0;
};

} // namespace form
