// The incidence and point-test buttons.
#include <gtest/gtest.h>

#include "core/calc/CalcCommands.h"
#include "calc_test_support.h"
#include "core/model/SceneInput.h"
#include "core/model/SceneOpening.h"

using Lines = std::vector<std::string>;

namespace {

Scene withLine(int line, const Vector3& p, const Vector3& u) {
    Scene scene;
    scene.lineSupport[static_cast<std::size_t>(line)] = p;
    scene.lineDirection[static_cast<std::size_t>(line)] = u;
    return scene;
}

void setLine(Scene& scene, int line, const Vector3& p, const Vector3& u) {
    scene.lineSupport[static_cast<std::size_t>(line)] = p;
    scene.lineDirection[static_cast<std::size_t>(line)] = u;
}

void setParameterPlane(Scene& scene, int plane, const Vector3& p, const Vector3& u, const Vector3& v) {
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
    Scene scene = withLine(LineG, V(0, 0, 0), V(2, 0, 0));
    scene.points[PointS] = V(3, 0, 0);
    PlainTextOutputLog log;
    pointOnLineCommand(scene, LineG, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"S liegt auf g mit λ = 1,5"}));
}

TEST(PointOnLine, OffTheLineGivesStatementExactDistanceAndFoot) {
    Scene scene = withLine(LineH, V(0, 0, 0), V(1, 0, 0));
    scene.points[PointS] = V(1, 1, 1);
    PlainTextOutputLog log;
    pointOnLineCommand(scene, LineH, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"S liegt nicht auf h", "Abstand d = √(2) = 1,414", "Lotfußpunkt F(1|0|0)  "}));
}

TEST(PointOnLine, NullDirectionIsReportedNotTested) {
    Scene scene = withLine(LineG, V(1, 2, 3), V(0, 0, 0));
    scene.points[PointS] = V(1, 2, 3);
    PlainTextOutputLog log;
    pointOnLineCommand(scene, LineG, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"g: Richtungsvektor darf nicht Nullvektor sein !"}));
}

TEST(PointInPlane, E1ParametersReferToE1sOwnParameterForm) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 0};  // z = 0
    // E3 spans a different plane: its vectors must play no part.
    setParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 0, 1));
    scene.points[PointS] = V(3, 5, 0);
    PlainTextOutputLog log;
    pointInE1Command(scene, exact::buildExactScene(scene, {}), log);
    // Support pointOfPlane(z = 0) = (1|1|0), spanning vectors (0|1|0) and
    // (1|0|0) of E1's parameter form: S = (1|1|0) + 4·(0|1|0) + 2·(1|0|0).
    EXPECT_EQ(log.lines(), (Lines{"S liegt auf E1 mit λ = 4   μ = 2"}));
}

TEST(PointInPlane, E1LambdaAndMuReproduceS) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {2, 3, -1, 5};
    setParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));
    scene.points[PointS] = V(1, 1, 0);  // 2 + 3 - 0 = 5
    PlainTextOutputLog log;
    pointInE1Command(scene, exact::buildExactScene(scene, {}), log);
    ASSERT_EQ(log.lines().size(), 1u);
    // pointOfPlane(2,3,-1,5) = (1|1|0) = S itself, so λ = μ = 0.
    EXPECT_EQ(log.lines()[0], "S liegt auf E1 mit λ = 0   μ = 0");
}

TEST(PointInPlane, E1OffThePlaneGivesDistanceAndFoot) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 2};
    scene.points[PointS] = V(1, 2, 5);
    PlainTextOutputLog log;
    pointInE1Command(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"S liegt nicht auf E1", "Abstand d = √(9) = 3", "Lotfußpunkt F(1|2|2)  "}));
}

