// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/position.h"

#include <bit>
#include <stdexcept>
#include <string>

namespace engine {

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

// A pair of neighbours shifted by two steps overlaps the pair beyond it:
// what survives both ANDs starts a line of four.
bool Position::hasFour(Bitboard discs)
{
    Bitboard pair = discs & (discs >> 1);
    if ((pair & (pair >> 2)) != 0)
        return true;
    for (const int s : LineSteps) {
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

} // namespace engine
