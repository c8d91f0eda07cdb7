#pragma once

#include <QString>
#include <db/Field.h>

namespace editor {
class Editor;
}

namespace app {

struct Pages;

// Reads the working copy into the editor: the system, the heads, the stand list, the options,
// and brings a working copy of an older release up to the table layout the editor uses. The
// subjects' page readouts run from here in their order.
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

    // Replaces the working copy's stored query by the template's one of the same name.
    void ReplaceQueryFromTemplate(const QString& templateQuery, const QString& workQuery);

    // The release text with its build digit marked: "3.2.0x" becomes "3.2.01".
    static QString markRelease(const QString& version);

private:
    void markReleaseRow();
    void tableUpkeep();
    void fieldUpkeep();
    bool ensureField(const QString& table, const QString& field, db::FieldType type);

    editor::Editor& m_editor;
    Pages& m_pages;
};

} // namespace app
