#pragma once

#include <form/Host.h>
#include <memory>

class QWidget;

namespace ui {

class SplashWindow;
class WindowApp;

// The host of the window program: real message boxes, the save-file dialog, the busy pointer and
// the dialogs of WindowApp run modally.
class QtHost : public form::Host {
public:
    explicit QtHost(WindowApp& windows);
    ~QtHost() override;

    bool askYesNo(const QString& text, const QString& title) override;
    void message(const QString& text, const QString& title, form::MessageIcon icon) override;
    void beep() override;
    // A flag, not a count: the last call wins, so that an unbalanced pair never leaves the
    // hourglass on.
    void setBusy(bool busy) override;
    void processEvents() override;
    void sleepMs(int ms) override;
    std::optional<QString> askSaveFileName(const QString& preset, const QString& description,
                                           const QString& pattern) override;
    void runModal(form::Form& dialog) override;
    void showSplash(bool shown) override;
    void raiseMainWindow() override;

    bool isBusy() const { return m_busy; }

private:
    class PersonTurn;

    // The window a box opens above: the innermost modal dialog, else the main window.
    QWidget* boxParent() const;

    WindowApp& m_windows;
    bool m_busy = false;
    std::unique_ptr<SplashWindow> m_splash;
};

} // namespace ui
