// The coordinate system, raster, coordinate planes and cube, checked on the
// recorded canvas calls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/canvas/CoordinateSystem.h"
#include "core/canvas/Projection.h"
#include "core/canvas/RecordingCanvas.h"

namespace {

using Points = std::vector<PixelPoint>;
using Strings = std::vector<std::string>;

Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

// Tick lines are the only 10-pixel axis-parallel lines drawCoordinateSystem draws.
int countTicks(const RecordingCanvas& canvas) {
    int n = 0;
    for (const auto& c : canvas.callsOf(CanvasOp::LineTo)) {
        const int dx = std::abs(c.points[1].x - c.points[0].x);
        const int dy = std::abs(c.points[1].y - c.points[0].y);
        if ((dx == 10 && dy == 0) || (dx == 0 && dy == 10)) ++n;
    }
    return n;
}

// Tick numbers: every text after the three axis letters.
Strings numbers(const RecordingCanvas& canvas) {
    Strings t = canvas.texts();
    return t.size() > 3 ? Strings(t.begin() + 3, t.end()) : Strings{};
}

struct Drawn {
    ViewState view;
    RecordingCanvas canvas;
    explicit Drawn(ViewState v) : view(std::move(v)) { drawCoordinateSystem(canvas, view); }
};

TEST(Zeichne3DSys, StartUpPictureSequence) {
    ViewState view;
    RecordingCanvas canvas;
    drawCoordinateSystem(canvas, view);
    drawCoordinatePlanes(canvas, view);
    const auto& calls = canvas.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, CanvasOp::Reset);
    EXPECT_EQ(calls[0].points, (Points{{0, 0}, {721, 721}}));

    // Three hollow arrows from the origin (only positive axes by default).
    const auto heads = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(heads.size(), 3u + 3u);
    const auto lines = canvas.callsOf(CanvasOp::LineTo);
    EXPECT_EQ(lines[0].points[0], (PixelPoint{270, 450}));
    EXPECT_EQ(heads[0].points[0], (PixelPoint{46, 674}));   // x: (9.975, 0, 0)
    EXPECT_EQ(heads[1].points[0], (PixelPoint{698, 450}));  // y: (0, 9.5, 0)
    EXPECT_EQ(heads[2].points[0], (PixelPoint{270, 22}));   // z: (0, 0, 9.5)
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(heads[i].attributes.brush, (BrushAttributes{Colours::White, BrushStyles::Solid}));
        EXPECT_EQ(heads[i].attributes.pen.colour, Colours::Black);
    }

    // Letters, then per axis nine ticks with the numbers 2, 4, 6, 8.
    EXPECT_EQ(canvas.texts(), (Strings{"x", "y", "z", "2", "4", "6", "8", "2", "4", "6", "8",
                                       "2", "4", "6", "8"}));
    const auto texts = canvas.callsOf(CanvasOp::TextOut);
    EXPECT_EQ(texts[1].points[0], (PixelPoint{702, 450}));
    EXPECT_EQ(texts[2].points[0], (PixelPoint{270, 8}));
    EXPECT_EQ(texts[0].attributes.font.name, kDefaultFontName);
    EXPECT_EQ(texts[0].attributes.font.size, 9);
    EXPECT_EQ(texts[0].attributes.font.style, FontStyles::Bold);
    EXPECT_EQ(texts[0].attributes.brush, (BrushAttributes{Colours::White, BrushStyles::Solid}));
    // Number 2 on x at tick (225, 495) + (11, -4); on y at (360, 450) + (-6, 4);
    // on z at (270, 360) + (-18, -8).
    EXPECT_EQ(texts[3].points[0], (PixelPoint{236, 491}));
    EXPECT_EQ(texts[7].points[0], (PixelPoint{354, 454}));
    EXPECT_EQ(texts[11].points[0], (PixelPoint{252, 352}));
    EXPECT_EQ(texts[3].attributes.font, (FontAttributes{"Arial", 9, Colours::Black, FontStyles::Bold}));
    EXPECT_EQ(countTicks(canvas), 27);

    // Then the planes yz, xz, xy: 36 dotted hatch lines each and a border.
    EXPECT_EQ(lines.size(), 3u + 27u + 3u * 36u);
    EXPECT_EQ(heads[3].attributes.pen.colour, Colour(0x00BF8200));
    EXPECT_EQ(heads[3].attributes.brush.style, BrushStyles::Clear);
    EXPECT_EQ(heads[3].points, (Points{{270, 45}, {675, 45}, {675, 450}, {270, 450}}));
    EXPECT_EQ(canvas.brush().style, BrushStyles::Clear);
}

