#include "ObjectiveCatalogue.h"

#include "AddUserObjectiveDialog.h"

#include <db/Database.h>
#include <db/Statement.h>
#include <editor/Editor.h>
#include <editor/ObjectiveContext.h>
#include <form/FormSet.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace catalogue {

using records::kIdPotential;
using records::NullToText;

namespace {

const QString kFavourites = records::kFavouriteObjectiveLenses;
const QString kFavouriteGroup = u"Favourite Objectives"_s;
const QString kUserGroup = u"User Defined Objectives"_s;
const QString kCatalogueGroup = u"Potential Objectives"_s;
const QString kEmptyPosition = u"Empty position"_s;
const QString kObjectiveImage = u"objective"_s;
const QString kClosedImage = u"closed"_s;
const QString kOpenImage = u"open"_s;

} // namespace

ObjectiveCatalogue::ObjectiveCatalogue(editor::Editor& editor, editor::ObjectiveContext& context,
                                       AddUserObjectiveDialog& addDialog)
    : editor::ModalDialog(editor, u"FormObjectives"_s, u"Objectives"_s), m_context(context),
      m_addDialog(addDialog) {
    treeView1.setNodeClickHandler([this](form::TreeNode& node) { nodeClicked(node); });
    treeView1.setDoubleClickHandler([this] { close(); });
    command1.setHandler([this] { close(); });
    command2.setHandler([this] { removeObjective(); });
    command3.setHandler([this] { addObjective(); });
}

void ObjectiveCatalogue::ShowCatalogue() {
    exec();
}

void ObjectiveCatalogue::opened() {
    buildTree();
}

void ObjectiveCatalogue::buildTree() {
    db::Database& work = editor().work();
    treeView1.clear();
    form::TreeNode& favourites =
        treeView1.addNode(nullptr, kFavouriteGroup, QString(), kClosedImage, kOpenImage);
    if (!records::TableExists(work, kFavourites))
        work.createTable(kFavourites, {{kIdPotential, db::FieldType::Text},
                                       {records::kFocusSpeed, db::FieldType::Long}});

    const bool names = m_context.namesShown;
    const QString selection = m_context.selectedId;
    form::TreeNode* remembered = nullptr;
    // Each query gives the id, then the name.
    auto addRows = [&](form::TreeNode& group, const QString& sql) {
        db::ScopedStatement rows(work, sql);
        while (rows.next()) {
            const QString id = NullToText(rows.statement().value(0));
            const QString name = NullToText(rows.statement().value(1));
            form::TreeNode& node = names ? treeView1.addNode(&group, name, id, kObjectiveImage)
                                         : treeView1.addNode(&group, id, name, kObjectiveImage);
            if (node.text() == selection)
                remembered = &node;
        }
    };
    // A favourite whose objective left the catalogue is not shown.
    addRows(favourites,
            u"SELECT [Favourite Objective Lenses].[ID Potential], [Potential Objective "
            "Lenses].[Summary] FROM [Favourite Objective Lenses] INNER JOIN [Potential Objective "
            "Lenses] ON [Potential Objective Lenses].[ID Potential] = [Favourite Objective "
            "Lenses].[ID Potential] ORDER BY [Favourite Objective Lenses]._rowid_, [Potential "
            "Objective Lenses]._rowid_"_s);
    form::TreeNode& user =
        treeView1.addNode(nullptr, kUserGroup, QString(), kClosedImage, kOpenImage);
    addRows(user, u"SELECT [ID Potential], [Summary] FROM [Potential Objective Lenses] WHERE "
                  "[Customer Added] <> 0 ORDER BY _rowid_"_s);
    form::TreeNode& catalogue =
        treeView1.addNode(nullptr, kCatalogueGroup, QString(), kClosedImage, kOpenImage);
    addRows(catalogue, u"SELECT [ID Potential], [Summary] FROM [Potential Objective Lenses] WHERE "
                       "[Customer Added] = 0 OR [Customer Added] IS NULL ORDER BY _rowid_"_s);

    command3.setEnabled(false);
    command2.setEnabled(false);
    if (remembered) {
        treeView1.setExpanded(*remembered->parent(), true);
        treeView1.setSelectedNode(remembered);
    }
    m_context.selectedId.clear();
}

void ObjectiveCatalogue::nodeClicked(form::TreeNode& node) {
    if (!node.parent()) {
        command3.setEnabled(node.text() == kUserGroup);
        command2.setEnabled(false);
        return;
    }
    m_group = node.parent()->text();
    const QString id = m_context.namesShown ? node.tag() : node.text();
    // The empty position is every revolver's favourite, whichever way objectives are shown.
    command2.setEnabled(
        m_group == kUserGroup ||
        (m_group == kFavouriteGroup && id != kEmptyPosition && node.text() != kEmptyPosition));
    m_context.selectedId = id;
}

void ObjectiveCatalogue::removeObjective() {
    const QString id = m_context.selectedId;
    // The position keeps its objective after a removal, also after one that failed and was
    // shown: the choice is given up first.
    m_context.selectedId.clear();
    db::Database& work = editor().work();
    if (m_group == kUserGroup)
        records::DeleteFirstRow(work, records::kPotentialObjectiveLenses, kIdPotential, id);
    else if (m_group == kFavouriteGroup)
        records::DeleteFirstRow(work, kFavourites, kIdPotential, id);
    buildTree();
}

void ObjectiveCatalogue::addObjective() {
    m_addDialog.AddUserObjective();
    buildTree();
}

} // namespace catalogue
