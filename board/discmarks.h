// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/layout.h"

class MistakesView;

// The marks on the discs, and what their holes say to a screen reader. The
// last disc played carries a dot, so that a player sees at once where the
// other's disc, or the computer's, went ("Last move"): it moves with every
// move, take-back and redo, stays on a finished board, and is on unless a
// player turns it off. A mistake, while they are marked, carries a dashed
// edge ("Mistake") for as long as its disc is on the board.
class DiscMarks {
public:
    DiscMarks(const game::BoardState& state, const MistakesView& mistakes, const game::Holes& holes);

    bool marksLastMove() const { return m_lastMove; }
    void markLastMove(bool marked);
    // The discs or the verdicts on them changed.
    void boardChanged();

private:
    const game::BoardState& m_state;
    const MistakesView& m_mistakes;
    const game::Holes& m_holes;
    bool m_lastMove = true;
};
