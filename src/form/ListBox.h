#pragma once

#include "Control.h"

#include <QList>
#include <QVariant>

namespace form {

// A drop-down list. Filling, removing and clearing entries run nothing; only a change of the
// selected entry runs the handler.
class ListBox : public Control {
    Q_OBJECT

public:
    struct Entry {
        QString text;
        QVariant data;
    };

    ListBox(Form& form, const QString& baseName, int index);

    int count() const { return int(m_entries.size()); }
    const QList<Entry>& entries() const { return m_entries; }
    const QString& itemText(int i) const { return m_entries.at(i).text; }
    const QVariant& itemData(int i) const { return m_entries.at(i).data; }
    // The first entry with exactly this text, -1 when there is none.
    int findText(const QString& text) const;

    void addItem(const QString& text, const QVariant& data = {});
    // Appends entries as one change: a view then shows a long list once, not once per entry.
    void addItems(const QList<Entry>& entries);
    // Removing the selected entry leaves none selected; removing one before it keeps the same
    // entry selected.
    void removeItem(int i);
    void clear();

    // -1 = no entry selected.
    int currentIndex() const { return m_index; }
    // The selected entry's text, empty when none is selected.
    QString text() const;
    QVariant currentData() const;
    // A different index (-1 included) runs the handler; an index outside the list throws
    // std::out_of_range.
    void setCurrentIndex(int index);
    // Selects the first entry with this text; false, and nothing changed, when there is none.
    bool selectText(const QString& text);
    void userSelect(int index);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

    QJsonObject toJson() const override;

private:
    QList<Entry> m_entries;
    int m_index = -1;
    std::function<void()> m_handler;
};

} // namespace form

// An entry moves as its bytes, as its text and value do: a list of thousands grows without
// moving each entry one by one.
Q_DECLARE_TYPEINFO(form::ListBox::Entry, Q_RELOCATABLE_TYPE);
