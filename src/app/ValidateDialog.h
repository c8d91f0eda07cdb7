#pragma once

#include "Validation.h"

#include <editor/Page.h>

namespace editor {
class Editor;
}
namespace form {
class TabControl;
}

namespace app {

using namespace Qt::StringLiterals;

// The validation report of the working copy: one entry per finding, and a button that brings
// the page holding the chosen one to the front. It only reads.
class ValidateDialog : public editor::Declarations {
public:
    ValidateDialog(editor::Editor& editor, form::TabControl& tabs);

    void exec();
    const QList<Finding>& findings() const { return m_findings; }

private:
    void showFinding();

    editor::Editor& m_editor;
    form::TabControl& m_tabs;
    QList<Finding> m_findings;
    int m_pageToShow = -1;

    form::Label& lblValidateSummary = label(u"LblValidateSummary"_s);
    // Every finding at a glance; a click chooses it in the list below, a double click shows it.
    form::TreeView& treeFindings = tree(u"TreeFindings"_s);
    form::ListBox& listFindings = list(u"ListFindings"_s);
    form::Button& cmdShowFinding = button(u"CmdShowFinding"_s, u"Show"_s);
    form::Button& cmdCloseValidate = button(u"CmdCloseValidate"_s, u"Close"_s);
};

} // namespace app
