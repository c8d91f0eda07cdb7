#include "Registry.h"

#include "FileSafety.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringTokenizer>
#include <utility>

namespace platform {

namespace {

const QString fileHeader = QStringLiteral("Windows Registry Editor Version 5.00");
// A file unchanged for this long has a modification time that any later change moves.
constexpr qint64 kSettledSeconds = 2;

// One line below a key: a string value we understand, or any other line kept as written.
struct Entry {
    bool isValue = false;
    QString name;
    QString data;
    QString raw;
};

// Lines before the first key header, under a key, or under a header we cannot use (a deletion
// entry "[-...]" or an empty path), whose lines must not be taken for values of another key.
struct Section {
    enum Kind { Preamble, Key, Unusable };
    Kind kind = Preamble;
    QStringList path;
    QString rawHeader;
    QList<Entry> entries;
};

// Sections and values are also found through their folded names, so that reading a file takes
// time in proportion to its length: a full export of a machine holds hundreds of thousands of
// values.
struct Document {
    QList<Section> sections;
    QHash<QString, qsizetype> keys;          // folded key path -> section
    QList<QHash<QString, qsizetype>> values; // per section: folded name -> entry
};

QStringList splitPath(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QStringList keyPath(const QString& root, const QString& subkey) {
    QStringList parts = splitPath(root);
    if (parts.size() != 1)
        return {};
    parts += splitPath(subkey);
    return parts;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool startsWithPath(const QStringList& path, const QStringList& prefix) {
    if (path.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (!sameName(path[i], prefix[i]))
            return false;
    }
    return true;
}

bool storable(const QString& text) {
    for (QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0))
            return false;
    }
    return true;
}

// Reads a quoted text starting at s[pos] == '"'; leaves pos after the closing quote.
bool parseQuoted(QStringView s, qsizetype& pos, QString& out) {
    if (pos >= s.size() || s[pos] != u'"')
        return false;
    const qsizetype begin = ++pos;
    // Most texts hold no escape and are taken in one piece.
    while (pos < s.size() && s[pos] != u'"' && s[pos] != u'\\')
        ++pos;
    out = s.sliced(begin, pos - begin).toString();
    while (pos < s.size()) {
        const QChar c = s[pos];
        if (c == u'"') {
            ++pos;
            return true;
        }
        if (c == u'\\' && pos + 1 < s.size() && (s[pos + 1] == u'\\' || s[pos + 1] == u'"')) {
            out += s[pos + 1];
            pos += 2;
            continue;
        }
        // A lone backslash (a hand-written Windows path) is taken literally.
        out += c;
        ++pos;
    }
    return false;
}

void skipBlanks(QStringView s, qsizetype& pos) {
    while (pos < s.size() && (s[pos] == u' ' || s[pos] == u'\t'))
        ++pos;
}

bool parseValueLine(QStringView line, Entry& entry) {
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(u'@'))
        pos = 1;
    else if (!parseQuoted(line, pos, name))
        return false;
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != u'=')
        return false;
    ++pos;
    skipBlanks(line, pos);
    QString data;
    if (!parseQuoted(line, pos, data))
        return false;
    skipBlanks(line, pos);
    if (pos != line.size())
        return false;
    entry.isValue = true;
    entry.name = std::move(name);
    entry.data = std::move(data);
    return true;
}

QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString decode(const QByteArray& bytes) {
    // Files exported by the registry editor are UTF-16 with a byte order mark.
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Names compare without regard to case: the folded text stands for all their spellings.
QString folded(const QString& name) {
    return name.toCaseFolded();
}

QString foldedPath(const QStringList& path) {
    return folded(path.join(QLatin1Char('\\')));
}

qsizetype indexOfKey(const Document& doc, const QStringList& path) {
    return doc.keys.value(foldedPath(path), -1);
}

qsizetype addSection(Document& doc, Section section) {
    const qsizetype index = doc.sections.size();
    if (section.kind == Section::Key) {
        const QString key = foldedPath(section.path);
        if (!doc.keys.contains(key))
            doc.keys.insert(key, index);
    }
    doc.sections.append(std::move(section));
    doc.values.append(QHash<QString, qsizetype>());
    return index;
}

const Entry* findValue(const Document& doc, qsizetype section, const QString& name) {
    const qsizetype entry = doc.values[section].value(folded(name), -1);
    return entry < 0 ? nullptr : &doc.sections[section].entries[entry];
}

// Through the document's own copy of the entry: the document read last is shared with the one a
// write changes, until the write is in the file.
Entry* findValue(Document& doc, qsizetype section, const QString& name) {
    const qsizetype entry = doc.values[section].value(folded(name), -1);
    return entry < 0 ? nullptr : &doc.sections[section].entries[entry];
}

void addEntry(Document& doc, qsizetype section, Entry entry) {
    QList<Entry>& entries = doc.sections[section].entries;
    if (entry.isValue)
        doc.values[section].insert(folded(entry.name), entries.size());
    entries.append(std::move(entry));
}

// A value read from the file: a name given twice keeps its first place and spelling and takes
// the last data.
void readValue(Document& doc, qsizetype section, Entry entry) {
    QHash<QString, qsizetype>& values = doc.values[section];
    QList<Entry>& entries = doc.sections[section].entries;
    const QString key = folded(entry.name);
    const auto found = values.constFind(key);
    if (found != values.cend()) {
        entries[*found].data = std::move(entry.data);
        return;
    }
    values.insert(key, entries.size());
    entries.append(std::move(entry));
}

Document parse(const QString& text) {
    Document doc;
    qsizetype current = addSection(doc, Section{});
    bool firstLine = true;
    for (QStringView line : QStringTokenizer{text, u'\n'}) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (firstLine) {
            firstLine = false;
            if (trimmed == fileHeader || trimmed == QLatin1String("REGEDIT4"))
                continue;
        }
        if (trimmed.isEmpty())
            continue;

        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            const QString inner = trimmed.sliced(1, trimmed.size() - 2).toString();
            const QStringList path = splitPath(inner);
            // A key listed twice gathers its values in its first section, later values winning,
            // as an import of such a file would end.
            current = indexOfKey(doc, path);
            if (current < 0 || inner.startsWith(QLatin1Char('-'))) {
                const bool usable = !path.isEmpty() && !inner.startsWith(QLatin1Char('-'));
                current =
                    addSection(doc, usable ? Section{Section::Key, path, {}, {}}
                                           : Section{Section::Unusable, {}, line.toString(), {}});
            }
            continue;
        }

        Entry entry;
        if (doc.sections[current].kind == Section::Key && parseValueLine(trimmed, entry)) {
            readValue(doc, current, std::move(entry));
        } else {
            entry.raw = line.toString();
            addEntry(doc, current, std::move(entry));
        }
    }
    return doc;
}

