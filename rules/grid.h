// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

// The board's grid, named once: seven columns of six holes. Columns count
// from 1 to 7, left to right, and rows from 0 (the bottom) to 5. A table
// indexed by column keeps an entry 0 that is never used, so that column c
// is entry c, as the board window's own variables have it.
namespace game {

inline constexpr int columns = 7;
inline constexpr int rows = 6;
inline constexpr int holes = columns * rows;

// One entry per column, [column].
template <class T>
using PerColumn = std::array<T, columns + 1>;

// One entry per hole, [column][row].
template <class T>
using PerHole = PerColumn<std::array<T, rows>>;

// How many discs each column holds, 0 to rows.
using Heights = PerColumn<qint16>;

// cells[c][r]: 0 empty, or the player (1 or 2) whose disc is in column c,
// row r. A row above the top exists, as on the board window, but never
// holds a disc.
using Cells = PerColumn<std::array<qint16, rows + 1>>;

// winner[p] is true when player p (1 or 2) owns four cells in a line, and
// winner[3] when the board is full; entry 0 is never used.
using Flags = std::array<bool, 4>;

// A yes or no for every hole.
using Marks = PerHole<bool>;

} // namespace game
