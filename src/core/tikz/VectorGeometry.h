#pragma once
// Where the screen's pixels lie as shapes, for the outputs that draw lines
// and outlines rather than pixels (the QPainter canvas, the TikZ writer):
// picture coordinates are continuous, pixel (x, y) covering x .. x + 1, and
// lines and outlines run through pixel centres as the screen's do.
#include <optional>
#include <vector>

#include "core/canvas/Canvas.h"

struct PicturePoint {
    double x = 0;
    double y = 0;
};

inline PicturePoint pixelCentre(PixelPoint p) { return {p.x + 0.5, p.y + 0.5}; }

inline bool isHatchBrush(BrushStyle s) { return s >= BrushStyles::Horizontal && s <= BrushStyles::DiagCross; }
// Codes outside the known ones fill solid, as on the screen.
inline bool isSolidBrush(BrushStyle s) { return s != BrushStyles::Clear && !isHatchBrush(s); }

// The on/off runs of a styled one-pixel pen in screen steps (dash 4 on 2
// off, dot 1 on 2 off, ...); empty for a solid pen. Wider pens draw solid.
std::vector<double> dashRuns(PenStyle style, int width);

// A line of the pen as a stroke between two picture points.
struct LineStroke {
    PicturePoint from;
    PicturePoint to;
    // One-pixel lines have flat ends; wider ones round ends, as on the screen.
    int width = 1;
    // On/off runs in picture units, starting at `from`; empty: solid.
    std::vector<double> dashes;
};

// The stroke of lineTo(to) from `from` with the pen; none when the pen
// draws nothing (clear, or a one-pixel line of no length). A
// one-pixel line covers what the screen sets: one pixel per step along
// the longer axis from the start pixel up to, not including, the end
// pixel, so it runs from half a step before the start centre to half a
// step before the end centre, and its dashes are measured in those steps.
std::optional<LineStroke> strokeOfLine(PixelPoint from, PixelPoint to, const PenAttributes& pen);

struct PictureBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A text's box as the screen measures it, in picture pixels: the advance,
// the line height and the baseline's distance from the top.
struct TextBox {
    int width = 0;
    int height = 0;
    int ascent = 0;
};

// The box (x1, y1)-(x2, y2) of an ellipse or rectangle without its right
// and bottom edges, through the centres of its outer pixels; none when
// nothing of it would show.
std::optional<PictureBox> shapeBoxOf(int x1, int y1, int x2, int y2);
