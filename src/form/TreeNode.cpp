#include "TreeNode.h"

namespace form {

QString TreeNode::shownImage() const {
    return m_expanded && !m_expandedImage.isEmpty() ? m_expandedImage : m_image;
}

TreeNode* TreeNode::child(const QString& text) const {
    for (const auto& node : m_children) {
        if (node->m_text == text)
            return node.get();
    }
    return nullptr;
}

} // namespace form
