// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinker.h"

#include "thinker/sharedengine.h"

#include <algorithm>

// The windows speak of scores as the engine does; these say that they do.
static_assert(score::maxScore == engine::MaxScore);
static_assert(score::winningDisc(engine::winNowScore(0)) == 1, "the first player's first disc");
static_assert(score::winningDisc(engine::winNowScore(1)) == 1, "the second player's first disc");
static_assert(score::winningDisc(engine::winNowScore(engine::Cells - 1)) == engine::Cells / 2, "the last disc");
static_assert(game::columns == engine::Width && game::rows == engine::Height);

// What a question's work gets: the engine, the stop flag, and the way back.
struct Thinker::Asked {
    engine::Engine& engine;
    const std::atomic<bool>& stop;
    std::function<void(std::function<void()>)> answer;
};

Thinker::Thinker(QObject* parent)
    : QObject(parent)
{
}

Thinker::~Thinker()
{
    stop();
}

void Thinker::think(const QList<int>& moves, engine::Level level, std::function<void(int column)> found)
{
    const engine::Position position = positionAfter(moves);
    ask([this, position, level, found = std::move(found)](Asked& asked) {
        const std::optional<int> column = asked.engine.chooseMove(position, level, m_random, asked.stop);
        if (column)
            asked.answer([found, column] { found(*column + 1); });
    });
}

void Thinker::scoreColumns(const QList<int>& moves, std::function<void(int column, score::Bounds bounds)> found)
{
    const engine::Position position = positionAfter(moves);
    ask([position, found = std::move(found)](Asked& asked) {
        asked.engine.scoreColumns(position, asked.stop, [&asked, &found](int column, engine::ScoreBounds bounds) {
            asked.answer([found, column, bounds] { found(column + 1, { bounds.low, bounds.high }); });
        });
    });
}

std::optional<int> Thinker::bookColumn(const QList<int>& moves)
{
    const std::optional<engine::Choice> choice = sharedEngine().engine.book().lookup(positionAfter(moves));
    if (!choice)
        return std::nullopt;
    return choice->column + 1;
}

std::optional<score::ColumnScores> Thinker::knownScores(const QList<int>& moves)
{
    const engine::Position position = positionAfter(moves);
    if (position.isWon() || position.isFull())
        return std::nullopt;
    const std::optional<engine::ColumnScores> known = sharedEngine().engine.knownScores(position);
    if (!known)
        return std::nullopt;
    score::ColumnScores scores{};
    std::copy(known->begin(), known->end(), scores.begin() + 1);
    return scores;
}

int Thinker::preferredColumn(const QList<int>& moves, const score::ColumnScores& scores)
{
    std::array<std::optional<int>, engine::Width> engineScores{};
    std::copy(scores.begin() + 1, scores.end(), engineScores.begin());
    return engine::preferredChoice(positionAfter(moves), engineScores) + 1;
}

void Thinker::ask(std::function<void(Asked&)> work)
{
    stop();
    m_stop = false;
    m_searching = true;
    const int question = ++m_question;
    m_worker = std::thread([this, question, work = std::move(work)] {
        SharedEngine& shared = sharedEngine();
        // Another thinker may hold the engine for a long search. This one
        // waits its turn, but a stop must end the wait at once: the window
        // that stops it waits for this thread.
        if (!shared.takeTurn(m_stop)) {
            m_searching = false;
            return;
        }
        Asked asked{ shared.engine, m_stop, [this, question](std::function<void()> deliver) {
                        QMetaObject::invokeMethod(this, [this, question, deliver] {
                            if (question == m_question)
                                deliver();
                        }, Qt::QueuedConnection);
                    } };
        work(asked);
        shared.endTurn();
        m_searching = false;
    });
}

void Thinker::stop()
{
    m_stop = true;
    if (m_worker.joinable()) {
        sharedEngine().wakeWaiters();
        m_worker.join();
    }
    // An answer already on its way is for a question no longer asked.
    ++m_question;
}
