// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-engine: the engine's command-line tool. Solves positions, runs the
// benchmark whose node count is the search's signature, makes the opening
// book, and measures the levels of play against one another.
//
// Each command's file declares its options, one line each, into the
// settings of the function that does its work, and runs it; every value is
// checked, and every file read or to be written is tried, before any work
// starts. Here: which file runs which command, and what is said when one
// cannot run.

#include "bench.h"
#include "command.h"
#include "hardlines.h"
#include "latency.h"
#include "matches.h"
#include "merge.h"
#include "partsearch.h"
#include "solve.h"
#include "verify.h"

#include "quote/quote.h"

#include <cstdio>
#include <new>
#include <string_view>

namespace {

using tool::Command;

struct Subcommand {
    const char* name;
    const char* summary;
    int (*run)(Command&);
};

constexpr Subcommand Subcommands[] = {
    { "solve", "Solves a position: its exact score and each column's.", tool::runSolve },
    { "bench", "Solves the benchmark's positions: the node count is the search's signature.", tool::runBench },
    { "book", "Searches one part of the complete book's deepest layer.", tool::runPartSearch },
    { "merge", "Joins the layer's parts and hard's lines into the complete book.", tool::runMerge },
    { "verify", "Checks a book: complete, consistent, and a sample searched again.", tool::runVerify },
    { "lines", "Makes hard's lines: perfect play's choice in every position it can face.", tool::runHardLines },
    { "tournament", "Plays the levels against one another.", tool::runTournament },
    { "timing", "Times hard's answers in games against the other levels.", tool::runTiming },
    { "latency", "Times perfect play's answer in games between people and against each level.", tool::runLatency },
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

// A message whose text was not all the tool's own: what it quotes is quoted
// where it is put in (startOf, shownPath); this is the last guard, for a
// text of Qt's or of the system's that holds a name.
std::string printable(const std::exception& e)
{
    return quote::printable(e.what());
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
                     printable(e).c_str(), subcommand->name);
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vantrel-engine %s: not enough memory for what was asked; a smaller --table-mib needs less\n",
                     subcommand->name);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-engine %s: %s\n", subcommand->name, printable(e).c_str());
        return 1;
    }
}
