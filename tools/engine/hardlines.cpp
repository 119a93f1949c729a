// SPDX-License-Identifier: GPL-3.0-or-later
#include "hardlines.h"

#include "bookfile.h"
#include "longsearch.h"
#include "measure.h"
#include "options.h"
#include "workfile.h"

#include "engine/book.h"
#include "engine/levels.h"

#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tool {

using engine::Choice;
using engine::Position;

namespace {

struct LinesSettings {
    int depth = 12;                      // the most discs on the board in a book position
    LongSearchSettings search{ 2, 2048, {}, {} };
    const engine::Book* given = nullptr; // a book whose choices are taken rather than searched
};

class LinesMaker final : public LongSearch {
public:
    explicit LinesMaker(const LinesSettings& settings)
        : LongSearch("lines", settings.search, true)
        , m_settings(settings)
    {
        if (settings.given != nullptr)
            m_given = *settings.given;
        // Playing first: the empty board. Playing second: after each of the
        // opponent's first moves.
        push(Position{});
        for (int c = 0; c < engine::Width; ++c) {
            Position p;
            p.play(c);
            push(p);
        }
    }

private:
    // The choices made before, as the work file holds them: they are
    // taken rather than searched again.
    void readBack(const std::vector<WorkLine>& lines) override
    {
        for (const WorkLine& line : lines)
            m_known[line.key] = { line.choice, line.discs };
        std::fprintf(stderr, "lines: %zu choices read from %s\n", m_known.size(),
                     shownPath(m_settings.search.work).c_str());
    }

    // What makes a line of the work file no choice of these lines, checked
    // before any is taken back: a score the book given disproves. A choice
    // that is wrong would go into the lines unsearched.
    std::string faultOf(const WorkLine& line) const override
    {
        return scoreOutside(line, m_given.bounds(Position::fromKey(line.key)), "the book given");
    }

    void push(const Position& p)
    {
        std::lock_guard lock(m_mutex);
        if (m_queued.insert(p.canonicalKey()).second)
            m_stack.push_back(p);
        m_ready.notify_one();
    }

    void work(engine::TranspositionTable& table) override
    {
        engine::Search search(table);
        for (;;) {
            Position p;
            std::optional<Choice> choice;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_stack.empty() || m_busy == 0; });
                if (m_stack.empty())
                    return;
                p = m_stack.back();
                m_stack.pop_back();
                ++m_busy;
                if (const auto it = m_known.find(p.canonicalKey()); it != m_known.end())
                    choice = it->second.choice;
                else if (const std::optional<Choice> given = m_given.lookup(p.key() == p.canonicalKey() ? p : p.mirrored())) {
                    choice = given;
                    m_known[p.canonicalKey()] = { *given, p.moves() };
                }
            }
            // The work file, like the book, holds choices as seen from the
            // canonical side: the position or its mirror image.
            const bool flipped = p.key() != p.canonicalKey();
            if (!choice) {
                const Position canonical = flipped ? p.mirrored() : p;
                const auto start = Clock::now();
                choice = search.bestChoice(canonical);
                record(canonical, *choice, secondsSince(start));
            }
            if (flipped)
                choice->column = engine::mirroredColumn(choice->column);
            {
                std::lock_guard lock(m_mutex);
                m_book[p.canonicalKey()] = p.moves();
            }
            expand(p, *choice);
            std::lock_guard lock(m_mutex);
            --m_busy;
            m_ready.notify_all();
        }
    }

    // Queues the positions the opponent can leave after perfect play's move.
    void expand(Position p, const Choice& choice)
    {
        if (p.moves() + 2 > m_settings.depth || p.isWinningMove(choice.column))
            return;
        p.play(choice.column);
        for (int c = 0; c < engine::Width; ++c) {
            if (!p.canPlay(c) || p.isWinningMove(c))
                continue;
            Position next = p;
            next.play(c);
            if (!next.isFull())
                push(next);
        }
    }

    void record(const Position& canonical, const Choice& choice, double seconds)
    {
        std::lock_guard lock(m_mutex);
        m_known[canonical.key()] = { choice, canonical.moves() };
        keep({ canonical.key(), choice, canonical.moves() });
        ++m_searched;
        m_searchSeconds += seconds;
        if (m_searched % 100 == 0 || seconds > 10 || canonical.moves() < 5)
            std::fprintf(stderr,
                         "lines: %ld searched (%zu in the book, %zu waiting); ply %d took %g s; %g s searching in all\n",
                         m_searched, m_book.size(), m_stack.size(), canonical.moves(), seconds, m_searchSeconds);
    }

    int write() override
    {
        std::vector<engine::Book::Entry> entries;
        std::map<int, int> perPly;
        for (const auto& [key, moves] : m_book) {
            entries.push_back({ key, m_known.at(key).choice });
            ++perPly[moves];
        }
        const engine::Book book = engine::Book::fromEntries(std::move(entries));
        const std::size_t bytes = writeBookFile(m_settings.search.output, book);
        std::printf("lines: %zu positions up to %d discs, %zu bytes, in %s; %ld searched in %g s of search\n",
                    book.size(), m_settings.depth, bytes, shownPath(m_settings.search.output).c_str(), m_searched,
                    m_searchSeconds);
        for (const auto& [moves, count] : perPly)
            std::printf("  %d discs: %d\n", moves, count);
        return 0;
    }

    struct Known {
        Choice choice;
        int moves = 0;
    };

    const LinesSettings& m_settings;
    engine::Book m_given;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<Position> m_stack;
    std::unordered_set<std::uint64_t> m_queued;
    std::unordered_map<std::uint64_t, Known> m_known;
    std::map<std::uint64_t, int> m_book; // canonical key -> discs on the board
    int m_busy = 0;
    long m_searched = 0;
    double m_searchSeconds = 0;
};

} // namespace

int runHardLines(Command& command)
{
    LinesSettings settings;
    std::string givenPath;
    command.number("depth", "The most discs on the board in a position of the lines", settings.depth, 1, MaxLinesDepth);
    command.file("book", "A book whose choices are taken rather than searched", givenPath);
    LongSearchOptions search(command, settings.search, "The book of hard's lines to write");
    if (!command.read())
        return 0;
    const engine::Book given = givenPath.empty() ? engine::Book() : readBook(command, "--book", givenPath);
    if (!givenPath.empty())
        settings.given = &given;
    search.check(command);
    return LinesMaker(settings).run(command);
}

} // namespace tool
