// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/grid.h"

// Four in a line, over the cells of the board alone: no widgets involved.
namespace game {

// winner[p] becomes true when player p owns four cells in a line. Flags are
// only ever set here, never cleared; entries 0 and 3 are left alone.
void scanLines(const Cells& cells, Flags& winner);

// marks[c][r] is true where cell (c, r) belongs to four or more in a line of
// one player's discs, in any direction.
Marks cellsInLines(const Cells& cells);

// marks[c][r] is true where cell (c, r) is empty and a disc of `player`
// there would complete four of theirs in a line: a threat, whether a disc
// can land there yet or not.
Marks holesCompletingFour(const Cells& cells, int player);

// How many four-cell segments the scan tests for each player.
int segmentCount();

} // namespace game
