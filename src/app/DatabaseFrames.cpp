#include "DatabaseFrames.h"

#include <editor/Editor.h>

namespace app {

DatabaseFrames::DatabaseFrames(editor::Editor& editor) : editor::Declarations(editor.main()) {
    editor.setStatusLine(lMsg);
}

void DatabaseFrames::lock(form::TabControl& tabs) {
    tabs.setEnabled(false);
    cmdRestore.setEnabled(false);
    cmdClearHistory.setEnabled(false);
    cmdStore.setEnabled(false);
    comboHistory.setEnabled(false);
    mnuSaveAs.setEnabled(false);
}

} // namespace app
