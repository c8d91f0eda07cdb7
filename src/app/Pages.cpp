#include "Pages.h"

namespace app {

void Pages::wire() {
    // The FCS page shows the piezo stage's port from the port lists, while the stage is an
    // option of the installation.
    fcs.setShowPiezoPort(
        [this] { connections.showPiezoPort(piezoSwitch.checkPiezo1.isChecked()); });
    // A removed scan head takes the non-descanned and the transmitted-light detectors with it.
    heads.setDetectorsOutsideHeadOff([this] {
        nddSwitch.checkNdd.setChecked(false);
        scanHead.transmissionDetectorOff();
    });
    // A wheel position opens the filter catalogue.
    scanHead.filterControl().setCatalogue([this] { filters.ShowFilterCatalogue(); });
    fcs.filterControl().setCatalogue([this] { filters.ShowFilterCatalogue(); });
    fcs.setShutterSetsChanged([this] { scanHead.FillScanWheelList(); });
    for (scanhead::UserChangeFilter* control :
         {&microscope.lightPath().reflectorFilter(), &microscope.lightPath().condenserFilter(),
          &ndd.reflectedSplitter(), &ndd.reflectedEmission(), &ndd.transmittedSplitter(),
          &ndd.transmittedEmission()})
        control->setCatalogue([this] { filters.ShowFilterCatalogue(); });

    // A revolver position opens the objective catalogue; a lamp shows on the NDD page too.
    microscope.revolver().setCatalogue([this] { objectives.ShowCatalogue(); });
    microscope.lightPath().setNddReadout([this] { ndd.ReadNddPage(); });

    // The FCS head brings the placements of its wheels as a stand does.
    heads.setAddMissingFilterPlacements([this] { microscope.AddMissingFilterPlacements(); });
    // The piezo stage's box takes its port from the port lists and shows it on the FCS page.
    microscope.stages().setConnections(connections);
    microscope.stages().setReadFcsPage([this] { fcs.ReadFcsPage(); });

    // A line that finds no free attenuator channel asks which line gives one up; the channels
    // are assigned by hand from the connection frame, and the laser page shows the result.
    laser.setChangeLineDialog(changeLaserLine);
    connections.setLaserConnectAction([this] {
        wavelengthToLine.exec();
        laser.RebuildLaserTab();
    });
    // The lasers switch the collimators of the scan head's light path; the dampening box of
    // the laser page is read with the FCS page.
    laser.setSwitchCollimator(
        [this](const QString& collimator, bool on) { scanHead.SwitchCollimator(collimator, on); });
    fcs.setShowFading([this] { laser.showFading(); });
    laser.setLinesShown([this] { fcs.showFcsLines(); });
    laser.setLaserDevicesShown([this] {
        heads.readLaserRange();
        scanHead.ReadDetectionPage();
    });
}

} // namespace app
