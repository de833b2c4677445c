#include <algorithm>
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "RenderTestSupport.h"
#include "core/numbers/Evaluator.h"
#include "core/render/LineDrawing.h"

namespace {

// The walk as first described: add the step 0.1 u again and again until the
// pixel leaves the square 0..1000. Kept here as the reference for the
// search; gives up (nullopt) after maxSteps.
std::optional<Vector3> literalWalk(const ViewState& view, const Vector3& p, const Vector3& u,
                                   Real sign, long maxSteps) {
    Vector3 a = p;
    for (long i = 0; i < maxSteps; ++i) {
        const Vector3 step = V(sign * 0.1L * u.x, sign * 0.1L * u.y, sign * 0.1L * u.z);
        a.x += step.x;
        a.y += step.y;
        a.z += step.z;
        if (!insideExtent(pointToPixel(a, view))) return a;
    }
    return std::nullopt;
}

TEST(LineExtent, LineThroughOriginEndsOutsideTheFrameOnBothSides) {
    ViewState view;
    const auto [a, b] = lineExtent(view, V(0, 0, 0), V(1, 0, 0));
    EXPECT_FALSE(insideExtent(pointToPixel(a, view)));
    EXPECT_FALSE(insideExtent(pointToPixel(b, view)));
    // One step back each end is still inside: these are the walk's first exits.
    EXPECT_TRUE(insideExtent(Px(view, a.x - 0.1L, 0, 0)));
    EXPECT_TRUE(insideExtent(Px(view, b.x + 0.1L, 0, 0)));
    EXPECT_GT(a.x, 0);
    EXPECT_LT(b.x, 0);
}

TEST(LineExtent, SupportPointOutsideFrameGivesOneStepEachWay) {
    ViewState view;
    const Vector3 p = V(0, 100, 0), u = V(0, 0, 2);
    const auto [a, b] = lineExtent(view, p, u);
    EXPECT_EQ(a.z, 0.2L);
    EXPECT_EQ(b.z, -0.2L);
    EXPECT_EQ(a.y, 100);
}

TEST(LineExtent, AgreesWithTheLiteralWalkOnRandomLines) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> coord(-12, 12), dir(-3, 3);
    std::uniform_int_distribution<int> sys(1, 3), rot(-8, 8), zoomIdx(0, 6), off(-100, 200);
    const Real zooms[] = {0.25L, 0.5L, 1, 2, 4, 8, 16};
    int compared = 0;
    for (int n = 0; n < 300; ++n) {
        ViewState view;
        view.projectionSystem = sys(rng);
        view.rotationX = 5 * rot(rng);
        view.rotationY = 5 * rot(rng);
        view.rotationZ = 5 * rot(rng);
        view.zoomScale = zooms[zoomIdx(rng)];
        view.offsetX = off(rng);
        view.offsetY = off(rng);
        const Vector3 p = V(coord(rng), coord(rng), coord(rng));
        Vector3 u = V(dir(rng), dir(rng), dir(rng));
        if (n % 10 == 0) u = V(dir(rng) * 2e-2, dir(rng) * 2e-2, dir(rng) * 2e-2);  // short directions
        const auto walkA = literalWalk(view, p, u, 1, 200000);
        const auto walkB = literalWalk(view, p, u, -1, 200000);
        if (!walkA || !walkB) continue;
        const auto [a, b] = lineExtent(view, p, u);
        EXPECT_EQ(pointToPixel(a, view), pointToPixel(*walkA, view)) << "line " << n;
        EXPECT_EQ(pointToPixel(b, view), pointToPixel(*walkB, view)) << "line " << n;
        ++compared;
    }
    EXPECT_GT(compared, 270);
}

