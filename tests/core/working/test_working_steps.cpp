// The shared steps of the working as they appear in the output area:
// typeset vector equations, determinants, the test u = k·v, linear systems
// and angles.
#include <gtest/gtest.h>

#include <cmath>

#include "core/output/OutputLog.h"
#include "core/geometry/LinesPlanes.h"
#include "core/working/WorkingSteps.h"

using namespace working;

namespace {

Number Q(long p, long q = 1) { return Number::exact(mpq_class(p, q)); }
Vec V(long x, long y, long z) { return makeVec(Q(x), Q(y), Q(z)); }

// The lines the sheet wrote after its title.
std::vector<std::string> body(const PlainTextOutputLog& log) {
    std::vector<std::string> lines = log.lines();
    lines.erase(lines.begin());
    return lines;
}

TEST(WorkingSheet, WritesInItsOwnColourAndGivesTheLogsColourBack) {
    PlainTextOutputLog log;
    log.setOutputColour(Colours::Blue);
    {
        Sheet sheet(log, "Test");
        sheet.line("Zeile");
    }
    EXPECT_EQ(log.outputColour(), Colours::Blue);
    log.appendLine("Ergebnis");
    ASSERT_EQ(log.runs().size(), 2u);
    EXPECT_EQ(log.runs()[0].colour, kWorkingColour);
    EXPECT_EQ(log.runs()[0].text, "Rechenweg: Test\nZeile\n");
    EXPECT_EQ(log.runs()[1].colour, Colours::Blue);
}

TEST(WorkingSheet, VectorEquationsAsColumnsOrOnOneLineWhenTooWide) {
    PlainTextOutputLog log;
    {
        Sheet sheet(log, "Test");
        sheet.vectorEquation({V(6, 8, 8), " = ", V(3, 3, 4), " + λ·", V(-4, 5, 0)});
        const Vec wide = makeVec(Q(12345678, 9876541), Q(-1), Q(1, 3));
        sheet.vectorEquation({wide, " = ", wide, " + λ·", wide});
        sheet.determinant("det", V(4, 0, 0), V(0, 6, 0), V(-2, -4, 8));
    }
    const std::vector<std::string> expected = {
        "⎧6⎫   ⎧3⎫     ⎧-4⎫ ",
        "⎪8⎟ = ⎪3⎟ + λ·⎪ 5⎟ ",
        "⎩8⎭   ⎩4⎭     ⎩ 0⎭ ",
        "(12345678/9876541|-1|1/3) = (12345678/9876541|-1|1/3)",
        "    + λ·(12345678/9876541|-1|1/3)",
        "      | 4  0 0|",
        "det = | 0  6 0|",
        "      |-2 -4 8|",
    };
    EXPECT_EQ(body(log), expected);
}

TEST(WorkingSteps, SystemsOfThreeEquationsInTwoUnknowns) {
    PlainTextOutputLog log;
    SystemSolution contradiction, solved, irregular;
    {
        Sheet sheet(log, "Test");
        // x and y are dependent: x and z are solved, y is the check.
        contradiction = writeSolveSystem(
            sheet, {{{"x", Q(3), Q(-3), Q(3)}, {"y", Q(-2), Q(2), Q(6)}, {"z", Q(1), Q(1), Q(7)}}}, "λ", "μ");
        // x holds μ alone.
        solved = writeSolveSystem(
            sheet, {{{"x", Q(0), Q(2), Q(4)}, {"y", Q(1), Q(1), Q(5)}, {"z", Q(2), Q(0), Q(6)}}}, "λ", "μ");
        irregular = writeSolveSystem(
            sheet, {{{"x", Q(1), Q(2), Q(1)}, {"y", Q(2), Q(4), Q(1)}, {"z", Q(3), Q(6), Q(1)}}}, "λ", "μ");
    }
    const std::vector<std::string> expected = {
        "x- und z-Gleichung lösen:",
        "(x) - 3·(z): -6μ = -18  ⇒  μ = 3",
        "μ = 3 in x: 3λ - 9 = 3  ⇒  λ = 4",
        "Probe y: -2·4 + 2·3 = -2 ≠ 6  Widerspruch",
        "x- und y-Gleichung lösen:",
        "x: 2μ = 4  ⇒  μ = 2",
        "μ = 2 in y: λ + 2 = 5  ⇒  λ = 3",
        "Probe z: 2·3 + 0·2 = 6  erfüllt",
    };
    EXPECT_EQ(body(log), expected);
    EXPECT_TRUE(contradiction.regular);
    EXPECT_FALSE(contradiction.consistent);
    EXPECT_EQ(contradiction.contradiction, 1);
    EXPECT_TRUE(solved.consistent);
    EXPECT_EQ(toText(solved.x), "3");
    EXPECT_EQ(toText(solved.y), "2");
    EXPECT_FALSE(irregular.regular);
    // An equation is rearranged only when that changes it.
    EXPECT_EQ(rearrangedText({"x", Q(2), Q(-1), Q(-1)}, "1 + 2λ = μ", "λ", "μ"), "x: 1 + 2λ = μ  ⇔  2λ - μ = -1");
    EXPECT_EQ(rearrangedText({"x", Q(-1), Q(0), Q(5)}, "-λ = 5", "λ", "μ"), "x: -λ = 5");
}

TEST(WorkingSteps, MultipleTestCrossProductAndAngle) {
    PlainTextOutputLog log;
    std::optional<Number> k, none;
    Vec cross;
    Real degrees = 0;
    {
        Sheet sheet(log, "Test");
        k = writeMultipleTest(sheet, "u", V(2, -4, 6), "v", V(-1, 2, -3));
        none = writeMultipleTest(sheet, "u", V(-4, 5, 0), "v", V(0, 7, -6));
        cross = writeCross(sheet, "u", "v", V(-4, 5, 0), V(0, 7, -6));
        degrees = writeAngle(sheet, AngleKind::Cosine, "OA·OB / (|OA|·|OB|)", Q(-1), Q(2), Q(2), 2);
    }
    const std::vector<std::string> expected = {
        "u = k·v ?",
        "x: 2 = k·(-1)  ⇒  k = -2",
        "y: -4 = -2·2 = -4  wahr",
        "z: 6 = -2·(-3) = 6  wahr",
        "u = -2v: u und v sind parallel",
        "u = k·v ?",
        "y: 5 = k·7  ⇒  k = 5/7",
        "x: -4 ≠ 5/7·0 = 0  falsch",
        "z: 0 ≠ 5/7·(-6) = -30/7  falsch",
        "u ist kein Vielfaches von v: nicht parallel",
        "u × v:",
        "x: 5·(-6) - 0·7 = -30",
        "y: 0·0 - (-4)·(-6) = -24",
        "z: -4·7 - 5·0 = -28",
        "u × v = (-30|-24|-28)",
        "cos φ = OA·OB / (|OA|·|OB|)",
        "cos φ = -1 / (√(2)·√(2)) = -1/2",
        "φ = arccos(-1/2) = 120°",
    };
    EXPECT_EQ(body(log), expected);
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(toText(*k), "-2");
    EXPECT_FALSE(none.has_value());
    EXPECT_EQ(toText(cross), "(-30|-24|-28)");
    EXPECT_NEAR(static_cast<double>(degrees), 120.0, 1E-12);
}

// The angles whose cosine or sine is 0, ±1/2, ±1/2·√(2), ±1/2·√(3) or ±1
// are given exactly in whole degrees, any other one rounded; each agrees
// with the arc function of the quotient.
TEST(WorkingSteps, AnglesOfTheTableAreExact) {
    struct Case {
        AngleKind kind;
        long dot, s1, s2;
        const char* quotient;  // the end of the quotient's line
        const char* angle;
    };
    const Case cases[] = {
        {AngleKind::Cosine, 1, 2, 2, " = 1/2", "φ = arccos(1/2) = 60°"},
        {AngleKind::Cosine, -1, 1, 2, " = -1/2·√(2) ≈ -0,707", "φ = arccos(-1/2·√(2)) = 135°"},
        {AngleKind::Cosine, 3, 3, 4, " = 1/2·√(3) ≈ 0,866", "φ = arccos(1/2·√(3)) = 30°"},
        {AngleKind::Cosine, -2, 2, 2, " = -1", "φ = arccos(-1) = 180°"},
        {AngleKind::Cosine, 0, 5, 3, " = 0", "φ = arccos(0) = 90°"},
        {AngleKind::AbsoluteCosine, -1, 2, 2, " = 1/2", "φ = arccos(1/2) = 60°"},
        {AngleKind::AbsoluteCosine, -1, 1, 2, " = 1/2·√(2) ≈ 0,707", "φ = arccos(1/2·√(2)) = 45°"},
        {AngleKind::AbsoluteSine, -3, 3, 4, " = 1/2·√(3) ≈ 0,866", "φ = arcsin(1/2·√(3)) = 60°"},
        {AngleKind::AbsoluteSine, 1, 2, 2, " = 1/2", "φ = arcsin(1/2) = 30°"},
        {AngleKind::AbsoluteSine, 0, 2, 7, " = 0", "φ = arcsin(0) = 0°"},
        {AngleKind::AbsoluteSine, 2, 2, 2, " = 1", "φ = arcsin(1) = 90°"},
        {AngleKind::Cosine, 1, 1, 3, " = 1/3·√(3) ≈ 0,577", "φ = arccos(1/3·√(3)) ≈ 54,736°"},
        {AngleKind::AbsoluteSine, 2, 5, 3, " = 2/15·√(15) ≈ 0,516", "φ = arcsin(2/15·√(15)) ≈ 31,091°"},
    };
    for (const Case& c : cases) {
        PlainTextOutputLog log;
        Real degrees = 0;
        {
            Sheet sheet(log, "Test");
            degrees = writeAngle(sheet, c.kind, "...", Q(c.dot), Q(c.s1), Q(c.s2));
        }
        const std::vector<std::string> lines = body(log);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], c.angle);
        const std::string& quotient = lines[1];
        EXPECT_EQ(quotient.substr(quotient.size() - std::string(c.quotient).size()), c.quotient) << quotient;
        const Real q = c.dot / std::sqrt(static_cast<Real>(c.s1 * c.s2));
        const Real expected = c.kind == AngleKind::AbsoluteSine ? std::asin(std::fabs(q))
                              : c.kind == AngleKind::Cosine     ? std::acos(q)
                                                                : std::acos(std::fabs(q));
        EXPECT_NEAR(static_cast<double>(degrees), static_cast<double>(expected / kPi * 180), 1E-9) << c.angle;
    }
}

}  // namespace
