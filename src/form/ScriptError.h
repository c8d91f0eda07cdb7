#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace form {

// A failed automation script: a line that cannot be done, a failed `expect`, a box the script
// does not answer. It ends the run; action boundaries let it pass (see ActionBoundary).
class ScriptError : public std::exception {
public:
    // line 0 = no particular line.
    ScriptError(int line, const QString& reason);

    int line() const { return m_line; }
    const QString& reason() const { return m_reason; }
    // "line 12: reason".
    QString message() const;
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_line;
    QString m_reason;
    QByteArray m_what;
};

} // namespace form
