// SPDX-License-Identifier: GPL-3.0-or-later
#include "lines.h"

namespace game {
namespace {

// Each direction with the range of cells a segment may start from so that
// all four of its cells lie on the board.
struct Direction {
    int columnStep;
    int rowStep;
    int firstColumn;
    int lastColumn;
    int firstRow;
    int lastRow;
};

constexpr std::array<Direction, 4> directions{ {
    { 0, 1, 1, 7, 0, 2 },  // vertical
    { 1, 0, 1, 4, 0, 5 },  // horizontal
    { 1, 1, 1, 4, 0, 2 },  // rising diagonal
    { 1, -1, 1, 4, 3, 5 }, // falling diagonal
} };

template <class Visit>
void forEachSegment(Visit visit)
{
    for (const Direction& d : directions)
        for (int c = d.firstColumn; c <= d.lastColumn; ++c)
            for (int r = d.firstRow; r <= d.lastRow; ++r)
                visit(c, r, d);
}

bool ownsSegment(const Cells& cells, int player, int c, int r, const Direction& d)
{
    for (int i = 0; i < 4; ++i)
        if (cells[c + i * d.columnStep][r + i * d.rowStep] != player)
            return false;
    return true;
}

} // namespace

void scanLines(const Cells& cells, Flags& winner)
{
    forEachSegment([&](int c, int r, const Direction& d) {
        for (int player = 1; player <= 2; ++player)
            if (ownsSegment(cells, player, c, r, d))
                winner[player] = true;
    });
}

Marks cellsInLines(const Cells& cells)
{
    Marks marks{};
    forEachSegment([&](int c, int r, const Direction& d) {
        const int owner = cells[c][r];
        if (owner != 0 && ownsSegment(cells, owner, c, r, d))
            for (int i = 0; i < 4; ++i)
                marks[c + i * d.columnStep][r + i * d.rowStep] = true;
    });
    return marks;
}

// A hole completes four exactly when a disc there makes a line: the board's
// own line test, one hole at a time.
Marks holesCompletingFour(const Cells& cells, int player)
{
    Marks marks{};
    Cells tried = cells;
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            if (cells[c][r] != 0)
                continue;
            tried[c][r] = static_cast<qint16>(player);
            Flags winner{};
            scanLines(tried, winner);
            marks[c][r] = winner[player];
            tried[c][r] = 0;
        }
    return marks;
}

int segmentCount()
{
    int count = 0;
    forEachSegment([&](int, int, const Direction&) { ++count; });
    return count;
}

} // namespace game
