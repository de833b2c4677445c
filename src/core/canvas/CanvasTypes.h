#pragma once
// Attribute codes and the pixel point shared by the canvas, the projection
// and the view state. Pen and brush styles are small integer codes that
// callers pass directly (brush style 7 for hatched surfaces, 1 for outlines),
// so they are plain ints with named constants rather than enum classes.
#include <string>

#include "core/geometry/Colour.h"

// Pen style codes: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
// 5 clear, 6 inside-frame. Codes outside 0..6 are drawn as solid.
using PenStyle = int;
namespace PenStyles {
constexpr PenStyle Solid = 0;
constexpr PenStyle Dash = 1;
constexpr PenStyle Dot = 2;
constexpr PenStyle DashDot = 3;
constexpr PenStyle DashDotDot = 4;
constexpr PenStyle Clear = 5;
constexpr PenStyle InsideFrame = 6;
}  // namespace PenStyles

// Brush style codes: 0 solid, 1 clear, 2 horizontal, 3 vertical,
// 4 forward diagonal, 5 backward diagonal, 6 cross, 7 diagonal cross.
// Codes outside 0..7 are treated as solid.
using BrushStyle = int;
namespace BrushStyles {
constexpr BrushStyle Solid = 0;
constexpr BrushStyle Clear = 1;
constexpr BrushStyle Horizontal = 2;
constexpr BrushStyle Vertical = 3;
constexpr BrushStyle FDiagonal = 4;
constexpr BrushStyle BDiagonal = 5;
constexpr BrushStyle Cross = 6;
constexpr BrushStyle DiagCross = 7;
}  // namespace BrushStyles

// A set of font style flags.
using FontStyle = unsigned;
namespace FontStyles {
constexpr FontStyle Regular = 0;
constexpr FontStyle Bold = 1;
constexpr FontStyle Italic = 2;
constexpr FontStyle Underline = 4;
constexpr FontStyle StrikeOut = 8;
}  // namespace FontStyles

// An image pixel: column x (to the right), row y (downwards).
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Face of a freshly reset canvas. "Arial" resolves to a metric-compatible
// sans-serif face on every platform we ship to.
inline const std::string kDefaultFontName = "Arial";
constexpr int kDefaultFontSize = 10;

// The em of a font of the given point size in picture pixels: points are
// taken at 96 dpi whatever screen the program runs on (10 pt -> 13 px).
constexpr int fontPixelSize(int points) { return ((points < 1 ? 1 : points) * 96 + 36) / 72; }
