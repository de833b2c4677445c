// The measure buttons: angle, products, triangle, quadrilateral, volumes and
// the coplanarity of AB, AC, AD.
#include <gtest/gtest.h>

#include "core/calc/CalcCommands.h"
#include "calc_test_support.h"

using Lines = std::vector<std::string>;

namespace {

Scene withAB(const Vector3& A, const Vector3& B) {
    Scene scene;
    setCorners(scene, A, B, V(0, 0, 7), V(1, 1, 1));
    return scene;
}

// The Innenwinkel line without its trailing blanks.
std::string anglesLine(const PlainTextOutputLog& log) {
    auto lines = linesContaining(log, "Innenwinkel:");
    EXPECT_EQ(lines.size(), 1u) << log.text();
    return lines.empty() ? "" : trimmed(lines[0]);
}

}  // namespace

TEST(AngleAOB, RightAngleAndScalarProductZero) {
    Scene scene = withAB(V(1, 0, 0), V(0, 1, 0));
    PlainTextOutputLog log;
    log.setOutputColour(Colours::Red);
    angleAOBCommand(scene, exact::buildExactScene(scene, {}), log);
    scalarProductCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], "∠(OA;OB) = 90°");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(trimmed(lines[4]), "OA * OB = 0");
    // The arrows stand over the O of OA and of OB.
    EXPECT_EQ(columnOf(lines[3], "→"), columnOf(lines[4], "OA"));
    EXPECT_EQ(columnsOf(lines[3], "→").back(), columnOf(lines[4], "OB"));
    for (const auto& run : log.runs()) EXPECT_EQ(run.colour, Colours::Blue);
}

TEST(AngleAOB, TwoDecimals) {
    Scene scene = withAB(V(1, 1, 1), V(1, 0, 0));
    PlainTextOutputLog log;
    angleAOBCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines()[1], "∠(OA;OB) = 54,74°");
}

void runAngle(const Scene& scene, OutputLog& log) { angleAOBCommand(scene, exact::buildExactScene(scene, {}), log); }

TEST(AngleAOB, CornerAtTheOriginGivesASentence) {
    PlainTextOutputLog log;
    runAngle(withAB(V(0, 0, 0), V(0, 1, 0)), log);
    runAngle(withAB(V(1, 0, 0), V(0, 0, 0)), log);
    runAngle(withAB(V(0, 0, 0), V(0, 0, 0)), log);
    EXPECT_EQ(log.lines(), (Lines{" ", "∠(OA;OB) nicht definiert, da A im Ursprung liegt !", " ",
                                  "∠(OA;OB) nicht definiert, da B im Ursprung liegt !", " ",
                                  "∠(OA;OB) nicht definiert, da A und B im Ursprung liegen !"}));
    expectNoNonFiniteText(log);
}

TEST(AngleAOB, HugeCoordinatesNeverGiveNaN) {
    PlainTextOutputLog log;
    runAngle(withAB(V(1E3000L, 0, 0), V(0, 1E3000L, 0)), log);
    expectNoNonFiniteText(log);
    const std::string line = log.lines().at(1);
    EXPECT_TRUE(line == "∠(OA;OB) = 90°" ||
                line == "∠(OA;OB) nicht berechenbar: Koordinaten außerhalb des Rechenbereichs !")
        << line;
}

TEST(VectorProduct, ColumnOfTheCrossProduct) {
    Scene scene = withAB(V(1, 0, 0), V(0, 1, 0));
    PlainTextOutputLog log;
    vectorProductCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 4u);
    std::array<std::string, 3> rows{lines[1], lines[2], lines[3]};
    expectColumnsAligned(rows);
    EXPECT_EQ(rows[1].rfind("OA × OB = ", 0), 0u);
    auto vectors = columnVectors(rows);
    ASSERT_EQ(vectors.size(), 1u);
    EXPECT_EQ(vectors[0], (std::array<std::string, 3>{"0", "0", "1"}));
}

