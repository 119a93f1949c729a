// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/search.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <stdexcept>
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

struct WorkFile {
    std::vector<WorkLine> lines;    // its whole lines, in order
    std::uintmax_t wholeBytes = 0;  // its length to the end of the last of them
};

// A work file that a search will not resume from: a whole line in it is not
// a choice that search can have made. The message names the file, the
// line's number and its text, and what is wrong.
class DamagedWork : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a search asks of a line besides being a sound book entry: a fault,
// or nothing.
using LineCheck = std::function<std::string(const WorkLine& line)>;

// The work file's whole lines, with the discs field when `withDiscs`; no
// lines when there is no file yet. Each must be a book entry as sound as
// Book::fromBytes asks (a position a game reaches and goes on from, under
// its canonical key, a column open in it, a score it can have), with the
// discs the position has, give the choice of any line before with the same
// key, and pass `check`; the first that does not is refused. A last line
// without its newline, cut short by a stop, is left out, to be searched
// again. Throws DamagedWork, or UnreadableFile for what is no regular
// file or is too large.
WorkFile readWorkFile(const std::string& path, bool withDiscs, const LineCheck& check);

// What is wrong with a line's score where `book` proves these bounds of
// its position: nothing when it is within them.
std::string scoreOutside(const WorkLine& line, const engine::ScoreBounds& bounds, const std::string& book);

// Appends a choice's line, as readWorkFile reads it back, with the discs
// field when `withDiscs`, and flushes it: a stop loses the line being
// written at most.
void appendLine(std::ofstream& out, const WorkLine& line, bool withDiscs);

// The work file opened for appending, cut back to its whole lines first so
// that a line cut short is written again whole rather than run on. Its
// folder must exist (checkCanWrite makes it).
std::ofstream appendToWorkFile(const std::string& path, const WorkFile& read);

} // namespace tool
