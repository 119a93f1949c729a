// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tool {

struct MatchSettings {
    int games = 200;             // for each pairing
    std::uint64_t seed = 1;
    std::size_t tableMiB = 8;    // hard's table, as in the game
    const engine::Book* book = nullptr;
    std::vector<std::string> pairings{ "easy", "medium", "hard" }; // the pairings to play, by their stronger side
};

// Hard against medium, medium against easy, easy against a random player,
// from openings of zero to three random moves (hard's games from the empty
// board), each side moving first in half the games. Checks that every game
// hard lost was lost before its first move. Returns the exit status: 1 when
// a target is missed.
int tournament(const MatchSettings& settings);

// Hard's answer time from every position it meets in games against easy,
// medium and a random player, as either colour, from the empty board, with a
// fresh engine each game as the game has. Prints the median, 95th percentile
// and worst time and the process's peak memory.
int timing(const MatchSettings& settings);

} // namespace tool
