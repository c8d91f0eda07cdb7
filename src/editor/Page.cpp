#include "Page.h"

#include <form/FormSet.h>
#include <stdexcept>

namespace editor {

namespace {

bool isMainWindow(const form::Form& form) {
    return form.formSet() && &form.formSet()->main() == &form;
}

} // namespace

Declarations::Declarations(form::Form& form) : m_form(form) {}

Declarations::Declarations(form::Form& form, const QString& owner, const Frame& within)
    : m_form(form),
      m_owner(owner), m_placement{within.page, within.name, within.caption, within.column},
      m_framed(true) {}

QString Declarations::address(const QString& name) const {
    return m_owner.isEmpty() ? name : m_owner + u'.' + name;
}

void Declarations::place(const QString& name) {
    if (!m_framed && isMainWindow(m_form))
        throw std::logic_error(QStringLiteral("%1 is declared in the main window outside a frame")
                                   .arg(address(name))
                                   .toStdString());
    m_form.setPlacement(m_placement);
}

Frame Declarations::frame(int page, const QString& name, const QString& caption, int column) {
    m_placement = {page, name, caption, column};
    m_framed = true;
    return {page, name, caption, column};
}

form::CheckBox& Declarations::check(const QString& name, const QString& caption) {
    place(name);
    return m_form.addCheckBox(address(name), caption);
}

form::OptionButton& Declarations::option(const QString& name, const QString& caption,
                                         const QString& group) {
    place(name);
    return m_form.addOptionButton(address(name), caption, group.isEmpty() ? group : address(group));
}

form::ListBox& Declarations::list(const QString& name, const QString& caption) {
    place(name);
    form::ListBox& list = m_form.addListBox(address(name));
    if (!caption.isEmpty())
        list.setCaption(caption);
    return list;
}

form::TextBox& Declarations::text(const QString& name, const QString& caption) {
    place(name);
    form::TextBox& box = m_form.addTextBox(address(name));
    if (!caption.isEmpty())
        box.setCaption(caption);
    return box;
}

form::Label& Declarations::label(const QString& name, const QString& caption) {
    place(name);
    return m_form.addLabel(address(name), caption);
}

form::Button& Declarations::button(const QString& name, const QString& caption) {
    place(name);
    return m_form.addButton(address(name), caption);
}

form::MenuItem& Declarations::menu(const QString& name, const QString& caption) {
    place(name);
    return m_form.addMenuItem(address(name), caption);
}

form::TabControl& Declarations::tabControl(const QString& name, const QStringList& pageCaptions) {
    // The tab control holds the pages and their frames: it sits in none itself.
    m_form.setPlacement(m_placement);
    form::TabControl& tabs = m_form.addTabControl(address(name));
    for (const QString& caption : pageCaptions)
        tabs.addPage(caption);
    return tabs;
}

form::TreeView& Declarations::tree(const QString& name) {
    place(name);
    return m_form.addTreeView(address(name));
}

form::Picture& Declarations::picture(const QString& name, const QString& image) {
    place(name);
    return m_form.addPicture(address(name), image);
}

template <class T>
QList<T*> Declarations::array(const QString& name, int count, const QString& caption) {
    place(name);
    const QList<T*> elements = m_form.addArray<T>(address(name), count);
    for (T* element : elements)
        element->setCaption(caption);
    return elements;
}

QList<form::Button*> Declarations::buttons(const QString& name, int count, const QString& caption) {
    return array<form::Button>(name, count, caption);
}

QList<form::Label*> Declarations::labels(const QString& name, int count, const QString& caption) {
    return array<form::Label>(name, count, caption);
}

QList<form::CheckBox*> Declarations::checks(const QString& name, int count,
                                            const QString& caption) {
    return array<form::CheckBox>(name, count, caption);
}

QList<form::OptionButton*> Declarations::options(const QString& name, const QStringList& captions) {
    const QList<form::OptionButton*> elements =
        array<form::OptionButton>(name, int(captions.size()));
    for (qsizetype i = 0; i < elements.size(); ++i) {
        elements[i]->setCaption(captions.at(i));
        elements[i]->setGroup(address(name));
    }
    return elements;
}

} // namespace editor
