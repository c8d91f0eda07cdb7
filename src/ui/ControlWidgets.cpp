#include "ControlWidgets.h"

#include "TreeViewWidget.h"
#include "UserInput.h"

#include <QAbstractListModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <form/Form.h>

namespace ui {

namespace {

void showCommon(const form::Control& control, QWidget* widget) {
    widget->setEnabled(control.isEnabled());
    widget->setHidden(!control.isVisible());
}

// Binds the model-to-widget direction and shows the current state once.
template <class W> void bind(form::Control& control, W* widget, std::function<void()> show) {
    widget->setObjectName(control.name());
    QObject::connect(&control, &form::Control::changed, widget, show);
    show();
}

QWidget* checkBox(form::CheckBox& c, QWidget* parent) {
    auto* w = new QCheckBox(parent);
    auto show = [&c, w] {
        const QSignalBlocker blocker(w);
        w->setText(c.caption());
        w->setChecked(c.isChecked());
        showCommon(c, w);
    };
    bind(c, w, show);
    QObject::connect(w, &QCheckBox::clicked, w, [&c, show](bool checked) {
        forwardUserInput([&c, checked] { c.userSetChecked(checked); }, show);
    });
    return w;
}

QWidget* optionButton(form::OptionButton& c, QWidget* parent) {
    auto* w = new QRadioButton(parent);
    // The model clears the other buttons of the group itself, across frames; Qt's own exclusivity
    // would clear buttons of other groups that happen to share a parent.
    w->setAutoExclusive(false);
    auto show = [&c, w] {
        const QSignalBlocker blocker(w);
        w->setText(c.caption());
        w->setChecked(c.isSelected());
        showCommon(c, w);
    };
    bind(c, w, show);
    // A click on the selected button unchecks a non-exclusive radio button; showing the model's
    // state afterwards checks it again.
    QObject::connect(w, &QRadioButton::clicked, w,
                     [&c, show] { forwardUserInput([&c] { c.userChoose(); }, show); });
    return w;
}

// The entries of a list as the combo box's model. It reads the texts from the form model's list
// as they are shown, so that a long list (the history) is not held a second time, and takes up
// a changed list in one step: appended entries as one insertion, anything else as a reset.
class ListBoxModel : public QAbstractListModel {
public:
    ListBoxModel(const form::ListBox& list, QObject* parent)
        : QAbstractListModel(parent), m_list(list) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : m_count;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_count || index.row() >= m_list.count() ||
            (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_list.itemText(index.row());
    }

    void follow() {
        if (m_revision == m_list.revision() && m_count == m_list.count())
            return;
        if (m_revision != m_list.revision() || m_count > m_list.count()) {
            beginResetModel();
            m_revision = m_list.revision();
            m_count = m_list.count();
            endResetModel();
            return;
        }
        beginInsertRows({}, m_count, m_list.count() - 1);
        m_count = m_list.count();
        endInsertRows();
    }

private:
    const form::ListBox& m_list;
    // What the view was last told of.
    int m_count = 0;
    quint64 m_revision = 0;
};

QWidget* listBox(form::ListBox& c, QWidget* parent) {
    auto* w = new QComboBox(parent);
    w->setEditable(false);
    auto* entries = new ListBoxModel(c, w);
    w->setModel(entries);
    w->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w->setMinimumContentsLength(12);
    w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto show = [&c, w, entries] {
        const QSignalBlocker blocker(w);
        entries->follow();
        w->setCurrentIndex(c.currentIndex());
        w->setToolTip(c.text());
        showCommon(c, w);
    };
    bind(c, w, show);
    QObject::connect(w, &QComboBox::activated, w, [&c, w, show](int index) {
        const bool focused = w->hasFocus();
        const QPointer<QComboBox> alive(w);
        forwardUserInput([&c, index] { c.userSelect(index); }, show);
        // A choice that disables the lists while it runs (a port choice) moves the keyboard focus
        // on to the next widget, which may be a text box that then has its text selected; the
        // focus belongs on the list the person used.
        if (alive && focused && !w->hasFocus() && w->isEnabled() && w->isVisible())
            w->setFocus(Qt::OtherFocusReason);
    });
    return w;
}

QWidget* textBox(form::TextBox& c, QWidget* parent) {
    auto* w = new QLineEdit(parent);
    if (c.name().contains(QLatin1String("Password"), Qt::CaseInsensitive))
        w->setEchoMode(QLineEdit::Password);
    auto show = [&c, w] {
        const QSignalBlocker blocker(w);
        // Setting the same text would move the cursor of a person typing.
        if (w->text() != c.text())
            w->setText(c.text());
        showCommon(c, w);
    };
    bind(c, w, show);
    // textEdited, not textChanged: only typing goes to the model, never the view's own setText.
    QObject::connect(w, &QLineEdit::textEdited, w, [&c, show](const QString& text) {
        forwardUserInput([&c, text] { c.userSetText(text); }, show);
    });
    return w;
}

QWidget* label(form::Label& c, QWidget* parent) {
    auto* w = new QLabel(parent);
    w->setTextFormat(Qt::PlainText);
    auto show = [&c, w] {
        w->setText(labelText(c.caption()));
        showCommon(c, w);
    };
    bind(c, w, show);
    return w;
}

QWidget* button(form::Button& c, QWidget* parent) {
    auto* w = new QPushButton(parent);
    auto show = [&c, w] {
        w->setText(c.caption());
        showCommon(c, w);
    };
    bind(c, w, show);
    QObject::connect(w, &QPushButton::clicked, w,
                     [&c, show] { forwardUserInput([&c] { c.userPress(); }, show); });
    return w;
}

// A tab control other than the form's main one: only its tabs, the controls of its pages are
// placed by their frames.
QWidget* tabBar(form::TabControl& c, QWidget* parent) {
    auto* w = new QTabBar(parent);
    w->setExpanding(false);
    auto show = [&c, w] {
        const QSignalBlocker blocker(w);
        while (w->count() > c.count())
            w->removeTab(w->count() - 1);
        while (w->count() < c.count())
            w->addTab(QString());
        for (int i = 0; i < c.count(); ++i) {
            w->setTabText(i, c.pages().at(i).caption);
            w->setTabEnabled(i, c.pages().at(i).enabled);
        }
        w->setCurrentIndex(c.currentIndex());
        showCommon(c, w);
    };
    bind(c, w, show);
    QObject::connect(w, &QTabBar::currentChanged, w, [&c, show](int index) {
        if (index >= 0)
            forwardUserInput([&c, index] { c.userSelect(index); }, show);
    });
    return w;
}

// The program carries no bitmaps: a picture is drawn as a sunken panel that names its image, so
// that a swap of two pictures or a change of image shows.
QWidget* picture(form::Picture& c, QWidget* parent) {
    auto* w = new QLabel(parent);
    w->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    w->setAlignment(Qt::AlignCenter);
    w->setTextFormat(Qt::PlainText);
    w->setMinimumSize(120, 60);
    auto show = [&c, w] {
        w->setText(c.image());
        w->setToolTip(c.caption());
        showCommon(c, w);
    };
    bind(c, w, show);
    return w;
}

} // namespace

QString labelText(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        text.append(caption.at(i));
    }
    return text;
}

