#pragma once

namespace form {
class FormSet;
}

namespace app {

// Pages of the main tab control SSTab1.
enum Page {
    PageConfiguration = 0,
    PageMicroscope = 1,
    PageLaser = 2,
    PageScanHead = 3,
    PageFcs = 4,
    PageNdd = 5,
    PageFirmware = 6,
};

// Creates the main window and the dialogs with every control under its name and caption, in
// the order and frames the window shows them. The main window is the first form of the set.
void buildForms(form::FormSet& forms);

} // namespace app