TEST(Triangle, RightTriangle) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(4, 0, 0), V(0, 3, 0), V(0, 0, 0));
    PlainTextOutputLog log;
    triangleCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 8u) << log.text();
    EXPECT_EQ(lines[0], "A_Dreieck_ABC = 6");
    EXPECT_EQ(lines[1], "Seitenlängen:  a=5  b=3  c=4");
    EXPECT_EQ(lines[2], "Schwerpunkt:  S(1,333/1/0)");
    EXPECT_EQ(lines[3], "Höhenfußpunkte:");
    EXPECT_EQ(lines[4], "Ha(1,44/1,92/0)");
    EXPECT_EQ(lines[5], "Hb(0/0/0)");
    EXPECT_EQ(lines[6], "Hc(0/0/0)");
    EXPECT_EQ(trimmed(lines[7]), "Innenwinkel:  α=90°  β=36,87°  γ=53,13°");
}

TEST(Triangle, CoincidentCornersGiveSentencesNotNaN) {
    Scene scene;
    setCorners(scene, V(1, 1, 1), V(1, 1, 1), V(0, 3, 0), V(0, 0, 0));
    PlainTextOutputLog log;
    triangleCommand(scene, exact::buildExactScene(scene, {}), log);
    expectNoNonFiniteText(log);
    EXPECT_EQ(linesContaining(log, "Hc nicht definiert, da A und B zusammenfallen !").size(), 1u) << log.text();
    EXPECT_EQ(anglesLine(log), "Innenwinkel:  α=nicht definiert  β=nicht definiert  γ=0°");
    EXPECT_EQ(log.lines().back(), "Winkel nicht definiert, da zwei Eckpunkte zusammenfallen !");
    EXPECT_EQ(log.lines()[0], "A_Dreieck_ABC = 0");
}

TEST(Quadrilateral, SquareHasItsCentreAsDiagonalIntersection) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 0));
    scene.vectorAD.x = scene.vectorAD.y = scene.vectorAD.z = 9;  // stale: computed again
    PlainTextOutputLog log;
    quadrilateralCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines()[0], "A_Viereck_ABCD = 4");
    EXPECT_EQ(log.lines()[1], "Seitenlängen:  AB=2  BC=2  CD=2  AD=2");
    EXPECT_EQ(log.lines()[2], "Diagonalenschnittpunkt:  S(1/1/0)");
    EXPECT_EQ(anglesLine(log), "Innenwinkel:  α=90°  β=90°  γ=90°  δ=90°");
    EXPECT_EQ(scene.vectorAD.x, 0);
    EXPECT_EQ(scene.vectorAD.y, 2);
    EXPECT_EQ(scene.vectorAD.z, 0);
    EXPECT_EQ(scene.vectorAD.name, "AD");
}

TEST(Quadrilateral, NonPlanarStillGivesSidesAndAngles) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 1));
    PlainTextOutputLog log;
    quadrilateralCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "A_ABCD nicht berechenbar, da ABCD keine Ebene !");
    EXPECT_EQ(lines[1], "Seitenlängen:  AB=2  BC=2  CD=2,236  AD=2,236");
    EXPECT_EQ(lines[2], "Diagonalenschnittpunkt:  S nicht vorhanden, da ABCD keine Ebene !");
    EXPECT_EQ(anglesLine(log), "Innenwinkel:  α=90°  β=90°  γ=90°  δ=78,46°");
}

