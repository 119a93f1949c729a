// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "thinker/thinker.h"
#include "engine/level.h"

#include <QObject>

class Form1;

// The computer as blue, player 2, of a board: on its turn it asks a thinker
// for a column and clicks that column's click area, as a person would, but
// never sooner than a moment after the person's disc, so that the two moves
// are seen one after the other. It reaches the board only that way: it
// reads what the board shows and clicks.
class ComputerPlayer : public QObject {
    Q_OBJECT

public:
    ComputerPlayer(Form1& board, engine::Level level);

    // The moment a person needs to see one disc land before the next.
    static constexpr std::chrono::milliseconds pause{ 400 };

    // Whether it is searching for a column now.
    bool isThinking() const { return !m_thinker.isIdle(); }

private:
    void takeTurn();
    void playWhenReady();
    // Whether the board shows these moves played, the game going on and
    // the computer to move.
    bool isToMoveIn(const QList<int>& moves) const;

    Form1& m_board;
    const engine::Level m_level;
    Thinker m_thinker;
    int m_turns = 0; // tells a pause of this turn from one of a turn gone by
    bool m_paused = false;
    QList<int> m_movesAsked; // the moves played when the thinker was asked
    int m_column = 0;        // the column found, 0 while none is
    bool m_seeded = false;
};
