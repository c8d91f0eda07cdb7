#include "DatabaseFingerprint.h"

#include "DbError.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace db {

namespace {

// The hash is XXH64 (Yann Collet's public-domain design) over the file with the volatile header
// fields set to zero.
constexpr quint64 kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kPrime3 = 0x165667B19E3779F9ULL;
constexpr quint64 kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr quint64 kPrime5 = 0x27D4EB2F165667C5ULL;

// Offsets and sizes of the header fields that a copy through the engine's backup sets anew.
struct Range {
    qint64 offset;
    qint64 size;
};
constexpr Range kVolatile[] = {{24, 4}, {40, 4}, {92, 8}};
constexpr qint64 kHeaderEnd = 100;

quint64 rotl(quint64 x, int r) {
    return (x << r) | (x >> (64 - r));
}

quint64 read64(const char* p) {
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

quint32 read32(const char* p) {
    quint32 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

quint64 round(quint64 acc, quint64 input) {
    acc += input * kPrime2;
    return rotl(acc, 31) * kPrime1;
}

quint64 merge(quint64 acc, quint64 lane) {
    acc ^= round(0, lane);
    return acc * kPrime1 + kPrime4;
}

} // namespace

DatabaseFingerprint::DatabaseFingerprint()
    : m_lanes{kPrime1 + kPrime2, kPrime2, 0, quint64(0) - kPrime1} {}

void DatabaseFingerprint::addStripe(const char* stripe) {
    for (int i = 0; i < 4; ++i)
        m_lanes[i] = round(m_lanes[i], read64(stripe + 8 * i));
}

void DatabaseFingerprint::add(const char* data, qint64 size) {
    if (m_total < kHeaderEnd && size > 0) {
        const qint64 n = std::min(size, kHeaderEnd - m_total);
        char header[kHeaderEnd];
        std::memcpy(header, data, size_t(n));
        for (const Range& range : kVolatile)
            for (qint64 at = range.offset; at < range.offset + range.size; ++at)
                if (at >= m_total && at < m_total + n)
                    header[at - m_total] = 0;
        feed(header, n);
        data += n;
        size -= n;
    }
    feed(data, size);
}

void DatabaseFingerprint::feed(const char* data, qint64 size) {
    if (size <= 0)
        return;
    m_total += size;
    if (m_pendingSize > 0) {
        const qint64 take = std::min<qint64>(size, 32 - m_pendingSize);
        std::memcpy(m_pending + m_pendingSize, data, size_t(take));
        m_pendingSize += take;
        data += take;
        size -= take;
        if (m_pendingSize < 32)
            return;
        addStripe(m_pending);
        m_pendingSize = 0;
    }
    for (; size >= 32; data += 32, size -= 32)
        addStripe(data);
    std::memcpy(m_pending, data, size_t(size));
    m_pendingSize = size;
}

QByteArray DatabaseFingerprint::result() const {
    quint64 h;
    if (m_total >= 32) {
        h = rotl(m_lanes[0], 1) + rotl(m_lanes[1], 7) + rotl(m_lanes[2], 12) + rotl(m_lanes[3], 18);
        for (quint64 lane : m_lanes)
            h = merge(h, lane);
    } else {
        h = kPrime5;
    }
    h += quint64(m_total);
    const char* p = m_pending;
    qint64 left = m_pendingSize;
    for (; left >= 8; p += 8, left -= 8)
        h = rotl(h ^ round(0, read64(p)), 27) * kPrime1 + kPrime4;
    if (left >= 4) {
        h = rotl(h ^ (quint64(read32(p)) * kPrime1), 23) * kPrime2 + kPrime3;
        p += 4;
        left -= 4;
    }
    for (; left > 0; ++p, --left)
        h = rotl(h ^ (quint64(quint8(*p)) * kPrime5), 11) * kPrime1;
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    h ^= h >> 32;
    QByteArray digest(8, Qt::Uninitialized);
    for (int i = 0; i < 8; ++i)
        digest[i] = char(h >> (56 - 8 * i));
    return digest;
}

QByteArray DatabaseFingerprint::of(QIODevice& file) {
    if (!file.seek(0))
        throw DbError(QStringLiteral("Cannot read the database file: %1").arg(file.errorString()));
    DatabaseFingerprint fingerprint;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0)
            throw DbError(
                QStringLiteral("Cannot read the database file: %1").arg(file.errorString()));
        if (n == 0)
            break;
        fingerprint.add(buffer.constData(), n);
    }
    return fingerprint.result();
}

} // namespace db
