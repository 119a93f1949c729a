// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/engine.h"

#include <condition_variable>
#include <mutex>

// The one engine every thinker asks, made the first time one does, with
// the opening book built into the program and as many threads as the
// machine and VANTREL_THREADS allow. Thinkers take turns at it: a
// thinker's worker waits while another's has the engine.
struct SharedEngine {
    std::mutex turnMutex;
    std::condition_variable turnEnded;
    bool inUse = false; // under turnMutex
    engine::Engine engine;

    SharedEngine();
};

SharedEngine& sharedEngine();
