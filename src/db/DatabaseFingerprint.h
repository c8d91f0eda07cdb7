#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

namespace db {

// A fingerprint of a database file's content, for telling whether another program changed it:
// equal content gives an equal fingerprint. The header fields that only count changes (change
// counter, schema cookie, version-valid-for, library version) stay out, because a copy through
// the engine's backup sets them anew: such a copy has the fingerprint of its source file. Fast
// (a 64-bit hash that runs at memory speed) and no protection against deliberate collisions.
class DatabaseFingerprint {
public:
    DatabaseFingerprint();

    // The file's next bytes, in order.
    void add(const char* data, qint64 size);
    QByteArray result() const;

    // The fingerprint of an open file, read from its start to its end. Reading through a
    // descriptor the caller holds lets it keep the file open while a connection of this process
    // locks it: closing any descriptor of a file drops every lock the process holds on it.
    static QByteArray of(QIODevice& file);
    // The bytes read at a time: enough for few system calls, small beside the program's memory.
    static constexpr qint64 kChunk = qint64(256) << 10;

private:
    void feed(const char* data, qint64 size);
    void addStripe(const char* stripe);

    quint64 m_lanes[4];
    char m_pending[32];
    qint64 m_pendingSize = 0;
    qint64 m_total = 0;
};

} // namespace db
