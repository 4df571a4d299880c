// Loaded into the running program by deliver_dpi_change.exe: turns the
// message that asks for a new DPI into WM_DPICHANGED, as Windows sends it
// when the window moves to a monitor of another DPI, with the rectangle
// Windows would suggest. The program's own loop then delivers it.

#include <windows.h>

#include "win32/dpi_change.hpp"

namespace {
RECT suggested{};  // lives in the program's process, where the message points
}

extern "C" __declspec(dllexport) LRESULT CALLBACK deliverDpiChange(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == RegisterWindowMessageW(kAskForDpi)) {
        const UINT dpi = static_cast<UINT>(message->wParam);
        // Windows asks the window its size at the new DPI first, and keeps
        // its top left corner.
        SIZE size{};
        GetWindowRect(message->hwnd, &suggested);
        if (SendMessageW(message->hwnd, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)) != 0) {
            suggested.right = suggested.left + size.cx;
            suggested.bottom = suggested.top + size.cy;
        }
        message->message = WM_DPICHANGED;
        message->wParam = MAKEWPARAM(dpi, dpi);
        message->lParam = reinterpret_cast<LPARAM>(&suggested);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
