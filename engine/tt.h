// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transposition table: what the search has learnt about positions it
// has seen, one 64-bit word per position, in one block of fixed size.
//
//   63      60 59  58 57        52 51    49 48                             0
//  +----------+------+------------+--------+-------------------------------+
//  |  unused  |bound | score + 32 |  move  |     position key (49 bits)    |
//  +----------+------+------------+--------+-------------------------------+
//
//  key    Position::key() of the position stored, whole, so that a probe
//         that finds the word knows it is this position's: no two positions
//         share a word's key, and a word read is never mistaken.
//  move   the column of the best move found plus one, 0 when none was.
//  score  the score, -18 to 18, stored plus 32.
//  bound  1: the score is a lower bound; 2: an upper bound; 3: exact;
//         0: the word is empty.
//
// A position goes in word (key mod N), where N, the number of words, is the
// largest prime that fits in the size asked for; a store replaces what was
// there.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace engine {

enum class Bound : std::uint8_t { none = 0, lower = 1, upper = 2, exact = 3 };

struct TTEntry {
    Bound bound = Bound::none;
    int score = 0;
    int move = -1; // -1 when none was recorded
};

class TranspositionTable {
public:
    // A table of at most `mebibytes` MiB (at least one).
    explicit TranspositionTable(std::size_t mebibytes);

    TTEntry probe(std::uint64_t key) const
    {
        const std::uint64_t word = m_words[key % m_size];
        if ((word & KeyMask) != key || word == 0)
            return {};
        return { static_cast<Bound>((word >> 58) & 3), static_cast<int>((word >> 52) & 63) - 32,
                 static_cast<int>((word >> 49) & 7) - 1 };
    }
    void store(std::uint64_t key, Bound bound, int score, int move)
    {
        m_words[key % m_size] = key | static_cast<std::uint64_t>(move + 1) << 49
                                | static_cast<std::uint64_t>(score + 32) << 52
                                | static_cast<std::uint64_t>(bound) << 58;
    }
    // Asks the processor to fetch a position's word ahead of its probe.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&m_words[key % m_size]); }
    void clear();

    std::size_t entries() const { return m_size; }
    std::size_t bytes() const { return m_size * sizeof(std::uint64_t); }

private:
    static constexpr std::uint64_t KeyMask = (std::uint64_t{1} << 49) - 1;

    std::size_t m_size;
    struct Release {
        void operator()(std::uint64_t* words) const;
    };
    std::unique_ptr<std::uint64_t[], Release> m_words;
};

} // namespace engine
