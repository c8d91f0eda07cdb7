#include "NddSwitch.h"

#include <editor/Editor.h>

namespace scanhead {

NddSwitch::NddSwitch(editor::Editor& editor) : editor::Declarations(editor.main()) {}

} // namespace scanhead
