#pragma once

#include "SpectralOption.h"

#include <editor/Page.h>
#include <functional>

namespace editor {
class Editor;
}

namespace scanhead {

using namespace Qt::StringLiterals;

// The frames of the Configuration page that place the heads: the scan head's port with the
// spectral detector, the laser range and the image flip, and the FCS head's port.
//
// Removing the scan head switches its rows off and remembers in the template's "Scan Head
// Memory" what it changed, so that choosing a port again brings back exactly that.
class HeadFrames : public editor::Declarations {
public:
    explicit HeadFrames(editor::Editor& editor);

    // A removed head takes the non-descanned and transmitted-light detectors with it; the
    // program links their boxes.
    void setDetectorsOutsideHeadOff(std::function<void()> off) {
        m_detectorsOutsideHeadOff = std::move(off);
    }

    // The head options from the main-window flags and the scan unit of the system row.
    void readHeads(const QString& versionText, const QString& scanUnit);
    // The laser range list, from the AOM rows of the near-infrared and UV lasers.
    void readLaserRange();
    // The image flip of the scan processor, into the readout flags and the box.
    void readImageFlip();
    // Whether the installation has no FCS head, as the options show it.
    bool fcsNone() const { return optionFcsNone.isSelected(); }
    // Whether a scan head is fitted, as the options show it.
    bool scanHeadFitted() const { return !optionHeadNone.isSelected(); }
    bool sidePort() const { return optionHeadSideport.isSelected(); }
    bool fcsSidePort() const { return optionFcsSideport.isSelected(); }

    // The FCS head brings the placements of its wheels; the stand selection owns the routine
    // that adds the template's placements the installation lacks.
    void setAddMissingFilterPlacements(std::function<void()> add) {
        m_addMissingFilterPlacements = std::move(add);
    }
    // Brings the FCS head's devices from the template's twin tables, with the close position of
    // the switches and the switch query that reads it.
    void MergeFcsTwins();
    // Switches the FCS head's rows; its non-standard rows are never switched on here.
    void SwitchFcsHeadObjects(bool enable);

    // Puts back what the last removal of the scan head switched off.
    void RestoreHeadObjects();
    // Switches every row that a head catalogue of the template lists; rows of the spectral
    // option are never switched on here.
    void SwitchHeadObjects(const QString& catalogue, bool enable);
    // The LED controllers of every laser: "REG100", "REG100,FCS_LED" or "FCS_LED".
    void SetLaserLedControl(const QString& controllers);
    // The orientation of the scan processor for the stand shown and the port chosen.
    void ApplyImageFlip();
    // Set when the database was opened without a scan head.
    bool scanHeadRemoved() const { return m_scanHeadRemoved; }
    void setScanHeadRemoved(bool removed) { m_scanHeadRemoved = removed; }

private:
    enum class Port { Upright, Side, Base };
    void choosePort(Port port);
    void removeHead();
    void chooseFcsPort(Port port);
    void removeFcsHead();
    // The side-port mark " S" of the release name: added unless the name carries an S already,
    // taken off only where it is the mark itself.
    void writeSideMark(bool sidePort);
    // Switches the rows a head catalogue lists; a row whose `mark` field equals `markKeepsOff`
    // stays off.
    void switchCatalogue(const QString& catalogue, const QString& mark, bool markKeepsOff,
                         bool enable);
    void rememberRemoval(const QString& scanUnit, const QString& configuration, bool fitted,
                         bool fcsFitted);
    void CheckSpekroClicked();

    editor::Editor& m_editor;
    SpectralOption m_spectral;
    std::function<void()> m_detectorsOutsideHeadOff;
    std::function<void()> m_addMissingFilterPlacements;
    bool m_scanHeadRemoved = false;

    const editor::Frame m_frameHead = frame(editor::PageConfiguration, u"Frame2"_s, kVtxHead);
    form::Label& frameHeadCaption = label(u"Frame2"_s, kVtxHead);
    form::OptionButton& optionHeadUpright =
        option(u"OptionButtonHeadUpright"_s, u"Upright"_s, u"Head"_s);
    form::OptionButton& optionHeadSideport =
        option(u"OptionButtonHeadSideport"_s, u"Sideport"_s, u"Head"_s);
    form::OptionButton& optionHeadBaseport =
        option(u"OptionButtonHeadBasePort"_s, u"Baseport"_s, u"Head"_s);
    form::OptionButton& optionHeadNone = option(u"OptionButtonHeadNone"_s, u"None"_s, u"Head"_s);
    form::CheckBox& checkSpekro = check(u"CheckSpekro"_s, u"Spectral Detector"_s);
    form::ListBox& comboSpekroType = list(u"ComboSpekroType"_s);
    form::CheckBox& checkImageFlip = check(u"CheckImageFlip"_s, u"Image Flip"_s);

    const editor::Frame m_frameFcs = frame(editor::PageConfiguration, u"FrameFCS"_s, u"FCS Head"_s);
    form::OptionButton& optionFcsSideport =
        option(u"OptionButtonFCSSideport"_s, u"Sideport"_s, u"FCS"_s);
    form::OptionButton& optionFcsBaseport =
        option(u"OptionButtonFCSBaseport"_s, u"Baseport"_s, u"FCS"_s);
    form::OptionButton& optionFcsNone = option(u"OptionButtonFCSNone"_s, u"None"_s, u"FCS"_s);

    static inline const QString kVtxHead = QStringLiteral("VTX Head");
};

} // namespace scanhead
