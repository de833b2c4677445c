// The working of the buttons E1 und g, E3 und g, E5 und g.
#include "WorkingTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

TEST(LinePlaneWorking, LineThroughE1) {
    TypedScene t;
    t.line(LineG, {"1", "1/2", "0"}, {"2", "-1", "1/3"});
    t.coefficients(PlaneE1, {"3", "-2", "0,5", "5"});
    const ButtonRun run = runButton("SpeedButton_E1_mit_g", t);
    EXPECT_EQ(run.working, (Lines{
        "Rechenweg: Lage von E1 und g",
        "E1: 3x - 2y + 1/2·z = 5",
        "g: p = (1|1/2|0), u = (2|-1|1/3)",
        "g in E1 einsetzen: x = 1 + 2λ, y = 1/2 - λ, z = 1/3·λ",
        "3·(1 + 2λ) - 2·(1/2 - λ) + 1/2·(1/3·λ) = 5",
        "3 + 6λ - 1 + 2λ + 1/6·λ = 5",
        "49/6·λ + 2 = 5  ⇔  49/6·λ = 3  ⇒  λ = 18/49",
        "S = p + λ·u = (1|1/2|0) + (18/49)·(2|-1|1/3)",
        "    = (85/49|13/98|6/49)",
        "E1 und g schneiden sich in S(85/49|13/98|6/49)",
        "Schnittwinkel:",
        "n·u = 3·2 - 2·(-1) + 1/2·(1/3) = 49/6",
        "|n| = √(3² + (-2)² + (1/2)²) = √(53/4) = 1/2·√(53) ≈ 3,64",
        "|u| = √(2² + (-1)² + (1/3)²) = √(46/9) = 1/3·√(46) ≈ 2,261",
        "sin φ = |n·u| / (|n|·|u|)",
        "sin φ = |49/6| / (√(53/4)·√(46/9)) = 49/2438·√(2438) ≈ 0,992",
        "φ = arcsin(49/2438·√(2438)) ≈ 82,924°",
    }));
    EXPECT_EQ(run.block, (Lines{"E1 ∩ g = S(1,735|0,133|0,122)  ", "Schnittwinkel α = 82,924°"}));

    // Put in, the equation is solved already: it is written once. The
    // sine 1/2·√(2) gives 45° exactly.
    t.line(LineG, {"0", "0", "0"}, {"1", "0", "1"});
    t.coefficients(PlaneE1, {"0", "0", "1", "2"});
    EXPECT_EQ(runButton("SpeedButton_E1_mit_g", t).working, (Lines{
        "Rechenweg: Lage von E1 und g",
        "E1: z = 2",
        "g: p = (0|0|0), u = (1|0|1)",
        "g in E1 einsetzen: x = λ, y = 0, z = λ",
        "λ = 2",
        "S = p + λ·u = (0|0|0) + 2·(1|0|1) = (2|0|2)",
        "E1 und g schneiden sich in S(2|0|2)",
        "Schnittwinkel:",
        "n·u = 0·1 + 0·0 + 1·1 = 1",
        "|n| = √(0² + 0² + 1²) = √(1) = 1",
        "|u| = √(1² + 0² + 1²) = √(2) ≈ 1,414",
        "sin φ = |n·u| / (|n|·|u|)",
        "sin φ = |1| / (1·√(2)) = 1/2·√(2) ≈ 0,707",
        "φ = arcsin(1/2·√(2)) = 45°",
    }));
}

TEST(LinePlaneWorking, LineThroughE3InParameterForm) {
    TypedScene t;
    t.line(LineG, {"1", "1/2", "0"}, {"2", "-1", "1/3"});
    t.plane(PlaneE3, {"2", "-1", "0"}, {"1", "1", "1/2"}, {"0", "2", "-1"});
    EXPECT_EQ(runButton("SpeedButton_E3_mit_g", t).working, (Lines{
        "Rechenweg: Lage von E3 und g",
        "E3: p = (2|-1|0), u = (1|1|1/2), v = (0|2|-1)",
        "Koordinatenform von E3 mit dem Normalenvektor n = u × v:",
        "u × v:",
        "x: 1·(-1) - (1/2)·2 = -2",
        "y: 1/2·0 - 1·(-1) = 1",
        "z: 1·2 - 1·0 = 2",
        "u × v = (-2|1|2)",
        "n·p = -2·2 + 1·(-1) + 2·0 = -5",
        "E3: -2x + y + 2z = -5",
        "g: p = (1|1/2|0), u = (2|-1|1/3)",
        "g in E3 einsetzen: x = 1 + 2λ, y = 1/2 - λ, z = 1/3·λ",
        "-2·(1 + 2λ) + 1/2 - λ + 2·(1/3·λ) = -5",
        "-2 - 4λ + 1/2 - λ + 2/3·λ = -5",
        "-13/3·λ - 3/2 = -5  ⇔  -13/3·λ = -7/2  ⇒  λ = 21/26",
        "S = p + λ·u = (1|1/2|0) + (21/26)·(2|-1|1/3)",
        "    = (34/13|-4/13|7/26)",
        "E3 und g schneiden sich in S(34/13|-4/13|7/26)",
        "Schnittwinkel:",
        "n·u = -2·2 + 1·(-1) + 2·(1/3) = -13/3",
        "|n| = √((-2)² + 1² + 2²) = √(9) = 3",
        "|u| = √(2² + (-1)² + (1/3)²) = √(46/9) = 1/3·√(46) ≈ 2,261",
        "sin φ = |n·u| / (|n|·|u|)",
        "sin φ = |-13/3| / (3·√(46/9)) = 13/138·√(46) ≈ 0,639",
        "φ = arcsin(13/138·√(46)) ≈ 39,711°",
    }));
}

