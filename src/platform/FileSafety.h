#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

namespace platform {

// A file operation that failed. The message names the step, the file and the system's reason
// ("Cannot flush the system database /data/System.mdb: input/output error", see FileNames); it
// is meant for the user as it stands.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message, bool replaced = false)
        : std::runtime_error(message.toStdString()), m_message(message), m_replaced(replaced) {}
    const QString& message() const { return m_message; }
    // The target already holds its new content: the rename was done and only making it
    // durable (flushing the folder) failed afterwards.
    bool replaced() const { return m_replaced; }

private:
    QString m_message;
    bool m_replaced;
};

// The file steps on which the installation's files depend: each either completes or throws
// FileError, and a target is at every moment either its old or its whole new content. A new
// content is written to a temporary file beside the target (same folder, so the rename cannot
// cross file systems), every write is checked, the file is flushed, renamed over the target and
// the folder is flushed, so that the rename itself survives a power loss.
namespace FileSafety {

// Scratch files that the program makes anew whenever it needs them (the working copy) skip the
// flushes: only a power loss can lose them, and nothing is lost with them.
enum class Durability { Synced, Scratch };

// Replaces path with bytes. A target that exists keeps its permission bits.
void writeAtomically(const QString& path, const QByteArray& bytes,
                     Durability durability = Durability::Synced);
// Copies source over target as one consistent state of source: a source that changes while it
// is read is read again.
void copyOver(const QString& source, const QString& target,
              Durability durability = Durability::Synced);
// Gives the file source a second name, target (which must not exist): both then name the same
// bytes, and nothing is copied. False, with nothing done, where the file system has no second
// names or target's folder lies on another one. With Synced, target's folder is flushed, so that
// the new name survives a power loss.
bool linkTo(const QString& source, const QString& target,
            Durability durability = Durability::Synced);
// Renames source (a file beside target) over target and flushes the folder. When only the flush
// fails, the FileError says replaced().
void replace(const QString& source, const QString& target,
             Durability durability = Durability::Synced);
void syncFile(const QString& path);
void syncFolder(const QString& path);
// Removes a file; a file that is not there is no error.
void remove(const QString& path);
// Creates a folder with its missing parents.
void makeFolder(const QString& path);

// What tells a file apart from another one put at its path, and from its own later states:
// device, file number, size and time of the last change. Empty when there is no such file.
QByteArray fileIdentity(const QString& path);

// Whether two paths name one file (the same device and file number), as a second name made by
// linkTo does. False when either is missing.
bool sameFile(const QString& a, const QString& b);

// A name for a new file beside target that will replace it, unique in this process and marked as
// a temporary of this program. Nothing is created.
QString temporaryPath(const QString& target);
// The file that the temporary at path (a name from temporaryPath) replaces; empty for any other
// path.
QString temporaryTarget(const QString& path);
// Removes the temporaries that a killed run of this program left in folder, with the
// database engine's journals beside them; those of a process that still runs stay.
void removeStaleTemporaries(const QString& folder);

// A file operation that another library performs for this program (the database engine writing
// a copy) announces itself here before it starts, so that the test switch reaches it too.
void step(const QString& what, const QString& path);

// The test switch: the k-th file operation from now (1, 2, ...) fails once as the system would
// fail it (an input/output error); 0 turns it off. calls() counts the operations since.
void failCall(qint64 k);
qint64 calls();
// For tests too: called before every file operation, with its description and file, so that a
// test can act (another program committing) at a chosen moment. Empty turns it off.
void setStepHook(std::function<void(const QString& what, const QString& path)> hook);

} // namespace FileSafety

} // namespace platform
