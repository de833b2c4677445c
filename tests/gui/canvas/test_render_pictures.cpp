// Rendered pictures checked at known pixels: the drawers through the real
// QImage canvas, on a fresh white 721 x 721 image.
#include <gtest/gtest.h>

#include <cmath>

#include "core/render/RenderTestSupport.h"
#include "gui/canvas/QImageCanvas.h"
#include "core/render/BodyDrawing.h"
#include "core/render/LineDrawing.h"
#include "core/render/PlaneDrawing.h"
#include "core/render/PointDrawing.h"

namespace {

class Picture : public ::testing::Test {
protected:
    QImageCanvas canvas{721, 721};
    ViewState view;
    Scene scene;
    SceneState input;
    FakeHost host;
    DrawContext ctx{canvas, view, scene, input, host};

    void SetUp() override { resetImage(canvas, 0, 0, 721, 721); }

    Colour at(int x, int y) {
        canvas.image();  // finish painting first
        return canvas.getPixel(x, y);
    }
    Colour at(PixelPoint p) { return at(p.x, p.y); }
    // The colour within one pixel of p (lines and outlines may round either way).
    bool near(PixelPoint p, Colour c) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (at(p.x + dx, p.y + dy) == c) return true;
        return false;
    }
    PixelPoint mid(const Vector3& a, const Vector3& b) {
        return pointToPixel(V((a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2), view);
    }
    int countOf(Colour c) {
        canvas.image();
        int n = 0;
        for (int y = 0; y < 721; ++y)
            for (int x = 0; x < 721; ++x)
                if (canvas.getPixel(x, y) == c) ++n;
        return n;
    }
};

TEST_F(Picture, LineThroughOriginCrossesTheWholeImage) {
    scene.lineColor[LineH] = Colours::Teal;
    scene.lineSupport[LineH] = V(0, 0, 0);
    scene.lineDirection[LineH] = V(1, 0, 0);
    bool failed = false;
    drawSceneLine(ctx, LineH, failed);
    // In system 1 the x axis runs from (270, 450) by (-22.5, +22.5) per unit:
    // the anti-diagonal row = 720 - column, from corner to corner.
    for (int x : {0, 1, 10, 200, 360, 600, 719, 720}) EXPECT_EQ(at(x, 720 - x), Colours::Teal) << x;
    EXPECT_EQ(at(10, 10), Colours::White);
}

TEST_F(Picture, TracePointsOfTheLineThroughOneTwoThree) {
    view.controls.tracePoints = true;
    scene.lineColor[LineH] = Colours::Teal;
    scene.lineSupport[LineH] = V(1, 2, 3);
    scene.lineDirection[LineH] = V(1, 1, 1);
    bool failed = false;
    drawSceneLine(ctx, LineH, failed);
    for (const Vector3& s : {V(-2, -1, 0), V(0, 1, 2), V(-1, 0, 1)}) {
        const PixelPoint c = pointToPixel(s, view);
        // The marker's rim (its centre may be covered by later paths).
        EXPECT_TRUE(near({c.x - 3, c.y}, Colours::Purple) || near({c.x + 2, c.y}, Colours::Purple));
        // Some purple label pixels in the box right of and above the marker.
        int purple = 0;
        for (int y = c.y - 17; y < c.y - 3; ++y)
            for (int x = c.x + 6; x < c.x + 30; ++x) purple += at(x, y) == Colours::Purple;
        EXPECT_GT(purple, 10);
    }
}

TEST_F(Picture, FamilyDrawsFiveLinesOrOne) {
    scene.lineColor[LineG] = Colours::Red;
    scene.familyEnabled = true;
    scene.familyTo = 3;
    scene.familyStep = 0.5L;
    for (auto [field, text] : {std::pair{"Edit_ugx", "0"}, {"Edit_ugy", "0"}, {"Edit_ugz", "t"},
                               {"Edit_vgx", "0"}, {"Edit_vgy", "1"}, {"Edit_vgz", "0"}, {"Edit_t1", "1"}})
        input.texts[field] = text;
    bool failed = false;
    drawLineFamily(ctx, failed);
    // Horizontal lines at z = 1 .. 3: rows 450 - 45 z, halves to even.
    for (int row : {405, 382, 360, 338, 315}) EXPECT_EQ(at(500, row), Colours::Red) << row;
    EXPECT_EQ(at(500, 292), Colours::White);
    EXPECT_EQ(at(500, 428), Colours::White);

    resetImage(canvas, 0, 0, 721, 721);
    input.texts["Edit_t1"] = "3";
    scene.familyTo = 1;
    drawLineFamily(ctx, failed);
    EXPECT_EQ(at(500, 315), Colours::Red);
    for (int row : {405, 382, 360, 338}) EXPECT_EQ(at(500, row), Colours::White) << row;
}

TEST_F(Picture, TriangleAndItsStretchedForm) {
    const Colour green = Colours::Green;
    drawPlaneByEquation(ctx, green, 1, 1, 1, 1, 3);
    EXPECT_TRUE(near(mid(V(3, 0, 0), V(0, 3, 0)), green));
    EXPECT_TRUE(near(mid(V(0, 3, 0), V(0, 0, 3)), green));
    EXPECT_TRUE(near(mid(V(0, 0, 3), V(3, 0, 0)), green));
    EXPECT_EQ(at(pointToPixel(V(0, 0, 6), view)), Colours::White);
    const int hatched = countOf(green);

    resetImage(canvas, 0, 0, 721, 721);
    view.controls.stretchAtSx = true;
    drawPlaneByEquation(ctx, green, 1, 1, 1, 1, 3);
    EXPECT_TRUE(near(mid(V(-3, 6, 0), V(-3, 0, 6)), green));
    EXPECT_TRUE(near(pointToPixel(V(-3, 0, 6), view), green));
    EXPECT_GT(countOf(green), 2 * hatched);  // four times the area, hatched alike
}

TEST_F(Picture, SquareZEqualsTwoWithDottedFeet) {
    const Colour purple = Colours::Purple;
    drawPlaneByEquation(ctx, purple, 2, 0, 0, 1, 2);
    EXPECT_TRUE(near(mid(V(9, 0, 2), V(9, 9, 2)), purple));
    EXPECT_TRUE(near(mid(V(0, 9, 2), V(9, 9, 2)), purple));
    // The dotted foot from (9,9,2) straight down to (9,9,0): about every third pixel.
    const PixelPoint top = pointToPixel(V(9, 9, 2), view), bottom = pointToPixel(V(9, 9, 0), view);
    ASSERT_EQ(top.x, bottom.x);
    int on = 0;
    for (int y = top.y + 3; y < bottom.y; ++y) on += at(top.x, y) == purple;
    const int length = bottom.y - top.y - 3;
    EXPECT_GE(on, length / 3 - 1);
    EXPECT_LE(on, length / 3 + 2);
}

TEST_F(Picture, StripAndOriginParallelogram) {
    drawPlaneByEquation(ctx, Colours::Navy, 3, 1, 1, 0, 4);
    EXPECT_TRUE(near(mid(V(0, 4, 9), V(4, 0, 9)), Colours::Navy));
    EXPECT_TRUE(near(mid(V(4, 0, 0), V(4, 0, 9)), Colours::Navy));
    const Real k = 9 / std::sqrt(2.0L);
    drawPlaneByEquation(ctx, Colours::Red, 4, 1, 1, 1, 0);
    EXPECT_TRUE(near(mid(V(0, 0, 0), V(-k, 0, k)), Colours::Red));
    EXPECT_TRUE(near(mid(V(0, 0, 0), V(-k, k, 0)), Colours::Red));
    // The far corner u' + v' lies right of the image: the parallelogram is cut off there.
    EXPECT_GT(pointToPixel(V(-2 * k, k, k), view).x, 720);
}

TEST_F(Picture, ParallelSpanningVectorsLeaveTheImageWhite) {
    bool failed = false;
    drawParametricPlane(ctx, 3, V(1, 1, 1), V(1, 0, 0), V(2, 0, 0), failed);
    EXPECT_EQ(countOf(Colours::White), 721 * 721);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Picture, BodyCornersOfTheExample) {
    scene.points[PointA] = V(0, 0, 0);
    scene.points[PointB] = V(2, 0, 0);
    scene.points[PointC] = V(0, 2, 0);
    scene.points[PointS] = V(0, 0, 3);
    scene.bodyColor = Colours::Purple;
    drawSpat(ctx);
    for (const Vector3& c : {V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 0), V(0, 0, 3),
                             V(2, 0, 3), V(2, 2, 3), V(0, 2, 3)})
        EXPECT_TRUE(near(pointToPixel(c, view), Colours::Purple));
    EXPECT_TRUE(near(mid(V(2, 2, 0), V(2, 2, 3)), Colours::Purple));  // a vertical edge

