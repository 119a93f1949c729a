// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace tool {

struct SolveSettings {
    std::string moves;           // the columns played, as in 4453; the empty board when empty
    std::size_t tableMiB = 1024;
    bool outcomes = false;       // each column's outcome alone, rather than its exact score
};

// Prints the position's exact score, with the time and nodes it took, and
// then each column's: its exact score, or with `outcomes` (and always from
// the empty board, where exact scores would cost a whole-game search each)
// only whether it wins, draws or loses. Returns the exit status.
int solve(const SolveSettings& settings);

} // namespace tool
