#pragma once

#include "Control.h"
#include "TreeNode.h"

#include <QStringList>

namespace form {

// A tree of nodes under an invisible root. A click on a node selects it and runs the node-click
// handler; a double click runs the double-click handler. Building, expanding and selecting from
// code run nothing.
class TreeView : public Control {
    Q_OBJECT

public:
    TreeView(Form& form, const QString& baseName, int index);

    // The invisible root; its children are the top-level nodes.
    const TreeNode& root() const { return m_root; }
    TreeNode* selectedNode() const { return m_selected; }
    // Follows the texts from the top (the first node of each text); nullptr when a text is missing.
    TreeNode* findPath(const QStringList& texts) const;

    // Destroys every node: handlers must not keep nodes across a rebuild.
    void clear();
    // parent nullptr = top level.
    TreeNode& addNode(TreeNode* parent, const QString& text, const QString& tag = {},
                      const QString& image = {}, const QString& expandedImage = {});
    void setExpanded(TreeNode& node, bool expanded);
    void setSelectedNode(TreeNode* node);

    void clickNode(TreeNode& node);
    void doubleClick() { fire(m_doubleClickHandler); }
    void userClickNode(TreeNode& node);
    void userDoubleClick();
    void setNodeClickHandler(std::function<void(TreeNode&)> handler) {
        m_nodeClickHandler = std::move(handler);
    }
    void setDoubleClickHandler(std::function<void()> handler) {
        m_doubleClickHandler = std::move(handler);
    }
    bool hasHandler() const override {
        return bool(m_nodeClickHandler) || bool(m_doubleClickHandler);
    }

    QJsonObject toJson() const override;

private:
    QJsonObject nodeJson(const TreeNode& node) const;

    TreeNode m_root;
    TreeNode* m_selected = nullptr;
    std::function<void(TreeNode&)> m_nodeClickHandler;
    std::function<void()> m_doubleClickHandler;
};

} // namespace form