TEST(Zeichne3DSys, RefreshesViewFieldsFromTheControls) {
    ViewState view;
    view.controls.rasterPanelColour = Colours::Red;
    view.controls.thickLines = true;
    view.controls.hatchSurfaces = false;
    view.controls.systemButton = 3;
    view.zoomScale = 0.25L;
    view.controls.shrink05 = true;
    Drawn d(view);
    EXPECT_EQ(d.view.gridColor, Colours::Red);
    EXPECT_EQ(d.view.lineWidth, 2);
    EXPECT_FALSE(d.view.hatchSurfaces);
    EXPECT_EQ(d.view.projectionSystem, 3);
    EXPECT_EQ(d.view.axisLength, 5.5L * 0.25L);
    EXPECT_EQ(d.view.planeExtent, 1.25L);

    view.controls.systemButton = 2;
    view.controls.shrink05 = false;
    view.controls.thickLines = false;
    view.zoomScale = 16;
    Drawn e(view);
    EXPECT_EQ(e.view.projectionSystem, 2);
    EXPECT_EQ(e.view.lineWidth, 1);
    EXPECT_EQ(e.view.axisLength, 152.0L);
    EXPECT_EQ(e.view.planeExtent, 144.0L);
}

TEST(Zeichne3DSys, ShrinkBoxesOverrideInTheirOrder) {
    struct Case {
        bool q1, q2, q3;
        Real axis, extent;
    };
    for (const Case& c : {Case{false, false, false, 9.5L, 9}, Case{true, false, false, 2.5L, 2},
                          Case{false, true, false, 5.5L, 5}, Case{false, false, true, 7.5L, 7},
                          Case{true, true, false, 5.5L, 5}, Case{true, true, true, 7.5L, 7}}) {
        ViewState view;
        view.zoomScale = 2;
        view.controls.shrink025 = c.q1;
        view.controls.shrink05 = c.q2;
        view.controls.shrink075 = c.q3;
        Drawn d(view);
        EXPECT_EQ(d.view.axisLength, c.axis * 2);
        EXPECT_EQ(d.view.planeExtent, c.extent * 2);
    }
}

TEST(Zeichne3DSys, TickCountsAndNumbersPerShrinkBox) {
    struct Case {
        bool q1, q2, q3;
        int pos, neg;
        Strings numbers;  // one axis
    };
    const Case cases[] = {
        {false, false, false, 9, 5, {"2", "4", "6", "8", "-2", "-4"}},
        {true, false, false, 2, 1, {"2"}},
        {false, true, false, 5, 3, {"2", "4", "-2"}},
        {false, false, true, 7, 4, {"2", "4", "6", "-2", "-4"}},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.controls.axesOnlyPositive = false;
        view.controls.shrink025 = c.q1;
        view.controls.shrink05 = c.q2;
        view.controls.shrink075 = c.q3;
        Drawn d(view);
        EXPECT_EQ(countTicks(d.canvas), 3 * (c.pos + c.neg)) << c.pos;
        Strings all;
        for (int axis = 0; axis < 3; ++axis) all.insert(all.end(), c.numbers.begin(), c.numbers.end());
        EXPECT_EQ(numbers(d.canvas), all) << c.pos;

        view.controls.axesOnlyPositive = true;
        Drawn p(view);
        EXPECT_EQ(countTicks(p.canvas), 3 * c.pos);
    }
}

TEST(Zeichne3DSys, NumbersFollowTheZoom) {
    struct Case {
        Real zoom;
        Strings numbers;
    };
    const Case cases[] = {
        {0.25L, {"0,5", "1", "1,5", "2", "-0,5", "-1"}},
        {0.5L, {"1", "2", "3", "4", "-1", "-2"}},
        {1, {"2", "4", "6", "8", "-2", "-4"}},
        {16, {"32", "64", "96", "128", "-32", "-64"}},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.zoomScale = c.zoom;
        view.controls.axesOnlyPositive = false;
        Drawn d(view);
        Strings all;
        for (int axis = 0; axis < 3; ++axis) all.insert(all.end(), c.numbers.begin(), c.numbers.end());
        EXPECT_EQ(numbers(d.canvas), all) << double(c.zoom);
        EXPECT_EQ(countTicks(d.canvas), 3 * 14);
    }
}

