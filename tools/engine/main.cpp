// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-engine: the engine's command-line tool. Solves positions, runs the
// benchmark whose node count is the search's signature, makes the opening
// book, and measures the levels of play against one another.
//
// Each subcommand declares its options here, one line each, into the
// settings of the function that does its work; every value is checked,
// and every file read or to be written is tried, before any work starts.

#include "book.h"
#include "bookfile.h"
#include "command.h"
#include "latency.h"
#include "lines.h"
#include "matches.h"
#include "merge.h"
#include "solve.h"
#include "verify.h"
#include "workfile.h"

#include "engine/benchmark.h"
#include "engine/position.h"
#include "engine/team.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <new>
#include <string>
#include <string_view>

namespace {

using tool::Command;
using tool::Need;

using tool::MaxLayerDepth;
using tool::MaxLinesDepth;

constexpr int MaxThreads = 1024;
constexpr int MaxGames = 1'000'000;
constexpr std::uint64_t MaxSeed = std::numeric_limits<std::uint64_t>::max();

// The machine's memory, in MiB: the most that tables can take.
std::size_t machineMiB()
{
    return static_cast<std::size_t>(sysconf(_SC_PHYS_PAGES)) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) >> 20;
}

void tableOption(Command& command, std::size_t& mebibytes, const char* meaning = "The table's size in MiB")
{
    command.number("table-mib", meaning, mebibytes, std::size_t{1}, machineMiB());
}

void seedOption(Command& command, std::uint64_t& seed)
{
    command.number("seed", "The seed of the random choices", seed, std::uint64_t{0}, MaxSeed);
}

// Threads that each have a table of their own must fit the machine together.
void checkMemory(const Command& command, int threads, std::size_t tableMiB)
{
    const std::size_t needed = static_cast<std::size_t>(threads) * tableMiB;
    if (needed > machineMiB())
        command.refuse("--threads " + std::to_string(threads) + " with --table-mib " + std::to_string(tableMiB)
                       + " need " + std::to_string(needed) + " MiB, more than this machine's "
                       + std::to_string(machineMiB()));
}

// The shipped book, found from the tool itself: VANTREL_ENGINE_BOOK is its
// path from the folder the tool was built in, so that a tree copied
// elsewhere, build folder and all, reads its own copy. (Without /proc, the
// path is taken from the current folder.)
std::string shippedBook()
{
    std::error_code error;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    return (tool.parent_path() / VANTREL_ENGINE_BOOK).lexically_normal().string();
}

// A book named on the command line, by `what` (its option), read and
// checked before any work; no book for `none` where that is allowed.
engine::Book readBook(const Command& command, const std::string& what, const std::string& path,
                      bool noneAllowed = false)
{
    if (noneAllowed && path == "none")
        return {};
    try {
        return tool::readBookFile(path);
    } catch (const std::runtime_error& e) {
        command.refuse(what + ": " + e.what());
    }
}

// --book FILE or none: the opening book, the shipped one by default.
class BookOption {
public:
    BookOption(Command& command, const char* meaning) { command.file("book", meaning, m_path); }

    // The book, read and checked; call once the command line is read.
    const engine::Book* read(const Command& command)
    {
        m_book = readBook(command, "--book", m_path, true);
        return &m_book;
    }

private:
    std::string m_path = shippedBook();
    engine::Book m_book;
};

void checkCanWrite(const Command& command, const std::string& option, const std::string& path, bool replace)
{
    try {
        tool::checkCanWrite(path, replace);
    } catch (const std::runtime_error& e) {
        command.refuse(option + ": " + e.what());
    }
}

int runSolve(Command& command)
{
    tool::SolveSettings settings;
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
        command.refuse("MOVES: " + tool::quotedStart(settings.moves) + " holds more moves than the board's "
                       + std::to_string(engine::Cells) + " cells");
    try {
        static_cast<void>(engine::Position(settings.moves)); // throws on a move that cannot be played
    } catch (const std::invalid_argument& e) {
        command.refuse(std::string("MOVES: ") + e.what());
    }
    return tool::solve(settings);
}

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

