#include "FcsPage.h"

#include <QLocale>
#include <editor/Editor.h>
#include <editor/Texts.h>
#include <platform/Platform.h>
#include <platform/Registry.h>

namespace scanhead {

namespace {
QString voltageName(int i) {
    return u"Voltage %1"_s.arg(i);
}
} // namespace

FcsPage::FcsPage(editor::Editor& editor) : editor::Declarations(editor.main()), m_editor(editor) {
    editor.addPageReadout(editor::PageFcs, [this] { ReadFcsPage(); });
}

void FcsPage::ReadFcsPage() {
    if (m_showPiezoPort)
        m_showPiezoPort();
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

QStringList FcsPage::storeVoltages() {
    QStringList failures;
    for (int i = 0; i < 4; ++i) {
        const QString text = m_voltages[i]->text();
        if (text == m_lastVoltages[i] || text.isEmpty())
            continue;
        if (m_editor.RegistryWrite(editor::texts::kStepDacSuffix, voltageName(i), text))
            continue;
        const platform::Registry& registry = m_editor.platform().registry();
        QString reason = registry.errorString();
        if (!registry.keyExists(editor::texts::kHklm, editor::texts::kStepDacKey))
            reason = u"the registry key %1 is missing"_s.arg(editor::texts::kStepDacKey);
        // A write whose file was replaced but not flushed is in place all the same.
        const bool inPlace =
            m_editor.RegistryRead(editor::texts::kStepDacKey, voltageName(i)) == text;
        failures.append(
            (inPlace ? u"the voltage \"%1\" = %2 is in the registry, but may not be on the disk "
                       u"yet: %3"_s
                     : u"the voltage \"%1\" = %2 could not be written to the registry: %3"_s)
                .arg(voltageName(i), text, reason));
    }
    return failures;
}

} // namespace scanhead
