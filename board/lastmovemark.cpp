// SPDX-License-Identifier: GPL-3.0-or-later
#include "lastmovemark.h"

#include "board/speech.h"
#include "runtime/shape.h"

LastMoveMark::LastMoveMark(const game::BoardState& state, const game::Holes& holes)
    : m_state(state)
    , m_holes(holes)
{
}

void LastMoveMark::setOn(bool on)
{
    m_on = on;
    boardChanged();
}

// The mark speaks for the holes that hold discs; the threats, for the
// empty ones. A hole a take-back emptied loses its dot here too.
void LastMoveMark::boardChanged()
{
    const QList<int>& moves = m_state.moves();
    const int lastColumn = m_on && !moves.isEmpty() ? moves.last() : 0;
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r) {
            const bool marked = c == lastColumn && r == m_state.height[c] - 1;
            m_holes[c][r]->setDot(marked);
            if (r < m_state.height[c])
                m_holes[c][r]->setAccessibleDescription(marked ? Speech::lastMove() : QString());
        }
}
