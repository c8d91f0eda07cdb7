#include "OptionButton.h"

#include "Form.h"

namespace form {

OptionButton::OptionButton(Form& form, const QString& baseName, int index)
    : Control(form, Kind::OptionButton, baseName, index) {}

void OptionButton::setSelected(bool selected) {
    if (m_selected == selected)
        return;
    if (!selected) {
        clear();
        return;
    }
    for (Control* control : form().controls()) {
        auto* other = qobject_cast<OptionButton*>(control);
        if (other && other != this && other->m_group == m_group)
            other->clear();
    }
    m_selected = true;
    emit changed();
    fire(m_handler);
}

void OptionButton::clear() {
    if (!m_selected)
        return;
    m_selected = false;
    emit changed();
}

void OptionButton::userChoose() {
    runUserAction([this] { setSelected(true); });
}

QJsonObject OptionButton::toJson() const {
    auto json = Control::toJson();
    json.insert(QStringLiteral("selected"), m_selected);
    return json;
}

} // namespace form
