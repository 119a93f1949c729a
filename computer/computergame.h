// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/form1.h"
#include "computer/computerplayer.h"

#include <optional>

// A person against the computer: the board, with blue played by the computer,
// from the empty board or from the position some moves reach.
class ComputerGame {
public:
    explicit ComputerGame(engine::Level level, const std::optional<QList<int>>& moves = {})
        : m_board(Form1::Blue::computer, moves)
        , m_computer(m_board, level)
    {
    }

    void load() { m_board.load(); }
    void show() { m_board.show(); }

private:
    Form1 m_board;
    ComputerPlayer m_computer;
};
