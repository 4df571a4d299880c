#include "form/win32/error_report.hpp"

#include <string>

#include "form/form1_layout.hpp"
#include "form/win32/wide_text.hpp"
#include "runtime/errors.hpp"

void reportRuntimeError(HWND owner, const runtime::RuntimeError& error)
{
    const std::wstring text =
        L"Error de ejecuci\u00F3n " + std::to_wstring(error.number()) + L":\n\n" + toWide(error.description());
    MessageBoxW(owner, text.c_str(), toWide(form1::kTitle).c_str(), MB_OK | MB_ICONERROR);
}
