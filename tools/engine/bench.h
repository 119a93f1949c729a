// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine bench: solves the benchmark's positions on one thread and
// prints the node count, the search's signature, with the time it took;
// with --threads N, then the same positions on N threads together, and
// their speed-up. Returns the exit status.
int runBench(Command& command);

} // namespace tool
