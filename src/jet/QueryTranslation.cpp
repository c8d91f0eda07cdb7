#include "QueryTranslation.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace jet {

namespace {

// The parts of a query in the catalogue (MSysQueries.Attribute).
enum Attribute {
    Kind = 1,
    Parameter = 2,
    Options = 3,
    SourceDatabase = 4,
    Input = 5,
    Output = 6,
    Join = 7,
    Where = 8,
    GroupBy = 9,
    Having = 10,
    OrderBy = 11,
};

// Kind's flag: 1 is a plain SELECT; the others make, append, update or delete rows, or are
// crosstab, definition, pass-through and union queries.
const QHash<int, QString> kKindNames = {
    {2, QStringLiteral("a make-table query")},   {3, QStringLiteral("an append query")},
    {4, QStringLiteral("an update query")},      {5, QStringLiteral("a delete query")},
    {6, QStringLiteral("a crosstab query")},     {7, QStringLiteral("a data-definition query")},
    {8, QStringLiteral("a pass-through query")}, {9, QStringLiteral("a union query")},
};

// Options' flag bits.
constexpr int kAllFields = 1;
constexpr int kDistinct = 2;
constexpr int kTop = 16;
constexpr int kPercent = 32;

QString quoted(const QString& text) {
    QString copy = text;
    return u'\'' + copy.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// #m/d/y [h:m:s]# as the engine's date text.
QString dateLiteral(const QString& body, QString* problem) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{2,4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(body);
    if (!m.hasMatch()) {
        *problem = QStringLiteral("the date #%1# is not of the form month/day/year").arg(body);
        return {};
    }
    int year = m.captured(3).toInt();
    if (m.captured(3).size() <= 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid()) {
        *problem = QStringLiteral("the date #%1# does not exist").arg(body);
        return {};
    }
    return quoted(QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.year(), date.month(),
                                    date.day(), m.captured(4).toInt(), m.captured(5).toInt(),
                                    m.captured(6).toInt()));
}

// Functions that keep their name or take another one, and those that need their arguments
// rearranged.
const QHash<QString, QString> kRenamed = {
    {QStringLiteral("iif"), QStringLiteral("iif")},
    {QStringLiteral("nz"), QStringLiteral("ifnull")},
    {QStringLiteral("ucase"), QStringLiteral("upper")},
    {QStringLiteral("lcase"), QStringLiteral("lower")},
    {QStringLiteral("len"), QStringLiteral("length")},
    {QStringLiteral("trim"), QStringLiteral("trim")},
    {QStringLiteral("ltrim"), QStringLiteral("ltrim")},
    {QStringLiteral("rtrim"), QStringLiteral("rtrim")},
    {QStringLiteral("mid"), QStringLiteral("substr")},
    {QStringLiteral("abs"), QStringLiteral("abs")},
    {QStringLiteral("sum"), QStringLiteral("sum")},
    {QStringLiteral("count"), QStringLiteral("count")},
    {QStringLiteral("avg"), QStringLiteral("avg")},
    {QStringLiteral("min"), QStringLiteral("min")},
    {QStringLiteral("max"), QStringLiteral("max")},
};
// The part of the call before and after the arguments.
const QHash<QString, QPair<QString, QString>> kWrapped = {
    {QStringLiteral("year"),
     {QStringLiteral("CAST(strftime('%Y',"), QStringLiteral(") AS INTEGER)")}},
    {QStringLiteral("month"),
     {QStringLiteral("CAST(strftime('%m',"), QStringLiteral(") AS INTEGER)")}},
    {QStringLiteral("day"),
     {QStringLiteral("CAST(strftime('%d',"), QStringLiteral(") AS INTEGER)")}},
    {QStringLiteral("ccur"), {QStringLiteral("round("), QStringLiteral(",4)")}},
    {QStringLiteral("cint"), {QStringLiteral("CAST(round("), QStringLiteral(") AS INTEGER)")}},
    {QStringLiteral("clng"), {QStringLiteral("CAST(round("), QStringLiteral(") AS INTEGER)")}},
    {QStringLiteral("cdbl"), {QStringLiteral("CAST("), QStringLiteral(" AS REAL)")}},
    {QStringLiteral("csng"), {QStringLiteral("CAST("), QStringLiteral(" AS REAL)")}},
    {QStringLiteral("cstr"), {QStringLiteral("CAST("), QStringLiteral(" AS TEXT)")}},
};

const QSet<QString> kKeywords = {
    QStringLiteral("and"),      QStringLiteral("or"),   QStringLiteral("not"),
    QStringLiteral("between"),  QStringLiteral("like"), QStringLiteral("in"),
    QStringLiteral("is"),       QStringLiteral("null"), QStringLiteral("as"),
    QStringLiteral("distinct"),
};

class Translator {
public:
    explicit Translator(const QString& text) : m_text(text) {}

