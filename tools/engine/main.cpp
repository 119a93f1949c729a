// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-engine: the engine's command-line tool. Solves positions, runs the
// benchmark whose node count is the search's signature, makes the opening
// book, and measures the levels of play against one another.

#include "bookmaker.h"
#include "complete.h"
#include "latency.h"
#include "layer.h"
#include "matches.h"

#include "engine/benchmark.h"
#include "engine/book.h"
#include "engine/levels.h"
#include "engine/search.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void usage()
{
    std::cerr << "usage: vantrel-engine bench [--table-mib N]\n"
                 "       vantrel-engine solve [MOVES] [--table-mib N] [--outcomes yes]\n"
                 "       vantrel-engine book --output PART [--depth N] [--shard K/N] [--threads N] [--table-mib N] [--work FILE]\n"
                 "       vantrel-engine merge --depth N [--lines FILE] [--output FILE] PART...\n"
                 "       vantrel-engine verify [--book FILE] [--sample N] [--seed N] [--table-mib N]\n"
                 "       vantrel-engine lines [--depth N] [--book FILE] [--threads N] [--table-mib N] [--work FILE] [--output FILE]\n"
                 "       vantrel-engine tournament [--games N] [--seed N] [--table-mib N] [--book FILE|none] [--pairings easy,medium,hard]\n"
                 "       vantrel-engine timing [--games N] [--seed N] [--table-mib N] [--book FILE|none]\n"
                 "       vantrel-engine latency [--games N] [--level-games N] [--seed N] [--table-mib N] [--book FILE|none]\n"
                 "                              [--from-discs N] [--outcomes yes]\n"
                 "MOVES are columns 1 to 7, as in 4453; the book is " VANTREL_ENGINE_BOOK " by default.\n";
}

// The value of options given as "--name value" after the positional ones.
struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;

    Arguments(int argc, char** argv, int first)
    {
        for (int i = first; i < argc; ++i) {
            const std::string_view a = argv[i];
            if (a.starts_with("--")) {
                if (i + 1 >= argc)
                    throw std::invalid_argument(std::string(a) + " needs a value");
                options.emplace_back(std::string(a.substr(2)), argv[++i]);
            } else {
                positional.emplace_back(a);
            }
        }
    }
    std::string get(const std::string& name, const std::string& fallback) const
    {
        for (const auto& [n, v] : options)
            if (n == name)
                return v;
        return fallback;
    }
    long number(const std::string& name, long fallback) const
    {
        return std::stol(get(name, std::to_string(fallback)));
    }
};

int solve(const Arguments& args)
{
    const std::string moves = args.positional.empty() ? "" : args.positional[0];
    const engine::Position position(moves);
    if (position.isWon() || position.isFull()) {
        std::cout << "the game is over\n";
        return 0;
    }
    engine::TranspositionTable table(static_cast<std::size_t>(args.number("table-mib", 1024)));
    engine::Search search(table);
    const auto start = Clock::now();
    const int score = *search.solve(position);
    const double solveSeconds = secondsSince(start);
    const std::uint64_t solveNodes = search.nodes();
    std::printf("position \"%s\": score %d, %.2f s, %llu nodes, %.0f nodes/s\n", moves.c_str(), score,
                solveSeconds, static_cast<unsigned long long>(solveNodes), static_cast<double>(solveNodes) / solveSeconds);
    // From the empty board an exact score for every first move would cost
    // a whole-game search each: there, and with --outcomes, each move gets
    // its outcome alone, from two null-window searches.
    const bool outcomes = moves.empty() || args.get("outcomes", "no") == "yes";
    std::array<std::optional<int>, engine::Width> scores;
    if (!outcomes)
        scores = *search.moveScores(position);
    // A position that is its own mirror image, like the empty board, has
    // mirrored columns of the same value: only its left half and centre are searched.
    const bool symmetric = position.key() == position.mirrorKey();
    std::array<const char*, engine::Width> outcomeOf{};
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
        const auto columnStart = Clock::now();
        const int mirror = engine::mirroredColumn(c);
        if (symmetric && mirror < c) {
            outcomeOf[c] = outcomeOf[mirror];
            std::printf("  column %d: %s, as column %d\n", c + 1, outcomeOf[c], mirror + 1);
            continue;
        }
        engine::Position next = position;
        next.play(c);
        const char* outcome = "loses";
        if (position.isWinningMove(c) || !*search.scoresAbove(next, -1))
            outcome = "wins";
        else if (!*search.scoresAbove(next, 0))
            outcome = "draws";
        outcomeOf[c] = outcome;
        std::printf("  column %d: %s, %.2f s\n", c + 1, outcome, secondsSince(columnStart));
    }
    const double seconds = secondsSince(start);
    std::printf("all: %.2f s, %llu nodes, %.0f nodes/s, table %zu MiB\n", seconds,
                static_cast<unsigned long long>(search.nodes()), static_cast<double>(search.nodes()) / seconds,
                table.bytes() >> 20);
    return 0;
}

