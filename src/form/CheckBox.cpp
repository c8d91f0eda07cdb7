#include "CheckBox.h"

namespace form {

CheckBox::CheckBox(Form& form, const QString& baseName, int index)
    : Control(form, Kind::CheckBox, baseName, index) {}

void CheckBox::setChecked(bool checked) {
    if (m_checked == checked)
        return;
    m_checked = checked;
    emit changed();
    fire(m_handler);
}

void CheckBox::userSetChecked(bool checked) {
    runUserAction([this, checked] { setChecked(checked); });
}

QJsonObject CheckBox::toJson() const {
    auto json = Control::toJson();
    json.insert(QStringLiteral("checked"), m_checked);
    return json;
}

} // namespace form