    QString run(QString* problem) {
        QString out;
        while (m_at < m_text.size() && m_problem.isEmpty()) {
            const QChar c = m_text.at(m_at);
            // A pattern is the text right after Like.
            const bool afterLike = m_lastWordLike;
            if (!c.isSpace() && !c.isLetter() && c != u'_')
                m_lastWordLike = false;
            if (c == u'[') {
                const qsizetype end = m_text.indexOf(u']', m_at);
                if (end < 0)
                    return failed(QStringLiteral("a name is not closed by ]"), problem);
                out += m_text.mid(m_at, end - m_at + 1);
                m_at = end + 1;
            } else if (c == u'"' || c == u'\'') {
                QString body = stringBody(c);
                if (afterLike)
                    body.replace(u'*', u'%').replace(u'?', u'_');
                out += quoted(body);
            } else if (c == u'#') {
                const qsizetype end = m_text.indexOf(u'#', m_at + 1);
                if (end < 0)
                    return failed(QStringLiteral("a date is not closed by #"), problem);
                out += dateLiteral(m_text.mid(m_at + 1, end - m_at - 1), &m_problem);
                m_at = end + 1;
            } else if (c == u'!') {
                return failed(QStringLiteral("it refers to a form or a control (!)"), problem);
            } else if (c == u'&') {
                out += QStringLiteral("||");
                ++m_at;
            } else if (c.isLetter() || c == u'_') {
                out += word(problem);
            } else {
                out += c;
                ++m_at;
            }
        }
        if (!m_problem.isEmpty())
            return failed(m_problem, problem);
        return out;
    }

private:
    QString failed(const QString& why, QString* problem) {
        *problem = why;
        return {};
    }

