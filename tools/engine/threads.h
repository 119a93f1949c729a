// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>
#include <vector>

namespace tool {

// Runs `work` on `count` threads at once and returns when every one has
// finished.
template <typename Work>
void runOnThreads(int count, Work work)
{
    std::vector<std::jthread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back(work);
}

} // namespace tool