TEST(LinePlaneWorking, LineParallelToE5) {
    TypedScene t;
    t.line(LineG, {"1", "1/2", "0"}, {"2", "-1", "1/3"});
    t.point(PointA, "1", "0", "0");
    t.point(PointB, "3", "-1", "1/3");
    t.point(PointC, "0", "2", "0");
    EXPECT_EQ(runButton("SpeedButton_E5_mit_g", t).working, (Lines{
        "Rechenweg: Lage von E5 und g",
        "E5: p = (1|0|0), u = (2|-1|1/3), v = (-1|2|0)",
        "Koordinatenform von E5 mit dem Normalenvektor n = u × v:",
        "u × v:",
        "x: -1·0 - (1/3)·2 = -2/3",
        "y: 1/3·(-1) - 2·0 = -1/3",
        "z: 2·2 - (-1)·(-1) = 3",
        "u × v = (-2/3|-1/3|3)",
        "n·p = -2/3·1 - 1/3·0 + 3·0 = -2/3",
        "E5: -2/3·x - 1/3·y + 3z = -2/3",
        "g: p = (1|1/2|0), u = (2|-1|1/3)",
        "g in E5 einsetzen: x = 1 + 2λ, y = 1/2 - λ, z = 1/3·λ",
        "-2/3·(1 + 2λ) - 1/3·(1/2 - λ) + 3·(1/3·λ) = -2/3",
        "-2/3 - 4/3·λ - 1/6 + 1/3·λ + λ = -2/3",
        "-5/6 = -2/3  falsch: kein gemeinsamer Punkt,",
        "    g ist parallel zu E5",
        "Abstand von p zu E5 mit der Hesseschen Normalenform:",
        "|n| = √((-2/3)² + (-1/3)² + 3²) = √(86/9) = 1/3·√(86)",
        "    ≈ 3,091",
        "d = |n·p + 2/3| / |n| = |-5/6 + 2/3| / √(86/9) = √(1/344)",
        "    = 1/172·√(86) ≈ 0,054",
    }));
}

// Random whole-number lines and planes, some built parallel to the plane or
// into it, a few with a null direction or no plane: the case, the point,
// the angle and the distance agree with the result block.
TEST(LinePlaneWorking, AgreesWithTheResultBlockOnRandomInputs) {
    RandomInputs random(1403);
    for (int sample = 0; sample < 300; ++sample) {
        TypedScene t;
        const std::array<long, 3> A = whole3(random.triple()), B = whole3(random.triple()), C = whole3(random.triple());
        t.point(PointA, std::to_string(A[0]), std::to_string(A[1]), std::to_string(A[2]));
        t.point(PointB, std::to_string(B[0]), std::to_string(B[1]), std::to_string(B[2]));
        t.point(PointC, std::to_string(C[0]), std::to_string(C[1]), std::to_string(C[2]));
        std::array<long, 3> p3 = whole3(random.triple()), u3 = whole3(random.triple()), v3 = whole3(random.triple());
        std::array<long, 4> e1 = {random.whole(), random.whole(), random.whole(), random.whole()};
        if (random.oneIn(30)) u3 = {0, 0, 0};
        if (random.oneIn(30)) e1 = {0, 0, 0, 1};
        t.plane(PlaneE3, texts3(p3), texts3(u3), texts3(v3));
        t.coefficients(PlaneE1, {std::to_string(e1[0]), std::to_string(e1[1]), std::to_string(e1[2]),
                                 std::to_string(e1[3])});
        // The plane the line is built for, as support, spanning vectors and normal.
        const int target = std::array<int, 3>{PlaneE1, PlaneE3, PlaneE5}[std::size_t(sample % 3)];
        std::array<long, 3> p = whole3(random.triple()), u = whole3(random.triple());
        const long j = random.whole(2), k = random.whole(2);
        std::array<long, 3> s, su, sv;
        if (target == PlaneE3) {
            s = p3, su = u3, sv = v3;
        } else if (target == PlaneE5) {
            s = A;
            for (std::size_t i = 0; i < 3; ++i) su[i] = B[i] - A[i], sv[i] = C[i] - A[i];
        } else {  // E1: a point of it is hard to make whole; spanning vectors n × e
            s = p;
            su = {0, -e1[2], e1[1]};
            sv = {e1[2], 0, -e1[0]};
            if (random.oneIn(2)) {
                e1[3] = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
                t.coefficients(PlaneE1, {std::to_string(e1[0]), std::to_string(e1[1]), std::to_string(e1[2]),
                                         std::to_string(e1[3])});
            }
        }
        if (random.oneIn(3)) {  // parallel to the plane, or in it
            for (std::size_t i = 0; i < 3; ++i) u[i] = j * su[i] + k * sv[i];
            if (target != PlaneE1 && random.oneIn(2))
                for (std::size_t i = 0; i < 3; ++i) p[i] = s[i] + k * su[i] - j * sv[i];
        }
        if (random.oneIn(30)) u = {0, 0, 0};
        t.line(LineG, texts3(p), texts3(u));
        for (const char* name : {"SpeedButton_E1_mit_g", "SpeedButton_E3_mit_g", "SpeedButton_E5_mit_g"}) {
            const ButtonRun run = runButton(name, t);
            expectCleanWorking(run);
            const int status = incidenceStatus(run);
            if (status < 0 || run.outcome.status != status) continue;
            const std::string& first = run.block.front();
            if (status == 2) {
                EXPECT_TRUE(pointAgrees(run.outcome.vectors.at("S"), pointAfter(first, "S(")));
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("α"), numberAfter(run.block[1], "α = ")));
            }
            if (status == 1) {
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("d"), numberAfter(run.block[1], ") = ")));
            }
        }
    }
}

}  // namespace
