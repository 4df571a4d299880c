// The Windows window as its user meets it: requests, places, fonts, keys,
// the error report; and the program's version record.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <new>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "form/twips.hpp"
#include "form/win32/error_report.hpp"
#include "win32/form1_window.hpp"

namespace {

struct Request {
    const wchar_t* dia;
    const wchar_t* mes;
    const wchar_t* anio;
    const wchar_t* result;
};

class Requests : public Form1Window, public ::testing::WithParamInterface<Request> {};

TEST_P(Requests, EnterShowsTheResult)
{
    typeDate(GetParam().dia, GetParam().mes, GetParam().anio);
    press(VK_RETURN);
    EXPECT_EQ(salida(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, Requests,
    ::testing::Values(Request{L"7", L"5", L"2003", L"Mi\u00E9rcoles"}, Request{L"29", L"2", L"2000", L"Martes"},
                      Request{L"1", L"1", L"999", L"Mal a\u00F1o"}, Request{L"1", L"13", L"2003", L"Mal mes"},
                      Request{L"29", L"2", L"1900", L"Mal d\u00ECa"}, Request{L"4.6", L"5", L"2003", L"Lunes"},
                      Request{L"", L"", L"", L"Mal a\u00F1o"}));

TEST_F(Form1Window, TitleSizeAndPlaces)
{
    EXPECT_EQ(wideWindowText(form->window()), L"Calculador de fechas");
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT client{};
    GetClientRect(form->window(), &client);
    EXPECT_EQ(client.right, twipsToPixels(4680, dpiX));
    EXPECT_EQ(client.bottom, twipsToPixels(3195, dpiY));
    EXPECT_EQ(GetWindowLongW(form->window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);  // fixed size

    struct Place {
        form1::Id id;
        const wchar_t* caption;
        TwipRect twips;
    };
    const Place places[] = {
        {form1::Id::txtDia, L"", {480, 720, 735, 285}},
        {form1::Id::txtmes, L"", {1440, 720, 735, 285}},
        {form1::Id::cmdsalir, L"&Salir", {3600, 240, 855, 735}},
        {form1::Id::CmdCalcular, L"&Calcular", {1080, 1080, 1575, 495}},
        {form1::Id::txtanio, L"", {2400, 720, 735, 285}},
        {form1::Id::Label3, L"Ingrese el d\u00ECa", {480, 120, 735, 375}},
        {form1::Id::Label2, L"Ingrese el a\u00F1o", {2400, 120, 735, 495}},
        {form1::Id::Label1, L"Ingrese el mes", {1440, 120, 735, 495}},
        {form1::Id::lblsalida, L"", {1080, 1680, 1575, 255}},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(form1::control(place.id).name);
        RECT shown{};
        GetWindowRect(control(place.id), &shown);
        MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&shown), 2);
        EXPECT_EQ(shown.left, twipsToPixels(place.twips.left, dpiX));
        EXPECT_EQ(shown.top, twipsToPixels(place.twips.top, dpiY));
        EXPECT_EQ(shown.right - shown.left, twipsToPixels(place.twips.width, dpiX));
        EXPECT_EQ(shown.bottom - shown.top, twipsToPixels(place.twips.height, dpiY));
        EXPECT_EQ(wideWindowText(control(place.id)), place.caption);
    }
}

// The box a control's caption needs in the control's font, at its width.
RECT textExtent(HWND control, UINT format)
{
    RECT box{};
    GetClientRect(control, &box);
    HDC drawing = GetDC(control);
    const HGDIOBJ previous = SelectObject(drawing, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(drawing, wideWindowText(control).c_str(), -1, &box, format | DT_CALCRECT);
    SelectObject(drawing, previous);
    ReleaseDC(control, drawing);
    return box;
}

// Draws a label's caption as the label does, but twice as tall, and tells
// whether any ink falls below the label's own height: a line cut off.
bool inkBelowItsHeight(HWND label)
{
    RECT box{};
    GetClientRect(label, &box);
    const int height = box.bottom;
    box.bottom *= 2;
    HDC screen = GetDC(label);
    HDC drawing = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, box.right, box.bottom);
    ReleaseDC(label, screen);
    const HGDIOBJ previousCanvas = SelectObject(drawing, canvas);
    const HGDIOBJ previousFont =
        SelectObject(drawing, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    FillRect(drawing, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(drawing, TRANSPARENT);
    DrawTextW(drawing, wideWindowText(label).c_str(), -1, &box, DT_WORDBREAK);
    bool ink = false;
    for (int y = height; y < box.bottom && !ink; ++y) {
        for (int x = 0; x < box.right && !ink; ++x) {
            ink = GetPixel(drawing, x, y) != RGB(255, 255, 255);
        }
    }
    SelectObject(drawing, previousFont);
    SelectObject(drawing, previousCanvas);
    DeleteObject(canvas);
    DeleteDC(drawing);
    return ink;
}

// The window at a DPI: it grows with the screen, no two controls overlap,
// and every caption fits its control.
void expectLayoutHolds(const Form1& form, int dpi)
{
    const auto control = [&form](form1::Id id) { return form.control(id); };
    RECT client{};
    GetClientRect(form.window(), &client);
    EXPECT_EQ(client.right, twipsToPixels(4680, dpi));
    EXPECT_EQ(client.bottom, twipsToPixels(3195, dpi));

    std::vector<std::pair<form1::Id, RECT>> shown;
    for (const form1::Control& each : form1::kControls) {
        RECT place{};
        GetWindowRect(control(each.id), &place);
        MapWindowPoints(nullptr, form.window(), reinterpret_cast<POINT*>(&place), 2);
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &place, &client) && EqualRect(&inside, &place)) << each.name;
        for (const auto& [other, otherPlace] : shown) {
            EXPECT_FALSE(IntersectRect(&inside, &place, &otherPlace))
                << each.name << " overlaps " << form1::control(other).name;
        }
        shown.emplace_back(each.id, place);
    }
    for (const form1::Control& each : form1::kControls) {
        if (each.caption.empty()) {
            continue;
        }
        RECT available{};
        GetClientRect(control(each.id), &available);
        const bool wraps = each.kind == form1::Kind::Label;
        const RECT needed = textExtent(control(each.id), wraps ? DT_WORDBREAK : DT_SINGLELINE);
        EXPECT_LE(needed.right, available.right) << each.name;
        if (wraps) {
            EXPECT_FALSE(inkBelowItsHeight(control(each.id))) << each.name;
        } else {
            EXPECT_LE(needed.bottom, available.bottom) << each.name;
        }
    }
}

// Run again with Windows set to 120, 144 and 168 DPI.
TEST_F(Form1Window, LayoutHoldsAtThisDpi)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (const char* asked = std::getenv("CALCULADOR_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::atoi(asked));
    }
    expectLayoutHolds(*form, dpi);
}

// The program's manifest, which the tests share: it asks for per-monitor
// awareness, version 2 where Windows has it, and Windows (Wine, which knows
// no version 2) makes the program aware of each monitor's DPI.
TEST(Manifest, AsksForPerMonitorDpiAwareness)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string_view manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                                    SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string_view::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string_view::npos);
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

// The colours a control shows on the screen, from a picture of the window.
std::vector<COLORREF> coloursOf(HWND window, HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    HDC screen = GetDC(window);
    std::vector<COLORREF> colours;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) {
            colours.push_back(GetPixel(screen, x, y));
        }
    }
    ReleaseDC(window, screen);
    return colours;
}