// D inside the triangle ABC: the angle at D is over 180°, the triangle ACD
// is taken from ABC (16/2 - 8/2 = 4), the diagonals do not meet and the
// bodies over ABCD stand on that area (height 3 whatever S's place above the
// plane). The bow tie whose sides AB and CD cross has no area and no volume.
TEST(Quadrilateral, CornerOver180DegreesAndCrossingSides) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(4, 0, 0), V(4, 4, 0), V(3, 1, 0));
    scene.points[PointS] = V(7, -2, 3);
    PlainTextOutputLog log;
    quadrilateralCommand(scene, exact::buildExactScene(scene, {}), log);
    prismABCDCommand(scene, exact::buildExactScene(scene, {}), log);
    pyramidABCDSCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 8u) << log.text();
    EXPECT_EQ(lines[0], "A_Viereck_ABCD = 4");
    EXPECT_EQ(lines[1], "Seitenlängen:  AB=4  BC=4  CD=3,162  AD=3,162");
    EXPECT_EQ(lines[2], "Diagonalenschnittpunkt:  S(2/2/0)");
    EXPECT_EQ(lines[3], "S liegt außerhalb von ABCD, da der Innenwinkel bei D überstumpf ist !");
    EXPECT_EQ(anglesLine(log), "Innenwinkel:  α=18,43°  β=90°  γ=18,43°  δ=233,13°");
    EXPECT_EQ(lines[5], "V_Prisma_ABCD_AS = 12");
    EXPECT_EQ(lines[6], "V_Pyr_ABCDS = 4");
    EXPECT_EQ(lines[7], "Höhenfußpunkt:  F(7/-2/0)");

    log.clearOutputLog();
    setCorners(scene, V(0, 0, 0), V(2, 2, 0), V(2, 0, 0), V(0, 2, 0));
    quadrilateralCommand(scene, exact::buildExactScene(scene, {}), log);
    prismABCDCommand(scene, exact::buildExactScene(scene, {}), log);
    pyramidABCDSCommand(scene, exact::buildExactScene(scene, {}), log);
    lines = log.lines();
    ASSERT_EQ(lines.size(), 9u) << log.text();
    EXPECT_EQ(lines[2], "A_ABCD nicht berechenbar, da sich die Seiten von ABCD überschneiden !");
    EXPECT_EQ(lines[3], "Seitenlängen:  AB=2,828  BC=2  CD=2,828  AD=2");
    EXPECT_EQ(lines[4], "Diagonalenschnittpunkt:  S nicht vorhanden, da ABCD sich überschneidet !");
    // Each angle is one of the two triangles the crossing cuts off.
    EXPECT_EQ(anglesLine(log), "Innenwinkel:  α=45°  β=45°  γ=45°  δ=45°");
    EXPECT_EQ(lines[6], "V_Prisma_ABCD_AS nicht berechenbar, da sich die Seiten von ABCD überschneiden !");
    EXPECT_EQ(lines[7], "V_Pyr_ABCDS nicht berechenbar, da sich die Seiten von ABCD überschneiden !");
    EXPECT_EQ(lines[8], "Höhenfußpunkt:  F(7/-2/0)");
}

TEST(Volumes, UnitCornerAndSquareBase) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0), V(1, 1, 0));
    scene.points[PointS] = V(0, 0, 1);
    PlainTextOutputLog log;
    prismABCCommand(scene, exact::buildExactScene(scene, {}), log);
    pyramidABCSCommand(scene, exact::buildExactScene(scene, {}), log);
    spatCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"V_Prisma_ABC_AS = 0,5", "V_Pyr_ABCS = 0,167", "Höhenfußpunkt:  F(0/0/0)",
                                  "V_Spat_AB_AC_AS = 1"}));

    // A proper square ABCD with apex S above its corner A.
    log.clearOutputLog();
    setCorners(scene, V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 0));
    scene.points[PointS] = V(0, 0, 3);
    prismABCDCommand(scene, exact::buildExactScene(scene, {}), log);
    pyramidABCDSCommand(scene, exact::buildExactScene(scene, {}), log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "V_Prisma_ABCD_AS = 12");
    EXPECT_EQ(lines[3], "V_Pyr_ABCDS = 4");
    EXPECT_EQ(lines[4], "Höhenfußpunkt:  F(0/0/0)");
}

TEST(Volumes, NonPlanarBaseAndCollinearCorners) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0), V(1, 1, 1));
    scene.points[PointS] = V(0, 0, 1);
    PlainTextOutputLog log;
    prismABCDCommand(scene, exact::buildExactScene(scene, {}), log);
    pyramidABCDSCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{"ABCD ist keine Ebene !", "ABCD ist keine Ebene !"}));

    log.clearOutputLog();
    setCorners(scene, V(0, 0, 0), V(1, 1, 1), V(2, 2, 2), V(0, 0, 0));
    pyramidABCSCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines()[2], "V_Pyr_ABCS = 0");
    EXPECT_EQ(log.lines()[3], "Höhenfußpunkt:  nicht definiert, da A, B und C auf einer Geraden liegen !");
}

