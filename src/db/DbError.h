#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error of the database engine or of a database file: the message names the file, the
// table or field, and the engine's reason. The editor catches it at the edge of a user action.
class DbError : public std::runtime_error {
public:
    // What went wrong, as far as the caller may act on it.
    enum class Kind {
        Other,
        Busy,         // another connection holds a lock
        NotADatabase, // the file is not a database of the engine
        Damaged,      // the engine found the file corrupt
        Io,           // the file could not be read, written or opened
    };

    explicit DbError(const QString& message, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind) {}
    const QString& message() const { return m_message; }
    Kind kind() const { return m_kind; }

private:
    QString m_message;
    Kind m_kind;
};

} // namespace db
