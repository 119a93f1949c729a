// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tool {

// Listing a layer lists every shallower one: to 12 discs, 9.2 million
// positions, 180 MB and a few seconds, and each disc more nearly triples
// that. A book that deep would be 70 MB.
constexpr int MaxLayerDepth = 12;
// The deepest layer of the shipped book, made in parts: what `book` and
// `merge` work on unless told otherwise.
constexpr int ShippedBookDepth = 9;
// Hard's lines grow three- to fourfold every two discs: to 12, 23,559
// positions; to 16, some 2 MB, which with the complete book still fits
// the 4 MB a book built into the game may take; to 18, no longer.
constexpr int MaxLinesDepth = 16;
// The largest book the tool can make: complete to MaxLayerDepth, 9.2
// million positions, with hard's lines to MaxLinesDepth beyond it, a
// quarter of a million more. No file larger than such a book is read, so
// that one that never ends cannot fill the memory.
constexpr std::size_t MostBookEntries = 10'000'000;
// A word an entry, and the header within two words more.
constexpr std::size_t MostBookBytes = (MostBookEntries + 2) * sizeof(std::uint64_t);

// A file the tool was given to read that it cannot or will not read: one
// that is missing, is no regular file (a FIFO or a device is refused at
// once, never waited on), or is larger than it can be.
class UnreadableFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A book file whose bytes are not a sound book: Book::fromBytes says which
// entry is wrong.
class DamagedBook : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a regular file of at most `mostBytes`; `what` names what
// the file was given as in the message for a larger one, "book" say.
// Throws UnreadableFile naming the file.
std::string readRegularFile(const std::string& path, std::size_t mostBytes, const std::string& what);

// The book in a file, every entry checked. Throws UnreadableFile or
// DamagedBook with a message that names the file.
engine::Book readBookFile(const std::string& path);

// Writes a book to a file, whole or not at all: a file it replaces stays
// as it was until the new one is complete. Returns the bytes written;
// throws std::runtime_error naming the file.
std::size_t writeBookFile(const std::string& path, const engine::Book& book);

// Refuses, before any work starts, a file that the work would write: one
// that exists already unless `replace`, one that is not a regular file
// (a device or a FIFO is never replaced), a folder, or one in a folder
// that does not exist or cannot be written. Throws std::runtime_error
// naming the file.
void checkCanWrite(const std::string& path, bool replace);

} // namespace tool
