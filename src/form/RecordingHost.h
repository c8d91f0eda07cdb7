#pragma once

#include "Host.h"

#include <QList>
#include <QQueue>
#include <functional>

namespace form {

// A host for tests: records what the program shows and answers from queues. A question, a
// save-file dialog or a modal dialog the test did not prepare an answer for throws
// std::logic_error, so that it fails the test instead of passing by accident.
class RecordingHost : public Host {
public:
    struct Box {
        QString text;
        QString title;
        MessageIcon icon;
        bool question;
    };

    QList<Box> boxes;
    QQueue<bool> yesNoAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    // Acts in a modal dialog like a person would; it must leave the dialog hidden.
    std::function<void(Form&)> modalScript;
    QList<QString> modalDialogs;
    QList<bool> busyChanges;
    QList<bool> splashChanges;
    int beeps = 0;
    int eventPumps = 0;
    int sleptMs = 0;
    int raises = 0;

    bool askYesNo(const QString& text, const QString& title) override;
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyChanges.append(busy); }
    void processEvents() override { ++eventPumps; }
    void sleepMs(int ms) override { sleptMs += ms; }
    std::optional<QString> askSaveFileName(const QString& preset, const QString& description,
                                           const QString& pattern) override;
    void runModal(Form& dialog) override;
    void showSplash(bool shown) override { splashChanges.append(shown); }
    void raiseMainWindow() override { ++raises; }
};

} // namespace form
