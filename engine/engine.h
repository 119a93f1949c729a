// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"
#include "engine/busy.h"
#include "engine/level.h"
#include "engine/levels.h"
#include "engine/position.h"
#include "engine/scorecache.h"
#include "engine/tt.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace engine {

// What the game holds to play against a person: a transposition table of
// a fixed size, kept from move to move, the answers it has finished (see
// ScoreCache), the opening book, and the threads that search together.
//
// Calls may overlap, from several threads: what they share is safe to
// share (the table's words are read and written whole, the cache under its
// lock, the book only read). The program asks one question at a time, but
// the question that abandons thinking ahead starts while thinking ahead
// still winds down. setBook, setThreads and clearTable only while no call
// runs. A call runs its own threads, and every one of them has ended when
// it returns. The stop flag may be set from any thread; the search reads
// it often enough that it gives up within a millisecond.
class Engine {
public:
    static constexpr std::size_t DefaultTableMiB = 8;

    // An engine whose table takes `tableMiB` MiB, with no book, searching
    // on one thread.
    explicit Engine(std::size_t tableMiB = DefaultTableMiB);

    // Replaces the book; an empty book makes every hard move a search.
    void setBook(Book book) { m_book = std::move(book); }
    const Book& book() const { return m_book; }
    // The threads that search at once, 1 to MostThreads.
    void setThreads(int threads);
    int threads() const { return m_threads; }

    // The column (0..6) a level plays in a position where the game is not
    // over. Nothing when the stop flag ended hard's search first. Hard
    // plays perfectChoice's column.
    std::optional<int> chooseMove(const Position& position, Level level, Random& random,
                                  const std::atomic<bool>& stop);
    // Perfect play's choice and score, from the book when it has the
    // position, from its scores when they are known (knownScores: the same
    // column, see preferredChoice), by search otherwise, every thread on
    // it; nothing when stopped.
    std::optional<Choice> perfectChoice(const Position& position, const std::atomic<bool>& stop);
    // What the side to move scores by playing each open column, reported
    // as it becomes known: first whatever the book and the rules give at
    // once, then the sign of every other column (a win, a draw or a loss),
    // then every exact score, the threads working on several columns side
    // by side. A column may be reported more than once, more narrowly each
    // time; its last report is exact. Reports come from the engine's
    // threads, one at a time. False when the stop flag ended the work first.
    // When the cache holds the position, every column is reported exact at
    // once; a search finished goes into the cache.
    using ColumnReport = std::function<void(int column, ScoreBounds bounds)>;
    bool scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report);

    // Every open column's exact score in a position where the game is not
    // over, when it is known without a search: the cache holds it, or the
    // book and the rules give every column. Nothing otherwise.
    std::optional<ColumnScores> knownScores(const Position& position) const;

    // Who answers the person's move: another person, or the computer.
    enum class Opponent { person, computer };
    // Works out, while a person is to move in `shown`, the scores they are
    // likely to ask for next, into the cache, in this order:
    // - the scores of `shown`, unless known;
    // - for each column the person may play, the most promising first (the
    //   higher its score, the sooner; perfect play's order among equals),
    //   every column's score in the position it leads to, which gives its
    //   hint; against the computer, then in the position after the
    //   computer's reply there, taken to be hard's choice, whatever the
    //   level (the weaker ones reply at random; hard's is known once the
    //   scores are, and it is the reply that a position's outcome turns on);
    // - one move further along the likeliest line: in every position that
    //   an answer to the person's best column leads to;
    // - against the computer, in every position any of its replies leads
    //   to, whatever the person's column, the most promising first: the
    //   weaker levels reply at random.
    // Then it stops. Its threads, this call's own, run at the lowest
    // scheduling priority (lowerThisThreadForGood); the caller waits for
    // them at its own. True when the list was done, false when the stop
    // flag ended it first.
    bool thinkAhead(const Position& shown, Opponent opponent, const std::atomic<bool>& stop);

    // Forgets what the table has learnt, and every answer kept.
    void clearTable()
    {
        m_table.clear();
        m_cache.clear();
    }
    // The positions searched by this engine so far.
    std::uint64_t nodes() const { return m_nodes; }

private:
    class ColumnJobs;
    class Ahead;
    enum class Priority { asAsked, idle };
    bool scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report,
                      Priority priority);
    bool workThroughAheadList(const Position& shown, Opponent opponent, const std::atomic<bool>& stop);

    TranspositionTable m_table;
    ScoreCache m_cache;
    Book m_book;
    BusyPositions m_busy;
    int m_threads = 1;
    std::atomic<std::uint64_t> m_nodes = 0;
};

} // namespace engine
