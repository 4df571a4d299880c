#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
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

// The controls, in the order of their control index; a misspelt control is
// then a compile error rather than a lookup that finds nothing.
enum class Id : std::uint8_t { txtDia, txtmes, cmdsalir, CmdCalcular, txtanio, Label3, Label2, Label1, lblsalida };

enum class Kind : std::uint8_t {
    TextBox,
    Label,
    ResultLine,  // a label the request writes its result into
    CommandButton,
};

struct Control {
    Id id{};
    Kind kind{};
    std::string_view name{};
    std::u16string_view caption{};  // "&" marks the access key
    TwipRect place{};
    int tabIndex = 0;
    bool ownFont = false;           // kControlFont, else kFormFont
    int maxLength = 0;              // of a text box; 0 for none
    std::optional<Id> captionOf{};  // the box a label names, for screen readers too
    bool isDefault = false;         // Enter
    bool isCancel = false;          // Esc
};

inline constexpr std::array<Control, 9> kControls{{
    {.id = Id::txtDia, .kind = Kind::TextBox, .name = "txtDia", .place = {480, 720, 735, 285}, .tabIndex = 0},
    {.id = Id::txtmes,
     .kind = Kind::TextBox,
     .name = "txtmes",
     .place = {1440, 720, 735, 285},
     .tabIndex = 1,
     .ownFont = true,
     .maxLength = 2},
    {.id = Id::cmdsalir,
     .kind = Kind::CommandButton,
     .name = "cmdsalir",
     .caption = u"&Salir",
     .place = {3600, 240, 855, 735},
     .tabIndex = 5,
     .ownFont = true,
     .isCancel = true},
    {.id = Id::CmdCalcular,
     .kind = Kind::CommandButton,
     .name = "CmdCalcular",
     .caption = u"&Calcular",
     .place = {1080, 1080, 1575, 495},
     .tabIndex = 4,
     .ownFont = true,
     .isDefault = true},
    {.id = Id::txtanio,
     .kind = Kind::TextBox,
     .name = "txtanio",
     .place = {2400, 720, 735, 285},
     .tabIndex = 2,
     .ownFont = true,
     .maxLength = 4},
    {.id = Id::Label3,
     .kind = Kind::Label,
     .name = "Label3",
     .caption = u"Ingrese el d\u00ECa",
     .place = {480, 120, 735, 375},
     .tabIndex = 8,
     .captionOf = Id::txtDia},
    {.id = Id::Label2,
     .kind = Kind::Label,
     .name = "Label2",
     .caption = u"Ingrese el a\u00F1o",
     .place = {2400, 120, 735, 495},
     .tabIndex = 7,
     .captionOf = Id::txtanio},
    {.id = Id::Label1,
     .kind = Kind::Label,
     .name = "Label1",
     .caption = u"Ingrese el mes",
     .place = {1440, 120, 735, 495},
     .tabIndex = 6,
     .captionOf = Id::txtmes},
    {.id = Id::lblsalida,
     .kind = Kind::ResultLine,
     .name = "lblsalida",
     .place = {1080, 1680, 1575, 255},
     .tabIndex = 3,
     .ownFont = true},
}};

constexpr std::size_t indexOf(Id id)
{
    return static_cast<std::size_t>(id);
}
constexpr const Control& control(Id id)
{
    return kControls.at(indexOf(id));
}
// (The classic algorithms rather than std::ranges, which the browser
// build's C++ library lacks.)
static_assert(std::all_of(kControls.begin(), kControls.end(),
                          [](const Control& each) { return &control(each.id) == &each; }),
              "each control sits at its own index");

// The button Enter presses, and the one Esc presses: one of each.
static_assert(std::count_if(kControls.begin(), kControls.end(), std::mem_fn(&Control::isDefault)) == 1,
              "exactly one default button");
static_assert(std::count_if(kControls.begin(), kControls.end(), std::mem_fn(&Control::isCancel)) == 1,
              "exactly one cancel button");
constexpr const Control& defaultButton()
{
    return *std::find_if(kControls.begin(), kControls.end(), std::mem_fn(&Control::isDefault));
}
constexpr const Control& cancelButton()
{
    return *std::find_if(kControls.begin(), kControls.end(), std::mem_fn(&Control::isCancel));
}

// Only text boxes and buttons take the focus.
constexpr bool takesFocus(const Control& control)
{
    return control.kind == Kind::TextBox || control.kind == Kind::CommandButton;
}

// Every control by its tab index: the order the focus moves in. Under Qt a
// screen reader walks the window in this order too; on Windows it follows
// the order the controls were made in, where each caption comes just before
// its box.
constexpr std::array<Id, kControls.size()> tabOrder()
{
    std::array<Id, kControls.size()> order{};
    std::transform(kControls.begin(), kControls.end(), order.begin(), std::mem_fn(&Control::id));
    std::sort(order.begin(), order.end(), [](Id a, Id b) { return control(a).tabIndex < control(b).tabIndex; });
    return order;
}

static_assert(
    [] {
        std::array<int, kControls.size()> indices{};
        std::transform(kControls.begin(), kControls.end(), indices.begin(), std::mem_fn(&Control::tabIndex));
        std::sort(indices.begin(), indices.end());
        return std::adjacent_find(indices.begin(), indices.end()) == indices.end();
    }(),
    "no two controls share a tab index, so that the order is the table's alone");

// The label that names a box, if one does.
constexpr std::optional<Id> captionFor(Id box)
{
    const auto* found =
        std::find_if(kControls.begin(), kControls.end(), [box](const Control& each) { return each.captionOf == box; });
    return found != kControls.end() ? std::optional{found->id} : std::nullopt;
}

}  // namespace form1
