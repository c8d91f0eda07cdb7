#include "FcsPage.h"

#include <QLocale>
#include <devices/Connections.h>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <microscope/PiezoSwitch.h>

namespace scanhead {

namespace {
QString voltageName(int i) {
    return u"Voltage %1"_s.arg(i);
}
} // namespace

FcsPage::FcsPage(editor::Editor& editor, microscope::PiezoSwitch& piezoSwitch,
                 devices::Connections& connections)
    : editor::Declarations(editor.main()), m_editor(editor), m_piezoSwitch(piezoSwitch),
      m_connections(connections) {}

void FcsPage::ReadFcsPage() {
    m_connections.showPiezoPort(m_piezoSwitch.checkPiezo1.isChecked());
    for (int i = 0; i < 4; ++i)
        m_lastVoltages[i] = m_editor.RegistryRead(editor::texts::kStepDacKey, voltageName(i));
    if (!m_lastVoltages[0].isEmpty()) {
        for (int i = 0; i < 4; ++i)
            m_voltages[i]->setText(
                QString::number(QLocale::c().toDouble(m_lastVoltages[i]), 'f', 2));
    } else if (!m_editor.RegistryEnsureKey(editor::texts::kStepDacSuffix)) {
        m_editor.setMessage(u"Can't create registry key for fading voltage"_s);
    }
}

void FcsPage::storeVoltages() {
    for (int i = 0; i < 4; ++i) {
        const QString text = m_voltages[i]->text();
        if (text != m_lastVoltages[i] && !text.isEmpty())
            m_editor.RegistryWrite(editor::texts::kStepDacSuffix, voltageName(i), text);
    }
}

} // namespace scanhead
