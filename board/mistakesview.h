// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/verdict.h"
#include "thinker/thinker.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

// The mistakes, judged while a player asks for them: every move that turned
// its mover's outcome worse under perfect play. Between two people both
// players' moves are judged; against the computer, the person's. The last
// move is judged first, then the ones before it, from the scores of the
// position each was played in, which thinking ahead has usually found
// already. Verdicts are kept by the moves they judge, so that they follow
// take-backs and redos without being judged again.
class MistakesView : public QObject {
    Q_OBJECT

public:
    MistakesView(const game::BoardState& state, QObject* parent);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The moves changed: the ones not judged yet are judged, the last first.
    void boardChanged();
    // The verdict on move `move` (from 0) of the game on the board, once
    // known, while the view is on.
    std::optional<Verdict> verdictOn(qsizetype move) const;
    // Whether the engine is still judging a move.
    bool isWorking() const { return !m_thinker.isIdle(); }

signals:
    // A move's verdict came, or the view was turned on or off: what the
    // marks show may have changed.
    void changed();

private:
    void judgeNext();
    void report(int column, score::Bounds bounds);

    const game::BoardState& m_state;
    Thinker m_thinker;
    bool m_on = false;
    // Verdicts by the moves up to and including the move judged.
    QHash<QList<int>, Verdict> m_verdicts;
    // The move being judged, and what is known so far of its position's columns.
    QList<int> m_judging;
    score::ColumnScores m_scores{};
};
