#include "FilterCatalogue.h"

#include "AddUserFilterDialog.h"

#include <db/Database.h>
#include <db/Statement.h>
#include <editor/Editor.h>
#include <editor/FilterDialogContext.h>
#include <form/FormSet.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace catalogue {

using records::kIdPotential;
using records::NullToText;

namespace {

const QString kFavourites = u"Favourite Filters"_s;
const QString kPotentialFilters = u"Potential Filters"_s;
const QString kUserGroup = u"User Defined Filters"_s;
const QString kNoFilter = u"None"_s;
const QString kFilterImage = u"filter"_s;
const QString kClosedImage = u"closed"_s;
const QString kOpenImage = u"open"_s;

// "([Type] = ? OR [Type] = ? ...)" with one parameter per type; a wheel without types matches
// nothing.
QString typeCondition(const QStringList& types, QVariantList& params) {
    if (types.isEmpty())
        return u"(0)"_s;
    QStringList terms;
    for (const QString& type : types) {
        terms.append(u"([Type] = ?)"_s);
        params.append(type);
    }
    return u'(' + terms.join(u" OR "_s) + u')';
}

} // namespace

FilterCatalogue::FilterCatalogue(editor::Editor& editor, editor::FilterDialogContext& context,
                                 AddUserFilterDialog& addDialog)
    : editor::ModalDialog(editor, u"FormFilters"_s, u"Filters"_s), m_context(context),
      m_addDialog(addDialog) {
    treeView1.setNodeClickHandler([this](form::TreeNode& node) { nodeClicked(node); });
    treeView1.setDoubleClickHandler([this] { close(); });
    checkViewAll.setHandler([this] { buildTree(); });
    command1.setHandler([this] { close(); });
    command2.setHandler([this] { removeFilter(); });
    command3.setHandler([this] { addFilter(); });
}

void FilterCatalogue::ShowFilterCatalogue() {
    exec();
}

void FilterCatalogue::opened() {
    buildTree();
}

QString FilterCatalogue::favouritesGroup() const {
    return u"Favourite Filters for "_s + m_context.wheelName;
}

void FilterCatalogue::buildTree() {
    db::Database& work = editor().work();
    treeView1.clear();
    if (!records::TableExists(work, kFavourites))
        work.createTable(kFavourites, {{u"ID"_s, db::FieldType::Counter},
                                       {kIdPotential, db::FieldType::Text},
                                       {u"Type"_s, db::FieldType::Text}});

    const QString selection = m_context.selection();
    form::TreeNode* remembered = nullptr;
    auto addFilter = [&](form::TreeNode& group, const QString& id, const QString& code) {
        form::TreeNode& node = m_context.idsShown
                                   ? treeView1.addNode(&group, id, code, kFilterImage)
                                   : treeView1.addNode(&group, code, id, kFilterImage);
        if (id == selection)
            remembered = &node;
    };
    // Runs a query of one or two columns (the id, then the code number) and adds a node for
    // each row.
    auto addRows = [&](form::TreeNode& group, const QString& sql, const QVariantList& params,
                       bool codeFromCatalogue) {
        db::ScopedStatement rows(work, sql);
        for (int i = 0; i < params.size(); ++i)
            rows.bind(i + 1, params[i]);
        const db::Statement& row = rows.statement();
        // The catalogue has tens of thousands of rows: texts and whole numbers are read as
        // they are stored, without a variant in between; they read as NullToText gives them.
        const auto textOf = [&row](int column, const QString& null) {
            if (const std::optional<QByteArrayView> text = row.utf8(column))
                return QString::fromUtf8(*text);
            if (const std::optional<qint64> number = row.integer(column))
                return QString::number(*number);
            const QVariant value = row.value(column);
            return value.isNull() ? null : NullToText(value);
        };
        while (rows.next()) {
            const QString id = textOf(0, QString());
            addFilter(group, id,
                      codeFromCatalogue ? NullToText(records::FilterCodeNumber(work, id))
                                        : textOf(1, u"0"_s));
        }
    };

    QVariantList params;
    form::TreeNode& favourites =
        treeView1.addNode(nullptr, favouritesGroup(), QString(), kClosedImage, kOpenImage);
    QString condition = typeCondition(m_context.allowedTypes, params);
    params.append(kNoFilter);
    addRows(favourites,
            u"SELECT [ID Potential] FROM [Favourite Filters] WHERE (%1 OR ([ID Potential] = ?)) "
            "ORDER BY _rowid_"_s.arg(condition),
            params, true);

    params.clear();
    form::TreeNode& user =
        treeView1.addNode(nullptr, kUserGroup, QString(), kClosedImage, kOpenImage);
    condition = typeCondition(m_context.allowedTypes, params);
    addRows(user,
            u"SELECT [ID Potential], [Quentara Code No] FROM [Potential Filters] WHERE "
            "([Customer Added] <> 0) AND %1 ORDER BY _rowid_"_s.arg(condition),
            params, false);

    params.clear();
    form::TreeNode& catalogue = treeView1.addNode(nullptr, u"Filters for "_s + m_context.wheelName,
                                                  QString(), kClosedImage, kOpenImage);
    if (checkViewAll.isChecked()) {
        addRows(catalogue,
                u"SELECT [ID Potential], [Quentara Code No] FROM [Potential Filters] "
                "ORDER BY _rowid_"_s,
                params, false);
    } else {
        condition = typeCondition(m_context.allowedTypes, params);
        params.append(kNoFilter);
        addRows(catalogue,
                u"SELECT [ID Potential], [Quentara Code No] FROM [Potential Filters] WHERE (%1 "
                "OR ([ID Potential] = ?)) ORDER BY _rowid_"_s.arg(condition),
                params, false);
    }

    command3.setEnabled(false);
    command2.setEnabled(false);
    if (remembered) {
        treeView1.setExpanded(*remembered->parent(), true);
        treeView1.setSelectedNode(remembered);
    }
}

void FilterCatalogue::nodeClicked(form::TreeNode& node) {
    // Groups are the nodes at the top; a filter's tag may be empty (a favourite that is no longer
    // in the catalogue has no code number).
    if (!node.parent()) {
        command3.setEnabled(node.text() == kUserGroup);
        command2.setEnabled(false);
        return;
    }
    m_group = node.parent()->text();
    const QString id = m_context.idsShown ? node.text() : node.tag();
    // The empty position "None" stays, whichever way the filters are shown.
    command2.setEnabled(id.compare(kNoFilter, Qt::CaseInsensitive) != 0 &&
                        (m_group == favouritesGroup() || m_group == kUserGroup));
    m_context.selection() = id;
}

void FilterCatalogue::removeFilter() {
    const QString id = m_context.selection();
    if (id.compare(kNoFilter, Qt::CaseInsensitive) == 0)
        return;
    // The position keeps its filter after a removal, also after one that failed and was shown:
    // the choice is given up first.
    m_context.selection().clear();
    db::Database& work = editor().work();
    if (m_group == kUserGroup)
        records::DeleteFirstRow(work, kPotentialFilters, kIdPotential, id);
    else if (m_group == favouritesGroup())
        records::DeleteFirstRow(work, kFavourites, kIdPotential, id);
    buildTree();
}

void FilterCatalogue::addFilter() {
    m_addDialog.AddUserFilter();
    buildTree();
}

} // namespace catalogue