TEST(PointInPlane, E3UsesItsOwnSupportAndSpanningVectors) {
    Scene scene;
    setParameterPlane(scene, PlaneE3, V(3, 2, 1), V(3, -2, 1), V(-3, 2, 1));
    scene.points[PointS] = V(3 + 6 + 3, 2 - 4 - 2, 1 + 2 - 1);  // p + 2u - v
    PlainTextOutputLog log;
    pointInE3Command(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"S liegt auf E3 mit λ = 2   μ = -1"}));
}

TEST(PointInPlane, InvalidPlanesAreReported) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 0, 1};
    setParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 1, 1), V(2, 2, 2));
    PlainTextOutputLog log;
    pointInE1Command(scene, exact::buildExactScene(scene, {}), log);
    pointInE3Command(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"E1: Es liegt keine Ebene vor !", "E3: Es liegt keine Ebene vor !"}));
    expectNoNonFiniteText(log);
}

TEST(LineLine, AllFourCases) {
    Scene scene;
    setLine(scene, LineG, V(0, 0, 0), V(0, 1, 0));
    PlainTextOutputLog log;

    setLine(scene, LineH, V(0, 3, 0), V(0, -2, 0));
    lineLineCommand(scene, LineG, LineH, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"g = h "}));

    log.clearOutputLog();
    setLine(scene, LineH, V(0, 0, 5), V(0, 2, 0));
    lineLineCommand(scene, LineG, LineH, exact::buildExactScene(scene, {}), log);
    // The distance, but no foot point.
    EXPECT_EQ(log.lines(), (Lines{"       Ausgaben im Textformat", " ", "g || h ", "Abstand d = √(25) = 5"}));

    log.clearOutputLog();
    setLine(scene, LineH, V(0, 0, 5), V(0, 0, 1));
    lineLineCommand(scene, LineG, LineH, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"       Ausgaben im Textformat", " ", "g ∩ h = S(0|0|0)  ",
                                  "Schnittwinkel α = 90°"}));
}

TEST(LineLine, SkewLinesPrintFiveLines) {
    Scene scene;
    setLine(scene, LineG, V(0, 0, 0), V(1, 0, 0));
    setLine(scene, LineG2, V(0, 1, 1), V(0, 1, 0));
    PlainTextOutputLog log;
    lineLineCommand(scene, LineG, LineG2, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"g , g2  windschief ", "Abstand d = √(1) = 1", "Lotfußpunkte:", "P(0|0|0)  ",
                                  "Q(0|0|1)  "}));
}

TEST(LineLine, NullDirectionsAreReported) {
    Scene scene;
    setLine(scene, LineG, V(0, 0, 0), V(0, 0, 0));
    setLine(scene, LineH, V(0, 0, 0), V(0, 0, 0));
    PlainTextOutputLog log;
    lineLineCommand(scene, LineG, LineH, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"g: Richtungsvektor darf nicht Nullvektor sein !",
                                  "h: Richtungsvektor darf nicht Nullvektor sein !"}));
}

TEST(PlanePlane, PerpendicularPlanesGiveLineEquationAndRightAngle) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {1, 0, 0, 0};
    scene.planeCoeffs[PlaneE2] = {0, 1, 0, 0};
    PlainTextOutputLog log;
    planePlaneCommand(scene, PlaneE1, PlaneE2, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 5u) << log.text();
    EXPECT_EQ(lines[0], "E1 ∩ E2 = g mit:");
    std::array<std::string, 3> rows{lines[1], lines[2], lines[3]};
    expectColumnsAligned(rows);
    EXPECT_EQ(rows[1].rfind(" g: x = ", 0), 0u);
    auto vectors = columnVectors(rows);
    ASSERT_EQ(vectors.size(), 2u);
    EXPECT_EQ(vectors[0], (std::array<std::string, 3>{"0", "0", "0"}));
    EXPECT_EQ(vectors[1][0], "0");
    EXPECT_EQ(vectors[1][1], "0");
    EXPECT_TRUE(vectors[1][2] == "1" || vectors[1][2] == "-1");
    EXPECT_EQ(lines[4], "Schnittwinkel α = 90°");
}

