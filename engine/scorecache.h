// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers the engine has finished: every open column's exact score in
// a position, kept so that a question asked again, or worked out ahead
// before it was asked, is answered at once. One slot of three words per
// position, in a block of fixed size:
//
//  sequence  even while the slot is at rest, odd while a thread writes it.
//  key       Position::canonicalKey(), whole: a position and its mirror
//            image share a slot, its scores seen from the side with the
//            smaller key.
//  scores    six bits a column, column 0 lowest, each the column's score
//            plus 32, or 0 for a full column; all 0 in a slot never
//            filled, since a position where the game goes on has an open
//            column:
//
//   63      42 41   36 35   30 29   24 23   18 17   12 11    6 5     0
//  +----------+-------+-------+-------+-------+-------+-------+-------+
//  |    0     |  c 6  |  c 5  |  c 4  |  c 3  |  c 2  |  c 1  |  c 0  |
//  +----------+-------+-------+-------+-------+-------+-------+-------+
//
// A position goes in one slot, picked by its key (Fibonacci hashing), and
// takes the place of whatever was there: the positions of the last few
// moves, a few dozen, are the ones asked about again, and a whole game
// asks about a thousand at most, thinking ahead included, against 16,384
// slots. The block starts as the system's zeroed pages, so that only the
// slots filled take memory.
//
// Threads share it without a lock, and none ever waits for another:
// thinking ahead's threads, at the lowest priority, may be held off the
// processor in the middle of a write, and a question must not wait for
// them. A write takes its slot by making the sequence odd, and gives up
// when another thread has it; a read that finds the sequence odd, or
// changed by the time it has read key and scores, misses. A miss costs a
// search at most, and only for the one slot being written.

#include "engine/position.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace engine {

// Each column's exact score for the side to move (what it scores by playing
// it), nothing for a full column.
using ColumnScores = std::array<std::optional<int>, Width>;

class ScoreCache {
public:
    static constexpr int SlotBits = 14;
    static constexpr std::size_t Slots = std::size_t{1} << SlotBits;

    ScoreCache();

    // The scores of a position, seen from it, when the cache holds them
    // (and no thread is writing their slot).
    std::optional<ColumnScores> find(const Position& position) const;
    // Keeps the scores of a position where the game is not over, unless
    // another thread is writing the slot; `scores` must hold every open
    // column's and nothing else.
    void store(const Position& position, const ColumnScores& scores);
    // Only while no other thread uses the cache.
    void clear();

    static constexpr std::size_t bytes() { return Slots * sizeof(Slot); }

private:
    static constexpr int ScoreBits = 6, ScoreBias = 32;
    static_assert(Width * ScoreBits <= 64, "every column's score fits a word");
    static_assert(Cells / 2 < ScoreBias && 2 * ScoreBias <= 1 << ScoreBits,
                  "every score (-18 to 18) fits, stored plus 32, and 0 stays free for a full column");
    static constexpr std::uint64_t field(int bits) { return (std::uint64_t{1} << bits) - 1; }

    // Plain words, read and written whole through std::atomic_ref, as the
    // table's are, so that zeroed pages make empty slots.
    struct Slot {
        std::uint64_t sequence;
        std::uint64_t key;
        std::uint64_t scores;
    };
    static_assert(sizeof(Slot) == 24);
    static_assert(std::atomic_ref<std::uint64_t>::is_always_lock_free);
    using Word = std::atomic_ref<std::uint64_t>;

    static std::size_t slotOf(std::uint64_t key) { return (key * 0x9E3779B97F4A7C15u) >> (64 - SlotBits); }

    struct Release {
        void operator()(Slot* slots) const;
    };
    std::unique_ptr<Slot[], Release> m_slots; // Slots of them
};

// The cache stays small beside the table.
static_assert(ScoreCache::bytes() <= std::size_t{2} << 20, "at most 2 MiB");

} // namespace engine
