#pragma once

#include <QString>
#include <optional>

namespace editor {
class Editor;
}
namespace devices {
class Connections;
}

namespace laser {

class AotfDrivers;

// The tunable near-infrared laser's rows: its modulator chain (the "NLO AOM Driver" with its
// port and the "AOM NLO" on channel 6), the one line its tuning range may hold, and the
// wavelength the user sets.
class NloLaser {
public:
    NloLaser(editor::Editor& editor, AotfDrivers& drivers, devices::Connections& connections)
        : m_editor(editor), m_drivers(drivers), m_connections(connections) {}

    // The wavelengths the user may set. Every line above 650 nm counts as the near-infrared
    // line, so 650 itself would be shown and switched as a visible line.
    static constexpr int kLowest = 651;
    static constexpr int kHighest = 1100;
    // A whole number from kLowest to kHighest; none for anything else.
    static std::optional<int> wavelengthFromText(const QString& text);

    // Switches the driver, its port, the modulator and the kind of the modulator's AOTF line;
    // off, that line becomes switchable with a programmable AOTF, fixed otherwise.
    void SetNloAom(bool on, bool programmableAotf);

    // The laser's wavelength as "CP Wavelength" gives it; 0 when it has none.
    int wavelengthOf(const QString& laser) const;

    // Leaves the line `wavelength` as the only one in the tuning range of the laser's type, in
    // the attenuator and in its calibration. Returns the number of calibration rows in the
    // range (the deleted ones included); 0 when the laser has no type.
    struct Cleanup {
        int inRange = 0;
        bool deleted = false;
    };
    Cleanup keepOnlyLine(int wavelength, const QString& laser);

    // Moves the line at `last` to `value` and gives the laser that wavelength. Writes only
    // what changes.
    void ApplyWavelength(int value, int last, const QString& laser);

private:
    editor::Editor& m_editor;
    AotfDrivers& m_drivers;
    devices::Connections& m_connections;
};

} // namespace laser
