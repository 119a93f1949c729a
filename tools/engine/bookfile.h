// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tool {

// A book file that cannot be opened or read.
class UnreadableBook : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A book file whose bytes are not a sound book: Book::fromBytes says which
// entry is wrong.
class DamagedBook : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The book in a file, every entry checked. Throws UnreadableBook or
// DamagedBook with a message that names the file.
engine::Book readBookFile(const std::string& path);

// Writes a book to a file, whole or not at all: a file it replaces stays
// as it was until the new one is complete. Returns the bytes written;
// throws std::runtime_error naming the file.
std::size_t writeBookFile(const std::string& path, const engine::Book& book);

// Refuses, before any work starts, a file that the work would write: one
// that exists already unless `replace`, a folder, or one in a folder that
// cannot be written. Makes its folder when missing. Throws
// std::runtime_error naming the file.
void checkCanWrite(const std::string& path, bool replace);

} // namespace tool
