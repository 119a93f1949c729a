// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor.h"

#include "board/layout.h"

#include <QWidget>

Advisor::Advisor(QWidget& board, const game::BoardState& state, const game::Holes& holes,
                 const game::ClickAreas& areas)
    : QObject(&board)
    , m_state(state)
    , m_holes(holes)
    , m_hintMarker(board)
    , m_outcomes(state, holes, areas, this)
    , m_threats(state, holes)
{
    connect(&m_outcomes, &OutcomesView::completed, this, &Advisor::thinkAheadWhenAnswered);
}

void Advisor::boardChanged()
{
    m_foresight.stop();
    m_outcomes.boardChanged();
    m_threats.boardChanged();
    thinkAheadWhenAnswered();
}

void Advisor::forgetHint()
{
    m_foresight.stop();
    m_hintAwaited = false;
    m_hintThinker.stop();
    m_hintMarker.clear();
}

void Advisor::hint()
{
    if (!m_state.isPersonToMove())
        return;
    m_scoresWanted = true;
    m_hintAwaited = true;
    m_foresight.stop();
    m_hintMarker.waitForHint();
    seekHint();
}

void Advisor::wantScores()
{
    m_scoresWanted = true;
    thinkAheadWhenAnswered();
}

// Thinking ahead takes the processors only once what the person asked for
// is shown, and only on a person's turn in a game that goes on.
void Advisor::thinkAheadWhenAnswered()
{
    if (m_scoresWanted && m_state.isPersonToMove() && !m_hintAwaited && m_outcomes.isComplete())
        m_foresight.thinkAhead(m_state.moves(), m_state.computerPlaysBlue);
}

void Advisor::seekHint()
{
    const auto markHint = [this](int c) {
        m_hintMarker.mark(*m_holes[c][m_state.height[c]], m_state.turn == 1 ? game::red : game::blue);
        m_hintAwaited = false;
        emit hinted(c);
        thinkAheadWhenAnswered();
    };
    if (m_outcomes.isOn()) {
        m_hintThinker.stop();
        m_outcomes.whenBestKnown(markHint);
    } else {
        m_hintThinker.think(m_state.moves(), engine::Level::hard, markHint);
    }
}

// A hint still waiting for the outcomes goes on waiting for them, or for
// the hint's own thinker once they are gone.
void Advisor::showOutcomes(bool shown)
{
    if (shown)
        m_scoresWanted = true;
    m_foresight.stop();
    const bool hintWaits = m_outcomes.isAwaitingBest();
    m_outcomes.setOn(shown);
    if (hintWaits)
        seekHint();
    thinkAheadWhenAnswered();
}
