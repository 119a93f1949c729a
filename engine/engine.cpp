// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"

#include "engine/priority.h"
#include "engine/team.h"
#include "engine/threadcount.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace engine {

Engine::Engine(std::size_t tableMiB)
    : m_table(tableMiB)
{
}

void Engine::setThreads(int threads)
{
    m_threads = std::clamp(threads, 1, MostThreads);
}

std::optional<int> Engine::chooseMove(const Position& position, Level level, Random& random,
                                      const std::atomic<bool>& stop)
{
    switch (level) {
    case Level::easy:
        return easyMove(position, random);
    case Level::medium:
        return mediumMove(position, random);
    case Level::hard:
        break;
    }
    const std::optional<Choice> choice = perfectChoice(position, stop);
    if (!choice)
        return std::nullopt;
    return choice->column;
}

std::optional<Choice> Engine::perfectChoice(const Position& position, const std::atomic<bool>& stop)
{
    if (const std::optional<Choice> known = m_book.lookup(position))
        return known;
    if (const std::optional<ColumnScores> known = knownScores(position)) {
        const int column = preferredChoice(position, *known);
        return Choice{ column, *(*known)[static_cast<std::size_t>(column)] };
    }
    const ScoreBounds known = m_book.bounds(position);
    std::optional<Choice> answer;
    Team<Choice>::run(
        m_threads, 1,
        [&](int, const std::atomic<bool>& done) {
            Search search(m_table, stop, done, m_busy);
            const std::optional<Choice> choice = search.bestChoice(position, known);
            m_nodes += search.nodes();
            return choice;
        },
        [&answer](int, const Choice& choice) { answer = choice; });
    return answer;
}

namespace {

// What a column's score is known to be when the opponent's score after it
// is known to be within `opponent`: its opposite.
ScoreBounds opposite(ScoreBounds opponent)
{
    return { -opponent.high, -opponent.low };
}

} // namespace

// The columns of Engine::scoreColumns whose score takes a search, as the
// jobs of a team: first a job per column for its sign, then one per column
// for its exact score. What a job finds is reported only when it narrows
// what was reported before: a sign found after the exact score says nothing.
class Engine::ColumnJobs {
public:
    ColumnJobs(Engine& engine, const std::atomic<bool>& stop, const ColumnReport& report, Priority priority)
        : m_engine(engine)
        , m_stop(stop)
        , m_report(report)
        , m_priority(priority)
    {
    }

    // A column whose opponent's score after it is known to lie within `known`.
    void add(int column, const Position& next, ScoreBounds known)
    {
        m_columns.push_back({ column, next, known, opposite(known) });
        if (known.isSignKnown())
            m_report(column, opposite(known));
    }

    bool run()
    {
        const int columns = static_cast<int>(m_columns.size());
        Team<ScoreBounds>::run(
            m_engine.m_threads, 2 * columns,
            [&](int job, const std::atomic<bool>& done) {
                // The team's threads are made for this call and end with it.
                if (m_priority == Priority::idle)
                    lowerThisThreadForGood();
                Searched& c = m_columns[static_cast<std::size_t>(job % columns)];
                return job < columns ? sign(c, done) : exact(c, done);
            },
            [&](int job, const ScoreBounds& found) { narrow(m_columns[static_cast<std::size_t>(job % columns)], found); });
        return !m_stop;
    }

private:
    struct Searched {
        int column;
        Position next;    // the position after the column
        ScoreBounds known; // the opponent's score there, before any search
        ScoreBounds shown; // what is known of the column's score so far
    };

    Search searchFor(const std::atomic<bool>& done) { return Search(m_engine.m_table, m_stop, done, m_engine.m_busy); }

