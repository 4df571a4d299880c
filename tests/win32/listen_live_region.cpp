// Listens, from another process as a screen reader does, for the live-region
// announcements of every program on the desktop, and prints the text of each
// one raised on Calculador de fechas' result line, a line at a time, in
// UTF-8. Any other announcement is printed as "other". Runs until killed.

#include <windows.h>

#include <cstdio>

#include "form/win32/form1.hpp"

namespace {

void CALLBACK heard(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object, LONG child, DWORD /*thread*/,
                    DWORD /*time*/)
{
    if (object != OBJID_CLIENT || child != CHILDID_SELF || GetDlgCtrlID(window) != controlId(form1::Id::lblsalida)) {
        std::puts("other");
    } else {
        wchar_t text[256] = L"";
        SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        char utf8[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::puts(utf8);
    }
    std::fflush(stdout);
}

}  // namespace

int wmain()
{
    // Every process: a hook filtered by the program's process id hears
    // nothing under Wine.
    if (SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, heard, 0, 0,
                        WINEVENT_OUTOFCONTEXT) == nullptr) {
        return 1;
    }
    std::puts("listening");
    std::fflush(stdout);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
