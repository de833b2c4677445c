// The 2D primitives and 3D operations against the recording canvas: what
// they draw and which attributes they leave behind.
#include <gtest/gtest.h>

#include <vector>

#include "core/canvas/Canvas.h"
#include "core/canvas/Projection.h"
#include "core/canvas/RecordingCanvas.h"

namespace {

using Points = std::vector<PixelPoint>;

Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

TEST(Canvas, FreshAndResetAttributesAreTheDefaults) {
    RecordingCanvas canvas;
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});
    EXPECT_EQ(canvas.pen().colour, Colours::Black);
    EXPECT_EQ(canvas.pen().width, 1);
    EXPECT_EQ(canvas.pen().style, PenStyles::Solid);
    EXPECT_EQ(canvas.brush().colour, Colours::White);
    EXPECT_EQ(canvas.brush().style, BrushStyles::Solid);

    canvas.setPenWidth(3);
    canvas.setBrushColour(Colours::Red);
    canvas.setFontName("Courier New");
    canvas.setPixel(3, 3, Colours::Red);
    resetImage(canvas, 0, 0, 721, 721);
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});
    EXPECT_EQ(canvas.getPixel(3, 3), Colours::White);
    EXPECT_EQ(canvas.width(), 721);
    EXPECT_EQ(canvas.height(), 721);
}

TEST(DrawLine, SetsThePenDrawsAndClearsTheBrush) {
    RecordingCanvas canvas;
    canvas.setBrushColour(Colours::Yellow);
    drawLine(canvas, 1, 2, 30, 40, Colours::Red, 3, PenStyles::Dash);
    ASSERT_EQ(canvas.calls().size(), 2u);
    EXPECT_EQ(canvas.calls()[0].op, CanvasOp::MoveTo);
    const CanvasCall& line = canvas.calls()[1];
    EXPECT_EQ(line.op, CanvasOp::LineTo);
    EXPECT_EQ(line.points, (Points{{1, 2}, {30, 40}}));
    EXPECT_EQ(line.attributes.pen.colour, Colours::Red);
    EXPECT_EQ(line.attributes.pen.width, 3);
    EXPECT_EQ(line.attributes.pen.style, PenStyles::Dash);
    EXPECT_EQ(line.attributes.brush.style, BrushStyles::Solid);  // unchanged while drawing
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);
    EXPECT_EQ(canvas.brush().colour, Colours::Yellow);
    EXPECT_EQ(canvas.penPosition(), (PixelPoint{30, 40}));
}

TEST(FillPolygons, CornersInOrderAndBrushStyleKept) {
    RecordingCanvas canvas;
    fillTriangle(canvas, {0, 0}, {10, 0}, {0, 10}, Colours::Red, Colours::Blue, 2,
                 PenStyles::Dot, BrushStyles::DiagCross);
    fillQuad(canvas, {1, 1}, {9, 1}, {9, 9}, {1, 9}, Colours::Green, Colours::Lime, 1,
             PenStyles::Solid, BrushStyles::Clear);
    ASSERT_EQ(canvas.countOf(CanvasOp::Polygon), 2);
    const CanvasCall tri = canvas.callsOf(CanvasOp::Polygon)[0];
    EXPECT_EQ(tri.points, (Points{{0, 0}, {10, 0}, {0, 10}}));
    EXPECT_EQ(tri.attributes.pen, (PenAttributes{Colours::Red, 2, PenStyles::Dot}));
    EXPECT_EQ(tri.attributes.brush, (BrushAttributes{Colours::Blue, BrushStyles::DiagCross}));
    const CanvasCall quad = canvas.callsOf(CanvasOp::Polygon)[1];
    EXPECT_EQ(quad.points, (Points{{1, 1}, {9, 1}, {9, 9}, {1, 9}}));
    EXPECT_EQ(canvas.brush(), (BrushAttributes{Colours::Lime, BrushStyles::Clear}));

    fillTriangle(canvas, {0, 0}, {10, 0}, {0, 10}, Colours::Red, Colours::Blue, 1,
                 PenStyles::Solid, BrushStyles::Horizontal);
    EXPECT_EQ(canvas.brush().style, BrushStyles::Horizontal);
}

void arrow(RecordingCanvas& canvas, int x1, int y1, int x2, int y2) {
    drawArrow(canvas, x1, y1, x2, y2, Colours::Red, 1, Colours::Blue, PenStyles::Solid,
              BrushStyles::Solid, 12, 4);
}

