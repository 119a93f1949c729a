// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor.h"

#include "board/layout.h"

#include <QWidget>

Advisor::Advisor(QWidget& board, const OutcomesView::Holes& holes, const OutcomesView::Areas& areas)
    : QObject(&board)
    , m_holes(holes)
    , m_hintMarker(board)
    , m_outcomes(holes, areas, this)
    , m_threats(holes)
{
}

void Advisor::follow(const Position& position)
{
    m_moves = position.moves;
    m_height = position.height;
    m_turn = position.turn;
    m_personToMove = position.personToMove;
    m_outcomes.follow(m_moves, m_height, m_personToMove);
    m_threats.follow(position.cells, position.gameGoesOn);
}

void Advisor::forgetHint()
{
    m_hintThinker.stop();
    m_hintMarker.clear();
}

void Advisor::hint()
{
    if (!m_personToMove)
        return;
    m_hintMarker.waitForHint();
    seekHint();
}

void Advisor::seekHint()
{
    const auto markHint = [this](int c) {
        m_hintMarker.mark(*m_holes[c][m_height[c]], m_turn == 1 ? game::red : game::blue);
        emit hinted(c);
    };
    if (m_outcomes.isOn()) {
        m_hintThinker.stop();
        m_outcomes.whenBestKnown(markHint);
    } else {
        m_hintThinker.think(m_moves, engine::Level::hard, markHint);
    }
}

// A hint still waiting for the outcomes goes on waiting for them, or for
// the hint's own thinker once they are gone.
void Advisor::showOutcomes(bool shown)
{
    const bool hintWaits = m_outcomes.isAwaitingBest();
    m_outcomes.setOn(shown);
    if (hintWaits)
        seekHint();
}
