// SPDX-License-Identifier: GPL-3.0-or-later
#include "complete.h"

#include "engine/completebook.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tool {

using engine::Book;
using engine::Position;

namespace {

Book readBook(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::invalid_argument("cannot read " + path);
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    try {
        return Book::fromBytes(bytes);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(path + ": " + e.what());
    }
}

std::vector<Book::Entry> entriesOf(const Book& book)
{
    std::vector<Book::Entry> entries;
    for (std::size_t i = 0; i < book.size(); ++i)
        entries.push_back(book.entry(i));
    return entries;
}

int discsOf(const Book::Entry& e)
{
    return Position::fromKey(e.key).moves();
}

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

using Clock = std::chrono::steady_clock;

} // namespace

int mergeBook(const MergeSettings& settings)
{
    std::vector<Book::Entry> deepest;
    for (const std::string& part : settings.parts)
        for (const Book::Entry& e : entriesOf(readBook(part))) {
            if (discsOf(e) != settings.depth)
                throw std::invalid_argument(part + " holds a position without " + std::to_string(settings.depth)
                                            + " discs");
            deepest.push_back(e);
        }
    const std::vector<Book::Entry> lines = settings.lines.empty() ? std::vector<Book::Entry>{}
                                                                  : entriesOf(readBook(settings.lines));
    const Book book = engine::completeBook(settings.depth, deepest, lines);
    const std::vector<std::uint8_t> bytes = book.toBytes();
    std::ofstream out(settings.output, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::invalid_argument("cannot write " + settings.output);
    std::printf("merge: %zu positions, complete to %d discs from %zu parts, %zu of hard's lines beyond; "
                "%zu bytes in %s\n",
                book.size(), settings.depth, settings.parts.size(),
                static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(),
                                                       [&](const auto& e) { return discsOf(e) > settings.depth; })),
                bytes.size(), settings.output.c_str());
    return 0;
}

int verifyBook(const VerifySettings& settings)
{
    const Book book = readBook(settings.book);
    const auto start = Clock::now();
    const int depth = engine::completeDepth(book);
    const std::string fault = engine::firstInconsistency(book, depth);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("verify: %s, %zu positions, complete to %d discs; every shallower entry checked against its "
                "children in %.1f s: %s\n",
                settings.book.c_str(), book.size(), depth, seconds, fault.empty() ? "consistent" : fault.c_str());
    const bool published = firstMovesAsPublished(book);
    std::printf("verify: the first moves %s their published outcomes\n", published ? "have" : "do not have");
    if (!fault.empty() || !published)
        return 1;
    if (settings.sample <= 0)
        return 0;

    std::vector<Book::Entry> layer;
    for (std::size_t i = 0; i < book.size(); ++i)
        if (discsOf(book.entry(i)) == depth)
            layer.push_back(book.entry(i));
    std::mt19937_64 random(settings.seed);
    std::shuffle(layer.begin(), layer.end(), random);
    layer.resize(std::min<std::size_t>(layer.size(), static_cast<std::size_t>(settings.sample)));
    engine::TranspositionTable table(settings.tableMiB);
    int disagreements = 0;
    double slowest = 0;
    const auto sampleStart = Clock::now();
    for (const Book::Entry& e : layer) {
        table.clear();
        engine::Search search(table);
        const auto searchStart = Clock::now();
        const engine::Choice choice = *search.bestChoice(Position::fromKey(e.key));
        slowest = std::max(slowest, std::chrono::duration<double>(Clock::now() - searchStart).count());
        if (choice.column != e.choice.column || choice.score != e.choice.score) {
            ++disagreements;
            std::printf("verify: key %llu: the book says column %d, score %d; the search column %d, score %d\n",
                        static_cast<unsigned long long>(e.key), e.choice.column, e.choice.score, choice.column,
                        choice.score);
        }
    }
    const double sampleSeconds = std::chrono::duration<double>(Clock::now() - sampleStart).count();
    std::printf("verify: %zu of the %d-disc entries searched again (seed %llu, %zu MiB table emptied before each) "
                "in %.1f s, the slowest %.2f s: %d disagree\n",
                layer.size(), depth, static_cast<unsigned long long>(settings.seed), settings.tableMiB,
                sampleSeconds, slowest, disagreements);
    return disagreements == 0 ? 0 : 1;
}

} // namespace tool
