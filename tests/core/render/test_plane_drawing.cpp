#include <gtest/gtest.h>

#include <cmath>

#include "RenderTestSupport.h"
#include "core/render/PlaneDrawing.h"

namespace {

constexpr Colour kGreen = Colours::Green;

using Pixels = std::vector<PixelPoint>;

class PlaneDrawing : public ::testing::Test {
protected:
    DrawBench b;
    Pixels P(std::initializer_list<Vector3> pts) const {
        Pixels out;
        for (const Vector3& v : pts) out.push_back(pointToPixel(v, b.view));
        return out;
    }
    std::vector<CanvasCall> polygons() const { return b.canvas.callsOf(CanvasOp::Polygon); }
    // Dotted guide lines as (from, to) pixel pairs.
    std::vector<std::pair<PixelPoint, PixelPoint>> guides() const {
        std::vector<std::pair<PixelPoint, PixelPoint>> out;
        for (const auto& l : linesOf(b.canvas)) {
            EXPECT_EQ(l.attributes.pen.style, PenStyles::Dot);
            out.emplace_back(l.from, l.to);
        }
        return out;
    }
    std::pair<PixelPoint, PixelPoint> G(const Vector3& a, const Vector3& c) const {
        return {pointToPixel(a, b.view), pointToPixel(c, b.view)};
    }
};

TEST_F(PlaneDrawing, ThreeTracePointsGiveAHatchedTriangle) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(3, 0, 0), V(0, 3, 0), V(0, 0, 3)}));
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::FDiagonal);
    EXPECT_EQ(polys[0].attributes.brush.colour, kGreen);
    EXPECT_EQ(polys[0].attributes.pen.colour, kGreen);
    EXPECT_EQ(b.canvas.countOf(CanvasOp::LineTo), 0);
}

TEST_F(PlaneDrawing, StretchingAtSxKeepsTheTriangleInThePlane) {
    b.view.controls.stretchAtSx = true;
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(3, 0, 0), V(-3, 6, 0), V(-3, 0, 6)}));
}

TEST_F(PlaneDrawing, StretchingAtSyAndAtSzUseTheirOwnCentres) {
    b.view.controls.stretchAtSy = true;
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    b.view.controls.stretchAtSy = false;
    b.view.controls.stretchAtSz = true;
    b.view.planeStretch = 3;
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, P({V(6, -3, 0), V(0, 3, 0), V(0, -3, 6)}));
    EXPECT_EQ(polys[1].points, P({V(9, 0, -6), V(0, 9, -6), V(0, 0, 3)}));
}

// Each later box overwrites the vertices an earlier one set, computed from
// the unstretched trace points.
TEST_F(PlaneDrawing, LaterStretchBoxOverwritesEarlierVertices) {
    b.view.controls.stretchAtSx = true;
    b.view.controls.stretchAtSz = true;
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    // T1 and T2 from Sz, T3 from Sx.
    EXPECT_EQ(polys[0].points, P({V(6, 0, -3), V(0, 6, -3), V(-3, 0, 6)}));
}

TEST_F(PlaneDrawing, PlaneZEqualsTwoIsTheSquareWithDottedFeet) {
    drawPlaneByEquation(b.ctx, kGreen, 2, 0, 0, 1, 2);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 2), V(9, 0, 2), V(9, 9, 2), V(0, 9, 2)}));
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::BDiagonal);
    const auto expected = std::vector{G(V(9, 0, 2), V(9, 0, 0)), G(V(0, 9, 2), V(0, 9, 0)),
                                      G(V(9, 9, 2), V(9, 9, 0)), G(V(9, 0, 0), V(9, 9, 0)),
                                      G(V(0, 9, 0), V(9, 9, 0))};
    EXPECT_EQ(guides(), expected);
}

TEST_F(PlaneDrawing, PlaneYEqualsConstIsSquareOverXzQuadrant) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 0, 2, 0, 6);  // y = 3
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(0, 3, 0), V(9, 3, 0), V(9, 3, 9), V(0, 3, 9)}));
    const auto expected = std::vector{G(V(9, 3, 0), V(9, 0, 0)), G(V(9, 3, 9), V(9, 0, 9)),
                                      G(V(0, 3, 9), V(0, 0, 9)), G(V(9, 0, 0), V(9, 0, 9)),
                                      G(V(9, 0, 9), V(0, 0, 9))};
    EXPECT_EQ(guides(), expected);
}

