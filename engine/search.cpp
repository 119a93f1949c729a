// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/search.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace engine {

namespace {

// How often, in positions searched, the stop flag is read: at the slowest
// speed seen (a few million positions a second) a stop takes well under a
// millisecond.
constexpr std::uint64_t StopCheckInterval = 1024;

// The table's best move is tried before any other: a move's threat count,
// which orders the rest, is a few at most.
constexpr int TableMoveOrder = 1000;

// Threads searching together step aside from one another only in positions
// with this many empty cells or more: below, a position's search is too
// short for the bookkeeping to pay.
constexpr int SharedFromEmptyCells = 16;

struct Move {
    Position child; // the position after the move
    int column;
    int order;
};

} // namespace

int preferenceRank(const Position& position, int column)
{
    const int seen = position.mirrorKey() < position.key() ? mirroredColumn(column) : column;
    return static_cast<int>(std::find(std::begin(CentreFirst), std::end(CentreFirst), seen) - std::begin(CentreFirst));
}

int preferredChoice(const Position& position, const std::array<std::optional<int>, Width>& scores)
{
    int best = -1;
    for (int column = 0; column < Width; ++column) {
        if (!scores[column])
            continue;
        if (best < 0 || *scores[column] > *scores[best]
            || (*scores[column] == *scores[best] && preferenceRank(position, column) < preferenceRank(position, best)))
            best = column;
    }
    return best;
}

AfterColumn afterColumn(const Position& position, int column)
{
    AfterColumn after{ position, std::nullopt };
    if (position.isWinningMove(column))
        after.settled = winNowScore(position.moves());
    after.next.play(column);
    if (!after.settled && after.next.isFull())
        after.settled = 0;
    return after;
}

bool Search::stopRequested() const
{
    return (m_stop != nullptr && m_stop->load(std::memory_order_relaxed))
           || (m_teamDone != nullptr && m_teamDone->load(std::memory_order_relaxed));
}

std::optional<int> Search::solve(const Position& position, ScoreBounds known)
{
    if (stopRequested())
        return std::nullopt;
    try {
        if (position.canWinNext())
            return winNowScore(position.moves());
        int low = std::max(loseNextScore(position.moves()), known.low);
        int high = std::min(winNowScore(position.moves() + 2), known.high);
        while (low < high) {
            // Halve the interval, but try the bounds nearer a draw first:
            // most positions are decided late.
            int mid = low + (high - low) / 2;
            if (mid <= 0 && low / 2 < mid)
                mid = low / 2;
            else if (mid >= 0 && high / 2 > mid)
                mid = high / 2;
            const int r = root(position, mid, mid + 1);
            if (r <= mid)
                high = r;
            else
                low = r;
        }
        return low;
    } catch (const Stopped&) {
        return std::nullopt;
    }
}

std::optional<bool> Search::scoresAbove(const Position& position, int bound)
{
    if (stopRequested())
        return std::nullopt;
    try {
        if (position.canWinNext())
            return winNowScore(position.moves()) > bound;
        return root(position, bound, bound + 1) > bound;
    } catch (const Stopped&) {
        return std::nullopt;
    }
}

std::optional<std::array<std::optional<int>, Width>> Search::moveScores(const Position& position)
{
    std::array<std::optional<int>, Width> scores;
    for (int column = 0; column < Width; ++column) {
        if (!position.canPlay(column))
            continue;
        const AfterColumn after = afterColumn(position, column);
        if (after.settled) {
            scores[column] = after.settled;
            continue;
        }
        const std::optional<int> score = solve(after.next);
        if (!score)
            return std::nullopt;
        scores[column] = -*score;
    }
    return scores;
}

// A search of a position whose side to move cannot win at once but whose
// opponent may: unlike negamax, it tries the moves that lose at once too
// when nothing else is left.
int Search::root(const Position& position, int alpha, int beta)
{
    m_rootDiscs = position.moves();
    if (position.nonLosingMoves() != 0)
        return negamax(position, alpha, beta);
    ++m_nodes;
    return loseNextScore(position.moves());
}

std::optional<Choice> Search::bestChoice(const Position& position, ScoreBounds known)
{
    const bool flip = position.mirrorKey() < position.key();
    const Position p = flip ? position.mirrored() : position;
    const auto seen = [flip](int column) { return flip ? mirroredColumn(column) : column; };

    for (const int column : CentreFirst)
        if (p.canPlay(column) && p.isWinningMove(column))
            return Choice{ seen(column), winNowScore(p.moves()) };
    const std::optional<int> value = solve(p, known);
    if (!value)
        return std::nullopt;
    for (const int column : CentreFirst) {
        if (!p.canPlay(column))
            continue;
        // No column wins at once here, so a column the rules settle fills
        // the board for a draw.
        const AfterColumn after = afterColumn(p, column);
        if (after.settled) {
            if (*after.settled == *value)
                return Choice{ seen(column), *value };
            continue;
        }
        // The column keeps the value when the opponent scores no more than
        // its opposite after it.
        const std::optional<bool> above = scoresAbove(after.next, -*value);
        if (!above)
            return std::nullopt;
        if (!*above)
            return Choice{ seen(column), *value };
    }
    throw std::logic_error("no column keeps the value of the position");
}

