// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor.h"

#include "board/layout.h"
#include "board/speech.h"

#include <QWidget>

Advisor::Advisor(QWidget& board, const game::BoardState& state, const game::Holes& holes,
                 const game::ClickAreas& areas)
    : QObject(&board)
    , m_state(state)
    , m_hintMarker(board)
    , m_outcomes(state, holes, areas, this)
    , m_threats(board, state, holes)
    , m_mistakes(state, this)
{
    connect(&m_mistakes, &MistakesView::changed, this, &Advisor::mistakesChanged);
}

void Advisor::boardChanged()
{
    m_outcomes.boardChanged();
    m_threats.boardChanged();
    m_mistakes.boardChanged();
}

QStringList Advisor::shownInWords() const
{
    QStringList words;
    if (m_outcomes.isOn() && m_state.isPersonToMove())
        words << Speech::outcomesShown();
    if (m_threats.saysNoThreats())
        words << Speech::noThreatsShown();
    const qsizetype last = m_state.moves().size() - 1;
    if (const std::optional<Verdict> verdict = m_mistakes.verdictOn(last); last >= 0 && verdict && verdict->isMistake())
        words << Speech::mistake(*verdict);
    return words;
}

void Advisor::forgetHint()
{
    m_hintThinker.stop();
    m_hintMarker.clear();
}

void Advisor::hint()
{
    if (!m_state.isPersonToMove())
        return;
    m_hintMarker.waitForHint();
    seekHint();
}

void Advisor::seekHint()
{
    const auto markHint = [this](int c) {
        m_hintMarker.mark(game::cellArea(c, m_state.height[c]), m_state.turn == 1 ? game::red : game::blue);
        emit hinted(c);
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
    const bool hintWaits = m_outcomes.isAwaitingBest();
    m_outcomes.setOn(shown);
    if (hintWaits)
        seekHint();
}
