#include "form/win32/error_report.hpp"

#include <memory>
#include <type_traits>

#include "form/error_report_text.hpp"
#include "form/form1_layout.hpp"
#include "form/win32/wide_text.hpp"

namespace {

// Made before the hook is set, so that the hook itself cannot throw.
const std::wstring& buttonText()
{
    static const std::wstring text = toWide(form1::kReportButton);
    return text;
}

// A message box names its button in the system's language; the program
// speaks Spanish throughout, so the button is renamed as the box appears.
LRESULT CALLBACK nameTheButtonInSpanish(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HCBT_ACTIVATE) {
        SetDlgItemTextW(reinterpret_cast<HWND>(wParam), IDOK, buttonText().c_str());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void reportRuntimeError(HWND owner, const runtime::RuntimeError& error)
{
    showReport(owner, toWide(form1::reportText(error)));
}

void showReport(HWND owner, const std::wstring& text)
{
    static_cast<void>(buttonText());
    // Watches the windows this thread activates while the box is up.
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&UnhookWindowsHookEx)> spanishButton(
        SetWindowsHookExW(WH_CBT, nameTheButtonInSpanish, nullptr, GetCurrentThreadId()), UnhookWindowsHookEx);
    MessageBoxW(owner, text.c_str(), toWide(form1::kTitle).c_str(), MB_OK | MB_ICONERROR);
}
