#pragma once

#include <QString>
#include <optional>

namespace editor {
class Editor;
}

namespace laser {

// The drivers of the acousto-optical modulators: the type of the visible AOTF's driver, which
// sets how many visible lines it serves, the UV AOTF with the numbering of its lines, the kind
// of wavelength change of each AOTF line, and the standard calibration values.
class AotfDrivers {
public:
    explicit AotfDrivers(editor::Editor& editor) : m_editor(editor) {}

    // The driver type of the visible AOTF: "AA.MOD.4C", "AA.MOD.5C" or "AA.MOD.6C".
    void WriteDriverType(const QString& type);
    // The driver type a line count of the list stands for; empty for any other text.
    static QString driverTypeForLines(const QString& lines);

    // Switches the UV modulator; its included lines are numbered 1, 2, ... while it is in use,
    // and 5, 6, ... while it is not.
    void SetUvAotf(bool on);
    // Switches the visible AOTF's driver and its port row; its included lines become switchable
    // (programmable driver) or fixed. Returns the driver's port.
    QString SetProgrammable(bool on);
    // The AOTF line of a channel; a channel without a line is left alone.
    void SetAotfLine(int channel, const QString& kind, std::optional<int> line = {});

    void ResetAomFrequency();
    // b1 is 999 on an entry-level head, 1 otherwise.
    void ResetCalibration(bool entryLevelHead);

private:
    editor::Editor& m_editor;
};

} // namespace laser