// Round inputs put coordinates exactly on half pixels, where the rounding
// of the repeated additions decides the pixel; the end points must be the
// walk's own, bit for bit.
TEST(LineExtent, AgreesWithTheLiteralWalkOnRoundNumbers) {
    int compared = 0, mismatches = 0;
    for (int system = 1; system <= 3; ++system)
        for (Real zoom : {0.25L, 0.5L})
            for (Real px : {-1.5L, 2.0L})
                for (Real py : {-2.0L, 1.0L})
                    for (Real pz : {-3.0L, 0.5L})
                        for (Real ux : {-1.5L, -0.5L, 1.0L})
                            for (Real uy : {-1.0L, 0.0L, 3.0L})
                                for (Real uz : {-2.0L, 0.0L, 2.0L}) {
                                    ViewState view;
                                    view.projectionSystem = system;
                                    view.zoomScale = zoom;
                                    const Vector3 p = V(px, py, pz), u = V(ux, uy, uz);
                                    const auto walkA = literalWalk(view, p, u, 1, 100000);
                                    const auto walkB = literalWalk(view, p, u, -1, 100000);
                                    if (!walkA || !walkB) continue;
                                    const auto [a, b] = lineExtent(view, p, u);
                                    ++compared;
                                    const bool same = a.x == walkA->x && a.y == walkA->y &&
                                                      a.z == walkA->z && b.x == walkB->x &&
                                                      b.y == walkB->y && b.z == walkB->z;
                                    if (!same) ++mismatches;
                                    EXPECT_TRUE(same)
                                        << "system " << system << " zoom " << double(zoom)
                                        << " p " << double(px) << ' ' << double(py) << ' '
                                        << double(pz) << " u " << double(ux) << ' '
                                        << double(uy) << ' ' << double(uz);
                                    if (mismatches > 5) return;
                                }
    EXPECT_GT(compared, 800);
}

// Direction (2, 1, 1) in system 1 without rotation projects to a single
// point: the walk would never end.
TEST(LineExtent, LineSeenEndOnEndsAtOnce) {
    ViewState view;
    const Vector3 p = V(1, 2, 3), u = V(2, 1, 1);
    const auto start = std::chrono::steady_clock::now();
    const auto [a, b] = lineExtent(view, p, u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(pointToPixel(a, view), pointToPixel(p, view));
    EXPECT_EQ(pointToPixel(b, view), pointToPixel(p, view));
}

// Nearly end-on: the walk would take about 10^11 steps. The search still
// finds the exact exit: outside, with the step before it inside.
TEST(LineExtent, TinyProjectedStepIsFoundWithoutWalking) {
    ViewState view;
    const Vector3 p = V(0, 0, 0), u = V(2, 1, 1 + 1e-9L);
    const auto start = std::chrono::steady_clock::now();
    const auto [a, b] = lineExtent(view, p, u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    for (const auto& [end, sign] : {std::pair{a, 1.0L}, std::pair{b, -1.0L}}) {
        EXPECT_FALSE(insideExtent(pointToPixel(end, view)));
        const Vector3 before = V(end.x - sign * 0.1L * u.x, end.y - sign * 0.1L * u.y,
                                 end.z - sign * 0.1L * u.z);
        EXPECT_TRUE(insideExtent(pointToPixel(before, view)));
    }
}

TEST(LineExtent, NonFiniteDirectionStaysBounded) {
    ViewState view;
    const Real inf = std::numeric_limits<Real>::infinity();
    const auto [a, b] = lineExtent(view, V(0, 0, 0), V(inf, 0, 0));
    EXPECT_FALSE(insideExtent(pointToPixel(a, view)));
    EXPECT_FALSE(insideExtent(pointToPixel(b, view)));
}

class LineDrawing : public ::testing::Test {
protected:
    DrawBench b;
    void SetUp() override {
        b.scene.lineColor[LineG] = Colours::Red;
        b.scene.lineColor[LineH] = Colours::Teal;
        b.scene.lineColor[LineG2] = Colours::Blue;
    }
};

TEST_F(LineDrawing, NullDirectionShowsMessageAndDrawsNothing) {
    b.scene.points[PointQ] = b.scene.points[PointP];  // g2's direction is PQ
    bool failed = false;
    drawSceneLine(b.ctx, LineG2, failed);
    EXPECT_TRUE(failed);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0], "Richtungsvektor darf nicht der Nullvektor sein !");
    EXPECT_TRUE(b.canvas.calls().empty());
}

