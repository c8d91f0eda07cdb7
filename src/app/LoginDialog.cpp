#include "LoginDialog.h"

#include <editor/Editor.h>
#include <form/FormSet.h>

namespace app {

namespace {
const QString kCaption = u"Login"_s;
const QString kServicePassword = u"Harvest"_s;
} // namespace

LoginDialog::LoginDialog(editor::Editor& editor)
    : editor::Declarations(editor.forms().addForm(u"frmLogin"_s, kCaption)), m_editor(editor) {
    cmdOk.setHandler([this] { ok(); });
    cmdCancel.setHandler([this] { cancel(); });
    form().setCloseHandler([this] { m_succeeded = false; });
}

bool LoginDialog::exec() {
    m_succeeded = false;
    m_editor.forms().showModal(form());
    return m_succeeded;
}

void LoginDialog::ok() {
    if (txtPassword.text() == kServicePassword) {
        m_succeeded = true;
        form().hide();
        return;
    }
    m_editor.host().message(u"Invalid Password, try again!"_s, kCaption,
                            form::MessageIcon::Warning);
}

void LoginDialog::cancel() {
    m_succeeded = false;
    form().hide();
}

} // namespace app
