#include "ListBox.h"

#include <QJsonArray>
#include <limits>
#include <stdexcept>

namespace form {

ListBox::Appending::Appending(ListBox& list, qsizetype room) : m_list(list), m_first(list.count()) {
    const qsizetype entries = m_first + room;
    m_list.m_ends.reserve(entries);
    m_list.m_values.reserve(entries);
    m_list.m_kinds.reserve(entries);
}

ListBox::Appending::~Appending() {
    if (!m_kept)
        m_list.truncate(m_first);
}

void ListBox::Appending::keep() {
    if (m_kept)
        return;
    m_kept = true;
    if (m_list.count() != m_first)
        emit m_list.changed();
}

void ListBox::Appending::add(QStringView text, const QVariant& data) {
    m_list.append(text, data);
}

void ListBox::Appending::remove(const QList<qsizetype>& places) {
    QList<qsizetype> entries;
    entries.reserve(places.size());
    for (const qsizetype place : places)
        entries.append(m_first + place);
    // The view has not seen these entries yet: no revision.
    m_list.removeEntries(entries);
}

ListBox::ListBox(Form& form, const QString& baseName, int index)
    : Control(form, Kind::ListBox, baseName, index) {}

QList<ListBox::Entry> ListBox::entries() const {
    QList<Entry> entries;
    entries.reserve(count());
    for (int i = 0; i < count(); ++i)
        entries.append({itemText(i), itemData(i)});
    return entries;
}

void ListBox::checkIndex(int i) const {
    if (i < 0 || i >= count())
        throw std::out_of_range(
            QStringLiteral("%1 has no entry %2").arg(name()).arg(i).toStdString());
}

QStringView ListBox::itemTextView(int i) const {
    checkIndex(i);
    const qsizetype start = textStart(i);
    return QStringView(m_texts).sliced(start, m_ends.at(i) - start);
}

QVariant ListBox::itemData(int i) const {
    checkIndex(i);
    switch (m_kinds.at(i)) {
    case Value::None:
        return {};
    case Value::Int:
        return QVariant(int(m_values.at(i)));
    case Value::LongLong:
        return QVariant(qlonglong(m_values.at(i)));
    case Value::Other:
        return m_others.at(m_values.at(i));
    }
    return {};
}

int ListBox::findText(const QString& text) const {
    for (int i = 0; i < count(); ++i) {
        if (itemTextView(i) == text)
            return i;
    }
    return -1;
}

void ListBox::append(QStringView text, const QVariant& data) {
    if (m_ends.size() == std::numeric_limits<int>::max())
        throw std::length_error("too many list entries");
    m_texts.append(text);
    m_ends.append(m_texts.size());
    switch (data.typeId()) {
    case QMetaType::UnknownType:
        m_values.append(0);
        m_kinds.append(Value::None);
        break;
    case QMetaType::Int:
        m_values.append(data.toInt());
        m_kinds.append(Value::Int);
        break;
    case QMetaType::LongLong:
        m_values.append(data.toLongLong());
        m_kinds.append(Value::LongLong);
        break;
    default:
        m_values.append(m_others.size());
        m_kinds.append(Value::Other);
        m_others.append(data);
        break;
    }
}

void ListBox::truncate(qsizetype count) {
    if (count >= m_ends.size())
        return;
    // The variants of the entries that go are the last ones: they were appended in order.
    for (qsizetype i = count; i < m_ends.size(); ++i)
        if (m_kinds.at(i) == Value::Other) {
            m_others.resize(m_values.at(i));
            break;
        }
    m_texts.truncate(textStart(count));
    m_ends.resize(count);
    m_values.resize(count);
    m_kinds.resize(count);
}

void ListBox::removeEntries(const QList<qsizetype>& places) {
    if (places.isEmpty())
        return;
    QList<QVariant> others;
    qsizetype kept = 0;
    qsizetype textKept = 0;
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_ends.size(); ++i) {
        const qsizetype start = textStart(i);
        const qsizetype end = m_ends.at(i);
        if (next < places.size() && places.at(next) == i) {
            ++next;
            continue;
        }
        if (textKept != start)
            std::copy(m_texts.constData() + start, m_texts.constData() + end,
                      m_texts.data() + textKept);
        textKept += end - start;
        m_ends[kept] = textKept;
        m_kinds[kept] = m_kinds.at(i);
        m_values[kept] = m_values.at(i);
        if (m_kinds.at(kept) == Value::Other) {
            others.append(m_others.at(m_values.at(kept)));
            m_values[kept] = others.size() - 1;
        }
        ++kept;
    }
    m_texts.truncate(textKept);
    m_ends.resize(kept);
    m_values.resize(kept);
    m_kinds.resize(kept);
    m_others = std::move(others);
}

void ListBox::addItem(const QString& text, const QVariant& data) {
    append(text, data);
    emit changed();
}

void ListBox::addItems(const QList<Entry>& entries) {
    Appending appending(*this, entries.size());
    for (const Entry& entry : entries)
        appending.add(entry.text, entry.data);
    appending.keep();
}

void ListBox::removeItem(int i) {
    checkIndex(i);
    removeEntries({i});
    ++m_revision;
    if (i == m_index)
        m_index = -1;
    else if (i < m_index)
        --m_index;
    emit changed();
}

void ListBox::clear() {
    if (m_ends.isEmpty() && m_index < 0)
        return;
    // The room goes too: a list filled anew would otherwise hold the old room beside the new.
    m_texts = QString();
    m_ends = {};
    m_values = {};
    m_kinds = {};
    m_others = {};
    ++m_revision;
    m_index = -1;
    emit changed();
}

QString ListBox::text() const {
    return m_index < 0 ? QString() : itemText(m_index);
}

QVariant ListBox::currentData() const {
    return m_index < 0 ? QVariant() : itemData(m_index);
}

void ListBox::setCurrentIndex(int index) {
    if (index != -1)
        checkIndex(index);
    if (index == m_index)
        return;
    m_index = index;
    emit changed();
    fire(m_handler);
}

bool ListBox::selectText(const QString& text) {
    const int i = findText(text);
    if (i < 0)
        return false;
    setCurrentIndex(i);
    return true;
}

void ListBox::userSelect(int index) {
    runUserAction([this, index] { setCurrentIndex(index); });
}

QJsonObject ListBox::toJson() const {
    auto json = Control::toJson();
    QJsonArray items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    json.insert(QStringLiteral("items"), items);
    json.insert(QStringLiteral("index"), m_index);
    json.insert(QStringLiteral("text"), text());
    return json;
}

} // namespace form
