#pragma once

#include <windows.h>

namespace runtime {
class RuntimeError;
}

// Tells the user, in a modal message box over the window, which run-time
// error stopped the request: its number and its description.
void reportRuntimeError(HWND owner, const runtime::RuntimeError& error);
