// The working of the buttons E1 und E2, E3 und E4, E1 und E3.
#include "WorkingTestSupport.h"
#include "core/calc/calc_test_support.h"

namespace {

using Lines = std::vector<std::string>;

// E3 of two examples and its coordinate form as the working derives it.
const Lines kE3 = {
    "E3: p = (1|0|2), u = (1|2|0), v = (0|1/2|3)",
    "Koordinatenform von E3 mit dem Normalenvektor n = u × v:",
    "u × v:",
    "x: 2·3 - 0·(1/2) = 6",
    "y: 0·0 - 1·3 = -3",
    "z: 1·(1/2) - 2·0 = 1/2",
    "u × v = (6|-3|1/2)",
    "n·p = 6·1 - 3·0 + 1/2·2 = 7",
    "E3: 6x - 3y + 1/2·z = 7",
};

TEST(PlanePlaneWorking, IntersectingCoordinatePlanes) {
    TypedScene t;
    t.coefficients(PlaneE1, {"2", "-1", "1/2", "3"});
    t.coefficients(PlaneE2, {"1", "1", "-1", "1/3"});
    const ButtonRun run = runButton("SpeedButton_E1_mit_E2", t);
    EXPECT_EQ(run.working, (Lines{
        "Rechenweg: Lage von E1 und E2",
        "E1: 2x - y + 1/2·z = 3",
        "E2: x + y - z = 1/3",
        "Normalenvektoren: n1 = (2|-1|1/2), n2 = (1|1|-1)",
        "n1 = k·n2 ?",
        "x: 2 = k·1  ⇒  k = 2",
        "y: -1 ≠ 2·1 = 2  falsch",
        "z: 1/2 ≠ 2·(-1) = -2  falsch",
        "n1 ist kein Vielfaches von n2: nicht parallel",
        "Richtung der Schnittgeraden s:",
        "n1 × n2:",
        "x: -1·(-1) - (1/2)·1 = 1/2",
        "y: 1/2·1 - 2·(-1) = 5/2",
        "z: 2·1 - (-1)·1 = 3",
        "n1 × n2 = (1/2|5/2|3)",
        "Richtungsvektor w = (1|5|6) mit n1 × n2 = 1/2·w",
        "Gemeinsamer Punkt P mit z = 0:",
        "E1: 2x - y = 3",
        "E2: x + y = 1/3",
        "(E1) - 2·(E2): -3y = 7/3  ⇒  y = -7/9",
        "y = -7/9 in E1: 2x + 7/9 = 3  ⇒  x = 10/9",
        "P = (10/9|-7/9|0)",
        "Schnittgerade s: x = P + r·w",
        "        ⎧10/9⎫     ⎧1⎫ ",
        " s: x = ⎪-7/9⎟ + r·⎪5⎟ ",
        "        ⎩   0⎭     ⎩6⎭ ",
        "Schnittwinkel:",
        "n1·n2 = 2·1 - 1·1 + 1/2·(-1) = 1/2",
        "|n1| = √(2² + (-1)² + (1/2)²) = √(21/4) = 1/2·√(21) ≈ 2,291",
        "|n2| = √(1² + 1² + (-1)²) = √(3) ≈ 1,732",
        "cos φ = |n1·n2| / (|n1|·|n2|)",
        "cos φ = |1/2| / (√(21/4)·√(3)) = 1/21·√(7) ≈ 0,126",
        "φ = arccos(1/21·√(7)) ≈ 82,762°",
    }));
    EXPECT_EQ(run.block.back(), "Schnittwinkel α = 82,762°");
}

TEST(PlanePlaneWorking, IntersectingParameterPlanes) {
    TypedScene t;
    t.plane(PlaneE3, {"1", "0", "2"}, {"1", "2", "0"}, {"0", "1/2", "3"});
    t.plane(PlaneE4, {"0", "1", "1"}, {"2", "-1", "1/3"}, {"1", "0", "-1"});
    EXPECT_EQ(runButton("SpeedButton_E3_mit_E4", t).working, joined({{"Rechenweg: Lage von E3 und E4"}, kE3, {
        "E4: p = (0|1|1), u = (2|-1|1/3), v = (1|0|-1)",
        "Koordinatenform von E4 mit dem Normalenvektor n = u × v:",
        "u × v:",
        "x: -1·(-1) - (1/3)·0 = 1",
        "y: 1/3·1 - 2·(-1) = 7/3",
        "z: 2·0 - (-1)·1 = 1",
        "u × v = (1|7/3|1)",
        "n·p = 1·0 + 7/3·1 + 1·1 = 10/3",
        "E4: x + 7/3·y + z = 10/3",
        "Normalenvektoren: n1 = (6|-3|1/2), n2 = (1|7/3|1)",
        "n1 = k·n2 ?",
        "x: 6 = k·1  ⇒  k = 6",
        "y: -3 ≠ 6·(7/3) = 14  falsch",
        "z: 1/2 ≠ 6·1 = 6  falsch",
        "n1 ist kein Vielfaches von n2: nicht parallel",
        "Richtung der Schnittgeraden s:",
        "n1 × n2:",
        "x: -3·1 - (1/2)·(7/3) = -25/6",
        "y: 1/2·1 - 6·1 = -11/2",
        "z: 6·(7/3) - (-3)·1 = 17",
        "n1 × n2 = (-25/6|-11/2|17)",
        "Richtungsvektor w = (25|33|-102) mit n1 × n2 = -1/6·w",
        "Gemeinsamer Punkt P mit z = 0:",
        "E3: 6x - 3y = 7",
        "E4: x + 7/3·y = 10/3",
        "(E3) - 6·(E4): -17y = -13  ⇒  y = 13/17",
        "y = 13/17 in E3: 6x - 39/17 = 7  ⇒  x = 79/51",
        "P = (79/51|13/17|0)",
        "Schnittgerade s: x = P + r·w",
        "        ⎧79/51⎫     ⎧  25⎫ ",
        " s: x = ⎪13/17⎟ + r·⎪  33⎟ ",
        "        ⎩    0⎭     ⎩-102⎭ ",
        "Schnittwinkel:",
        "n1·n2 = 6·1 - 3·(7/3) + 1/2·1 = -1/2",
        "|n1| = √(6² + (-3)² + (1/2)²) = √(181/4) = 1/2·√(181)",
        "    ≈ 6,727",
        "|n2| = √(1² + (7/3)² + 1²) = √(67/9) = 1/3·√(67) ≈ 2,728",
        "cos φ = |n1·n2| / (|n1|·|n2|)",
        "cos φ = |-1/2| / (√(181/4)·√(67/9)) = 3/12127·√(12127)",
        "    ≈ 0,027",
        "φ = arccos(3/12127·√(12127)) ≈ 88,439°",
    }}));
}

TEST(PlanePlaneWorking, ParallelPlanesWithTheirDistance) {
    TypedScene t;
    t.plane(PlaneE3, {"1", "0", "2"}, {"1", "2", "0"}, {"0", "1/2", "3"});
    t.coefficients(PlaneE1, {"-12", "6", "-1", "4/3"});
    const ButtonRun run = runButton("SpeedButton_E1_mit_E3", t);
    EXPECT_EQ(run.working, joined({{"Rechenweg: Lage von E1 und E3", "E1: -12x + 6y - z = 4/3"}, kE3, {
        "Normalenvektoren: n1 = (-12|6|-1), n2 = (6|-3|1/2)",
        "n1 = k·n2 ?",
        "x: -12 = k·6  ⇒  k = -2",
        "y: 6 = -2·(-3) = 6  wahr",
        "z: -1 = -2·(1/2) = -1  wahr",
        "n1 = -2·n2: n1 und n2 sind parallel",
        "Punkt F von E3 mit x = 1, y = 1: 6 - 3 + 1/2·z = 7  ⇒  z = 8",
        "F in E1 einsetzen: -12·1 + 6·1 - 1·8 = -14 ≠ 4/3",
        "E1 und E3 sind parallel",
        "Abstand von F zu E1 mit der Hesseschen Normalenform:",
        "|n1| = √((-12)² + 6² + (-1)²) = √(181) ≈ 13,454",
        "d = |n1·F - 4/3| / |n1| = |-14 - 4/3| / √(181)",
        "    = √(2116/1629) = 46/543·√(181) ≈ 1,14",
    }}));
    EXPECT_EQ(run.block, (Lines{"E1 || E3 ", "Abstand d = √(2116/1629) = 1,14"}));
}

Real distance(const std::array<Real, 3>& X, const std::array<Real, 3>& P, const std::array<Real, 3>& r) {
    const std::array<Real, 3> w = {X[0] - P[0], X[1] - P[1], X[2] - P[2]};
    const std::array<Real, 3> c = {w[1] * r[2] - w[2] * r[1], w[2] * r[0] - w[0] * r[2], w[0] * r[1] - w[1] * r[0]};
    return std::sqrt((c[0] * c[0] + c[1] * c[1] + c[2] * c[2]) / (r[0] * r[0] + r[1] * r[1] + r[2] * r[2]));
}

// Random whole-number planes, some built parallel or identical, a few that
// are no plane: the case, the distance, the angle and the line of
// intersection agree with the result block (its support point lies on the
// working's line, its direction is the working's).
TEST(PlanePlaneWorking, AgreesWithTheResultBlockOnRandomInputs) {
    RandomInputs random(1404);
    for (int sample = 0; sample < 300; ++sample) {
        TypedScene t;
        std::array<long, 4> e1 = {random.whole(), random.whole(), random.whole(), random.whole()};
        std::array<long, 4> e2 = {random.whole(), random.whole(), random.whole(), random.whole()};
        const std::array<long, 3> p3 = whole3(random.triple()), u3 = whole3(random.triple()), v3 = whole3(random.triple());
        std::array<long, 3> p4 = whole3(random.triple()), u4 = whole3(random.triple()), v4 = whole3(random.triple());
        const long j = random.oneIn(2) ? 2 : -1, k = random.whole(2), m = random.whole(2);
        if (random.oneIn(3)) {  // E2 parallel to E1, E4 to E3, E1 to E3; half of them identical
            const bool same = random.oneIn(2);
            const std::array<long, 3> n3 = {u3[1] * v3[2] - u3[2] * v3[1], u3[2] * v3[0] - u3[0] * v3[2],
                                            u3[0] * v3[1] - u3[1] * v3[0]};
            const long d3 = n3[0] * p3[0] + n3[1] * p3[1] + n3[2] * p3[2];
            for (std::size_t i = 0; i < 3; ++i) {
                e2[i] = j * e1[i];
                u4[i] = u3[i] + k * v3[i];
                v4[i] = m * u3[i] - v3[i];
                if (same) p4[i] = p3[i] + k * u3[i];
            }
            if (same) e2[3] = j * e1[3];
            if (sample % 2) {
                for (std::size_t i = 0; i < 3; ++i) e1[i] = j * n3[i];
                if (same) e1[3] = j * d3;
            }
        }
        if (random.oneIn(30)) e2 = {0, 0, 0, 1};
        auto texts4 = [](const std::array<long, 4>& e) {
            return std::array<std::string, 4>{std::to_string(e[0]), std::to_string(e[1]), std::to_string(e[2]),
                                              std::to_string(e[3])};
        };
        t.coefficients(PlaneE1, texts4(e1));
        t.coefficients(PlaneE2, texts4(e2));
        t.plane(PlaneE3, texts3(p3), texts3(u3), texts3(v3));
        t.plane(PlaneE4, texts3(p4), texts3(u4), texts3(v4));
        for (const char* name : {"SpeedButton_E1_mit_E2", "SpeedButton_E3_mit_E4", "SpeedButton_E1_mit_E3"}) {
            const ButtonRun run = runButton(name, t);
            expectCleanWorking(run);
            const int status = incidenceStatus(run);
            if (status < 0 || run.outcome.status != status) continue;
            if (status == 1) {
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("d"), numberAfter(run.block[1], ") = ")));
            }
            if (status != 2) continue;
            EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("α"), numberAfter(run.block[4], "α = ")));
            const auto columns = columnVectors({run.block[1], run.block[2], run.block[3]});
            ASSERT_EQ(columns.size(), 2u) << run.block[2];
            std::array<Real, 3> X0, d;
            for (std::size_t i = 0; i < 3; ++i) {
                X0[i] = numbersIn(columns[0][i]).at(0);
                d[i] = numbersIn(columns[1][i]).at(0);
            }
            const auto& P = run.outcome.vectors.at("P");
            const auto& r = run.outcome.vectors.at("w");
            EXPECT_LT(distance(X0, P, r), 0.001L) << name;
            const std::array<Real, 3> X1 = {X0[0] + d[0], X0[1] + d[1], X0[2] + d[2]};
            EXPECT_LT(distance(X1, P, r), 0.001L) << name << ": the directions differ";
        }
    }
}

}  // namespace
