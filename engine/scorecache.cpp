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
    Slot slot;
    {
        const std::unique_lock lock(m_mutex, std::try_to_lock);
        if (!lock.owns_lock())
            return std::nullopt;
        slot = m_slots[slotOf(key)];
    }
    if (slot.key != key || slot.scores == 0)
        return std::nullopt;
    const bool mirrored = keptMirrored(position);
    ColumnScores scores;
    for (int column = 0; column < Width; ++column) {
        const auto stored = static_cast<int>(slot.scores >> (column * ScoreBits) & field(ScoreBits));
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
    const std::unique_lock lock(m_mutex, std::try_to_lock);
    if (lock.owns_lock())
        m_slots[slotOf(key)] = { key, packed };
}

void ScoreCache::clear()
{
    const std::lock_guard lock(m_mutex);
    std::fill_n(m_slots.get(), Slots, Slot{});
}

} // namespace engine
