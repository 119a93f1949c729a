// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/hintmarker.h"
#include "board/lines.h"
#include "board/outcomesview.h"
#include "board/threatsview.h"
#include "thinker/thinker.h"

#include <QList>
#include <QObject>

#include <array>

// What the board offers a person about to move, beyond the game itself: a
// hint, what each column leads to and the threats, each shown on a
// player's request. Hints and outcomes are for a person with a move to
// make. While the outcomes are shown, a hint is the best column they show,
// so that the board never gives two answers to one question; otherwise a
// thinker of the hint's own looks for it.
class Advisor : public QObject {
    Q_OBJECT

public:
    // What the board shows now, as the advice needs it.
    struct Position {
        const QList<int>& moves;
        const std::array<qint16, 8>& height;
        const game::Cells& cells;
        int turn = 1;
        bool personToMove = false;
        bool gameGoesOn = false;
    };

    Advisor(QWidget& board, const OutcomesView::Holes& holes, const OutcomesView::Areas& areas);

    // After every move and take-back, and once the game is set up.
    void follow(const Position& position);
    // The position is about to change: a hint shown or sought goes.
    void forgetHint();
    // Marks the hole where the engine's best move for the person to move
    // would land, for a while, and says so through `hinted`.
    void hint();
    void showOutcomes(bool shown);
    bool outcomesShown() const { return m_outcomes.isOn(); }
    void showThreats(bool shown) { m_threats.setOn(shown); }
    bool threatsShown() const { return m_threats.isOn(); }
    // Whether the engine is at work for the board: a hint, or outcomes.
    bool isThinking() const { return !m_hintThinker.isIdle() || m_outcomes.isWorking(); }

signals:
    void hinted(int column);

private:
    void seekHint();

    const OutcomesView::Holes& m_holes;
    Thinker m_hintThinker;
    HintMarker m_hintMarker;
    OutcomesView m_outcomes;
    ThreatsView m_threats;
    QList<int> m_moves;
    std::array<qint16, 8> m_height{};
    int m_turn = 1;
    bool m_personToMove = false;
};
