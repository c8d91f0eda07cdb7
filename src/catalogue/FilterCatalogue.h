#pragma once

#include <editor/ModalDialog.h>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace catalogue {

using namespace Qt::StringLiterals;

class AddUserFilterDialog;

// The filter catalogue browser "Filters": the favourites of the wheel, the user-defined filters
// and the catalogue filters whose type fits the wheel. Clicking a filter makes it the choice of
// the position the filter-dialog context names; favourites and user-defined filters can be
// removed, and user-defined filters added.
class FilterCatalogue : public editor::ModalDialog {
public:
    FilterCatalogue(editor::Editor& editor, editor::FilterDialogContext& context,
                    AddUserFilterDialog& addDialog);

    // Shows the browser modally; the choice is in the context when it returns.
    void ShowFilterCatalogue();

private:
    void opened() override;
    void buildTree();
    void nodeClicked(form::TreeNode& node);
    void removeFilter();
    void addFilter();
    QString favouritesGroup() const;

    editor::FilterDialogContext& m_context;
    AddUserFilterDialog& m_addDialog;
    // The group of the filter clicked last.
    QString m_group;

    form::TreeView& treeView1 = tree(u"TreeView1"_s);
    form::CheckBox& checkViewAll = check(u"CheckViewAll"_s, u"View all filters"_s);
    form::Button& command3 = button(u"Command3"_s, u"Add"_s);
    form::Button& command2 = button(u"Command2"_s, u"Remove"_s);
    form::Button& command1 = button(u"Command1"_s, u"Close"_s);
};

} // namespace catalogue
