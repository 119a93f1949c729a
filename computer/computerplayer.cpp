// SPDX-License-Identifier: GPL-3.0-or-later
#include "computerplayer.h"

#include "board/form1.h"
#include "runtime/services.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace {

// The program's random numbers are doubles in [0, 1) with as many random
// bits as a double's mantissa holds; scaled by this, they are whole
// numbers, every bit of them random.
constexpr double WholeRandomScale = static_cast<double>(std::uint64_t{1} << std::numeric_limits<double>::digits);

} // namespace

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
    m_movesAsked = m_board.moves();
    if (!isToMoveIn(m_movesAsked))
        return;
    runtime::runAfter(pause, this, [this, turn] {
        if (turn != m_turns)
            return;
        m_paused = false;
        playWhenReady();
    });
    // The weaker levels' choices vary from game to game through the
    // program's random source, which is asked when they are first needed.
    if (!m_seeded) {
        m_thinker.seed(static_cast<std::uint64_t>(runtime::nextRandom() * WholeRandomScale));
        m_seeded = true;
    }
    m_thinker.think(m_board.moves(), m_level, [this](int column) {
        m_column = column;
        playWhenReady();
    });
}

// The column found is played only in the position it was found for: a move
// taken back in the meantime makes it another, even before the board's
// turnChanged has reached takeTurn.
void ComputerPlayer::playWhenReady()
{
    if (m_paused || m_column == 0)
        return;
    const int column = std::exchange(m_column, 0);
    if (isToMoveIn(m_movesAsked))
        m_board.clickColumn(column);
}

bool ComputerPlayer::isToMoveIn(const QList<int>& moves) const
{
    return !m_board.isOver() && m_board.playerToMove() == 2 && m_board.moves() == moves;
}
