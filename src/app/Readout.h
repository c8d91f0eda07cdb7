#pragma once

#include "SchemaUpkeep.h"

#include <QString>

namespace editor {
class Editor;
}

namespace app {

struct Pages;

// Reads the working copy into the editor: the system, the heads, the stand list, the options,
// and brings a working copy of an older release up to the table layout the editor uses
// (SchemaUpkeep). The subjects' readouts run from here, one call each, in the order of the
// configuration readout; what runs when a page comes to the front each page registers itself.
class Readout {
public:
    Readout(editor::Editor& editor, Pages& pages);

    // The whole editor, after start-up and restore; ends with the editor live.
    void Refresh();
    // The configuration page and the main-window flags; keeps the editor-live flag it found.
    void ReadConfiguration();
    // The page of SSTab1 brought to the front.
    void TabSwitch();
    // Every page read anew from the working copy, as after an action that failed: the whole
    // editor, then the page in front.
    void ReadEveryPage();
    void ShowConfigurationName(const QString& name);
    // CmdEditConf: the configuration name dialog, then the readout again.
    void EditConfigurationName();

    // The release text with its build digit marked: "3.2.0x" becomes "3.2.01".
    static QString markRelease(const QString& version);

private:
    // The whole editor read from the working copy, the editor live at the end.
    void readEveryPart();
    // The first row of "Available Systems", each field read through NullToText.
    struct SystemRow {
        QString id;
        QString configuration;
        QString standId;
        QString scanUnit;
        QString laserModule;
        QString fcsUnit;
        bool ndd = false;
    };

    // Marks the release of the version row and returns the text as written back.
    QString markReleaseRow();
    SystemRow readSystemRow();
    // The laser module and FCS unit, the configuration name kept, a warning for the other
    // product line.
    void showSystem(const SystemRow& system);
    // The first filter wheel, which tells stands of the same id apart.
    QString firstFilterWheel();
    void setFlags(const SystemRow& system);

    editor::Editor& m_editor;
    Pages& m_pages;
    SchemaUpkeep m_upkeep;
};

} // namespace app
