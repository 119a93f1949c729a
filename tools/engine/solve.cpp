// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve.h"

#include "measure.h"
#include "options.h"

#include "engine/search.h"

#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tool {

namespace {

struct SolveSettings {
    std::string moves;           // the columns played, as in 4453; the empty board when empty
    std::size_t tableMiB = 1024;
    bool outcomes = false;       // each column's outcome alone, rather than its exact score
};

// Whether playing the column wins, draws or loses, from two null-window
// searches at most.
const char* outcomeOf(engine::Search& search, const engine::Position& position, int column)
{
    const engine::AfterColumn after = engine::afterColumn(position, column);
    if (after.settled)
        return *after.settled > 0 ? "wins" : "draws";
    if (!*search.scoresAbove(after.next, -1))
        return "wins";
    if (!*search.scoresAbove(after.next, 0))
        return "draws";
    return "loses";
}

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

} // namespace

int runSolve(Command& command)
{
    SolveSettings settings;
    std::vector<std::string> moves;
    command.words("MOVES", "The columns played so far, 1 to 7, as in 4453; the empty board when none", moves, 0, 1);
    tableOption(command, settings.tableMiB);
    command.yesNo("outcomes", "Each column's outcome alone, rather than its exact score", settings.outcomes);
    if (!command.read())
        return 0;
    settings.moves = moves.empty() ? "" : moves.front();
    // No game has more moves than the board has cells; the message shows
    // the start of such a string, not all of it.
    if (settings.moves.size() > engine::Cells)
        command.refuse("MOVES: " + quotedStart(settings.moves) + " holds more moves than the board's "
                       + std::to_string(engine::Cells) + " cells");
    try {
        static_cast<void>(engine::Position(settings.moves)); // throws on a move that cannot be played
    } catch (const std::invalid_argument& e) {
        command.refuse(std::string("MOVES: ") + e.what());
    }
    return solve(settings);
}

} // namespace tool