QWidget* createControlWidget(form::Control& control, QWidget* parent) {
    switch (control.kind()) {
    case form::Kind::CheckBox:
        return checkBox(static_cast<form::CheckBox&>(control), parent);
    case form::Kind::OptionButton:
        return optionButton(static_cast<form::OptionButton&>(control), parent);
    case form::Kind::ListBox:
        return listBox(static_cast<form::ListBox&>(control), parent);
    case form::Kind::TextBox:
        return textBox(static_cast<form::TextBox&>(control), parent);
    case form::Kind::Label:
        return label(static_cast<form::Label&>(control), parent);
    case form::Kind::Button:
        return button(static_cast<form::Button&>(control), parent);
    case form::Kind::TabControl:
        return tabBar(static_cast<form::TabControl&>(control), parent);
    case form::Kind::TreeView:
        return new TreeViewWidget(static_cast<form::TreeView&>(control), parent);
    case form::Kind::Picture:
        return picture(static_cast<form::Picture&>(control), parent);
    case form::Kind::MenuItem:
        break;
    }
    return nullptr;
}

QLabel* createCaptionLabel(form::Control& control, QWidget* parent) {
    if (control.kind() != form::Kind::ListBox && control.kind() != form::Kind::TextBox)
        return nullptr;
    auto* w = new QLabel(parent);
    w->setTextFormat(Qt::PlainText);
    auto show = [&control, w] {
        w->setText(labelText(control.caption()));
        w->setEnabled(control.isEnabled());
        w->setHidden(!control.isVisible() || control.caption().isEmpty());
    };
    QObject::connect(&control, &form::Control::changed, w, show);
    show();
    w->setObjectName(control.name() + QStringLiteral("#caption"));
    return w;
}

QAction* createMenuAction(form::MenuItem& item, QObject* parent) {
    auto* action = new QAction(parent);
    action->setObjectName(item.name());
    auto show = [&item, action] {
        action->setText(item.caption());
        action->setEnabled(item.isEnabled());
        action->setVisible(item.isVisible());
    };
    QObject::connect(&item, &form::Control::changed, action, show);
    show();
    // A caption names its key after a tab ("&Undo\tCtrl+Z").
    const QString key = item.caption().section(u'\t', 1);
    if (!key.isEmpty())
        action->setShortcut(QKeySequence(key));
    QObject::connect(action, &QAction::triggered, action,
                     [&item, show] { forwardUserInput([&item] { item.userPress(); }, show); });
    return action;
}

} // namespace ui
