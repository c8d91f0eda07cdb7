#include "TreeView.h"

#include <QJsonArray>

namespace form {

TreeView::TreeView(Form& form, const QString& baseName, int index)
    : Control(form, Kind::TreeView, baseName, index) {
    m_root.m_expanded = true;
}

TreeNode* TreeView::findPath(const QStringList& texts) const {
    const TreeNode* node = &m_root;
    for (const QString& text : texts) {
        node = node->child(text);
        if (!node)
            return nullptr;
    }
    return node == &m_root ? nullptr : const_cast<TreeNode*>(node);
}

void TreeView::clear() {
    m_selected = nullptr;
    m_root.m_children.clear();
    emit changed();
}

TreeNode& TreeView::addNode(TreeNode* parent, const QString& text, const QString& tag,
                            const QString& image, const QString& expandedImage) {
    TreeNode* owner = parent ? parent : &m_root;
    auto node = std::make_unique<TreeNode>();
    node->m_text = text;
    node->m_tag = tag;
    node->m_image = image;
    node->m_expandedImage = expandedImage;
    node->m_parent = parent;
    owner->m_children.push_back(std::move(node));
    emit changed();
    return *owner->m_children.back();
}

void TreeView::setExpanded(TreeNode& node, bool expanded) {
    if (node.m_expanded == expanded)
        return;
    node.m_expanded = expanded;
    emit changed();
}

void TreeView::setSelectedNode(TreeNode* node) {
    if (m_selected == node)
        return;
    m_selected = node;
    emit changed();
}

void TreeView::clickNode(TreeNode& node) {
    setSelectedNode(&node);
    if (!m_nodeClickHandler)
        return;
    // The handler may rebuild the tree and so destroy the node; nothing here touches it after.
    const auto handler = m_nodeClickHandler;
    handler(node);
}

void TreeView::userClickNode(TreeNode& node) {
    runUserAction([this, &node] { clickNode(node); });
}

void TreeView::userDoubleClick() {
    runUserAction([this] { doubleClick(); });
}

QJsonObject TreeView::nodeJson(const TreeNode& node) const {
    QJsonArray children;
    for (const auto& child : node.children())
        children.append(nodeJson(*child));
    return QJsonObject{{QStringLiteral("text"), node.text()},
                       {QStringLiteral("tag"), node.tag()},
                       {QStringLiteral("image"), node.shownImage()},
                       {QStringLiteral("expanded"), node.isExpanded()},
                       {QStringLiteral("selected"), &node == m_selected},
                       {QStringLiteral("children"), children}};
}

QJsonObject TreeView::toJson() const {
    auto json = Control::toJson();
    QJsonArray nodes;
    for (const auto& node : m_root.children())
        nodes.append(nodeJson(*node));
    json.insert(QStringLiteral("nodes"), nodes);
    return json;
}

} // namespace form
