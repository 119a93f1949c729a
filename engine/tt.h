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
// largest prime that fits in the size asked for: keys are far from uniform
// (the bits of a column's empty cells are all zero, the right-hand columns'
// most often), and a prime spreads them over every word, where a power of
// two would index by the left-hand columns alone. A store replaces what was
// there.

#include "engine/position.h"

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
        if ((word & field(KeyBits)) != key || word == 0)
            return {};
        return { static_cast<Bound>(word >> BoundShift & field(BoundBits)),
                 static_cast<int>(word >> ScoreShift & field(ScoreBits)) - ScoreBias,
                 static_cast<int>(word >> MoveShift & field(MoveBits)) - 1 };
    }
    void store(std::uint64_t key, Bound bound, int score, int move)
    {
        m_words[key % m_size] = key | static_cast<std::uint64_t>(move + 1) << MoveShift
                                | static_cast<std::uint64_t>(score + ScoreBias) << ScoreShift
                                | static_cast<std::uint64_t>(bound) << BoundShift;
    }
    // Asks the processor to fetch a position's word ahead of its probe.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&m_words[key % m_size]); }
    void clear();

    std::size_t entries() const { return m_size; }
    std::size_t bytes() const { return m_size * sizeof(std::uint64_t); }

private:
    // The fields of a word, as drawn above.
    static constexpr int KeyBits = 49;
    static constexpr int MoveShift = KeyBits, MoveBits = 3;
    static constexpr int ScoreShift = MoveShift + MoveBits, ScoreBits = 6, ScoreBias = 32;
    static constexpr int BoundShift = ScoreShift + ScoreBits, BoundBits = 2;
    static_assert(KeyBits == Width * ColumnBits, "a key has a group of bits per column");
    static_assert(MoveShift == 49 && ScoreShift == 52 && BoundShift == 58 && BoundShift + BoundBits == 60);
    static_assert(Width + 1 <= 1 << MoveBits, "a column plus one, or 0 for none");
    static_assert(Cells / 2 < ScoreBias && 2 * ScoreBias <= 1 << ScoreBits, "scores within -21 to 21, stored plus 32");
    static constexpr std::uint64_t field(int bits) { return (std::uint64_t{1} << bits) - 1; }

    std::size_t m_size;
    struct Release {
        void operator()(std::uint64_t* words) const;
    };
    std::unique_ptr<std::uint64_t[], Release> m_words;
};

} // namespace engine
