#pragma once

#include <windows.h>

// Shows Form1 and runs the message loop until the program ends; gives the
// exit status.
int runProgram(HINSTANCE instance, int show);

// One message of the loop: through the dialog manager first, for Tab, Enter,
// Esc and the access keys, then to its window.
void deliverMessage(HWND form, MSG& message);

// Ends the program: the message loop returns and the process exits with
// the status given.
void endProgram(int status = 0);