TEST(Zeichne3DSys, PictureIsTheSameAtEveryZoomExceptForTheNumbers) {
    ViewState a;
    a.controls.axesOnlyPositive = false;
    ViewState b = a;
    b.zoomScale = 16;
    Drawn one(a), sixteen(b);
    ASSERT_EQ(one.canvas.calls().size(), sixteen.canvas.calls().size());
    for (size_t i = 0; i < one.canvas.calls().size(); ++i) {
        EXPECT_EQ(one.canvas.calls()[i].op, sixteen.canvas.calls()[i].op);
        EXPECT_EQ(one.canvas.calls()[i].points, sixteen.canvas.calls()[i].points) << i;
    }
    // The x axis at zoom 16 runs from -91.2 to 159.6 units.
    EXPECT_EQ(sixteen.canvas.callsOf(CanvasOp::LineTo)[0].points[0],
              pointToPixel(V(-91.2L, 0, 0), sixteen.view));
}

TEST(Zeichne3DSys, LetterPositionsFollowTheShrinkBoxes) {
    struct Case {
        bool q1, q2, q3;
        Real L, f;
    };
    for (const Case& c : {Case{false, false, false, 9.5L, 1.035L}, Case{false, false, true, 7.5L, 1.05L},
                          Case{false, true, false, 5.5L, 1.06L}, Case{true, false, false, 2.5L, 1.12L}}) {
        ViewState view;
        view.controls.shrink025 = c.q1;
        view.controls.shrink05 = c.q2;
        view.controls.shrink075 = c.q3;
        Drawn d(view);
        const auto texts = d.canvas.callsOf(CanvasOp::TextOut);
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts[0].points[0], pointToPixel(V(1.06L * c.L, 0, 0), d.view));
        EXPECT_EQ(texts[1].points[0], pointToPixel(V(0, 1.01L * c.L, 0), d.view));
        EXPECT_EQ(texts[2].points[0], pointToPixel(V(0, 0, c.f * c.L), d.view));
    }
}

TEST(Zeichne3DSys, NegativeAxesStartAtSixTenths) {
    ViewState view;
    view.controls.axesOnlyPositive = false;
    Drawn d(view);
    const auto lines = d.canvas.callsOf(CanvasOp::LineTo);
    // -0.6 L is computed as a product in extended precision; on the y and z
    // axes it lands on a pixel tie (103.5, 616.5) that the last bit decides.
    const Real tail = -0.6L * 9.5L;
    EXPECT_EQ(lines[0].points[0], pointToPixel(V(tail, 0, 0), d.view));
    EXPECT_EQ(lines[1].points[0], pointToPixel(V(0, tail, 0), d.view));
    EXPECT_EQ(lines[2].points[0], pointToPixel(V(0, 0, tail), d.view));
    EXPECT_EQ(lines[1].points[0], (PixelPoint{13, 450}));
    EXPECT_EQ(lines[2].points[0], (PixelPoint{270, 707}));
    // Number -2 on the x axis at (+9, -4) from its tick.
    const PixelPoint tick = pointToPixel(V(-2, 0, 0), d.view);
    bool found = false;
    for (const auto& t : d.canvas.callsOf(CanvasOp::TextOut))
        if (t.text == "-2" && t.points[0] == PixelPoint{tick.x + 9, tick.y - 4}) found = true;
    EXPECT_TRUE(found);
}

TEST(Zeichne3DSys, NoAxesLeavesOnlyTheRaster) {
    ViewState view;
    view.controls.noAxes = true;
    Drawn bare(view);
    ASSERT_EQ(bare.canvas.calls().size(), 1u);
    EXPECT_EQ(bare.canvas.calls()[0].op, CanvasOp::Reset);

    view.controls.raster = true;
    Drawn raster(view);
    EXPECT_EQ(raster.canvas.countOf(CanvasOp::LineTo), 66);
    EXPECT_EQ(raster.canvas.countOf(CanvasOp::TextOut), 0);
    EXPECT_EQ(raster.canvas.countOf(CanvasOp::Polygon), 0);
}

