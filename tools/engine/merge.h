// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

namespace tool {

// vantrel-engine merge: joins the parts of the deepest layer, as `book`
// wrote them, into the complete book to that depth, with hard's lines
// beyond it, and writes it to the output; the bytes are the same however
// the layer was cut into parts. Parts that do not make the layer together
// are refused: a part with a position of another depth, a file given
// twice, two parts that hold the same position, and parts that leave
// positions out (a part missing). Returns the exit status.
int runMerge(Command& command);

} // namespace tool
