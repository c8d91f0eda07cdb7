#pragma once

#include <editor/ModalDialog.h>

namespace app {

using namespace Qt::StringLiterals;

// The dialog that edits the configuration name of the system row.
class EditConfDialog : public editor::ModalDialog {
public:
    explicit EditConfDialog(editor::Editor& editor);

    // Shows the name as the dialog offers it for editing.
    void setName(const QString& name) { eConf.setText(name); }

private:
    form::TextBox& eConf = text(u"EConf"_s, u"Configuration Name"_s);
    form::Button& cmdOk = button(u"CmdOK"_s, u"OK"_s);
    form::Button& cmdCancel = button(u"CmdCancel"_s, u"Cancel"_s);
};

} // namespace app
