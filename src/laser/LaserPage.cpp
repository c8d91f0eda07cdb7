#include "LaserPage.h"

#include <editor/Editor.h>

namespace laser {

LaserPage::LaserPage(editor::Editor& editor) : editor::Declarations(editor.main()) {}

} // namespace laser
