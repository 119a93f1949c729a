// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"
#include "engine/busy.h"
#include "engine/level.h"
#include "engine/levels.h"
#include "engine/position.h"
#include "engine/tt.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace engine {

// What the game holds to play against a person: a transposition table of
// a fixed size, kept from move to move, the opening book, and the threads
// that search together.
//
// One call at a time: an Engine is not to be shared between threads that
// ask at once; it runs its own threads within a call, and every one of them
// has ended when the call returns. The stop flag may be set from any
// thread; the search reads it often enough that it gives up within a
// millisecond.
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
    // over. Nothing when the stop flag ended hard's search first.
    std::optional<int> chooseMove(const Position& position, Level level, Random& random,
                                  const std::atomic<bool>& stop);
    // Perfect play's choice and score, from the book when it has the
    // position, by search otherwise, every thread on it; nothing when stopped.
    std::optional<Choice> perfectChoice(const Position& position, const std::atomic<bool>& stop);
    // What the side to move scores by playing each open column, reported
    // as it becomes known: first whatever the book and the rules give at
    // once, then the sign of every other column (a win, a draw or a loss),
    // then every exact score, the threads working on several columns side
    // by side. A column may be reported more than once, more narrowly each
    // time; its last report is exact. Reports come from the engine's
    // threads, one at a time. False when the stop flag ended the work first.
    using ColumnReport = std::function<void(int column, ScoreBounds bounds)>;
    bool scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report);

    // Forgets what the table has learnt.
    void clearTable() { m_table.clear(); }
    // The positions searched by this engine so far.
    std::uint64_t nodes() const { return m_nodes; }

private:
    class ColumnJobs;

    TranspositionTable m_table;
    Book m_book;
    BusyPositions m_busy;
    int m_threads = 1;
    std::atomic<std::uint64_t> m_nodes = 0;
};

} // namespace engine
