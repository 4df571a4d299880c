#pragma once

// Starts the application with Qt's own command-line options, shows Form1 and
// runs the message loop until the program ends; gives the exit status.
int runProgram(int& argc, char** argv);

// Qt's own texts (the report's button, the boxes' context menus) in Spanish,
// whatever the user's locale: the program speaks Spanish only. Needs the
// application to exist.
void installSpanishTranslations();

// Ends the program: the message loop returns and the process exits with
// the status given.
void endProgram(int status = 0);