TEST(Zeichne3DSys, UnusableZoomScaleEndsWithoutAxes) {
    // A zero or non-finite scale would make every tick count and position
    // meaningless (0/0); the picture stays empty instead of looping.
    for (Real zoom : {Real(0), -Real(1), std::numeric_limits<Real>::quiet_NaN(),
                      std::numeric_limits<Real>::infinity()}) {
        ViewState view;
        view.zoomScale = zoom;
        Drawn d(view);
        EXPECT_EQ(d.canvas.calls().size(), 1u) << double(zoom);
        RecordingCanvas canvas;
        drawCoordinatePlanes(canvas, d.view);
        for (const CanvasCall& c : canvas.calls())  // at most the planes' names
            EXPECT_TRUE(c.op == CanvasOp::BeginObject || c.op == CanvasOp::EndObject) << canvasOpName(c.op);
    }
}

TEST(BackgroundGrid, ThirtyThreeLinesEachWayAtHalfUnits) {
    ViewState view;
    view.controls.raster = true;
    view.controls.rasterPanelColour = Colours::Silver;
    view.zoomScale = 4;       // the raster ignores zoom,
    view.rotationZ = 30;      // rotation
    view.offsetX = 17;        // and pan
    Drawn d(view);
    const auto lines = d.canvas.callsOf(CanvasOp::LineTo);
    ASSERT_GE(lines.size(), 66u);
    const int expected[] = {0, 22, 45, 68, 90, 112, 135, 158, 180};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i].points, (Points{{expected[i], 0}, {expected[i], 720}}));
        EXPECT_EQ(lines[33 + i].points[0].y, 720 - expected[i]);
        EXPECT_EQ(lines[33 + i].points, (Points{{0, 720 - expected[i]}, {720, 720 - expected[i]}}));
    }
    EXPECT_EQ(lines[31].points[0].x, 698);  // 697.5 rounds to even
    EXPECT_EQ(lines[32].points[0].x, 720);  // the closing line at worldXMax
    EXPECT_EQ(lines[65].points[0].y, 0);
    EXPECT_EQ(lines[0].attributes.pen, (PenAttributes{Colours::Silver, 1, PenStyles::Solid}));
    EXPECT_EQ(lines[0].attributes.brush.style, BrushStyles::Clear);
}

TEST(BackgroundGrid, UnusableStepDrawsOnlyTheClosingLines) {
    ViewState view;
    RecordingCanvas canvas;
    drawBackgroundGrid(canvas, view, 1, 0, -1);
    EXPECT_EQ(canvas.countOf(CanvasOp::LineTo), 2);
}

int dottedLines(const RecordingCanvas& canvas) {
    int n = 0;
    for (const auto& c : canvas.callsOf(CanvasOp::LineTo))
        if (c.attributes.pen.style == PenStyles::Dot) ++n;
    return n;
}

TEST(AxisPlane, HatchCountsWithAndWithoutOnlyPositiveAxes) {
    ViewState view;  // "Achsen nur positiv" on, zoom 1
    RecordingCanvas canvas;
    drawAxisPlane(canvas, view, 'z', Colours::Red, 0);
    EXPECT_EQ(dottedLines(canvas), 36);
    auto lines = canvas.callsOf(CanvasOp::LineTo);
    // The first pair lies at t = 0.5: (0, 0.5, 0)-(9, 0.5, 0) and (0.5, 0, 0)-(0.5, 9, 0).
    EXPECT_EQ(lines[0].points, (Points{pointToPixel(V(0, 0.5L, 0), view), pointToPixel(V(9, 0.5L, 0), view)}));
    EXPECT_EQ(lines[1].points, (Points{pointToPixel(V(0.5L, 0, 0), view), pointToPixel(V(0.5L, 9, 0), view)}));
    EXPECT_EQ(lines[35].points[1], pointToPixel(V(9, 9, 0), view));
    EXPECT_EQ(lines[0].attributes.pen, (PenAttributes{Colours::Red, 1, PenStyles::Dot}));
    auto border = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(border.size(), 1u);
    EXPECT_EQ(border[0].points, (Points{pointToPixel(V(9, 0, 0), view), pointToPixel(V(9, 9, 0), view),
                                        pointToPixel(V(0, 9, 0), view), pointToPixel(V(0, 0, 0), view)}));

    view.controls.axesOnlyPositive = false;
    canvas.clearCalls();
    drawAxisPlane(canvas, view, 'z', Colours::Red, 0);
    EXPECT_EQ(dottedLines(canvas), 56);
    lines = canvas.callsOf(CanvasOp::LineTo);
    EXPECT_EQ(lines[0].points, (Points{pointToPixel(V(-4.5L, -4.5L, 0), view),
                                       pointToPixel(V(9, -4.5L, 0), view)}));
    border = canvas.callsOf(CanvasOp::Polygon);
    EXPECT_EQ(border[0].points[3], pointToPixel(V(-4.5L, -4.5L, 0), view));
}

