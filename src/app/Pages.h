#pragma once

#include "AboutDialog.h"
#include "DatabaseFrames.h"
#include "EditConfDialog.h"
#include "LoginDialog.h"
#include "MainWindow.h"

#include <catalogue/AddUserFilterDialog.h>
#include <catalogue/AddUserObjectiveDialog.h>
#include <catalogue/FilterCatalogue.h>
#include <catalogue/ObjectiveCatalogue.h>
#include <devices/Connections.h>
#include <devices/FirmwarePage.h>
#include <editor/FilterDialogContext.h>
#include <editor/ObjectiveContext.h>
#include <laser/ChangeLaserLineDialog.h>
#include <laser/LaserPage.h>
#include <laser/WavelengthToLineDialog.h>
#include <microscope/MicroscopePage.h>
#include <microscope/PiezoSwitch.h>
#include <scanhead/FcsPage.h>
#include <scanhead/HeadFrames.h>
#include <scanhead/NddPage.h>
#include <scanhead/NddSwitch.h>
#include <scanhead/ScanHeadPage.h>

namespace app {

// Every page, frame and dialog of the program. The members are made in the order in which the
// window shows their controls: the Configuration page's frames, then the pages of SSTab1 in
// tab order, then what sits below the pages, then the dialogs. A new page is one line here.
//
// A page's constructor takes the editor and what the page owns; every link between subjects is
// made in wire(), once every page exists.
struct Pages {
    explicit Pages(editor::Editor& editor) : m_editor(editor) { wire(); }

    editor::Editor& m_editor;
    // What a wheel position hands the filter catalogue and gets back.
    editor::FilterDialogContext filterContext;
    // What a revolver position hands the objective catalogue and gets back.
    editor::ObjectiveContext objectiveContext;
    MainWindow window{m_editor};
    scanhead::HeadFrames heads{m_editor};
    scanhead::NddSwitch nddSwitch{m_editor};
    microscope::PiezoSwitch piezoSwitch{m_editor};
    devices::Connections connections{m_editor};
    microscope::MicroscopePage microscope{m_editor, piezoSwitch, heads, filterContext,
                                          objectiveContext};
    laser::LaserPage laser{m_editor, connections, heads};
    scanhead::ScanHeadPage scanHead{m_editor, filterContext};
    scanhead::FcsPage fcs{m_editor, filterContext};
    scanhead::NddPage ndd{m_editor, nddSwitch, microscope, scanHead, filterContext};
    devices::FirmwarePage firmware{m_editor};
    DatabaseFrames database{m_editor};
    EditConfDialog editConf{m_editor};
    LoginDialog login{m_editor};
    AboutDialog about{m_editor};
    laser::ChangeLaserLineDialog changeLaserLine{m_editor};
    laser::WavelengthToLineDialog wavelengthToLine{m_editor};
    catalogue::AddUserFilterDialog addUserFilter{m_editor, filterContext};
    catalogue::FilterCatalogue filters{m_editor, filterContext, addUserFilter};
    catalogue::AddUserObjectiveDialog addUserObjective{m_editor};
    catalogue::ObjectiveCatalogue objectives{m_editor, objectiveContext, addUserObjective};

private:
    void wire();
};

} // namespace app