TEST_F(LineDrawing, ValidLineClearsFailedAndDrawsOneSolidSegment) {
    b.scene.lineSupport[LineH] = V(0, 0, 0);
    b.scene.lineDirection[LineH] = V(1, 0, 0);
    b.view.lineWidth = 2;
    bool failed = true;
    drawSceneLine(b.ctx, LineH, failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(b.host.messages.empty());
    const auto lines = linesOf(b.canvas);
    ASSERT_EQ(lines.size(), 1u);
    const auto [a, e] = lineExtent(b.view, V(0, 0, 0), V(1, 0, 0));
    EXPECT_EQ(lines[0].from, pointToPixel(a, b.view));
    EXPECT_EQ(lines[0].to, pointToPixel(e, b.view));
    EXPECT_EQ(lines[0].attributes.pen.colour, Colours::Teal);
    EXPECT_EQ(lines[0].attributes.pen.width, 2);
    EXPECT_EQ(lines[0].attributes.pen.style, PenStyles::Solid);
}

// h is read again from its fields as typed, g2 from P and Q as the Scene
// holds them; g's fields are left alone.
TEST_F(LineDrawing, HAndG2AreReReadButGIsNot) {
    bool failed = false;
    b.scene.lineSupport[LineG] = V(1, 0, 0);
    b.scene.lineDirection[LineG] = V(0, 1, 0);
    b.setLineG({"7", "7", "7"}, {"0", "0", "0"});
    b.setTriple("uh", {"1", "2", "3"});
    b.setTriple("vh", {"0", "0", "0"});
    b.scene.points[PointP] = V(1, 1, 1);
    b.scene.points[PointQ] = V(2, 3, 4);
    drawSceneLine(b.ctx, LineG, failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(b.scene.lineSupport[LineG].x, 1);
    drawSceneLine(b.ctx, LineG2, failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(b.scene.lineDirection[LineG2].z, 3);
    // The re-read value is the one drawn (here rejected).
    drawSceneLine(b.ctx, LineH, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(b.scene.lineSupport[LineH].z, 3);
    EXPECT_TRUE(b.host.rejections.empty());
    // A text the reread rejects is reported and keeps the value.
    b.input.texts["Edit_vhy"] = "1+";
    drawSceneLine(b.ctx, LineH, failed);
    ASSERT_EQ(b.host.rejections.size(), 1u);
    EXPECT_EQ(b.host.rejections[0].field, "Edit_vhy");
    EXPECT_EQ(b.host.rejections[0].message.rfind("Fehler an Stelle ", 0), 0u);
}

TEST_F(LineDrawing, TracePointsInOrderSxySyzSxzInPurpleWithPaths) {
    b.view.controls.tracePoints = true;
    b.scene.lineSupport[LineH] = V(1, 2, 3);
    b.scene.lineDirection[LineH] = V(1, 1, 1);
    bool failed = false;
    drawSceneLine(b.ctx, LineH, failed);
    const auto texts = b.canvas.callsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Sxy");
    EXPECT_EQ(texts[1].text, "Syz");
    EXPECT_EQ(texts[2].text, "Sxz");
    const PixelPoint sxy = Px(b.view, -2, -1, 0), syz = Px(b.view, 0, 1, 2),
                     sxz = Px(b.view, -1, 0, 1);
    EXPECT_EQ(texts[0].points[0], (PixelPoint{sxy.x + 6, sxy.y - 17}));
    EXPECT_EQ(texts[1].points[0], (PixelPoint{syz.x + 6, syz.y - 17}));
    EXPECT_EQ(texts[2].points[0], (PixelPoint{sxz.x + 6, sxz.y - 17}));
    for (const auto& t : texts) EXPECT_EQ(t.attributes.font.colour, Colours::Purple);
    // Paths: Syz and Sxz have their rectangles (pink, cyan); Sxy lies in the xy-plane.
    const auto polys = b.canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].attributes.brush.colour, 0x00FF88FFu);
    EXPECT_EQ(polys[1].attributes.brush.colour, 0x00FFFF88u);
}

TEST_F(LineDrawing, LineAlongXHasOnlySyz) {
    b.view.controls.tracePoints = true;
    b.scene.lineSupport[LineH] = V(1, 2, 3);
    b.scene.lineDirection[LineH] = V(1, 0, 0);
    bool failed = false;
    drawSceneLine(b.ctx, LineH, failed);
    EXPECT_EQ(b.canvas.texts(), (std::vector<std::string>{"Syz"}));
}

TEST_F(LineDrawing, NoTracePointsUnlessChecked) {
    b.scene.lineSupport[LineH] = V(1, 2, 3);
    b.scene.lineDirection[LineH] = V(1, 1, 1);
    bool failed = false;
    drawSceneLine(b.ctx, LineH, failed);
    EXPECT_TRUE(b.canvas.texts().empty());
}

// The family: each member is g evaluated at the running t (here t is the
// support point's z).
class FamilyDrawing : public LineDrawing {
protected:
    void SetUp() override {
        LineDrawing::SetUp();
        b.scene.familyEnabled = true;
        b.scene.familyTo = 3;
        b.scene.familyStep = 0.5L;
        prepare(b, "1");
    }
    static void prepare(DrawBench& bench, const std::string& t1) {
        bench.input.texts["Edit_t1"] = t1;
        bench.setLineG({"0", "0", "t"}, {"0", "1", "0"});
    }
    int lineCount() const { return b.canvas.countOf(CanvasOp::LineTo); }
    // The t of every member drawn.
    static std::vector<Real> memberTs(const DrawBench& bench) {
        std::vector<Real> ts;
        for (const CanvasCall& call : bench.canvas.callsOf(CanvasOp::BeginObject))
            if (call.kind == ObjectKind::LineFamilyMember) {
                std::string t = call.text.substr(call.text.rfind(' ') + 1);
                std::replace(t.begin(), t.end(), ',', '.');
                ts.push_back(std::stold(t));
            }
        return ts;
    }
};

TEST_F(FamilyDrawing, OneToThreeInHalfStepsDrawsFiveLines) {
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(memberTs(b), (std::vector<Real>{1, 1.5L, 2, 2.5L, 3}));
    EXPECT_EQ(lineCount(), 5);
    EXPECT_TRUE(b.host.messages.empty());
    EXPECT_FALSE(failed);
    EXPECT_EQ(b.scene.familyFrom, 3.5L);  // the first value beyond t2
    for (const auto& l : linesOf(b.canvas)) EXPECT_EQ(l.attributes.pen.colour, Colours::Red);
}

TEST_F(FamilyDrawing, StartAfterEndDrawsOneLineAtStart) {
    b.input.texts["Edit_t1"] = "3";
    b.scene.familyTo = 1;
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(memberTs(b), (std::vector<Real>{3}));
    EXPECT_EQ(lineCount(), 1);
}

TEST_F(FamilyDrawing, StartIsReadFromTheFieldWithDecimalComma) {
    b.input.texts["Edit_t1"] = "2,5";
    b.scene.familyFrom = 1;  // the committed value is not used
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(memberTs(b), (std::vector<Real>{2.5L, 3}));
}

TEST_F(FamilyDrawing, StepZeroOrNegativeDrawsOnlyTheFirstMemberAndSaysSo) {
    for (Real step : {0.0L, -0.5L}) {
        DrawBench fresh;
        fresh.scene = b.scene;
        prepare(fresh, "1");
        fresh.scene.familyStep = step;
        bool failed = false;
        drawLineFamily(fresh.ctx, failed);
        EXPECT_EQ(memberTs(fresh), (std::vector<Real>{1})) << "step " << double(step);
        EXPECT_EQ(fresh.canvas.countOf(CanvasOp::LineTo), 1);
        ASSERT_EQ(fresh.host.messages.size(), 1u);
        EXPECT_EQ(fresh.host.messages[0], std::string(kFamilyStepMessage));
    }
}

TEST_F(FamilyDrawing, ZeroStepWithStartAfterEndIsAnOrdinarySingleLine) {
    b.input.texts["Edit_t1"] = "5";
    b.scene.familyStep = 0;
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(lineCount(), 1);
    EXPECT_TRUE(b.host.messages.empty());
}

TEST_F(FamilyDrawing, TinyStepStopsAtTheMemberLimitAndTellsTheUser) {
    b.scene.familyStep = 1e-9L;
    bool failed = false;
    const auto start = std::chrono::steady_clock::now();
    drawLineFamily(b.ctx, failed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(lineCount(), kMaxFamilyMembers);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0], "Es wurden nur die ersten 1000 Geraden der Schar gezeichnet.");
}

TEST_F(FamilyDrawing, ExactlyThousandMembersNeedNoMessage) {
    b.scene.familyStep = 1;
    b.scene.familyTo = 1000;
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(lineCount(), 1000);
    EXPECT_TRUE(b.host.messages.empty());
}

TEST_F(FamilyDrawing, InvalidStartGivesMessageAndDrawsNoFamily) {
    for (const char* text : {"abc", "1/2", "", "2t", "1,5,0"}) {
        DrawBench fresh;
        fresh.scene = b.scene;
        prepare(fresh, text);
        bool failed = false;
        drawLineFamily(fresh.ctx, failed);
        EXPECT_EQ(fresh.canvas.countOf(CanvasOp::LineTo), 0) << text;
        ASSERT_EQ(fresh.host.messages.size(), 1u) << text;
        EXPECT_EQ(fresh.host.messages[0], std::string(kFamilyStartMessage));
        EXPECT_FALSE(failed);
    }
}

TEST_F(FamilyDrawing, DisabledFamilyDrawsGOnceAsItStands) {
    b.scene.familyEnabled = false;
    b.scene.lineSupport[LineG] = V(1, 1, 1);
    b.scene.lineDirection[LineG] = V(0, 0, 1);
    b.input.texts["Edit_t1"] = "2";
    bool failed = true;
    drawLineFamily(b.ctx, failed);
    EXPECT_TRUE(memberTs(b).empty());
    EXPECT_EQ(b.scene.lineSupport[LineG].z, 1);  // g's formulas are not evaluated
    EXPECT_EQ(lineCount(), 1);
    EXPECT_FALSE(failed);
    EXPECT_EQ(b.scene.familyFrom, 2);
    // A bad t1 plays no part then.
    DrawBench other;
    other.scene = b.scene;
    other.input.texts["Edit_t1"] = "x";
    drawLineFamily(other.ctx, failed);
    EXPECT_EQ(other.canvas.countOf(CanvasOp::LineTo), 1);
    EXPECT_TRUE(other.host.messages.empty());
}

TEST_F(FamilyDrawing, NullDirectionMemberStopsTheLoopWithFlagSet) {
    b.setLineG({"0", "0", "0"}, {"0", "t-2", "0"});  // null at t = 2
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(memberTs(b), (std::vector<Real>{1, 1.5L, 2}));
    EXPECT_EQ(lineCount(), 2);
    EXPECT_EQ(b.host.messages.size(), 1u);
}

// Where a formula is undefined (the evaluator's error value) there is no
// line to draw; the other members are drawn.
TEST_F(FamilyDrawing, MembersWithFailedFormulaAreSkipped) {
    b.setLineG({"0", "0", "0"}, {"1", "w(t-2)*0+1", "0"});  // undefined below t = 2
    bool failed = false;
    drawLineFamily(b.ctx, failed);
    EXPECT_EQ(memberTs(b), (std::vector<Real>{2, 2.5L, 3}));
    EXPECT_EQ(b.scene.familyFrom, 3.5L);
    EXPECT_EQ(lineCount(), 3);
    EXPECT_FALSE(failed);
}

TEST(ParsePlainDecimal, AcceptsDecimalNumbers) {
    EXPECT_EQ(parsePlainDecimal("1"), 1);
    EXPECT_EQ(parsePlainDecimal("2,5"), 2.5L);
    EXPECT_EQ(parsePlainDecimal("2.5"), 2.5L);
    EXPECT_EQ(parsePlainDecimal(" -0,5 "), -0.5L);
    EXPECT_EQ(parsePlainDecimal("+3"), 3);
    EXPECT_EQ(parsePlainDecimal("1E3"), 1000);
    EXPECT_EQ(parsePlainDecimal("1,5e-2"), 0.015L);
    EXPECT_EQ(parsePlainDecimal(",5"), 0.5L);
    EXPECT_EQ(parsePlainDecimal("0,1"), 0.1L);  // the nearest extended value
}

TEST(ParsePlainDecimal, RejectsEverythingElse) {
    for (const char* text : {"", " ", "abc", "1/2", "1,2,3", "3t", "1e", ",", "-", "--1",
                             "1e99999", "inf", "nan", "0x10", "1 2"})
        EXPECT_FALSE(parsePlainDecimal(text).has_value()) << '"' << text << '"';
}

}  // namespace
