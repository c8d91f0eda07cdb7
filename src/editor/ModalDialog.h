#pragma once

#include "Page.h"

namespace editor {

class Editor;

// A dialog of a subject that runs modally above the main window (the catalogue browsers, their
// add dialogs, the configuration name). The class declares its controls like a page and wires
// its buttons in its constructor.
//
// exec() opens the dialog, runs opened() to fill it, and returns once it is closed: by close()
// from a handler, or by the window's close button, which runs closing() first. Each button of
// the open dialog is an action of its own inside the action that opened the dialog: the action
// boundary runs it under a savepoint, so that an error undoes only what that button wrote, is
// shown, and leaves the dialog open for the next try.
class ModalDialog : public Declarations {
public:
    virtual ~ModalDialog() = default;
    void exec();
    bool isOpen() const { return form().isVisible(); }

protected:
    ModalDialog(Editor& editor, const QString& name, const QString& caption);

    Editor& editor() const { return m_editor; }
    // Fills the dialog as it opens; an error here closes it again.
    virtual void opened() {}
    // The window's close button was used.
    virtual void closing() {}
    void close() { form().hide(); }

private:
    Editor& m_editor;
};

} // namespace editor
