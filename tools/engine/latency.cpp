// SPDX-License-Identifier: GPL-3.0-or-later
#include "latency.h"

#include "measure.h"
#include "options.h"

#include "engine/benchmark.h"
#include "engine/engine.h"
#include "engine/threadcount.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tool {

using engine::Level;
using engine::Position;
using engine::Random;

namespace {

struct LatencySettings {
    int hotseatGames = 200;
    int levelGames = 100;        // against each level
    std::uint64_t seed = 1;
    std::size_t tableMiB = 8;    // the program's
    const engine::Book* book = nullptr;
    int fromDiscs = 0;           // positions with fewer discs go untimed
    bool outcomes = false;       // time every column's score, as the outcomes view asks
    int threads = engine::processorsToUse();
    int paceMs = 0;              // thinking ahead after each answer, as a person's pace lets the game
};

// The most thinking ahead the tool waits for before each move.
constexpr int MostPaceMs = 60'000;

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

// One figure timed at every position, with its targets.
struct Measure {
    const char* name;
    double p95Target, maxTarget; // seconds
    Times cold, warm;
    double slowestCold = 0;      // seconds
    std::string slowestMoves;    // the position of the slowest cold answer, as moves
};

// What an answer should take once the game has thought ahead at a
// person's pace: one frame at the 95th percentile, never a visible beat.
constexpr double PacedP95Target = 0.016, PacedMaxTarget = 0.100;

// Thinking ahead as the game does it, on a thread of its own: from a
// position's answer until the move, at most `pace`, and abandoned by the
// move; its threads wind down while the next question is asked, and are
// joined after it.
class ThinkingAhead {
public:
    ~ThinkingAhead() { join(); }

    // Thinks ahead until done or `pace` has passed; says which.
    bool during(std::chrono::milliseconds pace, engine::Engine& engine, const Position& p,
                engine::Engine::Opponent opponent)
    {
        join();
        m_stop = false;
        m_done = false;
        m_thread = std::thread([this, &engine, p, opponent] {
            engine.thinkAhead(p, opponent, m_stop);
            {
                const std::lock_guard lock(m_mutex);
                m_done = true;
            }
            m_ended.notify_all();
        });
        std::unique_lock lock(m_mutex);
        const bool done = m_ended.wait_for(lock, pace, [this] { return m_done; });
        m_stop = true;
        return done;
    }

    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false; // under m_mutex
};

// Two engines answer every position asked: one emptied before each, one
// kept through a game, which at a pace thinks ahead after each answer, as
// the game does. Answers are timed as the program waits for them: perfect
// play's choice, or the outcomes view's signs and counts.
class Timer {
public:
    Timer(const LatencySettings& settings, engine::Engine::Opponent opponent)
        : m_cold(settings.tableMiB)
        , m_warm(settings.tableMiB)
        , m_outcomes(settings.outcomes)
        , m_fromDiscs(settings.fromDiscs)
        , m_pace(settings.paceMs)
        , m_opponent(opponent)
    {
        for (engine::Engine* engine : { &m_cold, &m_warm }) {
            if (settings.book != nullptr)
                engine->setBook(*settings.book);
            engine->setThreads(settings.threads);
        }
        if (m_outcomes)
            measures = { { "every column's sign", 0.050, 0.5, {}, {}, 0, {} },
                         { "every column's count", 0.250, 1.0, {}, {}, 0, {} } };
        else
            measures = { { "perfect play's answer", 0.030, 0.5, {}, {}, 0, {} } };
    }

    void newGame()
    {
        m_ahead.join();
        m_warm.clearTable();
    }

    // Times the position these moves reach; at a pace, then thinks ahead
    // until the move.
    void time(const Position& p, const std::string& moves)
    {
        if (p.moves() >= m_fromDiscs) {
            if (m_pace.count() > 0)
                answeredAtOnce += m_warm.knownScores(p).has_value() ? 1 : 0;
            record(&Measure::warm, m_warm, p);
            m_ahead.join();
            m_cold.clearTable();
            record(&Measure::cold, m_cold, p);
            for (Measure& m : measures)
                if (m.cold[p.moves()].back() > m.slowestCold) {
                    m.slowestCold = m.cold[p.moves()].back();
                    m.slowestMoves = moves;
                }
        }
        if (m_pace.count() > 0) {
            ++thoughtAhead;
            thoughtAheadWholly += m_ahead.during(m_pace, m_warm, p, m_opponent) ? 1 : 0;
        }
    }

