// Shared result texts and the equation output buttons.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/calc/CalcCommands.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "calc_test_support.h"

using Lines = std::vector<std::string>;

TEST(ResultNumbers, NonFiniteValuesBecomeAGermanNote) {
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_EQ(resultText(3, inf), "nicht berechenbar");
    EXPECT_EQ(resultText(3, -inf), "nicht berechenbar");
    EXPECT_EQ(resultText(2, nan), "nicht berechenbar");
    EXPECT_EQ(resultNumberText(nan), "nicht berechenbar");
    EXPECT_EQ(resultVectorText(V(1, nan, 2)), "(1/nicht berechenbar/2)");
    // Finite but beyond a double: shown unrounded, never as "inf".
    EXPECT_EQ(resultText(3, 1E400L).find("inf"), std::string::npos);
    EXPECT_NE(resultText(3, 1E400L), "nicht berechenbar");
}

TEST(ResultNumbers, RoundingAndSigns) {
    EXPECT_EQ(resultText(3, 4.08248290463863L), "4,082");
    EXPECT_EQ(resultText(3, -0.0001L), "0");  // no "-0"
    EXPECT_EQ(resultText(2, 54.7356103172L), "54,74");
    EXPECT_EQ(resultPointText(V(1, 2.5L, -3), "S"), "S(1|2,5|-3)  ");
    EXPECT_EQ(resultVectorText(V(1, -2.5L, 0)), "(1/-2,5/0)");
    auto texts = alignedComponentTexts(V(1, -12.25L, 300));
    EXPECT_EQ(texts[0], "     1");
    EXPECT_EQ(texts[1], "-12,25");
    EXPECT_EQ(texts[2], "   300");
}

TEST(DistanceLine, ExactRootAndRoundedValue) {
    PlainTextOutputLog log;
    appendDistanceLine(log, IncidenceResult{1, 50, 3, 0});
    appendDistanceLine(log, IncidenceResult{1, 50, 6, 0});  // reduced to 25/3
    appendDistanceLine(log, IncidenceResult{1, 25, 1, 0});
    appendDistanceLine(log, IncidenceResult{1, 8, 4, 0});   // reduced to 2
    EXPECT_EQ(log.lines(), (Lines{"Abstand d = √(50/3) = 4,082", "Abstand d = √(25/3) = 2,887",
                                  "Abstand d = √(25) = 5", "Abstand d = √(2) = 1,414"}));
}

TEST(DistanceLine, BrokenQuotientIsNotPrinted) {
    PlainTextOutputLog log;
    appendDistanceLine(log, IncidenceResult{1, 5, 0, 0});
    appendDistanceLine(log, IncidenceResult{1, std::numeric_limits<Real>::quiet_NaN(), 1, 0});
    EXPECT_EQ(log.lines(), (Lines{"Abstand d = nicht berechenbar", "Abstand d = nicht berechenbar"}));
}

TEST(AngleLine, ThreeDecimalsAndDegreeSign) {
    PlainTextOutputLog log;
    appendAngleLine(log, 35.26438968L);
    appendAngleLine(log, 90);
    EXPECT_EQ(log.lines(), (Lines{"Schnittwinkel α = 35,264°", "Schnittwinkel α = 90°"}));
}

TEST(PlaneCoordinateEquation, WholeNumberCoefficientsAndSignRules) {
    EXPECT_EQ(planeCoordinateEquationText("E1", 2, 3, -1, 5), "E1: 2x+3y-z=5");
    EXPECT_EQ(planeCoordinateEquationText("E2", 0, 1, -4, 0), "E2: y-4z=0");
    EXPECT_EQ(planeCoordinateEquationText("E1", 0, 0, -2, 4), "E1: -z=2");
    EXPECT_EQ(planeCoordinateEquationText("E1", 0, 0, -2, 3), "E1: -2z=3");
    EXPECT_EQ(planeCoordinateEquationText("E1", 0, 2, 0, 1), "E1: 2y=1");
    EXPECT_EQ(planeCoordinateEquationText("E1", 1, -1, 1, -2), "E1: x-y+z=-2");
    EXPECT_EQ(planeCoordinateEquationText("E1", -1, 0, 1, 0), "E1: -x+z=0");
    EXPECT_EQ(planeCoordinateEquationText("E3", 0.5L, 1, 1.5L, 2), "E3: x+2y+3z=4");
    EXPECT_EQ(planeCoordinateEquationText("E3", 0, 0, 0, 0), "E3: Es liegt keine Ebene vor !");
}

