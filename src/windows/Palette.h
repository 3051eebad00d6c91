#pragma once

#include "board/ColorValue.h"

#include <QString>
#include <array>

namespace tessra {

struct NamedColor {
    ColorValue value; // 0x00BBGGRR
    const char* name; // the words a screen reader says for it
};

// The 16 swatches at start, by swatch index.
inline constexpr std::array<NamedColor, PaletteSize> StartPalette = {{
    {0x0000FF, "red"},
    {0x0080FF, "orange"},
    {0x00FFFF, "yellow"},
    {0x00FF00, "green"},
    {0xFFFF00, "cyan"},
    {0xFF0000, "blue"},
    {0xFF00FF, "magenta"},
    {0x0000C0, "dark red"},
    {0xFFFFFF, "white"},
    {0x808080, "grey"},
    {0x000000, "black"},
    {0x004040, "dark olive"},
    {0x004000, "dark green"},
    {0x404000, "dark teal"},
    {0x400000, "dark blue"},
    {0x400040, "dark purple"},
}};

// A colour in words and as #RRGGBB, for a screen reader: "red, #FF0000".
// A colour of the start palette is called by its name; any other colour by
// the nearest of them, "near orange, #F08020", so the words never claim
// more than they know and the hex gives the exact value.
QString SpokenColorName(ColorValue color);

} // namespace tessra
