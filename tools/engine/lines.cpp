// SPDX-License-Identifier: GPL-3.0-or-later
#include "lines.h"

#include "bookfile.h"
#include "measure.h"
#include "threads.h"
#include "workfile.h"

#include "engine/book.h"
#include "engine/levels.h"

#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tool {

using engine::Choice;
using engine::Position;

namespace {

class LinesMaker {
public:
    explicit LinesMaker(const LinesSettings& settings)
        : m_settings(settings)
    {
        if (settings.given != nullptr)
            m_given = *settings.given;
    }

    int run()
    {
        const WorkFile done = readWork();
        std::vector<engine::TranspositionTable> tables = tablesFor(m_settings.threads, m_settings.tableMiB);
        m_out = appendToWorkFile(m_settings.work, done);
        if (!m_out) {
            std::cerr << "lines: cannot write " << m_settings.work << '\n';
            return 1;
        }
        // Playing first: the empty board. Playing second: after each of the
        // opponent's first moves.
        push(Position{});
        for (int c = 0; c < engine::Width; ++c) {
            Position p;
            p.play(c);
            push(p);
        }
        runOnThreads(m_settings.threads, [&](int thread) { work(tables[static_cast<std::size_t>(thread)]); });
        return write();
    }

private:
    // The choices made before, each one checked first, against the book
    // given too: a choice that is wrong would go into the lines unsearched.
    WorkFile readWork()
    {
        WorkFile work = readWorkFile(m_settings.work, true, [this](const WorkLine& line) { return faultOf(line); });
        for (const WorkLine& line : work.lines)
            m_known[line.key] = { line.choice, line.discs };
        std::cerr << "lines: " << m_known.size() << " choices read from " << m_settings.work << '\n';
        return work;
    }

    // What makes a line of the work file no choice of these lines: a score
    // the book given disproves.
    std::string faultOf(const WorkLine& line) const
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

    void work(engine::TranspositionTable& table)
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
        m_out << canonical.key() << ' ' << choice.column << ' ' << choice.score << ' ' << canonical.moves()
              << std::endl;
        ++m_searched;
        m_searchSeconds += seconds;
        if (m_searched % 100 == 0 || seconds > 10 || canonical.moves() < 5) {
            std::ostringstream line;
            line << "lines: " << m_searched << " searched (" << m_book.size() << " in the book, "
                 << m_stack.size() << " waiting); ply " << canonical.moves() << " took " << seconds
                 << " s; " << m_searchSeconds << " s searching in all";
            std::cerr << line.str() << std::endl;
        }
    }

    int write()
    {
        std::vector<engine::Book::Entry> entries;
        std::map<int, int> perPly;
        for (const auto& [key, moves] : m_book) {
            entries.push_back({ key, m_known.at(key).choice });
            ++perPly[moves];
        }
        const engine::Book book = engine::Book::fromEntries(std::move(entries));
        const std::size_t bytes = writeBookFile(m_settings.output, book);
        std::cout << "lines: " << book.size() << " positions up to " << m_settings.depth << " discs, "
                  << bytes << " bytes, in " << m_settings.output << "; " << m_searched
                  << " searched in " << m_searchSeconds << " s of search\n";
        for (const auto& [moves, count] : perPly)
            std::cout << "  " << moves << " discs: " << count << '\n';
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
    std::ofstream m_out;
    int m_busy = 0;
    long m_searched = 0;
    double m_searchSeconds = 0;
};

} // namespace

int lines(const LinesSettings& settings)
{
    return LinesMaker(settings).run();
}

} // namespace tool
