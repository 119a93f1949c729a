// SPDX-License-Identifier: GPL-3.0-or-later
#include "partsearch.h"

#include "bookfile.h"
#include "longsearch.h"
#include "measure.h"
#include "options.h"
#include "workfile.h"

#include "engine/book.h"
#include "engine/completebook.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace tool {

using engine::Choice;
using engine::Position;

namespace {

struct PartSearchSettings {
    int depth = ShippedBookDepth; // the discs on the board in every position searched
    int shard = 1;               // this part, 1 to shards
    int shards = 1;              // how many parts the layer is cut into
    // For each thread: a table this small stays close to the processor and
    // searches the layer about three times as fast as one of gigabytes, for
    // a sixth more nodes; with two threads, a fifth faster than 32 MiB.
    LongSearchSettings search{ 2, 16, {}, {} };
    // A book of the layers before, or none: what it proves bounds each
    // search, and the positions it holds are taken from it.
    const engine::Book* known = nullptr;
};

// Positions next to one another in key order share much of their search, so
// each thread takes runs of them and keeps its table from one to the next.
constexpr std::size_t RunLength = 32;

class PartSearch final : public LongSearch {
public:
    explicit PartSearch(const PartSearchSettings& settings)
        : LongSearch("book", settings.search, false)
        , m_settings(settings)
        , m_layer(engine::reachableKeys(settings.depth))
        , m_keys(engine::shardOf(m_layer, settings.shard, settings.shards))
    {
    }

private:
    // The choices made before, as the work file holds them: the rest of
    // the part is searched.
    void readBack(const std::vector<WorkLine>& lines) override
    {
        for (const WorkLine& line : lines)
            m_known[line.key] = line.choice;
        for (const std::uint64_t key : m_keys)
            if (!m_known.contains(key))
                m_pending.push_back(key);
        std::fprintf(stderr,
                     "book: shard %d/%d of the %zu positions with %d discs: %zu, %zu read from %s, %zu to search\n",
                     m_settings.shard, m_settings.shards, m_layer.size(), m_settings.depth, m_keys.size(),
                     m_known.size(), shownPath(m_settings.search.work).c_str(), m_pending.size());
    }

    // What makes a line of the work file no choice of this part, checked
    // before any is taken back: a choice that is wrong would go into the
    // book unsearched.
    std::string faultOf(const WorkLine& line) const override
    {
        const Position p = Position::fromKey(line.key);
        if (p.moves() != m_settings.depth)
            return "its position has " + std::to_string(p.moves()) + " discs, not " + std::to_string(m_settings.depth);
        if (!std::binary_search(m_keys.begin(), m_keys.end(), line.key))
            return "its position is not in part " + std::to_string(m_settings.shard) + '/'
                   + std::to_string(m_settings.shards);
        return scoreOutside(line, boundsOf(p), "the book of the layers before");
    }

    void work(engine::TranspositionTable& table) override
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
        keep({ key, choice });
        ++m_searched;
        m_nodes += nodes;
        const double seconds = secondsSearching();
        if (m_searched % 500 == 0 || m_searched == m_pending.size()) {
            const double left = seconds / static_cast<double>(m_searched)
                                * static_cast<double>(m_pending.size() - m_searched);
            std::fprintf(stderr, "book: %zu of %zu searched in %ld s, %llu nodes; about %ld min left\n", m_searched,
                         m_pending.size(), static_cast<long>(seconds), static_cast<unsigned long long>(m_nodes),
                         static_cast<long>(left / 60));
        }
    }

    int write() override
    {
        std::vector<engine::Book::Entry> entries;
        entries.reserve(m_keys.size());
        for (const std::uint64_t key : m_keys)
            entries.push_back({ key, m_known.at(key) });
        const std::size_t bytes
            = writeBookFile(m_settings.search.output, engine::Book::fromEntries(std::move(entries)));
        std::printf("book: shard %d/%d, %zu positions with %d discs, %zu bytes, in %s; %zu searched in %.0f s "
                    "on %d thread(s), %llu nodes\n",
                    m_settings.shard, m_settings.shards, m_keys.size(), m_settings.depth, bytes,
                    shownPath(m_settings.search.output).c_str(), m_searched, secondsSearching(),
                    m_settings.search.threads, static_cast<unsigned long long>(m_nodes));
        return 0;
    }

    const PartSearchSettings& m_settings;
    const std::vector<std::uint64_t> m_layer;
    const std::vector<std::uint64_t> m_keys; // this shard's positions, in key order
    std::vector<std::uint64_t> m_pending; // those not in the work file
    std::atomic<std::size_t> m_nextRun{ 0 };
    std::mutex m_mutex;
    std::unordered_map<std::uint64_t, Choice> m_known;
    std::size_t m_searched = 0;
    std::uint64_t m_nodes = 0;
};

} // namespace

int runPartSearch(Command& command)
{
    PartSearchSettings settings;
    command.number("depth", "The discs on the board in every position of the layer", settings.depth, 0, MaxLayerDepth);
    command.shard("shard", "This part of the layer, cut into N in key order", settings.shard, settings.shards);
    LongSearchOptions search(command, settings.search, "The part to write");
    BookOption known(command, "A book of the layers before, whose bounds start each search, or none");
    if (!command.read())
        return 0;
    search.check(command);
    settings.known = known.read(command);
    return PartSearch(settings).run(command);
}

} // namespace tool
