// The incidence and point-test buttons.
#include <gtest/gtest.h>

#include "core/calc/CalcCommands.h"
#include "calc_test_support.h"

using Lines = std::vector<std::string>;

namespace {

Scene WithLine(int line, const Vector3& p, const Vector3& u) {
    Scene scene;
    scene.lineSupport[static_cast<std::size_t>(line)] = p;
    scene.lineDirection[static_cast<std::size_t>(line)] = u;
    return scene;
}

void SetLine(Scene& scene, int line, const Vector3& p, const Vector3& u) {
    scene.lineSupport[static_cast<std::size_t>(line)] = p;
    scene.lineDirection[static_cast<std::size_t>(line)] = u;
}

void SetParameterPlane(Scene& scene, int plane, const Vector3& p, const Vector3& u, const Vector3& v) {
    scene.planeSupport[static_cast<std::size_t>(plane)] = p;
    scene.planeSpanU[static_cast<std::size_t>(plane)] = u;
    scene.planeSpanV[static_cast<std::size_t>(plane)] = v;
    if (plane == PlaneE3) {
        scene.e3SpanCopyU = u;
        scene.e3SpanCopyV = v;
    }
}

}  // namespace

TEST(PointOnLine, OnTheLineGivesOneLineWithLambda) {
    Scene scene = WithLine(LineG, V(0, 0, 0), V(2, 0, 0));
    scene.points[PointS] = V(3, 0, 0);
    PlainTextOutputLog log;
    PointOnLineCommand(scene, LineG, log);
    EXPECT_EQ(log.Lines(), (Lines{"S liegt auf g mit λ = 1,5"}));
}

TEST(PointOnLine, OffTheLineGivesStatementExactDistanceAndFoot) {
    Scene scene = WithLine(LineH, V(0, 0, 0), V(1, 0, 0));
    scene.points[PointS] = V(1, 1, 1);
    PlainTextOutputLog log;
    PointOnLineCommand(scene, LineH, log);
    EXPECT_EQ(log.Lines(), (Lines{"S liegt nicht auf h", "Abstand d = √(2) = 1,414", "Lotfußpunkt F(1|0|0)  "}));
}

TEST(PointOnLine, NullDirectionIsReportedNotTested) {
    Scene scene = WithLine(LineG, V(1, 2, 3), V(0, 0, 0));
    scene.points[PointS] = V(1, 2, 3);
    PlainTextOutputLog log;
    PointOnLineCommand(scene, LineG, log);
    EXPECT_EQ(log.Lines(), (Lines{"g: Richtungsvektor darf nicht Nullvektor sein !"}));
}

TEST(PointInPlane, E1ParametersReferToE1sOwnParameterForm) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 0};  // z = 0
    // E3 spans a different plane: its vectors must play no part.
    SetParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 0, 1));
    scene.points[PointS] = V(3, 5, 0);
    PlainTextOutputLog log;
    PointInE1Command(scene, log);
    // Support PointOfPlane(z = 0) = (1|1|0), spanning vectors (0|1|0) and
    // (1|0|0) of E1's parameter form: S = (1|1|0) + 4·(0|1|0) + 2·(1|0|0).
    EXPECT_EQ(log.Lines(), (Lines{"S liegt auf E1 mit λ = 4   μ = 2"}));
}

TEST(PointInPlane, E1LambdaAndMuReproduceS) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {2, 3, -1, 5};
    SetParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));
    scene.points[PointS] = V(1, 1, 0);  // 2 + 3 - 0 = 5
    PlainTextOutputLog log;
    PointInE1Command(scene, log);
    ASSERT_EQ(log.Lines().size(), 1u);
    // PointOfPlane(2,3,-1,5) = (1|1|0) = S itself, so λ = μ = 0.
    EXPECT_EQ(log.Lines()[0], "S liegt auf E1 mit λ = 0   μ = 0");
}