TEST(AxisPlane, SameCountAtEveryZoomAndShrink) {
    for (Real zoom : {0.25L, 1.0L, 16.0L}) {
        ViewState view;
        view.zoomScale = zoom;
        view.controls.shrink025 = true;
        Drawn d(view);  // sets planeExtent = 2 S
        RecordingCanvas canvas;
        drawAxisPlane(canvas, d.view, 'x', Colours::Red, 0);
        EXPECT_EQ(dottedLines(canvas), 8) << double(zoom);  // t = 0.5 .. 2 (in units of S)
    }
}

TEST(AxisPlane, EachLetterPlacesItsPlane) {
    ViewState view;
    RecordingCanvas canvas;
    drawAxisPlane(canvas, view, 'y', Colours::Red, 6);
    auto border = canvas.callsOf(CanvasOp::Polygon)[0];
    EXPECT_EQ(border.points, (Points{pointToPixel(V(9, 6, 0), view), pointToPixel(V(9, 6, 9), view),
                                     pointToPixel(V(0, 6, 9), view), pointToPixel(V(0, 6, 0), view)}));
    auto lines = canvas.callsOf(CanvasOp::LineTo);
    EXPECT_EQ(lines[0].points, (Points{pointToPixel(V(9, 6, 0.5L), view), pointToPixel(V(0, 6, 0.5L), view)}));

    canvas.clearCalls();
    drawAxisPlane(canvas, view, 'x', Colours::Red, 6.5L);
    border = canvas.callsOf(CanvasOp::Polygon)[0];
    EXPECT_EQ(border.points, (Points{pointToPixel(V(6.5L, 0, 9), view), pointToPixel(V(6.5L, 9, 9), view),
                                     pointToPixel(V(6.5L, 9, 0), view), pointToPixel(V(6.5L, 0, 0), view)}));
    lines = canvas.callsOf(CanvasOp::LineTo);
    EXPECT_EQ(lines[1].points, (Points{pointToPixel(V(6.5L, 0, 0.5L), view), pointToPixel(V(6.5L, 9, 0.5L), view)}));

    view.lineWidth = 2;
    canvas.clearCalls();
    drawAxisPlane(canvas, view, 'z', Colours::Red, 5);
    EXPECT_EQ(dottedLines(canvas), 36);  // hatching stays one pixel wide
    for (const auto& l : canvas.callsOf(CanvasOp::LineTo)) EXPECT_EQ(l.attributes.pen.width, 1);
    EXPECT_EQ(canvas.callsOf(CanvasOp::Polygon)[0].attributes.pen.width, 2);
}

TEST(CoordinatePlanes, ColoursAndOrder) {
    ViewState view;
    view.coordPlaneColor = Colours::Purple;
    RecordingCanvas canvas;
    drawCoordinatePlanes(canvas, view);
    auto borders = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(borders.size(), 3u);
    for (const auto& b : borders) EXPECT_EQ(b.attributes.pen.colour, Colours::Purple);
    // yz first (x = 0), then xz (y = 0), then xy (z = 0).
    EXPECT_EQ(borders[0].points[0], pointToPixel(V(0, 0, 9), view));
    EXPECT_EQ(borders[1].points[0], pointToPixel(V(9, 0, 0), view));
    EXPECT_EQ(borders[2].points[1], pointToPixel(V(9, 9, 0), view));

    view.controls.autoColours = true;
    canvas.clearCalls();
    drawCoordinatePlanes(canvas, view);
    borders = canvas.callsOf(CanvasOp::Polygon);
    EXPECT_EQ(borders[0].attributes.pen.colour, Colour(0x0000AA00));
    EXPECT_EQ(borders[1].attributes.pen.colour, Colour(0x009D9DFF));
    EXPECT_EQ(borders[2].attributes.pen.colour, Colour(0x00FF8C8C));

    view.controls.xyPlane = false;
    view.controls.yzPlane = false;
    canvas.clearCalls();
    drawCoordinatePlanes(canvas, view);
    borders = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(borders.size(), 1u);
    EXPECT_EQ(borders[0].attributes.pen.colour, Colour(0x009D9DFF));
    EXPECT_EQ(borders[0].points[1], pointToPixel(V(9, 0, 9), view));
    for (const auto& l : canvas.callsOf(CanvasOp::LineTo)) EXPECT_EQ(l.attributes.pen.colour, Colour(0x009D9DFF));
}