    // The engine the game holds, which the computer asks too.
    engine::Engine& gameEngine() { return m_warm; }

    std::vector<Measure> measures;
    int answeredAtOnce = 0; // positions timed whose scores were known when asked
    int thoughtAhead = 0, thoughtAheadWholly = 0; // positions thought ahead from, and those whose list was done

private:
    void record(Times Measure::*times, engine::Engine& engine, const Position& p)
    {
        const auto start = Clock::now();
        if (!m_outcomes) {
            engine.perfectChoice(p, m_stop);
            (measures[0].*times)[p.moves()].push_back(secondsSince(start));
            return;
        }
        // The view's signs are all there once every open column's sign is.
        int columns = 0;
        for (int column = 0; column < engine::Width; ++column)
            columns += p.canPlay(column) ? 1 : 0;
        std::array<bool, engine::Width> signKnown{};
        int signs = 0;
        double signsSeconds = 0;
        engine.scoreColumns(p, m_stop, [&](int column, engine::ScoreBounds bounds) {
            if (bounds.isSignKnown() && !signKnown[static_cast<std::size_t>(column)]) {
                signKnown[static_cast<std::size_t>(column)] = true;
                if (++signs == columns)
                    signsSeconds = secondsSince(start);
            }
        });
        (measures[0].*times)[p.moves()].push_back(signsSeconds);
        (measures[1].*times)[p.moves()].push_back(secondsSince(start));
    }