TEST_F(PlaneDrawing, PlaneXEqualsConstIsSquareOverYzQuadrant) {
    drawPlaneByEquation(b.ctx, kGreen, 1, -1, 0, 0, 2);  // x = -2
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(-2, 0, 0), V(-2, 9, 0), V(-2, 9, 9), V(-2, 0, 9)}));
    const auto expected = std::vector{G(V(-2, 9, 0), V(0, 9, 0)), G(V(-2, 9, 9), V(0, 9, 9)),
                                      G(V(-2, 0, 9), V(0, 0, 9)), G(V(0, 9, 0), V(0, 9, 9)),
                                      G(V(0, 9, 9), V(0, 0, 9))};
    EXPECT_EQ(guides(), expected);
}

TEST_F(PlaneDrawing, PlaneParallelToZAxisIsAStrip) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 0, 4);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(4, 0, 0), V(0, 4, 0), V(0, 4, 9), V(4, 0, 9)}));
    const auto expected = std::vector{G(V(0, 0, 9), V(0, 4, 9)), G(V(0, 0, 9), V(4, 0, 9))};
    EXPECT_EQ(guides(), expected);
}

TEST_F(PlaneDrawing, StripsParallelToYAndToXAxis) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 0, 2, 4);  // Sx = (4,0,0), Sz = (0,0,2)
    drawPlaneByEquation(b.ctx, kGreen, 1, 0, 1, 2, 4);  // Sy = (0,4,0), Sz = (0,0,2)
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, P({V(4, 0, 0), V(0, 0, 2), V(0, 9, 2), V(4, 9, 0)}));
    EXPECT_EQ(polys[1].points, P({V(0, 4, 0), V(0, 0, 2), V(9, 0, 2), V(9, 4, 0)}));
    const auto expected = std::vector{G(V(0, 9, 0), V(0, 9, 2)), G(V(0, 9, 0), V(4, 9, 0)),
                                      G(V(9, 0, 0), V(9, 0, 2)), G(V(9, 0, 0), V(9, 4, 0))};
    EXPECT_EQ(guides(), expected);
}

TEST_F(PlaneDrawing, PlaneThroughOriginIsTheParallelogramOfExtentR) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 0);
    const Real k = 9 / std::sqrt(2.0L);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points,
              P({V(0, 0, 0), V(-k, 0, k), V(-2 * k, k, k), V(-k, k, 0)}));
}

TEST_F(PlaneDrawing, ExtentFollowsTheView) {
    b.view.planeExtent = 5;
    drawPlaneByEquation(b.ctx, kGreen, 2, 0, 0, 1, 2);
    EXPECT_EQ(polygons().at(0).points, P({V(0, 0, 2), V(5, 0, 2), V(5, 5, 2), V(0, 5, 2)}));
}

TEST_F(PlaneDrawing, BrushStylePerPlaneAndOutlineWhenHatchingIsOff) {
    EXPECT_EQ(planeBrushStyle(1), BrushStyles::FDiagonal);
    EXPECT_EQ(planeBrushStyle(2), BrushStyles::BDiagonal);
    EXPECT_EQ(planeBrushStyle(3), BrushStyles::Vertical);
    EXPECT_EQ(planeBrushStyle(4), BrushStyles::Horizontal);
    EXPECT_EQ(planeBrushStyle(5), BrushStyles::DiagCross);
    for (int k = 1; k <= 5; ++k) drawPlaneByEquation(b.ctx, kGreen, k, 1, 1, 1, 3);
    b.view.hatchSurfaces = false;
    for (int k = 1; k <= 5; ++k) drawPlaneByEquation(b.ctx, kGreen, k, 1, 1, 1, 3);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 10u);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(polys[k - 1].attributes.brush.style, planeBrushStyle(k));
        EXPECT_EQ(polys[k + 4].attributes.brush.style, BrushStyles::Clear);
    }
}

TEST_F(PlaneDrawing, NullNormalDrawsNothing) {
    drawPlaneByEquation(b.ctx, kGreen, 1, 0, 0, 0, 3);
    drawPlaneByEquation(b.ctx, kGreen, 3, 0, 0, 0, 0);
    EXPECT_EQ(b.canvas.calls().size(), 0u);
    EXPECT_TRUE(b.host.messages.empty());
}

