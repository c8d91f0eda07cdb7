#include "DatabaseFrames.h"

#include <editor/Editor.h>

namespace app {

DatabaseFrames::DatabaseFrames(editor::Editor& editor) : editor::Declarations(editor.main()) {
    editor.setStatusLine(lMsg);
    // The message about the delivered state goes when the Firmware page comes to the front.
    editor.addPageReadout(editor::PageFirmware, [this] { lMsgHiddenCopy.setCaption(QString()); });
    // Nothing to undo or redo before the first action.
    mnuUndo.setEnabled(false);
    mnuRedo.setEnabled(false);
}

void DatabaseFrames::lock(form::TabControl& tabs) {
    m_locked = true;
    tabs.setEnabled(false);
    for (form::Control* control : std::initializer_list<form::Control*>{
             &cmdEditConf, &comboHistory, &cmdRestore, &cmdClearHistory, &cmdHiddenCopy, &cmdStore,
             &mnuSaveAs, &cmdReview, &cmdCompare, &mnuValidate, &mnuUndo, &mnuRedo})
        control->setEnabled(false);
}

} // namespace app