    engine::Engine m_cold, m_warm;
    const bool m_outcomes;
    const int m_fromDiscs;
    const std::chrono::milliseconds m_pace;
    const engine::Engine::Opponent m_opponent;
    const std::atomic<bool> m_stop{ false };
    ThinkingAhead m_ahead; // last: its thread ends before the engines go
};

// Plays a game; the person moves with personMove, the other side with
// `other` (a second person, or a level). Positions where `timed` says so
// are timed before their move.
template <typename Other, typename Timed>
void playGame(Timer& timer, Random& random, bool personFirst, Other other, Timed timed)
{
    timer.newGame();
    Position p;
    std::string moves;
    for (int turn = 0; !p.isFull(); ++turn) {
        const bool person = (turn % 2 == 0) == personFirst;
        if (timed(person))
            timer.time(p, moves);
        const int column = person ? personMove(p, random) : other(p);
        if (p.isWinningMove(column))
            return;
        p.play(column);
        moves += static_cast<char>('1' + column);
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

// Prints a run's tables and says whether they met the targets: cold's, or
// at a pace the paced answers'.
bool report(const std::string& title, const Timer& timer, bool paced)
{
    bool met = true;
    for (const Measure& m : timer.measures) {
        const double p95Target = paced ? PacedP95Target : m.p95Target;
        const double maxTarget = paced ? PacedMaxTarget : m.maxTarget;
        std::printf("%s: %s, targets %s p95 < %.0f ms, max < %.0f ms\n  %-8s %6s %9s %9s %9s   %9s %9s %9s\n",
                    title.c_str(), m.name, paced ? "paced" : "cold", 1000 * p95Target, 1000 * maxTarget, "discs",
                    "count", "cold med", "p95", "max ms", paced ? "paced med" : "warm med", "p95", "max ms");
        for (const auto& [discs, values] : m.cold)
            printRow(std::to_string(discs).c_str(), summarise(values), summarise(m.warm.at(discs)));
        const Summary cold = summarise(all(m.cold)), warm = summarise(all(m.warm));
        printRow("all", cold, warm);
        std::printf("  answers of a second or more: cold %zu, %s %zu; the slowest cold, %.0f ms, after \"%s\"\n",
                    cold.overOneSecond, paced ? "paced" : "warm", warm.overOneSecond, 1000 * m.slowestCold,
                    m.slowestMoves.c_str());
        const Summary& judged = paced ? warm : cold;
        met &= judged.p95 < p95Target && judged.max < maxTarget;
    }
    if (paced)
        std::printf("  positions whose scores were known when asked: %d of %zu; thinking ahead done within the "
                    "pace: %d of %d\n",
                    timer.answeredAtOnce, summarise(all(timer.measures.front().warm)).count, timer.thoughtAheadWholly,
                    timer.thoughtAhead);
    std::printf("\n");
    std::fflush(stdout);
    return met;
}

int latency(const LatencySettings& settings)
{
    Random random(settings.seed);
    bool met = true;
    // The machine's speed first, by which other machines' figures scale.
    const engine::BenchmarkResult bench = engine::runBenchmark(settings.tableMiB);
    std::printf("bench: %llu nodes in %.3f s on one thread\n", static_cast<unsigned long long>(bench.nodes),
                bench.seconds);
    const bool paced = settings.paceMs > 0;
    std::printf("%s in ms, %d thread%s, table %zu MiB, book of %zu positions; cold: the table emptied "
                "before each position, %s\n\n",
                settings.outcomes ? "the outcomes view" : "perfect play's answer", settings.threads,
                settings.threads == 1 ? "" : "s", settings.tableMiB,
                settings.book != nullptr ? settings.book->size() : 0,
                paced ? ("paced: kept through the game, thinking ahead for up to " + std::to_string(settings.paceMs)
                         + " ms after each answer, as the game does at a person's pace; the computer asks it too")
                            .c_str()
                      : "warm: kept through the game");

    Timer hotseat(settings, engine::Engine::Opponent::person);
    for (int game = 0; game < settings.hotseatGames; ++game)
        playGame(hotseat, random, true, [&](const Position& p) { return personMove(p, random); },
                 [](bool) { return true; });
    met &= report(std::to_string(settings.hotseatGames) + " games between two people, seed "
                      + std::to_string(settings.seed) + ", every ply",
                  hotseat, paced);

    for (const auto& [name, named] : { std::pair{ "easy", Level::easy }, { "medium", Level::medium },
                                       { "hard", Level::hard } }) {
        const Level level = named; // a lambda cannot capture a structured binding in C++20
        Timer person(settings, engine::Engine::Opponent::computer);
        engine::Engine separate(settings.tableMiB);
        if (settings.book != nullptr)
            separate.setBook(*settings.book);
        separate.setThreads(settings.threads);
        // At a pace the computer asks the game's engine, as in the game;
        // otherwise an engine of its own, as before thinking ahead.
        engine::Engine& computer = paced ? person.gameEngine() : separate;
        const std::atomic<bool> stop{ false };
        for (int game = 0; game < settings.levelGames; ++game) {
            // A new game, as the program plays one: the computer's table is new.
            if (!paced)
                computer.clearTable();
            playGame(person, random, game % 2 == 0,
                     [&](const Position& p) { return *computer.chooseMove(p, level, random, stop); },
                     [](bool personsTurn) { return personsTurn; });
        }
        met &= report(std::to_string(settings.levelGames) + " games against " + name + ", the person's turns",
                      person, paced);
    }

    std::printf("named openings, cold, ms:");
    for (const char* moves : { "11", "34", "67", "1111", "4352" }) {
        LatencySettings unpaced = settings;
        unpaced.paceMs = 0;
        Timer named(unpaced, engine::Engine::Opponent::person);
        named.time(Position(moves), moves);
        const Times& cold = named.measures.back().cold;
        if (!cold.empty())
            std::printf("  \"%s\" %.3f", moves, 1000 * cold.begin()->second.front());
    }
    std::printf("\n");
    return met ? 0 : 1;
}

} // namespace

int runLatency(Command& command)
{
    LatencySettings settings;
    command.number("games", "Games between two people, every position timed", settings.hotseatGames, 0, MaxGames);
    command.number("level-games", "Games against each level, the person's turns timed", settings.levelGames, 0,
                   MaxGames);
    seedOption(command, settings.seed);
    tableOption(command, settings.tableMiB);
    BookOption book(command, "The opening book, or none");
    command.number("from-discs", "The fewest discs on the board in a position timed", settings.fromDiscs, 0,
                   engine::Cells);
    command.yesNo("outcomes", "Time every column's score, as the outcomes view asks, rather than perfect play's answer",
                  settings.outcomes);
    command.number("threads", "Threads searching together, as the game uses them", settings.threads, 1,
                   engine::MostThreads);
    command.number("pace", "Milliseconds of thinking ahead after each answer, before the move, as the game thinks "
                           "while a person chooses; 0 for none",
                   settings.paceMs, 0, MostPaceMs);
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return latency(settings);
}

} // namespace tool
