#pragma once

#include <QString>
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

// Marks where the controls declared after it sit.
struct Frame {};

// The declaration table of a page, a frame or a dialog. The class derives from it and lists its
// frames and controls as members in the order the window shows them, one line each with kind,
// name, caption and option group:
//
//     const editor::Frame m_frame = frame(editor::PageNdd, u"FrameNDD"_s, u"NDD"_s);
//     form::CheckBox& checkNdd1 = check(u"CheckNDD1"_s, u"NDD1"_s);
//
// A control's name appears only there; the class uses the typed reference from then on.
class Declarations {
public:
    form::Form& form() const { return m_form; }

protected:
    explicit Declarations(form::Form& form) : m_form(form) {}
    ~Declarations() = default;
    Declarations(const Declarations&) = delete;
    Declarations& operator=(const Declarations&) = delete;

    // A frame of a page (or kNoPage); an empty name places the controls on the page itself.
    Frame frame(int page, const QString& name, const QString& caption = {});
    form::CheckBox& check(const QString& name, const QString& caption = {});
    form::OptionButton& option(const QString& name, const QString& caption, const QString& group);
    form::ListBox& list(const QString& name, const QString& caption = {});
    form::TextBox& text(const QString& name, const QString& caption = {});
    form::Label& label(const QString& name, const QString& caption = {});
    form::Button& button(const QString& name, const QString& caption);
    form::MenuItem& menu(const QString& name, const QString& caption);
    form::TabControl& tabControl(const QString& name, const QStringList& pageCaptions);
    form::TreeView& tree(const QString& name);

private:
    form::Form& m_form;
};

} // namespace editor