    // The column's sign: whether the opponent wins after it (scores above
    // 0), and when not, whether it loses (scores no more than -1): a
    // null-window search or two at the draw, fewer when the book's bounds
    // tell.
    std::optional<ScoreBounds> sign(const Searched& c, const std::atomic<bool>& done)
    {
        Search search = searchFor(done);
        ScoreBounds opponent = c.known;
        // Whether the opponent scores above `bound`: known already when its
        // bounds lie on one side, found by a null-window search otherwise.
        // False when the search was stopped.
        const auto settleWhetherAbove = [&](int bound) {
            if (opponent.low > bound || opponent.high <= bound)
                return true;
            const std::optional<bool> above = search.scoresAbove(c.next, bound);
            if (above && *above)
                opponent.low = bound + 1;
            else if (above)
                opponent.high = bound;
            return above.has_value();
        };
        const auto settleWhetherOpponentWins = [&] { return settleWhetherAbove(0); };
        const auto settleWhetherOpponentLoses = [&] { return settleWhetherAbove(-1); };
        const bool decided = settleWhetherOpponentWins() && settleWhetherOpponentLoses();
        m_engine.m_nodes += search.nodes();
        if (!decided)
            return std::nullopt;
        return opposite(opponent);
    }

    std::optional<ScoreBounds> exact(const Searched& c, const std::atomic<bool>& done)
    {
        Search search = searchFor(done);
        const std::optional<int> score = search.solve(c.next, c.known);
        m_engine.m_nodes += search.nodes();
        if (!score)
            return std::nullopt;
        return ScoreBounds{ -*score, -*score };
    }

    // Called by the team one job at a time.
    void narrow(Searched& c, ScoreBounds found)
    {
        const ScoreBounds narrower{ std::max(c.shown.low, found.low), std::min(c.shown.high, found.high) };
        if (narrower == c.shown)
            return;
        c.shown = narrower;
        m_report(c.column, narrower);
    }

    Engine& m_engine;
    const std::atomic<bool>& m_stop;
    const ColumnReport& m_report;
    const Priority m_priority;
    std::vector<Searched> m_columns;
};

bool Engine::scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report)
{
    return scoreColumns(position, stop, report, Priority::asAsked);
}

bool Engine::scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report,
                          Priority priority)
{
    if (const std::optional<ColumnScores> kept = m_cache.find(position)) {
        for (const int column : CentreFirst)
            if (const std::optional<int> score = (*kept)[static_cast<std::size_t>(column)])
                report(column, { *score, *score });
        return true;
    }
    // Each column's last report is exact: once the work is done, these
    // are the scores the cache keeps.
    ColumnScores exact;
    const ColumnReport reportAndKeep = [&exact, &report](int column, ScoreBounds bounds) {
        if (bounds.isExact())
            exact[static_cast<std::size_t>(column)] = bounds.low;
        report(column, bounds);
    };
    ColumnJobs searched(*this, stop, reportAndKeep, priority);
    for (const int column : CentreFirst) {
        if (!position.canPlay(column))
            continue;
        const AfterColumn after = afterColumn(position, column);
        if (after.settled) {
            reportAndKeep(column, { *after.settled, *after.settled });
            continue;
        }
        const ScoreBounds known = m_book.bounds(after.next);
        if (known.isExact())
            reportAndKeep(column, opposite(known));
        else
            searched.add(column, after.next, known);
    }
    if (!searched.run())
        return false;
    for (int column = 0; column < Width; ++column)
        if (position.canPlay(column) != exact[static_cast<std::size_t>(column)].has_value())
            throw std::logic_error("a column's last report was not exact");
    m_cache.store(position, exact);
    return true;
}

std::optional<ColumnScores> Engine::knownScores(const Position& position) const
{
    if (std::optional<ColumnScores> kept = m_cache.find(position))
        return kept;
    ColumnScores scores;
    for (int column = 0; column < Width; ++column) {
        if (!position.canPlay(column))
            continue;
        const AfterColumn after = afterColumn(position, column);
        const ScoreBounds known = after.settled ? ScoreBounds{ *after.settled, *after.settled }
                                                : opposite(m_book.bounds(after.next));
        if (!known.isExact())
            return std::nullopt;
        scores[static_cast<std::size_t>(column)] = known.low;
    }
    return scores;
}

} // namespace engine
