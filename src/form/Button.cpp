#include "Button.h"

namespace form {

void Button::userPress() {
    runUserAction([this] { press(); });
}

} // namespace form
