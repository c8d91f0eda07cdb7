#pragma once

#include <QString>
#include <db/Field.h>

namespace app {

class Editor;

// Reads the working copy into the editor: the system, the heads, the stand list, the options,
// and brings a working copy of an older release up to the table layout the editor uses.
class Readout {
public:
    explicit Readout(Editor& editor) : m_editor(editor) {}

    // The whole editor, after start-up and restore; ends with the editor live.
    void Refresh();
    // The configuration page and the main-window flags; keeps the editor-live flag it found.
    void ReadConfiguration();
    // The page of SSTab1 brought to the front.
    void TabSwitch();
    // The FCS page, with the step voltages from the registry.
    void ReadFcsPage();
    void ShowConfigurationName(const QString& name);
    // CmdEditConf: the configuration name dialog, then the readout again.
    void EditConfigurationName();
    // The master switch of the non-descanned detectors.
    void CheckNDDClicked();

    // Replaces the working copy's stored query by the template's one of the same name.
    void ReplaceQueryFromTemplate(const QString& templateQuery, const QString& workQuery);

    // The release text with its build digit marked: "3.2.0x" becomes "3.2.01".
    static QString markRelease(const QString& version);

private:
    void markReleaseRow();
    void readHeads(const QString& versionText, const QString& scanUnit);
    void readStandList(const QString& standId, const QString& filterWheel,
                       const QString& configuration);
    void tableUpkeep();
    void cameraUpkeep();
    void fieldUpkeep();
    bool ensureField(const QString& table, const QString& field, db::FieldType type);

    Editor& m_editor;
};

} // namespace app
