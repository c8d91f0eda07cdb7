#include "MainForm.h"

#include "Texts.h"

#include <form/FormSet.h>

namespace app {

namespace {

void buildMainWindow(form::Form& f) {
    auto& tabs = f.addTabControl(QStringLiteral("SSTab1"));
    for (const char* caption :
         {"Configuration", "Microscope", "Laser Modul", "Scan Head", "FCS", "NDD", "Firmware"})
        tabs.addPage(QString::fromLatin1(caption));

    // Configuration page: the system at a glance, the heads and the options.
    f.setPlacement(PageConfiguration, QStringLiteral("FrameSystem"), QStringLiteral("System"));
    f.addLabel(QStringLiteral("LIDMicroscope"));
    f.addLabel(QStringLiteral("LIDLasermodul"));
    f.addLabel(QStringLiteral("LIDFCS"));
    f.setPlacement(PageConfiguration, QStringLiteral("Frame2"), texts::kVtxHead);
    f.addLabel(QStringLiteral("Frame2"), texts::kVtxHead); // the frame's caption
    f.addOptionButton(QStringLiteral("OptionButtonHeadUpright"), QStringLiteral("Upright"),
                      QStringLiteral("Head"));
    f.addOptionButton(QStringLiteral("OptionButtonHeadSideport"), QStringLiteral("Sideport"),
                      QStringLiteral("Head"));
    f.addOptionButton(QStringLiteral("OptionButtonHeadBasePort"), QStringLiteral("Baseport"),
                      QStringLiteral("Head"));
    f.addOptionButton(QStringLiteral("OptionButtonHeadNone"), QStringLiteral("None"),
                      QStringLiteral("Head"));
    f.addCheckBox(QStringLiteral("CheckSpekro"), QStringLiteral("Spectral Detector"));
    f.addListBox(QStringLiteral("ComboSpekroType"));
    f.addCheckBox(QStringLiteral("CheckImageFlip"), QStringLiteral("Image Flip"));
    f.setPlacement(PageConfiguration, QStringLiteral("FrameFCS"), QStringLiteral("FCS Head"));
    f.addOptionButton(QStringLiteral("OptionButtonFCSSideport"), QStringLiteral("Sideport"),
                      QStringLiteral("FCS"));
    f.addOptionButton(QStringLiteral("OptionButtonFCSBaseport"), QStringLiteral("Baseport"),
                      QStringLiteral("FCS"));
    f.addOptionButton(QStringLiteral("OptionButtonFCSNone"), QStringLiteral("None"),
                      QStringLiteral("FCS"));
    f.setPlacement(PageConfiguration, QStringLiteral("FrameOptions"), QStringLiteral("Options"));
    f.addCheckBox(QStringLiteral("CheckNDD"), QStringLiteral("Non-descanned Detectors"));
    f.addCheckBox(QStringLiteral("CheckPiezo1"), QStringLiteral("Piezo XY Stage"));

    // Microscope page: stand, ports, light path, stage and focus.
    f.setPlacement(PageMicroscope, QStringLiteral("FrameStand"), QStringLiteral("Stand"));
    f.addListBox(QStringLiteral("ComboMicroscops"));
    f.addListBox(QStringLiteral("ComboZoomex")).setCaption(QStringLiteral("Zoom"));
    f.addListBox(QStringLiteral("ComboBaseport")).setCaption(QStringLiteral("Baseport"));
    f.addListBox(QStringLiteral("ComboSideport")).setCaption(QStringLiteral("Sideport"));
    f.addLabel(QStringLiteral("LabelPort"), QStringLiteral("Camera Port"));
    f.addListBox(QStringLiteral("ComboCameraPort"));
    f.setPlacement(PageMicroscope, QStringLiteral("FrameCamera"),
                   QStringLiteral("Camera ( only for rel > 3.0 )"));
    f.addListBox(QStringLiteral("ComboCamera"));
    f.setPlacement(PageMicroscope, QStringLiteral("FrameLightPath"), QStringLiteral("Light Path"));
    f.addCheckBox(QStringLiteral("CheckTransmissionMirror"), QStringLiteral("Transmission Mirror"));
    f.addOptionButton(QStringLiteral("OptionTransmMirrorMot"), QStringLiteral("motorized"),
                      QStringLiteral("TransmMirror"));
    f.addOptionButton(QStringLiteral("OptionTransmMirrorMan"), QStringLiteral("manual"),
                      QStringLiteral("TransmMirror"));
    f.setPlacement(PageMicroscope, QStringLiteral("FrameStage"), QStringLiteral("Stage"));
    f.addCheckBox(QStringLiteral("CheckStage"), QStringLiteral("Motorized XY Stage"));
    f.addOptionButton(QStringLiteral("OptionHandwheelyes"), QStringLiteral("yes"),
                      QStringLiteral("Handwheel"));
    f.addOptionButton(QStringLiteral("OptionHandwheelno"), QStringLiteral("no"),
                      QStringLiteral("Handwheel"));
    f.addCheckBox(QStringLiteral("CheckPiezo"), QStringLiteral("PiezoStage"));
    f.setPlacement(PageMicroscope, QStringLiteral("FrameFocus"), QStringLiteral("Focus"));
    f.addTextBox(QStringLiteral("EFocusStep")).setCaption(QStringLiteral("Focus Step"));
    f.addButton(QStringLiteral("CmdFocusStep"), QStringLiteral("Apply"));

    // Laser page.
    f.setPlacement(PageLaser, QStringLiteral("FrameLines"), QStringLiteral("Laser Lines"));
    f.addCheckBox(QStringLiteral("CheckLineIR"), QStringLiteral("IR"));

    // Scan head page.
    f.setPlacement(PageScanHead, QStringLiteral("FrameDetectors"), QStringLiteral("Detectors"));
    f.addCheckBox(QStringLiteral("CheckTransmissionPmt"), QStringLiteral("Transmission Detector"));

    // FCS page: the step voltages of the fading control.
    f.setPlacement(PageFcs, QStringLiteral("FrameFading"), QStringLiteral("Fading Voltages"));
    f.addTextBox(QStringLiteral("EU100")).setCaption(QStringLiteral("100 %"));
    f.addTextBox(QStringLiteral("EU10")).setCaption(QStringLiteral("10 %"));
    f.addTextBox(QStringLiteral("EU1")).setCaption(QStringLiteral("1 %"));
    f.addTextBox(QStringLiteral("EU01")).setCaption(QStringLiteral("0.1 %"));

    // NDD page.
    f.setPlacement(PageNdd, QStringLiteral("FrameNDD"), QStringLiteral("Non-descanned Detectors"));
    f.addCheckBox(QStringLiteral("CheckNDD1"), QStringLiteral("NDD1"));
    f.addCheckBox(QStringLiteral("CheckNDD2"), QStringLiteral("NDD2"));
    f.addListBox(QStringLiteral("ComboNDDTransm")).setCaption(QStringLiteral("Transmitted"));
    f.addListBox(QStringLiteral("ComboNDDRefl")).setCaption(QStringLiteral("Reflected"));

    // Firmware page.
    f.setPlacement(PageFirmware, QStringLiteral("FrameSCSI"), QStringLiteral("SCSI Adapter"));
    f.addTextBox(QStringLiteral("EScsi"));
    f.addButton(QStringLiteral("CmdSetSCSI"), QStringLiteral("Set"));

    // Below the pages: the database, the configuration, the history and the actions.
    f.setPlacement(-1, QStringLiteral("FrameDatabase"), QStringLiteral("System Database"));
    f.addTextBox(QStringLiteral("LDatabasePath")).setCaption(QStringLiteral("Path"));
    f.addLabel(QStringLiteral("LVersion"));
    f.addLabel(QStringLiteral("LConfiguration"));
    f.addButton(QStringLiteral("CmdEditConf"), QStringLiteral("Edit Conf."));
    f.setPlacement(-1, QStringLiteral("FrameHistory"), QStringLiteral("History"));
    f.addListBox(QStringLiteral("ComboHistory"));
    f.addButton(QStringLiteral("CmdRestore"), QStringLiteral("Restore from History"));
    f.addButton(QStringLiteral("CmdClearHistory"), QStringLiteral("Clear History"));
    f.addButton(QStringLiteral("CmdHiddenCopy"),
                QStringLiteral("Save current database as delivered state"));
    f.addLabel(QStringLiteral("LMsgHiddenCopy"));
    f.setPlacement(-1, QStringLiteral("FrameActions"), QString());
    f.addButton(QStringLiteral("CmdStore"), QStringLiteral("Store All Changes"));
    f.addButton(QStringLiteral("CmdCancel"), QStringLiteral("Exit"));
    f.setPlacement(-1, QStringLiteral("FrameStatus"), QString());
    f.addLabel(QStringLiteral("LMsg"));

    f.setPlacement(-1, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    f.addMenuItem(QStringLiteral("mnuSaveas"), QStringLiteral("Save &as ..."));
    f.addMenuItem(QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    f.setPlacement(-1, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    f.addMenuItem(QStringLiteral("mnuAbout"), QStringLiteral("&About ..."));
}

void buildEditConf(form::Form& f) {
    f.addTextBox(QStringLiteral("EConf"));
    f.addButton(QStringLiteral("CmdOK"), QStringLiteral("OK"));
    f.addButton(QStringLiteral("CmdCancel"), QStringLiteral("Cancel"));
}

void buildLogin(form::Form& f) {
    f.addTextBox(QStringLiteral("txtUserName")).setCaption(QStringLiteral("User Name"));
    f.addTextBox(QStringLiteral("txtPassword")).setCaption(QStringLiteral("Password"));
    f.addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    f.addButton(QStringLiteral("CmdCancel"), QStringLiteral("Cancel"));
}

void buildAbout(form::Form& f) {
    f.addLabel(QStringLiteral("lblTitle"), QStringLiteral("ORBIS Configuration Tool"));
    f.addLabel(QStringLiteral("lblVersion"));
    f.addLabel(QStringLiteral("lblDistributed"),
               QStringLiteral("          Distributed Version : 2"));
    f.addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    f.addButton(QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));
}

} // namespace

void buildForms(form::FormSet& forms) {
    buildMainWindow(forms.addForm(QStringLiteral("main"), texts::kCaption));
    buildEditConf(
        forms.addForm(QStringLiteral("FormEditConf"), QStringLiteral("Edit Configuration Name")));
    buildLogin(forms.addForm(QStringLiteral("frmLogin"), QStringLiteral("Login")));
    buildAbout(forms.addForm(QStringLiteral("frmAbout"),
                             QStringLiteral("About ORBIS Configuration Tool")));
}

} // namespace app
