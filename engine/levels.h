// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/level.h"
#include "engine/position.h"

#include <random>

namespace engine {

// The source of every random choice a level makes, seeded by the caller.
using Random = std::mt19937_64;

// A fair player that sees a few moves ahead: it always takes a win at once,
// blocks the opponent's win at once, and avoids the cell under one of the
// opponent's winning cells when it can; beyond that it looks a few moves
// ahead with a rough count of lines, and sometimes errs.
int mediumMove(const Position& position, Random& random);

// A beginner: it takes a win at once, blocks the opponent's only now and
// then, and otherwise drops near the centre at random.
int easyMove(const Position& position, Random& random);

// A column with a cell in `cells` (a one-bit-per-cell board, not empty),
// chosen at random, the centre more often: the centre column four times as
// often as an edge one.
int weightedColumn(Bitboard cells, Random& random);

// A column chosen uniformly among the playable ones.
int randomMove(const Position& position, Random& random);

} // namespace engine
