// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer.h"

#include "engine/book.h"
#include "engine/completebook.h"
#include "workfile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <thread>
#include <unordered_map>
#include <vector>

namespace tool {

using engine::Choice;
using engine::Position;

namespace {

using Clock = std::chrono::steady_clock;

// Positions next to one another in key order share much of their search, so
// each thread takes runs of them and keeps its table from one to the next.
constexpr std::size_t RunLength = 32;

class LayerSearch {
public:
    explicit LayerSearch(const LayerSettings& settings)
        : m_settings(settings)
        , m_workPath(settings.work.empty() ? settings.output + ".work" : settings.work)
    {
    }

    int run()
    {
        if (m_settings.shard < 1 || m_settings.shard > m_settings.shards || m_settings.output.empty()) {
            std::cerr << "book: --shard must be K/N with 1 <= K <= N, and --output is needed\n";
            return 2;
        }
        const std::vector<std::uint64_t> layer = engine::reachableKeys(m_settings.depth);
        m_keys = engine::shardOf(layer, m_settings.shard, m_settings.shards);
        readWork();
        for (const std::uint64_t key : m_keys)
            if (!m_known.contains(key))
                m_pending.push_back(key);
        std::cerr << "book: shard " << m_settings.shard << '/' << m_settings.shards << " of the "
                  << layer.size() << " positions with " << m_settings.depth << " discs: " << m_keys.size()
                  << ", " << m_known.size() << " read from " << m_workPath << ", " << m_pending.size()
                  << " to search\n";
        createFolderOf(m_settings.output); // before the hours of search, not after
        m_out = appendToWorkFile(m_workPath);
        if (!m_out) {
            std::cerr << "book: cannot write " << m_workPath << '\n';
            return 1;
        }
        m_start = Clock::now();
        std::vector<std::thread> workers;
        for (int i = 0; i < std::max(1, m_settings.threads); ++i)
            workers.emplace_back([this] { work(); });
        for (std::thread& t : workers)
            t.join();
        return write();
    }

private:
    void readWork()
    {
        for (const WorkLine& line : readWorkFile(m_workPath, false))
            if (std::binary_search(m_keys.begin(), m_keys.end(), line.key))
                m_known[line.key] = line.choice;
    }

    void work()
    {
        engine::TranspositionTable table(m_settings.tableMiB);
        engine::Search search(table);
        for (;;) {
            const std::size_t begin = m_nextRun.fetch_add(RunLength);
            if (begin >= m_pending.size())
                return;
            const std::size_t end = std::min(begin + RunLength, m_pending.size());
            for (std::size_t i = begin; i < end; ++i) {
                const Position p = Position::fromKey(m_pending[i]);
                const std::uint64_t nodesBefore = search.nodes();
                const Choice choice = *search.bestChoice(p);
                record(m_pending[i], choice, search.nodes() - nodesBefore);
            }
        }
    }

    void record(std::uint64_t key, const Choice& choice, std::uint64_t nodes)
    {
        std::lock_guard lock(m_mutex);
        m_known[key] = choice;
        m_out << key << ' ' << choice.column << ' ' << choice.score << std::endl;
        ++m_searched;
        m_nodes += nodes;
        const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
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
        const std::vector<std::uint8_t> bytes = engine::Book::fromEntries(std::move(entries)).toBytes();
        std::ofstream out(m_settings.output, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "book: cannot write " << m_settings.output << '\n';
            return 1;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        std::printf("book: shard %d/%d, %zu positions with %d discs, %zu bytes, in %s; %zu searched in %.0f s "
                    "on %d thread(s), %llu nodes\n",
                    m_settings.shard, m_settings.shards, m_keys.size(), m_settings.depth, bytes.size(),
                    m_settings.output.c_str(), m_searched, seconds, m_settings.threads,
                    static_cast<unsigned long long>(m_nodes));
        return 0;
    }

    const LayerSettings& m_settings;
    const std::string m_workPath;
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

int searchLayer(const LayerSettings& settings)
{
    return LayerSearch(settings).run();
}

} // namespace tool
