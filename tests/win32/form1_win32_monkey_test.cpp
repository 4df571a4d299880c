// A monkey at the keyboard of the Windows window: seeded random keys through
// the program's own message loop, with every error report dismissed as it
// comes up. After each key the window must be alive and coherent. The same keys
// each run; MONKEY_SEED names other ones, or replays a run.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>
#include <string>

#include "win32/form1_window.hpp"

namespace {

constexpr int kKeys = 20'000;

// Everything the result line may hold.
const std::set<std::wstring> kResults = {
    L"",       L"Mal a\u00F1o", L"Mal mes",     L"Mal d\u00ECa", L"Lunes", L"Martes", L"Mi\u00E9rcoles",
    L"Jueves", L"Viernes",      L"S\u00E1bado", L"Domingo",
};

// Characters typed straight into the box with the focus. Never "s" or "c",
// which on a button are its access keys, nor Esc, which ends the program.
constexpr std::wstring_view kTyped = L"0123456789+-.,eEazx \u00E1\u00F1";

enum class Stroke : std::uint8_t { Text, Backspace, Tab, ShiftTab, Enter, AltC };

int reports = 0;
void CALLBACK dismissAnyReport(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/)
{
    if (HWND box = FindWindowW(L"#32770", L"Calculador de fechas"); box != nullptr) {
        ++reports;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

// The same keys on every run, as a distribution's build expects, unless
// MONKEY_SEED asks for others.
constexpr std::uint32_t kUsualSeed = 20261209;

std::uint32_t seedFromEnvironment()
{
    const char* given = std::getenv("MONKEY_SEED");
    return given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10)) : kUsualSeed;
}

using Form1Monkey = Form1Window;

TEST_F(Form1Monkey, RandomKeysNeverBreakTheWindow)
{
    const std::uint32_t seed = seedFromEnvironment();
    std::cout << "MONKEY_SEED=" << seed << '\n';
    std::mt19937 random(seed);
    std::discrete_distribution<int> strokes({70.0, 10.0, 4.0, 4.0, 10.0, 0.5});
    std::uniform_int_distribution<std::size_t> typed(0, kTyped.size() - 1);
    const UINT_PTR dismisser = SetTimer(nullptr, 0, 5, dismissAnyReport);
    reports = 0;

    for (int i = 0; i < kKeys; ++i) {
        auto stroke = static_cast<Stroke>(strokes(random));
        if (GetFocus() == control(form1::Id::cmdsalir) && (stroke == Stroke::Enter || stroke == Stroke::Text)) {
            stroke = Stroke::Tab;  // there they would press "Salir"
        }
        bool ended = false;
        switch (stroke) {
            case Stroke::Text:
                PostMessageW(GetFocus(), WM_CHAR, kTyped[typed(random)], 1);
                ended = pump();
                break;
            case Stroke::Backspace: ended = press(VK_BACK); break;
            case Stroke::Tab: ended = press(VK_TAB); break;
            case Stroke::ShiftTab: ended = press(VK_TAB, false, true); break;
            case Stroke::Enter: ended = press(VK_RETURN); break;
            case Stroke::AltC: ended = press('C', true); break;
        }
        const std::string context = "seed " + std::to_string(seed) + ", key " + std::to_string(i);
        ASSERT_FALSE(ended) << context;
        ASSERT_TRUE(IsWindowVisible(form->window())) << context;
        ASSERT_TRUE(kResults.contains(salida())) << context;
        ASSERT_LE(wideWindowText(control(form1::Id::txtmes)).size(), 2U) << context;
        ASSERT_LE(wideWindowText(control(form1::Id::txtanio)).size(), 4U) << context;
    }
    KillTimer(nullptr, dismisser);
    std::cout << reports << " error reports dismissed\n";

    // Held back until now: Esc ends the program.
    EXPECT_TRUE(press(VK_ESCAPE));
}

}  // namespace
