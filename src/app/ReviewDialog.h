#pragma once

#include <editor/Page.h>

namespace db {
struct DatabaseDiff;
}
namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// What the working copy changes against the system database or a backup of the history: a tree
// with a node per table that differs, under it a node per row added, removed or changed, and
// under a changed row a node per field (old → new). It only reads.
class ReviewDialog : public editor::Declarations {
public:
    explicit ReviewDialog(editor::Editor& editor);

    // Opens the dialog on what the working copy changes against the database at path; what
    // names that database in the dialog's caption ("the system database").
    void exec(const QString& path, const QString& what);
    // The tree of a diff (also for tests).
    void show(const db::DatabaseDiff& diff);

private:
    editor::Editor& m_editor;

    form::Label& lblReviewSummary = label(u"LblReviewSummary"_s);
    form::TreeView& treeReview = tree(u"TreeReview"_s);
    form::Button& cmdCloseReview = button(u"CmdCloseReview"_s, u"Close"_s);
};

} // namespace app