TEST(Cube, EdgesInOrderDottedAndSolid) {
    ViewState view;
    view.cubeColor = Colours::Green;
    view.lineWidth = 2;
    RecordingCanvas canvas;
    drawCube(canvas, view, 4);
    auto px = [&](Real x, Real y, Real z) { return pointToPixel(V(x, y, z), view); };
    const auto lines = canvas.callsOf(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 9u);
    const PixelPoint expectedEnds[] = {px(4, 0, 0), px(0, 4, 0), px(0, 0, 4), px(4, 4, 0), px(4, 4, 0),
                                       px(4, 0, 4), px(4, 4, 4), px(0, 4, 4), px(0, 0, 4)};
    const bool dotted[] = {true, true, true, false, false, false, false, false, true};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i].points[1], expectedEnds[i]) << i;
        EXPECT_EQ(lines[i].attributes.pen.style, dotted[i] ? PenStyles::Dot : PenStyles::Solid) << i;
        EXPECT_EQ(lines[i].attributes.pen.width, dotted[i] ? 1 : 2) << i;
        EXPECT_EQ(lines[i].attributes.pen.colour, Colours::Green);
    }
    const auto top = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].points, (Points{px(4, 0, 4), px(4, 4, 4), px(0, 4, 4), px(0, 0, 4)}));
    EXPECT_EQ(top[0].attributes.brush.style, BrushStyles::Clear);
    // The top face comes after the two bottom edges and before the uprights.
    const auto& calls = canvas.calls();
    int polygonIndex = 0, lineCount = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op == CanvasOp::Polygon) polygonIndex = lineCount;
        if (calls[i].op == CanvasOp::LineTo) ++lineCount;
    }
    EXPECT_EQ(polygonIndex, 5);
}

TEST(ViewDecorations, OrderOfCubeParallelAndCoordinatePlanes) {
    ViewState view;
    view.controls.cube = true;
    view.controls.xPlane = true;
    view.controls.zPlane = true;
    view.cubeColor = Colours::Olive;
    RecordingCanvas canvas;
    drawViewDecorations(canvas, view, 6.5L, 6, 5);
    const auto polys = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 1u + 2u + 3u);
    EXPECT_EQ(polys[0].attributes.pen.colour, Colours::Olive);
    EXPECT_EQ(polys[1].attributes.pen.colour, Colours::Maroon);
    EXPECT_EQ(polys[1].points[0], pointToPixel(V(6.5L, 0, 9), view));
    EXPECT_EQ(polys[2].points[0], pointToPixel(V(9, 0, 5), view));
    EXPECT_EQ(polys[3].attributes.pen.colour, Colour(0x00BF8200));

    view.controls.xyPlane = view.controls.xzPlane = view.controls.yzPlane = false;
    view.controls.cube = view.controls.xPlane = view.controls.zPlane = false;
    canvas.clearCalls();
    drawViewDecorations(canvas, view, 6.5L, 6, 5);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST(ViewDefaults, ResetLeavesTheBoxesInitLeavesAlone) {
    ViewState view;
    view.controls.noAxes = true;
    view.controls.shrink05 = true;
    view.controls.stretchAtSy = true;
    view.controls.rasterPanelColour = Colours::Red;
    view.controls.axesOnlyPositive = false;
    view.controls.cube = true;
    view.zoomScale = 8;
    view.rotationX = 45;
    view.offsetX = 3;
    view.cubeEdge = 2;
    view.textString = "abc";
    resetViewDefaults(view);
    EXPECT_TRUE(view.controls.noAxes);
    EXPECT_TRUE(view.controls.shrink05);
    EXPECT_TRUE(view.controls.stretchAtSy);
    EXPECT_EQ(view.controls.rasterPanelColour, Colours::Red);
    EXPECT_TRUE(view.controls.axesOnlyPositive);
    EXPECT_FALSE(view.controls.cube);
    EXPECT_EQ(view.zoomScale, 1.0L);
    EXPECT_EQ(view.rotationX, 0.0L);
    EXPECT_EQ(view.offsetX, 90);
    EXPECT_EQ(view.cubeEdge, 9.0L);
    EXPECT_EQ(view.textString, "Gerade g");
    EXPECT_EQ(view.imagePixelWidth, 721);
}

}  // namespace
