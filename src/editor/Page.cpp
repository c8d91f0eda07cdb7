#include "Page.h"

namespace editor {

Frame Declarations::frame(int page, const QString& name, const QString& caption) {
    m_form.setPlacement(page, name, caption);
    return {};
}

form::CheckBox& Declarations::check(const QString& name, const QString& caption) {
    return m_form.addCheckBox(name, caption);
}

form::OptionButton& Declarations::option(const QString& name, const QString& caption,
                                         const QString& group) {
    return m_form.addOptionButton(name, caption, group);
}

form::ListBox& Declarations::list(const QString& name, const QString& caption) {
    form::ListBox& list = m_form.addListBox(name);
    if (!caption.isEmpty())
        list.setCaption(caption);
    return list;
}

form::TextBox& Declarations::text(const QString& name, const QString& caption) {
    form::TextBox& box = m_form.addTextBox(name);
    if (!caption.isEmpty())
        box.setCaption(caption);
    return box;
}

form::Label& Declarations::label(const QString& name, const QString& caption) {
    return m_form.addLabel(name, caption);
}

form::Button& Declarations::button(const QString& name, const QString& caption) {
    return m_form.addButton(name, caption);
}

form::MenuItem& Declarations::menu(const QString& name, const QString& caption) {
    return m_form.addMenuItem(name, caption);
}

form::TabControl& Declarations::tabControl(const QString& name, const QStringList& pageCaptions) {
    form::TabControl& tabs = m_form.addTabControl(name);
    for (const QString& caption : pageCaptions)
        tabs.addPage(caption);
    return tabs;
}

form::TreeView& Declarations::tree(const QString& name) {
    return m_form.addTreeView(name);
}

} // namespace editor
