#include "TextBox.h"

namespace form {

TextBox::TextBox(Form& form, const QString& baseName, int index)
    : Control(form, Kind::TextBox, baseName, index) {}

void TextBox::setText(const QString& text) {
    if (m_text == text)
        return;
    m_text = text;
    emit changed();
    fire(m_handler);
}

void TextBox::userSetText(const QString& text) {
    runUserAction([this, text] { setText(text); });
}

QJsonObject TextBox::toJson() const {
    auto json = Control::toJson();
    json.insert(QStringLiteral("text"), m_text);
    return json;
}

} // namespace form
