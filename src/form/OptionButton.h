#pragma once

#include "Control.h"

namespace form {

// Option buttons with the same group on the same form exclude one another.
class OptionButton : public Control {
    Q_OBJECT

public:
    OptionButton(Form& form, const QString& baseName, int index);

    const QString& group() const { return m_group; }
    void setGroup(const QString& group) { m_group = group; }

    bool isSelected() const { return m_selected; }
    // Selecting a button that was not selected clears the others of its group and runs this
    // button's handler only; selecting the selected one runs nothing. Clearing runs nothing.
    void setSelected(bool selected);
    void userChoose();
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

    QJsonObject toJson() const override;

private:
    void clear();

    QString m_group;
    bool m_selected = false;
    std::function<void()> m_handler;
};

} // namespace form
