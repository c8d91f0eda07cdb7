#pragma once

#include <QStringList>
#include <array>
#include <editor/Page.h>
#include <functional>

namespace editor {
class Editor;
}

namespace scanhead {

using namespace Qt::StringLiterals;

// The FCS page: the piezo stage's port and the step voltages of the fading control, kept in the
// registry.
class FcsPage : public editor::Declarations {
public:
    explicit FcsPage(editor::Editor& editor);

    // Shows the piezo stage's port on the page; the program links it to the port lists.
    void setShowPiezoPort(std::function<void()> show) { m_showPiezoPort = std::move(show); }

    // The piezo stage's port, and the step voltages from the registry or the registry key made
    // for them.
    void ReadFcsPage();
    // At a store: the voltages the user changed since the page was read go to the registry.
    // Returns what could not be written, in words.
    QStringList storeVoltages();
    const std::array<QString, 4>& lastVoltages() const { return m_lastVoltages; }

private:
    editor::Editor& m_editor;
    std::function<void()> m_showPiezoPort;
    // The registry values as last read, "Voltage 0" to "Voltage 3".
    std::array<QString, 4> m_lastVoltages;

    const editor::Frame m_frame = frame(editor::PageFcs, u"FrameFading"_s, u"Fading Voltages"_s);
    // In the order of the registry values.
    std::array<form::TextBox*, 4> m_voltages = {
        &text(u"EU100"_s, u"100 %"_s), &text(u"EU10"_s, u"10 %"_s), &text(u"EU1"_s, u"1 %"_s),
        &text(u"EU01"_s, u"0.1 %"_s)};
};

} // namespace scanhead
