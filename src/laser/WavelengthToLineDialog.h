#pragma once

#include <QList>
#include <editor/ModalDialog.h>

namespace laser {

using namespace Qt::StringLiterals;

// Assigns attenuator channels to the laser lines by hand: one row per line, one button per
// channel and one for "off". Only lines that hold a channel when the dialog opens can be
// changed; Apply refuses a channel chosen twice. Closing the window writes nothing.
class WavelengthToLineDialog : public editor::ModalDialog {
public:
    explicit WavelengthToLineDialog(editor::Editor& editor);

    // The grid row (1 to 12) of a line, 0 when the grid has none.
    static int gridRowOf(int wavelength);
    // The channel row r (1 to 12) shows, 0 for "off".
    int SelectedChannel(int row) const;

protected:
    void opened() override;

private:
    void apply();
    QList<form::OptionButton*> declareRow(const QString& name, const QString& line);

    static constexpr int kOff = 6;

    form::Label& lColumns = label(u"LabelColumns"_s, u" 1    2   3   4   5    6        off"_s);
    form::Label& lLineNo = label(u"LabelLineNo"_s, u"Line No:"_s);
    const QList<QList<form::OptionButton*>> m_rows = {
        declareRow(u"Option1"_s, u"351 nm"_s),  declareRow(u"Option2"_s, u"364 nm"_s),
        declareRow(u"Option3"_s, u"405 nm"_s),  declareRow(u"Option4"_s, u"413 nm"_s),
        declareRow(u"Option5"_s, u"458 nm"_s),  declareRow(u"Option6"_s, u"477 nm"_s),
        declareRow(u"Option7"_s, u"488 nm"_s),  declareRow(u"Option8"_s, u"514 nm"_s),
        declareRow(u"Option9"_s, u"543 nm"_s),  declareRow(u"Option10"_s, u"568 nm"_s),
        declareRow(u"Option11"_s, u"633 nm"_s), declareRow(u"Option12"_s, u"NLO"_s)};
    const editor::Frame m_frameButtons = frame(editor::kNoPage, {});
    form::Button& cmdApply = button(u"CmdApply"_s, u"Apply"_s);
};

} // namespace laser