QByteArray serialize(const Document& doc) {
    QString out = fileHeader + QLatin1String("\n\n");
    for (const Section& section : doc.sections) {
        if (section.kind == Section::Preamble && section.entries.isEmpty())
            continue;
        if (section.kind == Section::Key)
            out += QLatin1Char('[') + section.path.join(QLatin1Char('\\')) + QLatin1String("]\n");
        else if (section.kind == Section::Unusable)
            out += section.rawHeader + QLatin1Char('\n');
        for (const Entry& entry : section.entries) {
            if (!entry.isValue)
                out += entry.raw;
            else if (entry.name.isEmpty())
                out += QLatin1String("@=") + quoted(entry.data);
            else
                out += quoted(entry.name) + QLatin1Char('=') + quoted(entry.data);
            out += QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

// The path of a new key spelled like the keys that already hold its leading parts, so that
// "Software\..." written below an existing "SOFTWARE" does not show two spellings in the file.
QStringList spelledLikeExisting(const Document& doc, const QStringList& path) {
    QStringList result = path;
    for (qsizetype depth = 1; depth <= path.size(); ++depth) {
        const QStringList prefix = path.first(depth);
        for (const Section& section : doc.sections) {
            if (section.kind == Section::Key && startsWithPath(section.path, prefix)) {
                result[depth - 1] = section.path[depth - 1];
                break;
            }
        }
    }
    return result;
}

bool keyExistsIn(const Document& doc, const QStringList& path) {
    if (path.size() == 1)
        return true;
    for (const Section& section : doc.sections) {
        if (section.kind == Section::Key && startsWithPath(section.path, path))
            return true;
    }
    return false;
}

// Replaces the file atomically; returns why it failed, or an empty text.
QString save(const QString& filePath, const Document& doc) {
    try {
        FileSafety::makeFolder(QFileInfo(filePath).absolutePath());
        FileSafety::writeAtomically(filePath, serialize(doc));
    } catch (const FileError& error) {
        return error.message();
    }
    return {};
}

} // namespace

// The file as last read, kept while the file stays as it was: start-up reads several values of a
// file that may hold a machine's whole registry.
struct Registry::Parsed {
    QByteArray identity;
    QByteArray bytes; // the file as read
    Document doc;
};

const Registry::Parsed& Registry::load() const {
    const QByteArray identity = FileSafety::fileIdentity(m_filePath);
    if (m_parsed && !identity.isEmpty() && m_parsed->identity == identity)
        return *m_parsed;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        auto parsed = std::make_shared<Parsed>();
        parsed->doc = parse(QString());
        m_parsed = parsed;
        return *m_parsed;
    }
    QByteArray bytes = file.readAll();
    // A file that changed while it was read is read again next time, and so is one changed a
    // moment ago: a change within the same tick of the file system's clock would keep its time.
    // Until then the bytes tell whether the file is still the one parsed last.
    const QDateTime changed = QFileInfo(m_filePath).lastModified();
    const bool settled = FileSafety::fileIdentity(m_filePath) == identity &&
                         changed.secsTo(QDateTime::currentDateTime()) >= kSettledSeconds;
    if (!m_parsed || m_parsed->bytes != bytes) {
        auto parsed = std::make_shared<Parsed>();
        parsed->doc = parse(decode(bytes));
        parsed->bytes = std::move(bytes);
        m_parsed = parsed;
    }
    m_parsed->identity = settled ? identity : QByteArray();
    return *m_parsed;
}

Registry::Registry(QString filePath) : m_filePath(std::move(filePath)) {}

QString Registry::defaultPath(const QString& fromCommandLine) {
    if (!fromCommandLine.isEmpty())
        return fromCommandLine;
    const QString fromEnvironment = qEnvironmentVariable("ORBIS_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QLatin1String("/.config");
    return configHome + QLatin1String("/orbis/registry.reg");
}

std::optional<QString> Registry::value(const QString& root, const QString& subkey,
                                       const QString& name) const {
    const QStringList path = keyPath(root, subkey);
    if (path.isEmpty())
        return std::nullopt;
    const Document& doc = load().doc;
    const qsizetype index = indexOfKey(doc, path);
    if (index < 0)
        return std::nullopt;
    if (const Entry* entry = findValue(doc, index, name))
        return entry->data;
    return std::nullopt;
}

bool Registry::keyExists(const QString& root, const QString& subkey) const {
    const QStringList path = keyPath(root, subkey);
    return !path.isEmpty() && keyExistsIn(load().doc, path);
}

bool Registry::createKey(const QString& root, const QString& subkey) {
    const QStringList path = keyPath(root, subkey);
    if (path.isEmpty() || !storable(root) || !storable(subkey))
        return report(QStringLiteral("Invalid registry key \"%1\\%2\"").arg(root, subkey));
    Document doc = load().doc;
    if (keyExistsIn(doc, path))
        return report({});
    addSection(doc, Section{Section::Key, spelledLikeExisting(doc, path), {}, {}});
    return report(save(m_filePath, doc));
}

bool Registry::setValue(const QString& root, const QString& subkey, const QString& name,
                        const QString& data) {
    const QStringList path = keyPath(root, subkey);
    if (path.isEmpty() || !storable(root) || !storable(subkey))
        return report(QStringLiteral("Invalid registry key \"%1\\%2\"").arg(root, subkey));
    if (!storable(name) || !storable(data))
        return report(QStringLiteral("Registry value \"%1\" holds a line break").arg(name));
    Document doc = load().doc;
    qsizetype index = indexOfKey(doc, path);
    if (index < 0)
        index = addSection(doc, Section{Section::Key, spelledLikeExisting(doc, path), {}, {}});
    if (Entry* entry = findValue(doc, index, name)) {
        if (entry->data == data)
            return report({});
        entry->data = data;
    } else {
        addEntry(doc, index, Entry{true, name, data, {}});
    }
    return report(save(m_filePath, doc));
}

bool Registry::report(const QString& error) {
    m_errorString = error;
    return error.isEmpty();
}

} // namespace platform
