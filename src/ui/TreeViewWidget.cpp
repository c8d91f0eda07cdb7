#include "TreeViewWidget.h"

#include "UserInput.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <form/TreeView.h>

namespace ui {

namespace {
constexpr int PathRole = Qt::UserRole + 1;
}

TreeViewWidget::TreeViewWidget(form::TreeView& tree, QWidget* parent)
    : QTreeWidget(parent), m_tree(tree) {
    setObjectName(tree.name());
    setHeaderHidden(true);
    setColumnCount(1);
    setMinimumSize(240, 200);
    connect(&m_tree, &form::Control::changed, this, [this] {
        if (!m_writingModel)
            scheduleRebuild();
    });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { onItemClicked(item); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { onItemDoubleClicked(); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { onExpansion(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpansion(item, false); });
    rebuild();
}

void TreeViewWidget::scheduleRebuild() {
    m_stale = true;
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_stale)
                rebuild();
        },
        Qt::QueuedConnection);
}

void TreeViewWidget::rebuild() {
    m_scheduled = false;
    m_stale = false;
    const QSignalBlocker blocker(this);
    const int scroll = verticalScrollBar()->value();
    clear();
    addItems(nullptr, m_tree.root(), {});
    verticalScrollBar()->setValue(scroll);
    setEnabled(m_tree.isEnabled());
    setHidden(!m_tree.isVisible());
}

void TreeViewWidget::addItems(QTreeWidgetItem* parentItem, const form::TreeNode& node,
                              QList<int> path) {
    int position = 0;
    for (const auto& child : node.children()) {
        path.append(position++);
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, child->text());
        item->setData(0, PathRole, QVariant::fromValue(path));
        addItems(item, *child, path);
        item->setExpanded(child->isExpanded());
        if (child.get() == m_tree.selectedNode())
            setCurrentItem(item);
        path.removeLast();
    }
}

form::TreeNode* TreeViewWidget::nodeOf(const QTreeWidgetItem* item) const {
    const auto path = item->data(0, PathRole).value<QList<int>>();
    const form::TreeNode* node = &m_tree.root();
    for (int position : path) {
        if (position < 0 || position >= int(node->children().size()))
            return nullptr;
        node = node->children().at(position).get();
    }
    return path.isEmpty() ? nullptr : const_cast<form::TreeNode*>(node);
}

void TreeViewWidget::onItemClicked(QTreeWidgetItem* item) {
    // An item shown before the model changed may stand for another node by now.
    if (m_stale)
        return;
    form::TreeNode* node = nodeOf(item);
    if (!node)
        return;
    // The items are rebuilt later: Qt still holds the clicked item while this signal runs.
    forwardUserInput([this, node] { m_tree.userClickNode(*node); }, [this] { scheduleRebuild(); });
}

void TreeViewWidget::onItemDoubleClicked() {
    forwardUserInput([this] { m_tree.userDoubleClick(); }, [this] { scheduleRebuild(); });
}

void TreeViewWidget::onExpansion(QTreeWidgetItem* item, bool expanded) {
    // Opening a branch runs nothing, but the model keeps it so that a rebuild shows it open.
    if (m_stale)
        return;
    if (form::TreeNode* node = nodeOf(item)) {
        m_writingModel = true;
        m_tree.setExpanded(*node, expanded);
        m_writingModel = false;
    }
}

} // namespace ui
