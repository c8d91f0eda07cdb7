#pragma once

#include <QString>

// The marks that options append to the scan unit's name (" SPI", " FiberOut"). A mark counts as
// a word: it ends the name or a blank follows it, so the " SPI" of "... SPI FiberOut" is found
// and the " Fibe" of another name is not. Other marks before or after it are kept.
namespace scanhead::marks {

inline const QString kSpectral = QStringLiteral(" SPI");
inline const QString kFiberOut = QStringLiteral(" FiberOut");

// Position of the mark as a word in the name, -1 when it is not there.
inline qsizetype find(const QString& name, const QString& mark) {
    for (qsizetype at = name.indexOf(mark); at >= 0; at = name.indexOf(mark, at + 1)) {
        const qsizetype end = at + mark.size();
        if (end == name.size() || name.at(end) == u' ')
            return at;
    }
    return -1;
}

inline bool has(const QString& name, const QString& mark) {
    return find(name, mark) >= 0;
}

// The name with the mark appended, unless it carries it already.
inline QString added(const QString& name, const QString& mark) {
    return has(name, mark) ? name : name + mark;
}

// The name with every occurrence of the mark taken out; unchanged without one.
inline QString removed(QString name, const QString& mark) {
    for (qsizetype at = find(name, mark); at >= 0; at = find(name, mark))
        name.remove(at, mark.size());
    return name;
}

} // namespace scanhead::marks
