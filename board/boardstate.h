// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/moverecord.h"
#include "rules/drop.h"
#include "rules/grid.h"

#include <QList>

namespace game {

// The board window's game as the helpers that show it read it: references
// to the window's own variables, so that what a helper reads is what the
// window holds at that moment, with nothing to keep in step. Only the
// window writes them; a helper hears that they changed.
struct BoardState {
    const quint8& turn;
    const Heights& height;
    const Cells& board;
    const Flags& winner;
    const MoveRecord& record;
    const bool computerPlaysBlue;

    const QList<int>& moves() const { return record.played(); }
    bool isOver() const { return winner[1] || winner[2] || winner[3]; }
    bool isColumnFull(int c) const { return game::isColumnFull(height, c); }
    bool isComputersTurn() const { return computerPlaysBlue && turn == 2; }
    // Hints and outcomes are for a person with a move to make.
    bool isPersonToMove() const { return !isOver() && !isComputersTurn(); }
    // Whether a person, not the computer, made move `move` (from 0).
    bool isPersonsMove(qsizetype move) const { return !computerPlaysBlue || record.moverOf(move, turn) == 1; }
};

} // namespace game
