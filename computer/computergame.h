// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/form1.h"
#include "computer/computerplayer.h"

// A person against the computer: the board, with blue played by the computer.
class ComputerGame {
public:
    explicit ComputerGame(engine::Level level)
        : m_computer(m_board, level)
    {
    }

    void load() { m_board.load(); }
    void show() { m_board.show(); }

private:
    Form1 m_board{ Form1::Blue::computer };
    ComputerPlayer m_computer;
};
