#pragma once

// Starts the application with Qt's own command-line options, shows Form1 and
// runs the message loop until the program ends; gives the exit status.
int runProgram(int& argc, char** argv);

// Ends the program: the message loop returns and the process exits with 0.
void endProgram();
