#include "ModalDialog.h"

#include "Editor.h"

#include <form/FormSet.h>

namespace editor {

ModalDialog::ModalDialog(Editor& editor, const QString& name, const QString& caption)
    : Declarations(editor.forms().addForm(name, caption)), m_editor(editor) {
    form().setShowHandler([this] { opened(); });
    form().setCloseHandler([this] { closing(); });
}

void ModalDialog::exec() {
    m_editor.forms().showModal(form());
}

} // namespace editor
