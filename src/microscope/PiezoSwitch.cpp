#include "PiezoSwitch.h"

#include <editor/Editor.h>

namespace microscope {

PiezoSwitch::PiezoSwitch(editor::Editor& editor) : editor::Declarations(editor.main()) {}

} // namespace microscope
