// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine book: searches perfect play's choice in every position of
// the complete book's deepest layer that falls in one part of it, and
// writes them as a book of their own, a part that `merge` joins with the
// others. The layer's positions, in increasing key order, are cut into N
// runs of nearly equal length; part K takes the K-th. Choices already in
// the work file are read back rather than searched again, so a run that
// was stopped goes on where it was. Returns the exit status.
int runPartSearch(Command& command);

} // namespace tool
