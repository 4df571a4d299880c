#pragma once

#include <windows.h>

#include <string>

namespace runtime {
class RuntimeError;
}

// Tells the user, in a modal message box over the window, which run-time
// error stopped the request: its number and its description.
void reportRuntimeError(HWND owner, const runtime::RuntimeError& error);

// Shows a report of something that went wrong, in the same box: the
// window's title, the text, the error icon and sound, and "Aceptar".
void showReport(HWND owner, const std::wstring& text);
