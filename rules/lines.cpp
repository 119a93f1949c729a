// SPDX-License-Identifier: GPL-3.0-or-later
#include "lines.h"

namespace game {
namespace {

constexpr int lineLength = 4;
// How far a segment's last cell lies from its first, in steps.
constexpr int reach = lineLength - 1;

// A line runs up, across, or along either diagonal; each has its step from
// one cell to the next.
struct Direction {
    int columnStep;
    int rowStep;
};

constexpr std::array<Direction, 4> directions{ {
    { 0, 1 },  // vertical
    { 1, 0 },  // horizontal
    { 1, 1 },  // rising diagonal
    { 1, -1 }, // falling diagonal
} };

// Every segment of four cells that lies on the board, by its first cell
// and direction: it starts far enough from the edges for its last cell to
// stay on the board.
template <class Visit>
void forEachSegment(Visit visit)
{
    for (const Direction& d : directions) {
        const int lastColumn = columns - reach * d.columnStep;
        const int firstRow = d.rowStep < 0 ? reach : 0;
        const int lastRow = rows - 1 - (d.rowStep > 0 ? reach : 0);
        for (int c = 1; c <= lastColumn; ++c)
            for (int r = firstRow; r <= lastRow; ++r)
                visit(c, r, d);
    }
}

bool ownsSegment(const Cells& cells, int player, int c, int r, const Direction& d)
{
    for (int i = 0; i < lineLength; ++i)
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
            for (int i = 0; i < lineLength; ++i)
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
    for (int c = 1; c <= columns; ++c)
        for (int r = 0; r < rows; ++r) {
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
