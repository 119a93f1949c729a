// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace engine {

// The positions the benchmark solves, as the moves that reach them.
std::span<const std::string_view> benchmarkPositions();

struct BenchmarkResult {
    std::uint64_t nodes = 0; // the search's signature
    double seconds = 0;
    std::size_t positions = 0;
};

// Solves every benchmark position with a table of `tableMiB` MiB, emptied
// before each, and `threads` threads searching each position together. On
// one thread, the node count changes only when the search does; on more,
// the time is the figure that counts, and the nodes vary from run to run.
BenchmarkResult runBenchmark(std::size_t tableMiB, int threads = 1);

} // namespace engine
