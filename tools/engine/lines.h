// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <string>

namespace tool {

struct LinesSettings {
    int depth = 12;                  // the most discs on the board in a book position
    int threads = 2;
    std::size_t tableMiB = 2048;     // for each thread
    std::string output;
    std::string work;                // every choice made so far, one a line
    const engine::Book* given = nullptr; // a book whose choices are taken rather than searched
};

// vantrel-engine lines: writes hard's lines, the book of perfect play's choices in every position it can face
// with at most `depth` discs on the board, playing first or second, against
// any moves: its own moves are its recorded choices, so the positions form a
// tree. Choices already in the work file are read back rather than searched
// again, so a run that was stopped goes on where it was; so are those in
// the book given, the complete book to fewer discs. Returns the exit status.
int lines(const LinesSettings& settings);

} // namespace tool
