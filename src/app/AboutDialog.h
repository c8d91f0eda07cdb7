#pragma once

#include <editor/Page.h>

namespace editor {
class Editor;
}

namespace app {

using namespace Qt::StringLiterals;

// The About box: title, version, and the platform's system-information tool.
class AboutDialog : public editor::Declarations {
public:
    explicit AboutDialog(editor::Editor& editor);

    void exec();
    // The application's version as the box shows it.
    static QString versionText();

private:
    void startSystemInformation();

    editor::Editor& m_editor;

    form::Label& lblTitle = label(u"lblTitle"_s, u"ORBIS Configuration Tool"_s);
    form::Label& lblVersion = label(u"lblVersion"_s);
    form::Label& lblDistributed =
        label(u"lblDistributed"_s, u"          Distributed Version : 2"_s);
    form::Button& cmdOk = button(u"cmdOK"_s, u"OK"_s);
    form::Button& cmdSysInfo = button(u"cmdSysInfo"_s, u"&System Info..."_s);
};

} // namespace app
