#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// Below the pages: the system database and its configuration name, the history, the actions,
// the status line and the menus.
class DatabaseFrames : public editor::Declarations {
public:
    explicit DatabaseFrames(editor::Editor& editor);

    // A refused installation: nothing that needs the working copy or changes the installation
    // can be reached any more; Exit, About and closing the window stay available.
    void lock(form::TabControl& tabs);
    bool isLocked() const { return m_locked; }

    const editor::Frame m_frameDatabase =
        frame(editor::kNoPage, u"FrameDatabase"_s, u"System Database"_s);
    form::TextBox& lDatabasePath = text(u"LDatabasePath"_s, u"Path"_s);
    form::Label& lVersion = label(u"LVersion"_s);
    form::Label& lConfiguration = label(u"LConfiguration"_s);
    form::Button& cmdEditConf = button(u"CmdEditConf"_s, u"Edit Conf."_s);

    const editor::Frame m_frameHistory = frame(editor::kNoPage, u"FrameHistory"_s, u"History"_s);
    form::ListBox& comboHistory = list(u"ComboHistory"_s);
    form::Button& cmdCompare = button(u"CmdCompare"_s, u"Compare"_s);
    form::Button& cmdRestore = button(u"CmdRestore"_s, u"Restore from History"_s);
    form::Button& cmdClearHistory = button(u"CmdClearHistory"_s, u"Clear History"_s);
    form::Button& cmdHiddenCopy =
        button(u"CmdHiddenCopy"_s, u"Save current database as delivered state"_s);
    form::Label& lMsgHiddenCopy = label(u"LMsgHiddenCopy"_s);

    const editor::Frame m_frameActions = frame(editor::kNoPage, u"FrameActions"_s);
    form::Button& cmdReview = button(u"CmdReview"_s, u"Review Changes"_s);
    form::Button& cmdStore = button(u"CmdStore"_s, u"Store All Changes"_s);
    form::Button& cmdExit = button(u"CmdCancel"_s, u"Exit"_s);

    const editor::Frame m_frameStatus = frame(editor::kNoPage, u"FrameStatus"_s);
    form::Label& lMsg = label(u"LMsg"_s);

    const editor::Frame m_menuFile = frame(editor::kNoPage, u"mnuFile"_s, u"&File"_s);
    form::MenuItem& mnuSaveAs = menu(u"mnuSaveas"_s, u"Save &as ..."_s);
    form::MenuItem& mnuValidate = menu(u"mnuValidate"_s, u"&Validate ..."_s);
    form::MenuItem& mnuExit = menu(u"mnuExit"_s, u"E&xit"_s);
    const editor::Frame m_menuEdit = frame(editor::kNoPage, u"mnuEdit"_s, u"&Edit"_s);
    form::MenuItem& mnuUndo = menu(u"mnuUndo"_s, u"&Undo\tCtrl+Z"_s);
    form::MenuItem& mnuRedo = menu(u"mnuRedo"_s, u"&Redo\tCtrl+Y"_s);
    const editor::Frame m_menuHelp = frame(editor::kNoPage, u"mnuHelp"_s, u"&Help"_s);
    form::MenuItem& mnuAbout = menu(u"mnuAbout"_s, u"&About ..."_s);

private:
    bool m_locked = false;
};

} // namespace app
