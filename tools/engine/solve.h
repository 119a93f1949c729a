// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine solve: prints a position's exact score, with the time and
// nodes it took, and then each column's: its exact score, or with
// --outcomes yes (and always from the empty board, where exact scores
// would cost a whole-game search each) only whether it wins, draws or
// loses. Returns the exit status.
int runSolve(Command& command);

} // namespace tool
