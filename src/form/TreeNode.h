#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace form {

class TreeView;

// A node of a tree view; the tree owns it and makes every change, so that the view hears of it.
class TreeNode {
public:
    const QString& text() const { return m_text; }
    const QString& tag() const { return m_tag; }
    const QString& image() const { return m_image; }
    // Shown instead of image() while the node is expanded, when not empty.
    const QString& expandedImage() const { return m_expandedImage; }
    QString shownImage() const;
    bool isExpanded() const { return m_expanded; }
    TreeNode* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<TreeNode>>& children() const { return m_children; }
    // The child with exactly this text (the first of several), nullptr when there is none.
    TreeNode* child(const QString& text) const;

private:
    friend class TreeView;

    QString m_text;
    QString m_tag;
    QString m_image;
    QString m_expandedImage;
    bool m_expanded = false;
    TreeNode* m_parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> m_children;
};

} // namespace form
