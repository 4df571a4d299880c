#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "form/twips.hpp"

// The window as its user sees it, whatever toolkit draws it: its title, its
// size, its fonts and its nine controls. Each front-end builds from this.
namespace form1 {

inline constexpr std::u16string_view kTitle = u"Calculador de fechas";
inline constexpr int kClientWidth = 4680;  // twips
inline constexpr int kClientHeight = 3195;

struct Font {
    std::u16string_view family;
    double points = 0;
};
// The window's own font; where a family is missing, the system picks its
// nearest match.
inline constexpr Font kFormFont{u"Tahoma", 8.25};
// The font of the controls that carry one of their own.
inline constexpr Font kControlFont{u"MS Sans Serif", 8.25};

enum class Kind : std::uint8_t {
    TextBox,
    Label,
    ResultLine,  // a label the request writes its result into
    CommandButton,
};

struct Control {
    Kind kind{};
    std::string_view name;
    std::u16string_view caption;  // "&" marks the access key
    TwipRect place{};
    int tabIndex = 0;
    bool ownFont = false;        // kControlFont, else kFormFont
    int maxLength = 0;           // of a text box; 0 for none
    std::string_view captionOf;  // the box a label names, for screen readers too
    bool isDefault = false;      // Enter
    bool isCancel = false;       // Esc
};

// In the order of their control index. Only text boxes and buttons take the
// focus; the tab index orders them.
inline constexpr std::array<Control, 9> kControls{{
    {Kind::TextBox, "txtDia", u"", {480, 720, 735, 285}, 0, false, 0, ""},
    {Kind::TextBox, "txtmes", u"", {1440, 720, 735, 285}, 1, true, 2, ""},
    {Kind::CommandButton, "cmdsalir", u"&Salir", {3600, 240, 855, 735}, 5, true, 0, "", false, true},
    {Kind::CommandButton, "CmdCalcular", u"&Calcular", {1080, 1080, 1575, 495}, 4, true, 0, "", true, false},
    {Kind::TextBox, "txtanio", u"", {2400, 720, 735, 285}, 2, true, 4, ""},
    {Kind::Label, "Label3", u"Ingrese el d\u00ECa", {480, 120, 735, 375}, 8, false, 0, "txtDia"},
    {Kind::Label, "Label2", u"Ingrese el a\u00F1o", {2400, 120, 735, 495}, 7, false, 0, "txtanio"},
    {Kind::Label, "Label1", u"Ingrese el mes", {1440, 120, 735, 495}, 6, false, 0, "txtmes"},
    {Kind::ResultLine, "lblsalida", u"", {1080, 1680, 1575, 255}, 3, true, 0, ""},
}};

// The button Enter presses, and the one Esc presses.
constexpr const Control& defaultButton()
{
    return *std::ranges::find_if(kControls, &Control::isDefault);
}
constexpr const Control& cancelButton()
{
    return *std::ranges::find_if(kControls, &Control::isCancel);
}

}  // namespace form1
