#include <algorithm>
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "core/render/DrawCommand.h"
#include "core/numbers/Evaluator.h"
#include "core/canvas/CoordinateSystem.h"
#include "core/render/LineDrawing.h"
#include "core/render/PlaneDrawing.h"

namespace {

class DrawCommand : public ::testing::Test {
protected:
    DrawBench b;
    void SetUp() override {
        b.scene.lineColor = {0, Colours::Red, Colours::Teal, Colours::Blue};
        b.scene.planeColor = {0, Colours::Green, Colours::Purple, Colours::Navy, Colours::Red,
                              0x0055AAFF};
        b.scene.bodyColor = Colours::Fuchsia;
    }

    void run() { executeDrawCommand(b.ctx); }

    // Index of the first recorded call matching pred, or -1.
    template <class Pred>
    int firstIndex(Pred pred) const {
        const auto& calls = b.canvas.calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (pred(calls[i])) return static_cast<int>(i);
        return -1;
    }
    // Arrow heads: polygons of four vertices whose first and last are the tip.
    std::vector<CanvasCall> arrowHeads() const {
        std::vector<CanvasCall> heads;
        for (const auto& c : b.canvas.callsOf(CanvasOp::Polygon))
            if (c.points.size() == 4 && c.points.front() == c.points.back()) heads.push_back(c);
        return heads;
    }
    // The calls a picture with nothing checked consists of.
    std::vector<CanvasCall> coordinateSystemOnly() {
        RecordingCanvas reference;
        ViewState view = b.view;
        drawCoordinateSystem(reference, view);
        drawViewDecorations(reference, view, b.scene.parallelPlaneX, b.scene.parallelPlaneY,
                            b.scene.parallelPlaneZ);
        return reference.calls();
    }
};

TEST_F(DrawCommand, SetErrorFlagMeansNothingHiddenNothingDrawn) {
    b.scene.drawBlocked = true;
    b.scene.drawPointFlag[PointA] = true;
    run();
    EXPECT_TRUE(b.canvas.calls().empty());
    EXPECT_EQ(b.host.hideCount, 0);
    EXPECT_TRUE(b.scene.drawBlocked);
}

TEST_F(DrawCommand, NothingCheckedDrawsTheCoordinateSystemOnly) {
    const auto expected = coordinateSystemOnly();
    run();
    EXPECT_EQ(b.host.hideCount, 1);
    EXPECT_TRUE(b.canvas.calls() == expected);
    EXPECT_EQ(b.canvas.calls().front().op, CanvasOp::Reset);
}

TEST_F(DrawCommand, MainWindowDecorationsComeWithTheCoordinateSystem) {
    b.view.controls.cube = true;
    b.view.controls.zPlane = true;
    b.view.controls.xyPlane = false;
    b.view.controls.xzPlane = false;
    b.view.controls.yzPlane = false;
    b.scene.parallelPlaneZ = 3;
    const auto expected = coordinateSystemOnly();
    run();
    EXPECT_TRUE(b.canvas.calls() == expected);
}

TEST_F(DrawCommand, TakesPointColourAndPenWidthsFromTheControls) {
    b.scene.pointColor = Colours::Olive;
    b.view.controls.thickVectors = true;
    b.view.controls.thickLines = true;
    run();
    EXPECT_EQ(b.scene.drawPointColor, Colours::Olive);
    EXPECT_EQ(b.scene.vectorPenWidth, 2);
    EXPECT_EQ(b.view.lineWidth, 2);
    b.view.controls.thickVectors = false;
    b.view.controls.thickLines = false;
    run();
    EXPECT_EQ(b.scene.vectorPenWidth, 1);
    EXPECT_EQ(b.view.lineWidth, 1);
}

TEST_F(DrawCommand, PointsInTheirFixedOrder) {
    b.scene.drawPointFlag.fill(true);
    run();
    EXPECT_GE(b.canvas.texts().size(), 9u);
    std::vector<std::string> labels;
    for (const auto& t : b.canvas.texts())
        if (t.size() == 1 && std::isupper(static_cast<unsigned char>(t[0]))) labels.push_back(t);
    EXPECT_EQ(labels, (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "S", "P", "Q"}));
}

