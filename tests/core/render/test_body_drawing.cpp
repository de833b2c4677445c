#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "core/render/BodyDrawing.h"

namespace {

using Pixels = std::vector<PixelPoint>;

class BodyDrawing : public ::testing::Test {
protected:
    DrawBench b;
    void SetUp() override {
        b.scene.points[PointA] = V(0, 0, 0);
        b.scene.points[PointB] = V(2, 0, 0);
        b.scene.points[PointC] = V(0, 2, 0);
        b.scene.points[PointD] = V(2, 2, 0);
        b.scene.points[PointE] = V(1, 1, 1);
        b.scene.points[PointF] = V(3, 1, 1);
        b.scene.points[PointS] = V(0, 0, 3);
        b.scene.bodyColor = Colours::Purple;
        b.view.lineWidth = 2;
    }
    Pixels P(std::initializer_list<Vector3> pts) const {
        Pixels out;
        for (const Vector3& v : pts) out.push_back(pointToPixel(v, b.view));
        return out;
    }
    std::vector<CanvasCall> polygons() const { return b.canvas.callsOf(CanvasOp::Polygon); }
    std::vector<std::pair<PixelPoint, PixelPoint>> drawnEdges() const {
        std::vector<std::pair<PixelPoint, PixelPoint>> out;
        for (const auto& l : linesOf(b.canvas)) {
            EXPECT_EQ(l.attributes.pen.style, PenStyles::Solid);
            EXPECT_EQ(l.attributes.pen.width, 2);
            EXPECT_EQ(l.attributes.pen.colour, Colours::Purple);
            out.emplace_back(l.from, l.to);
        }
        return out;
    }
    std::pair<PixelPoint, PixelPoint> E(const Vector3& a, const Vector3& c) const {
        return {pointToPixel(a, b.view), pointToPixel(c, b.view)};
    }
    // Faces come first, then the edges.
    void expectFacesBeforeEdges() const {
        bool seenLine = false;
        for (const CanvasCall& c : b.canvas.calls()) {
            if (c.op == CanvasOp::LineTo) seenLine = true;
            if (c.op == CanvasOp::Polygon) {
                EXPECT_FALSE(seenLine);
            }
        }
    }
};

TEST_F(BodyDrawing, FlatFiguresAreCrossHatchedWhenHatchingIsOn) {
    drawTriangleABC(b.ctx);
    drawTriangleDEF(b.ctx);
    drawQuadABCD(b.ctx);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 3u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 0), V(2, 0, 0), V(0, 2, 0)}));
    EXPECT_EQ(polys[1].points, P({V(2, 2, 0), V(1, 1, 1), V(3, 1, 1)}));
    // Corners joined in the listed order, even when that crosses itself.
    EXPECT_EQ(polys[2].points, P({V(0, 0, 0), V(2, 0, 0), V(0, 2, 0), V(2, 2, 0)}));
    for (const auto& p : polys) {
        EXPECT_EQ(p.attributes.brush.style, BrushStyles::DiagCross);
        EXPECT_EQ(p.attributes.brush.colour, Colours::Purple);
        EXPECT_EQ(p.attributes.pen.width, 2);
    }
    b.canvas.clearCalls();
    b.view.hatchSurfaces = false;
    drawTriangleABC(b.ctx);
    EXPECT_EQ(polygons().at(0).attributes.brush.style, BrushStyles::Clear);
}

TEST_F(BodyDrawing, PrismABCHasTopTriangleAndThreeVerticalEdges) {
    drawPrismABC(b.ctx);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 0), V(2, 0, 0), V(0, 2, 0)}));
    EXPECT_EQ(polys[1].points, P({V(0, 0, 3), V(2, 0, 3), V(0, 2, 3)}));
    // Bodies are wire frames: the faces stay unhatched even with hatching on.
    for (const auto& p : polys) EXPECT_EQ(p.attributes.brush.style, BrushStyles::Clear);
    const auto expected = std::vector{E(V(0, 0, 0), V(0, 0, 3)), E(V(2, 0, 0), V(2, 0, 3)),
                                      E(V(0, 2, 0), V(0, 2, 3))};
    EXPECT_EQ(drawnEdges(), expected);
    expectFacesBeforeEdges();
}

