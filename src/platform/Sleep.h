#pragma once

namespace platform {

// Blocks the calling thread; zero or a negative duration returns at once.
void sleepMs(int milliseconds);

} // namespace platform
