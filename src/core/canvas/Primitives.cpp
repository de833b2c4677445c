// The seven 2D primitives and the five 3D operations. Every attribute a
// primitive sets stays set afterwards; callers rely on that (for example a
// label's opaque box takes the brush colour the last filling left).
#include <array>
#include <cmath>
#include <cstdint>

#include "core/canvas/Canvas.h"
#include "core/canvas/Projection.h"

namespace {

int RoundHalfEven(Real r) {
    if (std::isnan(r)) return kPixelClamp;
    if (r > kPixelClamp * 4) return kPixelClamp * 4;
    if (r < -kPixelClamp * 4) return -kPixelClamp * 4;
    return static_cast<int>(std::nearbyint(r));
}

void SetPolygonAttributes(Canvas& canvas, Colour penColour, Colour brushColour, int penWidth,
                          PenStyle penStyle, BrushStyle brushStyle) {
    canvas.SetPenColour(penColour);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenStyle(penStyle);
    canvas.SetBrushColour(brushColour);
    canvas.SetBrushStyle(brushStyle);
}

}  // namespace

void FillTriangle(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3,
                  Colour penColour, Colour brushColour, int penWidth,
                  PenStyle penStyle, BrushStyle brushStyle) {
    SetPolygonAttributes(canvas, penColour, brushColour, penWidth, penStyle, brushStyle);
    const std::array<PixelPoint, 3> points{p1, p2, p3};
    canvas.Polygon(points);
}

void FillQuad(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3, PixelPoint p4,
              Colour penColour, Colour brushColour, int penWidth,
              PenStyle penStyle, BrushStyle brushStyle) {
    SetPolygonAttributes(canvas, penColour, brushColour, penWidth, penStyle, brushStyle);
    const std::array<PixelPoint, 4> points{p1, p2, p3, p4};
    canvas.Polygon(points);
}

void ResetImage(Canvas& canvas, int left, int top, int width, int height) {
    canvas.Reset(left, top, width, height);
}

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2,
              Colour colour, int width, PenStyle style) {
    canvas.SetPenColour(colour);
    canvas.SetPenWidth(width);
    canvas.SetPenStyle(style);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    canvas.SetBrushStyle(BrushStyles::Clear);
}

void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2,
               Colour penColour, int penWidth, Colour brushColour,
               PenStyle penStyle, BrushStyle brushStyle,
               int headLength, int headHalfWidth) {
    const Real L = headLength;
    const Real W = headHalfWidth;
    const Real alpha = std::atan(W / L);
    const Real h = L * std::cos(alpha);

    const std::int64_t dx = std::int64_t(x2) - x1;
    const std::int64_t dy = std::int64_t(y2) - y1;
    // Squares in 64 bits: pixel coordinates reach +-10000 plus any pan
    // offset, and their squares would overflow 32 bits.
    const std::int64_t LL = std::int64_t(headLength) * headLength;
    const std::int64_t WW = std::int64_t(2) * headHalfWidth * 2 * headHalfWidth;
    const Real m = std::sqrt(static_cast<Real>(LL + WW));
    const Real len = std::sqrt(static_cast<Real>(dx * dx + dy * dy));
    if (m >= len) return;  // too short for a head: draw nothing at all

    Real ax, ay, bx, by;
    if (dx != 0) {
        const Real beta = std::atan(static_cast<Real>(dy) / static_cast<Real>(dx));
        const Real sign = dx > 0 ? -1.0L : 1.0L;
        ax = x2 + sign * h * std::cos(beta + alpha);
        ay = y2 + sign * h * std::sin(beta + alpha);
        bx = x2 + sign * h * std::cos(beta - alpha);
        by = y2 + sign * h * std::sin(beta - alpha);
    } else {
        ax = x2 + W;
        ay = dy > 0 ? y2 - L : y2 + L;
        bx = x2 - W;
        by = ay;
    }
    const Real mx = (ax + bx) / 2;
    const Real my = (ay + by) / 2;

    canvas.SetBrushColour(brushColour);
    canvas.SetBrushStyle(brushStyle);
    canvas.SetPenColour(penColour);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenStyle(penStyle);

    // The shaft ends at the middle of the head's base, not at the tip.
    canvas.MoveTo(x1, y1);
    canvas.LineTo(RoundHalfEven(mx), RoundHalfEven(my));
    const std::array<PixelPoint, 4> head{PixelPoint{x2, y2},
                                         PixelPoint{RoundHalfEven(bx), RoundHalfEven(by)},
                                         PixelPoint{RoundHalfEven(ax), RoundHalfEven(ay)},
                                         PixelPoint{x2, y2}};
    canvas.Polygon(head);
    canvas.SetBrushStyle(BrushStyles::Clear);
}

