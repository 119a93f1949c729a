// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/busy.h"
#include "engine/position.h"
#include "engine/tt.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

namespace engine {

// Scores: 0 is a draw; a win for the side to move scores 22 minus the
// number of discs the winner has on the board once the game is won, so that
// a sooner win scores more (18 at most); a loss scores the opposite.

// The fewest discs a board holds when a game is won: the winner's four and
// the loser's three.
inline constexpr int FewestDiscsAtAWin = 7;
inline constexpr int MaxScore = (Cells + 1 - FewestDiscsAtAWin) / 2;

// The score of the side to move, with `moves` discs on the board, when it
// wins with its next disc.
constexpr int winNowScore(int moves)
{
    return (Cells + 1 - moves) / 2;
}
// And when its opponent wins with the disc that follows it, whatever it plays.
constexpr int loseNextScore(int moves)
{
    return -winNowScore(moves + 1);
}

// What perfect play does from a position: the column (0..6) and the score
// it keeps.
struct Choice {
    int column = -1;
    int score = 0;
};

// What is known of a score: it lies from low to high, both included; exact
// when they meet. Before any search, every score a position can have.
struct ScoreBounds {
    int low = -MaxScore;
    int high = MaxScore;

    bool isExact() const { return low == high; }
    // Whether the sign is known: a win, a draw or a loss for certain.
    bool isSignKnown() const { return low > 0 || high < 0 || (low == 0 && high == 0); }
    friend bool operator==(const ScoreBounds&, const ScoreBounds&) = default;
};

// Where a column stands among a position's columns in the order in which
// perfect play prefers equally good ones (0 first): centre first, the left
// one first, as seen from the position or its mirror image, whichever has
// the smaller key, so that mirror images get mirrored answers.
int preferenceRank(const Position& position, int column);

// The column perfect play chooses among columns whose scores are known (the
// others nothing): the best score, and among equal scores the column
// Search::bestChoice would take. -1 when no score is known.
int preferredChoice(const Position& position, const std::array<std::optional<int>, Width>& scores);

// The first steps of a column's score, which take no search: the position
// after an open column and, when the rules settle the column at once (it
// wins with this disc, or fills the board for a draw), what the side to
// move scores by playing it. Otherwise the column scores the opposite of
// what the opponent scores after it, which a search finds.
struct AfterColumn {
    Position next;
    std::optional<int> settled;
};
AfterColumn afterColumn(const Position& position, int column);

// An exact solver: negamax with alpha-beta pruning over the non-losing
// moves, centre and threats first, with a transposition table shared by
// a position and its mirror image.
class Search {
public:
    // A search that stores what it learns in `table` and gives up as soon
    // as it sees `*stop` true (when stop is not null).
    explicit Search(TranspositionTable& table, const std::atomic<bool>* stop = nullptr)
        : m_table(table)
        , m_stop(stop)
    {
    }
    // One of a team of searches that share `table`, each on its own thread:
    // it gives up when either flag is true, and steps aside from the
    // positions the others are inside (see BusyPositions).
    Search(TranspositionTable& table, const std::atomic<bool>& stop, const std::atomic<bool>& teamDone,
           BusyPositions& busy)
        : m_table(table)
        , m_stop(&stop)
        , m_teamDone(&teamDone)
        , m_busy(&busy)
    {
    }

    // The exact score of a position where the game is not over, or nothing
    // when the search was stopped.
    // `known` is what is known of it beforehand (the book's bounds, say).
    std::optional<int> solve(const Position& position, ScoreBounds known = {});
    // Whether the score is above `bound`: a single null-window search;
    // nothing when stopped.
    std::optional<bool> scoresAbove(const Position& position, int bound);
    // The exact score of each column for the side to move: what the side to
    // move scores by playing it; nothing for a full column. Nothing at all
    // when stopped.
    std::optional<std::array<std::optional<int>, Width>> moveScores(const Position& position);
    // Perfect play: a column that keeps the position's value (a win stays a
    // win, a draw at least a draw), winning soonest or losing latest; among
    // equally good columns the one nearest the centre, the left one first,
    // as seen from the position or its mirror image, whichever has the
    // smaller key, so that mirror images get mirrored answers. Nothing when
    // stopped. The game must not be over.
    std::optional<Choice> bestChoice(const Position& position, ScoreBounds known = {});

    // The positions searched since this object was made.
    std::uint64_t nodes() const { return m_nodes; }

private:
    struct Stopped {};
    bool stopRequested() const;
    int root(const Position& position, int alpha, int beta);
    int negamax(const Position& position, int alpha, int beta);

    TranspositionTable& m_table;
    const std::atomic<bool>* m_stop;
    const std::atomic<bool>* m_teamDone = nullptr;
    BusyPositions* m_busy = nullptr;
    std::uint64_t m_nodes = 0;
    int m_rootDiscs = 0; // the discs on the board at the root of the search under way
};

} // namespace engine
