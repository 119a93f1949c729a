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
    connect(&m_mistakes, &MistakesView::changed, this, &Advisor::thinkAheadWhenAnswered);
    connect(&m_outcomes, &OutcomesView::completed, this, &Advisor::thinkAheadWhenAnswered);
}

void Advisor::boardChanged()
{
    m_foresight.stop();
    m_outcomes.boardChanged();
    m_threats.boardChanged();
    m_mistakes.boardChanged();
    thinkAheadWhenAnswered();
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

// The mistakes are judged from the scores, which thinking ahead finds
// before the moves that need them are made.
void Advisor::showMistakes(bool shown)
{
    if (shown)
        m_scoresWanted = true;
    m_foresight.stop();
    m_mistakes.setOn(shown);
    thinkAheadWhenAnswered();
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
    if (m_scoresWanted && m_state.isPersonToMove() && !m_hintAwaited && m_outcomes.isComplete()
        && !m_mistakes.isWorking())
        m_foresight.thinkAhead(m_state.moves(), m_state.computerPlaysBlue);
}

void Advisor::seekHint()
{
    const auto markHint = [this](int c) {
        m_hintMarker.mark(game::cellArea(c, m_state.height[c]), m_state.turn == 1 ? game::red : game::blue);
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
