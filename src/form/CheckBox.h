#pragma once

#include "Control.h"

namespace form {

class CheckBox : public Control {
    Q_OBJECT

public:
    CheckBox(Form& form, const QString& baseName, int index);

    bool isChecked() const { return m_checked; }
    // A different value runs the handler at once; the same value runs nothing.
    void setChecked(bool checked);
    void userSetChecked(bool checked);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

    QJsonObject toJson() const override;

private:
    bool m_checked = false;
    std::function<void()> m_handler;
};

} // namespace form
