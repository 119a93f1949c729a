// SPDX-License-Identifier: GPL-3.0-or-later
#include "moverecord.h"

int MoveRecord::takeBack()
{
    const int column = m_played.takeLast();
    m_takenBack.append(column);
    return column;
}

qsizetype MoveRecord::firstToTakeBack(int turn, bool computerPlaysBlue) const
{
    qsizetype move = m_played.size() - 1;
    if (computerPlaysBlue)
        while (move >= 0 && moverOf(move, turn) == 2)
            --move;
    return move;
}

// Players alternate, and the last move was made by the player not to move now.
int MoveRecord::moverOf(qsizetype move, int turn) const
{
    const bool sameAsLast = (m_played.size() - 1 - move) % 2 == 0;
    const int lastMover = turn == 1 ? 2 : 1;
    return sameAsLast ? lastMover : turn;
}
