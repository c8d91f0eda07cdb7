#pragma once

#include <functional>

namespace ui {

// Hands a person's input to the model, then shows the control's state again: the model may have
// refused the change, or changed it back, without a change signal reaching the widget.
//
// The action boundary catches what a handler throws; whatever still escapes must not unwind
// through Qt's event dispatch, which is not exception-safe, so it is logged here instead.
void forwardUserInput(const std::function<void()>& input, const std::function<void()>& show);

} // namespace ui
