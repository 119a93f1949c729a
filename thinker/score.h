// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/grid.h"

#include <optional>

// How the engine's scores read, in the terms the windows show them in:
// what the thinker answers, and what needs no thinker to understand.
namespace score {

// A score for the side to move: positive wins, zero draws, negative loses,
// and the sooner a win, the higher it scores (see winningDisc).
inline constexpr int maxScore = 18;

// What a win with the winner's first disc would score.
inline constexpr int firstDiscWinScore = 21;

// A score above zero is a win with this disc of the winner's own, counted
// from the start of the game (1 to 21); below zero, a loss to the
// opponent's disc of that number for the score's opposite.
constexpr int winningDisc(int winScore)
{
    return firstDiscWinScore + 1 - winScore;
}

// What is known of a score: at least low, at most high.
struct Bounds {
    int low = -maxScore;
    int high = maxScore;
    bool isExact() const { return low == high; }
};

// Each column's exact score, where it is known.
using ColumnScores = game::PerColumn<std::optional<int>>;

} // namespace score