// The score of a position whose side to move cannot win at once, within
// (alpha, beta): exact inside, and otherwise a bound on the side it fell
// (fail-soft).
int Search::negamax(const Position& position, int alpha, int beta)
{
    ++m_nodes;
    if (m_nodes % StopCheckInterval == 0 && stopRequested())
        throw Stopped{};

    // Step 1. Every move lets the opponent win at once, or the board is
    // all but full: the score is known without looking further.
    const Bitboard next = position.nonLosingMoves();
    if (next == 0)
        return loseNextScore(position.moves());
    if (position.moves() >= Cells - 2)
        return 0;

    // Step 2. Narrow the window to the scores still possible: the opponent
    // cannot win with its next disc, so at worst it wins with the one after;
    // nor can this side win with this disc, so at best it wins with its next.
    const int low = loseNextScore(position.moves() + 2);
    if (alpha < low) {
        alpha = low;
        if (alpha >= beta)
            return alpha;
    }
    const int high = winNowScore(position.moves() + 2);
    if (beta > high) {
        beta = high;
        if (alpha >= beta)
            return beta;
    }

    // Step 3. Probe the table, under the key of the position or of its
    // mirror image, whichever is smaller: a bound narrows the window, and
    // the move stored is tried first.
    const std::uint64_t key = position.key();
    const std::uint64_t mirror = position.mirrorKey();
    const bool mirrored = mirror < key;
    const std::uint64_t stored = mirrored ? mirror : key;
    int hint = -1;
    const TTEntry entry = m_table.probe(stored);
    if (entry.bound != Bound::none) {
        if (entry.move >= 0)
            hint = mirrored ? mirroredColumn(entry.move) : entry.move;
        switch (entry.bound) {
        case Bound::exact:
            return entry.score;
        case Bound::lower:
            if (entry.score > alpha) {
                alpha = entry.score;
                if (alpha >= beta)
                    return alpha;
            }
            break;
        case Bound::upper:
            if (entry.score < beta) {
                beta = entry.score;
                if (alpha >= beta)
                    return beta;
            }
            break;
        case Bound::none:
            break;
        }
    }
    const int alphaBefore = alpha;

    // Step 4. Order the moves: the table's first, then by the threats each
    // makes, centre first among equals.
    Move moves[Width];
    int count = 0;
    for (const int column : CentreFirst) {
        const Bitboard cell = next & Position::columnCells(column);
        if (cell == 0)
            continue;
        Move m{ position, column, column == hint ? TableMoveOrder : position.moveScore(cell) };
        m.child.playCell(cell);
        // The children's words are fetched from memory together, while
        // this node orders its moves, rather than one by one as each is probed.
        m_table.prefetch(m.child.canonicalKey());
        int i = count++;
        for (; i > 0 && moves[i - 1].order < m.order; --i)
            moves[i] = moves[i - 1];
        moves[i] = m;
    }

    // Step 5. Search them, until one scores beta or more. In a team, a
    // move into a position another thread is inside waits until the others
    // are done, unless it is the first.
    std::optional<BusyPositions::Mark> mark;
    const bool shared = m_busy != nullptr && Cells - position.moves() >= SharedFromEmptyCells;
    if (shared)
        mark.emplace(*m_busy, stored);
    int best = -MaxScore - 1;
    int bestColumn = -1;
    int deferred[Width];
    int deferredCount = 0;
    const auto tryMove = [&](const Move& move) {
        const int score = -negamax(move.child, -beta, -alpha);
        if (score > best) {
            best = score;
            bestColumn = move.column;
            alpha = std::max(alpha, score);
        }
        return alpha >= beta;
    };
    bool cut = false;
    for (int i = 0; i < count && !cut; ++i) {
        if (shared && i > 0 && m_busy->contains(moves[i].child.canonicalKey()))
            deferred[deferredCount++] = i;
        else
            cut = tryMove(moves[i]);
    }
    for (int i = 0; i < deferredCount && !cut; ++i)
        cut = tryMove(moves[deferred[i]]);

    // Step 6. Store what was learnt: an exact score, or the bound on the
    // side the window failed; a move only when one was best.
    const Bound bound = best >= beta ? Bound::lower : best <= alphaBefore ? Bound::upper : Bound::exact;
    const int storedMove = bound == Bound::upper ? -1 : mirrored ? mirroredColumn(bestColumn) : bestColumn;
    m_table.store(stored, bound, best, storedMove, position.moves(), m_rootDiscs);
    return best;
}

} // namespace engine
