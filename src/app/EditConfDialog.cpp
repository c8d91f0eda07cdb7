#include "EditConfDialog.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace app {

EditConfDialog::EditConfDialog(editor::Editor& editor)
    : editor::ModalDialog(editor, u"FormEditConf"_s, u"Edit Configuration Name"_s) {
    cmdOk.setHandler([this] {
        // The system row is the first and only row of its table.
        records::WriteFirstRowField(this->editor().work(), records::kAvailableSystems,
                                    u"ID Configuration"_s, eConf.text());
        close();
    });
    cmdCancel.setHandler([this] { close(); });
}

} // namespace app
