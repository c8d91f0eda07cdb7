#pragma once

#include <editor/ModalDialog.h>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace catalogue {

using namespace Qt::StringLiterals;

// "Add New Filter": a user-defined filter for the catalogue, preset from the wheel's first type
// or from the filter now chosen for the position. It stays open after each filter it adds.
class AddUserFilterDialog : public editor::ModalDialog {
public:
    AddUserFilterDialog(editor::Editor& editor, editor::FilterDialogContext& context);

    // Shows the dialog modally.
    void AddUserFilter();

    // The number a text starts with ("560 nm" is 560), 0 when it starts with none.
    static double leadingNumber(const QString& text);

private:
    void opened() override;
    void useLastValues();
    void apply();
    void refuse(const QString& text);

    editor::FilterDialogContext& m_context;

    form::TextBox& eProducer =
        text(u"EProducer"_s, u"Producer ........................................."_s);
    form::CheckBox& check1 = check(u"Check1"_s, u"Non Quentara"_s);
    form::TextBox& eName =
        text(u"EName"_s, u"Filter Name ......................................"_s);
    form::TextBox& eIdPot = text(u"EIDPot"_s, u"Series Number ................................."_s);
    form::TextBox& eSummary =
        text(u"ESummary"_s, u"Summary .........................................."_s);
    form::ListBox& comboType =
        list(u"ComboType"_s, u"Spectral Type .................................."_s);
    form::ListBox& comboFType =
        list(u"ComboFType"_s, u"Filter Type ........................................"_s);
    form::TextBox& eLwl = text(u"ELwl"_s, u"Lower Wavelength .........................."_s);
    form::TextBox& eCwl = text(u"ECwl"_s, u"Center Wavelength ........................."_s);
    form::TextBox& eUwl = text(u"EUwl"_s, u"Upper Wavelength .........................."_s);
    form::TextBox& eCutOff = text(u"ECutOff"_s, u"Cut Off Wavelength ........................."_s);
    form::TextBox& eOpq = text(u"EOpq"_s, u"Opaque for ......................................."_s);
    form::Button& cmdLast = button(u"CmdLast"_s, u"Use last values"_s);
    form::Button& command2 = button(u"Command2"_s, u"Apply"_s);
    form::Button& command1 = button(u"Command1"_s, u"Close"_s);
};

} // namespace catalogue
