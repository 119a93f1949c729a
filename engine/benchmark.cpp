// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/benchmark.h"

#include "engine/search.h"
#include "engine/team.h"

#include <atomic>
#include <chrono>

namespace engine {

namespace {

// Positions from random games, 10 to 15 discs in, each solved in between
// a third of a million and three million positions by the first search.
constexpr std::string_view Positions[] = {
    "56441637724", "1757733222577", "7751652574",      "72322766312",
    "3774626652",  "215563177456",  "764374561532",    "4546742456",
    "422455467314", "2471112546",   "5344466255412",   "3173165715",
    "15654652463", "25564564774",   "454551376425711", "4661136353",
};

} // namespace

std::span<const std::string_view> benchmarkPositions()
{
    return Positions;
}

BenchmarkResult runBenchmark(std::size_t tableMiB, int threads)
{
    TranspositionTable table(tableMiB);
    BusyPositions busy;
    const std::atomic<bool> stop = false;
    std::atomic<std::uint64_t> nodes = 0;
    BenchmarkResult result;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string_view moves : Positions) {
        table.clear();
        const Position position(moves);
        Team<int>::run(
            threads, 1,
            [&](int, const std::atomic<bool>& done) {
                // One thread searches alone, as the signature counts it.
                Search search = threads > 1 ? Search(table, stop, done, busy) : Search(table);
                const std::optional<int> score = search.solve(position);
                nodes += search.nodes();
                return score;
            },
            [](int, int) {});
        ++result.positions;
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.nodes = nodes;
    return result;
}

} // namespace engine