    resetImage(canvas, 0, 0, 721, 721);
    drawPrismABC(ctx);
    EXPECT_TRUE(near(mid(V(2, 0, 3), V(0, 2, 3)), Colours::Purple));  // top triangle
    EXPECT_FALSE(near(mid(V(2, 2, 0), V(2, 2, 3)), Colours::Purple));

    resetImage(canvas, 0, 0, 721, 721);
    drawPyramidABC(ctx);
    EXPECT_TRUE(near(mid(V(2, 0, 0), V(0, 0, 3)), Colours::Purple));
    EXPECT_TRUE(near(mid(V(0, 2, 0), V(0, 0, 3)), Colours::Purple));
    EXPECT_FALSE(near(mid(V(2, 0, 3), V(0, 2, 3)), Colours::Purple));
}

TEST_F(Picture, PointLabelSitsOnWhiteBoxAfterPinkPath) {
    drawPoint(canvas, view, named(0, 1, 2, "Syz", Colours::Purple, true));
    const PixelPoint c = pointToPixel(V(0, 1, 2), view);
    // No pink pixel inside the label's box; the pink rectangle lies elsewhere.
    const PixelPoint box = canvas.textExtent("Syz");
    int pink = 0;
    for (int y = c.y - 17; y < c.y - 17 + box.y; ++y)
        for (int x = c.x + 6; x < c.x + 6 + box.x; ++x) pink += at(x, y) == 0x00FF88FFu;
    EXPECT_EQ(pink, 0);
    EXPECT_GT(countOf(0x00FF88FF), 50);
}

}  // namespace
