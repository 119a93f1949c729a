// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transposition table: what the search has learnt about positions it
// has seen, one 64-bit word per position, in one block of fixed size.
//
//   63      60 59  58 57        52 51    49 48                             0
//  +----------+------+------------+--------+-------------------------------+
//  | discs/3  |bound | score + 32 |  move  |     position key (49 bits)    |
//  +----------+------+------------+--------+-------------------------------+
//
//  key    Position::key() of the position stored, whole, so that a probe
//         that finds the word knows it is this position's: no two positions
//         share a word's key, and a word read is never mistaken.
//  move   the column of the best move found plus one, 0 when none was.
//  score  the score, -18 to 18, stored plus 32.
//  bound  1: the score is a lower bound; 2: an upper bound; 3: exact;
//         0: the word is empty.
//  discs  the discs on the board, divided by three to fit: how near the
//         root of a search the position was, and so how much searching
//         the word saves.
//
// A position goes in bucket (key mod N) of two words, where N, the number
// of buckets, is the largest prime that fits in the size asked for: keys
// are far from uniform (the bits of a column's empty cells are all zero,
// the right-hand columns' most often), and a prime spreads them over every
// bucket, where a power of two would index by the left-hand columns alone.
// The bucket's first word keeps the position with the fewest discs of
// those stored there, which saves the most, unless it has fewer than the
// search's root and so can no longer come back; the second word takes what
// the first does not. A small table then keeps what matters of a large
// search: one bucket per position would halve the worst searches.

#include "engine/position.h"

#include <atomic>
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
        std::uint64_t* bucket = bucketOf(key);
        for (int i = 0; i < BucketWords; ++i) {
            const std::uint64_t word = load(bucket[i]);
            if ((word & field(KeyBits)) == key && word != 0)
                return { static_cast<Bound>(word >> BoundShift & field(BoundBits)),
                         static_cast<int>(word >> ScoreShift & field(ScoreBits)) - ScoreBias,
                         static_cast<int>(word >> MoveShift & field(MoveBits)) - 1 };
        }
        return {};
    }
    // Stores what was learnt of a position with `discs` discs on the board,
    // in a search whose root had `rootDiscs`.
    void store(std::uint64_t key, Bound bound, int score, int move, int discs, int rootDiscs)
    {
        const std::uint64_t word = key | static_cast<std::uint64_t>(move + 1) << MoveShift
                                   | static_cast<std::uint64_t>(score + ScoreBias) << ScoreShift
                                   | static_cast<std::uint64_t>(bound) << BoundShift
                                   | static_cast<std::uint64_t>(discs / DiscsPerStep) << DiscsShift;
        std::uint64_t* bucket = bucketOf(key);
        const std::uint64_t kept = load(bucket[0]);
        const int keptSteps = static_cast<int>(kept >> DiscsShift);
        const bool sameKey = (kept & field(KeyBits)) == key;
        if (kept == 0 || sameKey || discs / DiscsPerStep <= keptSteps || keptSteps < rootDiscs / DiscsPerStep) {
            if (kept != 0 && !sameKey)
                save(bucket[1], kept);
            save(bucket[0], word);
        } else {
            save(bucket[1], word);
        }
    }
    // Asks the processor to fetch a position's bucket ahead of its probe.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(bucketOf(key)); }
    void clear();

    std::size_t entries() const { return BucketWords * m_buckets; }
    std::size_t bytes() const { return entries() * sizeof(std::uint64_t); }

private:
    // The fields of a word, as drawn above.
    static constexpr int KeyBits = 49;
    static constexpr int MoveShift = KeyBits, MoveBits = 3;
    static constexpr int ScoreShift = MoveShift + MoveBits, ScoreBits = 6, ScoreBias = 32;
    static constexpr int BoundShift = ScoreShift + ScoreBits, BoundBits = 2;
    static_assert(KeyBits == Width * ColumnBits, "a key has a group of bits per column");
    static constexpr int DiscsShift = BoundShift + BoundBits, DiscsPerStep = 3;
    static_assert(MoveShift == 49 && ScoreShift == 52 && BoundShift == 58 && DiscsShift == 60);
    static_assert(Cells / DiscsPerStep < 1 << (64 - DiscsShift), "the discs fit the top bits");
    static_assert(Width + 1 <= 1 << MoveBits, "a column plus one, or 0 for none");
    static_assert(Cells / 2 < ScoreBias && 2 * ScoreBias <= 1 << ScoreBits, "every score (-18 to 18) fits, stored plus 32");
    static constexpr std::uint64_t field(int bits) { return (std::uint64_t{1} << bits) - 1; }

    // Threads searching at once share the table without a lock: each word
    // is read and written whole, atomically, and holds its position's whole
    // key, so a word is either this position's or not, never half of one.
    // Two threads may overwrite each other's words; that loses what one
    // learnt, never makes a score wrong. A bucket's two words are read one
    // by one: another thread may move a word from one to the other between
    // the reads, and the probe then misses it, which only costs a search.
    static_assert(std::atomic_ref<std::uint64_t>::is_always_lock_free,
                  "threads share the table without a lock: a word must be read and written whole without one");
    static std::uint64_t load(std::uint64_t& word)
    {
        return std::atomic_ref<std::uint64_t>(word).load(std::memory_order_relaxed);
    }
    static void save(std::uint64_t& word, std::uint64_t value)
    {
        std::atomic_ref<std::uint64_t>(word).store(value, std::memory_order_relaxed);
    }

    // Two words of a bucket share a 16-byte line.
    static constexpr int BucketWords = 2;
    std::uint64_t* bucketOf(std::uint64_t key) const { return &m_words[BucketWords * (key % m_buckets)]; }

    std::size_t m_buckets;
    struct Release {
        void operator()(std::uint64_t* words) const;
    };
    std::unique_ptr<std::uint64_t[], Release> m_words;
};

} // namespace engine
