// Has a running Calculador de fechas receive WM_DPICHANGED for a DPI, as
// when its window is dragged to a monitor of that DPI: hooks the window's
// thread with dpi_change_hook.dll, which stands in for Windows there, and
// waits until the window has taken the new size.
//   deliver_dpi_change.exe DPI
// Exits 1 when there is no window, 2 when the hook cannot be set, 3 when
// the window has not changed within 10 s.

#include <windows.h>

#include <bit>
#include <cwchar>

#include "form/twips.hpp"
#include "form/win32/form1.hpp"
#include "win32/dpi_change.hpp"

int wmain(int argc, wchar_t** argv)
{
    const int dpi = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 0;
    HWND window = FindWindowW(kForm1WindowClass, L"Calculador de fechas");
    if (window == nullptr || dpi <= 0) {
        return 1;
    }
    HMODULE hookLibrary = LoadLibraryW(L"dpi_change_hook.dll");
    auto* hook =
        hookLibrary != nullptr ? std::bit_cast<HOOKPROC>(GetProcAddress(hookLibrary, "deliverDpiChange")) : nullptr;
    HHOOK installed =
        hook != nullptr ? SetWindowsHookExW(WH_GETMESSAGE, hook, hookLibrary, GetWindowThreadProcessId(window, nullptr))
                        : nullptr;
    if (installed == nullptr) {
        return 2;
    }
    PostMessageW(window, RegisterWindowMessageW(kAskForDpi), static_cast<WPARAM>(dpi), 0);
    int status = 3;
    for (int tick = 0; tick < 200 && status != 0; ++tick) {
        Sleep(50);
        RECT client{};
        GetClientRect(window, &client);
        if (client.right == twipsToPixels(form1::kClientWidth, dpi)) {
            status = 0;
        }
    }
    UnhookWindowsHookEx(installed);
    return status;
}
