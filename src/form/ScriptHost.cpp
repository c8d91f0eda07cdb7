#include "ScriptHost.h"

#include "ScriptRunner.h"

#include <utility>

namespace form {

bool ScriptHost::askYesNo(const QString& text, const QString&) {
    return m_runner.answerQuestion(text);
}

void ScriptHost::message(const QString& text, const QString&, MessageIcon) {
    m_runner.answerMessage(text);
}

void ScriptHost::showError(const QString& text, const QString&) {
    if (m_runner.acknowledgeError(text))
        return;
    m_errors.append(text);
    if (m_errorHandler)
        m_errorHandler(text);
}

std::optional<QString> ScriptHost::askSaveFileName(const QString&, const QString&, const QString&) {
    return m_runner.answerSaveFile();
}

void ScriptHost::runModal(Form& dialog) {
    m_runner.runWhileOpen(dialog);
}

} // namespace form
