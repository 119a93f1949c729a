// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"
#include "engine/position.h"
#include "engine/search.h"

#include <optional>
#include <random>

namespace engine {

enum class Level { easy, medium, hard };

// The source of every random choice a level makes, seeded by the caller.
using Random = std::mt19937_64;

// Perfect play: a column that keeps the position's value (a win stays a
// win, a draw at least a draw), winning soonest or losing latest; among
// equally good columns the one nearest the centre, the left one first, as
// seen from the position or its mirror image, whichever has the smaller
// key, so that mirror images get mirrored answers. Nothing when the search
// was stopped. The game must not be over.
std::optional<Choice> perfectChoice(const Position& position, Search& search);

// A fair player that sees a few moves ahead: it always takes a win at once,
// blocks the opponent's win at once, and avoids the cell under one of the
// opponent's winning cells when it can; beyond that it looks a few moves
// ahead with a rough count of lines, and sometimes errs.
int mediumMove(const Position& position, Random& random);

// A beginner: it takes a win at once, blocks the opponent's only now and
// then, and otherwise drops near the centre at random.
int easyMove(const Position& position, Random& random);

// A column chosen uniformly among the playable ones.
int randomMove(const Position& position, Random& random);

} // namespace engine
