// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/position.h"

#include <bit>
#include <stdexcept>
#include <string>

namespace engine {

namespace {

// The shifts that step one cell along a line that is not vertical: across,
// down to the right and up to the right. A column's spare bit on top stays
// empty, so a step off the top of one column lands on nothing rather than
// on the bottom of the next.
constexpr int LineShifts[3] = { ColumnBits, ColumnBits - 1, ColumnBits + 1 };

} // namespace

Position::Position(std::string_view moves)
{
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto refuse = [&](const char* fault) {
            throw std::invalid_argument("move " + std::to_string(i + 1) + " of \"" + std::string(moves) + "\" "
                                        + fault);
        };
        const char c = moves[i];
        if (c < '1' || c > '0' + Width)
            refuse("is not a column 1 to 7");
        const int column = c - '1';
        if (!canPlay(column))
            refuse("is in a full column");
        if (isWon())
            refuse("comes after the game was won");
        play(column);
    }
}

bool Position::isWinningMove(int column) const
{
    return (winningCells() & possibleMoves() & columnCells(column)) != 0;
}

namespace {

Bitboard mirrorColumns(Bitboard b)
{
    constexpr Bitboard group = (Bitboard{1} << ColumnBits) - 1;
    Bitboard mirrored = 0;
    for (int c = 0; c < Width; ++c)
        mirrored |= ((b >> (c * ColumnBits)) & group) << (mirroredColumn(c) * ColumnBits);
    return mirrored;
}

} // namespace

Position Position::mirrored() const
{
    Position p;
    p.m_current = mirrorColumns(m_current);
    p.m_mask = mirrorColumns(m_mask);
    p.m_moves = m_moves;
    return p;
}

// In each column the key is the discs of the side to move, plus one less
// than the bit just above the column's top disc.
Position Position::fromKey(std::uint64_t key)
{
    constexpr std::uint64_t group = (std::uint64_t{1} << ColumnBits) - 1;
    Position p;
    for (int c = 0; c < Width; ++c) {
        const std::uint64_t marked = ((key >> (c * ColumnBits)) & group) + 1;
        const int height = static_cast<int>(std::bit_width(marked)) - 1;
        const Bitboard cells = (Bitboard{1} << height) - 1;
        p.m_mask |= cells << (c * ColumnBits);
        p.m_current |= (marked ^ (Bitboard{1} << height)) << (c * ColumnBits);
        p.m_moves += height;
    }
    return p;
}

// Adding the two boards carries nothing from one column into the next (a
// column's sum stays below 2^7), so the key mirrors column by column.
std::uint64_t Position::mirrorKey() const
{
    return mirrorColumns(key());
}

std::uint64_t Position::canonicalKey() const
{
    const std::uint64_t k = key();
    const std::uint64_t m = mirrorKey();
    return k < m ? k : m;
}

// A threat cell's bit shifted down by one is the cell below it: playing
// there would let the opponent drop its winning disc on top.
Bitboard Position::nonLosingMoves() const
{
    Bitboard possible = possibleMoves();
    const Bitboard threats = opponentWinningCells();
    const Bitboard forced = possible & threats;
    if (forced != 0) {
        if ((forced & (forced - 1)) != 0)
            return 0;
        possible = forced;
    }
    return possible & ~(threats >> 1);
}

int Position::moveScore(Bitboard cell) const
{
    return popcount(winningCells(m_current | cell, m_mask | cell));
}

// Each shift moves every disc one step along a direction at once, so a cell
// is found winning for all the board's lines in a few operations: three
// discs below it (vertical), or, along each other direction, three in a
// row on one side or two on one side and one on the other.
Bitboard Position::winningCells(Bitboard discs, Bitboard mask)
{
    Bitboard cells = (discs << 1) & (discs << 2) & (discs << 3);
    for (const int s : LineShifts) {
        Bitboard pair = (discs << s) & (discs << 2 * s);
        cells |= pair & (discs << 3 * s);
        cells |= pair & (discs >> s);
        pair = (discs >> s) & (discs >> 2 * s);
        cells |= pair & (discs << s);
        cells |= pair & (discs >> 3 * s);
    }
    return cells & (BoardCells ^ mask);
}

// A pair of neighbours shifted by two steps overlaps the pair beyond it:
// what survives both ANDs starts a line of four.
bool Position::hasFour(Bitboard discs)
{
    Bitboard pair = discs & (discs >> 1);
    if ((pair & (pair >> 2)) != 0)
        return true;
    for (const int s : LineShifts) {
        pair = discs & (discs >> s);
        if ((pair & (pair >> 2 * s)) != 0)
            return true;
    }
    return false;
}

int Position::columnOf(Bitboard cell)
{
    return std::countr_zero(cell) / ColumnBits;
}

int popcount(Bitboard b)
{
    return std::popcount(b);
}

} // namespace engine
