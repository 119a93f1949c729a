// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/level.h"

#include <optional>
#include <variant>

// What the command line asks to play.
struct Options {
    // Against the computer at this level; without it, two people share the board.
    std::optional<engine::Level> computer;
};

// Reads the command line: -h/--help, -v/--version and --computer[=LEVEL],
// while Qt's own options (-platform, -style, ...) are left for the
// application to take. Either returns what to play, or prints the help, the
// version or what is wrong with the line and returns the exit status: 0, or
// 2 for a line it cannot follow. Needs no display and opens no window.
std::variant<Options, int> readCommandLine(int& argc, char** argv);
