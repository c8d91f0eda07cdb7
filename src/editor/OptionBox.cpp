#include "OptionBox.h"

#include "Editor.h"

namespace editor {

using namespace Qt::StringLiterals;

OptionBox::OptionBox(Editor& editor, const QString& name, const QString& caption)
    : Declarations(editor.main()),
      m_frame(frame(PageConfiguration, u"FrameOptions"_s, u"Options"_s)),
      box(check(name, caption)) {}

} // namespace editor
