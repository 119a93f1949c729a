// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"

#include "engine/book.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tool {

// The options and checks several commands share. Each command's file
// declares its own options, these among them, and checks every value and
// every file it will read or write before any work starts.

// The most games a command plays, or entries it searches again.
constexpr int MaxGames = 1'000'000;

// The machine's memory, in MiB: the most that tables can take.
std::size_t machineMiB();

// --table-mib N: a table's size, from 1 MiB to the machine's memory.
void tableOption(Command& command, std::size_t& mebibytes, const char* meaning = "The table's size in MiB");
// --seed N: the seed of the random choices.
void seedOption(Command& command, std::uint64_t& seed);

// The shipped book, found from the tool itself: VANTREL_ENGINE_BOOK is its
// path from the folder the tool was built in, so that a tree copied
// elsewhere, build folder and all, reads its own copy. (Without /proc, the
// path is taken from the current folder.)
std::string shippedBook();

// A book named on the command line, by `what` (its option), read and
// checked before any work; no book for `none` where that is allowed.
engine::Book readBook(const Command& command, const std::string& what, const std::string& path,
                      bool noneAllowed = false);

// What a message about `path` adds when it is the shipped book, which the
// tool took without being told: that it is, and `otherwise`, how to name
// another. Empty for any other book.
std::string whenShipped(const std::string& path, const std::string& otherwise);

// --book FILE or none: the opening book, the shipped one by default.
class BookOption {
public:
    BookOption(Command& command, const char* meaning) { command.file("book", meaning, m_path); }

    // The book, read and checked; call once the command line is read.
    const engine::Book* read(const Command& command);

private:
    std::string m_path = shippedBook();
    engine::Book m_book;
};

// Refuses the command line, naming `option`, when the file it names could
// not be written at the end (see checkCanWrite).
void refuseUnwritable(const Command& command, const std::string& option, const std::string& path, bool replace);

} // namespace tool
