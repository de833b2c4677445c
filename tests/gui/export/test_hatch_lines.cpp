// The hatch lines the exports draw lie exactly on the pixels the screen
// hatches, for every hatch style, also for a self-crossing outline, and
// stay inside the part they are cut to.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/tikz/HatchLines.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

double distanceToOutline(double x, double y, std::span<const PixelPoint> polygon) {
    double best = 1e300;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PixelPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        best = std::min(best, distanceToSegment(x, y, a.x, a.y, b.x, b.y));
    }
    return best;
}

bool onSomeSegment(double x, double y, const std::vector<HatchSegment>& segments) {
    for (const HatchSegment& s : segments)
        if (distanceToSegment(x, y, s.x1, s.y1, s.x2, s.y2) < 1e-6) return true;
    return false;
}

TEST(HatchLines, RunThroughThePixelsTheScreenHatches) {
    const std::array<PixelPoint, 3> triangle{{{40, 30}, {300, 61}, {117, 283}}};
    const std::array<PixelPoint, 4> bowTie{{{50, 50}, {300, 83}, {80, 300}, {281, 262}}};
    const std::vector<std::span<const PixelPoint>> outlines{triangle, bowTie};
    const HatchClip whole{0, 0, 399, 399};
    for (std::span<const PixelPoint> outline : outlines) {
        for (BrushStyle style = BrushStyles::Horizontal; style <= BrushStyles::DiagCross; ++style) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", corners " << outline.size());
            QImageCanvas screen(400, 400);
            screen.setPenStyle(PenStyles::Clear);
            screen.setBrushColour(Colours::Red);
            screen.setBrushStyle(style);
            screen.polygon(outline);
            const QImage& image = screen.image();
            const std::vector<HatchSegment> segments = hatchLines(outline, style, whole);
            ASSERT_GT(segments.size(), 20u);

            // Each segment ends on the outline; the screen hatches every pixel
            // it passes (away from the outline, where the two rules of what
            // lies inside may differ by half a pixel).
            for (const HatchSegment& s : segments) {
                EXPECT_LT(distanceToOutline(s.x1, s.y1, outline), 1e-6);
                EXPECT_LT(distanceToOutline(s.x2, s.y2, outline), 1e-6);
                const int steps = int(std::max(std::fabs(s.x2 - s.x1), std::fabs(s.y2 - s.y1)));
                for (int t = 0; t <= steps; ++t) {
                    const double x = s.x1 + (s.x2 - s.x1) * t / std::max(steps, 1);
                    const double y = s.y1 + (s.y2 - s.y1) * t / std::max(steps, 1);
                    if (distanceToOutline(x, y, outline) < 1.5 || std::fabs(x - std::round(x)) > 1e-6 ||
                        std::fabs(y - std::round(y)) > 1e-6)
                        continue;
                    EXPECT_EQ(image.pixel(int(std::round(x)), int(std::round(y))), qRgb(255, 0, 0))
                        << x << "," << y;
                }
            }
            // ... and each hatch pixel of the screen lies on a segment.
            int hatched = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 400; ++x) {
                    if (image.pixel(x, y) != qRgb(255, 0, 0) || distanceToOutline(x, y, outline) < 1.5) continue;
                    ++hatched;
                    EXPECT_TRUE(onSomeSegment(x, y, segments)) << x << "," << y;
                }
            EXPECT_GT(hatched, 500);
        }
    }
}

TEST(HatchLines, StayInsideTheirPartAndNeedAnArea) {
    const std::array<PixelPoint, 4> square{{{-5000, -5000}, {5000, -5000}, {5000, 5000}, {-5000, 5000}}};
    const HatchClip part{100, 200, 180, 240};
    const std::vector<HatchSegment> segments = hatchLines(square, BrushStyles::DiagCross, part);
    // Only the lines that cross the part: (80 + 40) / 8 of each diagonal, give or take one.
    EXPECT_GE(segments.size(), 28u);
    EXPECT_LE(segments.size(), 32u);
    for (const HatchSegment& s : segments)
        for (double x : {s.x1, s.x2}) EXPECT_TRUE(x >= 100 - 1e-9 && x <= 180 + 1e-9) << x;

    const std::array<PixelPoint, 2> line{{{0, 0}, {100, 100}}};
    EXPECT_TRUE(hatchLines(line, BrushStyles::Horizontal, part).empty());
    EXPECT_TRUE(hatchLines(square, BrushStyles::Solid, part).empty());
    EXPECT_TRUE(hatchLines(square, BrushStyles::Clear, part).empty());
    const HatchClip elsewhere{9000, 9000, 9100, 9100};
    EXPECT_TRUE(hatchLines(square, BrushStyles::Cross, elsewhere).empty());
}

}  // namespace