TEST(PlanePlane, IdenticalAndParallelPlanes) {
    Scene scene;
    setParameterPlane(scene, PlaneE3, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));   // z = 0
    setParameterPlane(scene, PlaneE4, V(5, 5, 3), V(2, 0, 0), V(1, 1, 0));   // z = 3
    scene.planeCoeffs[PlaneE1] = {0, 0, 2, 0};                              // z = 0
    PlainTextOutputLog log;
    planePlaneCommand(scene, PlaneE3, PlaneE4, exact::buildExactScene(scene, {}), log);
    planePlaneCommand(scene, PlaneE1, PlaneE3, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"E3 || E4 ", "Abstand d = √(9) = 3", "E1 = E3 "}));
}

TEST(LinePlane, IntersectingParallelAndContained) {
    Scene scene;
    scene.planeCoeffs[PlaneE1] = {0, 0, 1, 2};
    setLine(scene, LineG, V(1, 0, 0), V(0, 0, 1));
    PlainTextOutputLog log;
    linePlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"E1 ∩ g = S(1|0|2)  ", "Schnittwinkel α = 90°"}));

    log.clearOutputLog();
    setLine(scene, LineG, V(1, 0, 5), V(1, 1, 0));
    linePlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines()[2], "g || E1 ");
    EXPECT_EQ(log.lines()[3], "Abstand d = √(9) = 3");

    log.clearOutputLog();
    setLine(scene, LineG, V(1, 0, 2), V(1, 1, 0));
    linePlaneCommand(scene, PlaneE1, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines()[2], "g liegt auf E1 ");
}

TEST(LinePlane, E5FollowsTheCornersABC) {
    Scene scene;
    setCorners(scene, V(1, 0, 0), V(0, 1, 0), V(0, 0, 1), V(0, 0, 0));  // x + y + z = 1
    setLine(scene, LineG, V(0, 0, 0), V(1, 1, 1));
    PlainTextOutputLog log;
    linePlaneCommand(scene, PlaneE5, exact::buildExactScene(scene, {}), log);
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[0], "E5 ∩ g = S(0,333|0,333|0,333)  ");
    EXPECT_EQ(log.lines()[1], "Schnittwinkel α = 90°");
}

TEST(Incidences, TheyKeepTheCurrentColour) {
    Scene scene = withLine(LineG, V(0, 0, 0), V(1, 0, 0));
    scene.points[PointS] = V(0, 0, 0);
    PlainTextOutputLog log;
    log.setOutputColour(Colours::Green);
    pointOnLineCommand(scene, LineG, exact::buildExactScene(scene, {}), log);
    ASSERT_EQ(log.runs().size(), 1u);
    EXPECT_EQ(log.runs()[0].colour, Colours::Green);
    EXPECT_EQ(log.lines()[0], "S liegt auf g mit λ = 0");
}

namespace {

// A button's result block on the start-up scene with some fields typed.
using Typed = std::vector<std::pair<const char*, const char*>>;

Lines resultOf(const std::string& button, const Typed& typed) {
    SceneState input = startUpInput();
    for (const auto& [name, text] : typed) input.texts[name] = text;
    Scene scene = readScene(input, Scene()).scene;
    PlainTextOutputLog log;
    for (const CalculationButton& b : calculationButtons())
        if (button == b.objectName) b.run(scene, exact::buildExactScene(scene, input.texts), log);
    return log.lines();
}

}  // namespace

