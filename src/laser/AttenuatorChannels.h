#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace editor {
class Editor;
}

namespace laser {

// The attenuator channels of the laser lines: which line owns which of the channels 1 to 6 of
// "Available Attenuator Channels", and the rules by which a line that is switched on finds one.
//
// Wavelengths fall into three range classes, each with its own channels: UV lines (below 420 nm)
// use channels 5 and 6, the infrared line (above 650 nm) channel 6, and the visible lines the
// channels 1 to 5 on an entry-level head, otherwise 1 to the line count of the AOTF driver.
//
// The start-up table remembers which channel each line held when the editor started, so that a
// line switched off and on again gets its old channel back; it is filled once and never again.
class AttenuatorChannels {
public:
    enum RangeClass { Ultraviolet = 1, Visible = 2, Infrared = 3 };

    explicit AttenuatorChannels(editor::Editor& editor) : m_editor(editor) {}

    static int rangeClassOf(int wavelength);
    // The first and last channel of a range class.
    std::pair<int, int> rangeOf(int rangeClass) const;

    void LoadStartupChannels();
    int StartupChannelOf(int wavelength) const;
    int FindFreeChannel(int rangeClass) const;
    // The channel a line of the range class gets: the preferred one if it is free, else the free
    // channel the start-up table leaves, else the lowest free one of the range, else 0. Also
    // finds out whether two lines in use share a channel (conflict()). The line of the
    // wavelength freeLine, when one is given, counts as holding no channel.
    int ChooseChannel(int preferred, int rangeClass, int freeLine = 0);
    bool conflict() const { return m_conflict; }
    // The range class of the included line that holds the channel; Visible when none does.
    int RangeOfChannelHolder(int channel) const;
    void ReleaseChannel(int channel);
    bool ChannelExistsForWavelength(int wavelength) const;

    const QList<std::pair<int, int>>& startupChannels() const { return m_startup; }

private:
    editor::Editor& m_editor;
    QList<std::pair<int, int>> m_startup; // (wavelength, channel)
    bool m_conflict = false;
};

} // namespace laser