int bench(const Arguments& args)
{
    const auto tableMiB = static_cast<std::size_t>(args.number("table-mib", 8));
    const engine::BenchmarkResult r = engine::runBenchmark(tableMiB);
    std::printf("%zu positions, table %zu MiB\n", r.positions, tableMiB);
    std::printf("nodes %llu\n", static_cast<unsigned long long>(r.nodes));
    std::printf("time %.3f s\n", r.seconds);
    std::printf("nodes/s %.0f\n", static_cast<double>(r.nodes) / r.seconds);
    return 0;
}

engine::Book loadBook(const std::string& path)
{
    if (path == "none")
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::invalid_argument("cannot read the book " + path);
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    return engine::Book::fromBytes(bytes);
}

int matches(const Arguments& args, bool timing)
{
    const engine::Book book = loadBook(args.get("book", VANTREL_ENGINE_BOOK));
    tool::MatchSettings settings;
    settings.games = static_cast<int>(args.number("games", timing ? 40 : 200));
    settings.seed = static_cast<std::uint64_t>(args.number("seed", 1));
    settings.tableMiB = static_cast<std::size_t>(args.number("table-mib", 8));
    settings.book = &book;
    settings.pairings = args.get("pairings", settings.pairings);
    return timing ? tool::timing(settings) : tool::tournament(settings);
}

// "K/N" as two numbers.
std::pair<int, int> shardOf(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        throw std::invalid_argument("--shard takes K/N, as in 2/6");
    return { std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 1)) };
}

int book(const Arguments& args)
{
    tool::LayerSettings settings;
    settings.depth = static_cast<int>(args.number("depth", settings.depth));
    std::tie(settings.shard, settings.shards) = shardOf(args.get("shard", "1/1"));
    settings.threads = static_cast<int>(args.number("threads", settings.threads));
    settings.tableMiB = static_cast<std::size_t>(args.number("table-mib", static_cast<long>(settings.tableMiB)));
    settings.output = args.get("output", "");
    settings.work = args.get("work", "");
    return tool::searchLayer(settings);
}

int latency(const Arguments& args)
{
    const engine::Book book = loadBook(args.get("book", VANTREL_ENGINE_BOOK));
    tool::LatencySettings settings;
    settings.hotseatGames = static_cast<int>(args.number("games", settings.hotseatGames));
    settings.levelGames = static_cast<int>(args.number("level-games", settings.levelGames));
    settings.seed = static_cast<std::uint64_t>(args.number("seed", static_cast<long>(settings.seed)));
    settings.tableMiB = static_cast<std::size_t>(args.number("table-mib", static_cast<long>(settings.tableMiB)));
    settings.book = &book;
    settings.outcomes = args.get("outcomes", "no") == "yes";
    settings.fromDiscs = static_cast<int>(args.number("from-discs", 0));
    return tool::latency(settings);
}

int merge(const Arguments& args)
{
    tool::MergeSettings settings;
    settings.depth = static_cast<int>(args.number("depth", settings.depth));
    settings.parts = args.positional;
    settings.lines = args.get("lines", "");
    settings.output = args.get("output", settings.output);
    return tool::mergeBook(settings);
}

int verify(const Arguments& args)
{
    tool::VerifySettings settings;
    settings.book = args.get("book", VANTREL_ENGINE_BOOK);
    settings.sample = static_cast<int>(args.number("sample", settings.sample));
    settings.seed = static_cast<std::uint64_t>(args.number("seed", static_cast<long>(settings.seed)));
    settings.tableMiB = static_cast<std::size_t>(args.number("table-mib", static_cast<long>(settings.tableMiB)));
    return tool::verifyBook(settings);
}

int lines(const Arguments& args)
{
    tool::BookSettings settings;
    settings.depth = static_cast<int>(args.number("depth", settings.depth));
    settings.threads = static_cast<int>(args.number("threads", settings.threads));
    settings.tableMiB = static_cast<std::size_t>(args.number("table-mib", static_cast<long>(settings.tableMiB)));
    settings.work = args.get("work", settings.work);
    settings.output = args.get("output", settings.output);
    settings.book = args.get("book", "");
    return tool::makeBook(settings);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        usage();
        return 2;
    }
    const std::string_view command = argv[1];
    try {
        const Arguments args(argc, argv, 2);
        if (command == "solve")
            return solve(args);
        if (command == "book")
            return book(args);
        if (command == "lines")
            return lines(args);
        if (command == "latency")
            return latency(args);
        if (command == "merge")
            return merge(args);
        if (command == "verify")
            return verify(args);
        if (command == "bench")
            return bench(args);
        if (command == "tournament")
            return matches(args, false);
        if (command == "timing")
            return matches(args, true);
    } catch (const std::exception& e) {
        std::cerr << "vantrel-engine: " << e.what() << '\n';
        return 2;
    }
    usage();
    return 2;
}
