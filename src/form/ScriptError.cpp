#include "ScriptError.h"

namespace form {

ScriptError::ScriptError(int line, const QString& reason)
    : m_line(line), m_reason(reason), m_what(message().toUtf8()) {}

QString ScriptError::message() const {
    if (m_line <= 0)
        return m_reason;
    return QStringLiteral("line %1: %2").arg(m_line).arg(m_reason);
}

} // namespace form
