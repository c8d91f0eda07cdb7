#pragma once

#include <QHash>
#include <QString>

namespace db {

// Texts made from a key once and found again, for what runs with every lookup of a readout (an
// SQL text, a name as a statement writes it). Keys that carry values would pile up: the texts
// start afresh once there are kLimit of them.
template <class Key> class KeptTexts {
public:
    static constexpr qsizetype kLimit = 1024;

    // The text of key, made by make() when it is not kept.
    template <class Make> QString of(const Key& key, Make make) {
        if (const auto known = m_texts.constFind(key); known != m_texts.constEnd())
            return *known;
        if (m_texts.size() >= kLimit)
            m_texts.clear();
        return *m_texts.insert(key, make());
    }
    void clear() { m_texts.clear(); }

private:
    QHash<Key, QString> m_texts;
};

} // namespace db
