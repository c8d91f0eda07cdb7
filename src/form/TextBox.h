#pragma once

#include "Control.h"

namespace form {

class TextBox : public Control {
    Q_OBJECT

public:
    TextBox(Form& form, const QString& baseName, int index);

    const QString& text() const { return m_text; }
    // A different text runs the change handler at once.
    void setText(const QString& text);
    void userSetText(const QString& text);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

    QJsonObject toJson() const override;

private:
    QString m_text;
    std::function<void()> m_handler;
};

} // namespace form
