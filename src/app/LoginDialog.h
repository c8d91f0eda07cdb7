#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// The service login that guards the refresh of the delivered state.
class LoginDialog : public editor::Declarations {
public:
    explicit LoginDialog(editor::Editor& editor);

    // Runs the dialog modally; true when the service password was given.
    bool exec();

private:
    void ok();
    void cancel();

    editor::Editor& m_editor;
    bool m_succeeded = false;

    form::TextBox& txtUserName = text(u"txtUserName"_s, u"User Name"_s);
    form::TextBox& txtPassword = text(u"txtPassword"_s, u"Password"_s);
    form::Button& cmdOk = button(u"cmdOK"_s, u"OK"_s);
    form::Button& cmdCancel = button(u"CmdCancel"_s, u"Cancel"_s);
};

} // namespace app
