// SPDX-License-Identifier: GPL-3.0-or-later
#include "threatsview.h"

#include "board/layout.h"
#include "board/speech.h"
#include "rules/lines.h"
#include "runtime/label.h"
#include "runtime/shape.h"

ThreatsView::ThreatsView(QWidget& board, const game::BoardState& state, const game::Holes& holes)
    : m_state(state)
    , m_holes(holes)
    , m_noThreats(new runtime::Label(&board, game::noThreatsArea, Qt::AlignHCenter))
{
    m_noThreats->setObjectName(QStringLiteral("lblnothreats"));
    m_noThreats->setFont(runtime::fontFromPoints(runtime::sansFaces, game::turnPoints));
    m_noThreats->setText(Speech::noThreats());
    m_noThreats->hide();
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
    bool any = false;
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r) {
            QList<QColor> spots;
            if (red[c][r])
                spots << game::red;
            if (blue[c][r])
                spots << game::blue;
            any = any || !spots.isEmpty();
            m_holes[c][r]->setSpots(spots);
            // The view speaks for the empty holes; the last move's mark, for the others.
            if (r >= m_state.height[c])
                m_holes[c][r]->setAccessibleDescription(Speech::threat(red[c][r], blue[c][r]));
        }
    m_noThreats->setVisible(shown && !any);
}

bool ThreatsView::saysNoThreats() const
{
    return m_noThreats->isVisibleTo(m_noThreats->parentWidget());
}
