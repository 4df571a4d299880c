// Reads the layout of a running Calculador de fechas from outside, as
// another program on the desktop would: its client area's place on the
// screen and size, and each control's place and size. A line each, the
// window first:
//   window LEFT TOP WIDTH HEIGHT
//   NAME LEFT TOP WIDTH HEIGHT
// Exits 1 when there is no window. (Another process cannot read a control's
// font: what it draws with is compared on the screen instead.)

#include <windows.h>

#include <iostream>

#include "form/win32/form1.hpp"

int wmain()
{
    HWND window = FindWindowW(kForm1WindowClass, L"Calculador de fechas");
    if (window == nullptr) {
        return 1;
    }
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{};
    ClientToScreen(window, &origin);
    std::cout << "window " << origin.x << ' ' << origin.y << ' ' << client.right << ' ' << client.bottom << '\n';
    for (const form1::Control& each : form1::kControls) {
        HWND control = GetDlgItem(window, controlId(each.id));
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        std::cout << each.name << ' ' << place.left << ' ' << place.top << ' ' << place.right - place.left << ' '
                  << place.bottom - place.top << '\n';
    }
    return 0;
}
