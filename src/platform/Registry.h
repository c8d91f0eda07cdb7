#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace platform {

// The machine-wide registry (HKEY_LOCAL_MACHINE and any other root a caller names), kept in one
// text file in the registry editor's export format:
//
//     Windows Registry Editor Version 5.00
//
//     [HKEY_LOCAL_MACHINE\SOFTWARE\Quentara\CP\Database]
//     "Path"="/home/lab/System.mdb"
//
// Only string values are understood; "\\" and "\"" escape a backslash and a quote inside a name or
// a value, and @ names the key's default value. Key paths and value names compare without regard
// to case and keep the spelling they were first written with; a key implies all its parents.
// Files exported as UTF-16 are read too; the file is always written as UTF-8.
//
// Reading never fails: a missing or unreadable file is an empty registry and a line that cannot be
// parsed is ignored. Such lines (comments, values of other types, typing errors) are written back
// unchanged, so a hand-edited file loses nothing when the program writes to it. Every write
// re-reads the file, changes it and replaces it atomically (temporary file, fsync, rename); on any
// failure the old file stays as it was and the write reports false. The file as last read is kept
// while its size, time and file number stay the same, so that many reads of a large file (a full
// export of a machine) parse it once.
//
// Which file: Registry::defaultPath() resolves it in this order:
//   1. the path given on the command line with --registry FILE;
//   2. the environment variable ORBIS_REGISTRY;
//   3. $XDG_CONFIG_HOME/orbis/registry.reg, or ~/.config/orbis/registry.reg when XDG_CONFIG_HOME is
//      unset or not an absolute path.
class Registry {
public:
    explicit Registry(QString filePath);

    static QString defaultPath(const QString& fromCommandLine);

    const QString& filePath() const { return m_filePath; }

    // The string stored under root\subkey as name; nullopt when the key or the value is missing.
    // An empty name addresses the key's default value.
    std::optional<QString> value(const QString& root, const QString& subkey,
                                 const QString& name) const;
    bool keyExists(const QString& root, const QString& subkey) const;

    // Both create root\subkey when it is missing. Names, values and key paths must not contain line
    // breaks or NUL characters, which the file format cannot hold.
    bool createKey(const QString& root, const QString& subkey);
    bool setValue(const QString& root, const QString& subkey, const QString& name,
                  const QString& data);

    // Why the last failed write failed, for the user.
    QString errorString() const { return m_errorString; }

private:
    struct Parsed;
    const Parsed& load() const;
    // Keeps error for errorString(); true when it is empty.
    bool report(const QString& error);

    QString m_filePath;
    QString m_errorString;
    mutable std::shared_ptr<Parsed> m_parsed;
};

} // namespace platform
