#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The calculation's UTF-16 texts and the Windows API's wide strings are the
// same code units under two types.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring toWide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

inline std::wstring wideWindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::u16string windowText(HWND window)
{
    const std::wstring text = wideWindowText(window);
    return {text.begin(), text.end()};
}
