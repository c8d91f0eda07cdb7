#pragma once

#include <QTreeWidget>

namespace form {
class TreeNode;
class TreeView;
} // namespace form

namespace ui {

// Shows a tree view control. Its items are rebuilt from the model once the events after a change
// run, so that filling a catalogue of hundreds of nodes costs one rebuild, not one per node.
//
// An item remembers its node by the path of child positions from the top, never by pointer: a
// handler may clear the tree and so destroy every node while the old items are still on screen.
class TreeViewWidget : public QTreeWidget {
    Q_OBJECT

public:
    explicit TreeViewWidget(form::TreeView& tree, QWidget* parent = nullptr);

    // Shows the model now instead of after the pending events.
    void rebuild();

private:
    void scheduleRebuild();
    void addItems(QTreeWidgetItem* parentItem, const form::TreeNode& node, QList<int> path);
    form::TreeNode* nodeOf(const QTreeWidgetItem* item) const;
    void onItemClicked(QTreeWidgetItem* item);
    void onItemDoubleClicked();
    void onExpansion(QTreeWidgetItem* item, bool expanded);

    form::TreeView& m_tree;
    bool m_stale = true;
    bool m_scheduled = false;
    bool m_writingModel = false;
};

} // namespace ui
