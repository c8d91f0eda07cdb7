#include "Sleep.h"

#include <QThread>

namespace platform {

void sleepMs(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace platform
