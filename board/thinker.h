// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/levels.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <functional>
#include <thread>

// Asks the engine for a column off the user-interface thread, so that the
// window never waits for it. One question at a time: asking again, or
// stop(), abandons the question before, and the answer to an abandoned
// question never arrives.
class Thinker : public QObject {
    Q_OBJECT

public:
    explicit Thinker(QObject* parent = nullptr);
    ~Thinker() override;

    // The engine's column (1 to 7) at this level for the player to move after
    // these moves, handed to found on this object's thread.
    void think(const QList<int>& moves, engine::Level level, std::function<void(int column)> found);
    void stop();
    // Whether no search is under way: the last question was answered, or
    // abandoned and its search ended. An answer may still be on its way.
    bool isIdle() const { return !m_searching; }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_searching = false;
    std::thread m_worker;
    int m_question = 0;
    engine::Random m_random;
    bool m_seeded = false;
};