    QString stringBody(QChar quote) {
        QString body;
        ++m_at;
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at++);
            if (c == quote) {
                if (m_at < m_text.size() && m_text.at(m_at) == quote) {
                    body += quote;
                    ++m_at;
                    continue;
                }
                return body;
            }
            body += c;
        }
        m_problem = QStringLiteral("a text is not closed by its quote");
        return body;
    }

    QString word(QString* problem) {
        const qsizetype start = m_at;
        while (m_at < m_text.size() &&
               (m_text.at(m_at).isLetterOrNumber() || m_text.at(m_at) == u'_'))
            ++m_at;
        const QString name = m_text.mid(start, m_at - start);
        const QString lower = name.toLower();
        m_lastWordLike = lower == u"like";
        qsizetype next = m_at;
        while (next < m_text.size() && m_text.at(next).isSpace())
            ++next;
        const bool call =
            next < m_text.size() && m_text.at(next) == u'(' && !kKeywords.contains(lower);
        const bool qualified = start > 0 && m_text.at(start - 1) == u'.';
        if (!call) {
            if (qualified || kKeywords.contains(lower))
                return name;
            if (lower == u"yes" || lower == u"true" || lower == u"on")
                return QStringLiteral("1");
            if (lower == u"no" || lower == u"false" || lower == u"off")
                return QStringLiteral("0");
            if (lower == u"mod")
                return QStringLiteral("%");
            return name;
        }
        if (kRenamed.contains(lower))
            return kRenamed.value(lower);
        if (lower == u"left" || lower == u"right" || kWrapped.contains(lower))
            return rearranged(lower, problem);
        m_problem = QStringLiteral("it uses the function %1").arg(name);
        return {};
    }

    // A call whose arguments are rearranged: reads them through the closing parenthesis.
    QString rearranged(const QString& function, QString* problem) {
        while (m_text.at(m_at) != u'(')
            ++m_at;
        const qsizetype open = m_at;
        int depth = 0;
        QList<qsizetype> commas;
        for (; m_at < m_text.size(); ++m_at) {
            const QChar c = m_text.at(m_at);
            if (c == u'"' || c == u'\'') {
                const qsizetype close = m_text.indexOf(c, m_at + 1);
                m_at = close < 0 ? m_text.size() - 1 : close;
            } else if (c == u'[') {
                const qsizetype close = m_text.indexOf(u']', m_at + 1);
                m_at = close < 0 ? m_text.size() - 1 : close;
            } else if (c == u'(') {
                ++depth;
            } else if (c == u')' && --depth == 0) {
                break;
            } else if (c == u',' && depth == 1) {
                commas.append(m_at);
            }
        }
        if (m_at >= m_text.size()) {
            m_problem = QStringLiteral("a call of %1 is not closed").arg(function);
            return {};
        }
        QStringList arguments;
        qsizetype from = open + 1;
        for (qsizetype comma : commas) {
            arguments.append(m_text.mid(from, comma - from));
            from = comma + 1;
        }
        arguments.append(m_text.mid(from, m_at - from));
        ++m_at;
        for (QString& argument : arguments) {
            argument = translateExpression(argument, problem);
            if (!problem->isEmpty()) {
                m_problem = *problem;
                return {};
            }
        }
        if (function == u"left" || function == u"right") {
            if (arguments.size() != 2) {
                m_problem = QStringLiteral("%1 takes two arguments").arg(function);
                return {};
            }
            return function == u"left"
                       ? QStringLiteral("substr(%1,1,%2)").arg(arguments[0], arguments[1])
                       : QStringLiteral("substr(%1,-(%2))").arg(arguments[0], arguments[1]);
        }
        if (arguments.size() != 1) {
            m_problem = QStringLiteral("%1 takes one argument").arg(function);
            return {};
        }
        const auto [before, after] = kWrapped.value(function);
        return before + arguments[0] + after;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    QString m_problem;
    bool m_lastWordLike = false;
};

QString bracketed(const QString& name) {
    QString copy = name;
    return u'[' + copy.replace(u']', QStringLiteral("]]")) + u']';
}

} // namespace

QString translateExpression(const QString& jet, QString* problem) {
    problem->clear();
    return Translator(jet).run(problem);
}

