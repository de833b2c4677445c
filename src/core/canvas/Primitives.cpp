// The seven 2D primitives and the five 3D operations. Every attribute a
// primitive sets stays set afterwards; callers rely on that (for example a
// label's opaque box takes the brush colour the last filling left).
#include <array>
#include <cmath>
#include <cstdint>

#include "core/canvas/Canvas.h"
#include "core/canvas/Projection.h"

namespace {

int roundHalfEven(Real r) {
    if (std::isnan(r)) return kPixelClamp;
    if (r > kPixelClamp * 4) return kPixelClamp * 4;
    if (r < -kPixelClamp * 4) return -kPixelClamp * 4;
    return static_cast<int>(std::nearbyint(r));
}

void setPolygonAttributes(Canvas& canvas, Colour penColour, Colour brushColour, int penWidth,
                          PenStyle penStyle, BrushStyle brushStyle) {
    canvas.setPenColour(penColour);
    canvas.setPenWidth(penWidth);
    canvas.setPenStyle(penStyle);
    canvas.setBrushColour(brushColour);
    canvas.setBrushStyle(brushStyle);
}

}  // namespace

void fillTriangle(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3,
                  Colour penColour, Colour brushColour, int penWidth,
                  PenStyle penStyle, BrushStyle brushStyle) {
    setPolygonAttributes(canvas, penColour, brushColour, penWidth, penStyle, brushStyle);
    const std::array<PixelPoint, 3> points{p1, p2, p3};
    canvas.polygon(points);
}

void fillQuad(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3, PixelPoint p4,
              Colour penColour, Colour brushColour, int penWidth,
              PenStyle penStyle, BrushStyle brushStyle) {
    setPolygonAttributes(canvas, penColour, brushColour, penWidth, penStyle, brushStyle);
    const std::array<PixelPoint, 4> points{p1, p2, p3, p4};
    canvas.polygon(points);
}

void resetImage(Canvas& canvas, int left, int top, int width, int height) {
    canvas.reset(left, top, width, height);
}

void drawLine(Canvas& canvas, int x1, int y1, int x2, int y2,
              Colour colour, int width, PenStyle style) {
    canvas.setPenColour(colour);
    canvas.setPenWidth(width);
    canvas.setPenStyle(style);
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
    canvas.setBrushStyle(BrushStyles::Clear);
}

void drawArrow(Canvas& canvas, int x1, int y1, int x2, int y2,
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

    canvas.setBrushColour(brushColour);
    canvas.setBrushStyle(brushStyle);
    canvas.setPenColour(penColour);
    canvas.setPenWidth(penWidth);
    canvas.setPenStyle(penStyle);

    // The shaft ends at the middle of the head's base, not at the tip.
    canvas.moveTo(x1, y1);
    canvas.lineTo(roundHalfEven(mx), roundHalfEven(my));
    const std::array<PixelPoint, 4> head{PixelPoint{x2, y2},
                                         PixelPoint{roundHalfEven(bx), roundHalfEven(by)},
                                         PixelPoint{roundHalfEven(ax), roundHalfEven(ay)},
                                         PixelPoint{x2, y2}};
    canvas.polygon(head);
    canvas.setBrushStyle(BrushStyles::Clear);
}

void drawPointMarker(Canvas& canvas, int x, int y, int size,
                     Colour penColour, Colour brushColour, int penWidth,
                     PenStyle penStyle, BrushStyle brushStyle) {
    if (size == 0) {
        canvas.setPixel(x, y, penColour);
        return;
    }
    if (size == 1) {
        canvas.setPixel(x, y, penColour);
        canvas.setPixel(x + 1, y, penColour);
        canvas.setPixel(x - 1, y, penColour);
        canvas.setPixel(x, y + 1, penColour);
        canvas.setPixel(x, y - 1, penColour);
        return;
    }
    canvas.setBrushColour(brushColour);
    canvas.setBrushStyle(brushStyle);
    canvas.setPenColour(penColour);
    canvas.setPenWidth(penWidth);
    canvas.setPenStyle(penStyle);
    canvas.ellipse(x - size, y - size, x + size, y + size);
    canvas.setBrushStyle(BrushStyles::Clear);
}

void drawText(Canvas& canvas, int x, int y, const std::string& text,
              const std::string& faceName, int size, Colour colour,
              FontStyle style, BrushStyle brushStyle) {
    canvas.setFontColour(colour);
    canvas.setFontSize(size);
    if (!faceName.empty()) canvas.setFontName(faceName);
    canvas.setBrushStyle(brushStyle);
    canvas.setFontStyle(style);
    canvas.textOut(x, y, text);
    canvas.setBrushStyle(BrushStyles::Clear);
}

void drawSegment3D(Canvas& canvas, const ViewState& view, const Vector3& p, const Vector3& q,
                   Colour colour, bool dotted) {
    const PixelPoint a = pointToPixel(p, view);
    const PixelPoint b = pointToPixel(q, view);
    if (dotted)
        drawLine(canvas, a.x, a.y, b.x, b.y, colour, 1, PenStyles::Dot);
    else
        drawLine(canvas, a.x, a.y, b.x, b.y, colour, view.lineWidth, PenStyles::Solid);
}

void drawArrow3D(Canvas& canvas, const ViewState& view, const Vector3& tail, const Vector3& tip,
                 Colour colour, int penWidth, bool filledHead) {
    const PixelPoint a = pointToPixel(tail, view);
    const PixelPoint b = pointToPixel(tip, view);
    drawArrow(canvas, a.x, a.y, b.x, b.y, colour, penWidth,
              filledHead ? colour : Colours::White, PenStyles::Solid, BrushStyles::Solid, 12, 4);
}

void fillTriangle3D(Canvas& canvas, const ViewState& view,
                    const Vector3& p1, const Vector3& p2, const Vector3& p3,
                    Colour colour, BrushStyle brushStyle) {
    fillTriangle(canvas, pointToPixel(p1, view), pointToPixel(p2, view), pointToPixel(p3, view),
                 colour, colour, view.lineWidth, PenStyles::Solid, brushStyle);
}

void fillQuad3D(Canvas& canvas, const ViewState& view,
                const Vector3& p1, const Vector3& p2, const Vector3& p3, const Vector3& p4,
                Colour colour, BrushStyle brushStyle) {
    fillQuad(canvas, pointToPixel(p1, view), pointToPixel(p2, view), pointToPixel(p3, view),
             pointToPixel(p4, view), colour, colour, view.lineWidth, PenStyles::Solid, brushStyle);
}

void drawLabel3D(Canvas& canvas, const ViewState& view, const Vector3& p,
                 Colour colour, int size, const std::string& text) {
    const PixelPoint a = pointToPixel(p, view);
    drawText(canvas, a.x, a.y, text, std::string(), size, colour, FontStyles::Bold,
             BrushStyles::Solid);
}