TEST(DrawArrow, TooShortDrawsNothingAtAll) {
    RecordingCanvas canvas;
    arrow(canvas, 50, 50, 50, 50);
    arrow(canvas, 50, 50, 64, 50);   // 14 pixels
    arrow(canvas, 50, 50, 36, 50);
    arrow(canvas, 50, 50, 50, 36);
    arrow(canvas, 50, 50, 60, 60);   // 14.14 pixels
    arrow(canvas, 50, 50, 62, 58);   // exactly sqrt(208): still nothing
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});

    arrow(canvas, 50, 50, 65, 50);   // 15 pixels
    EXPECT_EQ(canvas.countOf(CanvasOp::LineTo), 1);
    EXPECT_EQ(canvas.countOf(CanvasOp::Polygon), 1);
    canvas.clearCalls();
    arrow(canvas, 50, 50, 62, 59);   // 15 pixels diagonally
    EXPECT_EQ(canvas.countOf(CanvasOp::Polygon), 1);
}

TEST(DrawArrow, VerticalHeadsHaveTheirBaseTwelvePixelsBehindTheTip) {
    RecordingCanvas canvas;
    arrow(canvas, 100, 100, 100, 150);  // pointing down the screen
    ASSERT_EQ(canvas.countOf(CanvasOp::LineTo), 1);
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points, (Points{{100, 100}, {100, 138}}));
    EXPECT_EQ(canvas.callsOf(CanvasOp::Polygon)[0].points,
              (Points{{100, 150}, {96, 138}, {104, 138}, {100, 150}}));

    canvas.clearCalls();
    arrow(canvas, 100, 100, 100, 50);  // pointing up
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points, (Points{{100, 100}, {100, 62}}));
    EXPECT_EQ(canvas.callsOf(CanvasOp::Polygon)[0].points,
              (Points{{100, 50}, {96, 62}, {104, 62}, {100, 50}}));
}

TEST(DrawArrow, HorizontalHeadsInBothDirections) {
    // h cos(alpha) = 10.8 and h sin(alpha) = 3.6 for L = 12, W = 4.
    RecordingCanvas canvas;
    arrow(canvas, 0, 0, 100, 0);
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points, (Points{{0, 0}, {89, 0}}));
    EXPECT_EQ(canvas.callsOf(CanvasOp::Polygon)[0].points,
              (Points{{100, 0}, {89, 4}, {89, -4}, {100, 0}}));

    canvas.clearCalls();
    arrow(canvas, 100, 0, 0, 0);
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points, (Points{{100, 0}, {11, 0}}));
    EXPECT_EQ(canvas.callsOf(CanvasOp::Polygon)[0].points,
              (Points{{0, 0}, {11, -4}, {11, 4}, {0, 0}}));
}

TEST(DrawArrow, DiagonalHeadIsSymmetricAboutTheShaft) {
    RecordingCanvas canvas;
    arrow(canvas, 0, 0, 100, 100);
    const Points head = canvas.callsOf(CanvasOp::Polygon)[0].points;
    ASSERT_EQ(head.size(), 4u);
    // The two base corners mirror each other in the diagonal x = y.
    EXPECT_EQ(head[1].x, head[2].y);
    EXPECT_EQ(head[1].y, head[2].x);
    // 11.38 pixels behind the tip along the diagonal: about 8 each way.
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points[1], (PixelPoint{92, 92}));
}

TEST(DrawArrow, AttributesWhileDrawingAndAfter) {
    RecordingCanvas canvas;
    drawArrow(canvas, 0, 0, 50, 0, Colours::Red, 2, Colours::Blue, PenStyles::Dot,
              BrushStyles::Cross, 12, 4);
    const CanvasCall head = canvas.callsOf(CanvasOp::Polygon)[0];
    EXPECT_EQ(head.attributes.pen, (PenAttributes{Colours::Red, 2, PenStyles::Dot}));
    EXPECT_EQ(head.attributes.brush, (BrushAttributes{Colours::Blue, BrushStyles::Cross}));
    EXPECT_EQ(canvas.brush(), (BrushAttributes{Colours::Blue, BrushStyles::Clear}));
    EXPECT_EQ(canvas.pen().colour, Colours::Red);
}

