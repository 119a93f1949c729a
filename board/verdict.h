// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/outcome.h"
#include "thinker/score.h"

#include <optional>

// A move judged against perfect play: whether it turned its mover's outcome
// worse, a win played into a draw or a loss, or a draw into a loss, and
// which column kept it. A move in a position already lost gives up nothing.
struct Verdict {
    // The outcome the move gave up: a win or a draw; none for a good move.
    std::optional<Outcome::Kind> givenUp;
    // The column perfect play chose instead, when something was given up.
    int keptBy = 0;

    bool isMistake() const { return givenUp.has_value(); }
};

// The verdict on playing column `played` where every open column scores
// `scores` for the mover, and perfect play chooses `best`.
constexpr Verdict judgeMove(const score::ColumnScores& scores, int played, int best)
{
    const auto sign = [](int score) { return (score > 0) - (score < 0); };
    const int kept = sign(*scores[best]);
    if (sign(*scores[played]) >= kept)
        return {};
    return { kept > 0 ? Outcome::Kind::win : Outcome::Kind::draw, best };
}
