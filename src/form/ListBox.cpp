#include "ListBox.h"

#include <QJsonArray>
#include <stdexcept>

namespace form {

ListBox::ListBox(Form& form, const QString& baseName, int index)
    : Control(form, Kind::ListBox, baseName, index) {}

int ListBox::findText(const QString& text) const {
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).text == text)
            return i;
    }
    return -1;
}

void ListBox::addItem(const QString& text, const QVariant& data) {
    m_entries.append({text, data});
    emit changed();
}

void ListBox::addItems(const QList<Entry>& entries) {
    if (entries.isEmpty())
        return;
    // A list filled at once shares the caller's entries instead of holding a second copy.
    if (m_entries.isEmpty())
        m_entries = entries;
    else
        m_entries.append(entries);
    emit changed();
}

void ListBox::removeItem(int i) {
    if (i < 0 || i >= count())
        throw std::out_of_range("list entry out of range");
    m_entries.removeAt(i);
    if (i == m_index)
        m_index = -1;
    else if (i < m_index)
        --m_index;
    emit changed();
}

void ListBox::clear() {
    if (m_entries.isEmpty() && m_index < 0)
        return;
    m_entries.clear();
    m_index = -1;
    emit changed();
}

QString ListBox::text() const {
    return m_index < 0 ? QString() : m_entries.at(m_index).text;
}

QVariant ListBox::currentData() const {
    return m_index < 0 ? QVariant() : m_entries.at(m_index).data;
}

void ListBox::setCurrentIndex(int index) {
    if (index < -1 || index >= count())
        throw std::out_of_range(
            QStringLiteral("%1 has no entry %2").arg(name()).arg(index).toStdString());
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
    for (const Entry& entry : m_entries)
        items.append(entry.text);
    json.insert(QStringLiteral("items"), items);
    json.insert(QStringLiteral("index"), m_index);
    json.insert(QStringLiteral("text"), text());
    return json;
}

} // namespace form