TEST(DrawArrow, LongSegmentsDoNotOverflowTheLengthTest) {
    // dx = 65536: its square does not fit 32 bits (it would wrap to 0 and
    // make the arrow look too short to draw).
    RecordingCanvas canvas;
    arrow(canvas, -32768, 0, 32768, 0);
    EXPECT_EQ(canvas.countOf(CanvasOp::Polygon), 1);
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points[1], (PixelPoint{32757, 0}));
}

TEST(DrawPointMarker, SizeZeroSetsOnePixelOnly) {
    RecordingCanvas canvas;
    drawPointMarker(canvas, 10, 20, 0, Colours::Red, Colours::Blue, 3, PenStyles::Dot,
                    BrushStyles::Cross);
    ASSERT_EQ(canvas.calls().size(), 1u);
    EXPECT_EQ(canvas.calls()[0].op, CanvasOp::SetPixel);
    EXPECT_EQ(canvas.calls()[0].points, (Points{{10, 20}}));
    EXPECT_EQ(canvas.getPixel(10, 20), Colours::Red);
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});
}

TEST(DrawPointMarker, SizeOneSetsAFivePixelPlus) {
    RecordingCanvas canvas;
    drawPointMarker(canvas, 10, 20, 1, Colours::Red, Colours::Blue, 3, PenStyles::Dot,
                    BrushStyles::Cross);
    EXPECT_EQ(canvas.countOf(CanvasOp::SetPixel), 5);
    EXPECT_EQ(canvas.calls().size(), 5u);
    for (PixelPoint p : Points{{10, 20}, {11, 20}, {9, 20}, {10, 21}, {10, 19}})
        EXPECT_EQ(canvas.getPixel(p.x, p.y), Colours::Red) << p.x << "," << p.y;
    EXPECT_EQ(canvas.getPixel(11, 21), Colours::White);
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});
}

TEST(DrawPointMarker, LargerSizesDrawACircle) {
    RecordingCanvas canvas;
    drawPointMarker(canvas, 10, 20, 2, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    ASSERT_EQ(canvas.countOf(CanvasOp::Ellipse), 1);
    const CanvasCall e = canvas.callsOf(CanvasOp::Ellipse)[0];
    EXPECT_EQ(e.points, (Points{{8, 18}, {12, 22}}));
    EXPECT_EQ(e.attributes.brush, (BrushAttributes{Colours::Blue, BrushStyles::Solid}));
    EXPECT_EQ(e.attributes.pen.colour, Colours::Red);
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);

    canvas.clearCalls();
    drawPointMarker(canvas, 10, 20, 3, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    EXPECT_EQ(canvas.callsOf(CanvasOp::Ellipse)[0].points, (Points{{7, 17}, {13, 23}}));
}

TEST(DrawText, SetsTheFontWritesAndClearsTheBrush) {
    RecordingCanvas canvas;
    drawText(canvas, 5, 200, "Vektorrechnung und 3D", "Helvetica", 20, Colours::Red,
             FontStyles::Regular, BrushStyles::Solid);
    ASSERT_EQ(canvas.countOf(CanvasOp::TextOut), 1);
    const CanvasCall t = canvas.callsOf(CanvasOp::TextOut)[0];
    EXPECT_EQ(t.text, "Vektorrechnung und 3D");
    EXPECT_EQ(t.points, (Points{{5, 200}}));
    EXPECT_EQ(t.attributes.font,
              (FontAttributes{"Helvetica", 20, Colours::Red, FontStyles::Regular}));
    EXPECT_EQ(t.attributes.brush.style, BrushStyles::Solid);
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);

    // An empty face keeps the one set before.
    drawText(canvas, 0, 0, "x", "", 9, Colours::Black, FontStyles::Bold | FontStyles::Italic,
             BrushStyles::Clear);
    EXPECT_EQ(canvas.font(), (FontAttributes{"Helvetica", 9, Colours::Black,
                                             FontStyles::Bold | FontStyles::Italic}));
}