TEST_F(DrawCommand, ConnectionsInTheirOrderAsFilledArrowsInThePointColour) {
    b.scene.drawVectorFlag.fill(true);
    b.scene.pointColor = Colours::Olive;
    b.view.controls.thickVectors = true;
    run();
    const auto heads = arrowHeads();
    // The axes' three hollow arrows come first.
    ASSERT_EQ(heads.size(), 3u + 7u);
    const PointIndex tips[] = {PointB, PointC, PointD, PointE, PointF, PointS, PointQ};
    for (int i = 0; i < 7; ++i) {
        const CanvasCall& head = heads[3 + i];
        EXPECT_EQ(head.points.front(), pointToPixel(b.scene.points[tips[i]], b.view)) << i;
        EXPECT_EQ(head.attributes.brush.colour, Colours::Olive);
        EXPECT_EQ(head.attributes.pen.width, 2);
    }
}

TEST_F(DrawCommand, SegmentsInsteadOfVectorsAreSolidLinesOfLineWidth) {
    b.scene.drawVectorFlag[VectorAB] = true;
    b.scene.segmentsInsteadOfVectors = true;
    b.scene.pointColor = Colours::Olive;
    for (bool thick : {false, true}) {
        b.canvas.clearCalls();
        b.view.controls.thickLines = thick;
        run();
        EXPECT_EQ(arrowHeads().size(), 3u);  // only the axes
        const PixelPoint a = pointToPixel(b.scene.points[PointA], b.view);
        const PixelPoint e = pointToPixel(b.scene.points[PointB], b.view);
        int found = 0;
        for (const auto& l : linesOf(b.canvas)) {
            if (l.from == a && l.to == e) {
                ++found;
                EXPECT_EQ(l.attributes.pen.colour, Colours::Olive);
                EXPECT_EQ(l.attributes.pen.width, thick ? 2 : 1);
                EXPECT_EQ(l.attributes.pen.style, PenStyles::Solid);
            }
        }
        EXPECT_EQ(found, 1);
    }
}

class Coplanarity : public DrawCommand {
protected:
    void SetUp() override {
        DrawCommand::SetUp();
        Scene& s = b.scene;
        s.points[PointA] = named(0, 0, 0, "A", Colours::Blue);
        s.points[PointB] = named(4, 0, 0, "B", Colours::Blue);
        s.points[PointC] = named(0, 4, 0, "C", Colours::Blue);
        s.points[PointD] = named(2, 2, 0, "D", Colours::Blue);
        s.planeSpanU[PlaneE5] = V(4, 0, 0);
        s.planeSpanV[PlaneE5] = V(0, 4, 0);
        s.vectorAD = V(2, 2, 0);
        s.coplanarGraphic = true;
        s.segmentsInsteadOfVectors = true;  // the construction stays arrows
        s.drawPointFlag[PointA] = true;
        s.drawPointFlag[PointD] = true;
    }
    PixelPoint Pix(Real x, Real y, Real z) const { return Px(b.view, x, y, z); }
};

TEST_F(Coplanarity, WithoutCalculationOnlyTheThreeVectorsAndThePointsOnTop) {
    run();
    const auto heads = arrowHeads();
    ASSERT_EQ(heads.size(), 3u + 3u);
    EXPECT_EQ(heads[3].points.front(), Pix(4, 0, 0));
    EXPECT_EQ(heads[3].attributes.brush.colour, 0x00FF0000u);
    EXPECT_EQ(heads[4].points.front(), Pix(0, 4, 0));
    EXPECT_EQ(heads[4].attributes.brush.colour, 0x00008000u);
    EXPECT_EQ(heads[5].points.front(), Pix(2, 2, 0));
    EXPECT_EQ(heads[5].attributes.brush.colour, 0x000000FFu);
    // A and D are drawn at step 10 and again over the arrows.
    std::vector<std::string> labels;
    for (const auto& t : b.canvas.texts())
        if (t == "A" || t == "D") labels.push_back(t);
    EXPECT_EQ(labels, (std::vector<std::string>{"A", "D", "A", "D"}));
    const auto& calls = b.canvas.calls();
    const auto last = std::find_if(calls.rbegin(), calls.rend(), [](const CanvasCall& c) {
        return c.op != CanvasOp::EndObject;  // closing the point's and the construction's objects
    });
    ASSERT_NE(last, calls.rend());
    EXPECT_EQ(last->op, CanvasOp::TextOut);
    EXPECT_EQ(last->text, "D");
}

