#pragma once

#include "Page.h"

namespace editor {

class Editor;

// A box in the Options frame of the Configuration page. Several subjects put their option there;
// each declares its box as a class of its own folder deriving from this one.
class OptionBox : public Declarations {
public:
    OptionBox(Editor& editor, const QString& name, const QString& caption);

private:
    const Frame m_frame;

public:
    form::CheckBox& box;
};

} // namespace editor
