#include "WavelengthToLineDialog.h"

#include "LaserNames.h"

#include <editor/Editor.h>
#include <editor/Texts.h>
#include <form/Host.h>
#include <form/OptionButton.h>
#include <iterator>
#include <records/RecordHelpers.h>

namespace laser {

using namespace records;

namespace {

// The fixed lines of the grid's rows 1 to 11; row 12 is the tunable infrared line.
constexpr int kGridLines[] = {351, 364, 405, 413, 458, 477, 488, 514, 543, 568, 633};
constexpr int kGridRows = 12;

} // namespace

WavelengthToLineDialog::WavelengthToLineDialog(editor::Editor& editor)
    : editor::ModalDialog(editor, u"FormWavelengthToLine"_s, u"Connect Wavelength to AOTF Line"_s) {
    cmdApply.setHandler([this] { apply(); });
}

QList<form::OptionButton*> WavelengthToLineDialog::declareRow(const QString& name,
                                                              const QString& line) {
    frame(editor::kNoPage, u"Frame"_s + name, line);
    return options(name, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"off"_s});
}

int WavelengthToLineDialog::gridRowOf(int wavelength) {
    for (int r = 0; r < int(std::size(kGridLines)); ++r)
        if (kGridLines[r] == wavelength)
            return r + 1;
    return wavelength > kInfraredAbove ? kGridRows : 0;
}

int WavelengthToLineDialog::SelectedChannel(int row) const {
    const QList<form::OptionButton*>& buttons = m_rows.at(row - 1);
    for (int i = 0; i < kOff; ++i)
        if (buttons.at(i)->isSelected())
            return i + 1;
    return 0;
}

void WavelengthToLineDialog::opened() {
    for (const QList<form::OptionButton*>& buttons : m_rows) {
        buttons.at(kOff)->setSelected(true);
        for (form::OptionButton* button : buttons)
            button->setEnabled(false);
    }
    for (db::Recordset rs = editor().work().OpenRecordset(kCpAttenuatorChannels); !rs.eof();
         rs.moveNext()) {
        const int channel = rs.value(kChannelNo).toInt();
        const int row = gridRowOf(rs.value(kWavelength).toInt());
        // A channel outside the attenuator's has no button to show it.
        if (!IsUsable(rs.value(kStatus)) || channel < 1 || channel > kChannels || row == 0)
            continue;
        const QList<form::OptionButton*>& buttons = m_rows.at(row - 1);
        buttons.at(channel - 1)->setSelected(true);
        for (form::OptionButton* button : buttons)
            button->setEnabled(true);
    }
}

void WavelengthToLineDialog::apply() {
    for (int c = 1; c <= kChannels; ++c) {
        int rows = 0;
        for (int r = 1; r <= kGridRows; ++r)
            rows += SelectedChannel(r) == c ? 1 : 0;
        if (rows > 1) {
            editor().host().message(u"Channel %1 is multiple checked, you must change !"_s.arg(c),
                                    editor::texts::kCaption, form::MessageIcon::Warning);
            return;
        }
    }
    db::Recordset rs = editor().work().OpenRecordset(
        u"SELECT * FROM [Available Attenuator Channels] ORDER BY _rowid_"_s);
    for (; !rs.eof(); rs.moveNext()) {
        const int row = gridRowOf(rs.value(kWavelength).toInt());
        if (!IsUsable(rs.value(kStatus)) || rs.value(kNotInclude).toBool() || row == 0)
            continue;
        const int channel = SelectedChannel(row);
        if (rs.value(kChannelNo).toInt() == channel && !rs.value(kChannelNo).isNull())
            continue;
        rs.edit();
        rs.setValue(kChannelNo, channel);
        rs.update();
    }
    close();
}

} // namespace laser
