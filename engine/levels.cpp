// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/levels.h"

#include <algorithm>
#include <vector>

namespace engine {

namespace {

// How far medium looks, in moves of both sides after its own.
constexpr int MediumDepth = 3;
// How often medium plays a random safe move instead of its best one, and
// how often easy blocks a win it could block, in per cent.
constexpr int MediumSlipPercent = 10;
constexpr int EasyBlockPercent = 60;
// How a drop at random favours the centre.
constexpr int ColumnWeights[Width] = { 1, 2, 3, 4, 3, 2, 1 };
// The rough worth of a position: a winning cell counts this much, and this
// much more when it is playable now; a disc in the centre column counts one.
constexpr int WinningCellWorth = 8;
constexpr int PlayableWinningCellWorth = 3;
constexpr int CentreColumn = CentreFirst[0];
// A win found by the look-ahead scores this, plus the moves it had left
// to look; no score reaches Unbounded, the window's edge.
constexpr int WinValue = 10000;
constexpr int Unbounded = WinValue + 100;

bool chance(Random& random, int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(random) < percent;
}

// The column nearest the centre among those a one-bit-per-cell board has a
// playable cell in, or -1.
int centremost(Bitboard cells)
{
    for (const int column : CentreFirst)
        if ((cells & Position::columnCells(column)) != 0)
            return column;
    return -1;
}

// Plays each column with a cell in `cells` (playable cells of the
// position), centre first: visit(column, next) gets the position after it,
// and returns true to stop there.
template <typename Visit>
void forEachMove(const Position& position, Bitboard cells, const Visit& visit)
{
    for (const int column : CentreFirst) {
        const Bitboard cell = cells & Position::columnCells(column);
        if (cell == 0)
            continue;
        Position next = position;
        next.playCell(cell);
        if (visit(column, next))
            return;
    }
}

} // namespace

int weightedColumn(Bitboard cells, Random& random)
{
    int total = 0;
    for (int c = 0; c < Width; ++c)
        if ((cells & Position::columnCells(c)) != 0)
            total += ColumnWeights[c];
    int pick = std::uniform_int_distribution<int>(0, total - 1)(random);
    for (int c = 0; c < Width; ++c) {
        if ((cells & Position::columnCells(c)) == 0)
            continue;
        pick -= ColumnWeights[c];
        if (pick < 0)
            return c;
    }
    return -1;
}

namespace {

// A rough worth of a position for the side to move: its winning cells
// against the opponent's, the lower ones (playable sooner) counting more,
// and discs in the centre column.
int evaluate(const Position& position)
{
    const Bitboard mine = position.winningCells();
    const Bitboard theirs = position.opponentWinningCells();
    const Bitboard centre = Position::columnCells(CentreColumn);
    const Bitboard own = position.current();
    const Bitboard other = position.current() ^ position.mask();
    return WinningCellWorth * (popcount(mine) - popcount(theirs))
           + PlayableWinningCellWorth
                 * (popcount(mine & position.possibleMoves()) - popcount(theirs & position.possibleMoves()))
           + popcount(own & centre) - popcount(other & centre);
}

int lookAhead(const Position& position, int depth, int alpha, int beta)
{
    if (position.canWinNext())
        return WinValue + depth;
    const Bitboard moves = position.nonLosingMoves();
    if (moves == 0)
        return -WinValue - depth;
    if (position.moves() >= Cells - 1)
        return 0;
    if (depth == 0)
        return evaluate(position);
    int best = -Unbounded;
    forEachMove(position, moves, [&](int, const Position& next) {
        const int score = -lookAhead(next, depth - 1, -beta, -alpha);
        if (score <= best)
            return false;
        best = score;
        alpha = std::max(alpha, score);
        return alpha >= beta;
    });
    return best;
}

} // namespace

int mediumMove(const Position& position, Random& random)
{
    const Bitboard possible = position.possibleMoves();
    if (const int win = centremost(possible & position.winningCells()); win >= 0)
        return win;
    if (const int block = centremost(possible & position.opponentWinningCells()); block >= 0)
        return block;
    Bitboard safe = position.nonLosingMoves();
    if (safe == 0)
        safe = possible;
    if (chance(random, MediumSlipPercent))
        return weightedColumn(safe, random);

    std::vector<int> best;
    int bestScore = 0;
    forEachMove(position, safe, [&](int column, const Position& next) {
        const int score = -lookAhead(next, MediumDepth, -Unbounded, Unbounded);
        if (best.empty() || score > bestScore) {
            best.assign(1, column);
            bestScore = score;
        } else if (score == bestScore) {
            best.push_back(column);
        }
        return false;
    });
    return best[std::uniform_int_distribution<std::size_t>(0, best.size() - 1)(random)];
}

int easyMove(const Position& position, Random& random)
{
    const Bitboard possible = position.possibleMoves();
    if (const int win = centremost(possible & position.winningCells()); win >= 0)
        return win;
    const Bitboard blocks = possible & position.opponentWinningCells();
    if (blocks != 0 && chance(random, EasyBlockPercent))
        return centremost(blocks);
    return weightedColumn(possible, random);
}

int randomMove(const Position& position, Random& random)
{
    std::vector<int> columns;
    for (int c = 0; c < Width; ++c)
        if (position.canPlay(c))
            columns.push_back(c);
    return columns[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(random)];
}

} // namespace engine
