#pragma once

#include "Control.h"

#include <QList>

namespace form {

// A tab control with pages. Bringing a different page to the front runs the handler (the tab
// switch); previousIndex() then tells which page was in front before.
class TabControl : public Control {
    Q_OBJECT

public:
    struct Page {
        QString caption;
        bool enabled = true;
    };

    TabControl(Form& form, const QString& baseName, int index);

    int count() const { return int(m_pages.size()); }
    const QList<Page>& pages() const { return m_pages; }
    // Returns the new page's index. The first page added comes to the front.
    int addPage(const QString& caption);
    bool isPageEnabled(int page) const { return m_pages.at(page).enabled; }
    void setPageEnabled(int page, bool enabled);
    void setPageCaption(int page, const QString& caption);

    int currentIndex() const { return m_index; }
    int previousIndex() const { return m_previous; }
    // Code may bring a disabled page to the front; a person cannot. An index outside the pages
    // throws std::out_of_range.
    void setCurrentIndex(int index);
    void userSelect(int index);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

    QJsonObject toJson() const override;

private:
    Page& pageAt(int page);

    QList<Page> m_pages;
    int m_index = -1;
    int m_previous = -1;
    std::function<void()> m_handler;
};

} // namespace form
