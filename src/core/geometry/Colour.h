#pragma once
// Colours are 32-bit values 0x00BBGGRR: red in the low byte, blue in the third.
#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour makeColour(unsigned r, unsigned g, unsigned b) {
    return (Colour(b & 0xFF) << 16) | (Colour(g & 0xFF) << 8) | Colour(r & 0xFF);
}
constexpr unsigned colourRed(Colour c) { return c & 0xFF; }
constexpr unsigned colourGreen(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned colourBlue(Colour c) { return (c >> 16) & 0xFF; }

namespace Colours {
constexpr Colour Black = 0x00000000;
constexpr Colour White = 0x00FFFFFF;
constexpr Colour Red = 0x000000FF;
constexpr Colour Lime = 0x0000FF00;
constexpr Colour Blue = 0x00FF0000;
constexpr Colour Navy = 0x00800000;
constexpr Colour Maroon = 0x00000080;
constexpr Colour Green = 0x00008000;
constexpr Colour Olive = 0x00008080;
constexpr Colour Purple = 0x00800080;
constexpr Colour Teal = 0x00808000;
constexpr Colour Gray = 0x00808080;
constexpr Colour Silver = 0x00C0C0C0;
constexpr Colour Fuchsia = 0x00FF00FF;
constexpr Colour Aqua = 0x00FFFF00;
constexpr Colour Yellow = 0x0000FFFF;
}  // namespace Colours
