#include "TabControl.h"

#include <QJsonArray>
#include <stdexcept>

namespace form {

TabControl::TabControl(Form& form, const QString& baseName, int index)
    : Control(form, Kind::TabControl, baseName, index) {}

int TabControl::addPage(const QString& caption) {
    m_pages.append({caption, true});
    if (m_index < 0)
        m_index = 0;
    emit changed();
    return count() - 1;
}

TabControl::Page& TabControl::pageAt(int page) {
    if (page < 0 || page >= count())
        throw std::out_of_range(
            QStringLiteral("%1 has no page %2").arg(name()).arg(page).toStdString());
    return m_pages[page];
}

void TabControl::setPageEnabled(int page, bool enabled) {
    Page& p = pageAt(page);
    if (p.enabled == enabled)
        return;
    p.enabled = enabled;
    emit changed();
}

void TabControl::setPageCaption(int page, const QString& caption) {
    Page& p = pageAt(page);
    if (p.caption == caption)
        return;
    p.caption = caption;
    emit changed();
}

void TabControl::setCurrentIndex(int index) {
    pageAt(index);
    if (index == m_index)
        return;
    m_previous = m_index;
    m_index = index;
    emit changed();
    fire(m_handler);
}

void TabControl::userSelect(int index) {
    runUserAction([this, index] { setCurrentIndex(index); });
}

QJsonObject TabControl::toJson() const {
    auto json = Control::toJson();
    QJsonArray tabs;
    for (const Page& page : m_pages)
        tabs.append(QJsonObject{{QStringLiteral("caption"), page.caption},
                                {QStringLiteral("enabled"), page.enabled}});
    json.insert(QStringLiteral("index"), m_index);
    json.insert(QStringLiteral("tabs"), tabs);
    return json;
}

} // namespace form
