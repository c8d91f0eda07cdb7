#include "SqlDialect.h"

#include "KeptTexts.h"

#include <QRegularExpression>

namespace db::dialect {

namespace {

// Calls visit(pos, len) for each stretch of the text that is not inside a quoted literal,
// a bracketed name or a double-quoted name.
template <typename Visit> void forEachBareStretch(const QString& s, Visit visit) {
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        QChar close;
        if (c == u'\'')
            close = u'\'';
        else if (c == u'[')
            close = u']';
        else if (c == u'"')
            close = u'"';
        if (close.isNull()) {
            ++i;
            continue;
        }
        visit(start, i - start);
        qsizetype j = s.indexOf(close, i + 1);
        i = (j < 0) ? s.size() : j + 1;
        start = i;
    }
    visit(start, s.size() - start);
}

// Skips one name (bracketed, quoted or bare) at pos; returns the position after it.
qsizetype skipName(const QString& s, qsizetype pos, QString* name) {
    while (pos < s.size() && s.at(pos).isSpace())
        ++pos;
    if (pos >= s.size())
        return pos;
    const QChar c = s.at(pos);
    if (c == u'[' || c == u'"' || c == u'`') {
        const QChar close = c == u'[' ? QChar(u']') : c;
        const qsizetype end = s.indexOf(close, pos + 1);
        if (end < 0)
            return s.size();
        if (name)
            *name = s.mid(pos + 1, end - pos - 1);
        return end + 1;
    }
    qsizetype end = pos;
    while (end < s.size() && (s.at(end).isLetterOrNumber() || s.at(end) == u'_'))
        ++end;
    if (name)
        *name = s.mid(pos, end - pos);
    return end;
}

} // namespace

namespace {

QString translated(const QString& sql) {
    static const QRegularExpression distinctRow(QStringLiteral("\\bDISTINCTROW\\s+"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(sql.size());
    qsizetype copied = 0;
    forEachBareStretch(sql, [&](qsizetype pos, qsizetype len) {
        out += sql.mid(copied, pos - copied);
        out += sql.mid(pos, len).replace(distinctRow, QString());
        copied = pos + len;
    });
    out += sql.mid(copied);
    out = out.trimmed();
    while (out.endsWith(u';'))
        out = out.chopped(1).trimmed();
    return out;
}

} // namespace

QString toSqlite(const QString& sql) {
    // The same texts come again with every readout; a translation is kept for each text.
    thread_local KeptTexts<QString> known;
    return known.of(sql, [&] { return translated(sql); });
}

std::optional<SingleTableSelect> parseSingleTableSelect(const QString& text) {
    // Work on a copy where literals and names are blanked out, so that keywords inside them
    // do not count; positions stay the same.
    QString bare(text.size(), u' ');
    forEachBareStretch(text, [&](qsizetype pos, qsizetype len) {
        for (qsizetype i = pos; i < pos + len; ++i)
            bare[i] = text.at(i);
    });
    static const QRegularExpression head(QStringLiteral("^\\s*SELECT\\s"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression from(QStringLiteral("\\sFROM\\s"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression joins(
        QStringLiteral("\\b(JOIN|UNION|GROUP|HAVING|INTERSECT|EXCEPT|DISTINCT|LIMIT)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const auto h = head.match(bare);
    const auto f = from.match(bare);
    if (!h.hasMatch() || !f.hasMatch() || joins.match(bare).hasMatch() ||
        (bare.indexOf(u'(') >= 0 && bare.indexOf(u'(') < f.capturedStart()))
        return std::nullopt;
    SingleTableSelect result;
    result.selectList = text.mid(h.capturedEnd(), f.capturedStart() - h.capturedEnd()).trimmed();
    const qsizetype afterName = skipName(text, f.capturedEnd(), &result.table);
    if (result.table.isEmpty())
        return std::nullopt;
    result.rest = text.mid(afterName).trimmed();
    static const QRegularExpression restStart(QStringLiteral("^(WHERE|ORDER)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (!result.rest.isEmpty() && !restStart.match(result.rest).hasMatch())
        return std::nullopt; // an alias, a comma join or something else we do not edit
    return result;
}

QString viewBody(const QString& createViewSql) {
    static const QRegularExpression head(QStringLiteral("^\\s*CREATE\\s+(TEMP\\s+|TEMPORARY\\s+)?"
                                                        "VIEW\\s+(IF\\s+NOT\\s+EXISTS\\s+)?"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = head.match(createViewSql);
    if (!m.hasMatch())
        return createViewSql;
    qsizetype pos = skipName(createViewSql, m.capturedEnd(), nullptr);
    static const QRegularExpression as(QStringLiteral("^\\s*(\\([^)]*\\))?\\s*AS\\s"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto a = as.match(createViewSql.mid(pos));
    if (!a.hasMatch())
        return createViewSql;
    return createViewSql.mid(pos + a.capturedEnd()).trimmed();
}

} // namespace db::dialect
