#pragma once

#include <optional>
#include <variant>

// The strength the computer plays at, weakest first.
enum class ComputerLevel { easy, medium, hard };

// What the command line asks to play.
struct Options {
    // Against the computer at this level; without it, two people share the board.
    std::optional<ComputerLevel> computer;
};

// Reads the command line: -h/--help, -v/--version and --computer[=LEVEL],
// while Qt's own options (-platform, -style, ...) are left for the
// application to take. Either returns what to play, or prints the help, the
// version or what is wrong with the line and returns the exit status: 0, or
// 2 for a line it cannot follow. Needs no display and opens no window.
std::variant<Options, int> readCommandLine(int& argc, char** argv);
