#include "form/win32/form1.hpp"

#include <cmath>
#include <system_error>
#include <vector>

#include "form/at_the_boundary.hpp"
#include "form/win32/error_report.hpp"
#include "form/win32/program.hpp"
#include "form/win32/wide_text.hpp"
#include "runtime/errors.hpp"

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

[[noreturn]] void throwLastError(const char* call)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), call);
}

// The window's outer size at a DPI: its client area from the table, and the
// frame Windows draws around it at that DPI.
SIZE frameSize(int dpi)
{
    RECT frame{0, 0, twipsToPixels(form1::kClientWidth, dpi), twipsToPixels(form1::kClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HFONT makeFont(const form1::Font& font, int dpi)
{
    // A point is 1/72 inch; a negative height asks for the character height.
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    HFONT made =
        CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, toWide(font.family).c_str());
    if (made == nullptr) {
        throwLastError("CreateFontW");
    }
    return made;
}

// Dialog navigation follows the order in which controls were made, and a
// screen reader names a box after the label made just before it: so the
// controls are made in tab order, each caption right before its box.
std::vector<form1::Id> creationOrder()
{
    std::vector<form1::Id> order;
    for (const form1::Id id : form1::tabOrder()) {
        if (form1::control(id).captionOf) {
            continue;  // made with its box
        }
        if (const auto caption = form1::captionFor(id)) {
            order.push_back(*caption);
        }
        order.push_back(id);
    }
    return order;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind windowKind(const form1::Control& control)
{
    switch (control.kind) {
        case form1::Kind::TextBox: return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case form1::Kind::Label: return {L"STATIC", SS_LEFT, 0};
        case form1::Kind::ResultLine: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case form1::Kind::CommandButton:
            return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                    0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

// The window's class, registered once for the process. Its icons are the
// system's to keep: shared, they need no destroying.
void Form1::registerWindowClass(HINSTANCE instance)
{
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = instance;
        windowClass.hIcon =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(CALCULADOR_ICON), IMAGE_ICON, 32, 32, LR_SHARED));
        windowClass.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(CALCULADOR_ICON), IMAGE_ICON, 16, 16, LR_SHARED));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kForm1WindowClass;
        if (RegisterClassExW(&windowClass) == 0) {
            throwLastError("RegisterClassExW");
        }
        return true;
    }();
    static_cast<void>(registered);
}

Form1::Form1(HINSTANCE instance, form1::Calculation calcular) : calcular_(calcular)
{
    registerWindowClass(instance);
    // The system's DPI, as the screen gives it: Wine 10 answers 96 for a new
    // window's own DPI whatever the screen is set to.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const SIZE frame = frameSize(dpi);
    // The window is ours from its first message on (window_ is set there).
    if (CreateWindowExW(0, kForm1WindowClass, toWide(form1::kTitle).c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.cx, frame.cy, nullptr, nullptr, instance, this) == nullptr) {
        static_cast<void>(window_.release());  // Windows has already destroyed what it began
        throwLastError("CreateWindowExW");
    }
    createControls(instance);
    fitClientArea(dpi);
    layOut(dpi);
}