// Inputs where extended floats decided wrongly: a typed 0,1 is no binary
// number, and an absolute 1E-12 is no measure for tiny or huge components.
TEST(ExactVerdicts, DecideWhatRoundingDecidedWrongly) {
    const Typed sOnE1 = {
        {"Edit_a1", "1"}, {"Edit_b1", "2"}, {"Edit_c1", "3"}, {"Edit_d1", "1,4"},
        {"Edit_Punkt7_x", "0,1"}, {"Edit_Punkt7_y", "0,2"}, {"Edit_Punkt7_z", "0,3"}};
    EXPECT_EQ(resultOf("SpeedButton_S_mit_E1", sOnE1), (Lines{"S liegt auf E1 mit λ = 0,833   μ = -0,8"}));

    // E5 through A, B, C; g through A in E5, then beside it.
    Typed e5 = {
        {"Edit_Punkt1_x", "-3"}, {"Edit_Punkt1_y", "2"},  {"Edit_Punkt1_z", "3"},
        {"Edit_Punkt2_x", "2"},  {"Edit_Punkt2_y", "0"},  {"Edit_Punkt2_z", "-10/3"},
        {"Edit_Punkt3_x", "4"},  {"Edit_Punkt3_y", "2"},  {"Edit_Punkt3_z", "-4"},
        {"Edit_ugx", "-3"},      {"Edit_ugy", "2"},       {"Edit_ugz", "3"},
        {"Edit_vgx", "3"},       {"Edit_vgy", "-4"},      {"Edit_vgz", "-17/3"}};
    EXPECT_EQ(resultOf("SpeedButton_E5_mit_g", e5), (Lines{"g liegt auf E5 "}));
    e5[11].second = "4";  // one up from A
    EXPECT_EQ(resultOf("SpeedButton_E5_mit_g", e5), (Lines{"g || E5 ", "Abstand d = √(9/22) = 0,64"}));

    // AD = 2·AB - AC in sevenths: coplanar, and ABCD is a plane.
    const Typed sevenths = {
        {"Edit_Punkt1_x", "0"},   {"Edit_Punkt1_y", "0"},   {"Edit_Punkt1_z", "0"},
        {"Edit_Punkt2_x", "1/7"}, {"Edit_Punkt2_y", "2/7"}, {"Edit_Punkt2_z", "3/7"},
        {"Edit_Punkt3_x", "2/7"}, {"Edit_Punkt3_y", "1/7"}, {"Edit_Punkt3_z", "5/7"},
        {"Edit_Punkt4_x", "0"},   {"Edit_Punkt4_y", "3/7"}, {"Edit_Punkt4_z", "1/7"}};
    EXPECT_EQ(resultOf("SpeedButton_komplanarOAOBOC", sevenths),
              (Lines{" ", "AB,AC,AD sind komplanar:", "Gleichung: AD = 2·AB - 1·AC"}));
    for (const char* body : {"SpeedButton_Vierecksflaeche", "SpeedButton_PrismavolumenABCD", "SpeedButton_Pyramidenvolumen2"})
        EXPECT_EQ(resultOf(body, sevenths).front().find("keine Ebene"), std::string::npos) << body;

    // Components below 1E-12: h meets g far out, and S is beside g.
    const Typed tiny = {
        {"Edit_ugx", "0"}, {"Edit_ugy", "0"},     {"Edit_ugz", "0"}, {"Edit_vgx", "1"}, {"Edit_vgy", "0"},
        {"Edit_vgz", "0"}, {"Edit_uhx", "0"},     {"Edit_uhy", "1"}, {"Edit_uhz", "0"}, {"Edit_vhx", "1"},
        {"Edit_vhy", "1E-20"}, {"Edit_vhz", "0"}, {"Edit_Punkt7_x", "5"}, {"Edit_Punkt7_y", "1E-13"},
        {"Edit_Punkt7_z", "0"}};
    EXPECT_EQ(resultOf("SpeedButton_g_mit_h", tiny).front(), "g ∩ h = S(-1E20|0|0)  ");
    EXPECT_EQ(resultOf("SpeedButton_S_mit_g", tiny),
              (Lines{"S liegt nicht auf g", "Abstand d = √(1E-26) = 1E-13", "Lotfußpunkt F(5|0|0)  "}));
}
