#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error of the database engine or of a database file. The message says in words what failed
// and on which file, as the user knows it ("Cannot write the working copy /x/BackupDB/Temp.mdb:
// input/output error (disk I/O error)"); the editor catches it at the edge of a user action.
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

    // The engine's own account of a failure: its result code, the system's error number, its
    // text and the statement that failed. The message shows the text in parentheses and leaves
    // the statement to those who debug the program.
    struct Engine {
        int code = 0;
        int systemError = 0;
        QString text;
        QString statement;
    };

    explicit DbError(const QString& message, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind) {}
    DbError(const QString& message, Kind kind, Engine engine)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind),
          m_engine(std::move(engine)) {}
    const QString& message() const { return m_message; }
    Kind kind() const { return m_kind; }
    const Engine& engine() const { return m_engine; }

private:
    QString m_message;
    Kind m_kind;
    Engine m_engine;
};

} // namespace db
