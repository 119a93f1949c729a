// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <variant>

// A game written as its moves: the columns played, 1 to 7, one digit each,
// in the order played, as in "4453". It is what Copy Moves puts on the
// clipboard and what --moves reads back.
namespace game {

QString moveString(const QList<int>& moves);

// Why a move string cannot be played, at its first move that cannot.
struct MoveStringFault {
    enum class Kind {
        tooLong,    // more moves than the board has holes
        notAColumn, // a character other than 1 to 7
        columnFull,
        gameOver,   // a move after four in a line
        endsGame,   // the last move ends the game: nothing is left to play
    };
    Kind kind = Kind::notAColumn;
    int move = 0;      // its place in the string, from 1
    QString character; // as given
};

// The moves of a string that a game can play from the empty board and go
// on from, or the first fault in it.
std::variant<QList<int>, MoveStringFault> readMoveString(const QString& digits);

} // namespace game
