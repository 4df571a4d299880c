#include "form/win32/program.hpp"

#include <commctrl.h>

#include "form/win32/form1.hpp"

int runProgram(HINSTANCE instance, int show)
{
    // The controls of the current common-controls library, which the
    // manifest asks for, look as Windows users know them.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const Form1 form(instance);
    ShowWindow(form.window(), show);
    UpdateWindow(form.window());
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        deliverMessage(form.window(), message);
    }
    return static_cast<int>(message.wParam);
}

void deliverMessage(HWND form, MSG& message)
{
    if (!IsDialogMessageW(form, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void endProgram()
{
    PostQuitMessage(0);
}
