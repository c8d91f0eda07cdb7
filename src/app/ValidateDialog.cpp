#include "ValidateDialog.h"

#include <editor/Editor.h>
#include <form/FormSet.h>
#include <form/ListBox.h>
#include <form/TabControl.h>
#include <form/TreeView.h>

namespace app {

ValidateDialog::ValidateDialog(editor::Editor& editor, form::TabControl& tabs)
    : editor::Declarations(editor.forms().addForm(u"frmValidate"_s, u"Validation Report"_s)),
      m_editor(editor), m_tabs(tabs) {
    form().setOpeningSize({860, 420});
    cmdShowFinding.setHandler([this] { showFinding(); });
    treeFindings.setNodeClickHandler([this](form::TreeNode& node) {
        const auto& shown = treeFindings.root().children();
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i].get() == &node)
                listFindings.setCurrentIndex(int(i));
    });
    treeFindings.setDoubleClickHandler([this] { showFinding(); });
    cmdCloseValidate.setHandler([this] { form().hide(); });
}

void ValidateDialog::exec() {
    m_findings = validate(m_editor.work());
    listFindings.clear();
    treeFindings.clear();
    for (const Finding& finding : m_findings) {
        listFindings.addItem(finding.line());
        treeFindings.addNode(nullptr, finding.line());
    }
    if (!m_findings.isEmpty())
        listFindings.setCurrentIndex(0);
    cmdShowFinding.setEnabled(!m_findings.isEmpty());
    lblValidateSummary.setCaption(m_findings.isEmpty() ? u"Nothing found."_s
                                                       : u"%1 findings."_s.arg(m_findings.size()));
    m_pageToShow = -1;
    m_editor.forms().showModal(form());
    // A click on the tab once the report is closed: the page is read as it comes to the front.
    if (m_pageToShow >= 0 && m_pageToShow != m_tabs.currentIndex() &&
        m_tabs.isPageEnabled(m_pageToShow))
        m_tabs.userSelect(m_pageToShow);
}

void ValidateDialog::showFinding() {
    const int index = listFindings.currentIndex();
    if (index < 0 || index >= m_findings.size())
        return;
    m_pageToShow = m_findings.at(index).page;
    form().hide();
}

} // namespace app
