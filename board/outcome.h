// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "thinker/score.h"

#include <optional>

// What playing a column leads to under perfect play from both sides, in
// the terms of the player who plays it.
struct Outcome {
    enum class Kind { win, draw, loss };
    Kind kind = Kind::draw;
    // The mover's own moves, counting the one it is about to make: to its
    // winning disc, or before the opponent's winning disc. 0 for a draw,
    // and for a win or a loss not counted yet.
    int moves = 0;
};

// The outcome of a column whose score is `score` for the side to move, with
// `discs` discs on the board: the winner's winning disc, less the discs of
// theirs already on the board.
constexpr Outcome outcomeOf(int score, int discs)
{
    const int moverDiscs = discs / 2; // the side to move has the fewer, or as many
    const int opponentDiscs = discs - moverDiscs;
    if (score > 0)
        return { Outcome::Kind::win, score::winningDisc(score) - moverDiscs };
    if (score < 0)
        return { Outcome::Kind::loss, score::winningDisc(-score) - opponentDiscs };
    return { Outcome::Kind::draw, 0 };
}

// What the engine's bounds on a score tell before the score itself: a win,
// a draw or a loss, uncounted; nothing while they tell none of them.
constexpr std::optional<Outcome> signOf(const score::Bounds& bounds)
{
    if (bounds.low > 0)
        return Outcome{ Outcome::Kind::win, 0 };
    if (bounds.high < 0)
        return Outcome{ Outcome::Kind::loss, 0 };
    if (bounds.low == 0 && bounds.high == 0)
        return Outcome{ Outcome::Kind::draw, 0 };
    return std::nullopt;
}

static_assert(outcomeOf(16, 10).moves == 1, "a disc that wins at once, 10 discs in");
static_assert(outcomeOf(-16, 10).moves == 1, "the opponent wins with its next disc");
static_assert(outcomeOf(18, 6).kind == Outcome::Kind::win && outcomeOf(18, 6).moves == 1);
