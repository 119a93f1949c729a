// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/form1.h"
#include "commandline/commandline.h"
#include "computer/computergame.h"
#include "runtime/program.h"

int main(int argc, char** argv)
{
    const auto commandLine = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&commandLine))
        return *status;
    const Options& options = std::get<Options>(commandLine);
    if (options.computer)
        return runtime::startProgram<ComputerGame>(argc, argv, *options.computer, options.moves);
    return runtime::startProgram<Form1>(argc, argv, Form1::Blue::person, options.moves);
}
