// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/layout.h"

// The last disc played carries a dot, so that a player sees at once where
// the other's disc, or the computer's, went; its hole says "Last move" to
// a screen reader. It moves with every move, take-back and redo, and stays
// on a finished board. On unless a player turns it off.
class LastMoveMark {
public:
    LastMoveMark(const game::BoardState& state, const game::Holes& holes);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The discs changed.
    void boardChanged();

private:
    const game::BoardState& m_state;
    const game::Holes& m_holes;
    bool m_on = true;
};
