// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

using Bitboard = std::uint64_t;

inline constexpr int Width = 7;
inline constexpr int Height = 6;
inline constexpr int Cells = Width * Height;
// Each column takes Height bits and one more that stays empty, so that a
// shift by one column never carries a disc into its neighbour.
inline constexpr int ColumnBits = Height + 1;

// The columns from the centre outwards: the order in which moves are tried,
// and the order of preference between equally good moves.
inline constexpr int CentreFirst[Width] = { 3, 2, 4, 1, 5, 0, 6 };

// The column that stands in this one's place in the mirror image.
constexpr int mirroredColumn(int column)
{
    return Width - 1 - column;
}

// The bottom cell of every column, and every cell of the board.
inline constexpr Bitboard BottomRow = [] {
    Bitboard b = 0;
    for (int c = 0; c < Width; ++c)
        b |= Bitboard{1} << (c * ColumnBits);
    return b;
}();
inline constexpr Bitboard BoardCells = BottomRow * ((Bitboard{1} << Height) - 1);

// A position as two bitboards, column-major, bit (column * 7 + row) with row
// 0 at the bottom: the discs of the side to move and all the discs.
class Position {
public:
    Position() = default;
    // From the columns played so far, as digits '1' to '7' ("4453"); throws
    // std::invalid_argument on any other character, on a full column and on
    // a move after the game is over.
    explicit Position(std::string_view moves);

    bool canPlay(int column) const { return (m_mask & topCell(column)) == 0; }
    // The side to move drops a disc in a column it can play.
    void play(int column) { playCell((m_mask + bottomCell(column)) & columnCells(column)); }
    // The same with the cell as a one-bit board (one of possibleMoves()).
    void playCell(Bitboard cell)
    {
        m_current ^= m_mask;
        m_mask |= cell;
        ++m_moves;
    }

    // Whether the side to move wins at once by playing this playable column.
    bool isWinningMove(int column) const;
    bool canWinNext() const { return (winningCells() & possibleMoves()) != 0; }

    int moves() const { return m_moves; }
    bool isFull() const { return m_moves == Cells; }
    Bitboard current() const { return m_current; }
    Bitboard mask() const { return m_mask; }

    // A number below 2^49 that tells every position apart, and the number
    // of the position seen in a mirror (columns 0..6 as 6..0).
    std::uint64_t key() const { return m_current + m_mask; }
    std::uint64_t mirrorKey() const;
    // The smaller of the two, under which a position and its mirror image
    // are stored.
    std::uint64_t canonicalKey() const;
    // The position seen in a mirror.
    Position mirrored() const;
    // The position whose key() this is; keys come from key().
    static Position fromKey(std::uint64_t key);

    // The empty cells where a disc would complete a line of four for the
    // side to move, and for its opponent; cells need not be playable yet.
    Bitboard winningCells() const { return winningCellsOf(m_current); }
    Bitboard opponentWinningCells() const { return winningCellsOf(m_current ^ m_mask); }
    // The lowest free cell of each column that is not full.
    Bitboard possibleMoves() const { return (m_mask + BottomRow) & BoardCells; }
    // The moves after which the opponent cannot win at once: a forced block
    // when the opponent threatens once, nothing when it threatens twice, and
    // never the cell under an opponent's winning cell. Assumes the side to
    // move cannot win at once.
    Bitboard nonLosingMoves() const;
    // How good a move (one cell of possibleMoves()) looks before searching:
    // the number of winning cells the side to move has after it.
    int moveScore(Bitboard cell) const;

    static constexpr Bitboard bottomCell(int column) { return Bitboard{1} << (column * ColumnBits); }
    static constexpr Bitboard topCell(int column) { return Bitboard{1} << (Height - 1 + column * ColumnBits); }
    static constexpr Bitboard columnCells(int column)
    {
        return ((Bitboard{1} << Height) - 1) << (column * ColumnBits);
    }
    static int columnOf(Bitboard cell);
    // The empty cells (not in mask) that would complete a line of four of
    // these discs.
    static Bitboard winningCells(Bitboard discs, Bitboard mask);
    // Whether these discs hold a line of four.
    static bool hasFour(Bitboard discs);
    // Whether the side that moved last has just won.
    bool isWon() const { return hasFour(m_current ^ m_mask); }

private:
    Bitboard winningCellsOf(Bitboard discs) const { return winningCells(discs, m_mask); }

    Bitboard m_current = 0;
    Bitboard m_mask = 0;
    int m_moves = 0;
};

// The number of discs on a board; the boards counted in a search (winning
// cells) hold a few at most, so clearing them one by one beats a general count.
inline int popcount(Bitboard b)
{
    int count = 0;
    for (; b != 0; b &= b - 1)
        ++count;
    return count;
}

// The search calls what follows at every position, so it is defined here,
// where the compiler can inline it.

// The shifts that step one cell along a line that is not vertical: across,
// down to the right and up to the right. A column's spare bit on top stays
// empty, so a step off the top of one column lands on nothing rather than
// on the bottom of the next.
inline constexpr int LineSteps[3] = { ColumnBits, ColumnBits - 1, ColumnBits + 1 };

inline bool Position::isWinningMove(int column) const
{
    return (winningCells() & possibleMoves() & columnCells(column)) != 0;
}

// Each shift moves every disc one step along a direction at once, so a cell
// is found winning for all the board's lines in a few operations: three
// discs below it (vertical), or, along each other direction, three in a
// row on one side or two on one side and one on the other.
inline Bitboard Position::winningCells(Bitboard discs, Bitboard mask)
{
    Bitboard cells = (discs << 1) & (discs << 2) & (discs << 3);
    for (const int s : LineSteps) {
        Bitboard pair = (discs << s) & (discs << 2 * s);
        cells |= pair & (discs << 3 * s);
        cells |= pair & (discs >> s);
        pair = (discs >> s) & (discs >> 2 * s);
        cells |= pair & (discs << s);
        cells |= pair & (discs >> 3 * s);
    }
    return cells & (BoardCells ^ mask);
}

// A threat cell's bit shifted down by one is the cell below it: playing
// there would let the opponent drop its winning disc on top.
inline Bitboard Position::nonLosingMoves() const
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

inline int Position::moveScore(Bitboard cell) const
{
    return popcount(winningCells(m_current | cell, m_mask | cell));
}

// Columns 0..6 as 6..0: the pairs of columns swap places, the centre stays.
constexpr Bitboard mirrorColumns(Bitboard b)
{
    const auto column = [](int c) { return ((Bitboard{1} << ColumnBits) - 1) << (c * ColumnBits); };
    Bitboard mirrored = b & column(Width / 2);
    for (int c = 0; c < Width / 2; ++c) {
        const int shift = (mirroredColumn(c) - c) * ColumnBits;
        mirrored |= (b & column(c)) << shift | (b & column(mirroredColumn(c))) >> shift;
    }
    return mirrored;
}

// Adding the two boards carries nothing from one column into the next (a
// column's sum stays below 2^7), so the key mirrors column by column.
inline std::uint64_t Position::mirrorKey() const
{
    return mirrorColumns(key());
}

inline std::uint64_t Position::canonicalKey() const
{
    const std::uint64_t k = key();
    const std::uint64_t m = mirrorKey();
    return k < m ? k : m;
}

} // namespace engine
