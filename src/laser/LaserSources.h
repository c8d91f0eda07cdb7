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

// The lasers of the module as rows: their status, the power switch or port each one has, the
// argon status signals, the special value of the argon-type lasers, the fading attenuator and
// the FCS mirror switches; and which near-infrared laser is the one in use.
class LaserSources {
public:
    LaserSources(editor::Editor& editor, devices::Connections& connections)
        : m_editor(editor), m_connections(connections) {}

    // The status a laser gets when switched on: the module's own lasers are present but not
    // driven on an entry-level head ("Dummy"); every other laser is in use (" ").
    QString onStatus(const QString& laser) const;
    QString statusFor(const QString& laser, bool on) const {
        return on ? onStatus(laser) : offStatus();
    }
    static QString offStatus();

    bool exists(const QString& laser) const;
    bool usable(const QString& laser) const;
    void writeStatus(const QString& laser, const QString& status);
    // The power switch or port of a laser; empty for a Null field or a missing row.
    QString controlOf(const QString& laser) const;
    // The laser's power switch gets the laser's status; with `undefinedPosition` its initial
    // position is left to the acquisition software.
    void switchOf(const QString& laser, const QString& status, bool undefinedPosition);
    // Every status signal of an argon laser names this one.
    void RewriteStatusSignals(const QString& characteristic);

    // Switches a laser that has a port of its own (the near-infrared lasers); an empty name
    // does nothing. The laser switched on becomes the current near-infrared laser.
    void SetLaserSource(const QString& laser, bool on);
    const QString& currentNlo() const { return m_currentNlo; }
    void setCurrentNlo(const QString& laser) { m_currentNlo = laser; }

    // The number a text begins with ("12.5 mW" gives 12.5); none for a text without one.
    static std::optional<double> leadingNumber(const QString& text);
    void writeSpecialValue(const QString& laser, double value);
    double specialValueOf(const QString& laser) const;

    void SetFading(bool on);
    bool fadingUsable() const;
    // "FCS_AMIR" or "FCS_BMIR" with the servo that moves it.
    void SetFcsMirror(const QString& mirror, bool on);

    // Rows the template has and the working copy lacks.
    void importLasers();
    void importWavelengths(const QString& keyField);
    void importPotentialLasers();
    // The lasers of the entry-level system line, into the installation's laser table.
    void importEntryLevelLasers();

private:
    editor::Editor& m_editor;
    devices::Connections& m_connections;
    QString m_currentNlo;
};

} // namespace laser
