#pragma once

#include <editor/ModalDialog.h>

namespace editor {
class Editor;
}

namespace catalogue {

using namespace Qt::StringLiterals;

// "Add New Objective": a user-defined objective for the catalogue. It stays open after each
// objective it adds.
class AddUserObjectiveDialog : public editor::ModalDialog {
public:
    explicit AddUserObjectiveDialog(editor::Editor& editor);

    // Shows the dialog modally.
    void AddUserObjective();

    // The stored codes of the fitness choices; a text that is no choice stores 0.
    static int uvFitnessCode(const QString& text);
    static int scanFitnessCode(const QString& text);

private:
    void opened() override;
    void apply();

    form::TextBox& eProducer =
        text(u"EProducer"_s, u"Producer ........................................."_s);
    form::CheckBox& check1 = check(u"Check1"_s, u"Non Quentara"_s);
    form::TextBox& eName = text(u"EName"_s, u"Objective Name .............................."_s);
    form::TextBox& eIdPot =
        text(u"EIDPot"_s, u"Objective ID ...................................."_s);
    form::TextBox& eMag = text(u"EMag"_s, u"Magnification ..................................."_s);
    form::TextBox& eAp = text(u"EAp"_s, u"Aperture ..........................................."_s);
    form::TextBox& eImm = text(u"EImm"_s, u"Immersion Medium Refractive Index"_s);
    // Shown for the engineer's notes; the catalogue has no field for it.
    form::TextBox& eWorkingDistance =
        text(u"EWorkDist"_s, u"Working Distanze [mm] ...................."_s);
    form::ListBox& comboUv =
        list(u"ComboUV"_s, u"UV Fitness ......................................."_s);
    form::ListBox& comboScan =
        list(u"ComboScan"_s, u"Scan Fitness ...................................."_s);
    form::Button& command2 = button(u"Command2"_s, u"Apply"_s);
    form::Button& command1 = button(u"Command1"_s, u"Close"_s);
};

} // namespace catalogue
