#include "EditConfDialog.h"

#include <editor/Editor.h>
#include <form/FormSet.h>
#include <records/RecordHelpers.h>

namespace app {

EditConfDialog::EditConfDialog(editor::Editor& editor)
    : editor::Declarations(editor.forms().addForm(u"FormEditConf"_s, u"Edit Configuration Name"_s)),
      m_editor(editor) {
    cmdOk.setHandler([this] {
        // The system row is the first and only row of its table.
        records::WriteFirstRowField(m_editor.work(), records::kAvailableSystems,
                                    u"ID Configuration"_s, eConf.text());
        form().hide();
    });
    cmdCancel.setHandler([this] { form().hide(); });
}

void EditConfDialog::exec() {
    m_editor.forms().showModal(form());
}

} // namespace app
