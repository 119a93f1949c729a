// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <cstdint>

namespace tool {

struct LatencySettings {
    int hotseatGames = 200;
    int levelGames = 100;        // against each level
    std::uint64_t seed = 1;
    std::size_t tableMiB = 8;    // the program's
    const engine::Book* book = nullptr;
    int fromDiscs = 0;           // positions with fewer discs go untimed
    bool outcomes = false;       // time every column's score, as the outcomes view asks
};

// How long perfect play's answer (what a hint and hard compute) takes at
// every ply of games between two simulated people, and at the person's
// turns against each level: cold, with the table emptied before each
// position, and warm, with it kept through the game. Prints the figures by
// the number of discs, the whole run's, and a few named openings. Returns
// 1 when a target is missed. With `outcomes`, what is timed is every
// column's score one after another, the time until the outcomes view shows
// them all; the same targets apply: cold, a 95th percentile of 50 ms or more, or
// any answer of a second or more.
int latency(const LatencySettings& settings);

} // namespace tool
