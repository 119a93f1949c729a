// SPDX-License-Identifier: GPL-3.0-or-later
#include "book.h"

#include "bookfile.h"
#include "measure.h"
#include "threads.h"
#include "workfile.h"

#include "engine/book.h"
#include "engine/completebook.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace tool {

using engine::Choice;
using engine::Position;

namespace {

// Positions next to one another in key order share much of their search, so
// each thread takes runs of them and keeps its table from one to the next.
constexpr std::size_t RunLength = 32;

class PartSearch {
public:
    explicit PartSearch(const BookSettings& settings)
        : m_settings(settings)
    {
    }

    int run()
    {
        const std::vector<std::uint64_t> layer = engine::reachableKeys(m_settings.depth);
        m_keys = engine::shardOf(layer, m_settings.shard, m_settings.shards);
        const WorkFile done = readWork();
        for (const std::uint64_t key : m_keys)
            if (!m_known.contains(key))
                m_pending.push_back(key);
        std::cerr << "book: shard " << m_settings.shard << '/' << m_settings.shards << " of the "
                  << layer.size() << " positions with " << m_settings.depth << " discs: " << m_keys.size()
                  << ", " << m_known.size() << " read from " << m_settings.work << ", " << m_pending.size()
                  << " to search\n";
        std::vector<engine::TranspositionTable> tables = tablesFor(m_settings.threads, m_settings.tableMiB);
        m_out = appendToWorkFile(m_settings.work, done);
        if (!m_out) {
            std::cerr << "book: cannot write " << m_settings.work << '\n';
            return 1;
        }
        m_start = Clock::now();
        runOnThreads(m_settings.threads, [&](int thread) { work(tables[static_cast<std::size_t>(thread)]); });
        return write();
    }

private:
    // The choices made before, each one checked first: a choice that is
    // wrong would go into the book unsearched.
    WorkFile readWork()
    {
        WorkFile work = readWorkFile(m_settings.work, false, [this](const WorkLine& line) { return faultOf(line); });
        for (const WorkLine& line : work.lines)
            m_known[line.key] = line.choice;
        return work;
    }

    // What makes a line of the work file no choice of this part.
    std::string faultOf(const WorkLine& line) const
    {
        const Position p = Position::fromKey(line.key);
        if (p.moves() != m_settings.depth)
            return "its position has " + std::to_string(p.moves()) + " discs, not " + std::to_string(m_settings.depth);
        if (!std::binary_search(m_keys.begin(), m_keys.end(), line.key))
            return "its position is not in part " + std::to_string(m_settings.shard) + '/'
                   + std::to_string(m_settings.shards);
        return scoreOutside(line, boundsOf(p), "the book of the layers before");
    }

    void work(engine::TranspositionTable& table)
    {
        engine::Search search(table);
        for (;;) {
            const std::size_t begin = m_nextRun.fetch_add(RunLength);
            if (begin >= m_pending.size())
                return;
            const std::size_t end = std::min(begin + RunLength, m_pending.size());
            for (std::size_t i = begin; i < end; ++i) {
                const Position p = Position::fromKey(m_pending[i]);
                const std::uint64_t nodesBefore = search.nodes();
                const std::optional<Choice> known = knownChoice(p);
                const Choice choice = known ? *known : *search.bestChoice(p, boundsOf(p));
                record(m_pending[i], choice, search.nodes() - nodesBefore);
            }
        }
    }

    std::optional<Choice> knownChoice(const Position& p) const
    {
        return m_settings.known != nullptr ? m_settings.known->lookup(p) : std::nullopt;
    }
    engine::ScoreBounds boundsOf(const Position& p) const
    {
        return m_settings.known != nullptr ? m_settings.known->bounds(p) : engine::ScoreBounds{};
    }

    void record(std::uint64_t key, const Choice& choice, std::uint64_t nodes)
    {
        std::lock_guard lock(m_mutex);
        m_known[key] = choice;
        m_out << key << ' ' << choice.column << ' ' << choice.score << std::endl;
        ++m_searched;
        m_nodes += nodes;
        const double seconds = secondsSince(m_start);
        if (m_searched % 500 == 0 || m_searched == m_pending.size()) {
            const double left = seconds / static_cast<double>(m_searched)
                                * static_cast<double>(m_pending.size() - m_searched);
            std::ostringstream line;
            line << "book: " << m_searched << " of " << m_pending.size() << " searched in "
                 << static_cast<long>(seconds) << " s, " << m_nodes << " nodes; about "
                 << static_cast<long>(left / 60) << " min left";
            std::cerr << line.str() << std::endl;
        }
    }

    int write()
    {
        std::vector<engine::Book::Entry> entries;
        entries.reserve(m_keys.size());
        for (const std::uint64_t key : m_keys)
            entries.push_back({ key, m_known.at(key) });
        const std::size_t bytes = writeBookFile(m_settings.output, engine::Book::fromEntries(std::move(entries)));
        std::printf("book: shard %d/%d, %zu positions with %d discs, %zu bytes, in %s; %zu searched in %.0f s "
                    "on %d thread(s), %llu nodes\n",
                    m_settings.shard, m_settings.shards, m_keys.size(), m_settings.depth, bytes,
                    m_settings.output.c_str(), m_searched, secondsSince(m_start), m_settings.threads,
                    static_cast<unsigned long long>(m_nodes));
        return 0;
    }

    const BookSettings& m_settings;
    std::vector<std::uint64_t> m_keys;    // this shard's positions, in key order
    std::vector<std::uint64_t> m_pending; // those not in the work file
    std::atomic<std::size_t> m_nextRun{ 0 };
    std::mutex m_mutex;
    std::unordered_map<std::uint64_t, Choice> m_known;
    std::ofstream m_out;
    std::size_t m_searched = 0;
    std::uint64_t m_nodes = 0;
    Clock::time_point m_start;
};

} // namespace

int book(const BookSettings& settings)
{
    return PartSearch(settings).run();
}

} // namespace tool
