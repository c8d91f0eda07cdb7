#pragma once

#include <editor/ModalDialog.h>

namespace editor {
class Editor;
struct ObjectiveContext;
} // namespace editor

namespace catalogue {

using namespace Qt::StringLiterals;

class AddUserObjectiveDialog;

// The objective catalogue browser "Objectives": the favourites, the user-defined objectives and
// the catalogue. Clicking an objective makes it the choice the objective context hands back to
// the revolver position; favourites and user-defined objectives can be removed, and
// user-defined objectives added.
class ObjectiveCatalogue : public editor::ModalDialog {
public:
    ObjectiveCatalogue(editor::Editor& editor, editor::ObjectiveContext& context,
                       AddUserObjectiveDialog& addDialog);

    // Shows the browser modally; the choice is in the context when it returns.
    void ShowCatalogue();

private:
    void opened() override;
    void buildTree();
    void nodeClicked(form::TreeNode& node);
    void removeObjective();
    void addObjective();

    editor::ObjectiveContext& m_context;
    AddUserObjectiveDialog& m_addDialog;
    // The group of the objective clicked last.
    QString m_group;

    form::TreeView& treeView1 = tree(u"TreeView1"_s);
    form::Button& command3 = button(u"Command3"_s, u"    Add Objective"_s);
    form::Button& command2 = button(u"Command2"_s, u" Remove Objective"_s);
    form::Button& command1 = button(u"Command1"_s, u"Close"_s);
};

} // namespace catalogue