TEST(PointInPlane, E1OffThePlaneGivesDistanceAndFoot) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 2};
    scene.points[PointS] = V(1, 2, 5);
    PlainTextOutputLog log;
    PointInE1Command(scene, log);
    EXPECT_EQ(log.Lines(), (Lines{"S liegt nicht auf E1", "Abstand d = √(9) = 3", "Lotfußpunkt F(1|2|2)  "}));
}

TEST(PointInPlane, E3UsesItsOwnSupportAndSpanningVectors) {
    Scene scene;
    SetParameterPlane(scene, PlaneE3, V(3, 2, 1), V(3, -2, 1), V(-3, 2, 1));
    scene.points[PointS] = V(3 + 6 + 3, 2 - 4 - 2, 1 + 2 - 1);  // p + 2u - v
    PlainTextOutputLog log;
    PointInE3Command(scene, log);
    EXPECT_EQ(log.Lines(), (Lines{"S liegt auf E3 mit λ = 2   μ = -1"}));
}

TEST(PointInPlane, InvalidPlanesAreReported) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 0, 1};
    SetParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 1, 1), V(2, 2, 2));
    PlainTextOutputLog log;
    PointInE1Command(scene, log);
    PointInE3Command(scene, log);
    EXPECT_EQ(log.Lines(), (Lines{"E1: Es liegt keine Ebene vor !", "E3: Es liegt keine Ebene vor !"}));
    ExpectNoNonFiniteText(log);
}

TEST(LineLine, AllFourCases) {
    Scene scene;
    SetLine(scene, LineG, V(0, 0, 0), V(0, 1, 0));
    PlainTextOutputLog log;

    SetLine(scene, LineH, V(0, 3, 0), V(0, -2, 0));
    LineLineCommand(scene, LineG, LineH, log);
    EXPECT_EQ(log.Lines(), (Lines{"g = h "}));

    log.ClearOutputLog();
    SetLine(scene, LineH, V(0, 0, 5), V(0, 2, 0));
    LineLineCommand(scene, LineG, LineH, log);
    // The distance, but no foot point.
    EXPECT_EQ(log.Lines(), (Lines{"       Ausgaben im Textformat", " ", "g || h ", "Abstand d = √(25) = 5"}));

    log.ClearOutputLog();
    SetLine(scene, LineH, V(0, 0, 5), V(0, 0, 1));
    LineLineCommand(scene, LineG, LineH, log);
    EXPECT_EQ(log.Lines(), (Lines{"       Ausgaben im Textformat", " ", "g ∩ h = S(0|0|0)  ",
                                  "Schnittwinkel α = 90°"}));
}

TEST(LineLine, SkewLinesPrintFiveLines) {
    Scene scene;
    SetLine(scene, LineG, V(0, 0, 0), V(1, 0, 0));
    SetLine(scene, LineG2, V(0, 1, 1), V(0, 1, 0));
    PlainTextOutputLog log;
    LineLineCommand(scene, LineG, LineG2, log);
    EXPECT_EQ(log.Lines(), (Lines{"g , g2  windschief ", "Abstand d = √(1) = 1", "Lotfußpunkte:", "P(0|0|0)  ",
                                  "Q(0|0|1)  "}));
}

TEST(LineLine, NullDirectionsAreReported) {
    Scene scene;
    SetLine(scene, LineG, V(0, 0, 0), V(0, 0, 0));
    SetLine(scene, LineH, V(0, 0, 0), V(0, 0, 0));
    PlainTextOutputLog log;
    LineLineCommand(scene, LineG, LineH, log);
    EXPECT_EQ(log.Lines(), (Lines{"g: Richtungsvektor darf nicht Nullvektor sein !",
                                  "h: Richtungsvektor darf nicht Nullvektor sein !"}));
}

