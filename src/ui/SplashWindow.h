#pragma once

#include <QFrame>

namespace ui {

// The splash window FormFlash shown while start-up runs: the program's title on a frameless
// window in the middle of the screen, with the busy pointer.
class SplashWindow : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ui
