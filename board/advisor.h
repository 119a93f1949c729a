// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/hintmarker.h"
#include "board/layout.h"
#include "board/mistakesview.h"
#include "board/outcomesview.h"
#include "board/threatsview.h"
#include "thinker/foresight.h"
#include "thinker/thinker.h"

#include <QObject>

// What the board offers a person about to move, beyond the game itself: a
// hint, what each column leads to and the threats, each shown on a
// player's request. Hints and outcomes are for a person with a move to
// make. While the outcomes are shown, a hint is the best column they show,
// so that the board never gives two answers to one question; otherwise a
// thinker of the hint's own looks for it. Once a game has shown a
// position's scores, the board thinks ahead while a person is to move, so
// that the next ones show at once.
class Advisor : public QObject {
    Q_OBJECT

public:
    // Shows its advice on these holes and click areas of the board, for
    // the game `state` reads.
    Advisor(QWidget& board, const game::BoardState& state, const game::Holes& holes, const game::ClickAreas& areas);

    // The game changed: after every move and take-back, and once it is set up.
    void boardChanged();
    // The position is about to change: a hint shown or sought goes.
    void forgetHint();
    // Marks the hole where the engine's best move for the person to move
    // would land, for a while, and says so through `hinted`.
    void hint();
    void showOutcomes(bool shown);
    bool outcomesShown() const { return m_outcomes.isOn(); }
    void showThreats(bool shown) { m_threats.setOn(shown); }
    void showMistakes(bool shown);
    const MistakesView& mistakes() const { return m_mistakes; }
    // What the board shows that a screen reader cannot see, in sentences:
    // that the outcomes are shown, that no hole completes four, that the
    // last move was a mistake.
    QStringList shownInWords() const;
    // Whether the engine is at work for the board: a hint, outcomes, or mistakes.
    bool isThinking() const
    {
        return !m_hintThinker.isIdle() || m_outcomes.isWorking() || m_mistakes.isWorking();
    }
    // From now on in this game, the scores of the positions a person may
    // reach next are worked out ahead whenever a person is to move and
    // every answer they asked for is shown (see Foresight). A hint, the
    // outcomes or the mistakes ask for it.
    void wantScores();
    // Whether thinking ahead still has a thread at work.
    bool isThinkingAhead() const { return !m_foresight.isIdle(); }

signals:
    void hinted(int column);
    // The verdict on a move came, or the mistakes were shown or hidden.
    void mistakesChanged();

private:
    void seekHint();
    void thinkAheadWhenAnswered();

    const game::BoardState& m_state;
    Thinker m_hintThinker;
    HintMarker m_hintMarker;
    OutcomesView m_outcomes;
    ThreatsView m_threats;
    MistakesView m_mistakes;
    Foresight m_foresight;
    bool m_scoresWanted = false;
    bool m_hintAwaited = false; // asked for and not yet shown
};
