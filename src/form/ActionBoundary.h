#pragma once

#include <functional>

namespace form {

// Wraps each user action (a click, a selection, a typed text, a pressed button): the editor
// runs it in one transaction of the working copy and reports its errors at this edge.
//
// Two rules for implementations:
// - form::ScriptError must pass through unchanged: a boundary that catches more than its own
//   error types rethrows it first (`catch (const form::ScriptError&) { throw; }`), or a failed
//   script would look like a handled error and the run would go on.
// - The boundary may be entered again while an action runs: a person acts in a modal dialog that
//   the running action opened. The inner action belongs to the outer one's unit of work.
class ActionBoundary {
public:
    virtual ~ActionBoundary() = default;
    virtual void run(const std::function<void()>& action) = 0;
};

} // namespace form
