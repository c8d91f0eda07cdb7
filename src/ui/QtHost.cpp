#include "QtHost.h"

#include "DialogView.h"
#include "SplashWindow.h"
#include "WindowApp.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

namespace ui {

// While a person answers a box or works in a dialog the pointer is the normal one; the busy
// state of the action that asked comes back afterwards.
class QtHost::PersonTurn {
public:
    explicit PersonTurn(QtHost& host) : m_host(host), m_busy(host.m_busy) { host.setBusy(false); }
    ~PersonTurn() { m_host.setBusy(m_busy); }
    PersonTurn(const PersonTurn&) = delete;
    PersonTurn& operator=(const PersonTurn&) = delete;

private:
    QtHost& m_host;
    bool m_busy;
};

namespace {

int runBox(QMessageBox& box) {
    box.setWindowModality(Qt::ApplicationModal);
    // The question comes to the front even when the person was in another program.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

} // namespace

QtHost::QtHost(WindowApp& windows) : m_windows(windows) {}

QtHost::~QtHost() {
    setBusy(false);
}

QWidget* QtHost::boxParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return &m_windows.mainWindow();
}

bool QtHost::askYesNo(const QString& text, const QString& title) {
    const PersonTurn turn(*this);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    boxParent());
    box.setDefaultButton(QMessageBox::Yes);
    return runBox(box) == QMessageBox::Yes;
}

void QtHost::message(const QString& text, const QString& title, form::MessageIcon icon) {
    const PersonTurn turn(*this);
    QMessageBox::Icon shown = QMessageBox::Information;
    if (icon == form::MessageIcon::Warning)
        shown = QMessageBox::Warning;
    else if (icon == form::MessageIcon::Critical)
        shown = QMessageBox::Critical;
    QMessageBox box(shown, title, text, QMessageBox::Ok, boxParent());
    runBox(box);
}

void QtHost::beep() {
    QApplication::beep();
}

void QtHost::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtHost::processEvents() {
    // A click now would start an action inside the running one; it waits in the queue instead.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtHost::sleepMs(int ms) {
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

std::optional<QString> QtHost::askSaveFileName(const QString& preset, const QString& description,
                                               const QString& pattern) {
    const PersonTurn turn(*this);
    const QString all = QStringLiteral("All Files (*.*)");
    // Several patterns are separated by ";" in the program's texts and by blanks in a Qt filter.
    QString ownPattern = pattern;
    ownPattern.replace(u';', u' ');
    const QString filter = description.isEmpty()
                               ? all
                               : QStringLiteral("%1 (%2);;%3").arg(description, ownPattern, all);
    const QString path =
        QFileDialog::getSaveFileName(boxParent(), QStringLiteral("Save"), preset, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtHost::runModal(form::Form& dialog) {
    const PersonTurn turn(*this);
    m_windows.dialog(dialog).runModal();
}

void QtHost::showSplash(bool shown) {
    if (!shown) {
        if (m_splash)
            m_splash->hide();
        return;
    }
    if (!m_splash)
        m_splash = std::make_unique<SplashWindow>();
    m_splash->show();
    m_splash->raise();
}

void QtHost::raiseMainWindow() {
    QMainWindow& window = m_windows.mainWindow();
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace ui
