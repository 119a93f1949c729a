// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine lines: writes hard's lines, the book of perfect play's
// choices in every position it can face with at most --depth discs on the
// board, playing first or second, against any moves: its own moves are its
// recorded choices, so the positions form a tree. Choices already in the
// work file are read back rather than searched again, so a run that was
// stopped goes on where it was; so are those in the book given, the
// complete book to fewer discs. Returns the exit status.
int runHardLines(Command& command);

} // namespace tool