TEST(Coplanarity, FractionAndNegativeCoefficient) {
    Scene scene;
    // AB = (2|0|0), AC = (0|1|0), AD = 1/2·AB - 3·AC = (1|-3|0).
    setCorners(scene, V(1, 1, 1), V(3, 1, 1), V(1, 2, 1), V(2, -2, 1));
    PlainTextOutputLog log;
    CommandOutcome outcome = coplanarityCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{" ", "AB,AC,AD sind komplanar:", "Gleichung: AD = 1/2·AB - 3·AC"}));
    EXPECT_TRUE(outcome.labelsChanged);
    EXPECT_EQ(outcome.labelR, "r=1/2");
    EXPECT_EQ(outcome.labelT, "t=-3");
    EXPECT_TRUE(scene.coplanarValid);
    EXPECT_EQ(scene.coplanarR, 0.5L);
    EXPECT_EQ(scene.coplanarT, -3);
}

TEST(Coplanarity, ZeroCoefficientKeepsItsPlusSign) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(1, 2, 0), V(0, 1, 5), V(2, 4, 0));
    PlainTextOutputLog log;
    CommandOutcome outcome = coplanarityCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines().back(), "Gleichung: AD = 2·AB + 0·AC");
    EXPECT_EQ(outcome.labelR, "r=2");
    EXPECT_EQ(outcome.labelT, "t=0");
    EXPECT_EQ(scene.coplanarR, 2);
    EXPECT_EQ(scene.coplanarT, 0);
}

TEST(Coplanarity, SmallNegativeFractionKeepsItsMinusSign) {
    Scene scene;
    // AD = AB - 1/2500·AC: t rounds to 0 at three decimals, but its fraction
    // text does not, so the sign must stay.
    setCorners(scene, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0), V(1, -0.0004L, 0));
    PlainTextOutputLog log;
    CommandOutcome outcome = coplanarityCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines().back(), "Gleichung: AD = 1·AB - 1/2500·AC");
    EXPECT_EQ(outcome.labelT, "t=-1/2500");
    EXPECT_LT(scene.coplanarT, 0);
}

TEST(Coplanarity, ParallelABAndACCannotBeSolved) {
    Scene scene;
    scene.coplanarValid = true;
    // AB = (0,1|0,3|0), AC = 3·AB: the elimination leaves rounding residue.
    setCorners(scene, V(0, 0, 0), V(0.1L, 0.3L, 0), V(0.3L, 0.9L, 0), V(1, 0, 0));
    PlainTextOutputLog log;
    CommandOutcome outcome = coplanarityCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{" ", "AB,AC,AD sind komplanar:", "Gleichung: AD = r·AB +t·AC  nicht lösbar",
                                  "AB und AC parallel !"}));
    EXPECT_FALSE(scene.coplanarValid);
    EXPECT_EQ(outcome.labelR, "r=");
    EXPECT_EQ(outcome.labelT, "t=");
}

TEST(Coplanarity, NotCoplanarLeavesFieldsAndLabels) {
    Scene scene;
    scene.coplanarR = 7;
    scene.coplanarT = 8;
    scene.coplanarValid = true;
    setCorners(scene, V(0, 0, 0), V(1, 0, 0), V(0, 1, 0), V(0, 0, 1));
    PlainTextOutputLog log;
    CommandOutcome outcome = coplanarityCommand(scene, exact::buildExactScene(scene, {}), log);
    EXPECT_EQ(log.lines(), (Lines{" ", "AB,AC,AD sind nicht komplanar !"}));
    EXPECT_FALSE(outcome.labelsChanged);
    EXPECT_EQ(scene.coplanarR, 7);
    EXPECT_EQ(scene.coplanarT, 8);
    EXPECT_TRUE(scene.coplanarValid);
}

TEST(Measures, DegenerateCornersNeverPrintNonFiniteText) {
    Scene scene;
    setCorners(scene, V(0, 0, 0), V(0, 0, 0), V(0, 0, 0), V(0, 0, 0));
    scene.points[PointS] = V(0, 0, 0);
    PlainTextOutputLog log;
    for (const auto& button : calculationButtons()) {
        if (std::string(button.objectName) == "SpeedButton_ClearRichEdit") continue;
        button.run(scene, exact::buildExactScene(scene, {}), log);
    }
    expectNoNonFiniteText(log);
}