// The client area the table gives at a DPI, whatever frame the system
// actually draws around it (Wine, for one, keeps the frame of the system's
// DPI when a window's DPI changes).
void Form1::fitClientArea(int dpi)
{
    RECT client{};
    RECT frame{};
    GetClientRect(window_.get(), &client);
    GetWindowRect(window_.get(), &frame);
    const int width = frame.right - frame.left + twipsToPixels(form1::kClientWidth, dpi) - client.right;
    const int height = frame.bottom - frame.top + twipsToPixels(form1::kClientHeight, dpi) - client.bottom;
    SetWindowPos(window_.get(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::DestroyWindowOfForm::operator()(HWND window) const
{
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

// Made where they will be laid; layOut gives them places and fonts.
void Form1::createControls(HINSTANCE instance)
{
    for (const form1::Id id : creationOrder()) {
        const form1::Control& control = form1::control(id);
        const WindowKind kind = windowKind(control);
        HWND made = CreateWindowExW(kind.extendedStyle, kind.className, toWide(control.caption).c_str(),
                                    WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_.get(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(id))), instance, nullptr);
        if (made == nullptr) {
            throwLastError("CreateWindowExW");
        }
        if (control.maxLength > 0) {
            SendMessageW(made, EM_SETLIMITTEXT, control.maxLength, 0);
        }
    }
    focusBeforeDeactivation_ = control(form1::tabOrder().front());
    resultAnnouncer_ = std::make_unique<LiveRegion>(control(form1::Id::lblsalida));
}

// Every control's place, size and font from the table's twips at a DPI: at
// start, and again whenever the window moves to a monitor of another DPI.
void Form1::layOut(int dpi)
{
    Font formFont(makeFont(form1::kFormFont, dpi));
    Font controlFont(makeFont(form1::kControlFont, dpi));
    for (const form1::Control& each : form1::kControls) {
        const TwipRect& place = each.place;
        HWND shown = control(each.id);
        SetWindowPos(shown, nullptr, twipsToPixels(place.left, dpi), twipsToPixels(place.top, dpi),
                     twipsToPixels(place.width, dpi), twipsToPixels(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = each.ownFont ? controlFont.get() : formFont.get();
        SendMessageW(shown, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The old fonts go only now that no control draws with them.
    formFont_ = std::move(formFont);
    controlFont_ = std::move(controlFont);
}

HWND Form1::control(form1::Id id) const
{
    return GetDlgItem(window_.get(), controlId(id));
}

std::u16string Form1::textoDeAnio() const
{
    return windowText(control(form1::Id::txtanio));
}
std::u16string Form1::textoDeMes() const
{
    return windowText(control(form1::Id::txtmes));
}
std::u16string Form1::textoDeDia() const
{
    return windowText(control(form1::Id::txtDia));
}

void Form1::mostrarSalida(std::u16string_view texto)
{
    SetWindowTextW(control(form1::Id::lblsalida), toWide(texto).c_str());
    resultAnnouncer_->announce();
}

LRESULT CALLBACK Form1::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    form1::atTheBoundary(
        [&] {
            if (message == WM_NCCREATE) {
                auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
                form->window_.reset(window);
                SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
            }
            auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            result = form != nullptr ? form->handle(message, wParam, lParam)
                                     : DefWindowProcW(window, message, wParam, lParam);
        },
        [window] {
            showReport(window, toWide(form1::kUnexpectedError));
            endProgram(form1::kUnexpectedErrorStatus);
        });
    return result;
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    constexpr int calcular = controlId(form1::defaultButton().id);
    constexpr int salir = controlId(form1::cancelButton().id);
    switch (message) {
        case DM_GETDEFID:  // what Enter activates
            return MAKELRESULT(calcular, DC_HASDEFID);
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED) {
                return 0;  // a box's notices of its edits
            }
            if (id == calcular || id == IDOK) {
                CmdCalcular_Click();
            } else if (id == salir || id == IDCANCEL) {  // Esc comes as IDCANCEL
                cmdsalir_Click();
            }
            return 0;
        }
        case WM_ACTIVATE:
            // The focus goes back to the control that had it, also after the
            // error report closes.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = GetFocus();
            } else if (focusBeforeDeactivation_ != nullptr) {
                SetFocus(focusBeforeDeactivation_);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            // Labels on the window's own background, in its text colour: left
            // unset, they are black whatever the scheme, unseen in high contrast.
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_GETDPISCALEDSIZE:  // asked before a change of DPI: the size the table gives
            *reinterpret_cast<SIZE*>(lParam) = frameSize(LOWORD(wParam));
            return TRUE;
        case WM_DPICHANGED: {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            fitClientArea(LOWORD(wParam));
            layOut(LOWORD(wParam));
            return 0;
        }
        case WM_CLOSE: cmdsalir_Click(); return 0;
        default: return DefWindowProcW(window_.get(), message, wParam, lParam);
    }
}

void Form1::CmdCalcular_Click()
{
    form1::calcularOInformar(*this, calcular_,
                             [this](const runtime::RuntimeError& error) { reportRuntimeError(window(), error); });
}

void Form1::cmdsalir_Click()
{
    endProgram();
}
