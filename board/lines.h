// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

// Four in a line, over the cells of the board alone: no widgets involved.
namespace game {

// cells[c][r]: 0 empty, or the player (1 or 2) whose disc is in column c,
// row r. Column 0 and row 6 exist but are never part of a line.
using Cells = std::array<std::array<qint16, 7>, 8>;

// winner[p] becomes true when player p owns four cells in a line. Flags are
// only ever set here, never cleared; entries 0 and 3 are left alone.
using Flags = std::array<bool, 4>;

void scanLines(const Cells& cells, Flags& winner);

// marks[c][r] is true where cell (c, r) belongs to four or more in a line of
// one player's discs, in any direction.
using Marks = std::array<std::array<bool, 6>, 8>;
Marks cellsInLines(const Cells& cells);

// marks[c][r] is true where cell (c, r) is empty and a disc of `player`
// there would complete four of theirs in a line: a threat, whether a disc
// can land there yet or not.
Marks holesCompletingFour(const Cells& cells, int player);

// How many four-cell segments the scan tests for each player.
int segmentCount();

} // namespace game
