#include "UserChangeFilter.h"

#include "FilterWheels.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/FilterDialogContext.h>
#include <form/Host.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace scanhead {

using records::kIdPotential;

namespace {

const QString kFavourites = u"Favourite Filters"_s;
const QString kNoFilter = u"None"_s;

} // namespace

UserChangeFilter::UserChangeFilter(editor::Editor& editor, editor::FilterDialogContext& context,
                                   form::Form& form, const QString& instance,
                                   const editor::Frame& within)
    : editor::Declarations(form, instance, within), m_editor(editor), m_context(context) {
    for (int i = 0; i < kPositions; ++i) {
        cmdPos[i]->setCaption(QString::number(i + 1));
        cmdPos[i]->setHandler([this, i] { CmdPosClicked(i); });
    }
    optionFitername.setSelected(true);
    optionFitername.setHandler([this] { redraw(); });
    optionFiterId.setHandler([this] { redraw(); });
    Choose(0, QString(), 0, {});
}

void UserChangeFilter::Choose(int positions, const QString& wheel, int typeCount,
                              const QStringList& types) {
    m_positions = qBound(0, positions, kPositions);
    m_wheel = wheel;
    m_types = types.mid(0, qBound(0, typeCount, int(types.size())));
    redraw();
}

void UserChangeFilter::redraw() {
    const int n = m_positions;
    // A position beyond the wheel is neither shown nor reachable.
    for (int i = 0; i < kPositions; ++i) {
        cmdPos[i]->setVisible(i < n);
        cmdPos[i]->setEnabled(i < n);
        lFilter[i]->setVisible(i < n);
        if (i >= n)
            lFilter[i]->setCaption(QString());
    }
    optionFitername.setVisible(n > 0);
    optionFiterId.setVisible(n > 0);
    optionFitername.setEnabled(n > 0);
    optionFiterId.setEnabled(n > 0);

    if (n == 0)
        return;
    db::Database& work = m_editor.work();
    const bool names = optionFitername.isSelected();
    for (int p = 1; p <= n; ++p) {
        const QVariant filter = records::FilterAtPosition(work, m_wheel, p);
        if (filter.isNull()) {
            m_editor.host().message(m_wheel + u" Position "_s + QString::number(p) +
                                        u" no Filter exist in Available FilterPlacement"_s,
                                    m_editor.main().caption(), form::MessageIcon::Information);
            continue;
        }
        const QString id = records::NullToText(filter);
        m_current[std::size_t(p - 1)] = id;
        lFilter[p - 1]->setCaption(
            names ? id : records::NullToText(records::FilterCodeNumber(work, id)));
    }
}

void UserChangeFilter::CmdPosClicked(int index) {
    const int position = index + 1;
    m_context.wheelName = m_wheel;
    m_context.selectedPosition = position;
    m_context.allowedTypes = m_types.mid(0, editor::FilterDialogContext::kTypes);
    m_context.idsShown = optionFitername.isSelected();
    redraw();
    m_context.current = m_current;
    if (m_showCatalogue)
        m_showCatalogue();
    // The page may have been read anew meanwhile (after an error in the browser) and show
    // another wheel; the choice belongs to the wheel that was clicked.
    const QString chosen = m_context.current[std::size_t(index)];
    if (!chosen.isEmpty()) {
        keepFavourite(chosen);
        FilterWheels::PlaceFilter(m_editor.work(), m_context.wheelName, position, chosen);
    }
    redraw();
    if (!chosen.isEmpty() && m_placed)
        m_placed();
}

void UserChangeFilter::keepFavourite(const QString& filter) {
    db::Database& work = m_editor.work();
    if (!records::TableExists(work, kFavourites))
        return;
    QString sql = u"SELECT * FROM [Favourite Filters] WHERE ([ID Potential] = ?)"_s;
    QVariantList params{filter};
    // "None" is a favourite of every wheel.
    if (filter != kNoFilter && !m_context.allowedTypes.isEmpty()) {
        QStringList types;
        for (const QString& type : std::as_const(m_context.allowedTypes)) {
            types.append(u"([Type] = ?)"_s);
            params.append(type);
        }
        sql += u" AND ("_s + types.join(u" OR "_s) + u')';
    }
    if (!work.OpenRecordset(sql, params).eof())
        return;
    // A filter of another type, chosen from the whole catalogue, is kept once under its own type
    // rather than once per click.
    const QVariant type = records::FilterType(work, filter);
    if (!work.OpenRecordset(u"SELECT * FROM [Favourite Filters] WHERE ([ID Potential] = ?) AND "
                            "([Type] IS ?)"_s,
                            {filter, type})
             .eof())
        return;
    records::AddRow(work, kFavourites, {{kIdPotential, filter}, {u"Type"_s, type}});
}

} // namespace scanhead
