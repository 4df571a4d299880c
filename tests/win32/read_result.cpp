// Reads the result line of a running Calculador de fechas from outside, as
// another program on the desktop would: finds its window by title and asks
// the line for its text. Prints it in UTF-8; exits 1 when there is no window.

#include <windows.h>

#include <cstdio>
#include <string>

#include "form/win32/form1.hpp"

int wmain()
{
    HWND window = FindWindowW(kForm1WindowClass, L"Calculador de fechas");
    if (window == nullptr) {
        return 1;
    }
    wchar_t text[256] = L"";
    SendMessageW(GetDlgItem(window, controlId(form1::Id::lblsalida)), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::fputs(utf8, stdout);
    return 0;
}
