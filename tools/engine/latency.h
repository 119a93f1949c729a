// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine latency: how long perfect play's answer (what a hint and
// hard compute) takes at every ply of games between two simulated people,
// and at the person's turns against each level: cold, with the table
// emptied before each position, and warm, with it kept through the game.
// Prints first the benchmark's time on this machine, by which other
// machines' figures scale, then the figures by the number of discs, the
// whole run's, the position of the slowest cold answer, and a few named
// openings. With --outcomes yes, what is
// timed is the outcomes view's work: the time until every column's sign is
// known, and until every count is. With --pace MS, the engine kept
// through the game thinks ahead after each answer, as the game does while
// a person chooses, for MS ms at most (less when its list is done), and is
// the one the computer asks: its answers are timed beside the cold ones.
// Returns 1 when a target is missed: cold, a 95th percentile of 30 ms or
// more, or an answer of 0.5 s or more; for the signs, 50 ms and 0.5 s; for
// the counts, 250 ms and 1 s; at a pace, the paced answers' 95th
// percentile of 16 ms or more, or one of 100 ms or more.
int runLatency(Command& command);

} // namespace tool
