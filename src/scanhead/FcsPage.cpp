#include "FcsPage.h"

#include "FilterWheels.h"

#include <QLocale>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <platform/Platform.h>
#include <platform/Registry.h>
#include <records/RecordHelpers.h>
#include <records/TemplateMerge.h>

namespace scanhead {

namespace {
QString voltageName(int i) {
    return u"Voltage %1"_s.arg(i);
}
} // namespace

FcsPage::FcsPage(editor::Editor& editor, editor::FilterDialogContext& filterContext)
    : editor::Declarations(editor.main()), m_editor(editor),
      m_filter(editor, filterContext, form(), u"UserChangeFilter4"_s, m_frameWheels) {
    editor.addPageReadout(editor::PageFcs, [this] { ReadFcsPage(); });
    comboFcsFilterWheel.setHandler([this] {
        if (m_editor.isLive())
            FilterWheels::showPickedWheel(comboFcsFilterWheel, m_filter, FilterWheels::Head::Fcs);
    });
    checkShutters.setHandler([this] {
        if (!m_editor.isLive())
            return;
        CheckShuttersClicked();
        if (m_shutterSetsChanged)
            m_shutterSetsChanged();
    });
}

void FcsPage::ReadFcsPage() {
    {
        // The wheel list and the shutter box only show the database.
        const editor::Quiet quiet(m_editor);
        FilterWheels::fillWheelList(m_editor, comboFcsFilterWheel, m_filter,
                                    FilterWheels::Head::Fcs);
    }
    showFcsLines();
    if (m_showPiezoPort)
        m_showPiezoPort();
    if (m_showFading)
        m_showFading();
    for (int i = 0; i < 4; ++i)
        m_lastVoltages[i] = m_editor.RegistryRead(editor::texts::kStepDacKey, voltageName(i));
    if (!m_lastVoltages[0].isEmpty()) {
        for (int i = 0; i < 4; ++i)
            m_voltages[i]->setText(
                QString::number(QLocale::c().toDouble(m_lastVoltages[i]), 'f', 2));
    } else if (!m_editor.RegistryEnsureKey(editor::texts::kStepDacSuffix)) {
        m_editor.setMessage(u"Can't create registry key for fading voltage"_s);
    }
    const editor::Quiet quiet(m_editor);
    checkShutters.setChecked(
        records::IsDeviceUsable(m_editor.work(), u"Available Filtersets"_s, u"AF1"_s));
}

void FcsPage::showFcsLines() {
    for (const auto& [wavelength, label] : m_lineLabels)
        label->setVisible(false);
    db::Recordset rs = m_editor.work().OpenRecordset(u"CP Attenuator Channels"_s);
    for (; !rs.eof(); rs.moveNext()) {
        if (!records::IsUsable(rs.value(records::kStatus)) ||
            rs.value(u"Channel No"_s).toInt() == 0 || !rs.value(u"FCS"_s).toBool())
            continue;
        const int wavelength = rs.value(u"Wavelength"_s).toInt();
        for (const auto& [line, label] : m_lineLabels)
            if (line == wavelength)
                label->setVisible(true);
    }
}

void FcsPage::CheckShuttersClicked() {
    using records::kIdAvailable;
    db::Database& work = m_editor.work();
    db::Database& templ = m_editor.templ();
    const QString filterSets = u"Available FilterSets"_s;
    records::MergeMissingRows(templ, work, u"Available FilterSets Shutter"_s, filterSets,
                              kIdAvailable);
    records::MergeMissingRows(templ, work, u"Potential Filters Shutter"_s, u"Potential Filters"_s,
                              records::kIdPotential);
    records::MergeMissingRowsTwoKeys(templ, work, u"Available FilterPlacement Shutter"_s,
                                     u"Available FilterPlacement"_s, kIdAvailable, u"Position"_s);
    const QString lasers = u"Available Lasers"_s;
    const QString next = u"Next Optical Device"_s;
    const QString first = u"AF1"_s;
    const QString second = u"AF2"_s;
    auto read = [&](const QString& table, const QString& id) {
        return records::NullToText(records::ReadField(work, table, kIdAvailable, id, next));
    };
    auto write = [&](const QString& table, const QString& id, const QString& value) {
        records::WriteField(work, table, kIdAvailable, id, next, value);
    };
    const QString heNe = read(lasers, u"HeNe1"_s);
    const bool ticked = checkShutters.isChecked();
    for (const QString& set : {first, second})
        records::WriteField(work, filterSets, kIdAvailable, set, records::kStatus,
                            ticked ? records::kStatusInUse : records::kStatusOff);
    const QString secondReference = u"F/AF2"_s;
    // The argon lasers pass the first set, the HeNe lasers the second; both lead on to where
    // the HeNe lasers led before.
    const bool insert = ticked && heNe != secondReference;
    const QString argonPath = insert ? u"F/AF1"_s : read(filterSets, first);
    if (insert) {
        write(filterSets, first, heNe);
        write(filterSets, second, heNe);
    }
    for (const char* argon : {"Argon", "Argon/2"}) {
        const QString id = QString::fromLatin1(argon);
        if (records::IsDeviceUsable(work, lasers, id))
            write(lasers, id, argonPath);
    }
    const QString heNePath = insert ? secondReference : argonPath;
    write(lasers, u"HeNe1"_s, heNePath);
    write(lasers, u"HeNe2"_s, heNePath);
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