TEST_F(Coplanarity, NotCoplanarDrawsNoConstructionEvenWhenValid) {
    b.scene.coplanarValid = true;
    b.scene.coplanarR = 0.5L;
    b.scene.coplanarT = 0.5L;
    b.scene.vectorAD = V(2, 2, 1);
    run();
    EXPECT_EQ(arrowHeads().size(), 6u);
}

TEST_F(Coplanarity, ValidResultDrawsTheParallelogramOfHollowArrows) {
    b.scene.coplanarValid = true;
    b.scene.coplanarR = 0.5L;
    b.scene.coplanarT = 0.5L;
    b.view.controls.thickVectors = true;
    run();
    const auto heads = arrowHeads();
    ASSERT_EQ(heads.size(), 3u + 7u);
    const PixelPoint tips[] = {Pix(2, 0, 0), Pix(0, 2, 0), Pix(2, 2, 0), Pix(2, 2, 0),
                               Pix(4, 0, 0), Pix(0, 4, 0), Pix(2, 2, 0)};
    const Colour pens[] = {0x00FF0000, 0x00008000, 0x00008000, 0x00FF0000,
                           0x00FF0000, 0x00008000, 0x000000FF};
    for (int i = 0; i < 7; ++i) {
        const CanvasCall& head = heads[3 + i];
        EXPECT_EQ(head.points.front(), tips[i]) << i;
        EXPECT_EQ(head.attributes.pen.colour, pens[i]) << i;
        EXPECT_EQ(head.attributes.pen.width, 2);
        EXPECT_EQ(head.attributes.brush.colour, i < 4 ? Colours::White : pens[i]) << i;
    }
}

TEST_F(DrawCommand, ObjectsFollowTheFixedOrder) {
    Scene& s = b.scene;
    s.drawPointFlag[PointA] = true;
    s.drawVectorFlag[VectorAB] = true;
    s.pointColor = Colours::Olive;
    s.drawLineFlag[LineG] = true;
    s.lineSupport[LineG] = V(0, 0, 1);
    s.lineDirection[LineG] = V(0, 1, 0);
    s.drawLineFlag[LineH] = true;
    s.drawLineFlag[LineG2] = true;
    s.drawPlaneFlag.fill(true);
    s.drawBodyFlag[BodyTriangleABC] = true;
    run();
    EXPECT_TRUE(b.host.messages.empty());
    auto penLine = [](Colour c) {
        return [c](const CanvasCall& k) { return k.op == CanvasOp::LineTo && k.attributes.pen.colour == c; };
    };
    auto polygon = [](Colour c, BrushStyle st) {
        return [c, st](const CanvasCall& k) {
            return k.op == CanvasOp::Polygon && k.attributes.brush.colour == c && k.attributes.brush.style == st;
        };
    };
    const int label = firstIndex([](const CanvasCall& k) { return k.op == CanvasOp::TextOut && k.text == "A"; });
    const int vector = firstIndex(polygon(Colours::Olive, BrushStyles::Solid));
    const int g = firstIndex(penLine(Colours::Red));
    const int h = firstIndex(penLine(Colours::Teal));
    const int g2 = firstIndex(penLine(Colours::Blue));
    std::vector<int> order{label, vector, g, h, g2};
    for (int k = 1; k <= 5; ++k)
        order.push_back(firstIndex(polygon(s.planeColor[k], planeBrushStyle(k))));
    order.push_back(firstIndex(polygon(Colours::Fuchsia, BrushStyles::DiagCross)));
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_GE(order[i], 0) << "object " << i;
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    // Fields read again while drawing (the input is empty: each rejected).
    auto rereads = [this](const std::string& field) {
        return std::count_if(b.host.rejections.begin(), b.host.rejections.end(),
                             [&field](const FieldRejection& r) { return r.field == field; });
    };
    EXPECT_EQ(rereads("Edit_vhx"), 2);  // h and g2
    EXPECT_EQ(rereads("Edit_a1"), 3);   // E1, E2, E5
}