TEST_F(BodyDrawing, PrismABCDShiftsTheWholeBaseAlongAS) {
    b.scene.points[PointS] = V(1, 0, 3);  // an oblique edge
    drawPrismABCD(b.ctx);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[1].points, P({V(1, 0, 3), V(3, 0, 3), V(1, 2, 3), V(3, 2, 3)}));
    const auto expected = std::vector{E(V(0, 0, 0), V(1, 0, 3)), E(V(2, 0, 0), V(3, 0, 3)),
                                      E(V(0, 2, 0), V(1, 2, 3)), E(V(2, 2, 0), V(3, 2, 3))};
    EXPECT_EQ(drawnEdges(), expected);
    expectFacesBeforeEdges();
}

TEST_F(BodyDrawing, PyramidsMeetAtTheApex) {
    drawPyramidABC(b.ctx);
    drawPyramidABCD(b.ctx);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 0), V(2, 0, 0), V(0, 2, 0)}));
    EXPECT_EQ(polys[1].points, P({V(0, 0, 0), V(2, 0, 0), V(0, 2, 0), V(2, 2, 0)}));
    const PixelPoint apex = pointToPixel(V(0, 0, 3), b.view);
    const auto edges = drawnEdges();
    ASSERT_EQ(edges.size(), 7u);
    for (const auto& e : edges) EXPECT_EQ(e.second, apex);
    EXPECT_EQ(edges[3].first, pointToPixel(V(0, 0, 0), b.view));
    EXPECT_EQ(edges[6].first, pointToPixel(V(2, 2, 0), b.view));
}

TEST_F(BodyDrawing, SpatHasBottomTopAndFourVerticalEdges) {
    drawSpat(b.ctx);
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, P({V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 0)}));
    EXPECT_EQ(polys[1].points, P({V(0, 0, 3), V(2, 0, 3), V(2, 2, 3), V(0, 2, 3)}));
    const auto expected = std::vector{E(V(0, 0, 0), V(0, 0, 3)), E(V(2, 0, 0), V(2, 0, 3)),
                                      E(V(2, 2, 0), V(2, 2, 3)), E(V(0, 2, 0), V(0, 2, 3))};
    EXPECT_EQ(drawnEdges(), expected);
    expectFacesBeforeEdges();
}

TEST_F(BodyDrawing, SpatVectorsAreThreeFilledArrowsOverTheFrame) {
    b.scene.drawSpatVectors = true;
    b.scene.drawPointColor = Colours::Blue;
    b.scene.vectorPenWidth = 2;
    drawSpat(b.ctx);
    const auto& calls = b.canvas.calls();
    // Frame: 2 faces and 4 edges; then three arrows (shaft + head each).
    const auto polys = polygons();
    ASSERT_EQ(polys.size(), 5u);
    const PixelPoint tips[] = {pointToPixel(V(2, 0, 0), b.view), pointToPixel(V(0, 2, 0), b.view),
                               pointToPixel(V(0, 0, 3), b.view)};
    for (int i = 0; i < 3; ++i) {
        const CanvasCall& head = polys[2 + i];
        EXPECT_EQ(head.points.front(), tips[i]);
        EXPECT_EQ(head.attributes.brush.colour, Colours::Blue);
        EXPECT_EQ(head.attributes.brush.style, BrushStyles::Solid);
        EXPECT_EQ(head.attributes.pen.width, 2);
    }
    EXPECT_EQ(calls.back().op, CanvasOp::Polygon);
    b.canvas.clearCalls();
    b.scene.drawSpatVectors = false;
    drawSpat(b.ctx);
    EXPECT_EQ(polygons().size(), 2u);
}

TEST_F(BodyDrawing, TableOrderMatchesBodyNumbers) {
    EXPECT_EQ(kBodyDrawers[BodyTriangleABC - 1], &drawTriangleABC);
    EXPECT_EQ(kBodyDrawers[BodyPrismABCD - 1], &drawPrismABCD);
    EXPECT_EQ(kBodyDrawers[BodySpat - 1], &drawSpat);
    EXPECT_EQ(std::size(kBodyDrawers), std::size_t(BodySlots - 1));
}

}  // namespace
