// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/lines.h"

#include <array>

namespace runtime {
class Shape;
}

// The threats, shown while a player asks for them: every empty hole where
// a disc of one player would complete four of theirs gets a small spot in
// that player's colour (red's on the left where both would), and says so
// in its accessible description. Holes a disc cannot reach yet count too:
// those are the threats that decide a game later. Once the game is over,
// none shows.
class ThreatsView {
public:
    // The board's holes, [column][row], column 0 unused.
    using Holes = std::array<std::array<runtime::Shape*, 6>, 8>;

    explicit ThreatsView(const Holes& holes);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The board holds these discs now; threats show while the view is on and
    // the game goes on.
    void follow(const game::Cells& cells, bool gameGoesOn);

private:
    void refresh();

    const Holes& m_holes;
    bool m_on = false;
    game::Cells m_cells{};
    bool m_gameGoesOn = false;
};
