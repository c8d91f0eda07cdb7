#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>

namespace form {

class Form;

enum class Kind {
    CheckBox,
    OptionButton,
    ListBox,
    TextBox,
    Label,
    Button,
    MenuItem,
    TabControl,
    TreeView,
    Picture
};

// The kind as the control dump and scripts name it ("check", "list", ...).
QString kindName(Kind kind);
// The kind in words, for messages ("check box").
QString kindDescription(Kind kind);

// Where the view puts a control: the page of its form's main tab control (-1 = on no page), the
// frame it sits in (empty name = none) and the column of the page the frame goes to (-1 = the
// view's choice).
struct Placement {
    int page = -1;
    QString groupName;
    QString groupCaption;
    int column = -1;
};

// A control of a form model. Model changes emit changed(); the view then updates its widget with
// the widget's signals blocked, so that showing a value never runs a handler a second time.
//
// Every kind has programmatic setters that follow the event rules (a different value runs the
// handler at once, nested; the same value runs nothing) and "user" entry points that run the same
// setter inside the action boundary of the form set. Behaviour code uses the setters; only the
// view and the script runner use the user entry points.
class Control : public QObject {
    Q_OBJECT

public:
    ~Control() override;

    Kind kind() const { return m_kind; }
    // The address: "CheckArgon", "CmdPos(3)", "UserChangeFilter1.CmdPos(2)".
    QString name() const;
    // The name without the array index.
    const QString& baseName() const { return m_baseName; }
    // Index within a control array, -1 for a single control.
    int index() const { return m_index; }
    Form& form() const { return m_form; }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    const Placement& placement() const { return m_placement; }
    void setPlacement(const Placement& placement);

    // The control's state as one line of the control dump; also what scripts `expect`.
    virtual QJsonObject toJson() const;

    // Whether a person's input runs behaviour. The random-action proof needs to know: what a
    // person sets on a control without behaviour is only shown, and no fresh read shows it.
    virtual bool hasHandler() const { return false; }

signals:
    void changed();

protected:
    Control(Form& form, Kind kind, const QString& baseName, int index);

    // Runs a user's action inside the form set's action boundary.
    void runUserAction(const std::function<void()>& action);
    // Runs a handler; a copy is called so that a handler may replace itself while it runs.
    static void fire(const std::function<void()>& handler);

private:
    Form& m_form;
    Kind m_kind;
    QString m_baseName;
    int m_index;
    bool m_enabled = true;
    bool m_visible = true;
    QString m_caption;
    Placement m_placement;
};

} // namespace form