// The system colours of a High Contrast scheme while it lives, as the
// control panel sets them; the machine's own again after.
class HighContrastScheme {
public:
    HighContrastScheme(COLORREF background, COLORREF text)
    {
        for (std::size_t i = 0; i < kElements.size(); ++i) {
            saved.at(i) = GetSysColor(kElements.at(i));
        }
        const COLORREF scheme[] = {background, text, background, text};
        EXPECT_TRUE(SetSysColors(static_cast<int>(kElements.size()), kElements.data(), scheme));
    }
    ~HighContrastScheme() { SetSysColors(static_cast<int>(kElements.size()), kElements.data(), saved.data()); }
    HighContrastScheme(const HighContrastScheme&) = delete;
    HighContrastScheme& operator=(const HighContrastScheme&) = delete;
    HighContrastScheme(HighContrastScheme&&) = delete;
    HighContrastScheme& operator=(HighContrastScheme&&) = delete;

private:
    static constexpr std::array<INT, 4> kElements{COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
    std::array<COLORREF, kElements.size()> saved{};
};

constexpr std::pair<COLORREF, COLORREF> kHighContrastBlack{RGB(0, 0, 0), RGB(255, 255, 255)};
constexpr std::pair<COLORREF, COLORREF> kHighContrastWhite{RGB(255, 255, 255), RGB(0, 0, 0)};

// Ink of the text colour, on no other background than the scheme's.
void expectDrawnIn(const std::vector<COLORREF>& colours, COLORREF background, COLORREF text)
{
    EXPECT_GT(std::count(colours.begin(), colours.end(), text), 20);
    EXPECT_GT(std::count(colours.begin(), colours.end(), background), static_cast<long>(colours.size()) / 2);
}

// With High Contrast's colours (black and white, each way round), every
// caption and the result line are drawn in the text colour on the
// background colour.
TEST(HighContrast, CaptionsAndResultInTheSchemesColours)
{
    for (const auto& [background, text] : {kHighContrastBlack, kHighContrastWhite}) {
        const HighContrastScheme scheme(background, text);
        Form1 form(GetModuleHandleW(nullptr));
        ShowWindow(form.window(), SW_SHOW);
        form.mostrarSalida(u"Mi\u00E9rcoles");
        UpdateWindow(form.window());
        for (const form1::Id id : {form1::Id::Label1, form1::Id::Label2, form1::Id::Label3, form1::Id::lblsalida}) {
            SCOPED_TRACE(form1::control(id).name);
            expectDrawnIn(coloursOf(form.window(), form.control(id)), background, text);
        }
    }
}

LONG fontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Moved to monitors of other DPIs, as Windows moves it: asked its size at
// the new DPI, then sent WM_DPICHANGED with the rectangle that makes,
// through the program's loop. The 8.25-point fonts take the character
// height of that DPI.
TEST_F(Form1Window, LaysItselfOutAgainAtEachNewDpi)
{
    struct Monitor {
        int dpi;
        LONG fontHeight;
    };
    for (const Monitor monitor : {Monitor{120, -14}, Monitor{144, -17}, Monitor{192, -22}, Monitor{96, -11}}) {
        SCOPED_TRACE(monitor.dpi);
        RECT suggested{};
        GetWindowRect(form->window(), &suggested);
        SIZE size{};
        ASSERT_TRUE(SendMessageW(form->window(), WM_GETDPISCALEDSIZE, monitor.dpi, reinterpret_cast<LPARAM>(&size)));
        suggested.right = suggested.left + size.cx;
        suggested.bottom = suggested.top + size.cy;
        PostMessageW(form->window(), WM_DPICHANGED, MAKEWPARAM(monitor.dpi, monitor.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        pump();

        RECT frame{};
        GetWindowRect(form->window(), &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.top, suggested.top);
        expectLayoutHolds(*form, monitor.dpi);
        for (const form1::Control& each : form1::kControls) {
            EXPECT_EQ(fontHeight(control(each.id)), monitor.fontHeight) << each.name;
        }
    }
}

TEST_F(Form1Window, FontsOfTheWindowAndOfTheControls)
{
    using form1::Id;
    const auto family = [this](Id id) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(id), WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::wstring(font.lfFaceName);
    };
    for (const Id id : {Id::txtDia, Id::Label1, Id::Label2, Id::Label3}) {
        EXPECT_EQ(family(id), L"Tahoma") << form1::control(id).name;
    }
    for (const Id id : {Id::txtmes, Id::txtanio, Id::cmdsalir, Id::CmdCalcular, Id::lblsalida}) {
        EXPECT_EQ(family(id), L"MS Sans Serif") << form1::control(id).name;
    }
}

TEST_F(Form1Window, TabOrderFromTheDayBox)
{
    EXPECT_EQ(GetFocus(), control(form1::Id::txtDia));
    using form1::Id;
    for (const Id next : {Id::txtmes, Id::txtanio, Id::CmdCalcular, Id::cmdsalir, Id::txtDia}) {
        press(VK_TAB);
        EXPECT_EQ(GetFocus(), control(next)) << form1::control(next).name;
    }
}

TEST_F(Form1Window, BoxLengths)
{
    typeDate(L"123456789", L"123", L"200345");
    EXPECT_EQ(wideWindowText(control(form1::Id::txtDia)), L"123456789");
    EXPECT_EQ(wideWindowText(control(form1::Id::txtmes)), L"12");
    EXPECT_EQ(wideWindowText(control(form1::Id::txtanio)), L"2003");
}

TEST_F(Form1Window, AltCAsksAndTypingAloneChangesNothing)
{
    typeDate(L"7", L"5", L"2003");
    EXPECT_EQ(salida(), L"");
    press('C', true);
    EXPECT_EQ(salida(), L"Mi\u00E9rcoles");
}

TEST_F(Form1Window, EscAltSAndClosingEndTheProgram)
{
    EXPECT_TRUE(press(VK_ESCAPE));
    EXPECT_TRUE(press('S', true));
    PostMessageW(form->window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(pump());
}

// Whether a box shows an icon: a static control drawn as one, found by its
// style rather than by an identifier that differs between implementations.
bool hasIcon(HWND box)
{
    for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child != nullptr;
         child = FindWindowExW(box, child, L"Static", nullptr)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            return true;
        }
    }
    return false;
}

// Reads the error report once it is up, and dismisses it as a user would;
// after 5 s (100 ticks of 50 ms) without one, stops looking.
std::wstring reportShown;
int ticksWithoutReport = 0;
void CALLBACK dismissReport(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/)
{
    HWND box = FindWindowW(L"#32770", L"Calculador de fechas");
    if (box == nullptr) {
        if (++ticksWithoutReport == 100) {
            KillTimer(nullptr, timer);
            reportShown = L"no report within 5 s";
        }
        return;
    }
    KillTimer(nullptr, timer);
    const bool errorIcon = hasIcon(box);
    reportShown = wideWindowText(GetDlgItem(box, 0xFFFF)) + (errorIcon ? L"|icon|" : L"|no icon|") +
                  wideWindowText(GetDlgItem(box, IDOK));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(Form1Window, OverflowIsReportedAndTheWindowKeepsItsTexts)
{
    typeDate(L"7", L"5", L"2003");
    press(VK_RETURN);
    SetFocus(control(form1::Id::txtmes));
    press(VK_BACK);
    type(L"-1");

    reportShown.clear();
    ticksWithoutReport = 0;
    SetTimer(nullptr, 0, 50, dismissReport);
    press(VK_RETURN);

    EXPECT_EQ(reportShown, L"Error de ejecuci\u00F3n 6:\n\nDesbordamiento|icon|Aceptar");
    EXPECT_TRUE(IsWindowVisible(form->window()));
    EXPECT_EQ(salida(), L"Mi\u00E9rcoles");
    EXPECT_EQ(wideWindowText(control(form1::Id::txtmes)), L"-1");
    EXPECT_EQ(wideWindowText(control(form1::Id::txtanio)), L"2003");
}

// The error report's message as drawn, read before it is dismissed.
std::vector<COLORREF> reportTextColours;
void CALLBACK photographAndDismissReport(HWND window, UINT message, UINT_PTR timer, DWORD time)
{
    if (HWND box = FindWindowW(L"#32770", L"Calculador de fechas"); box != nullptr) {
        UpdateWindow(box);
        reportTextColours = coloursOf(box, GetDlgItem(box, 0xFFFF));
    }
    dismissReport(window, message, timer, time);
}

TEST(HighContrast, ErrorReportInTheSchemesColours)
{
    for (const auto& [background, text] : {kHighContrastBlack, kHighContrastWhite}) {
        const HighContrastScheme scheme(background, text);
        reportShown.clear();
        reportTextColours.clear();
        ticksWithoutReport = 0;
        SetTimer(nullptr, 0, 50, photographAndDismissReport);
        showReport(nullptr, L"Error de ejecuci\u00F3n 6:\n\nDesbordamiento");
        ASSERT_EQ(reportShown, L"Error de ejecuci\u00F3n 6:\n\nDesbordamiento|icon|Aceptar");
        expectDrawnIn(reportTextColours, background, text);
    }
}

// Windows refuses to make the program's window while this hook is in place.
LRESULT CALLBACK refuseTheWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const wchar_t* className = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::wstring_view(className) == kForm1WindowClass) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(WindowRefused, IsReportedAndTheProgramEndsWithFailure)
{
    HHOOK refusal = SetWindowsHookExW(WH_CBT, refuseTheWindow, nullptr, GetCurrentThreadId());
    EXPECT_THROW(Form1{GetModuleHandleW(nullptr)}, std::system_error);

    reportShown.clear();
    ticksWithoutReport = 0;
    SetTimer(nullptr, 0, 50, dismissReport);
    EXPECT_EQ(runProgram(GetModuleHandleW(nullptr), SW_SHOW), 1);
    EXPECT_EQ(reportShown, L"No se pudo abrir la ventana.|icon|Aceptar");
    UnhookWindowsHookEx(refusal);
}

// What the program cannot mend, from within the window procedure: reported,
// and the program ends with status 1.
void failsForWantOfMemory(calc::Formulario& /*form*/)
{
    throw std::bad_alloc();
}
void failsAsASystemCall(calc::Formulario& /*form*/)
{
    throw std::system_error(ERROR_NOT_ENOUGH_MEMORY, std::system_category(), "prueba");
}

class UnexpectedErrors : public testing::TestWithParam<form1::Calculation> {};
TEST_P(UnexpectedErrors, AreReportedAndEndTheProgramWithFailure)
{
    Form1 form(GetModuleHandleW(nullptr), GetParam());
    ShowWindow(form.window(), SW_SHOW);
    reportShown.clear();
    ticksWithoutReport = 0;
    SetTimer(nullptr, 0, 50, dismissReport);
    PostMessageW(form.window(), WM_COMMAND, MAKEWPARAM(controlId(form1::Id::CmdCalcular), BN_CLICKED), 0);

    MSG message{};
    const ULONGLONG deadline = GetTickCount64() + 10'000;
    while (GetTickCount64() < deadline) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            Sleep(5);
        } else if (message.message == WM_QUIT) {
            break;
        } else {
            deliverMessage(form.window(), message);
        }
    }
    ASSERT_EQ(message.message, static_cast<UINT>(WM_QUIT)) << "the program did not end within 10 s";
    EXPECT_EQ(message.wParam, 1U);
    EXPECT_EQ(reportShown, L"Error inesperado: el programa se cerrar\u00E1.|icon|Aceptar");
}
INSTANTIATE_TEST_SUITE_P(Table, UnexpectedErrors, testing::Values(failsForWantOfMemory, failsAsASystemCall));

// The version record, read back from the built program as Windows reads it.
TEST(VersionRecord, ReadBackFromTheProgram)
{
    wchar_t program[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"CALCULADOR_EXE", program, MAX_PATH), 0U);
    const DWORD size = GetFileVersionInfoSizeW(program, nullptr);
    ASSERT_GT(size, 0U);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(program, 0, size, record.data()));

    // The project's version, as the build gives it: major, minor, patch, tweak.
    const WORD version[] = {CALCULADOR_VERSION};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(version[1], version[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(version[3], version[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(version[1], version[0]));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(version[3], version[2]));

    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
    for (const wchar_t* field : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* value = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + field;
        ASSERT_TRUE(VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        // The user's version text, written out: a change in how it is made fails.
        EXPECT_EQ(std::wstring(value), L"1.00") << field;
    }
}

}  // namespace
