#pragma once

#include "Control.h"

#include <QList>
#include <QVariant>

namespace form {

// A drop-down list. Filling, removing and clearing entries run nothing; only a change of the
// selected entry runs the handler.
//
// The entries are kept compactly: their texts one after the other in one string, a whole number
// as their value in place. A list of thousands of entries (the history) then costs about the
// bytes of its texts, not an allocation and a variant for each entry.
class ListBox : public Control {
    Q_OBJECT

public:
    struct Entry {
        QString text;
        QVariant data;
    };

    // Appends entries as one change, without a list of them on the way. keep() shows them;
    // entries appended but not kept go again when it ends: an action that failed halfway leaves
    // the list as it was.
    class Appending {
    public:
        Appending(ListBox& list, qsizetype room);
        ~Appending();
        Appending(const Appending&) = delete;
        Appending& operator=(const Appending&) = delete;

        void add(QStringView text, const QVariant& data);
        // Appended so far.
        qsizetype count() const { return m_list.m_ends.size() - m_first; }
        // The value of an appended entry, from 0.
        QVariant data(qsizetype i) const { return m_list.itemData(int(m_first + i)); }
        // Removes appended entries, their places from 0 in ascending order.
        void remove(const QList<qsizetype>& places);
        void keep();

    private:
        ListBox& m_list;
        qsizetype m_first;
        bool m_kept = false;
    };

    ListBox(Form& form, const QString& baseName, int index);

    int count() const { return int(m_ends.size()); }
    // A copy of every entry.
    QList<Entry> entries() const;
    QString itemText(int i) const { return itemTextView(i).toString(); }
    // The text in place, valid until the list changes.
    QStringView itemTextView(int i) const;
    QVariant itemData(int i) const;
    // The first entry with exactly this text, -1 when there is none.
    int findText(const QString& text) const;

    void addItem(const QString& text, const QVariant& data = {});
    // Appends entries as one change: a view then shows a long list once, not once per entry.
    void addItems(const QList<Entry>& entries);
    // Removing the selected entry leaves none selected; removing one before it keeps the same
    // entry selected.
    void removeItem(int i);
    void clear();
    // Counts the changes other than appended entries: a view that saw the same revision and
    // fewer entries has only the new ones to show.
    quint64 revision() const { return m_revision; }

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
    // How an entry's value is kept: none, a whole number in m_values, or a variant of m_others
    // whose place m_values holds.
    enum class Value : quint8 { None, Int, LongLong, Other };

    void append(QStringView text, const QVariant& data);
    qsizetype textStart(qsizetype i) const { return i == 0 ? 0 : m_ends.at(i - 1); }
    void checkIndex(int i) const;
    // Keeps the first `count` entries.
    void truncate(qsizetype count);
    // Removes entries, their places in ascending order.
    void removeEntries(const QList<qsizetype>& places);

    QString m_texts;
    QList<qsizetype> m_ends;
    QList<qint64> m_values;
    QList<Value> m_kinds;
    QList<QVariant> m_others;
    int m_index = -1;
    quint64 m_revision = 0;
    std::function<void()> m_handler;
};

} // namespace form

// An entry moves as its bytes, as its text and value do.
Q_DECLARE_TYPEINFO(form::ListBox::Entry, Q_RELOCATABLE_TYPE);
