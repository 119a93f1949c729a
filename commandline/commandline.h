// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/level.h"

#include <QList>

#include <optional>
#include <variant>

// What the command line asks to play.
struct Options {
    // Against the computer at this level; without it, two people share the board.
    std::optional<engine::Level> computer;
    // The moves to set the board up with, columns 1 to 7 in the order
    // played, when the line gives them (--moves), none or more.
    std::optional<QList<int>> moves;
};

// Reads the command line: -h/--help, -v/--version, --computer[=LEVEL] and
// --moves=MOVES,
// while Qt's own options (-platform, -style, ...) are left for the
// application to take. Either returns what to play, or prints the help, the
// version or what is wrong with the line and returns the exit status: 0, or
// 2 for a line it cannot follow. Needs no display and opens no window.
std::variant<Options, int> readCommandLine(int& argc, char** argv);
