#pragma once

#include <QString>

namespace editor {
class Editor;
}
namespace form {
class ListBox;
class OptionButton;
} // namespace form
namespace scanhead {
class HeadFrames;
}

namespace microscope {

// The microscope camera: its model, the stand port it sits on and its adapter lens, kept in the
// one row "Kamova" of "Available Cameras". The camera tables came with a later release, so a
// camera chosen on an older database creates them, and the view adds the fields they gained.
class Cameras {
public:
    Cameras(editor::Editor& editor, form::ListBox& camera, form::ListBox& port,
            form::OptionButton& lens063, form::OptionButton& lens1);

    // The ports that the heads occupy are not the camera's; the program links the head options.
    void setHeads(const scanhead::HeadFrames& heads) { m_heads = &heads; }

    // The tables as the release that brought them made them, or with the fields added since.
    enum class Schema { FirstRelease, Current };
    // Creates the camera tables and their stored query where they are missing, and merges the
    // template's camera rows.
    static void createMissingTables(editor::Editor& editor, Schema schema);

    // The camera list's entries, keeping the one shown.
    void fillCameraList();
    // Adds the fields that older tables lack, then shows the row.
    void CameraView();

private:
    void SelectCamera();
    void SelectCameraPort();
    void SelectAdapter(double magnification);
    // The port as the camera's query reads it, an old "TV" read as the front port.
    QString storedPort();
    bool portTaken(const QString& port) const;
    void upgradeFields();

    editor::Editor& m_editor;
    form::ListBox& comboCamera;
    form::ListBox& comboCameraPort;
    form::OptionButton& option063mag;
    form::OptionButton& option1mag;
    const scanhead::HeadFrames* m_heads = nullptr;
};

} // namespace microscope
