#pragma once

#include "Control.h"

namespace form {

// Runs its handler only when pressed.
class Button : public Control {
    Q_OBJECT

public:
    Button(Form& form, const QString& baseName, int index)
        : Button(form, Kind::Button, baseName, index) {}

    void press() { fire(m_handler); }
    void userPress();
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    bool hasHandler() const override { return bool(m_handler); }

protected:
    Button(Form& form, Kind kind, const QString& baseName, int index)
        : Control(form, kind, baseName, index) {}

private:
    std::function<void()> m_handler;
};

} // namespace form