TEST(Operations3D, SegmentsDottedOrInLineWidth) {
    RecordingCanvas canvas;
    ViewState view;
    view.lineWidth = 2;
    drawSegment3D(canvas, view, V(0, 0, 0), V(0, 1, 0), Colours::Red, true);
    drawSegment3D(canvas, view, V(0, 0, 0), V(0, 0, 1), Colours::Blue, false);
    const auto lines = canvas.callsOf(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (Points{{270, 450}, {315, 450}}));
    EXPECT_EQ(lines[0].attributes.pen, (PenAttributes{Colours::Red, 1, PenStyles::Dot}));
    EXPECT_EQ(lines[1].points, (Points{{270, 450}, {270, 405}}));
    EXPECT_EQ(lines[1].attributes.pen,
              (PenAttributes{Colours::Blue, 2, PenStyles::Solid}));
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);
}

TEST(Operations3D, ArrowHeadsFilledOrWhite) {
    RecordingCanvas canvas;
    ViewState view;
    drawArrow3D(canvas, view, V(0, 0, 0), V(0, 2, 0), Colours::Red, 2, true);
    drawArrow3D(canvas, view, V(0, 0, 0), V(0, 0, 2), Colours::Green, 1, false);
    const auto heads = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[0].attributes.brush, (BrushAttributes{Colours::Red, BrushStyles::Solid}));
    EXPECT_EQ(heads[0].attributes.pen, (PenAttributes{Colours::Red, 2, PenStyles::Solid}));
    EXPECT_EQ(heads[0].points, (Points{{360, 450}, {349, 454}, {349, 446}, {360, 450}}));
    EXPECT_EQ(heads[1].attributes.brush, (BrushAttributes{Colours::White, BrushStyles::Solid}));
    // Up the screen: base 12 rows below the tip, 4 columns to each side.
    EXPECT_EQ(heads[1].points, (Points{{270, 360}, {266, 372}, {274, 372}, {270, 360}}));
    EXPECT_EQ(canvas.brush(), (BrushAttributes{Colours::White, BrushStyles::Clear}));

    // Too short on screen: 0.3 units are 13.5 pixels.
    canvas.clearCalls();
    drawArrow3D(canvas, view, V(0, 0, 0), V(0, 0.3L, 0), Colours::Red, 1, true);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST(Operations3D, FilledPolygonsUseColourForPenAndBrush) {
    RecordingCanvas canvas;
    ViewState view;
    view.lineWidth = 2;
    fillTriangle3D(canvas, view, V(0, 0, 0), V(0, 1, 0), V(0, 0, 1), Colours::Olive,
                   BrushStyles::DiagCross);
    fillQuad3D(canvas, view, V(0, 0, 0), V(0, 1, 0), V(0, 1, 1), V(0, 0, 1), Colours::Teal,
               BrushStyles::Clear);
    const auto polys = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].points, (Points{{270, 450}, {315, 450}, {270, 405}}));
    EXPECT_EQ(polys[0].attributes.pen,
              (PenAttributes{Colours::Olive, 2, PenStyles::Solid}));
    EXPECT_EQ(polys[0].attributes.brush, (BrushAttributes{Colours::Olive, BrushStyles::DiagCross}));
    EXPECT_EQ(polys[1].points, (Points{{270, 450}, {315, 450}, {315, 405}, {270, 405}}));
    EXPECT_EQ(canvas.brush(), (BrushAttributes{Colours::Teal, BrushStyles::Clear}));
}

TEST(Operations3D, LabelsAreBoldOnAnOpaqueBoxInTheCurrentFace) {
    RecordingCanvas canvas;
    ViewState view;
    canvas.setFontName("Courier New");
    canvas.setBrushColour(Colours::Yellow);
    drawLabel3D(canvas, view, V(0, 1, 0), Colours::Red, 16, "A");
    const CanvasCall t = canvas.callsOf(CanvasOp::TextOut)[0];
    EXPECT_EQ(t.points, (Points{{315, 450}}));
    EXPECT_EQ(t.attributes.font, (FontAttributes{"Courier New", 16, Colours::Red, FontStyles::Bold}));
    EXPECT_EQ(t.attributes.brush, (BrushAttributes{Colours::Yellow, BrushStyles::Solid}));
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);
}

TEST(Operations3D, FarPointsAreClampedNotWrapped) {
    RecordingCanvas canvas;
    ViewState view;
    drawSegment3D(canvas, view, V(0, 0, 0), V(0, 1e30L, 0), Colours::Red, false);
    EXPECT_EQ(canvas.callsOf(CanvasOp::LineTo)[0].points[1], (PixelPoint{10000 - 90, 450}));
}

}  // namespace