// The options book and lines share: threads that each have a table of
// their own, and a book written at the end of a long search that resumes
// from its work file.
class LongSearchOptions {
public:
    LongSearchOptions(Command& command, int& threads, std::size_t& tableMiB, std::string& output, std::string& work,
                      const char* outputMeaning)
        : m_threads(threads)
        , m_tableMiB(tableMiB)
        , m_output(output)
        , m_work(work)
    {
        command.number("threads", "Threads searching at once", threads, 1, MaxThreads);
        tableOption(command, tableMiB, "Each thread's table size in MiB");
        command.file("output", outputMeaning, output, Need::required);
        command.file("work", "Where each choice is kept as it is made, to resume from; by default the output's name and .work",
                     work);
        command.flag("force", "Replace the output if it exists", m_force);
    }

    // Once the command line is read: the memory, and the files the search
    // will write, checked before it starts.
    void check(const Command& command)
    {
        if (m_work.empty())
            m_work = m_output + ".work";
        checkMemory(command, m_threads, m_tableMiB);
        checkCanWrite(command, "--output", m_output, m_force);
        checkCanWrite(command, "--work", m_work, true);
    }

private:
    const int& m_threads;
    const std::size_t& m_tableMiB;
    const std::string& m_output;
    std::string& m_work;
    bool m_force = false;
};

// Runs a long search, refusing its work file, as a file named on the
// command line, when it will not resume from it: the search reads it
// before it searches anything.
template <typename Search>
int resumingFromWork(const Command& command, Search search)
{
    try {
        return search();
    } catch (const tool::DamagedWork& e) {
        command.refuse(std::string("--work: ") + e.what());
    } catch (const tool::UnreadableFile& e) {
        command.refuse(std::string("--work: ") + e.what());
    }
}

int runBook(Command& command)
{
    tool::BookSettings settings;
    command.number("depth", "The discs on the board in every position of the layer", settings.depth, 0, MaxLayerDepth);
    command.shard("shard", "This part of the layer, cut into N in key order", settings.shard, settings.shards);
    LongSearchOptions search(command, settings.threads, settings.tableMiB, settings.output, settings.work,
                             "The part to write");
    BookOption known(command, "A book of the layers before, whose bounds start each search, or none");
    if (!command.read())
        return 0;
    search.check(command);
    settings.known = known.read(command);
    return resumingFromWork(command, [&] { return tool::book(settings); });
}

int runMerge(Command& command)
{
    tool::MergeSettings settings;
    std::string linesPath;
    std::vector<std::string> partPaths;
    bool force = false;
    command.number("depth", "The discs on the board in every position of the parts", settings.depth, 0, MaxLayerDepth);
    command.file("lines", "Hard's lines to keep beyond the depth", linesPath);
    command.file("output", "The book to write", settings.output, Need::required);
    command.flag("force", "Replace the output if it exists", force);
    command.words("PART", "The parts of the layer, as book wrote them", partPaths, 1, std::numeric_limits<int>::max());
    if (!command.read())
        return 0;
    checkCanWrite(command, "--output", settings.output, force);
    for (const std::string& path : partPaths)
        settings.parts.push_back({ path, readBook(command, "PART", path) });
    try {
        tool::checkParts(settings.depth, settings.parts);
    } catch (const std::invalid_argument& e) {
        command.refuse(std::string("PART: ") + e.what());
    }
    const engine::Book lines = linesPath.empty() ? engine::Book() : readBook(command, "--lines", linesPath);
    if (!linesPath.empty())
        settings.lines = &lines;
    return tool::merge(settings);
}

int runVerify(Command& command)
{
    tool::VerifySettings settings;
    settings.path = shippedBook();
    command.file("book", "The book to check", settings.path);
    command.number("sample", "Entries of the deepest layer searched again", settings.sample, 0, MaxGames);
    seedOption(command, settings.seed);
    tableOption(command, settings.tableMiB);
    if (!command.read())
        return 0;
    engine::Book book;
    try {
        book = tool::readBookFile(settings.path);
    } catch (const tool::DamagedBook& e) {
        std::printf("verify: %s\n", e.what());
        return 1;
    } catch (const tool::UnreadableFile& e) {
        command.refuse(std::string("--book: ") + e.what());
    }
    settings.book = &book;
    return tool::verify(settings);
}

