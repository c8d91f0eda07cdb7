#include "Control.h"

#include "Form.h"

namespace form {

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::CheckBox:
        return QStringLiteral("check");
    case Kind::OptionButton:
        return QStringLiteral("option");
    case Kind::ListBox:
        return QStringLiteral("list");
    case Kind::TextBox:
        return QStringLiteral("text");
    case Kind::Label:
        return QStringLiteral("label");
    case Kind::Button:
        return QStringLiteral("button");
    case Kind::MenuItem:
        return QStringLiteral("menu");
    case Kind::TabControl:
        return QStringLiteral("tabs");
    case Kind::TreeView:
        return QStringLiteral("tree");
    case Kind::Picture:
        return QStringLiteral("picture");
    }
    return {};
}

QString kindDescription(Kind kind) {
    switch (kind) {
    case Kind::CheckBox:
        return QStringLiteral("check box");
    case Kind::OptionButton:
        return QStringLiteral("option button");
    case Kind::ListBox:
        return QStringLiteral("list");
    case Kind::TextBox:
        return QStringLiteral("text box");
    case Kind::Label:
        return QStringLiteral("label");
    case Kind::Button:
        return QStringLiteral("button");
    case Kind::MenuItem:
        return QStringLiteral("menu entry");
    case Kind::TabControl:
        return QStringLiteral("tab control");
    case Kind::TreeView:
        return QStringLiteral("tree");
    case Kind::Picture:
        return QStringLiteral("picture");
    }
    return {};
}

Control::Control(Form& form, Kind kind, const QString& baseName, int index)
    : m_form(form), m_kind(kind), m_baseName(baseName), m_index(index) {}

Control::~Control() = default;

QString Control::name() const {
    if (m_index < 0)
        return m_baseName;
    return QStringLiteral("%1(%2)").arg(m_baseName).arg(m_index);
}

void Control::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

void Control::setVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit changed();
}

void Control::setCaption(const QString& caption) {
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

void Control::setPlacement(const Placement& placement) {
    m_placement = placement;
    emit changed();
}

QJsonObject Control::toJson() const {
    return QJsonObject{
        {QStringLiteral("form"), m_form.name()},    {QStringLiteral("name"), name()},
        {QStringLiteral("kind"), kindName(m_kind)}, {QStringLiteral("enabled"), m_enabled},
        {QStringLiteral("visible"), m_visible},     {QStringLiteral("caption"), m_caption}};
}

void Control::runUserAction(const std::function<void()>& action) {
    m_form.runUserAction(action);
}

void Control::fire(const std::function<void()>& handler) {
    if (!handler)
        return;
    const auto copy = handler;
    copy();
}

} // namespace form
