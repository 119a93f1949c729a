// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"
#include "engine/position.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace engine {

// The positions a game can reach with exactly `discs` discs on the board
// and go on from: nobody has lined up four on the way, and the board is not
// full. One key per position and its mirror image (Position::canonicalKey()),
// in increasing order.
std::vector<std::uint64_t> reachableKeys(int discs);

// What the side to move scores in a position where the game is not over,
// as far as it is known: nothing when it is not.
using ScoreOf = std::function<std::optional<int>(const Position&)>;

// Perfect play's choice in a position where the game is not over, from the
// scores of the positions its columns lead to: a win at once scores
// winNowScore(), a column that fills the board 0, and any other column the
// opposite of what `scoreOf` gives for the position after it. Among the
// best columns the first in centre-first order wins, as seen from the
// position or its mirror image, whichever has the smaller key: the same
// choice as Search::bestChoice(). Nothing when `scoreOf` does not know a column.
std::optional<Choice> choiceFromChildren(const Position& position, const ScoreOf& scoreOf);

} // namespace engine