TEST(OutputLine, DirectionIsShownWholeAndShortest) {
    Scene scene;
    scene.lineSupport[LineG] = V(1, 2, 3);
    scene.lineDirection[LineG] = V(2, 4, 6);
    PlainTextOutputLog log;
    CommandOutcome outcome = outputLineCommand(scene, LineG, exact::buildExactScene(scene, {}), log);
    EXPECT_TRUE(outcome.message.empty());
    auto rows = formulaAround(log, " g: x = ");
    expectColumnsAligned(rows);
    auto vectors = columnVectors(rows);
    ASSERT_EQ(vectors.size(), 2u);
    EXPECT_EQ(vectors[1], (std::array<std::string, 3>{"1", "2", "3"}));
    // The scene keeps the direction as entered.
    EXPECT_EQ(scene.lineDirection[LineG].x, 2);
    // Trace points follow: (1|2|3) + t(1|2|3) meets every coordinate plane at O.
    auto lines = log.lines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[3], "Spurpunkte von g:");
    EXPECT_EQ(lines[4], "Sxy(0|0|0)  ");
    EXPECT_EQ(lines[5], "Sxz(0|0|0)  ");
    EXPECT_EQ(lines[6], "Syz(0|0|0)  ");
    EXPECT_EQ(lines[7], " ");
}

TEST(OutputLine, LineParallelToTheXyPlaneHasNoSxy) {
    Scene scene;
    scene.lineSupport[LineH] = V(1, 2, 3);
    scene.lineDirection[LineH] = V(1, 1, 0);
    PlainTextOutputLog log;
    outputLineCommand(scene, LineH, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(linesContaining(log, "Sxy").size(), 0u);
    EXPECT_EQ(linesContaining(log, "Sxz(-1|0|3)  ").size(), 1u);
    EXPECT_EQ(linesContaining(log, "Syz(0|1|3)  ").size(), 1u);
    EXPECT_EQ(formulaAround(log, " h: x = ")[1].substr(0, 8), " h: x = ");
}

TEST(OutputLine, NullDirectionIsRefusedAndWritesNothing) {
    Scene scene;
    scene.lineDirection[LineG2] = V(0, 0, 0);
    PlainTextOutputLog log;
    log.clearOutputLog();
    const std::string before = log.text();
    CommandOutcome outcome = outputLineCommand(scene, LineG2, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(outcome.message, "Richtungsvektor darf nicht Nullvektor sein !");
    EXPECT_EQ(log.text(), before);
}

TEST(OutputPlane, CoordinateFormPrintsEquationsAndTraceLines) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {2, 3, -1, 6};
    PlainTextOutputLog log;
    log.setOutputColour(Colours::Red);
    EXPECT_TRUE(outputPlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log).message.empty());
    auto lines = log.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "E1: 2x+3y-z=6");
    EXPECT_EQ(log.runs().front().colour, Colours::Blue);
    expectColumnsAligned(formulaAround(log, "E1: x = "));
    EXPECT_EQ(columnVectors(formulaAround(log, "E1: x = ")).size(), 3u);
    EXPECT_EQ(linesContaining(log, "Spurgeraden von E1:").size(), 1u);
    // Sx = (3|0|0), Sy = (0|2|0), Sz = (0|0|-6): three trace lines.
    for (const char* pair : {"xy: x = ", "xz: x = ", "yz: x = "}) {
        auto rows = formulaAround(log, pair);
        expectColumnsAligned(rows);
        auto vectors = columnVectors(rows);
        ASSERT_EQ(vectors.size(), 2u) << pair;
        EXPECT_NE(vectors[1], (std::array<std::string, 3>{"0", "0", "0"})) << pair;
    }
}

TEST(OutputPlane, PlaneParallelToTwoAxesHasNoTraceLines) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 5};
    PlainTextOutputLog log;
    outputPlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(linesContaining(log, "Spurgeraden").size(), 1u);
    EXPECT_EQ(linesContaining(log, "Spurgeraden")[0], "Spurgeraden von E1: keine");
    EXPECT_EQ(linesContaining(log, "xy: x =").size(), 0u);
}

