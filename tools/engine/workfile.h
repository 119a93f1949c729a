// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/search.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tool {

// A long search appends one line to its work file for each position it
// finishes, "key column score" (and the position's discs, for the lines'
// book), so that a stopped run resumes where it stopped.
struct WorkLine {
    std::uint64_t key = 0;
    engine::Choice choice;
    int discs = 0;
};

// The whole lines of a work file, with the discs field when `withDiscs`. A
// last line without its newline, cut short by a stop, is left out, as is any
// line that does not read as one.
std::vector<WorkLine> readWorkFile(const std::string& path, bool withDiscs);

// The work file opened for appending, a line cut short ended first so that
// the next line does not run on from it. Its folder must exist
// (checkCanWrite makes it).
std::ofstream appendToWorkFile(const std::string& path);

} // namespace tool