int runLines(Command& command)
{
    tool::LinesSettings settings;
    std::string givenPath;
    command.number("depth", "The most discs on the board in a position of the lines", settings.depth, 1, MaxLinesDepth);
    command.file("book", "A book whose choices are taken rather than searched", givenPath);
    LongSearchOptions search(command, settings.threads, settings.tableMiB, settings.output, settings.work,
                             "The book of hard's lines to write");
    if (!command.read())
        return 0;
    const engine::Book given = givenPath.empty() ? engine::Book() : readBook(command, "--book", givenPath);
    if (!givenPath.empty())
        settings.given = &given;
    search.check(command);
    return resumingFromWork(command, [&] { return tool::lines(settings); });
}

// The options tournament and timing share.
void matchOptions(Command& command, tool::MatchSettings& settings)
{
    command.number("games", "Games for each pairing", settings.games, 1, MaxGames);
    seedOption(command, settings.seed);
    tableOption(command, settings.tableMiB, "Hard's table size in MiB");
}

int runTournament(Command& command)
{
    tool::MatchSettings settings;
    matchOptions(command, settings);
    BookOption book(command, "Hard's opening book, or none");
    command.listOf("pairings", "The pairings to play, by their stronger side", settings.pairings,
                   { "easy", "medium", "hard" });
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return tool::tournament(settings);
}

int runTiming(Command& command)
{
    tool::MatchSettings settings;
    settings.games = 40;
    matchOptions(command, settings);
    BookOption book(command, "Hard's opening book, or none");
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return tool::timing(settings);
}

int runLatency(Command& command)
{
    tool::LatencySettings settings;
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
    if (!command.read())
        return 0;
    settings.book = book.read(command);
    return tool::latency(settings);
}

struct Subcommand {
    const char* name;
    const char* summary;
    int (*run)(Command&);
};

constexpr Subcommand Subcommands[] = {
    { "solve", "Solves a position: its exact score and each column's.", runSolve },
    { "bench", "Solves the benchmark's positions: the node count is the search's signature.", runBench },
    { "book", "Searches one part of the complete book's deepest layer.", runBook },
    { "merge", "Joins the layer's parts and hard's lines into the complete book.", runMerge },
    { "verify", "Checks a book: complete, consistent, and a sample searched again.", runVerify },
    { "lines", "Makes hard's lines: perfect play's choice in every position it can face.", runLines },
    { "tournament", "Plays the levels against one another.", runTournament },
    { "timing", "Times hard's answers in games against the other levels.", runTiming },
    { "latency", "Times perfect play's answer in games between people and against each level.", runLatency },
};

void printUsage(std::FILE* to)
{
    std::fprintf(to, "Usage: vantrel-engine COMMAND [options]\n"
                     "The engine's tool: solves positions, measures the engine, and makes the opening book.\n\n"
                     "Commands:\n");
    for (const Subcommand& s : Subcommands)
        std::fprintf(to, "  %-11s %s\n", s.name, s.summary);
    std::fprintf(to, "\nvantrel-engine COMMAND --help lists a command's options.\n"
                     "Exit status: 0 done, 1 a check failed or the work could not be done, 2 a bad command line.\n");
}

const Subcommand* subcommandNamed(std::string_view name)
{
    for (const Subcommand& s : Subcommands)
        if (name == s.name)
            return &s;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return 0;
    }
    const Subcommand* subcommand = subcommandNamed(name);
    if (subcommand == nullptr) {
        std::fprintf(stderr, "vantrel-engine: unknown command %s; vantrel-engine --help lists them\n",
                     tool::quotedStart(argv[1]).c_str());
        return 2;
    }
    QStringList words;
    for (int i = 2; i < argc; ++i)
        words.push_back(QString::fromLocal8Bit(argv[i]));
    Command command(subcommand->name, subcommand->summary, words);
    try {
        return subcommand->run(command);
    } catch (const tool::UsageError& e) {
        std::fprintf(stderr, "vantrel-engine %s: %s\n(vantrel-engine %s --help lists its options)\n", subcommand->name,
                     e.what(), subcommand->name);
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vantrel-engine %s: not enough memory for what was asked; a smaller --table-mib needs less\n",
                     subcommand->name);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-engine %s: %s\n", subcommand->name, e.what());
        return 1;
    }
}
