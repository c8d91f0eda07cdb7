#include "AboutDialog.h"

#include <QFileInfo>
#include <QProcess>
#include <editor/Editor.h>
#include <form/FormSet.h>

namespace app {

namespace {
const QString kSystemInformationKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
}

AboutDialog::AboutDialog(editor::Editor& editor)
    : editor::Declarations(
          editor.forms().addForm(u"frmAbout"_s, u"About ORBIS Configuration Tool"_s)),
      m_editor(editor) {
    lblVersion.setCaption(versionText());
    cmdOk.setHandler([this] { form().hide(); });
    cmdSysInfo.setHandler([this] { startSystemInformation(); });
}

QString AboutDialog::versionText() {
    return u"Version %1.%2.%3"_s.arg(3).arg(2).arg(0);
}

void AboutDialog::exec() {
    m_editor.forms().showModal(form());
}

void AboutDialog::startSystemInformation() {
    // The tool is named in the registry; without it there is nothing to start.
    const QString program = m_editor.RegistryRead(kSystemInformationKey, u"PATH"_s);
    if (program.isEmpty() || !QFileInfo(program).isExecutable() ||
        !QProcess::startDetached(program, {})) {
        m_editor.host().message(u"System Information Is Unavailable At This Time"_s,
                                form().caption(), form::MessageIcon::Information);
    }
}

} // namespace app