// h with a null direction: the message, the rest still drawn, and the flag
// stays set so that the next redraw from the main window does nothing.
TEST_F(DrawCommand, RejectedLineHBlocksTheNextRedraw) {
    Scene& s = b.scene;
    s.drawLineFlag[LineH] = true;
    s.lineDirection[LineH] = V(0, 0, 0);
    s.drawPlaneFlag[PlaneE1] = true;
    s.drawBodyFlag[BodyTriangleABC] = true;
    run();
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0], std::string(kNullDirectionMessage));
    EXPECT_TRUE(b.scene.drawBlocked);
    EXPECT_GE(firstIndex([](const CanvasCall& k) {
                  return k.op == CanvasOp::Polygon && k.attributes.brush.colour == Colours::Green;
              }), 0);
    EXPECT_GE(firstIndex([](const CanvasCall& k) {
                  return k.op == CanvasOp::Polygon && k.attributes.brush.colour == Colours::Fuchsia;
              }), 0);
    b.canvas.clearCalls();
    run();  // e.g. the next rotation
    EXPECT_TRUE(b.canvas.calls().empty());
    EXPECT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.hideCount, 1);
}

// A valid E3 drawn after the rejected h clears the flag: the next redraw
// runs (and shows the message again).
TEST_F(DrawCommand, ValidE3AfterRejectedHClearsTheFlag) {
    Scene& s = b.scene;
    s.drawLineFlag[LineH] = true;
    s.lineDirection[LineH] = V(0, 0, 0);
    s.drawPlaneFlag[PlaneE3] = true;
    run();
    EXPECT_EQ(b.host.messages.size(), 1u);
    EXPECT_FALSE(b.scene.drawBlocked);
    b.canvas.clearCalls();
    run();
    EXPECT_FALSE(b.canvas.calls().empty());
    EXPECT_EQ(b.host.messages.size(), 2u);
}

TEST_F(DrawCommand, RejectedE4IsTheLastVerdict) {
    Scene& s = b.scene;
    s.drawPlaneFlag[PlaneE3] = true;
    s.drawPlaneFlag[PlaneE4] = true;
    s.planeSpanV[PlaneE4] = V(0, 0, 0);
    run();
    EXPECT_TRUE(b.scene.drawBlocked);
    EXPECT_EQ(b.host.messages, (std::vector<std::string>{std::string(kNullSpanMessage)}));
}

TEST_F(DrawCommand, ValidFamilyClearsAFlagSetEarlierInTheRun) {
    Scene& s = b.scene;
    s.drawLineFlag[LineG] = true;
    s.familyEnabled = true;
    b.input.texts["Edit_t1"] = "1";
    b.setLineG({"0", "0", "t"}, {"1", "1", "0"});
    run();
    EXPECT_FALSE(b.scene.drawBlocked);
    const auto objects = b.canvas.callsOf(CanvasOp::BeginObject);
    EXPECT_EQ(std::count_if(objects.begin(), objects.end(),
                            [](const CanvasCall& c) { return c.kind == ObjectKind::LineFamilyMember; }),
              5);  // t = 1 .. 3 in steps of 0.5
}

}  // namespace

namespace {

// A member whose formula fails at its t: the reader leaves the values of the
// previous member and only sets the flag. That member is not drawn (no copy
// of the previous line), the others are, and the run ends with the flag
// clear as the last member was drawn.
TEST_F(DrawCommand, FamilyMemberWithFailedFormulaIsSkipped) {
    Scene& s = b.scene;
    s.drawLineFlag[LineG] = true;
    s.familyEnabled = true;
    b.input.texts["Edit_t1"] = "1";
    b.setLineG({"0", "0", "t"}, {"1", "1+0/((t-2)*(t-2,5))", "0"});  // fails at t = 2 and 2,5
    run();
    EXPECT_EQ(s.familyFrom, 3.5L);
    int red = 0;
    for (const auto& c : b.canvas.callsOf(CanvasOp::LineTo))
        if (c.attributes.pen.colour == Colours::Red) ++red;
    EXPECT_EQ(red, 3);  // t = 1, 1.5 and 3
    EXPECT_FALSE(b.scene.drawBlocked);
    EXPECT_TRUE(b.host.messages.empty());
}

}  // namespace
