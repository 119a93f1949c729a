// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve.h"

#include "measure.h"

#include "engine/search.h"

#include <array>
#include <cstdio>
#include <optional>

namespace tool {

namespace {

// Whether playing the column wins, draws or loses, from two null-window
// searches at most.
const char* outcomeOf(engine::Search& search, const engine::Position& position, int column)
{
    engine::Position next = position;
    next.play(column);
    if (position.isWinningMove(column) || !*search.scoresAbove(next, -1))
        return "wins";
    if (!*search.scoresAbove(next, 0))
        return "draws";
    return "loses";
}

} // namespace

int solve(const SolveSettings& settings)
{
    const engine::Position position(settings.moves);
    if (position.isWon() || position.isFull()) {
        std::fprintf(stderr, "solve: the game is over in this position: there is nothing to solve\n");
        return 1;
    }
    engine::TranspositionTable table(settings.tableMiB);
    engine::Search search(table);
    const auto start = Clock::now();
    const int score = *search.solve(position);
    const double solveSeconds = secondsSince(start);
    const std::uint64_t solveNodes = search.nodes();
    std::printf("position \"%s\": score %d, %.2f s, %llu nodes, %.0f nodes/s\n", settings.moves.c_str(), score,
                solveSeconds, static_cast<unsigned long long>(solveNodes),
                static_cast<double>(solveNodes) / solveSeconds);
    const bool outcomes = settings.moves.empty() || settings.outcomes;
    std::array<std::optional<int>, engine::Width> scores;
    if (!outcomes)
        scores = *search.moveScores(position);
    // A position that is its own mirror image, like the empty board, has
    // mirrored columns of the same value: only its left half and centre are searched.
    const bool symmetric = position.key() == position.mirrorKey();
    std::array<const char*, engine::Width> outcomeOfColumn{};
    for (int c = 0; c < engine::Width; ++c) {
        if (!position.canPlay(c)) {
            std::printf("  column %d: full\n", c + 1);
            continue;
        }
        if (!outcomes) {
            const int s = *scores[c];
            std::printf("  column %d: %+d (%s)\n", c + 1, s, s > 0 ? "wins" : s < 0 ? "loses" : "draws");
            continue;
        }
        const int mirror = engine::mirroredColumn(c);
        if (symmetric && mirror < c) {
            outcomeOfColumn[c] = outcomeOfColumn[mirror];
            std::printf("  column %d: %s, as column %d\n", c + 1, outcomeOfColumn[c], mirror + 1);
            continue;
        }
        const auto columnStart = Clock::now();
        outcomeOfColumn[c] = outcomeOf(search, position, c);
        std::printf("  column %d: %s, %.2f s\n", c + 1, outcomeOfColumn[c], secondsSince(columnStart));
    }
    const double seconds = secondsSince(start);
    std::printf("all: %.2f s, %llu nodes, %.0f nodes/s, table %zu MiB\n", seconds,
                static_cast<unsigned long long>(search.nodes()), static_cast<double>(search.nodes()) / seconds,
                table.bytes() >> 20);
    return 0;
}

} // namespace tool
