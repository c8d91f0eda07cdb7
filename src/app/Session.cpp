#include "Session.h"

#include <form/FormSet.h>

namespace app {

using namespace Qt::StringLiterals;

Session::Session(form::FormSet& forms, platform::Platform& platform, const QString& templatePath)
    : m_editor(forms, platform, templatePath),
      m_boundary(m_editor, [this] { m_readout.ReadEveryPage(); }), m_pages(m_editor),
      m_readout(m_editor, m_pages), m_history(m_editor, m_pages, m_readout),
      m_startup(m_editor, m_pages, m_readout, m_history) {
    m_history.setStartup(m_startup);
    m_boundary.setUndoLog(&m_undo);
    forms.setBoundary(&m_boundary);
    connectMainWindow();
}

void Session::start() {
    m_editor.main().show();
    m_startup.run();
}

void Session::connectMainWindow() {
    DatabaseFrames& frames = m_pages.database;
    m_pages.window.tabs.setHandler([this] { m_readout.TabSwitch(); });
    frames.cmdStore.setHandler([this] {
        // The stored database starts a history of its own.
        if (m_history.Store())
            m_undo.clear();
    });
    frames.cmdRestore.setHandler([this] { m_history.Restore(); });
    frames.cmdClearHistory.setHandler([this] {
        m_history.ClearHistory();
        m_undo.clear();
    });
    frames.mnuUndo.setHandler([this] {
        m_undo.undo();
        m_readout.ReadEveryPage();
    });
    frames.mnuRedo.setHandler([this] {
        m_undo.redo();
        m_readout.ReadEveryPage();
    });
    m_undo.setChanged([this] {
        DatabaseFrames& database = m_pages.database;
        if (database.isLocked())
            return;
        database.mnuUndo.setEnabled(m_undo.canUndo());
        database.mnuRedo.setEnabled(m_undo.canRedo());
    });
    m_undo.setEnded([this] {
        // A message of the action itself stays; the note only fills an empty status line.
        if (m_editor.message().isEmpty())
            m_editor.setMessage(u"The change of the database's structure ends the undo history."_s);
    });
    frames.cmdHiddenCopy.setHandler([this] { m_history.RefreshHiddenCopy(); });
    frames.cmdEditConf.setHandler([this] { m_readout.EditConfigurationName(); });
    frames.cmdExit.setHandler([this] { m_history.Exit(); });
    frames.mnuExit.setHandler([this] { m_history.Exit(); });
    frames.mnuSaveAs.setHandler([this] { m_history.SaveAs(); });
    frames.mnuAbout.setHandler([this] { m_pages.about.exec(); });
    frames.mnuValidate.setHandler([this] { m_pages.validate.exec(); });
    frames.cmdReview.setHandler(
        [this] { m_pages.review.exec(m_editor.systemDatabasePath(), u"the system database"_s); });
    frames.cmdCompare.setHandler([this] {
        const QString backup = m_history.selectedBackupPath();
        if (!backup.isEmpty())
            m_pages.review.exec(backup,
                                u"the backup %1"_s.arg(m_pages.database.comboHistory.text()));
    });
    m_editor.main().setCloseHandler([this] { m_history.Exit(); });
}

} // namespace app
