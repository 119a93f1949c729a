// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/layout.h"

class QWidget;

namespace runtime {
class Label;
}

// The threats, shown while a player asks for them: every empty hole where
// a disc of one player would complete four of theirs gets a spot in that
// player's colour (red's on the left where both would), and says so in its
// accessible description. Holes a disc cannot reach yet count too: those
// are the threats that decide a game later. Where no hole completes four,
// "No threats" shows below the board, so that asking is never answered by
// nothing. Once the game is over, none shows.
class ThreatsView {
public:
    // Marks these holes of the board for the game `state` reads.
    ThreatsView(QWidget& board, const game::BoardState& state, const game::Holes& holes);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The discs changed; threats show while the view is on and the game goes on.
    void boardChanged() { refresh(); }
    // Whether the view is on, the game goes on, and no hole completes four.
    bool saysNoThreats() const;

private:
    void refresh();

    const game::BoardState& m_state;
    const game::Holes& m_holes;
    runtime::Label* const m_noThreats;
    bool m_on = false;
};
