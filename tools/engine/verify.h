// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine verify: checks a book without trusting the machine that
// made it: the depth to which it is complete, every shallower entry
// against its children's, the first moves against their published
// outcomes, and a sample of the deepest layer searched again from scratch.
// (Each entry's position and score are checked as the book is read.)
// Returns the exit status: 1 when anything is wrong, a damaged book
// included.
int runVerify(Command& command);

} // namespace tool
