// SPDX-License-Identifier: GPL-3.0-or-later
#include "computerplayer.h"

#include "board/form1.h"
#include "runtime/services.h"

#include <QAbstractButton>

ComputerPlayer::ComputerPlayer(Form1& board, engine::Level level)
    : m_board(board)
    , m_level(level)
{
    // Queued, so that the board has finished the move, the outcome check
    // included, before the computer looks at it.
    connect(&board, &Form1::turnChanged, this, &ComputerPlayer::takeTurn, Qt::QueuedConnection);
}

// Whenever the turn changes, whatever the computer was doing is over; if it
// is now its turn, it starts thinking and pausing at once.
void ComputerPlayer::takeTurn()
{
    m_thinker.stop();
    const int turn = ++m_turns;
    m_paused = true;
    m_column = 0;
    if (m_board.isOver() || m_board.playerToMove() != 2)
        return;
    runtime::runAfter(pause, this, [this, turn] {
        if (turn != m_turns)
            return;
        m_paused = false;
        playWhenReady();
    });
    m_thinker.think(m_board.moves(), m_level, [this](int column) {
        m_column = column;
        playWhenReady();
    });
}

void ComputerPlayer::playWhenReady()
{
    if (m_paused || m_column == 0)
        return;
    const QString name = QStringLiteral("lblcover%1(0)").arg(m_column);
    m_column = 0;
    m_board.findChild<QAbstractButton*>(name)->click();
}
