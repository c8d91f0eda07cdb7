#pragma once

#include "Host.h"

#include <QStringList>
#include <functional>

namespace form {

class ScriptRunner;

// The host of a headless run: boxes and dialogs are answered by the following script lines.
// Nothing is shown and nothing waits; what would have been shown is counted for tests.
class ScriptHost : public Host {
public:
    explicit ScriptHost(ScriptRunner& runner) : m_runner(runner) {}

    bool askYesNo(const QString& text, const QString& title) override;
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    // A script may acknowledge an error box with an `ok` line, as any box; one it does not
    // acknowledge is reported through the error handler and the run goes on.
    void showError(const QString& text, const QString& title) override;
    void beep() override { ++m_beeps; }
    void setBusy(bool busy) override { m_busy = busy; }
    void processEvents() override {}
    void sleepMs(int ms) override { m_sleptMs += ms; }
    std::optional<QString> askSaveFileName(const QString& preset, const QString& description,
                                           const QString& pattern) override;
    void runModal(Form& dialog) override;
    void showSplash(bool shown) override { m_splash = shown; }
    void raiseMainWindow() override {}
    // Called with each error box that no script line acknowledged.
    void setErrorHandler(std::function<void(const QString&)> handler) {
        m_errorHandler = std::move(handler);
    }
    const QStringList& unacknowledgedErrors() const { return m_errors; }

    int beeps() const { return m_beeps; }
    bool isBusy() const { return m_busy; }
    bool isSplashShown() const { return m_splash; }
    int sleptMs() const { return m_sleptMs; }

private:
    ScriptRunner& m_runner;
    std::function<void(const QString&)> m_errorHandler;
    QStringList m_errors;
    int m_beeps = 0;
    bool m_busy = false;
    bool m_splash = false;
    int m_sleptMs = 0;
};

} // namespace form
