#pragma once
// Waiting on the event loop for what arrives from SDL's audio thread.
#include <functional>

namespace EventWait {
// Runs the event loop until `done` holds or `timeoutMs` has passed; returns `done()`.
bool until(const std::function<bool()>& done, int timeoutMs = 10000);
// Lets queued events arrive for a while, to show that nothing more comes.
void settle(int ms = 150);
}  // namespace EventWait
