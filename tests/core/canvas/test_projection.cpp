// The projection pipeline: worked pixel values, rounding, clamping,
// non-finite input and the fixed rotation order.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/canvas/Projection.h"

namespace {

Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

void expectPixel(const ViewState& view, Vector3 p, int col, int row) {
    const PixelPoint px = pointToPixel(p, view);
    EXPECT_EQ(px.x, col) << "column of (" << double(p.x) << ", " << double(p.y) << ", "
                         << double(p.z) << ")";
    EXPECT_EQ(px.y, row) << "row of (" << double(p.x) << ", " << double(p.y) << ", "
                         << double(p.z) << ")";
}

TEST(Projection, DefaultViewPlacesAxesAtKnownPixels) {
    ViewState view;
    expectPixel(view, V(0, 0, 0), 270, 450);
    expectPixel(view, V(0, 1, 0), 315, 450);
    expectPixel(view, V(0, 0, 1), 270, 405);
    // (1,0,0) lands exactly halfway in both directions: 337.5 -> 338 and
    // 382.5 -> 382, both to the even neighbour.
    expectPixel(view, V(1, 0, 0), 338 - 90, 382 + 90);
}

TEST(Projection, ZoomScaleHalvesDistances) {
    ViewState view;
    view.zoomScale = 2;
    expectPixel(view, V(0, 2, 0), 315, 450);
    expectPixel(view, V(0, 0, 4), 270, 360);
    view.zoomScale = 0.25L;
    expectPixel(view, V(0, 1, 0), 270 + 180, 450);
}

TEST(Projection, PanOffsetsApplyAfterTheMapping) {
    ViewState view;
    view.offsetX = 60;
    view.offsetY = 110;
    expectPixel(view, V(0, 0, 0), 300, 470);
}

TEST(Projection, UnitVectorsInEachSystem) {
    ViewState view;
    view.projectionSystem = 2;
    ProjectedPoint p = projectPoint(V(1, 0, 0), view);
    EXPECT_EQ(p.u, -0.5L);
    EXPECT_EQ(p.v, -0.25L);
    p = projectPoint(V(0, 1, 0), view);
    EXPECT_EQ(p.u, 1.0L);
    EXPECT_EQ(p.v, 0.0L);

    view.projectionSystem = 3;
    p = projectPoint(V(1, 0, 0), view);
    EXPECT_NEAR(double(p.u), -0.63, 1e-15);
    EXPECT_NEAR(double(p.v), -0.36, 1e-15);
    p = projectPoint(V(0, 1, 0), view);
    EXPECT_NEAR(double(p.u), 0.81, 1e-15);
    EXPECT_NEAR(double(p.v), -0.18, 1e-15);
    p = projectPoint(V(0, 0, 1), view);
    EXPECT_NEAR(double(p.u), 0.0, 1e-15);
    EXPECT_NEAR(double(p.v), 0.9, 1e-15);
    // The zoom divides before the factor 0.9 applies.
    view.zoomScale = 2;
    p = projectPoint(V(0, 0, 1), view);
    EXPECT_NEAR(double(p.v), 0.45, 1e-15);
}

TEST(Projection, WorldEdgesMapToFirstAndLastPixel) {
    ViewState view;
    EXPECT_EQ(worldToPixelX(view.worldXMax, view), 720);
    EXPECT_EQ(worldToPixelX(view.worldXMin, view), 0);
    EXPECT_EQ(worldToPixelY(view.worldYMax, view), 0);
    EXPECT_EQ(worldToPixelY(view.worldYMin, view), 720);
}

TEST(Projection, HalvesRoundToEven) {
    ViewState view;
    view.worldXMin = 0;
    view.worldXMax = 720;  // one world unit per pixel
    view.worldYMin = 0;
    view.worldYMax = 720;
    EXPECT_EQ(worldToPixelX(0.5L, view), 0);
    EXPECT_EQ(worldToPixelX(1.5L, view), 2);
    EXPECT_EQ(worldToPixelX(2.5L, view), 2);
    EXPECT_EQ(worldToPixelX(-1.5L, view), -2);
    EXPECT_EQ(worldToPixelX(2.5000001L, view), 3);
    // Rows run downwards: v = 719.5 gives r = 0.5.
    EXPECT_EQ(worldToPixelY(719.5L, view), 0);
    EXPECT_EQ(worldToPixelY(718.5L, view), 2);
}

TEST(Projection, ClampsToTenThousandBeforeOffsets) {
    ViewState view;
    view.zoomScale = 0.25L;
    // u = 1000 -> r = 45360, clamped.
    expectPixel(view, V(0, 250, 0), 10000 - 90, 450);
    expectPixel(view, V(0, -250, 0), -10000 - 90, 450);
    expectPixel(view, V(0, 0, 250), 270, -10000 + 90);
    expectPixel(view, V(0, 0, -250), 270, 10000 + 90);
    // Just inside the range nothing is clamped.
    EXPECT_EQ(worldToPixelX(-8 + 9999.0L / 45, view), 9999);
}

TEST(Projection, NonFiniteValuesNeverReachAPixel) {
    ViewState view;
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_EQ(worldToPixelX(inf, view), 10000);
    EXPECT_EQ(worldToPixelX(-inf, view), -10000);
    EXPECT_EQ(worldToPixelX(nan, view), 10000);
    EXPECT_EQ(worldToPixelY(inf, view), -10000);
    EXPECT_EQ(worldToPixelY(-inf, view), 10000);
    EXPECT_EQ(worldToPixelY(nan, view), 10000);
    EXPECT_EQ(worldToPixelX(std::numeric_limits<Real>::max(), view), 10000);

    // A zero zoom scale gives 0/0 at the origin and inf elsewhere.
    view.zoomScale = 0;
    expectPixel(view, V(0, 0, 0), 10000 - 90, 10000 + 90);
    expectPixel(view, V(0, 1, 0), 10000 - 90, 10000 + 90);
    expectPixel(view, V(0, -1, 0), -10000 - 90, 10000 + 90);
    // An empty world window divides by zero as well.
    ViewState flat;
    flat.worldXMax = flat.worldXMin;
    EXPECT_EQ(worldToPixelX(1, flat), 10000);
    EXPECT_EQ(worldToPixelX(-8, flat), 10000);  // 0/0
}

TEST(Rotation, EachAxisTurnsTheOtherTwoCoordinates) {
    ViewState view;
    view.rotationX = 90;
    Vector3 r = rotateAboutX(V(0, 1, 0), view);
    EXPECT_NEAR(double(r.x), 0, 1e-18);
    EXPECT_NEAR(double(r.y), 0, 1e-18);
    EXPECT_NEAR(double(r.z), 1, 1e-18);

    view = ViewState{};
    view.rotationY = 90;
    r = rotateAboutY(V(1, 0, 0), view);
    EXPECT_NEAR(double(r.x), 0, 1e-18);
    EXPECT_NEAR(double(r.z), -1, 1e-18);

    view = ViewState{};
    view.rotationZ = 90;
    Vector3 p = V(1, 0, 0);
    p.name = "A";
    p.color = Colours::Red;
    p.coordinatePaths = true;
    r = rotateAboutZ(p, view);
    EXPECT_NE(r.x, 0.0L);  // cos 90 in extended precision is tiny, not zero
    EXPECT_NEAR(double(r.x), 0, 1e-18);
    EXPECT_NEAR(double(r.y), 1, 1e-18);
    EXPECT_EQ(r.z, 0.0L);
    EXPECT_EQ(r.name, "A");
    EXPECT_EQ(r.color, Colours::Red);
    EXPECT_TRUE(r.coordinatePaths);
    EXPECT_EQ(pointToPixel(p, view), pointToPixel(V(0, 1, 0), ViewState{}));
}

TEST(Rotation, OnlyTheAxisOwnAngleIsUsed) {
    ViewState view;
    view.rotationY = 30;
    view.rotationZ = 60;
    const Vector3 r = rotateAboutX(V(1, 2, 3), view);
    EXPECT_EQ(r.x, 1.0L);
    EXPECT_EQ(r.y, 2.0L);
    EXPECT_EQ(r.z, 3.0L);
}

TEST(Rotation, PipelineAppliesXThenYThenZ) {
    ViewState view;
    view.rotationX = 90;
    view.rotationZ = 90;
    // x first: (0,1,0) -> (0,0,1), which z leaves alone: the z axis pixel.
    // The other order would give (-1,0,0).
    expectPixel(view, V(0, 1, 0), 270, 405);

    view = ViewState{};
    view.rotationY = 90;
    view.rotationZ = 90;
    // y first: (0,0,1) -> (1,0,0), then z: (0,1,0).
    expectPixel(view, V(0, 0, 1), 315, 450);

    view = ViewState{};
    view.rotationX = 90;
    view.rotationY = 90;
    // x first: (0,1,0) -> (0,0,1), then y: (1,0,0).
    expectPixel(view, V(0, 1, 0), 248, 472);
}

TEST(Rotation, FullTurnsLeaveThePictureUnchanged) {
    ViewState view;
    view.rotationX = 720;
    view.rotationY = -360;
    view.rotationZ = 360;
    expectPixel(view, V(3, 4, 5), pointToPixel(V(3, 4, 5), ViewState{}).x,
                pointToPixel(V(3, 4, 5), ViewState{}).y);
}

}  // namespace
