// SPDX-License-Identifier: GPL-3.0-or-later
// The game started exactly as vantrel starts it, except that its two prompts
// are answered at once with their default names: the way to get the board up
// on a platform with no keyboard to answer them, such as offscreen.

#include "board/form1.h"
#include "runtime/program.h"
#include "runtime/scripted.h"

int main(int argc, char** argv)
{
    ScriptedPrompt answers; // nothing scripted: every prompt gets its default
    const runtime::StandIn answering(&answers);
    return runtime::startProgram<Form1>(argc, argv);
}