Translation translateQuery(const StoredQuery& query) {
    auto failed = [](const QString& why) { return Translation{{}, why}; };
    QString problem;
    auto expression = [&problem](const QString& jet) { return translateExpression(jet, &problem); };

    int options = 0;
    QString top;
    QStringList outputs, where, groupBy, having, orderBy;
    QList<QPair<QString, QString>> inputs; // name as the query refers to it, source text
    QList<QueryPart> joins;
    for (const QueryPart& part : query.parts) {
        switch (part.attribute) {
        case Kind:
            if (part.flag != 1)
                return failed(
                    QStringLiteral("it is %1")
                        .arg(kKindNames.value(
                            part.flag, QStringLiteral("a query of kind %1").arg(part.flag))));
            break;
        case Parameter:
            return failed(QStringLiteral("it asks for the parameter %1").arg(part.name1));
        case Options:
            options = part.flag;
            top = part.name1;
            break;
        case SourceDatabase:
            return failed(QStringLiteral("it reads another database"));
        case Input: {
            if (part.name1.isEmpty())
                return failed(QStringLiteral("it reads a subquery"));
            const QString source = bracketed(part.name1);
            if (part.name2.isEmpty())
                inputs.append({part.name1, source});
            else
                inputs.append(
                    {part.name2, source + QStringLiteral(" AS ") + bracketed(part.name2)});
            break;
        }
        case Output: {
            QString text = expression(part.expression);
            if (!part.name1.isEmpty())
                text += QStringLiteral(" AS ") + bracketed(part.name1);
            outputs.append(text);
            break;
        }
        case Join:
            joins.append(part);
            break;
        case Where:
            where.append(expression(part.expression));
            break;
        case GroupBy:
            groupBy.append(expression(part.expression));
            break;
        case Having:
            having.append(expression(part.expression));
            break;
        case OrderBy:
            orderBy.append(expression(part.expression) +
                           (part.name1.compare(u"D", Qt::CaseInsensitive) == 0
                                ? QStringLiteral(" DESC")
                                : QString()));
            break;
        default:
            break;
        }
        if (!problem.isEmpty())
            return failed(problem);
    }
    if (options & kPercent)
        return failed(QStringLiteral("it takes a percentage of the rows (TOP n PERCENT)"));
    if (inputs.isEmpty())
        return failed(QStringLiteral("it reads no table"));
    if (options & kAllFields)
        outputs.prepend(QStringLiteral("*"));
    if (outputs.isEmpty())
        return failed(QStringLiteral("it names no field"));

    // The joins chain the inputs: each one adds the input it does not reach yet; inputs that no
    // join names come first, as the cross product Jet makes of them.
    QHash<QString, QString> sourceOf;
    for (const auto& [name, source] : inputs)
        sourceOf.insert(name.toLower(), source);
    QSet<QString> joined;
    for (const QueryPart& join : joins)
        joined << join.name1.toLower() << join.name2.toLower();
    QStringList from;
    QSet<QString> placed;
    for (const auto& [name, source] : inputs) {
        if (!joined.contains(name.toLower())) {
            from.append(source);
            placed.insert(name.toLower());
        }
    }
    QString joinText;
    QList<QueryPart> pending = joins;
    if (!pending.isEmpty() && !placed.contains(pending.first().name1.toLower()) &&
        !placed.contains(pending.first().name2.toLower())) {
        const QString first = pending.first().name1.toLower();
        if (!sourceOf.contains(first))
            return failed(QStringLiteral("a join names %1, which it does not read")
                              .arg(pending.first().name1));
        from.append(sourceOf.value(first));
        placed.insert(first);
    }
    while (!pending.isEmpty()) {
        bool progress = false;
        for (qsizetype i = 0; i < pending.size(); ++i) {
            const QueryPart& join = pending.at(i);
            const QString left = join.name1.toLower(), right = join.name2.toLower();
            if (!sourceOf.contains(left) || !sourceOf.contains(right))
                return failed(QStringLiteral("a join names a table it does not read"));
            const bool hasLeft = placed.contains(left), hasRight = placed.contains(right);
            if (!hasLeft && !hasRight)
                continue;
            QString type = join.flag == 2   ? QStringLiteral("LEFT")
                           : join.flag == 3 ? QStringLiteral("RIGHT")
                                            : QStringLiteral("INNER");
            QString added = right;
            if (!hasLeft) {
                added = left;
                type = type == u"LEFT"    ? QStringLiteral("RIGHT")
                       : type == u"RIGHT" ? QStringLiteral("LEFT")
                                          : type;
            }
            const QString on = expression(join.expression);
            if (!problem.isEmpty())
                return failed(problem);
            if (hasLeft && hasRight) {
                // A second link between two inputs already joined narrows the rows as a
                // condition would; an outer one has no such form.
                if (type != u"INNER")
                    return failed(QStringLiteral("it joins two tables twice, one of them outer"));
                where.append(on);
            } else {
                joinText +=
                    QStringLiteral(" %1 JOIN %2 ON %3").arg(type, sourceOf.value(added), on);
            }
            placed.insert(added);
            pending.removeAt(i);
            progress = true;
            break;
        }
        if (!progress) {
            const QString next = pending.first().name1.toLower();
            joinText += QStringLiteral(", ") + sourceOf.value(next);
            placed.insert(next);
        }
    }

    QString sql = QStringLiteral("SELECT ");
    if (options & kDistinct)
        sql += QStringLiteral("DISTINCT ");
    sql += outputs.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
           from.join(QStringLiteral(", ")) + joinText;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!groupBy.isEmpty())
        sql += QStringLiteral(" GROUP BY ") + groupBy.join(QStringLiteral(", "));
    if (!having.isEmpty())
        sql += QStringLiteral(" HAVING ") + having.join(QStringLiteral(" AND "));
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy.join(QStringLiteral(", "));
    if (options & kTop) {
        bool number = false;
        const int count = top.toInt(&number);
        if (!number)
            return failed(QStringLiteral("its TOP count %1 is not a number").arg(top));
        sql += QStringLiteral(" LIMIT %1").arg(count);
    }
    return Translation{sql, {}};
}

} // namespace jet
