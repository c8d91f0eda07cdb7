#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error of the database engine or of a database file: the message names the file, the
// table or field, and the engine's reason. The editor catches it at the edge of a user action.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace db