TEST_F(PlaneDrawing, OverflowingCoefficientsDrawNothing) {
    const Real inf = std::numeric_limits<Real>::infinity();
    drawPlaneByEquation(b.ctx, kGreen, 3, inf, 1, 1, 3);
    drawPlaneByEquation(b.ctx, kGreen, 3, 1, 1, 1, std::nanl(""));
    EXPECT_EQ(b.canvas.calls().size(), 0u);
}

TEST_F(PlaneDrawing, E1AndE2ReReadTheFieldsButDrawTheCoefficientsPassed) {
    for (auto [field, text] : {std::pair{"Edit_a1", "0"}, {"Edit_b1", "0"}, {"Edit_c1", "1"}, {"Edit_d1", "5"}})
        b.input.texts[field] = text;
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    EXPECT_EQ(b.scene.planeCoeffs[1], (std::array<Real, 4>{0, 0, 1, 5}));
    EXPECT_EQ(polygons().at(0).points, P({V(3, 0, 0), V(0, 3, 0), V(0, 0, 3)}));
    b.scene.planeCoeffs[1] = {};
    drawPlaneByEquation(b.ctx, kGreen, 3, 1, 1, 1, 3);
    EXPECT_EQ(b.scene.planeCoeffs[1], (std::array<Real, 4>{}));
}

TEST_F(PlaneDrawing, DrawingPlanesLeavesTheScenePointsAlone) {
    const auto before = b.scene.points;
    drawPlaneByEquation(b.ctx, kGreen, 2, 0, 0, 1, 2);
    drawPlaneByEquation(b.ctx, kGreen, 1, 1, 1, 1, 3);
    for (int i = 0; i < PointCount; ++i) {
        EXPECT_EQ(b.scene.points[i].x, before[i].x);
        EXPECT_EQ(b.scene.points[i].y, before[i].y);
        EXPECT_EQ(b.scene.points[i].z, before[i].z);
    }
}

TEST_F(PlaneDrawing, ParameterFormIsDrawnLikeItsCoordinateForm) {
    b.scene.planeColor[3] = Colours::Navy;
    bool failed = true;
    // x + y + z = 3 through (3,0,0) spanned by (-3,3,0) and (-3,0,3).
    drawParametricPlane(b.ctx, 3, V(3, 0, 0), V(-3, 3, 0), V(-3, 0, 3), failed);
    EXPECT_FALSE(failed);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(3, 0, 0), V(0, 3, 0), V(0, 0, 3)}));
    EXPECT_EQ(polys[0].attributes.brush.colour, Colours::Navy);
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::Vertical);
}

TEST_F(PlaneDrawing, ParallelSpanningVectorsDrawNothingSilently) {
    bool failed = true;
    drawParametricPlane(b.ctx, 3, V(1, 1, 1), V(1, 0, 0), V(2, 0, 0), failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(b.canvas.calls().empty());
    EXPECT_TRUE(b.host.messages.empty());
}

TEST_F(PlaneDrawing, NullSpanningVectorShowsMessageAndSetsFailed) {
    bool failed = false;
    drawParametricPlane(b.ctx, 4, V(1, 1, 1), V(1, 0, 0), V(0, 0, 0), failed);
    EXPECT_TRUE(failed);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0], "Spannvektoren dürfen nicht Nullvektor sein !");
    EXPECT_TRUE(b.canvas.calls().empty());
    failed = false;
    drawParametricPlane(b.ctx, 3, V(1, 1, 1), V(0, 0, 0), V(1, 0, 0), failed);
    EXPECT_TRUE(failed);
}

TEST_F(PlaneDrawing, E5IsReReadAndDrawnAsRebuilt) {
    b.setTriple("p5", {"0", "0", "2"});
    b.setTriple("u5", {"1", "0", "0"});
    b.setTriple("v5", {"0", "1", "0"});
    bool failed = true;
    // The arguments are the stale E5 (null u): the rebuilt one is drawn.
    drawParametricPlane(b.ctx, 5, V(0, 0, 0), V(0, 0, 0), V(1, 0, 0), failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(b.host.messages.empty());
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 2), V(9, 0, 2), V(9, 9, 2), V(0, 9, 2)}));
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::DiagCross);
}

}  // namespace
