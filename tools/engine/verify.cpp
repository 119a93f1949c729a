// SPDX-License-Identifier: GPL-3.0-or-later
#include "verify.h"

#include "bookfile.h"
#include "measure.h"
#include "options.h"

#include "engine/completebook.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace tool {

using engine::Book;
using engine::Position;

namespace {

struct VerifySettings {
    std::string path;          // the book's file, for what is said of it
    const engine::Book* book = nullptr;
    int sample = 20;           // deepest entries searched again, each with an empty table
    std::uint64_t seed = 1;
    std::size_t tableMiB = 64;
};

// The published outcomes of the first moves: the centre wins for the first
// player, the two columns beside it draw, and the four outer ones lose.
bool firstMovesAsPublished(const Book& book)
{
    constexpr int published[engine::Width] = { -1, -1, 0, 1, 0, -1, -1 };
    for (int c = 0; c < engine::Width; ++c) {
        Position p;
        p.play(c);
        const std::optional<engine::Choice> reply = book.lookup(p);
        if (!reply)
            return false;
        const int firstPlayer = -reply->score;
        if ((firstPlayer > 0) - (firstPlayer < 0) != published[c])
            return false;
    }
    return true;
}

// Searches a sample of the entries again, each with an empty table, and
// says which disagree; returns how many do.
int searchAgain(std::vector<Book::Entry> sample, const VerifySettings& settings, int depth)
{
    engine::TranspositionTable table(settings.tableMiB);
    int disagreements = 0;
    double slowest = 0;
    const auto start = Clock::now();
    for (const Book::Entry& e : sample) {
        table.clear();
        engine::Search search(table);
        const auto searchStart = Clock::now();
        const engine::Choice choice = *search.bestChoice(Position::fromKey(e.key));
        slowest = std::max(slowest, secondsSince(searchStart));
        if (choice.column != e.choice.column || choice.score != e.choice.score) {
            ++disagreements;
            std::printf("verify: key %llu: the book says column %d, score %d; the search column %d, score %d\n",
                        static_cast<unsigned long long>(e.key), e.choice.column + 1, e.choice.score, choice.column + 1,
                        choice.score);
        }
    }
    std::printf("verify: %zu of the %d-disc entries searched again (seed %llu, %zu MiB table emptied before each) "
                "in %.1f s, the slowest %.2f s: %d disagree\n",
                sample.size(), depth, static_cast<unsigned long long>(settings.seed), settings.tableMiB,
                secondsSince(start), slowest, disagreements);
    return disagreements;
}

// A file that happens to be where the shipped book would be is read when
// no --book is given: the first line says so.
std::string readByDefault(const std::string& path)
{
    return path == shippedBook() ? " (the shipped book, found from where the tool is; --book names another)" : "";
}

int verify(const VerifySettings& settings)
{
    const Book& book = *settings.book;
    const auto start = Clock::now();
    const int depth = engine::completeDepth(book);
    const std::string fault = engine::firstInconsistency(book, depth);
    std::printf("verify: %s%s, %zu positions, complete to %s; every shallower entry checked against its "
                "children in %.1f s: %s\n",
                shownPath(settings.path).c_str(), readByDefault(settings.path).c_str(), book.size(),
                depth < 0 ? "no depth, not even the empty board" : (std::to_string(depth) + " discs").c_str(),
                secondsSince(start), fault.empty() ? "consistent" : fault.c_str());
    const bool published = firstMovesAsPublished(book);
    std::printf("verify: the first moves %s their published outcomes\n", published ? "have" : "do not have");
    if (!fault.empty() || !published)
        return 1;
    if (settings.sample <= 0)
        return 0;

    std::vector<Book::Entry> layer;
    for (const Book::Entry& e : book.entries())
        if (Position::fromKey(e.key).moves() == depth)
            layer.push_back(e);
    std::mt19937_64 random(settings.seed);
    std::shuffle(layer.begin(), layer.end(), random);
    layer.resize(std::min<std::size_t>(layer.size(), static_cast<std::size_t>(settings.sample)));
    return searchAgain(std::move(layer), settings, depth) == 0 ? 0 : 1;
}

} // namespace

int runVerify(Command& command)
{
    VerifySettings settings;
    settings.path = shippedBook();
    command.file("book", "The book to check", settings.path);
    command.number("sample", "Entries of the deepest layer searched again", settings.sample, 0, MaxGames);
    seedOption(command, settings.seed);
    tableOption(command, settings.tableMiB);
    if (!command.read())
        return 0;
    engine::Book book;
    try {
        book = readBookFile(settings.path);
    } catch (const DamagedBook& e) {
        std::printf("verify: %s\n", e.what());
        return 1;
    } catch (const UnreadableFile& e) {
        command.refuse(std::string("--book: ") + e.what()
                       + whenShipped(settings.path, "--book FILE names the book to check"));
    }
    settings.book = &book;
    return verify(settings);
}

} // namespace tool
