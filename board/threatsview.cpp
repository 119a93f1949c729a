// SPDX-License-Identifier: GPL-3.0-or-later
#include "threatsview.h"

#include "board/layout.h"
#include "board/speech.h"
#include "runtime/shape.h"

ThreatsView::ThreatsView(const Holes& holes)
    : m_holes(holes)
{
}

void ThreatsView::setOn(bool on)
{
    m_on = on;
    refresh();
}

void ThreatsView::follow(const game::Cells& cells, bool gameGoesOn)
{
    m_cells = cells;
    m_gameGoesOn = gameGoesOn;
    refresh();
}

void ThreatsView::refresh()
{
    const bool shown = m_on && m_gameGoesOn;
    const game::Marks red = shown ? game::holesCompletingFour(m_cells, 1) : game::Marks{};
    const game::Marks blue = shown ? game::holesCompletingFour(m_cells, 2) : game::Marks{};
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
