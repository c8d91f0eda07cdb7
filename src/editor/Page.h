#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <form/Form.h>

namespace editor {

// The pages of the main window's tab control SSTab1.
enum PageIndex {
    PageConfiguration = 0,
    PageMicroscope = 1,
    PageLaser = 2,
    PageScanHead = 3,
    PageFcs = 4,
    PageNdd = 5,
    PageFirmware = 6,
};
// Controls below the pages, and the controls of a dialog.
inline constexpr int kNoPage = -1;

// Where the controls declared after it sit: a page (or kNoPage), a frame on it (an empty name
// places the controls on the page itself) and the page column the frame asks for (-1 = none).
struct Frame {
    int page = kNoPage;
    QString name;
    QString caption;
    int column = -1;
};

// The declaration table of a page, a frame or a dialog. The class derives from it and lists its
// frames and controls as members in the order the window shows them, one line each with kind,
// name, caption and option group:
//
//     const editor::Frame m_frame = frame(editor::PageNdd, u"FrameNDD"_s, u"NDD"_s);
//     form::CheckBox& checkNdd1 = check(u"CheckNDD1"_s, u"NDD1"_s);
//     const QList<form::Button*> cmdPos = buttons(u"CmdPos"_s, 8);          // CmdPos(0..7)
//     const QList<form::OptionButton*> option1 = options(u"Option1"_s, {...}); // one row
//
// A control's name appears only there; the class uses the typed reference from then on.
//
// Placement starts afresh in each class: its controls sit where its own frame() calls put them,
// never in the frame another class declared last. A control of the main window declared before
// the class's first frame is a programming error (std::logic_error at construction); a dialog's
// controls may sit on the dialog itself.
//
// A reusable control (the filter position control, eight times on a page) is a class of its own
// built with the owner-prefix constructor: its names get the owner's name in front
// ("UserChangeFilter1.CmdPos(0)"), and its controls sit in the frame its owner gives it.
class Declarations {
public:
    form::Form& form() const { return m_form; }
    // The name in front of this class's control names ("UserChangeFilter1"); empty for none.
    const QString& owner() const { return m_owner; }

protected:
    explicit Declarations(form::Form& form);
    Declarations(form::Form& form, const QString& owner, const Frame& within);
    ~Declarations() = default;
    Declarations(const Declarations&) = delete;
    Declarations& operator=(const Declarations&) = delete;

    // A frame of a page (or kNoPage); column asks for a column of the page, so that a page of
    // many frames lays out as declared.
    Frame frame(int page, const QString& name, const QString& caption = {}, int column = -1);
    form::CheckBox& check(const QString& name, const QString& caption = {});
    // An option button of a group; in a reusable control the group is the owner's own.
    form::OptionButton& option(const QString& name, const QString& caption, const QString& group);
    form::ListBox& list(const QString& name, const QString& caption = {});
    form::TextBox& text(const QString& name, const QString& caption = {});
    form::Label& label(const QString& name, const QString& caption = {});
    form::Button& button(const QString& name, const QString& caption);
    form::MenuItem& menu(const QString& name, const QString& caption);
    form::TabControl& tabControl(const QString& name, const QStringList& pageCaptions);
    form::TreeView& tree(const QString& name);
    form::Picture& picture(const QString& name, const QString& image = {});

    // Control arrays NAME(0) .. NAME(count-1), every element with the same caption.
    QList<form::Button*> buttons(const QString& name, int count, const QString& caption = {});
    QList<form::Label*> labels(const QString& name, int count, const QString& caption = {});
    QList<form::CheckBox*> checks(const QString& name, int count, const QString& caption = {});
    // An option array NAME(0) .. NAME(n-1), one element per caption: one group of its own, which
    // the view shows as one row.
    QList<form::OptionButton*> options(const QString& name, const QStringList& captions);

private:
    // The address of a declared name: the owner's name in front, if any.
    QString address(const QString& name) const;
    // Puts the form's placement where this class's next control goes; throws for a main-window
    // control outside a frame.
    void place(const QString& name);
    template <class T> QList<T*> array(const QString& name, int count, const QString& caption = {});

    form::Form& m_form;
    QString m_owner;
    form::Placement m_placement;
    bool m_framed = false;
};

} // namespace editor
