#include "Form.h"

#include "FormSet.h"

namespace form {

Form::Form(const QString& name, const QString& caption) : m_name(name), m_caption(caption) {}

Form::~Form() = default;

void Form::setCaption(const QString& caption) {
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

void Form::setVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (m_formSet)
        m_formSet->visibilityChanged(*this);
    emit changed();
}

void Form::show() {
    if (m_visible)
        return;
    setVisible(true);
    if (m_showHandler) {
        const auto handler = m_showHandler;
        handler();
    }
}

void Form::hide() {
    setVisible(false);
}

void Form::requestClose() {
    if (m_closeHandler) {
        const auto handler = m_closeHandler;
        handler();
    }
    hide();
}

void Form::userClose() {
    runUserAction([this] { requestClose(); });
}

void Form::runUserAction(const std::function<void()>& action) {
    if (m_formSet)
        m_formSet->runUserAction(action);
    else
        action();
}

void Form::insert(std::unique_ptr<Control> control) {
    const QString address = control->name();
    if (m_byName.contains(address))
        throw std::logic_error(
            QStringLiteral("%1 has two controls named %2").arg(m_name, address).toStdString());
    if (auto* tabs = qobject_cast<TabControl*>(control.get()); tabs && !m_mainTabs)
        m_mainTabs = tabs;
    control->setPlacement(m_placement);
    m_byName.insert(address, control.get());
    m_order.append(control.get());
    m_controls.push_back(std::move(control));
}

CheckBox& Form::addCheckBox(const QString& name, const QString& caption) {
    auto& c = add<CheckBox>(name, -1);
    c.setCaption(caption);
    return c;
}

OptionButton& Form::addOptionButton(const QString& name, const QString& caption,
                                    const QString& group) {
    auto& c = add<OptionButton>(name, -1);
    c.setCaption(caption);
    c.setGroup(group);
    return c;
}

ListBox& Form::addListBox(const QString& name) {
    return add<ListBox>(name, -1);
}

TextBox& Form::addTextBox(const QString& name, const QString& text) {
    auto& c = add<TextBox>(name, -1);
    c.setText(text);
    return c;
}

Label& Form::addLabel(const QString& name, const QString& caption) {
    auto& c = add<Label>(name, -1);
    c.setCaption(caption);
    return c;
}

Button& Form::addButton(const QString& name, const QString& caption) {
    auto& c = add<Button>(name, -1);
    c.setCaption(caption);
    return c;
}

MenuItem& Form::addMenuItem(const QString& name, const QString& caption) {
    auto& c = add<MenuItem>(name, -1);
    c.setCaption(caption);
    return c;
}

TabControl& Form::addTabControl(const QString& name) {
    return add<TabControl>(name, -1);
}

TreeView& Form::addTreeView(const QString& name) {
    return add<TreeView>(name, -1);
}

Picture& Form::addPicture(const QString& name, const QString& image) {
    auto& c = add<Picture>(name, -1);
    c.setImage(image);
    return c;
}

} // namespace form
