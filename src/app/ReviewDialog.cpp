#include "ReviewDialog.h"

#include "DatabaseCheck.h"

#include <db/DatabaseDiff.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <form/FormSet.h>
#include <form/TreeView.h>

namespace app {

namespace {
const QString kCaption = u"Review Changes"_s;
}

ReviewDialog::ReviewDialog(editor::Editor& editor)
    : editor::Declarations(editor.forms().addForm(u"frmReview"_s, kCaption)), m_editor(editor) {
    form().setOpeningSize({760, 560});
    cmdCloseReview.setHandler([this] { form().hide(); });
}

void ReviewDialog::exec(const QString& path, const QString& what) {
    db::DatabaseDiff diff;
    {
        const editor::BusyScope busy(m_editor.host());
        const std::unique_ptr<db::Database> before = openSound(u"The database"_s, path, {}, false);
        diff = db::compareDatabases(*before, m_editor.work());
    }
    form().setCaption(u"%1: the working copy against %2"_s.arg(kCaption, what));
    show(diff);
    m_editor.forms().showModal(form());
}

void ReviewDialog::show(const db::DatabaseDiff& diff) {
    treeReview.clear();
    int rows = 0;
    for (const db::TableDiff& table : diff.tables) {
        if (table.state != db::TableDiff::State::Both) {
            treeReview.addNode(
                nullptr,
                u"%1 table [%2] (%3 rows)"_s
                    .arg(table.state == db::TableDiff::State::Added ? u"Added"_s : u"Removed"_s,
                         table.table)
                    .arg(table.rowCount));
            continue;
        }
        form::TreeNode& node = treeReview.addNode(nullptr, u"[%1]"_s.arg(table.table));
        for (const QString& field : table.fieldsAdded)
            treeReview.addNode(&node, u"Added field %1"_s.arg(field));
        for (const QString& field : table.fieldsRemoved)
            treeReview.addNode(&node, u"Removed field %1"_s.arg(field));
        for (const db::RowChange& row : table.rows) {
            ++rows;
            const QString key = db::valueText(row.key.isNull() ? QVariant() : QVariant(row.key));
            if (row.kind == db::RowChange::Kind::Changed) {
                form::TreeNode& changed = treeReview.addNode(&node, u"Changed row %1"_s.arg(key));
                for (const db::FieldChange& change : row.changes)
                    treeReview.addNode(&changed, u"%1: %2 → %3"_s.arg(change.field,
                                                                      db::valueText(change.before),
                                                                      db::valueText(change.after)));
                treeReview.setExpanded(changed, true);
                continue;
            }
            form::TreeNode& whole = treeReview.addNode(
                &node,
                u"%1 row %2"_s.arg(
                    row.kind == db::RowChange::Kind::Added ? u"Added"_s : u"Removed"_s, key));
            for (int i = 0; i < row.fields.size(); ++i)
                treeReview.addNode(
                    &whole, u"%1: %2"_s.arg(row.fields.at(i), db::valueText(row.values.value(i))));
        }
        treeReview.setExpanded(node, true);
    }
    for (const QString& query : diff.queriesAdded)
        treeReview.addNode(nullptr, u"Added stored query [%1]"_s.arg(query));
    for (const QString& query : diff.queriesRemoved)
        treeReview.addNode(nullptr, u"Removed stored query [%1]"_s.arg(query));
    for (const QString& query : diff.queriesChanged)
        treeReview.addNode(nullptr, u"Changed stored query [%1]"_s.arg(query));
    lblReviewSummary.setCaption(
        diff.empty() ? u"No changes."_s
                     : u"%1 rows in %2 tables differ."_s.arg(rows).arg(diff.tables.size()));
}

} // namespace app
