// The game started exactly as vantrel starts it, except that its two prompts
// are answered at once with their default names: the way to get the board up
// on a platform with no keyboard to answer them, such as offscreen.

#include "bench/standins.h"
#include "board/form1.h"
#include "runtime/program.h"

int main(int argc, char** argv)
{
    DefaultAnswers answers;
    const runtime::StandIn answering(&answers);
    return runtime::startProgram<Form1>(argc, argv);
}
