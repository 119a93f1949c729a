// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tt.h"

#include <cstddef>
#include <thread>
#include <vector>

namespace tool {

// A table for each of `threads` threads, all taken at once before any
// search starts, so that a machine short of memory says so at once rather
// than once one thread has done its share alone. Throws std::bad_alloc.
inline std::vector<engine::TranspositionTable> tablesFor(int threads, std::size_t mebibytes)
{
    std::vector<engine::TranspositionTable> tables;
    tables.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i)
        tables.emplace_back(mebibytes);
    return tables;
}

// Runs work(0) to work(count - 1) on threads of their own, at once, and
// returns when every one has finished.
template <typename Work>
void runOnThreads(int count, Work work)
{
    std::vector<std::jthread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back(work, i);
}

} // namespace tool
