// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench.h"

#include "options.h"

#include "engine/benchmark.h"
#include "engine/threadcount.h"

#include <cstdio>

namespace tool {

int runBench(Command& command)
{
    std::size_t tableMiB = 8;
    int threads = 1;
    tableOption(command, tableMiB);
    command.number("threads", "Threads searching each position together: their speed-up over one thread is "
                   "printed after the signature",
                   threads, 1, engine::MostThreads);
    if (!command.read())
        return 0;
    const engine::BenchmarkResult r = engine::runBenchmark(tableMiB);
    std::printf("%zu positions, table %zu MiB\n", r.positions, tableMiB);
    std::printf("nodes %llu\n", static_cast<unsigned long long>(r.nodes));
    std::printf("time %.3f s\n", r.seconds);
    std::printf("nodes/s %.0f\n", static_cast<double>(r.nodes) / r.seconds);
    if (threads > 1) {
        const engine::BenchmarkResult team = engine::runBenchmark(tableMiB, threads);
        std::printf("threads %d: time %.3f s, speed-up %.2f, nodes %+.1f%%\n", threads, team.seconds,
                    r.seconds / team.seconds, 100.0 * (static_cast<double>(team.nodes) / static_cast<double>(r.nodes) - 1));
    }
    return 0;
}

} // namespace tool