void DrawPointMarker(Canvas& canvas, int x, int y, int size,
                     Colour penColour, Colour brushColour, int penWidth,
                     PenStyle penStyle, BrushStyle brushStyle) {
    if (size == 0) {
        canvas.SetPixel(x, y, penColour);
        return;
    }
    if (size == 1) {
        canvas.SetPixel(x, y, penColour);
        canvas.SetPixel(x + 1, y, penColour);
        canvas.SetPixel(x - 1, y, penColour);
        canvas.SetPixel(x, y + 1, penColour);
        canvas.SetPixel(x, y - 1, penColour);
        return;
    }
    canvas.SetBrushColour(brushColour);
    canvas.SetBrushStyle(brushStyle);
    canvas.SetPenColour(penColour);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenStyle(penStyle);
    canvas.Ellipse(x - size, y - size, x + size, y + size);
    canvas.SetBrushStyle(BrushStyles::Clear);
}

void DrawText(Canvas& canvas, int x, int y, const std::string& text,
              const std::string& faceName, int size, Colour colour,
              FontStyle style, BrushStyle brushStyle) {
    canvas.SetFontColour(colour);
    canvas.SetFontSize(size);
    if (!faceName.empty()) canvas.SetFontName(faceName);
    canvas.SetBrushStyle(brushStyle);
    canvas.SetFontStyle(style);
    canvas.TextOut(x, y, text);
    canvas.SetBrushStyle(BrushStyles::Clear);
}

void DrawSegment3D(Canvas& canvas, const ViewState& view, const Vector3& p, const Vector3& q,
                   Colour colour, bool dotted) {
    const PixelPoint a = PointToPixel(p, view);
    const PixelPoint b = PointToPixel(q, view);
    if (dotted)
        DrawLine(canvas, a.x, a.y, b.x, b.y, colour, 1, PenStyles::Dot);
    else
        DrawLine(canvas, a.x, a.y, b.x, b.y, colour, view.lineWidth, PenStyles::Solid);
}

void DrawArrow3D(Canvas& canvas, const ViewState& view, const Vector3& tail, const Vector3& tip,
                 Colour colour, int penWidth, bool filledHead) {
    const PixelPoint a = PointToPixel(tail, view);
    const PixelPoint b = PointToPixel(tip, view);
    DrawArrow(canvas, a.x, a.y, b.x, b.y, colour, penWidth,
              filledHead ? colour : Colours::White, PenStyles::Solid, BrushStyles::Solid, 12, 4);
}

void FillTriangle3D(Canvas& canvas, const ViewState& view,
                    const Vector3& p1, const Vector3& p2, const Vector3& p3,
                    Colour colour, BrushStyle brushStyle) {
    FillTriangle(canvas, PointToPixel(p1, view), PointToPixel(p2, view), PointToPixel(p3, view),
                 colour, colour, view.lineWidth, PenStyles::Solid, brushStyle);
}

void FillQuad3D(Canvas& canvas, const ViewState& view,
                const Vector3& p1, const Vector3& p2, const Vector3& p3, const Vector3& p4,
                Colour colour, BrushStyle brushStyle) {
    FillQuad(canvas, PointToPixel(p1, view), PointToPixel(p2, view), PointToPixel(p3, view),
             PointToPixel(p4, view), colour, colour, view.lineWidth, PenStyles::Solid, brushStyle);
}

void DrawLabel3D(Canvas& canvas, const ViewState& view, const Vector3& p,
                 Colour colour, int size, const std::string& text) {
    const PixelPoint a = PointToPixel(p, view);
    DrawText(canvas, a.x, a.y, text, std::string(), size, colour, FontStyles::Bold,
             BrushStyles::Solid);
}
