#include "UserInput.h"

#include <QtGlobal>
#include <exception>

namespace ui {

void forwardUserInput(const std::function<void()>& input, const std::function<void()>& show) {
    try {
        input();
    } catch (const std::exception& error) {
        qCritical("orbis-config: an action failed outside the action boundary: %s", error.what());
    } catch (...) {
        qCritical("orbis-config: an action failed outside the action boundary");
    }
    if (show)
        show();
}

} // namespace ui
