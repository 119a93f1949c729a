// SPDX-License-Identifier: GPL-3.0-or-later
#include "matches.h"

#include "measure.h"
#include "options.h"

#include "engine/engine.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tool {

using engine::Position;
using engine::Random;

namespace {

struct MatchSettings {
    int games = 200;             // for each pairing
    std::uint64_t seed = 1;
    std::size_t tableMiB = 8;    // hard's table, as in the game
    const engine::Book* book = nullptr;
    std::vector<std::string> pairings{ "easy", "medium", "hard" }; // the pairings to play, by their stronger side
};

enum class Kind { random, easy, medium, hard };

const char* nameOf(Kind kind)
{
    switch (kind) {
    case Kind::random:
        return "random";
    case Kind::easy:
        return "easy";
    case Kind::medium:
        return "medium";
    case Kind::hard:
        return "hard";
    }
    return "?";
}

// One side of a game. Hard keeps one engine for the game, as the program
// does, and records the score of each position it moved in and how long it
// took to answer.
class Player {
public:
    Player(Kind kind, const MatchSettings& settings)
        : m_kind(kind)
    {
        if (kind == Kind::hard) {
            m_engine = std::make_unique<engine::Engine>(settings.tableMiB);
            if (settings.book != nullptr)
                m_engine->setBook(*settings.book);
        }
    }

    int move(const Position& p, Random& random)
    {
        switch (m_kind) {
        case Kind::random:
            return engine::randomMove(p, random);
        case Kind::easy:
            return engine::easyMove(p, random);
        case Kind::medium:
            return engine::mediumMove(p, random);
        case Kind::hard:
            break;
        }
        const auto start = Clock::now();
        const engine::Choice choice = *m_engine->perfectChoice(p, m_stop);
        times.push_back(secondsSince(start));
        discs.push_back(p.moves());
        scores.push_back(choice.score);
        return choice.column;
    }

    std::vector<double> times;
    std::vector<int> discs;
    std::vector<int> scores;

private:
    Kind m_kind;
    std::unique_ptr<engine::Engine> m_engine;
    const std::atomic<bool> m_stop{ false };
};

// Plays a game from an opening between two players, `a` moving first after
// the opening; returns +1 when a wins, -1 when b wins, 0 for a draw.
int play(Position p, Player& a, Player& b, Random& random)
{
    for (int turn = 0;; ++turn) {
        Player& mover = turn % 2 == 0 ? a : b;
        const int column = mover.move(p, random);
        if (p.isWinningMove(column))
            return turn % 2 == 0 ? 1 : -1;
        p.play(column);
        if (p.isFull())
            return 0;
    }
}

// An opening of zero to three random moves that ends no game and leaves no
// win at once.
Position opening(Random& random)
{
    for (;;) {
        Position p;
        const int length = std::uniform_int_distribution<int>(0, 3)(random);
        bool quiet = true;
        for (int i = 0; i < length && quiet; ++i) {
            const int column = engine::randomMove(p, random);
            quiet = !p.isWinningMove(column);
            p.play(column);
        }
        if (quiet && !p.canWinNext())
            return p;
    }
}

long peakMemoryKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmHWM:"))
            return std::stol(line.substr(6));
    return -1;
}

