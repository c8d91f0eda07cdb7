#pragma once

#include "UserChangeFilter.h"

#include <QList>
#include <QStringList>
#include <array>
#include <editor/Page.h>
#include <functional>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace scanhead {

using namespace Qt::StringLiterals;

// The FCS page: the FCS head's filter wheels, the shutter filter sets, the piezo stage's port and
// the step voltages of the fading control, kept in the registry.
class FcsPage : public editor::Declarations {
public:
    FcsPage(editor::Editor& editor, editor::FilterDialogContext& filterContext);

    // Shows the piezo stage's port on the page; the program links it to the port lists.
    void setShowPiezoPort(std::function<void()> show) { m_showPiezoPort = std::move(show); }
    // The laser page's dampening box follows the fading DAC; the program links it.
    void setShowFading(std::function<void()> show) { m_showFading = std::move(show); }
    // The shutter sets hang on the scan head's node: its wheel list follows them.
    void setShutterSetsChanged(std::function<void()> changed) {
        m_shutterSetsChanged = std::move(changed);
    }

    // The FCS wheels, the piezo stage's port, the step voltages from the registry or the
    // registry key made for them, and the shutter box.
    void ReadFcsPage();
    // At a store: the voltages the user changed since the page was read go to the registry.
    // Returns what could not be written, in words.
    QStringList storeVoltages();
    const std::array<QString, 4>& lastVoltages() const { return m_lastVoltages; }

    UserChangeFilter& filterControl() { return m_filter; }
    // The labels of the laser lines that reach the FCS head.
    void showFcsLines();

private:
    // Puts the shutter filter sets into the light path of the argon and HeNe lasers, or takes
    // them out.
    void CheckShuttersClicked();

    editor::Editor& m_editor;
    std::function<void()> m_showPiezoPort;
    std::function<void()> m_shutterSetsChanged;
    std::function<void()> m_showFading;
    // The registry values as last read, "Voltage 0" to "Voltage 3".
    std::array<QString, 4> m_lastVoltages;

    const editor::Frame m_frameWheels =
        frame(editor::PageFcs, u"FrameFCSFilterWheels"_s, u"Filter Wheels"_s);
    form::ListBox& comboFcsFilterWheel = list(u"ComboFCSFilterWheel"_s);
    UserChangeFilter m_filter;
    form::CheckBox& checkShutters = check(u"CheckShutters"_s, u"Shutters"_s);

    // The laser lines that reach the FCS head.
    const editor::Frame m_frameLines = frame(editor::PageFcs, u"FrameFCSLines"_s, u"Laser Lines"_s);
    const QList<std::pair<int, form::Label*>> m_lineLabels = {
        {458, &label(u"Label458"_s, u"458 nm"_s)}, {477, &label(u"Label477"_s, u"477 nm"_s)},
        {488, &label(u"Label488"_s, u"488 nm"_s)}, {514, &label(u"Label514"_s, u"514 nm"_s)},
        {543, &label(u"Label543"_s, u"543 nm"_s)}, {568, &label(u"Label568"_s, u"568 nm"_s)},
        {633, &label(u"Label633"_s, u"633 nm"_s)}};

    const editor::Frame m_frame = frame(editor::PageFcs, u"FrameFading"_s, u"Fading Voltages"_s);
    // In the order of the registry values.
    std::array<form::TextBox*, 4> m_voltages = {
        &text(u"EU100"_s, u"100 %"_s), &text(u"EU10"_s, u"10 %"_s), &text(u"EU1"_s, u"1 %"_s),
        &text(u"EU01"_s, u"0.1 %"_s)};
};

} // namespace scanhead
