#include "form/win32/error_report.hpp"

#include <string>

#include "form/form1_layout.hpp"
#include "form/win32/wide_text.hpp"
#include "runtime/errors.hpp"

namespace {

// A message box names its button in the system's language; the program
// speaks Spanish throughout, so the button is renamed as the box appears.
LRESULT CALLBACK nameTheButtonInSpanish(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        SetDlgItemTextW(reinterpret_cast<HWND>(wParam), IDOK, L"Aceptar");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Watches the windows this thread activates while it lives.
class ActivationHook {
public:
    ActivationHook() : hook_(SetWindowsHookExW(WH_CBT, nameTheButtonInSpanish, nullptr, GetCurrentThreadId())) {}
    ~ActivationHook() { UnhookWindowsHookEx(hook_); }
    ActivationHook(const ActivationHook&) = delete;
    ActivationHook& operator=(const ActivationHook&) = delete;
    ActivationHook(ActivationHook&&) = delete;
    ActivationHook& operator=(ActivationHook&&) = delete;

private:
    HHOOK hook_;
};

}  // namespace

void reportRuntimeError(HWND owner, const runtime::RuntimeError& error)
{
    const std::wstring text =
        L"Error de ejecuci\u00F3n " + std::to_wstring(error.number()) + L":\n\n" + toWide(error.description());
    const ActivationHook spanishButton;
    MessageBoxW(owner, text.c_str(), toWide(form1::kTitle).c_str(), MB_OK | MB_ICONERROR);
}
