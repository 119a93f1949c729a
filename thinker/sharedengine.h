// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/engine.h"

#include <QList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

// The one engine every thinker asks, made the first time one does, with
// the opening book built into the program and as many threads as the
// machine and VANTREL_THREADS allow. Thinkers take turns at it: a
// thinker's worker waits while another's has the engine.
//
// Thinking ahead (Foresight) takes no turn: it works only while no
// question holds the engine, and a question that takes the engine
// abandons it, without waiting for its threads to end. Those run at the
// lowest priority, and under a busy machine's load may take a while to
// see their stop flag; the engine lets calls overlap, so the question
// goes on meanwhile.
struct SharedEngine {
    std::mutex turnMutex;
    std::condition_variable turnEnded;
    bool inUse = false; // a question holds the engine; under turnMutex
    // The stop flags of thinking ahead under way or waiting; under turnMutex.
    std::vector<std::atomic<bool>*> ahead;
    engine::Engine engine;

    SharedEngine();

    // A question's worker: waits until no other question holds the engine,
    // or `stop`; false when stopped. Taking the engine abandons thinking ahead.
    bool takeTurn(const std::atomic<bool>& stop);
    void endTurn();
    // Thinking ahead's worker: waits until no question holds the engine, or
    // `stop`, which any question that takes the engine from now on sets;
    // false when stopped. Call endThinkingAhead once done, either way.
    bool startThinkingAhead(std::atomic<bool>& stop);
    void endThinkingAhead(std::atomic<bool>& stop);
    // Ends a wait for a turn, so that the waiter reads its stop flag again.
    void wakeWaiters();
};

SharedEngine& sharedEngine();

// The engine's position after these moves, columns 1 to 7.
engine::Position positionAfter(const QList<int>& moves);
