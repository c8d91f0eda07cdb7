#include "MainWindow.h"

#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/FormSet.h>

namespace app {

MainWindow::MainWindow(editor::Editor& editor)
    : editor::Declarations(editor.forms().addForm(u"main"_s, editor::texts::kCaption)) {
    editor.setTabs(tabs);
    editor.setStandLabel(lidMicroscope);
}

} // namespace app
