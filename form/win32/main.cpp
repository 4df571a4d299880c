#include <windows.h>

#include "form/win32/program.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    return runProgram(instance, show);
}
