#pragma once

#include <QString>
#include <db/Field.h>

namespace editor {
class Editor;
}

namespace app {

// Brings a working copy made by an older release up to the tables, fields, rows and stored
// queries the editor uses. The readout runs the steps in its own order, between the pages that
// read what a step adds. Each step adds only what is missing or mends only what is known to be
// wrong, so that a second readout on an upgraded working copy changes nothing.
class SchemaUpkeep {
public:
    explicit SchemaUpkeep(editor::Editor& editor) : m_editor(editor) {}

    // The Z drive: its revolver field, its rows and its stored query.
    void zLiftTables();
    // The catalogue rows of servos and filters, and the firmware parameters of an entry-level
    // head.
    void catalogueRows();
    // The camera tables, their rows and their stored query.
    void cameraTables();
    // The fields that the scan processor, the lamps and the objectives gained, each followed by
    // the stored query that reads it.
    void deviceFields();
    // The fading DACs, which joined the installation later than the rest of its DACs.
    void fadingDacs();
    // Rows that older releases wrote wrongly.
    void rowRepairs();

private:
    // Appends the field when the table lacks it; true when it was added.
    bool ensureField(const QString& table, const QString& field, db::FieldType type);
    void replaceQuery(const QString& name);
    void merge(const QString& source, const QString& target);

    editor::Editor& m_editor;
};

} // namespace app
