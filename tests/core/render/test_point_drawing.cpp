#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "core/render/PointDrawing.h"

namespace {

constexpr Colour kBlue = Colours::Blue;

std::vector<CanvasCall> polygons(const RecordingCanvas& c) { return c.callsOf(CanvasOp::Polygon); }

TEST(DrawPoint, MarkerIsWhiteDiscWithTwoPixelRimAndLabelAboveRight) {
    DrawBench b;
    drawPoint(b.canvas, b.view, named(1, 2, 3, "A", kBlue));
    const PixelPoint at = Px(b.view, 1, 2, 3);
    const auto ellipses = b.canvas.callsOf(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].points[0], (PixelPoint{at.x - 3, at.y - 3}));
    EXPECT_EQ(ellipses[0].points[1], (PixelPoint{at.x + 3, at.y + 3}));
    EXPECT_EQ(ellipses[0].attributes.pen.colour, kBlue);
    EXPECT_EQ(ellipses[0].attributes.pen.width, 2);
    EXPECT_EQ(ellipses[0].attributes.brush.colour, Colours::White);
    EXPECT_EQ(ellipses[0].attributes.brush.style, BrushStyles::Solid);

    const auto texts = b.canvas.callsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "A");
    EXPECT_EQ(texts[0].points[0], (PixelPoint{at.x + 6, at.y - 17}));
    EXPECT_EQ(texts[0].attributes.font.colour, kBlue);
    EXPECT_EQ(texts[0].attributes.font.size, 10);
    EXPECT_EQ(texts[0].attributes.font.style, FontStyles::Bold);
    EXPECT_EQ(texts[0].attributes.brush.style, BrushStyles::Solid);
    // Without a path there is nothing but marker and label.
    EXPECT_EQ(b.canvas.countOf(CanvasOp::LineTo), 0);
    EXPECT_EQ(b.canvas.countOf(CanvasOp::Polygon), 0);
}

TEST(DrawPoint, LargeLabelsAndFaceLeftAlone) {
    DrawBench b;
    b.view.pointLabelSize = 16;
    b.canvas.setFontName("Courier New");
    drawPoint(b.canvas, b.view, named(0, 0, 0, "O", Colours::Black));
    const auto texts = b.canvas.callsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].attributes.font.size, 16);
    EXPECT_EQ(texts[0].attributes.font.name, "Courier New");
}

// The label box is always white; it does not take over the colour the
// path rectangle (or any earlier fill) left in the canvas.
TEST(DrawPoint, LabelBoxIsWhiteAfterHatchedPath) {
    DrawBench b;
    b.canvas.setBrushColour(Colours::Red);
    drawPoint(b.canvas, b.view, named(0, 1, 2, "Syz", Colours::Purple, true));
    const auto texts = b.canvas.callsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].attributes.brush.colour, Colours::White);
    EXPECT_EQ(texts[0].attributes.brush.style, BrushStyles::Solid);
}

TEST(DrawPoint, PathOfPointInXyPlaneHasNoRectangle) {
    DrawBench b;
    drawPoint(b.canvas, b.view, named(2, 3, 0, "P", kBlue, true));
    EXPECT_TRUE(polygons(b.canvas).empty());
    const auto lines = linesOf(b.canvas);
    ASSERT_EQ(lines.size(), 3u);
    const PixelPoint p = Px(b.view, 2, 3, 0);
    // P to its foot (itself), foot to (2,0,0), foot to (0,3,0), all dotted.
    EXPECT_EQ(lines[0].from, p);
    EXPECT_EQ(lines[0].to, p);
    EXPECT_EQ(lines[1].to, Px(b.view, 2, 0, 0));
    EXPECT_EQ(lines[2].to, Px(b.view, 0, 3, 0));
    for (const auto& l : lines) {
        EXPECT_EQ(l.attributes.pen.style, PenStyles::Dot);
        EXPECT_EQ(l.attributes.pen.width, 1);
        EXPECT_EQ(l.attributes.pen.colour, kBlue);
    }
}

