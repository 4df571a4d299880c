#pragma once

// A fixture that drives the Windows window with keys as a user's arrive:
// posted to the control that has the focus and delivered through the
// program's own message loop, dialog manager first.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "form/win32/form1.hpp"
#include "form/win32/program.hpp"
#include "form/win32/wide_text.hpp"

class Form1Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<Form1>(GetModuleHandleW(nullptr));
        ShowWindow(form->window(), SW_SHOW);
        pump();
    }

    // Delivers what is queued, as the program's loop would; true once the
    // program has been asked to end.
    bool pump()
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (message.message == WM_QUIT) {
                return true;
            }
            deliverMessage(form->window(), message);
        }
        return false;
    }

    // A key pressed and released where the focus is; the loop turns it into
    // the character it types. With shift, as Shift+Tab needs it.
    bool press(WORD key, bool alt = false, bool shift = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        HWND target = GetFocus() != nullptr ? GetFocus() : form->window();
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16 | (alt ? 1L << 29 : 0);
        PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
        PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, down | 3L << 30);
        return pump();
    }

    void type(const std::wstring& text)
    {
        for (const wchar_t character : text) {
            press(LOBYTE(VkKeyScanW(character)));
        }
    }

    void typeDate(const std::wstring& dia, const std::wstring& mes, const std::wstring& anio)
    {
        type(dia);
        press(VK_TAB);
        type(mes);
        press(VK_TAB);
        type(anio);
    }

    [[nodiscard]] HWND control(form1::Id id) const { return form->control(id); }
    [[nodiscard]] std::wstring salida() const { return wideWindowText(control(form1::Id::lblsalida)); }

    std::unique_ptr<Form1> form;
};
