#include "board/form1.h"
#include "commandline/commandline.h"
#include "runtime/program.h"

int main(int argc, char** argv)
{
    const auto options = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&options))
        return *status;
    return runtime::startProgram<Form1>(argc, argv);
}
