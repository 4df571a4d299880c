#include "form/win32/error_report.hpp"

#include <memory>
#include <string>
#include <type_traits>

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

}  // namespace

void reportRuntimeError(HWND owner, const runtime::RuntimeError& error)
{
    const std::wstring text =
        L"Error de ejecuci\u00F3n " + std::to_wstring(error.number()) + L":\n\n" + toWide(error.description());
    // Watches the windows this thread activates while the box is up.
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&UnhookWindowsHookEx)> spanishButton(
        SetWindowsHookExW(WH_CBT, nameTheButtonInSpanish, nullptr, GetCurrentThreadId()), UnhookWindowsHookEx);
    MessageBoxW(owner, text.c_str(), toWide(form1::kTitle).c_str(), MB_OK | MB_ICONERROR);
}
