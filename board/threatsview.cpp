// SPDX-License-Identifier: GPL-3.0-or-later
#include "threatsview.h"

#include "board/layout.h"
#include "board/speech.h"
#include "rules/lines.h"
#include "runtime/shape.h"

ThreatsView::ThreatsView(const game::BoardState& state, const game::Holes& holes)
    : m_state(state)
    , m_holes(holes)
{
}

void ThreatsView::setOn(bool on)
{
    m_on = on;
    refresh();
}

void ThreatsView::refresh()
{
    const bool shown = m_on && !m_state.isOver();
    const game::Marks red = shown ? game::holesCompletingFour(m_state.board, 1) : game::Marks{};
    const game::Marks blue = shown ? game::holesCompletingFour(m_state.board, 2) : game::Marks{};
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r) {
            QList<QColor> spots;
            if (red[c][r])
                spots << game::red;
            if (blue[c][r])
                spots << game::blue;
            m_holes[c][r]->setSpots(spots);
            m_holes[c][r]->setAccessibleDescription(Speech::threat(red[c][r], blue[c][r]));
        }
}
