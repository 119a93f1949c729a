// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop.h"

namespace game {

bool isBoardFull(const Heights& height)
{
    for (int c = 1; c <= columns; ++c)
        if (!isColumnFull(height, c))
            return false;
    return true;
}

int dropDisc(Cells& cells, Heights& height, int c, int player)
{
    const int row = height[c];
    cells[c][row] = static_cast<qint16>(player);
    height[c] = static_cast<qint16>(row + 1);
    return row;
}

int liftDisc(Cells& cells, Heights& height, int c)
{
    const int row = height[c] - 1;
    const int player = cells[c][row];
    cells[c][row] = 0;
    height[c] = static_cast<qint16>(row);
    return player;
}

} // namespace game
