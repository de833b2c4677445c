#include "core/tikz/VectorGeometry.h"

#include <algorithm>
#include <cmath>

std::vector<double> dashRuns(PenStyle style, int width) {
    if (width > 1) return {};
    switch (style) {
    case PenStyles::Dash: return {4, 2};
    case PenStyles::Dot: return {1, 2};
    case PenStyles::DashDot: return {4, 2, 1, 2};
    case PenStyles::DashDotDot: return {4, 2, 1, 2, 1, 2};
    default: return {};
    }
}

std::optional<LineStroke> strokeOfLine(PixelPoint from, PixelPoint to, const PenAttributes& pen) {
    if (pen.style == PenStyles::Clear) return std::nullopt;
    LineStroke s;
    s.width = std::max(pen.width, 1);
    s.from = pixelCentre(from);
    s.to = pixelCentre(to);
    if (s.width > 1) return s;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double steps = std::max(std::fabs(dx), std::fabs(dy));
    if (steps == 0) return std::nullopt;
    const double backX = dx / (2 * steps), backY = dy / (2 * steps);
    s.from = {s.from.x - backX, s.from.y - backY};
    s.to = {s.to.x - backX, s.to.y - backY};
    const double step = std::hypot(dx, dy) / steps;
    s.dashes = dashRuns(pen.style, s.width);
    for (double& run : s.dashes) run *= step;
    return s;
}

std::optional<PictureBox> shapeBoxOf(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    if (r - l < 1 || b - t < 1) return std::nullopt;
    return PictureBox{l + 0.5, t + 0.5, r - l - 1.0, b - t - 1.0};
}
