#include "core/tikz/HatchLines.h"

#include <algorithm>
#include <cmath>

namespace {

// One family of parallel lines n . p = c with c a multiple of the spacing;
// n has integer components, so the lines go through pixel centres.
struct Family {
    int nx;
    int ny;
};

constexpr Family kHorizontal{0, 1};
constexpr Family kVertical{1, 0};
constexpr Family kForward{1, -1};
constexpr Family kBackward{1, 1};

}  // namespace

// Liang-Barsky.
bool clipSegment(HatchSegment& s, const HatchClip& clip) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - clip.left, clip.right - s.x1, s.y1 - clip.top, clip.bottom - s.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
    }
    if (t0 >= t1) return false;
    s = {s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy};
    return true;
}

namespace {

void addFamily(std::span<const PixelPoint> polygon, Family f, const HatchClip& clip,
               std::vector<HatchSegment>& out) {
    auto level = [f](double x, double y) { return f.nx * x + f.ny * y; };
    double lo = level(polygon[0].x, polygon[0].y), hi = lo;
    for (const PixelPoint& p : polygon) {
        lo = std::min(lo, level(p.x, p.y));
        hi = std::max(hi, level(p.x, p.y));
    }
    // Only lines that can meet the clip rectangle.
    const double corners[4] = {level(clip.left, clip.top), level(clip.right, clip.top),
                               level(clip.left, clip.bottom), level(clip.right, clip.bottom)};
    lo = std::max(lo, *std::min_element(corners, corners + 4));
    hi = std::min(hi, *std::max_element(corners, corners + 4));
    if (lo > hi) return;

    // Along the line: direction d perpendicular to n, |d| = |n|.
    const double dx = -f.ny, dy = f.nx;
    const double norm2 = double(f.nx) * f.nx + double(f.ny) * f.ny;
    std::vector<double> along;
    const auto first = static_cast<long long>(std::ceil(lo / kHatchSpacing));
    const auto last = static_cast<long long>(std::floor(hi / kHatchSpacing));
    const std::size_t n = polygon.size();
    for (long long k = first; k <= last; ++k) {
        const double c = double(k) * kHatchSpacing;
        along.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const PixelPoint a = polygon[i];
            const PixelPoint b = polygon[(i + 1) % n];
            const double la = level(a.x, a.y), lb = level(b.x, b.y);
            // Half-open, so a line through a corner counts it once.
            if ((la < c) == (lb < c)) continue;
            const double t = (c - la) / (lb - la);
            const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
            along.push_back(dx * x + dy * y);
        }
        std::sort(along.begin(), along.end());
        for (std::size_t i = 0; i + 1 < along.size(); i += 2) {
            if (!(along[i] < along[i + 1])) continue;
            auto at = [&](double s) {
                return std::pair<double, double>{(c * f.nx + s * dx) / norm2, (c * f.ny + s * dy) / norm2};
            };
            const auto [x1, y1] = at(along[i]);
            const auto [x2, y2] = at(along[i + 1]);
            HatchSegment seg{x1, y1, x2, y2};
            if (clipSegment(seg, clip)) out.push_back(seg);
        }
    }
}

}  // namespace

std::vector<HatchSegment> hatchLines(std::span<const PixelPoint> polygon, BrushStyle style,
                                     const HatchClip& clip) {
    std::vector<HatchSegment> out;
    if (polygon.size() < 3) return out;
    switch (style) {
    case BrushStyles::Horizontal: addFamily(polygon, kHorizontal, clip, out); break;
    case BrushStyles::Vertical: addFamily(polygon, kVertical, clip, out); break;
    case BrushStyles::FDiagonal: addFamily(polygon, kForward, clip, out); break;
    case BrushStyles::BDiagonal: addFamily(polygon, kBackward, clip, out); break;
    case BrushStyles::Cross:
        addFamily(polygon, kHorizontal, clip, out);
        addFamily(polygon, kVertical, clip, out);
        break;
    case BrushStyles::DiagCross:
        addFamily(polygon, kForward, clip, out);
        addFamily(polygon, kBackward, clip, out);
        break;
    default: break;
    }
    return out;
}
