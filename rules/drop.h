// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/grid.h"

// The one drop rule, over the cells and heights alone: the board window
// plays its moves by it, and a move string is read by it.
namespace game {

// The other player: 2 for 1, 1 for 2.
constexpr int opponentOf(int player)
{
    return player == 1 ? 2 : 1;
}

constexpr bool isColumnFull(const Heights& height, int c)
{
    return height[c] >= rows;
}

// Every column full: the board has no hole left.
bool isBoardFull(const Heights& height);

// A disc of `player` drops into column c, which has room, and fills its
// lowest empty hole; returns that hole's row.
int dropDisc(Cells& cells, Heights& height, int c, int player);

// The drop in reverse: the top disc of column c, which holds one, leaves
// it; returns the player whose disc it was.
int liftDisc(Cells& cells, Heights& height, int c);

} // namespace game
