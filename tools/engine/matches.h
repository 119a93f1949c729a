// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine tournament: hard against medium, medium against easy, easy
// against a random player, from openings of zero to three random moves
// (hard's games from the empty board), each side moving first in half the
// games. Checks that every game hard lost was lost before its first move.
// Returns the exit status: 1 when a target is missed.
int runTournament(Command& command);

// vantrel-engine timing: hard's answer time from every position it meets
// in games against easy, medium and a random player, as either colour,
// from the empty board, with a fresh engine each game as the game has.
// Prints the median, 95th percentile and worst time and the process's peak
// memory. Returns the exit status: 1 when a target is missed.
int runTiming(Command& command);

} // namespace tool
