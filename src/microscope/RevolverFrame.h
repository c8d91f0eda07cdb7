#pragma once

#include <editor/Page.h>
#include <editor/Scopes.h>
#include <functional>

namespace editor {
class Editor;
struct ObjectiveContext;
} // namespace editor

namespace microscope {

using namespace Qt::StringLiterals;

// The objective revolver of the Microscope page: its type, one button and one label per
// position, the objective placed from the catalogue, and the position of the piezo objective.
class RevolverFrame : public editor::Declarations {
public:
    static constexpr int kPositions = 7;

    RevolverFrame(editor::Editor& editor, editor::ObjectiveContext& context);

    // The catalogue browser, shown modally; it leaves its choice in the context.
    void setCatalogue(std::function<void()> showCatalogue) {
        m_showCatalogue = std::move(showCatalogue);
    }
    // The fine Z drive chosen on the page: the row that takes the piezo objective's position.
    void setZLiftChoice(std::function<QString()> zLift) { m_zLift = std::move(zLift); }

    // The revolver choice and the position labels from the database; during a stand selection
    // it applies the revolver type the stand's templates wrote.
    void RefreshRevolverView();
    void SelectRevolver(const QString& name);
    void PlaceObjective(int index);
    void SetPiezoObjectivePosition();
    // The Z-drive view enables the box for a piezo objective and shows its position.
    form::TextBox& piezoPositionBox() { return ePosPiezoObj; }

private:
    // Brings the objective rows to `positions`: new rows from the template's empty position,
    // the rows of the highest positions removed.
    void fitObjectiveRows(int positions);
    void switchFirmwareParameters(int positions);

    editor::Editor& m_editor;
    editor::ObjectiveContext& m_context;
    std::function<void()> m_showCatalogue;
    std::function<QString()> m_zLift;
    editor::RunningFlag m_refreshing;

    const editor::Frame m_frame =
        frame(editor::PageMicroscope, u"FrameRevolver"_s, u"Objective Revolver"_s);
    form::ListBox& comboObjRevolvers = list(u"ComboObjRevolvers"_s);
    const QList<form::Button*> cmdPosObj = buttons(u"CmdPosObj"_s, kPositions);
    const QList<form::Label*> lPosObj = labels(u"LPosObj"_s, kPositions, u"None"_s);
    form::OptionButton& optionObjId =
        option(u"OptionObjId"_s, u"Show Quentara No"_s, u"ObjectiveShown"_s);
    form::OptionButton& optionObjName =
        option(u"OptionObjname"_s, u"Show Name"_s, u"ObjectiveShown"_s);
    form::TextBox& ePosPiezoObj = text(u"EPosPiezoObj"_s, u"Piezo Objective on Position"_s);
    form::Button& cmdApplyRevolverPos = button(u"CmdApplyRevolverPos"_s, u"Apply"_s);
};

} // namespace microscope
