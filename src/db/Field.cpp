#include "Field.h"

#include <QDateTime>

namespace db {

namespace {
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QString declaredType(FieldType type) {
    switch (type) {
    case FieldType::Text:
        return QStringLiteral("TEXT COLLATE NOCASE");
    case FieldType::Boolean:
        return QStringLiteral("BOOLEAN DEFAULT 0");
    case FieldType::Long:
        return QStringLiteral("INTEGER");
    case FieldType::Double:
        return QStringLiteral("DOUBLE");
    case FieldType::Date:
        return QStringLiteral("DATETIME");
    case FieldType::Counter:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Other:
        break;
    }
    return QString();
}

FieldType fieldTypeFromDeclared(const QString& declared) {
    const QString t = declared.trimmed().toUpper();
    if (t.isEmpty())
        return FieldType::Other;
    if (t.startsWith(u"BOOL") || t.startsWith(u"BIT") || t.startsWith(u"YESNO"))
        return FieldType::Boolean;
    if (t.startsWith(u"DATE") || t.startsWith(u"TIME"))
        return FieldType::Date;
    if (t.contains(u"INT") || t.startsWith(u"LONG") || t.startsWith(u"COUNTER"))
        return FieldType::Long;
    if (t.startsWith(u"DOUBLE") || t.startsWith(u"REAL") || t.startsWith(u"FLOAT") ||
        t.startsWith(u"SINGLE") || t.startsWith(u"NUMERIC") || t.startsWith(u"DECIMAL") ||
        t.startsWith(u"CURRENCY"))
        return FieldType::Double;
    if (t.contains(u"CHAR") || t.contains(u"TEXT") || t.contains(u"CLOB") || t.startsWith(u"MEMO"))
        return FieldType::Text;
    return FieldType::Other;
}

QVariant toStored(FieldType type, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Text:
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    case FieldType::Boolean:
        if (value.typeId() == QMetaType::QString) {
            const QString s = value.toString().trimmed();
            if (s.compare(u"true", Qt::CaseInsensitive) == 0 ||
                s.compare(u"yes", Qt::CaseInsensitive) == 0)
                return 1;
            if (s.compare(u"false", Qt::CaseInsensitive) == 0 ||
                s.compare(u"no", Qt::CaseInsensitive) == 0)
                return 0;
            return s.toDouble() != 0 ? 1 : 0;
        }
        return value.toDouble() != 0 ? 1 : 0;
    case FieldType::Long:
    case FieldType::Counter:
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? -1 : 0;
        return static_cast<qint64>(qRound64(value.toDouble()));
    case FieldType::Double:
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? -1.0 : 0.0;
        return value.toDouble();
    case FieldType::Date:
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(kDateFormat);
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().startOfDay().toString(kDateFormat);
        return value.toString();
    case FieldType::Other:
        break;
    }
    return value;
}

QVariant fromStored(FieldType type, const QVariant& stored) {
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Boolean:
        return stored.toDouble() != 0;
    case FieldType::Date: {
        // The stored form "yyyy-MM-dd HH:mm:ss" read by hand: a history of hundreds of rows is
        // read on every start, and the general parser is slow.
        const QString text = stored.toString();
        if (text.size() == 19 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(10) == u' ') {
            auto number = [&text](int from, int length) {
                return QStringView(text).mid(from, length).toInt();
            };
            const QDate date(number(0, 4), number(5, 2), number(8, 2));
            const QTime time(number(11, 2), number(14, 2), number(17, 2));
            if (date.isValid() && time.isValid())
                return QDateTime(date, time);
        }
        QDateTime dt = QDateTime::fromString(text, kDateFormat);
        if (!dt.isValid())
            dt = QDateTime::fromString(text, Qt::ISODate);
        return dt.isValid() ? QVariant(dt) : stored;
    }
    default:
        return stored;
    }
}

QString bracket(const QString& name) {
    if (name.contains(u']')) {
        QString quoted = name;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }
    return u'[' + name + u']';
}

QString differs(const QString& field, int parameter) {
    return QStringLiteral("%1 IS NOT ?%2 COLLATE BINARY").arg(field).arg(parameter);
}

} // namespace db
