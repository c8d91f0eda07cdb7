#include "FilterWheels.h"

#include "UserChangeFilter.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <form/ListBox.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace scanhead {

using namespace Qt::StringLiterals;

namespace {

const QString kPosition = u"Position"_s;
const QString kNotInclude = u"Not Include"_s;

QStringList emissionTypes() {
    return {u"BP"_s, u"LP"_s, u"KP"_s};
}

} // namespace

QStringList FilterWheels::allowedTypes(Head head, const QString& wheel) {
    const QString prefix = head == Head::Fcs ? u"FCS_"_s : QString();
    const QStringList emission = head == Head::Fcs
                                     ? QStringList{u"FCS_EF1"_s, u"FCS_EF2"_s}
                                     : QStringList{u"EF1"_s, u"EF2"_s, u"EF3"_s, u"EF4"_s};
    const QStringList neutral =
        head == Head::Fcs ? QStringList{u"FCS_EF5"_s} : QStringList{u"EF5"_s, u"EF6"_s};
    if (emission.contains(wheel))
        return emissionTypes();
    if (neutral.contains(wheel))
        return {u"FW3"_s};
    if (wheel.contains(head == Head::Fcs ? u"FCS_MBS"_s : u"HT"_s))
        return {u"HFT"_s};
    if (wheel.contains(head == Head::Fcs ? u"FCS_DBS"_s : u"NT"_s))
        return {u"NFT"_s};
    return {};
}

void FilterWheels::fillWheelList(editor::Editor& editor, form::ListBox& list,
                                 UserChangeFilter& control, Head head) {
    db::Database& work = editor.work();
    list.clear();
    const db::Recordset wheels =
        work.OpenRecordset(u"SELECT * FROM [Available Filtersets] WHERE [Control Position] = ?"_s,
                           {head == Head::Fcs ? u"CANO"_s : u"CANI"_s});
    for (db::Recordset rs = wheels; !rs.eof(); rs.moveNext()) {
        if (!records::IsUsable(rs.value(records::kStatus)))
            continue;
        const QString wheel = records::NullToText(rs.value(records::kIdAvailable));
        list.addItem(wheel, records::CountIncludedPositions(work, wheel));
    }
    const QStringList types = emissionTypes();
    if (list.count() == 0) {
        control.Choose(0, QString(), int(types.size()), types);
        return;
    }
    list.setCurrentIndex(0);
    control.Choose(list.itemData(0).toInt(), list.text(), int(types.size()), types);
}

void FilterWheels::showPickedWheel(const form::ListBox& list, UserChangeFilter& control,
                                   Head head) {
    if (list.currentIndex() < 0)
        return;
    const QStringList types = allowedTypes(head, list.text());
    if (types.isEmpty())
        return;
    control.Choose(list.itemData(list.currentIndex()).toInt(), list.text(), int(types.size()),
                   types);
}

void FilterWheels::SetWheelPositionCount(db::Database& work, const QString& wheel, int positions) {
    db::Recordset rows = work.OpenRecordset(
        u"SELECT * FROM [Available FilterPlacement] WHERE [ID Available] = ?"_s, {wheel});
    int count = 0;
    for (; !rows.eof(); rows.moveNext()) {
        ++count;
        const int position = rows.value(kPosition).toInt();
        const QVariant notInclude = rows.value(kNotInclude);
        const bool beyond = position > positions;
        if (beyond ? notInclude.toBool() : !notInclude.toBool())
            continue;
        rows.edit();
        rows.setValue(kNotInclude, beyond);
        rows.update();
    }
    for (int position = count + 1; position <= positions; ++position)
        records::AddRow(work, u"Available FilterPlacement"_s,
                        {{records::kIdAvailable, wheel},
                         {kPosition, position},
                         {records::kIdPotential, u"None"_s},
                         {u"Output Position"_s, position},
                         {kNotInclude, false}});
}

bool FilterWheels::PlaceFilter(db::Database& work, const QString& wheel, int position,
                               const QString& filter) {
    db::Recordset placement = work.OpenRecordset(
        u"SELECT * FROM [Available FilterPlacement] WHERE ([ID Available] = ?) AND ([Position] = "
        "?)"_s,
        {wheel, position});
    if (placement.recordCount() != 1)
        return false;
    placement.edit();
    placement.setValue(records::kIdPotential, filter);
    placement.update();
    return true;
}

} // namespace scanhead
