#include "RevolverFrame.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/ObjectiveContext.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace microscope {

using records::kIdAvailable;
using records::kIdPotential;
using records::NullToText;

namespace {

const QString kRevolvers = u"Available Revolvers"_s;
const QString kObjectives = u"Available Objective Lenses"_s;
const QString kFavourites = records::kFavouriteObjectiveLenses;
const QString kFirmwareParameters = u"Available Firmware Parameters"_s;
const QString kRevolverPosition = u"Revolver Position"_s;
const QString kPositionsField = u"Positions"_s;

// A whole number, as the integer field takes it; anything else is refused.
bool wholeNumber(const QString& text, int& number) {
    bool ok = false;
    number = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

RevolverFrame::RevolverFrame(editor::Editor& editor, editor::ObjectiveContext& context)
    : editor::Declarations(editor.main()), m_editor(editor), m_context(context) {
    for (int i = 0; i < kPositions; ++i) {
        cmdPosObj[i]->setCaption(u"Pos"_s + QString::number(i + 1));
        cmdPosObj[i]->setHandler([this, i] { PlaceObjective(i); });
    }
    comboObjRevolvers.setHandler([this] {
        if (m_editor.isLive() && comboObjRevolvers.currentIndex() >= 0)
            SelectRevolver(comboObjRevolvers.text());
    });
    optionObjId.setSelected(true);
    optionObjId.setHandler([this] { RefreshRevolverView(); });
    optionObjName.setHandler([this] { RefreshRevolverView(); });
    ePosPiezoObj.setHandler([this] {
        if (m_editor.isLive())
            cmdApplyRevolverPos.setEnabled(true);
    });
    cmdApplyRevolverPos.setEnabled(false);
    cmdApplyRevolverPos.setHandler([this] { SetPiezoObjectivePosition(); });
}

void RevolverFrame::RefreshRevolverView() {
    if (m_refreshing.isRunning())
        return;
    const editor::Running running(m_refreshing);
    int positions = 0;
    {
        const editor::Quiet quiet(m_editor);
        const QString installed = NullToText(records::ReadField(
            m_editor.work(), kRevolvers, kIdAvailable, u"OBJREV"_s, kIdPotential));
        comboObjRevolvers.clear();
        int selected = -1;
        QList<form::ListBox::Entry> entries;
        for (db::Recordset rs = m_editor.templ().OpenRecordset(u"QNosepieces"_s); !rs.eof();
             rs.moveNext()) {
            entries.append({NullToText(rs.value(u"Available Nosepiece"_s)), {}});
            if (selected < 0 && !installed.isEmpty() &&
                NullToText(rs.value(kIdPotential)) == installed) {
                selected = int(entries.size()) - 1;
                positions = qBound(0, rs.value(kPositionsField).toInt(), kPositions);
            }
        }
        comboObjRevolvers.addItems(entries);
        // A revolver type the catalogue does not know shows no choice and no position.
        comboObjRevolvers.setCurrentIndex(selected);
        for (int i = 0; i < kPositions; ++i) {
            cmdPosObj[i]->setVisible(i < positions);
            lPosObj[i]->setVisible(i < positions);
        }
    }
    if (m_editor.standSelection() && comboObjRevolvers.currentIndex() >= 0) {
        const bool live = m_editor.isLive();
        m_editor.setLive(true);
        SelectRevolver(comboObjRevolvers.text());
        m_editor.setLive(live);
    }
    const QString shown = optionObjName.isSelected() ? kIdAvailable : kIdPotential;
    for (int i = 0; i < positions; ++i)
        lPosObj[i]->setCaption(NullToText(records::ReadFieldByNumber(
            m_editor.work(), kObjectives, kRevolverPosition, i + 1, shown)));
}

void RevolverFrame::SelectRevolver(const QString& name) {
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    const records::Row nosepiece =
        records::FirstRowByKey(templ, u"Available Nosepieces"_s, u"Available Nosepiece"_s, name,
                               {kIdPotential, kPositionsField});
    const QString type = NullToText(nosepiece.value(kIdPotential));
    const int positions = nosepiece.value(kPositionsField).toInt();

    db::Recordset source = templ.OpenRecordset(
        u"SELECT * FROM %1 WHERE [ID Potential] = ?"_s.arg(templ.qualified(kRevolvers)), {type});
    if (!source.eof()) {
        db::Recordset installed = work.OpenRecordset(kRevolvers);
        if (installed.eof())
            installed.addNew();
        else
            installed.edit();
        for (const QString& field : installed.fieldNames())
            if (source.hasField(field))
                installed.setValue(field, source.value(field));
        installed.update();
    }
    fitObjectiveRows(positions);
    switchFirmwareParameters(positions);

    const editor::Quiet quiet(m_editor);
    RefreshRevolverView();
}

void RevolverFrame::fitObjectiveRows(int positions) {
    db::Database& work = m_editor.work();
    // A type without positions would leave the revolver without objectives.
    if (positions <= 0)
        return;
    int count =
        work.OpenRecordset(u"SELECT [Revolver Position] FROM [Available Objective Lenses]"_s)
            .recordCount();
    if (count > positions) {
        // The objectives of the lowest positions stay, whatever order the rows were written in.
        db::Recordset rows =
            work.OpenRecordset(u"SELECT * FROM [Available Objective Lenses] ORDER BY "
                               "[Revolver Position] DESC, _rowid_ DESC"_s);
        for (; count > positions && !rows.eof(); --count, rows.moveNext())
            rows.deleteRow();
        return;
    }
    if (count == positions)
        return;
    db::Database& templ = m_editor.templ();
    const db::Recordset empty = templ.OpenRecordset(kObjectives);
    if (empty.eof())
        return;
    const QStringList fields = work.OpenRecordset(kObjectives).fieldNames();
    for (int position = count + 1; position <= positions; ++position) {
        records::FieldValues values;
        for (const QString& field : fields) {
            if (field.compare(kRevolverPosition, Qt::CaseInsensitive) == 0)
                values.append({field, position});
            else if (empty.hasField(field))
                values.append({field, empty.value(field)});
        }
        records::AddRow(work, kObjectives, values);
    }
}

void RevolverFrame::switchFirmwareParameters(int positions) {
    db::Database& work = m_editor.work();
    auto set = [&](const char* digit, const QString& status) {
        for (const char* name : {"Parfocal Value ", "Wheel Factor ", "Parfocal Sign "}) {
            const QString id = QString::fromLatin1(name) + QLatin1StringView(digit);
            if (records::RecordExists(work, kFirmwareParameters, kIdAvailable, id))
                records::SetStatus(work, kFirmwareParameters, kIdAvailable, id, status);
        }
    };
    switch (positions) {
    case 5:
        set("6", records::kStatusOff);
        set("7", records::kStatusOff);
        break;
    case 6:
        set("6", records::kStatusInUse);
        break;
    case 7:
        set("6", records::kStatusInUse);
        set("7", records::kStatusInUse);
        break;
    default:
        break;
    }
}

void RevolverFrame::PlaceObjective(int index) {
    m_context.selectedId = lPosObj[index]->caption();
    m_context.namesShown = optionObjName.isSelected();
    if (!m_showCatalogue)
        return;
    m_showCatalogue();
    const QString id = m_context.selectedId;
    if (id.isEmpty())
        return;
    db::Database& work = m_editor.work();
    const records::Row objective =
        records::FirstRowByKey(work, records::kPotentialObjectiveLenses, kIdPotential, id,
                               {records::kSummary, u"Magnification"_s, u"Numerical Aperture"_s,
                                u"Coverglass Thickness Maximum"_s});
    // Only what the catalogue holds can be placed.
    if (!objective.exists())
        return;
    if (records::TableExists(work, kFavourites) &&
        !records::RecordExists(work, kFavourites, kIdPotential, id))
        records::AddRow(work, kFavourites, {{kIdPotential, id}, {records::kFocusSpeed, 1}});

    db::Recordset row = work.OpenRecordset(
        u"SELECT * FROM [Available Objective Lenses] WHERE [Revolver Position] = ?"_s, {index + 1});
    if (row.eof())
        return;
    const QString name = NullToText(objective.value(records::kSummary));
    row.edit();
    row.setValue(kIdAvailable, name);
    row.setValue(kIdPotential, id);
    row.setValue(u"Magnification"_s, objective.value(u"Magnification"_s));
    row.setValue(u"Numerical Aperture"_s, objective.value(u"Numerical Aperture"_s));
    row.setValue(u"Coverglass Thickness"_s, objective.value(u"Coverglass Thickness Maximum"_s));
    row.update();
    lPosObj[index]->setCaption(optionObjName.isSelected() ? name : id);
}

void RevolverFrame::SetPiezoObjectivePosition() {
    int position = 0;
    if (!wholeNumber(ePosPiezoObj.text(), position)) {
        m_editor.setMessage(
            u"The revolver position of the piezo objective must be a whole number !"_s);
        return;
    }
    const QString zLift = m_zLift ? m_zLift() : QString();
    records::WriteField(m_editor.work(), u"Available ZLift"_s, kIdPotential, zLift,
                        kRevolverPosition, position);
    cmdApplyRevolverPos.setEnabled(false);
}

} // namespace microscope
