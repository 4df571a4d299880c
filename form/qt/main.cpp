#include "form/qt/program.hpp"

int main(int argc, char* argv[])
{
    return runProgram(argc, argv);
}
