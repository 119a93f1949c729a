// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scorecache.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace engine {

namespace {

// Whether a position is kept as its mirror image: the one with the smaller key.
bool keptMirrored(const Position& position)
{
    return position.mirrorKey() < position.key();
}

} // namespace

ScoreCache::ScoreCache()
    : m_slots(static_cast<Slot*>(std::calloc(Slots, sizeof(Slot))))
{
    if (!m_slots)
        throw std::bad_alloc();
}

void ScoreCache::Release::operator()(Slot* slots) const
{
    std::free(slots);
}

std::optional<ColumnScores> ScoreCache::find(const Position& position) const
{
    const std::uint64_t key = position.canonicalKey();
    Slot& slot = m_slots[slotOf(key)];
    Word sequence(slot.sequence);
    const std::uint64_t before = sequence.load(std::memory_order_acquire);
    if (before % 2 != 0)
        return std::nullopt;
    // Acquiring each word, no fence: a word of a write under way brings its
    // odd sequence with it, which the check below then sees. ThreadSanitizer
    // follows this; it does not follow fences.
    const std::uint64_t keyRead = Word(slot.key).load(std::memory_order_acquire);
    const std::uint64_t packed = Word(slot.scores).load(std::memory_order_acquire);
    if (sequence.load(std::memory_order_relaxed) != before || keyRead != key || packed == 0)
        return std::nullopt;
    const bool mirrored = keptMirrored(position);
    ColumnScores scores;
    for (int column = 0; column < Width; ++column) {
        const auto stored = static_cast<int>(packed >> (column * ScoreBits) & field(ScoreBits));
        if (stored != 0)
            scores[static_cast<std::size_t>(mirrored ? mirroredColumn(column) : column)] = stored - ScoreBias;
    }
    return scores;
}

void ScoreCache::store(const Position& position, const ColumnScores& scores)
{
    const bool mirrored = keptMirrored(position);
    std::uint64_t packed = 0;
    for (int column = 0; column < Width; ++column) {
        const std::optional<int>& score = scores[static_cast<std::size_t>(column)];
        if (score)
            packed |= static_cast<std::uint64_t>(*score + ScoreBias)
                      << ((mirrored ? mirroredColumn(column) : column) * ScoreBits);
    }
    const std::uint64_t key = position.canonicalKey();
    Slot& slot = m_slots[slotOf(key)];
    Word sequence(slot.sequence);
    std::uint64_t atRest = sequence.load(std::memory_order_relaxed);
    if (atRest % 2 != 0 || !sequence.compare_exchange_strong(atRest, atRest + 1, std::memory_order_acquire))
        return;
    // Released, each word carries the odd sequence before it to a reader.
    Word(slot.key).store(key, std::memory_order_release);
    Word(slot.scores).store(packed, std::memory_order_release);
    sequence.store(atRest + 2, std::memory_order_release);
}

void ScoreCache::clear()
{
    std::fill_n(m_slots.get(), Slots, Slot{});
}

} // namespace engine
