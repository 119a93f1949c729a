// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <atomic>
#include <memory>
#include <thread>

// Thinks ahead while a person chooses their move: works out, into the
// engine's cache, the scores of the positions they may reach next, so that
// the hint, the outcomes and anything else that needs a position's scores
// (Thinker::knownScores) answer at once there. What it works out, in
// which order, is Engine::thinkAhead's list; it stops when the list is
// done, and takes no processor time after.
//
// It never delays a question: any thinker's question that takes the shared
// engine abandons it, as do stop() and starting again, and its threads, at
// the lowest scheduling priority, end within a few milliseconds on a
// processor nothing else wants. Nobody waits for them, a window least of
// all: they are joined by the next start's thread, or by the destructor.
class Foresight {
public:
    Foresight() = default;
    ~Foresight();
    Foresight(const Foresight&) = delete;
    Foresight& operator=(const Foresight&) = delete;

    // Starts thinking ahead from the position these moves reach, where a
    // person is to move and the game goes on, against another person or
    // against the computer. Does nothing when it is already at work on
    // that very position.
    void thinkAhead(const QList<int>& moves, bool againstComputer);
    // Abandons the work, at once, without waiting for its threads.
    void stop();
    // Whether none of its threads is left: its work was done or abandoned,
    // and every thread it ran has ended.
    bool isIdle() const { return !m_work || m_work->ended; }

private:
    struct Work {
        std::atomic<bool> stop = false;
        std::atomic<bool> ended = false;
    };

    QList<int> m_moves; // the position of the work under way
    bool m_againstComputer = false;
    std::shared_ptr<Work> m_work;
    std::thread m_worker;
};
