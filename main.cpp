#include "board/form1.h"
#include "runtime/program.h"

int main(int argc, char** argv)
{
    return runtime::startProgram<Form1>(argc, argv);
}
