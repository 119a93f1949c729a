// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/level.h"
#include "thinker/score.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <thread>

// Asks the engine off the user-interface thread, so that the window never
// waits for it: the one bridge between the program's windows and the
// engine. Every thinker shares one engine, with the opening book built into
// the program, so that its table's memory is spent once and what it learns
// for one question helps the next.
//
// One question at a time: asking again, or stop(), abandons the question
// before, and no answer to an abandoned question ever arrives. Answers
// arrive on this object's thread.
class Thinker : public QObject {
    Q_OBJECT

public:
    explicit Thinker(QObject* parent = nullptr);
    ~Thinker() override;

    // Seeds the random choices of the weaker levels.
    void seed(std::uint64_t seed) { m_random.seed(seed); }

    // The column (1 to 7) the level plays after these moves.
    void think(const QList<int>& moves, engine::Level level, std::function<void(int column)> found);
    // What the player to move after these moves scores by playing each
    // open column (1 to 7) under perfect play (the engine's scores: positive
    // wins), as it becomes known: what the book and the rules give at once,
    // then every column's sign (bounds that tell a win, a draw or a loss
    // apart), then every exact score. A column's last report is exact.
    void scoreColumns(const QList<int>& moves, std::function<void(int column, score::Bounds bounds)> found);
    void stop();
    // Perfect play's column (1 to 7) after these moves when the opening
    // book holds the position, at once, on the calling thread: the book is
    // only ever read, so this needs no turn at the engine.
    static std::optional<int> bookColumn(const QList<int>& moves);
    // The column (1 to 7) perfect play chooses after these moves among
    // those whose exact scores are known, [column], 0 unused: the best, and
    // of equal scores the one the engine itself would play. 0 when none is.
    static int preferredColumn(const QList<int>& moves, const score::ColumnScores& scores);
    // Every open column's exact score after these moves, [column], 0
    // unused, when it is known without a search, at once, on the calling
    // thread: found before, or worked out ahead (Foresight), or given by
    // the opening book. Nothing otherwise, and in a game that is over.
    static std::optional<score::ColumnScores> knownScores(const QList<int>& moves);
    // Whether no search is under way: the last question was answered, or
    // abandoned and its search ended. An answer may still be on its way.
    bool isIdle() const { return !m_searching; }

private:
    struct Asked;
    // Runs work on a worker thread with the shared engine to itself; what
    // it hands to Asked::answer runs here, unless the question was abandoned.
    void ask(std::function<void(Asked&)> work);

    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_searching = false;
    std::thread m_worker;
    int m_question = 0;
    std::mt19937_64 m_random;
};
