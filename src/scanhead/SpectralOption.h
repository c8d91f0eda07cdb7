#pragma once

namespace editor {
class Editor;
}

namespace scanhead {

// The spectral detector option: its devices come from the template's SPEKRO twin tables, the
// existing detectors are renumbered and wired to the spectral integrator, the scan processor
// loads the spectral firmware and the scan unit carries the " SPI" mark. Switching it off only
// marks the option's rows "Do not use"; merged rows stay.
class SpectralOption {
public:
    explicit SpectralOption(editor::Editor& editor) : m_editor(editor) {}

    void switchOn();
    void switchOff();

private:
    void wire(bool on);
    void ensureVideoSwitches();

    editor::Editor& m_editor;
};

} // namespace scanhead
