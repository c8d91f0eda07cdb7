#include "Session.h"

#include "History.h"
#include "MainForm.h"
#include "Readout.h"
#include "Startup.h"
#include "Texts.h"

#include <QFileInfo>
#include <QProcess>
#include <db/RecordHelpers.h>
#include <form/FormSet.h>

namespace app {

namespace {
const QString kSystemInformationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
}

Session::Session(form::FormSet& forms, platform::Platform& platform, const QString& templatePath)
    : m_editor(forms, platform, templatePath),
      m_boundary(m_editor, [this] { Readout(m_editor).TabSwitch(); }) {
    forms.setBoundary(&m_boundary);
    connectMainWindow();
    connectDialogs();
}

QString Session::versionText() {
    return QStringLiteral("Version %1.%2.%3").arg(3).arg(2).arg(0);
}

void Session::start() {
    m_editor.main().show();
    Startup(m_editor).run();
}

void Session::connectMainWindow() {
    Editor& e = m_editor;
    form::Form& f = e.main();
    f.tabControl(QStringLiteral("SSTab1")).setHandler([&e] { Readout(e).TabSwitch(); });
    f.button(QStringLiteral("CmdStore")).setHandler([&e] { History(e).Store(); });
    f.button(QStringLiteral("CmdRestore")).setHandler([&e] { History(e).Restore(); });
    f.button(QStringLiteral("CmdClearHistory")).setHandler([&e] { History(e).ClearHistory(); });
    f.button(QStringLiteral("CmdHiddenCopy")).setHandler([&e] { History(e).RefreshHiddenCopy(); });
    f.button(QStringLiteral("CmdEditConf")).setHandler([&e] {
        Readout(e).EditConfigurationName();
    });
    f.button(QStringLiteral("CmdCancel")).setHandler([&e] { History(e).Exit(); });
    f.menuItem(QStringLiteral("mnuExit")).setHandler([&e] { History(e).Exit(); });
    f.menuItem(QStringLiteral("mnuSaveas")).setHandler([&e] { History(e).SaveAs(); });
    f.menuItem(QStringLiteral("mnuAbout")).setHandler([this] { showAbout(); });
    f.checkBox(QStringLiteral("CheckNDD")).setHandler([&e] { Readout(e).CheckNDDClicked(); });
    f.setCloseHandler([&e] { History(e).Exit(); });
}

void Session::connectDialogs() {
    Editor& e = m_editor;
    form::Form& conf = e.dialog(QStringLiteral("FormEditConf"));
    conf.button(QStringLiteral("CmdOK")).setHandler([&e, &conf] {
        db::WriteField(e.work(), texts::kAvailableSystems, texts::kIdAvailable, QString(),
                       QStringLiteral("ID Configuration"),
                       conf.textBox(QStringLiteral("EConf")).text());
        conf.hide();
    });
    conf.button(QStringLiteral("CmdCancel")).setHandler([&conf] { conf.hide(); });

    form::Form& login = e.dialog(QStringLiteral("frmLogin"));
    login.button(QStringLiteral("cmdOK")).setHandler([&e] { History(e).LoginOk(); });
    login.button(QStringLiteral("CmdCancel")).setHandler([&e] { History(e).LoginCancel(); });
    login.setCloseHandler([&e] { e.LoginSucceeded = false; });

    form::Form& about = e.dialog(QStringLiteral("frmAbout"));
    about.label(QStringLiteral("lblVersion")).setCaption(versionText());
    about.button(QStringLiteral("cmdOK")).setHandler([&about] { about.hide(); });
    about.button(QStringLiteral("cmdSysInfo")).setHandler([this] { startSystemInformation(); });
}

void Session::showAbout() {
    m_editor.forms().showModal(m_editor.dialog(QStringLiteral("frmAbout")));
}

void Session::startSystemInformation() {
    // The tool is named in the registry; without it there is nothing to start.
    const QString program = m_editor.RegistryRead(kSystemInformationKey, QStringLiteral("PATH"));
    if (program.isEmpty() || !QFileInfo(program).isExecutable() ||
        !QProcess::startDetached(program, {})) {
        m_editor.host().message(QStringLiteral("System Information Is Unavailable At This Time"),
                                m_editor.dialog(QStringLiteral("frmAbout")).caption(),
                                form::MessageIcon::Information);
    }
}

} // namespace app
