#include "form/win32/program.hpp"

#include <commctrl.h>
#include <objbase.h>

#include <system_error>

#include "form/at_the_boundary.hpp"
#include "form/win32/error_report.hpp"
#include "form/win32/form1.hpp"
#include "form/win32/wide_text.hpp"

namespace {

// COM on this thread for as long as the window lives: the accessibility
// property service, which has screen readers announce the result line, is a
// COM object.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (joined_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ComApartment(ComApartment&&) = delete;
    ComApartment& operator=(ComApartment&&) = delete;

private:
    bool joined_;
};

}  // namespace

int runProgram(HINSTANCE instance, int show)
{
    // The controls of the current common-controls library, which the
    // manifest asks for, look as Windows users know them.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;

    try {
        Form1 form(instance);  // not const: its window procedure changes it
        ShowWindow(form.window(), show);
        UpdateWindow(form.window());
        MSG message{};
        BOOL got = 0;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
            deliverMessage(form.window(), message);
        }
        if (got == -1) {  // the queue itself failed
            showReport(form.window(), toWide(form1::kUnexpectedError));
            return form1::kUnexpectedErrorStatus;
        }
        return static_cast<int>(message.wParam);
    } catch (...) {
        // Said, rather than waiting for ever on a loop without a window.
        showReport(nullptr, toWide(form1::kWindowRefused));
        return 1;
    }
}

void deliverMessage(HWND form, MSG& message)
{
    if (IsDialogMessageW(form, &message) == FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void endProgram(int status)
{
    PostQuitMessage(status);
}
