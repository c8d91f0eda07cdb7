#pragma once

#include "Button.h"
#include "CheckBox.h"
#include "Control.h"
#include "Label.h"
#include "ListBox.h"
#include "MenuItem.h"
#include "OptionButton.h"
#include "Picture.h"
#include "TabControl.h"
#include "TextBox.h"
#include "TreeView.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSize>
#include <memory>
#include <stdexcept>
#include <vector>

namespace form {

class FormSet;

// The model of a window or dialog: its controls in creation order, found by address
// ("CheckArgon", "CmdPos(3)", "UserChangeFilter1.CmdPos(2)").
//
// The first tab control added is the form's main tab control: the page of a control's placement
// refers to it. Controls of a reusable control are created with the owner's name in front
// ("UserChangeFilter1.LFilter").
class Form : public QObject {
    Q_OBJECT

public:
    explicit Form(const QString& name, const QString& caption = {});
    ~Form() override;

    const QString& name() const { return m_name; }
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool isVisible() const { return m_visible; }
    // A report of many long lines asks for room: its window opens this large (pixels); an empty
    // size leaves it to the controls.
    void setOpeningSize(QSize size) { m_openingSize = size; }
    QSize openingSize() const { return m_openingSize; }

    // The form set the form belongs to; nullptr for a form on its own (its user actions then run
    // without a boundary).
    FormSet* formSet() const { return m_formSet; }

    // Shows the form and then runs the show hook; showing a visible form runs nothing.
    void show();
    void hide();
    // The window's close button: runs the close handler, then hides the form.
    void requestClose();
    void userClose();
    void setShowHandler(std::function<void()> handler) { m_showHandler = std::move(handler); }
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

    // Controls created from now on sit here.
    void setPlacement(const Placement& placement) { m_placement = placement; }
    void setPlacement(int page, const QString& groupName = {}, const QString& groupCaption = {},
                      int column = -1) {
        m_placement = {page, groupName, groupCaption, column};
    }
    const Placement& placement() const { return m_placement; }

    CheckBox& addCheckBox(const QString& name, const QString& caption = {});
    OptionButton& addOptionButton(const QString& name, const QString& caption = {},
                                  const QString& group = {});
    ListBox& addListBox(const QString& name);
    TextBox& addTextBox(const QString& name, const QString& text = {});
    Label& addLabel(const QString& name, const QString& caption = {});
    Button& addButton(const QString& name, const QString& caption = {});
    MenuItem& addMenuItem(const QString& name, const QString& caption = {});
    TabControl& addTabControl(const QString& name);
    TreeView& addTreeView(const QString& name);
    Picture& addPicture(const QString& name, const QString& image = {});

    // A control array NAME(0) .. NAME(count-1).
    template <class T> QList<T*> addArray(const QString& name, int count) {
        QList<T*> elements;
        for (int i = 0; i < count; ++i)
            elements.append(&add<T>(name, i));
        return elements;
    }
    QList<CheckBox*> addCheckBoxArray(const QString& name, int count) {
        return addArray<CheckBox>(name, count);
    }
    QList<Button*> addButtonArray(const QString& name, int count) {
        return addArray<Button>(name, count);
    }
    QList<Label*> addLabelArray(const QString& name, int count) {
        return addArray<Label>(name, count);
    }

    const QList<Control*>& controls() const { return m_order; }
    // nullptr when the form has no control of that address.
    Control* control(const QString& address) const { return m_byName.value(address); }
    template <class T> T* find(const QString& address) const {
        return qobject_cast<T*>(control(address));
    }
    // The elements of a control array in index order.
    template <class T> QList<T*> elements(const QString& baseName) const {
        QList<T*> result;
        for (Control* c : m_order) {
            if (c->index() >= 0 && c->baseName() == baseName)
                if (auto* t = qobject_cast<T*>(c))
                    result.append(t);
        }
        return result;
    }

    // Typed lookups for behaviour code: a missing control is a programming error and throws
    // std::logic_error.
    CheckBox& checkBox(const QString& address) const { return get<CheckBox>(address); }
    OptionButton& optionButton(const QString& address) const { return get<OptionButton>(address); }
    ListBox& listBox(const QString& address) const { return get<ListBox>(address); }
    TextBox& textBox(const QString& address) const { return get<TextBox>(address); }
    Label& label(const QString& address) const { return get<Label>(address); }
    Button& button(const QString& address) const { return get<Button>(address); }
    MenuItem& menuItem(const QString& address) const { return get<MenuItem>(address); }
    TabControl& tabControl(const QString& address) const { return get<TabControl>(address); }
    TreeView& treeView(const QString& address) const { return get<TreeView>(address); }
    Picture& picture(const QString& address) const { return get<Picture>(address); }

    TabControl* mainTabs() const { return m_mainTabs; }

    // Runs a user's action inside the form set's action boundary.
    void runUserAction(const std::function<void()>& action);

signals:
    // Caption or visibility changed.
    void changed();

private:
    friend class FormSet;

    template <class T> T& add(const QString& name, int index) {
        auto control = std::make_unique<T>(*this, name, index);
        T& result = *control;
        insert(std::move(control));
        return result;
    }
    template <class T> T& get(const QString& address) const {
        if (T* t = find<T>(address))
            return *t;
        throw std::logic_error(
            QStringLiteral("%1 has no such control: %2").arg(m_name, address).toStdString());
    }
    void insert(std::unique_ptr<Control> control);
    void setVisible(bool visible);

    QString m_name;
    QString m_caption;
    QSize m_openingSize;
    bool m_visible = false;
    FormSet* m_formSet = nullptr;
    Placement m_placement;
    std::vector<std::unique_ptr<Control>> m_controls;
    QList<Control*> m_order;
    QHash<QString, Control*> m_byName;
    TabControl* m_mainTabs = nullptr;
    std::function<void()> m_showHandler;
    std::function<void()> m_closeHandler;
};

} // namespace form
