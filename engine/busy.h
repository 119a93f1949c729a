// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace engine {

// The positions that threads searching together are inside now, so that a
// thread that comes to one of them searches its other moves first and
// returns to it last, by when the table usually holds its score: threads
// then spread over the tree rather than search the same moves side by side.
// A hint, not a lock: a position may be missed or taken for another, which
// only costs time.
//
// A slot holds the key of the position marked in it, or 0 when it is
// empty. 0 is the key of the empty board alone, which is never asked
// about: what a search asks about is a position a move leads to, with a
// disc at least. Marked, as the root of a search, the empty board leaves
// its slot reading as empty, which only loses the hint.
class BusyPositions {
public:
    bool contains(std::uint64_t key) const { return slotOf(key).load(std::memory_order_relaxed) == key; }

    // Marks a position while an object of this type lives.
    class Mark {
    public:
        Mark(BusyPositions& busy, std::uint64_t key)
            : m_slot(busy.slotOf(key))
            , m_key(key)
        {
            m_slot.store(key, std::memory_order_relaxed);
        }
        ~Mark()
        {
            std::uint64_t expected = m_key;
            m_slot.compare_exchange_strong(expected, 0, std::memory_order_relaxed);
        }
        Mark(const Mark&) = delete;
        Mark& operator=(const Mark&) = delete;

    private:
        std::atomic<std::uint64_t>& m_slot;
        std::uint64_t m_key;
    };

private:
    // Far more slots than positions a few threads can be inside at once.
    static constexpr int SlotBits = 12;
    std::atomic<std::uint64_t>& slotOf(std::uint64_t key) const
    {
        // Fibonacci hashing: the key's high bits, mixed, pick the slot.
        return m_slots[(key * 0x9E3779B97F4A7C15u) >> (64 - SlotBits)];
    }
    mutable std::array<std::atomic<std::uint64_t>, std::size_t{1} << SlotBits> m_slots{};
};

} // namespace engine
