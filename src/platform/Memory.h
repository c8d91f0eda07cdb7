#pragma once

namespace platform {

// Gives the memory the program has freed back to the system. Freed memory otherwise stays with
// the process wherever a block still in use sits above it, and counts as used.
void returnFreeMemory();

} // namespace platform
