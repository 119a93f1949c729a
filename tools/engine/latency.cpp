// SPDX-License-Identifier: GPL-3.0-or-later
#include "latency.h"

#include "measure.h"

#include "engine/engine.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace tool {

using engine::Level;
using engine::Position;
using engine::Random;

namespace {

// A person at the board: takes a win when there is one, blocks the
// opponent's when it must, and otherwise drops a disc anywhere, the centre
// more often.
int personMove(const Position& p, Random& random)
{
    const engine::Bitboard possible = p.possibleMoves();
    for (const engine::Bitboard cells : { possible & p.winningCells(), possible & p.opponentWinningCells() })
        for (const int column : engine::CentreFirst)
            if ((cells & Position::columnCells(column)) != 0)
                return column;
    return engine::weightedColumn(possible, random);
}

using Times = std::map<int, std::vector<double>>; // seconds, by discs on the board

// Two engines answer every position asked: one emptied before each, one
// kept through a game.
class Timer {
public:
    explicit Timer(const LatencySettings& settings)
        : m_cold(settings.tableMiB)
        , m_warm(settings.tableMiB)
        , m_outcomes(settings.outcomes)
        , m_fromDiscs(settings.fromDiscs)
    {
        if (settings.book != nullptr) {
            m_cold.setBook(*settings.book);
            m_warm.setBook(*settings.book);
        }
    }

    void newGame() { m_warm.clearTable(); }

    void time(const Position& p)
    {
        if (p.moves() < m_fromDiscs)
            return;
        m_cold.clearTable();
        cold[p.moves()].push_back(secondsFor(m_cold, p));
        warm[p.moves()].push_back(secondsFor(m_warm, p));
    }

    Times cold, warm;

private:
    double secondsFor(engine::Engine& engine, const Position& p)
    {
        const auto start = Clock::now();
        if (m_outcomes) {
            // The outcomes view asks for one column after another.
            for (int column = 0; column < engine::Width; ++column)
                if (p.canPlay(column))
                    engine.columnScore(p, column, m_stop);
        } else {
            engine.perfectChoice(p, m_stop);
        }
        return secondsSince(start);
    }

    engine::Engine m_cold, m_warm;
    const bool m_outcomes;
    const int m_fromDiscs;
    const std::atomic<bool> m_stop{ false };
};

// Plays a game; the person moves with personMove, the other side with
// `other` (a second person, or a level). Positions where `timed` says so
// are timed before their move.
template <typename Other, typename Timed>
void playGame(Timer& timer, Random& random, bool personFirst, Other other, Timed timed)
{
    timer.newGame();
    Position p;
    for (int turn = 0; !p.isFull(); ++turn) {
        const bool person = (turn % 2 == 0) == personFirst;
        if (timed(person))
            timer.time(p);
        const int column = person ? personMove(p, random) : other(p);
        if (p.isWinningMove(column))
            return;
        p.play(column);
    }
}

struct Summary {
    std::size_t count = 0;
    double median = 0, p95 = 0, max = 0;
    std::size_t overOneSecond = 0;
};

Summary summarise(const std::vector<double>& times)
{
    if (times.empty())
        return {};
    return { times.size(), percentile(times, 0.5), percentile(times, 0.95),
             *std::max_element(times.begin(), times.end()),
             static_cast<std::size_t>(std::count_if(times.begin(), times.end(), [](double t) { return t >= 1; })) };
}

void printRow(const char* label, const Summary& cold, const Summary& warm)
{
    std::printf("  %-8s %6zu %9.3f %9.3f %9.3f   %9.3f %9.3f %9.3f\n", label, cold.count, 1000 * cold.median,
                1000 * cold.p95, 1000 * cold.max, 1000 * warm.median, 1000 * warm.p95, 1000 * warm.max);
}

std::vector<double> all(const Times& times)
{
    std::vector<double> joined;
    for (const auto& [discs, values] : times)
        joined.insert(joined.end(), values.begin(), values.end());
    return joined;
}

// Prints a run's table and says whether it met the targets.
bool report(const std::string& title, const Timer& timer)
{
    std::printf("%s\n  %-8s %6s %9s %9s %9s   %9s %9s %9s\n", title.c_str(), "discs", "count", "cold med",
                "p95", "max ms", "warm med", "p95", "max ms");
    for (const auto& [discs, values] : timer.cold)
        printRow(std::to_string(discs).c_str(), summarise(values), summarise(timer.warm.at(discs)));
    const Summary cold = summarise(all(timer.cold)), warm = summarise(all(timer.warm));
    printRow("all", cold, warm);
    std::printf("  answers of a second or more: cold %zu, warm %zu\n\n", cold.overOneSecond, warm.overOneSecond);
    std::fflush(stdout);
    return cold.p95 < 0.05 && cold.max < 1;
}

} // namespace

int latency(const LatencySettings& settings)
{
    Random random(settings.seed);
    bool met = true;
    std::printf("%s in ms, table %zu MiB, book of %zu positions; cold: the table emptied "
                "before each position, warm: kept through the game; targets, cold: p95 < 50 ms, max < 1000 ms\n\n",
                settings.outcomes ? "every column's outcome" : "perfect play's answer", settings.tableMiB,
                settings.book != nullptr ? settings.book->size() : 0);

    Timer hotseat(settings);
    for (int game = 0; game < settings.hotseatGames; ++game)
        playGame(hotseat, random, true, [&](const Position& p) { return personMove(p, random); },
                 [](bool) { return true; });
    met &= report(std::to_string(settings.hotseatGames) + " games between two people, seed "
                      + std::to_string(settings.seed) + ", every ply",
                  hotseat);

    for (const auto& [name, named] : { std::pair{ "easy", Level::easy }, { "medium", Level::medium },
                                       { "hard", Level::hard } }) {
        const Level level = named; // a lambda cannot capture a structured binding in C++20
        Timer person(settings);
        engine::Engine computer(settings.tableMiB);
        if (settings.book != nullptr)
            computer.setBook(*settings.book);
        const std::atomic<bool> stop{ false };
        for (int game = 0; game < settings.levelGames; ++game) {
            // A new game, as the program plays one: the computer's table is new.
            computer.clearTable();
            playGame(person, random, game % 2 == 0,
                     [&](const Position& p) { return *computer.chooseMove(p, level, random, stop); },
                     [](bool personsTurn) { return personsTurn; });
        }
        met &= report(std::to_string(settings.levelGames) + " games against " + name + ", the person's turns",
                      person);
    }

    std::printf("named openings, cold, ms:");
    for (const char* moves : { "11", "34", "67", "1111", "4352" }) {
        Timer named(settings);
        named.time(Position(moves));
        if (!named.cold.empty())
            std::printf("  \"%s\" %.3f", moves, 1000 * named.cold.begin()->second.front());
    }
    std::printf("\n");
    return met ? 0 : 1;
}

} // namespace tool
