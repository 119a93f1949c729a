// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/position.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace engine {

// What perfect play does from a position: the column (0..6) and the score
// it keeps.
struct Choice {
    int column = -1;
    int score = 0;
};

// An opening book: perfect play's choice in the positions where searching
// would take too long, the early ones. Each position is stored once for
// itself and its mirror image, under its canonical key, with the column as
// seen from the canonical side.
//
// The bytes: "VTBK", then the version (1) and the number of entries as
// 32-bit little-endian numbers, then one 64-bit little-endian word per
// entry in increasing order: key << 9 | (score + 32) << 3 | column.
class Book {
public:
    struct Entry {
        std::uint64_t key = 0; // Position::canonicalKey()
        Choice choice;
    };

    Book() = default;
    // Throws std::invalid_argument when the bytes are not a book.
    static Book fromBytes(std::span<const std::uint8_t> bytes);
    // Entries in any order, each key once.
    static Book fromEntries(std::vector<Entry> entries);
    std::vector<std::uint8_t> toBytes() const;

    // Perfect play's choice in this position, with the column as seen from
    // it, when the book has it.
    std::optional<Choice> lookup(const Position& position) const;

    std::size_t size() const { return m_words.size(); }
    bool empty() const { return m_words.empty(); }
    Entry entry(std::size_t i) const;

private:
    std::vector<std::uint64_t> m_words;
};

} // namespace engine
