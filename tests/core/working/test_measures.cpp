// The working of the measure buttons: angle, products, areas, volumes and
// coplanarity.
#include "WorkingTestSupport.h"
#include "core/calc/calc_test_support.h"

#include <chrono>

#include "SanitizerBuild.h"
#include "core/numbers/Evaluator.h"

namespace {

using Lines = std::vector<std::string>;

// A, B, C with a triangle of irrational area, S above; the second scene
// moves C and adds D so that ABCD is a plane quadrilateral.
TypedScene triangleScene() {
    TypedScene t;
    t.point(PointA, "1", "0", "0,5");
    t.point(PointB, "3", "1", "1/2");
    t.point(PointC, "2", "3", "1");
    t.point(PointS, "1", "1", "3");
    return t;
}

TypedScene quadrilateralScene() {
    TypedScene t = triangleScene();
    t.point(PointC, "2", "3", "1/2");
    t.point(PointD, "0", "5/2", "1/2");
    return t;
}

// det(AB, AC, AD) of the plane quadrilateral ABCD.
const Lines kPlanarity = {
    "                  | 2   1 0|",
    "det(AB, AC, AD) = | 1   3 0|",
    "                  |-1 5/2 0|",
    "= 2·(3·0 - 0·(5/2)) - 1·(1·0 - 0·(-1))",
    "    + 0·(1·(5/2) - 3·(-1))",
    "= 2·0 - 1·0 + 0·(11/2) = 0",
};

// The base area G and the height h, shared by the prism and the pyramid
// over the same base.
const Lines kBaseAndHeight = {
    "AB × AC:",
    "x: 1·(1/2) - 0·3 = 1/2",
    "y: 0·1 - 2·(1/2) = -1",
    "z: 2·3 - 1·1 = 5",
    "AB × AC = (1/2|-1|5)",
    "|AB × AC| = √((1/2)² + (-1)² + 5²) = √(105/4) = 1/2·√(105)",
    "    ≈ 5,123",
    "G = 1/2·√(105/4) = √(105/16) = 1/4·√(105) ≈ 2,562",
    "(AB × AC)·AS = 1/2·0 - 1·1 + 5·(5/2) = 23/2",
    "h = |(AB × AC)·AS| / |AB × AC| = |23/2| / √(105/4)",
    "    = √(529/105) = 23/105·√(105) ≈ 2,245",
};
const Lines kQuadrilateralVolume = joined({{"AB = (2|1|0), AC = (1|3|0), AD = D - A = (-1|5/2|0)"}, kPlanarity, {
    "det = 0: ABCD ist eben.",
    "Teilkörper über ABC und ACD:",
    "SA = A - S = (0|-1|-5/2), SB = B - S = (2|0|-5/2)",
    "SC = C - S = (1|2|-5/2), SD = D - S = (-1|3/2|-5/2)",
    "                  |0 -1 -5/2|",
    "det(SA, SB, SC) = |2  0 -5/2|",
    "                  |1  2 -5/2|",
    "= 0·(0·(-5/2) - (-5/2)·2) - (-1)·(2·(-5/2) - (-5/2)·1)",
    "    + (-5/2)·(2·2 - 0·1)",
    "= 0·5 - (-1)·(-5/2) + (-5/2)·4 = -25/2",
    "                  | 0  -1 -5/2|",
    "det(SA, SC, SD) = | 1   2 -5/2|",
    "                  |-1 3/2 -5/2|",
    "= 0·(2·(-5/2) - (-5/2)·(3/2))",
    "    - (-1)·(1·(-5/2) - (-5/2)·(-1))",
    "    + (-5/2)·(1·(3/2) - 2·(-1))",
    "= 0·(-5/4) - (-1)·(-5) + (-5/2)·(7/2) = -55/4",
}});

TEST(MeasureWorking, AngleBetweenOAAndOB) {
    EXPECT_EQ(runButton("SpeedButton_Winkel_AOC", triangleScene()).working, (Lines{
        "Rechenweg: Winkel ∠(OA;OB)",
        "OA = (1|0|1/2), OB = (3|1|1/2)",
        "OA·OB = 1·3 + 0·1 + 1/2·(1/2) = 13/4",
        "|OA| = √(1² + 0² + (1/2)²) = √(5/4) = 1/2·√(5) ≈ 1,118",
        "|OB| = √(3² + 1² + (1/2)²) = √(41/4) = 1/2·√(41) ≈ 3,202",
        "cos φ = OA·OB / (|OA|·|OB|)",
        "cos φ = (13/4) / (√(5/4)·√(41/4)) = 13/205·√(205) ≈ 0,908",
        "φ = arccos(13/205·√(205)) ≈ 24,78°",
    }));
}

TEST(MeasureWorking, VectorProduct) {
    EXPECT_EQ(runButton("SpeedButton_OAxOB", triangleScene()).working, (Lines{
        "Rechenweg: Vektorprodukt OA × OB",
        "OA = (1|0|1/2), OB = (3|1|1/2)",
        "OA × OB:",
        "x: 0·(1/2) - (1/2)·1 = -1/2",
        "y: 1/2·3 - 1·(1/2) = 1",
        "z: 1·1 - 0·3 = 1",
        "OA × OB = (-1/2|1|1)",
    }));
}

TEST(MeasureWorking, ScalarProduct) {
    EXPECT_EQ(runButton("SpeedButton_OA_mal_OB", triangleScene()).working, (Lines{
        "Rechenweg: Skalarprodukt OA·OB",
        "OA = (1|0|1/2), OB = (3|1|1/2)",
        "OA·OB = 1·3 + 0·1 + 1/2·(1/2) = 13/4",
    }));
}

TEST(MeasureWorking, TriangleArea) {
    EXPECT_EQ(runButton("SpeedButton_Dreiecksflaeche", triangleScene()).working, (Lines{
        "Rechenweg: Flächeninhalt des Dreiecks ABC",
        "AB = B - A = (2|1|0), AC = C - A = (1|3|1/2)",
        "Flächeninhalt F = 1/2·|AB × AC|:",
        "AB × AC:",
        "x: 1·(1/2) - 0·3 = 1/2",
        "y: 0·1 - 2·(1/2) = -1",
        "z: 2·3 - 1·1 = 5",
        "AB × AC = (1/2|-1|5)",
        "|AB × AC| = √((1/2)² + (-1)² + 5²) = √(105/4) = 1/2·√(105)",
        "    ≈ 5,123",
        "F = 1/2·√(105/4) = √(105/16) = 1/4·√(105) ≈ 2,562",
    }));
}

TEST(MeasureWorking, PrismOverABC) {
    EXPECT_EQ(runButton("SpeedButton_PrismavolumenABC", triangleScene()).working, joined({{
        "Rechenweg: Volumen des Prismas ABC_AS",
        "AB = B - A = (2|1|0), AC = C - A = (1|3|1/2)",
        "AS = S - A = (0|1|5/2)",
        "V = G·h mit der Grundfläche G = 1/2·|AB × AC|",
        "und der Höhe h = Abstand von S zur Ebene ABC:",
    }, kBaseAndHeight, {
        "V = G·h = 1/2·|AB × AC|·h = 1/2·|(AB × AC)·AS|",
        "V = 1/2·|23/2| = 23/4",
    }}));
}

TEST(MeasureWorking, PyramidOverABC) {
    EXPECT_EQ(runButton("SpeedButton_Pyramidenvolumen1", triangleScene()).working, joined({{
        "Rechenweg: Volumen der Pyramide ABCS",
        "AB = B - A = (2|1|0), AC = C - A = (1|3|1/2)",
        "AS = S - A = (0|1|5/2)",
        "V = 1/3·G·h mit der Grundfläche G = 1/2·|AB × AC|",
        "und der Höhe h = Abstand von S zur Ebene ABC:",
    }, kBaseAndHeight, {
        "V = 1/3·G·h = 1/6·|AB × AC|·h = 1/6·|(AB × AC)·AS|",
        "V = 1/6·|23/2| = 23/12",
    }}));
}

TEST(MeasureWorking, Spat) {
    EXPECT_EQ(runButton("SpeedButton_Spatvolumen", triangleScene()).working, (Lines{
        "Rechenweg: Volumen des Spats AB, AC, AS",
        "AB = (2|1|0), AC = (1|3|1/2), AS = S - A = (0|1|5/2)",
        "V = |det(AB, AC, AS)|:",
        "                  |2 1   0|",
        "det(AB, AC, AS) = |1 3 1/2|",
        "                  |0 1 5/2|",
        "= 2·(3·(5/2) - (1/2)·1) - 1·(1·(5/2) - (1/2)·0)",
        "    + 0·(1·1 - 3·0)",
        "= 2·7 - 1·(5/2) + 0·1 = 23/2",
        "V = |det| = |23/2| = 23/2",
    }));
}

TEST(MeasureWorking, QuadrilateralArea) {
    EXPECT_EQ(runButton("SpeedButton_Vierecksflaeche", quadrilateralScene()).working, joined({{
        "Rechenweg: Flächeninhalt des Vierecks ABCD",
        "AB = B - A = (2|1|0), AC = C - A = (1|3|0)",
        "Liegt ABCD in einer Ebene? AD = D - A = (-1|5/2|0)",
    }, kPlanarity, {
        "det = 0: ABCD liegt in einer Ebene",
        "Flächeninhalt F = 1/2·|AB × AC + AC × AD|:",
        "AB × AC:",
        "x: 1·0 - 0·3 = 0",
        "y: 0·1 - 2·0 = 0",
        "z: 2·3 - 1·1 = 5",
        "AB × AC = (0|0|5)",
        "AC × AD:",
        "x: 3·0 - 0·(5/2) = 0",
        "y: 0·(-1) - 1·0 = 0",
        "z: 1·(5/2) - 3·(-1) = 11/2",
        "AC × AD = (0|0|11/2)",
        "n = AB × AC + AC × AD = (0|0|21/2)",
        "|n| = √(0² + 0² + (21/2)²) = √(441/4) = 21/2",
        "F = 1/2·|n| = 1/2·(21/2) = 21/4",
    }}));
}

TEST(MeasureWorking, PrismOverABCD) {
    EXPECT_EQ(runButton("SpeedButton_PrismavolumenABCD", quadrilateralScene()).working,
              joined({{"Rechenweg: Volumen des Prismas ABCD_AS"}, kQuadrilateralVolume, {"V = 1/2·|det(SA, SB, SC) + det(SA, SC, SD)|", "V = 1/2·|-25/2 + (-55/4)| = 105/8"}}));
}

TEST(MeasureWorking, PyramidOverABCD) {
    EXPECT_EQ(runButton("SpeedButton_Pyramidenvolumen2", quadrilateralScene()).working,
              joined({{"Rechenweg: Volumen der Pyramide ABCDS"}, kQuadrilateralVolume, {"V = 1/6·|det(SA, SB, SC) + det(SA, SC, SD)|", "V = 1/6·|-25/2 + (-55/4)| = 35/8"}}));
}

// The working's last lines are these sentences, each wrapped as the sheet
// wraps it.
::testing::AssertionResult endsWithSentences(const ButtonRun& run, const Lines& sentences) {
    Lines expected;
    for (const auto& sentence : sentences)
        for (const auto& line : working::wrapLine(sentence)) expected.push_back(line);
    if (run.working.size() >= expected.size() &&
        std::equal(expected.begin(), expected.end(), run.working.end() - std::ptrdiff_t(expected.size())))
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "the working ends with:";
    for (std::size_t i = run.working.size() > expected.size() ? run.working.size() - expected.size() : 0;
         i < run.working.size(); ++i)
        failure << "\n" << run.working[i];
    return failure;
}

// D inside the triangle ABC makes the angle at D over 180°: the triangle ACD
// is taken from ABC (area 16 - 12 = 4) and the bodies over ABCD have that
// base. In the bow tie A(0|0|0), B(2|2|0), C(2|0|0), D(0|2|0) the sides AB
// and CD cross: there is no area and no volume.
TEST(MeasureWorking, QuadrilateralNotConvexOrCrossingItself) {
    TypedScene t;
    t.point(PointA, "0", "0", "0");
    t.point(PointB, "4", "0", "0");
    t.point(PointC, "4", "4", "0");
    t.point(PointD, "3", "1", "0");
    t.point(PointS, "7", "-2", "3");
    const ButtonRun area = runButton("SpeedButton_Vierecksflaeche", t);
    EXPECT_TRUE(endsWithSentences(area, {
        "AC × AD = (0|0|-8)",
        "n = AB × AC + AC × AD = (0|0|8)",
        "(CD × DA)·n = -64 < 0: der Innenwinkel bei D ist überstumpf, ABCD ist nicht konvex",
        "AB × AC und AC × AD sind entgegengesetzt gerichtet: das Dreieck ACD wird vom Dreieck ABC abgezogen",
        "|n| = √(0² + 0² + 8²) = √(64) = 8",
        "F = 1/2·|n| = 1/2·8 = 4",
    }));
    EXPECT_EQ(area.outcome.values.at("F"), 4);
    EXPECT_EQ(area.block[0], "A_Viereck_ABCD = 4");
    const Lines bodyEnd = {"Der Innenwinkel bei D ist überstumpf, ABCD ist nicht konvex",
                           "det(SA, SB, SC) und det(SA, SC, SD) haben verschiedene Vorzeichen: der Teilkörper über ACD wird abgezogen"};
    const ButtonRun prism = runButton("SpeedButton_PrismavolumenABCD", t);
    EXPECT_TRUE(endsWithSentences(prism, joined({bodyEnd, {"V = 1/2·|det(SA, SB, SC) + det(SA, SC, SD)|",
                                                           "V = 1/2·|-48 + 24| = 12"}})));
    EXPECT_EQ(prism.outcome.values.at("V"), 12);
    const ButtonRun pyramid = runButton("SpeedButton_Pyramidenvolumen2", t);
    EXPECT_TRUE(endsWithSentences(pyramid, joined({bodyEnd, {"V = 1/6·|det(SA, SB, SC) + det(SA, SC, SD)|",
                                                             "V = 1/6·|-48 + 24| = 4"}})));
    EXPECT_EQ(pyramid.outcome.values.at("V"), 4);

    t.point(PointB, "2", "2", "0");
    t.point(PointC, "2", "0", "0");
    t.point(PointD, "0", "2", "0");
    const Lines crossing = {
        "Die Seiten AB und CD schneiden sich:",
        "(AB × AC)·(AB × AD) = -16 < 0: C und D liegen auf verschiedenen Seiten von AB",
        "(CD × CA)·(CD × CB) = -16 < 0: A und B liegen auf verschiedenen Seiten von CD",
    };
    for (const auto& [button, sentence] :
         {std::pair{"SpeedButton_Vierecksflaeche", "es gibt keinen Flächeninhalt"},
          std::pair{"SpeedButton_PrismavolumenABCD", "es gibt kein Volumen"},
          std::pair{"SpeedButton_Pyramidenvolumen2", "es gibt kein Volumen"}}) {
        const ButtonRun run = runButton(button, t);
        EXPECT_TRUE(endsWithSentences(run, joined({crossing, {"ABCD überschneidet sich selbst, " + std::string(sentence) +
                                                              "; der Rechenweg endet hier."}})))
            << button;
        EXPECT_TRUE(run.outcome.values.empty()) << button;
        EXPECT_TRUE(contains(run.block[0], "nicht berechenbar, da sich die Seiten von ABCD überschneiden !")) << button;
    }
}

TEST(MeasureWorking, Coplanarity) {
    EXPECT_EQ(runButton("SpeedButton_komplanarOAOBOC", quadrilateralScene()).working, joined({{
        "Rechenweg: Komplanarität von AB, AC, AD",
        "AB = (2|1|0), AC = (1|3|0), AD = (-1|5/2|0)",
    }, kPlanarity, {
        "det = 0: AB, AC, AD sind komplanar",
        "Ansatz: AD = r·AB + t·AC",
        "⎧ -1⎫     ⎧2⎫     ⎧1⎫ ",
        "⎪5/2⎟ = r·⎪1⎟ + t·⎪3⎟ ",
        "⎩  0⎭     ⎩0⎭     ⎩0⎭ ",
        "x: 2r + t = -1",
        "y: r + 3t = 5/2",
        "z: 0 = 0",
        "x- und y-Gleichung lösen:",
        "(x) - 2·(y): -5t = -6  ⇒  t = 6/5",
        "t = 6/5 in x: 2r + 6/5 = -1  ⇒  r = -11/10",
        "Probe z: 0·(-11/10) + 0·(6/5) = 0  erfüllt",
        "AD = -11/10·AB + 6/5·AC",
    }}));
}

// The value the result block prints after `marker`, or NaN when its line
// says there is none.
Real blockValue(const ButtonRun& run, const std::string& marker) {
    for (const auto& line : run.block)
        if (contains(line, marker)) return numberAfter(line, marker);
    return std::nanl("");
}

// Random whole-number corners, a third with D in the plane ABC, a few with
// A at the origin or C on the line AB: every measure agrees with the result
// block after its rounding.
TEST(MeasureWorking, AgreesWithTheResultBlockOnRandomInputs) {
    RandomInputs random(1405);
    for (int sample = 0; sample < 300; ++sample) {
        std::array<long, 3> A = whole3(random.triple()), B = whole3(random.triple()), C = whole3(random.triple());
        std::array<long, 3> D = whole3(random.triple());
        const std::array<long, 3> S = whole3(random.triple());
        const long j = random.whole(3), k = random.whole(3);
        if (random.oneIn(20)) A = {0, 0, 0};
        if (random.oneIn(20))
            for (std::size_t i = 0; i < 3; ++i) C[i] = A[i] + j * (B[i] - A[i]);
        if (random.oneIn(3))
            for (std::size_t i = 0; i < 3; ++i) D[i] = A[i] + j * (B[i] - A[i]) + k * (C[i] - A[i]);
        TypedScene t;
        for (const auto& [point, v] : {std::pair{PointA, A}, std::pair{PointB, B}, std::pair{PointC, C},
                                       std::pair{PointD, D}, std::pair{PointS, S}})
            t.point(point, std::to_string(v[0]), std::to_string(v[1]), std::to_string(v[2]));

        const std::pair<const char*, const char*> volumes[] = {
            {"SpeedButton_Dreiecksflaeche", "A_Dreieck_ABC = "}, {"SpeedButton_Vierecksflaeche", "A_Viereck_ABCD = "},
            {"SpeedButton_PrismavolumenABC", "V_Prisma_ABC_AS = "}, {"SpeedButton_PrismavolumenABCD", "V_Prisma_ABCD_AS = "},
            {"SpeedButton_Pyramidenvolumen1", "V_Pyr_ABCS = "}, {"SpeedButton_Pyramidenvolumen2", "V_Pyr_ABCDS = "},
            {"SpeedButton_Spatvolumen", "V_Spat_AB_AC_AS = "}};
        for (const auto& [name, marker] : volumes) {
            const ButtonRun run = runButton(name, t);
            expectCleanWorking(run);
            const Real shown = blockValue(run, marker);
            // The area F (or A), the volume V.
            const auto& values = run.outcome.values;
            const char* key = values.count("A") ? "A" : values.count("F") ? "F" : "V";
            const bool has = values.count(key) > 0;
            ASSERT_EQ(has, !std::isnan(shown)) << name << ": " << run.block.front();
            if (has) {
                EXPECT_TRUE(agreesAfterRounding(values.at(key), shown)) << name;
            }
        }

        const ButtonRun angle = runButton("SpeedButton_Winkel_AOC", t);
        expectCleanWorking(angle);
        if (contains(angle.block[1], "nicht definiert")) {
            EXPECT_TRUE(angle.outcome.stopped);
        } else {
            EXPECT_TRUE(agreesAfterRounding(angle.outcome.values.at("φ"), numberAfter(angle.block[1], "= "), 2));
        }
        const ButtonRun dot = runButton("SpeedButton_OA_mal_OB", t);
        EXPECT_TRUE(agreesAfterRounding(dot.outcome.values.at("OA·OB"), blockValue(dot, "OA * OB = ")));
        const ButtonRun cross = runButton("SpeedButton_OAxOB", t);
        const auto columns = columnVectors({cross.block[1], cross.block[2], cross.block[3]});
        ASSERT_EQ(columns.size(), 1u);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(agreesAfterRounding(cross.outcome.vectors.at("OA × OB")[i], numbersIn(columns[0][i]).at(0)));

        const ButtonRun coplanar = runButton("SpeedButton_komplanarOAOBOC", t);
        expectCleanWorking(coplanar);
        const int status = contains(coplanar.block[1], "nicht komplanar") ? 0 : contains(coplanar.block[2], "nicht lösbar") ? 1 : 2;
        ASSERT_EQ(coplanar.outcome.status, status) << coplanar.block[1];
        if (status == 2) {
            const std::string& equation = coplanar.block[2];  // 'Gleichung: AD = 1/2·AB - 3·AC'
            const Real t = numberAfter(equation, "AB ") * (contains(equation, "AB - ") ? -1 : 1);
            EXPECT_TRUE(agreesAfterRounding(coplanar.outcome.values.at("r"), numberAfter(equation, "AD = ")));
            EXPECT_TRUE(agreesAfterRounding(coplanar.outcome.values.at("t"), t)) << equation;
        }
    }
}

TEST(MeasureWorking, DegenerateCornersEndWithASentenceOrAZeroMeasure) {
    TypedScene t;
    t.point(PointA, "0", "0", "0");
    t.point(PointB, "1", "2", "3");
    t.point(PointC, "2", "4", "6");
    t.point(PointD, "3", "6", "9");
    const ButtonRun angle = runButton("SpeedButton_Winkel_AOC", t);
    EXPECT_TRUE(endsWithSentence(
        angle, "OA ist der Nullvektor (A liegt im Ursprung), es gibt keinen Winkel; der Rechenweg endet hier."));
    EXPECT_TRUE(endsWithSentence(runButton("SpeedButton_Dreiecksflaeche", t), "A, B und C liegen auf einer Geraden"));
    // AD on the line of AB and AC: infinitely many r, t; AD beside it: none.
    const ButtonRun coplanar = runButton("SpeedButton_komplanarOAOBOC", t);
    EXPECT_TRUE(endsWithSentence(coplanar, "AD = r·AB + t·AC nicht eindeutig lösbar"));
    EXPECT_EQ(coplanar.block.back(), "AB und AC parallel !");
    t.point(PointD, "1", "0", "0");
    const ButtonRun unsolvable = runButton("SpeedButton_komplanarOAOBOC", t);
    EXPECT_TRUE(endsWithSentence(unsolvable, "AB und AC sind parallel: AD = r·AB + t·AC nicht lösbar"));
    EXPECT_EQ(unsolvable.block.back(), "AB und AC parallel !");
    EXPECT_EQ(unsolvable.outcome.status, 1);
    for (const ButtonRun* run : {&angle, &coplanar, &unsolvable}) expectCleanWorking(*run);
}

// Every calculation button has a working; the equation output and clear
// buttons have none.
TEST(MeasureWorking, EveryIncidenceAndMeasureButtonHasAWorking) {
    int withWorking = 0;
    for (const CalculationButton& button : calculationButtons()) {
        const std::string name = button.objectName;
        const bool output = contains(name, "_ausgeben") || name == "SpeedButton_ClearRichEdit";
        EXPECT_EQ(working::findWorking(name) != nullptr, !output) << name;
        withWorking += !output;
    }
    EXPECT_EQ(withWorking, 23);
    EXPECT_EQ(working::workingEntries().size(), 23u);
}

// Values far beyond the exact range and near the ends of the number range:
// every working stays clean (no inf, nan or "nicht berechenbar" unless the
// result block has it, no line wider than 60 columns).
TEST(MeasureWorking, ExtremeInputsGiveCleanWorkingsForEveryButton) {
    RandomInputs random(1406);
    for (const char* scale : {"E300", "E-300", "E2000", "E-2000", "/7"}) {
        TypedScene t;
        auto big = [&]() { return random.text(99) + "123456789" + scale; };
        auto triple = [&]() { return std::array<std::string, 3>{big(), big(), big()}; };
        for (int point : {PointA, PointB, PointC, PointD, PointS, PointP, PointQ}) {
            const auto v = triple();
            t.point(point, v[0], v[1], v[2]);
        }
        t.line(LineG, triple(), triple());
        t.line(LineH, triple(), triple());
        t.coefficients(PlaneE1, {big(), big(), big(), big()});
        t.coefficients(PlaneE2, {big(), big(), big(), big()});
        t.plane(PlaneE3, triple(), triple(), triple());
        t.plane(PlaneE4, triple(), triple(), triple());
        for (const working::WorkingEntry& entry : working::workingEntries()) {
            const ButtonRun run = runButton(entry.objectName, t);
            SCOPED_TRACE(std::string(entry.objectName) + " " + scale);
            expectCleanWorking(run);
        }
    }
}

// Formulas of g whose exact values would grow without end (chained powers,
// long products): every working that uses g answers within 0,2 s, says
// once that it goes on in decimals where g is too large, and stays clean.
TEST(MeasureWorking, HugeFormulasInGGoOnInDecimalsQuickly) {
    std::mt19937 engine(1907);
    auto pick = [&engine](std::initializer_list<const char*> items) {
        return std::string(*(items.begin() + std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(engine)));
    };
    std::vector<std::string> formulas = {"9^64^64^64^64^64^64", "(2t+1/3)^64^64^64", "t^64^64^64^64-1"};
    while (formulas.size() < 12) {
        std::string f = pick({"9", "t", "(t+7/3)", "123456789/7"});
        while (f.size() < 990) f += pick({"^64", "^63", "*99999^64", "/3^64", "+t^64"});
        formulas.push_back(f.substr(0, 1000));
    }
    for (const std::string& formula : formulas) {
        TypedScene t;
        const std::string field = exact::tripleFieldNames(inputwindow::kDirectionG.prefix)[2];
        t.texts[field] = formula;
        Real value = 1;
        if (readExpression(formula, value).outcome != ReadExpressionOutcome::Ok) value = 1;
        t.scene.lineDirection[LineG].z = value;
        for (const working::WorkingEntry& entry : working::workingEntries()) {
            if (!entry.usesLineG) continue;
            SCOPED_TRACE(std::string(entry.objectName) + " " + formula.substr(0, 40));
            const auto start = std::chrono::steady_clock::now();
            const ButtonRun run = runButton(entry.objectName, t);
            const auto elapsed = std::chrono::steady_clock::now() - start;
            if (kMeasuresTimeAndMemory) {
                EXPECT_LT(elapsed, std::chrono::milliseconds(200));
            }
            expectCleanWorking(run);
            ASSERT_GE(run.working.size(), 2u);
            if (formula.rfind("9^64^64", 0) == 0) {
                EXPECT_EQ(run.working[1], exact::kBeyondExactBoundSentence);
            }
        }
    }
}

}  // namespace