int tournament(const MatchSettings& settings)
{
    struct Pairing {
        Kind a, b;
        double target; // the least share of games a must win, or 0
    };
    const Pairing pairings[] = { { Kind::easy, Kind::random, 0.90 },
                                 { Kind::medium, Kind::easy, 0.80 },
                                 { Kind::hard, Kind::medium, 0 } };
    Random random(settings.seed);
    int status = 0;
    for (const Pairing& pairing : pairings) {
        if (std::find(settings.pairings.begin(), settings.pairings.end(), nameOf(pairing.a))
            == settings.pairings.end())
            continue;
        int wins = 0, draws = 0, losses = 0, unsavedLosses = 0;
        const auto start = Clock::now();
        Position from;
        for (int game = 0; game < settings.games; ++game) {
            // Each opening twice, with the other side moving first after it.
            // Hard's book holds the positions its own play reaches: its games
            // start from the empty board, and medium's randomness spreads them.
            if (game % 2 == 0)
                from = pairing.a == Kind::hard ? Position{} : opening(random);
            Player a(pairing.a, settings), b(pairing.b, settings);
            const bool aFirst = game % 2 == 0;
            const int result = aFirst ? play(from, a, b, random) : -play(from, b, a, random);
            wins += result > 0;
            draws += result == 0;
            losses += result < 0;
            // Perfect play loses only what was lost before it moved.
            if (pairing.a == Kind::hard && result < 0
                && std::any_of(a.scores.begin(), a.scores.end(), [](int s) { return s >= 0; }))
                ++unsavedLosses;
        }
        const double seconds = secondsSince(start);
        const double share = static_cast<double>(wins) / settings.games;
        std::printf("%-6s against %-6s %4d games: %4d won, %4d drawn, %4d lost (%.1f%% won) in %.1f s",
                    nameOf(pairing.a), nameOf(pairing.b), settings.games, wins, draws, losses, 100 * share,
                    seconds);
        if (pairing.a == Kind::hard) {
            std::printf("; losses perfect play could have saved: %d (target 0)\n", unsavedLosses);
            status |= unsavedLosses > 0;
        } else {
            std::printf("; target %.0f%% won\n", 100 * pairing.target);
            status |= share < pairing.target;
        }
        std::fflush(stdout);
    }
    return status;
}

int timing(const MatchSettings& settings)
{
    // What the process held before any game: its libraries (Qt Core's
    // among them) and the book, read into memory.
    const long before = peakMemoryKiB();
    Random random(settings.seed);
    std::vector<double> times;
    std::vector<int> discs; // on the board at each answer
    const Kind opponents[] = { Kind::random, Kind::easy, Kind::medium };
    int games = 0;
    for (const Kind opponent : opponents)
        for (int game = 0; game < settings.games; ++game) {
            Player hard(Kind::hard, settings), other(opponent, settings);
            if (game % 2 == 0)
                play(Position{}, hard, other, random);
            else
                play(Position{}, other, hard, random);
            times.insert(times.end(), hard.times.begin(), hard.times.end());
            discs.insert(discs.end(), hard.discs.begin(), hard.discs.end());
            ++games;
        }
    const double median = percentile(times, 0.5), p95 = percentile(times, 0.95);
    const auto slowest = std::max_element(times.begin(), times.end());
    const double worst = *slowest;
    std::printf("hard's answers: %zu moves in %d games against random, easy and medium, either colour, %s book\n",
                times.size(), games, settings.book != nullptr && !settings.book->empty() ? "with the" : "without a");
    std::printf("  median %.3f ms, 95th percentile %.3f ms (target < 100), max %.3f ms (target < 1000)\n",
                1000 * median, 1000 * p95, 1000 * worst);
    std::printf("  the slowest answer was with %d discs on the board\n", discs[slowest - times.begin()]);
    const long peak = peakMemoryKiB();
    std::printf("  peak resident memory of this process (VmHWM): %.1f MiB, %.1f MiB more than before the games; "
                "table %zu MiB, book %zu positions\n",
                static_cast<double>(peak) / 1024, static_cast<double>(peak - before) / 1024, settings.tableMiB,
                settings.book != nullptr ? settings.book->size() : 0);
    return p95 < 0.1 && worst < 1 ? 0 : 1;
}

// The options tournament and timing share.
void matchOptions(Command& command, MatchSettings& settings)
{
    command.number("games", "Games for each pairing", settings.games, 1, MaxGames);
    seedOption(command, settings.seed);
    tableOption(command, settings.tableMiB, "Hard's table size in MiB");
}

} // namespace

int runTournament(Command& command)
{
    MatchSettings settings;
    matchOptions(command, settings);
    BookOption book(command, "Hard's opening book, or none");
    command.listOf("pairings", "The pairings to play, by their stronger side", settings.pairings,
                   { "easy", "medium", "hard" });
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return tournament(settings);
}

int runTiming(Command& command)
{
    MatchSettings settings;
    settings.games = 40;
    matchOptions(command, settings);
    BookOption book(command, "Hard's opening book, or none");
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return timing(settings);
}

} // namespace tool
