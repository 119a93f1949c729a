// SPDX-License-Identifier: GPL-3.0-or-later
// Engine::thinkAhead: the answers a person is likely to ask for next,
// worked out while they choose their move.
#include "engine/engine.h"

#include "engine/priority.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace engine {

namespace {

// A column after which the game goes on, and the position it leads to.
struct Move {
    int column;
    Position next;
};

// The columns of a position after which the game goes on, the mover's most
// promising first: the highest score, and perfect play's order among equal
// ones. `scores` holds every open column's.
std::vector<Move> movesBestFirst(const Position& position, const ColumnScores& scores)
{
    std::vector<Move> moves;
    for (int column = 0; column < Width; ++column) {
        if (!position.canPlay(column))
            continue;
        const AfterColumn after = afterColumn(position, column);
        if (!after.settled)
            moves.push_back({ column, after.next });
    }
    const auto score = [&scores](const Move& m) { return *scores[static_cast<std::size_t>(m.column)]; };
    std::sort(moves.begin(), moves.end(), [&](const Move& a, const Move& b) {
        if (score(a) != score(b))
            return score(a) > score(b);
        return preferenceRank(position, a.column) < preferenceRank(position, b.column);
    });
    return moves;
}

} // namespace

// One step of the list at a time: a position's scores, known already or
// worked out at the lowest priority.
class Engine::Ahead {
public:
    Ahead(Engine& engine, const std::atomic<bool>& stop)
        : m_engine(engine)
        , m_stop(stop)
    {
    }

    // Nothing when stopped.
    std::optional<ColumnScores> scoresOf(const Position& position)
    {
        if (std::optional<ColumnScores> known = m_engine.knownScores(position))
            return known;
        ColumnScores scores;
        const bool done = m_engine.scoreColumns(
            position, m_stop,
            [&scores](int column, ScoreBounds bounds) {
                if (bounds.isExact())
                    scores[static_cast<std::size_t>(column)] = bounds.low;
            },
            Priority::idle);
        if (!done)
            return std::nullopt;
        return scores;
    }

    // The answers to a move, the most promising first; none when stopped
    // (the position's scores are known by then, so this takes no search).
    std::vector<Move> answersTo(const Move& move)
    {
        const std::optional<ColumnScores> there = scoresOf(move.next);
        return there ? movesBestFirst(move.next, *there) : std::vector<Move>{};
    }

    // The scores of every position the moves lead to, in their order; false
    // when stopped.
    bool scoreEach(const std::vector<Move>& moves)
    {
        return std::all_of(moves.begin(), moves.end(), [this](const Move& m) { return scoresOf(m.next).has_value(); });
    }

private:
    Engine& m_engine;
    const std::atomic<bool>& m_stop;
};

// The list runs on a thread of its own, lowered for good and ending with
// it: the caller keeps its priority, and with it, whatever lock it takes
// afterwards is never held by a thread the system keeps waiting.
bool Engine::thinkAhead(const Position& shown, Opponent opponent, const std::atomic<bool>& stop)
{
    bool done = false;
    std::thread([&] {
        lowerThisThreadForGood();
        done = workThroughAheadList(shown, opponent, stop);
    }).join();
    return done;
}

bool Engine::workThroughAheadList(const Position& shown, Opponent opponent, const std::atomic<bool>& stop)
{
    if (shown.isWon() || shown.isFull())
        return true;
    Ahead ahead(*this, stop);
    const std::optional<ColumnScores> now = ahead.scoresOf(shown);
    if (!now)
        return false;
    const std::vector<Move> moves = movesBestFirst(shown, *now);
    for (const Move& move : moves) {
        const std::optional<ColumnScores> next = ahead.scoresOf(move.next);
        if (!next)
            return false;
        if (opponent == Opponent::computer) {
            const AfterColumn reply = afterColumn(move.next, preferredChoice(move.next, *next));
            if (!reply.settled && !ahead.scoresOf(reply.next))
                return false;
        }
    }
    // The likeliest line: the person's best column, unless it ends the game.
    const auto likeliest = std::find_if(moves.begin(), moves.end(), [&](const Move& m) {
        return m.column == preferredChoice(shown, *now);
    });
    if (likeliest != moves.end() && !ahead.scoreEach(ahead.answersTo(*likeliest)))
        return false;
    // The weaker levels reply at random: each of their replies leads to a
    // position the person may ask about next.
    if (opponent == Opponent::computer)
        for (const Move& move : moves)
            if (!ahead.scoreEach(ahead.answersTo(move)))
                return false;
    return true;
}

} // namespace engine
