#include "Pages.h"

namespace app {

void Pages::wire() {
    // The FCS page shows the piezo stage's port from the port lists, while the stage is an
    // option of the installation.
    fcs.setShowPiezoPort(
        [this] { connections.showPiezoPort(piezoSwitch.checkPiezo1.isChecked()); });
}

} // namespace app