TEST(PlanePlane, PerpendicularPlanesGiveLineEquationAndRightAngle) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {1, 0, 0, 0};
    scene.planeCoeffs[PlaneE2] = {0, 1, 0, 0};
    PlainTextOutputLog log;
    PlanePlaneCommand(scene, PlaneE1, PlaneE2, log);
    auto lines = log.Lines();
    ASSERT_EQ(lines.size(), 5u) << log.Text();
    EXPECT_EQ(lines[0], "E1 ∩ E2 = g mit:");
    std::array<std::string, 3> rows{lines[1], lines[2], lines[3]};
    ExpectColumnsAligned(rows);
    EXPECT_EQ(rows[1].rfind(" g: x = ", 0), 0u);
    auto vectors = ColumnVectors(rows);
    ASSERT_EQ(vectors.size(), 2u);
    EXPECT_EQ(vectors[0], (std::array<std::string, 3>{"0", "0", "0"}));
    EXPECT_EQ(vectors[1][0], "0");
    EXPECT_EQ(vectors[1][1], "0");
    EXPECT_TRUE(vectors[1][2] == "1" || vectors[1][2] == "-1");
    EXPECT_EQ(lines[4], "Schnittwinkel α = 90°");
}

TEST(PlanePlane, IdenticalAndParallelPlanes) {
    Scene scene;
    SetParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));   // z = 0
    SetParameterPlane(scene, PlaneE4, V(5, 5, 3), V(2, 0, 0), V(1, 1, 0));   // z = 3
    scene.planeCoeffs[PlaneE1] = {0, 0, 2, 0};                              // z = 0
    PlainTextOutputLog log;
    PlanePlaneCommand(scene, PlaneE3, PlaneE4, log);
    PlanePlaneCommand(scene, PlaneE1, PlaneE3, log);
    EXPECT_EQ(log.Lines(), (Lines{"E3 || E4 ", "Abstand d = √(9) = 3", "E1 = E3 "}));
}

TEST(LinePlane, IntersectingParallelAndContained) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 2};
    SetLine(scene, LineG, V(1, 0, 0), V(0, 0, 1));
    PlainTextOutputLog log;
    LinePlaneCommand(scene, PlaneE1, log);
    EXPECT_EQ(log.Lines(), (Lines{"E1 ∩ g = S(1|0|2)  ", "Schnittwinkel α = 90°"}));

    log.ClearOutputLog();
    SetLine(scene, LineG, V(1, 0, 5), V(1, 1, 0));
    LinePlaneCommand(scene, PlaneE1, log);
    EXPECT_EQ(log.Lines()[2], "g || E1 ");
    EXPECT_EQ(log.Lines()[3], "Abstand d = √(9) = 3");

    log.ClearOutputLog();
    SetLine(scene, LineG, V(1, 0, 2), V(1, 1, 0));
    LinePlaneCommand(scene, PlaneE1, log);
    EXPECT_EQ(log.Lines()[2], "g liegt auf E1 ");
}

TEST(LinePlane, E5FollowsTheCornersABC) {
    Scene scene;
    SetCorners(scene, V(1, 0, 0), V(0, 1, 0), V(0, 0, 1), V(0, 0, 0));  // x + y + z = 1
    SetLine(scene, LineG, V(0, 0, 0), V(1, 1, 1));
    PlainTextOutputLog log;
    LinePlaneCommand(scene, PlaneE5, log);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0], "E5 ∩ g = S(0,333|0,333|0,333)  ");
    EXPECT_EQ(log.Lines()[1], "Schnittwinkel α = 90°");
}

TEST(Incidences, TheyKeepTheCurrentColour) {
    Scene scene = WithLine(LineG, V(0, 0, 0), V(1, 0, 0));
    scene.points[PointS] = V(0, 0, 0);
    PlainTextOutputLog log;
    log.SetOutputColour(Colours::Green);
    PointOnLineCommand(scene, LineG, log);
    ASSERT_EQ(log.Runs().size(), 1u);
    EXPECT_EQ(log.Runs()[0].colour, Colours::Green);
    EXPECT_EQ(log.Lines()[0], "S liegt auf g mit λ = 0");
}
