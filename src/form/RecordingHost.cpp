#include "RecordingHost.h"

#include "Form.h"

#include <stdexcept>

namespace form {

bool RecordingHost::askYesNo(const QString& text, const QString& title) {
    boxes.append({text, title, MessageIcon::Information, true});
    if (yesNoAnswers.isEmpty())
        throw std::logic_error(QStringLiteral("unexpected question: %1").arg(text).toStdString());
    return yesNoAnswers.dequeue();
}

void RecordingHost::message(const QString& text, const QString& title, MessageIcon icon) {
    boxes.append({text, title, icon, false});
}

std::optional<QString> RecordingHost::askSaveFileName(const QString& preset, const QString&,
                                                      const QString&) {
    if (saveAnswers.isEmpty())
        throw std::logic_error(
            QStringLiteral("unexpected save-file dialog for %1").arg(preset).toStdString());
    return saveAnswers.dequeue();
}

void RecordingHost::runModal(Form& dialog) {
    modalDialogs.append(dialog.name());
    if (modalScript)
        modalScript(dialog);
    if (dialog.isVisible())
        throw std::logic_error(
            QStringLiteral("modal dialog %1 was left open").arg(dialog.name()).toStdString());
}

} // namespace form
