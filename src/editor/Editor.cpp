#include "Editor.h"

#include "Texts.h"

#include <cmath>
#include <form/FormSet.h>
#include <platform/Platform.h>
#include <platform/RegistryHelpers.h>

namespace editor {

Editor::Editor(form::FormSet& forms, platform::Platform& platform, QString templatePath)
    : m_forms(forms), m_platform(platform), m_templatePath(std::move(templatePath)) {}

Editor::~Editor() {
    closeDatabases();
}

form::Form& Editor::main() const {
    return m_forms.main();
}

form::TabControl& Editor::tabs() const {
    if (!m_tabs)
        throw std::logic_error("the main window has no tab control");
    return *m_tabs;
}

form::Host& Editor::host() const {
    return m_forms.host();
}

db::Database& Editor::work() const {
    if (!m_work)
        throw db::DbError(QStringLiteral("The working copy is not open"));
    return *m_work;
}

db::Database& Editor::templ() const {
    if (!m_template)
        throw db::DbError(QStringLiteral("The template database is not open"));
    return *m_template;
}

void Editor::openWork() {
    closeWork();
    m_work = db::Database::open(m_workCopyPath);
    ++m_workGeneration;
    // Start-up copies the working copy anew from the system database, so it needs no protection
    // against a power loss; a killed program loses nothing with this setting.
    m_work->execute(QStringLiteral("PRAGMA synchronous = OFF"));
    if (m_templateWanted)
        attachTemplate();
}

void Editor::attachTemplate() {
    if (m_template && m_template->inTransaction())
        m_template->commit();
    m_template.reset();
    m_template = m_work->attach(m_templatePath, QStringLiteral("conf"));
    // Besides a few small tables the template database holds the history, which is read whole
    // when the list is filled and then not again: a small cache keeps its pages from staying in
    // memory.
    m_work->execute(QStringLiteral("PRAGMA %1.cache_size = -256").arg(m_template->schemaName()));
}

void Editor::closeWork() {
    if (!m_work)
        return;
    commitWork();
    // The attached template goes with the connection; it stays open on its own.
    m_template.reset();
    m_work.reset();
    if (m_templateWanted)
        m_template = db::Database::open(m_templatePath);
}

void Editor::openTemplate() {
    closeTemplate();
    m_templateWanted = true;
    if (m_work)
        attachTemplate();
    else
        m_template = db::Database::open(m_templatePath);
}

void Editor::closeTemplate() {
    m_templateWanted = false;
    if (!m_template)
        return;
    if (m_template->inTransaction())
        commitWork();
    m_template.reset();
}

void Editor::closeDatabases() {
    // Closing never throws: a commit that fails here leaves SQLite to roll back on close. The
    // template attached to the working copy is not opened again on its own only to be closed.
    m_templateWanted = false;
    try {
        closeWork();
    } catch (const db::DbError&) {
        m_template.reset();
        m_work.reset();
    }
    try {
        closeTemplate();
    } catch (const db::DbError&) {
        m_template.reset();
    }
}

void Editor::commitWork() {
    db::Database* database = m_work ? m_work.get() : m_template.get();
    if (database && database->inTransaction())
        database->commit();
}

void Editor::rollbackWork() {
    db::Database* database = m_work ? m_work.get() : m_template.get();
    if (!database || !database->inTransaction())
        return;
    try {
        database->rollback();
    } catch (const db::DbError&) {
        // The connection rolls back what is left when it closes.
    }
}

QString Editor::standName() const {
    return m_standLabel ? m_standLabel->caption() : QString();
}

QString Editor::message() const {
    return m_statusLine ? m_statusLine->caption() : QString();
}

void Editor::showNotice(Notice notice, const QString& text) {
    m_notices[std::size_t(notice)] = text;
    const QString shown = message();
    if (shown.isEmpty() || shown == text)
        setMessage(text);
}

void Editor::clearNotice(Notice notice) {
    const QString text = std::exchange(m_notices[std::size_t(notice)], QString());
    if (!text.isEmpty() && message() == text)
        setMessage(QString());
}

void Editor::forgetNotices() {
    m_notices.fill(QString());
}

void Editor::showStandName(const QString& name) {
    if (m_standLabel)
        m_standLabel->setCaption(name);
}

void Editor::Refresh() const {
    if (m_refresh)
        m_refresh();
}

void Editor::addPageReadout(int page, std::function<void()> readout) {
    m_pageReadouts.append({page, std::move(readout)});
}

void Editor::ReadPageInFront() const {
    const int front = tabs().currentIndex();
    for (const auto& [page, readout] : m_pageReadouts)
        if (page == front)
            readout();
}

void Editor::setMessage(const QString& text) {
    if (!m_statusLine)
        throw std::logic_error("the main window has no status line");
    if (!text.isEmpty()) {
        m_statusLine->setCaption(text);
        return;
    }
    const auto standing = std::find_if(m_notices.begin(), m_notices.end(),
                                       [](const QString& notice) { return !notice.isEmpty(); });
    m_statusLine->setCaption(standing == m_notices.end() ? QString() : *standing);
}

void Editor::setSystemDatabasePath(const QString& path) {
    m_systemDatabasePath = path;
    const qsizetype slash = path.lastIndexOf(u'/');
    m_databaseFolder = slash < 0 ? QString() : path.left(slash + 1);
}

void Editor::WaitMs(int ms) {
    const long slices = std::lrint(ms / 50.0); // rounds half to even
    if (slices < 0)
        return;
    const form::InputPause pause(m_forms);
    for (long i = 0; i <= slices; ++i) {
        host().processEvents();
        host().sleepMs(50);
    }
}

bool Editor::AskSaveFileName(QString& fileName, const QString& description,
                             const QString& pattern) {
    const std::optional<QString> chosen = host().askSaveFileName(fileName, description, pattern);
    if (!chosen)
        return false;
    fileName = *chosen;
    return true;
}

QString Editor::RegistryRead(const QString& subkey, const QString& name) const {
    return platform::RegistryRead(m_platform.registry(), texts::kHklm, subkey, name);
}

bool Editor::RegistryEnsureKey(const QString& suffix) {
    return platform::RegistryEnsureKey(m_platform.registry(), texts::kHklm, suffix);
}

bool Editor::RegistryWrite(const QString& suffix, const QString& name, const QString& text) {
    return platform::RegistryWrite(m_platform.registry(), texts::kHklm, suffix, name, text);
}

QString Editor::HiddenCopyPath() const {
    // The three characters after the last point become "hid".
    const qsizetype point = m_systemDatabasePath.lastIndexOf(u'.');
    if (point < 0)
        return m_systemDatabasePath + QStringLiteral(".hid");
    return m_systemDatabasePath.left(point + 1) + QStringLiteral("hid") +
           m_systemDatabasePath.mid(point + 4);
}

} // namespace editor
