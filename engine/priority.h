// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// Lowers the calling thread to the lowest scheduling priority the system
// offers (on Linux SCHED_IDLE, or nice 19 where that is refused), so that
// it runs only on processors nothing else wants. For good: a thread
// without privileges cannot raise its priority again, so only a thread
// made for such work, and ending with it, may call this. A second call on
// the same thread does nothing.
void lowerThisThreadForGood();

} // namespace engine