TEST(OutputPlane, PlaneThroughOriginGetsRealTraceLinesNotNullDirections) {
    Scene scene;
    scene.planeCoeffs[PlaneE2] = {1, 2, 3, 0};
    PlainTextOutputLog log;
    outputPlaneCommand(scene, PlaneE2, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(linesContaining(log, "fallen in den Ursprung").size(), 3u) << log.text();
    const std::array<std::string, 3> null{"0", "0", "0"};
    const std::array<std::array<std::string, 3>, 3> expected = {
        std::array<std::string, 3>{"2", "-1", "0"},  // xy: n × e_z
        std::array<std::string, 3>{"3", "0", "-1"},  // xz: -(n × e_y)
        std::array<std::string, 3>{"0", "3", "-2"},  // yz: n × e_x
    };
    int i = 0;
    for (const char* pair : {"xy: x = ", "xz: x = ", "yz: x = "}) {
        auto vectors = columnVectors(formulaAround(log, pair));
        ASSERT_EQ(vectors.size(), 2u) << pair;
        EXPECT_EQ(vectors[0], null) << pair;
        EXPECT_NE(vectors[1], null) << pair;
        // The direction lies in the plane and in its coordinate plane.
        auto number = [](const std::string& s) { return std::stold(s); };
        Real dx = number(vectors[1][0]), dy = number(vectors[1][1]), dz = number(vectors[1][2]);
        EXPECT_EQ(dx + 2 * dy + 3 * dz, 0) << pair;
        EXPECT_TRUE(expected[static_cast<std::size_t>(i)] == vectors[1] ||
                    (dx == -number(expected[static_cast<std::size_t>(i)][0]) &&
                     dy == -number(expected[static_cast<std::size_t>(i)][1]) &&
                     dz == -number(expected[static_cast<std::size_t>(i)][2])))
            << pair;
        ++i;
    }
}

TEST(OutputPlane, ParameterFormPrintsParameterThenCoordinateEquation) {
    Scene scene;
    scene.planeSupport[PlaneE4] = V(2, 1, 2);
    scene.planeSpanU[PlaneE4] = V(-1, 0, 2);
    scene.planeSpanV[PlaneE4] = V(0, 1, 0);
    PlainTextOutputLog log;
    EXPECT_TRUE(outputPlaneCommand(scene, PlaneE4, exact::buildExactScene(scene, {}), log).message.empty());
    auto lines = log.lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_NE(lines[1].find("E4: x = "), std::string::npos);
    auto vectors = columnVectors({lines[0], lines[1], lines[2]});
    ASSERT_EQ(vectors.size(), 3u);
    EXPECT_EQ(vectors[0], (std::array<std::string, 3>{"2", "1", "2"}));
    EXPECT_EQ(lines[3], "E4: -2x-z=-6");
}

TEST(OutputPlane, RefusalsLeaveTheLogUnchanged) {
    Scene scene;
    scene.planeCoeffs[PlaneE2] = {0, 0, 0, 7};
    scene.planeSpanU[PlaneE3] = V(0, 0, 0);
    scene.planeSpanU[PlaneE4] = V(1, 2, 3);
    scene.planeSpanV[PlaneE4] = V(-2, -4, -6);  // parallel: no plane
    PlainTextOutputLog log;
    EXPECT_EQ(outputPlaneCommand(scene, PlaneE2, exact::buildExactScene(scene, {}), log).message, "Es liegt keine Ebene vor !");
    EXPECT_EQ(outputPlaneCommand(scene, PlaneE3, exact::buildExactScene(scene, {}), log).message, "Spannvektoren dürfen nicht Nullvektor sein !");
    EXPECT_EQ(outputPlaneCommand(scene, PlaneE4, exact::buildExactScene(scene, {}), log).message, "Es liegt keine Ebene vor !");
    EXPECT_EQ(log.text(), "");
}

TEST(OutputCommands, ExtremeValuesNeverPrintInfinityOrNaN) {
    Scene scene;
    const Real huge = std::numeric_limits<Real>::max() / 4;
    scene.lineSupport[LineG] = V(huge, -huge, 1);
    scene.lineDirection[LineG] = V(huge, 1E-4000L, -huge);
    scene.planeCoeffs[PlaneE1] = {1E-4900L, huge, 1, huge};
    scene.planeSupport[PlaneE3] = V(huge, huge, huge);
    scene.planeSpanU[PlaneE3] = V(huge, 0, 1);
    scene.planeSpanV[PlaneE3] = V(0, huge, 1);
    PlainTextOutputLog log;
    outputLineCommand(scene, LineG, exact::buildExactScene(scene, {}), log);
    outputPlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log);
    outputPlaneCommand(scene, PlaneE3, exact::buildExactScene(scene, {}), log);
    expectNoNonFiniteText(log);
}
