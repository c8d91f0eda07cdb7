#include "ChangeLaserLineDialog.h"

#include "LaserNames.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace laser {

ChangeLaserLineDialog::ChangeLaserLineDialog(editor::Editor& editor)
    : editor::ModalDialog(editor, u"FormChangeLaserLine"_s, u"Change Laserline"_s) {
    cmdApply.setHandler([this] {
        bool isNumber = false;
        const int wavelength = comboLines.text().toInt(&isNumber);
        if (isNumber) {
            db::Recordset rs = this->editor().work().OpenRecordset(
                u"SELECT * FROM [Available Attenuator Channels] WHERE [Wavelength] = ? "
                "ORDER BY _rowid_"_s,
                {wavelength});
            if (!rs.eof()) {
                rs.edit();
                rs.setValue(kChannelNo, 0);
                rs.update();
            }
        }
        close();
    });
    cmdCancel.setHandler([this] { close(); });
}

void ChangeLaserLineDialog::opened() {
    comboLines.clear();
    QList<form::ListBox::Entry> entries;
    for (db::Recordset rs = editor().work().OpenRecordset(kCpAttenuatorChannels); !rs.eof();
         rs.moveNext()) {
        const int channel = rs.value(kChannelNo).toInt();
        if (records::IsUsable(rs.value(records::kStatus)) && channel >= 1 && channel <= kChannels)
            entries.append({rs.value(kWavelength).toString(), {}});
    }
    comboLines.addItems(entries);
    if (comboLines.count() > 0)
        comboLines.setCurrentIndex(0);
}

} // namespace laser