TEST(DrawPoint, PathOfGeneralPointDropsToFootAndRunsToAxes) {
    DrawBench b;
    b.view.lineWidth = 2;  // dotted path lines ignore it
    drawPoint(b.canvas, b.view, named(2, 3, 4, "P", kBlue, true));
    const auto polys = polygons(b.canvas);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, (std::vector<PixelPoint>{Px(b.view, 2, 3, 0), Px(b.view, 2, 0, 0),
                                                        Px(b.view, 0, 0, 0), Px(b.view, 0, 3, 0)}));
    EXPECT_EQ(polys[0].attributes.brush.colour, Colours::Silver);
    EXPECT_EQ(polys[0].attributes.pen.colour, Colours::Silver);
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::FDiagonal);
    const auto lines = linesOf(b.canvas);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, Px(b.view, 2, 3, 4));
    EXPECT_EQ(lines[0].to, Px(b.view, 2, 3, 0));
    EXPECT_EQ(lines[1].to, Px(b.view, 2, 0, 0));
    EXPECT_EQ(lines[2].to, Px(b.view, 0, 3, 0));
    for (const auto& l : lines) EXPECT_EQ(l.attributes.pen.width, 1);
    // The rectangle lies under the dotted lines: it comes first.
    EXPECT_EQ(b.canvas.calls()[1].op, CanvasOp::Polygon);
}

TEST(DrawPoint, PointInYzPlaneNamedSyzGetsPinkRectangleInThatPlane) {
    DrawBench b;
    drawPoint(b.canvas, b.view, named(0, 1, 2, "Syz", Colours::Purple, true));
    const auto polys = polygons(b.canvas);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, (std::vector<PixelPoint>{Px(b.view, 0, 1, 2), Px(b.view, 0, 0, 2),
                                                        Px(b.view, 0, 0, 0), Px(b.view, 0, 1, 0)}));
    EXPECT_EQ(polys[0].attributes.brush.colour, 0x00FF88FFu);
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::FDiagonal);
    const auto lines = linesOf(b.canvas);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].to, Px(b.view, 0, 0, 2));
    EXPECT_EQ(lines[2].to, Px(b.view, 0, 1, 0));
}

TEST(DrawPoint, PointInXzPlaneNamedSxzGetsCyanBackwardHatch) {
    DrawBench b;
    drawPoint(b.canvas, b.view, named(-1, 0, 1, "Sxz", Colours::Purple, true));
    const auto polys = polygons(b.canvas);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points, (std::vector<PixelPoint>{Px(b.view, -1, 0, 1), Px(b.view, -1, 0, 0),
                                                        Px(b.view, 0, 0, 0), Px(b.view, 0, 0, 1)}));
    EXPECT_EQ(polys[0].attributes.brush.colour, 0x00FFFF88u);
    EXPECT_EQ(polys[0].attributes.brush.style, BrushStyles::BDiagonal);
}

TEST(DrawPoint, FillColourChosenByExactCaseSensitiveName) {
    EXPECT_EQ(pathFillFor("Syz").colour, 0x00FF88FFu);
    EXPECT_EQ(pathFillFor("Sxz").colour, 0x00FFFF88u);
    EXPECT_EQ(pathFillFor("syz").colour, Colours::Silver);
    EXPECT_EQ(pathFillFor("Sxy").colour, Colours::Silver);
    EXPECT_EQ(pathFillFor("SYZ").style, BrushStyles::FDiagonal);
    EXPECT_EQ(pathFillFor("").colour, Colours::Silver);
}

TEST(DrawPoint, HatchingOffLeavesOnlyDottedLines) {
    DrawBench b;
    b.view.hatchSurfaces = false;
    drawPoint(b.canvas, b.view, named(0, 1, 2, "Syz", Colours::Purple, true));
    EXPECT_TRUE(polygons(b.canvas).empty());
    EXPECT_EQ(linesOf(b.canvas).size(), 3u);
}

TEST(DrawPoint, PointOnZAxisDrawsOneDottedLineToOrigin) {
    DrawBench b;
    drawPoint(b.canvas, b.view, named(0, 0, 5, "C", kBlue, true));
    EXPECT_TRUE(polygons(b.canvas).empty());
    const PixelPoint p = Px(b.view, 0, 0, 5), o = Px(b.view, 0, 0, 0);
    for (const auto& l : linesOf(b.canvas)) {
        // Every visible piece runs from P to O; the rest has zero length.
        if (l.from == l.to) continue;
        EXPECT_EQ(l.from, p);
        EXPECT_EQ(l.to, o);
    }
}

TEST(DrawPoint, LabelFollowsPanOffsets) {
    DrawBench b;
    b.view.offsetX = 0;
    b.view.offsetY = 0;
    drawPoint(b.canvas, b.view, named(0, 0, 0, "O", Colours::Black));
    const auto texts = b.canvas.callsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].points[0], (PixelPoint{360 + 6, 360 - 17}));
}

}  // namespace
