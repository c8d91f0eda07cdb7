#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// The dialog that edits the configuration name of the system row.
class EditConfDialog : public editor::Declarations {
public:
    explicit EditConfDialog(editor::Editor& editor);

    // Shows the name as the dialog offers it for editing.
    void setName(const QString& name) { eConf.setText(name); }
    // Runs the dialog modally; OK has written the name when it returns.
    void exec();

private:
    editor::Editor& m_editor;

    form::TextBox& eConf = text(u"EConf"_s);
    form::Button& cmdOk = button(u"CmdOK"_s, u"OK"_s);
    form::Button& cmdCancel = button(u"CmdCancel"_s, u"Cancel"_s);
};

} // namespace app
