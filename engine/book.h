// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/position.h"
#include "engine/search.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace engine {

// The scores a position with `discs` discs where the game is not over can
// have: from losing to the opponent's next disc to winning with its own,
// and never more than a win with the fourth disc.
struct ScoreRange {
    int least = 0, most = 0;
};
constexpr ScoreRange possibleScores(int discs)
{
    return { std::max(loseNextScore(discs), -MaxScore), std::min(winNowScore(discs), MaxScore) };
}

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
    // A book of its own copy of the bytes. Throws std::invalid_argument,
    // saying which entry is wrong, when the bytes are not a book: every
    // entry must be a position a game can reach and go on from (nobody has
    // four in a line, the board is not full), stored under its canonical
    // key, with a column open in it and a score such a position can have.
    static Book fromBytes(std::span<const std::uint8_t> bytes);
    // A book that reads its entries where the bytes are, such as data built
    // into the program, which must outlive it: a lookup touches only the
    // few pages of its binary search, and no copy is made. Throws as
    // fromBytes does, but checks less, since the program reads its book
    // this way as it starts: the order of the keys, and each entry's key,
    // column and score within what any position can have; not what the
    // position is.
    static Book viewOf(std::span<const std::uint8_t> bytes);
    // Entries in any order, each key once.
    static Book fromEntries(std::vector<Entry> entries);
    // What is wrong with an entry, as fromBytes checks each one; empty when
    // nothing is. For entries that come from elsewhere than a book's bytes,
    // such as a long search's record of its choices.
    static std::string entryFault(const Entry& entry);
    std::vector<std::uint8_t> toBytes() const;

    // Perfect play's choice in this position, with the column as seen from
    // it, when the book has it.
    std::optional<Choice> lookup(const Position& position) const;

    // What the book tells of a position's score: exact when it holds the
    // position, or the position came from one it holds by the book's own
    // move; otherwise, for each position it holds that this one follows,
    // no less than the opposite of that position's score (its mover could
    // have done no better), and more than it when the move came before the
    // book's in the order of preference (it would have been the book's had
    // it scored as well); and otherwise every score.
    ScoreBounds bounds(const Position& position) const;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    Entry entry(std::size_t i) const;
    // Every entry, in the book's order.
    std::vector<Entry> entries() const;

private:
    // The fields of an entry's word, as the comment above draws them.
    static constexpr int KeyShift = 9;
    static constexpr int ScoreShift = 3, ScoreBits = 6, ScoreBias = 32;
    static constexpr int ColumnBits = 3;
    static_assert(ScoreShift == ColumnBits && KeyShift == ScoreShift + ScoreBits);
    static_assert(Width <= 1 << ColumnBits && Cells / 2 < ScoreBias);
    static constexpr std::uint64_t field(int bits) { return (std::uint64_t{1} << bits) - 1; }
    static std::uint64_t pack(const Entry& e);
    static Entry unpack(std::uint64_t word);
    enum class Checks { atStartUp, all };
    // Checks the bytes and returns the number of entries.
    static std::size_t check(std::span<const std::uint8_t> bytes, Checks checks);
    std::uint64_t word(std::size_t i) const;
    const std::uint8_t* entryBytes() const { return m_outside ? m_outside : m_copy.data(); }

    std::vector<std::uint8_t> m_copy;       // the entries' bytes, when the book holds them
    const std::uint8_t* m_outside = nullptr; // or where they are, outside
    std::size_t m_size = 0;
};

} // namespace engine
