#include "SplashWindow.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

SplashWindow::SplashWindow(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormFlash"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setCursor(Qt::WaitCursor);
    auto* title = new QLabel(QStringLiteral("ORBIS Configuration Tool"), this);
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    title->setFont(font);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 40);
    column->addWidget(title);
    setFixedSize(sizeHint().expandedTo(QSize(420, 160)));
}

void SplashWindow::showEvent(QShowEvent* event) {
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    QFrame::showEvent(event);
}

} // namespace ui
