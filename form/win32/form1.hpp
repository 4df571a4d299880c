#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "form/calcular_o_informar.hpp"
#include "form/form1_layout.hpp"
#include "form/win32/live_region.hpp"

// The program's only window, on the Windows API: day, month and year boxes
// under their captions, "Calcular" with the result line below it, and
// "Salir", built from the window's table. Its messages go through the
// dialog manager (IsDialogMessage), which gives Tab, Enter, Esc and the
// access keys their usual meaning.
class Form1 final : public calc::Formulario {
public:
    // Throws std::system_error when Windows will not make the window, a
    // control or a font; nothing of the window is then left.
    explicit Form1(HINSTANCE instance, form1::Calculation calcular = calc::CmdCalcular_Click);
    ~Form1() override = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    Form1(Form1&&) = delete;
    Form1& operator=(Form1&&) = delete;

    [[nodiscard]] HWND window() const { return window_.get(); }
    [[nodiscard]] HWND control(form1::Id id) const;

    [[nodiscard]] std::u16string textoDeAnio() const override;
    [[nodiscard]] std::u16string textoDeMes() const override;
    [[nodiscard]] std::u16string textoDeDia() const override;
    void mostrarSalida(std::u16string_view texto) override;

private:
    static void registerWindowClass(HINSTANCE instance);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls(HINSTANCE instance);
    void fitClientArea(int dpi);
    void layOut(int dpi);

    void CmdCalcular_Click();
    static void cmdsalir_Click();

    struct DeleteFont {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>;
    // Its procedure forgets the form first, which may already be half gone.
    struct DestroyWindowOfForm {
        void operator()(HWND window) const;
    };

    form1::Calculation calcular_;
    // Destroyed in the reverse order: the announcer, then the window and its
    // controls, then the fonts they used.
    Font formFont_;
    Font controlFont_;
    std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowOfForm> window_;
    HWND focusBeforeDeactivation_ = nullptr;
    std::unique_ptr<LiveRegion> resultAnnouncer_;  // made with the result line
};

// The class of the window, by which other programs (and the tests) find it.
inline constexpr wchar_t kForm1WindowClass[] = L"CalculadorDeFechasForm1";

// The identifier of each control: 101 for the first in the table, and so on.
constexpr int controlId(form1::Id id)
{
    return 101 + static_cast<int>(form1::indexOf(id));
}
