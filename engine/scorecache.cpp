// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scorecache.h"

#include <algorithm>

namespace engine {

namespace {

// Whether a position is kept as its mirror image: the one with the smaller key.
bool keptMirrored(const Position& position)
{
    return position.mirrorKey() < position.key();
}

} // namespace

ScoreCache::ScoreCache()
    : m_slots(Slots)
{
}

std::optional<ColumnScores> ScoreCache::find(const Position& position) const
{
    const std::uint64_t key = position.canonicalKey();
    Slot slot;
    {
        const std::lock_guard lock(m_mutex);
        slot = m_slots[slotOf(key)];
    }
    if (slot.key != key)
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
    const std::lock_guard lock(m_mutex);
    m_slots[slotOf(key)] = { key, packed };
}

void ScoreCache::clear()
{
    const std::lock_guard lock(m_mutex);
    std::fill(m_slots.begin(), m_slots.end(), Slot{});
}

} // namespace engine
