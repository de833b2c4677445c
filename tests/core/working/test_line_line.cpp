// The working of the buttons g und h, g und g2.
#include "WorkingTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

TEST(LineLineWorking, SkewLinesWithDistanceAndFeet) {
    TypedScene t;
    t.line(LineG, {"1", "0,5", "0"}, {"2", "-1", "1/3"});
    t.line(LineH, {"0", "1", "2"}, {"1", "1", "-1"});
    const ButtonRun run = runButton("SpeedButton_g_mit_h", t);
    EXPECT_EQ(run.working, (Lines{
        "Rechenweg: Lage von g und h",
        "g: p = (1|1/2|0), u = (2|-1|1/3)",
        "h: q = (0|1|2), v = (1|1|-1)",
        "1. Richtungsvektoren:",
        "u = k·v ?",
        "x: 2 = k·1  ⇒  k = 2",
        "y: -1 ≠ 2·1 = 2  falsch",
        "z: 1/3 ≠ 2·(-1) = -2  falsch",
        "u ist kein Vielfaches von v: nicht parallel",
        "2. Gleichungssystem p + λ·u = q + μ·v:",
        "⎧  1⎫     ⎧  2⎫   ⎧0⎫     ⎧ 1⎫ ",
        "⎪1/2⎟ + λ·⎪ -1⎟ = ⎪1⎟ + μ·⎪ 1⎟ ",
        "⎩  0⎭     ⎩1/3⎭   ⎩2⎭     ⎩-1⎭ ",
        "x: 1 + 2λ = μ  ⇔  2λ - μ = -1",
        "y: 1/2 - λ = 1 + μ  ⇔  -λ - μ = 1/2",
        "z: 1/3·λ = 2 - μ  ⇔  1/3·λ + μ = 2",
        "x- und y-Gleichung lösen:",
        "(x) + 2·(y): -3μ = 0  ⇒  μ = 0",
        "μ = 0 in x: 2λ = -1  ⇒  λ = -1/2",
        "Probe z: 1/3·(-1/2) + 1·0 = -1/6 ≠ 2  Widerspruch",
        "Widerspruch in der z-Gleichung: g und h sind windschief",
        "Abstand mit dem Normalenvektor n = u × v:",
        "u × v:",
        "x: -1·(-1) - (1/3)·1 = 2/3",
        "y: 1/3·1 - 2·(-1) = 7/3",
        "z: 2·1 - (-1)·1 = 3",
        "u × v = (2/3|7/3|3)",
        "q - p = (-1|1/2|2)",
        "n·(q - p) = 2/3·(-1) + 7/3·(1/2) + 3·2 = 13/2",
        "|n| = √((2/3)² + (7/3)² + 3²) = √(134/9) = 1/3·√(134)",
        "    ≈ 3,859",
        "d = |n·(q - p)| / |n| = |13/2| / √(134/9) = √(1521/536)",
        "    = 39/268·√(134) ≈ 1,685",
        "Lotfußpunkte P = p + r·u auf g und Q = q + s·v auf h,",
        "PQ = q - p + s·v - r·u senkrecht zu u und zu v:",
        "u·u = 46/9, u·v = 2/3, v·v = 3, (q - p)·u = -11/6,",
        "    (q - p)·v = -5/2",
        "I:  PQ·u = 0  ⇔  46/9·r - 2/3·s = -11/6",
        "II: PQ·v = 0  ⇔  2/3·r - 3s = -5/2",
        "3·(I) - 23·(II): 67s = 52  ⇒  s = 52/67",
        "s = 52/67 in I: 46/9·r - 104/201 = -11/6  ⇒  r = -69/268",
        "P = p + r·u = (1|1/2|0) + (-69/268)·(2|-1|1/3)",
        "    = (65/134|203/268|-23/268)",
        "Q = q + s·v = (0|1|2) + (52/67)·(1|1|-1)",
        "    = (52/67|119/67|82/67)",
    }));
    EXPECT_EQ(run.block, (Lines{"g , h  windschief ", "Abstand d = √(1521/536) = 1,685", "Lotfußpunkte:",
                                "P(0,485|0,757|-0,086)  ", "Q(0,776|1,776|1,224)  "}));
}

TEST(LineLineWorking, IntersectingLineThroughPAndQ) {
    TypedScene t;
    t.line(LineG, {"1", "1/2", "0"}, {"2", "-1", "1/3"});
    t.point(PointP, "3", "-1/2", "1/3");
    t.point(PointQ, "3", "1", "4/3");
    EXPECT_EQ(runButton("SpeedButton_g_mit_g1", t).working, (Lines{
        "Rechenweg: Lage von g und g2",
        "g: p = (1|1/2|0), u = (2|-1|1/3)",
        "g2: q = (3|-1/2|1/3), v = (0|3/2|1)",
        "1. Richtungsvektoren:",
        "u = k·v ?",
        "y: -1 = k·(3/2)  ⇒  k = -2/3",
        "x: 2 ≠ -2/3·0 = 0  falsch",
        "z: 1/3 ≠ -2/3·1 = -2/3  falsch",
        "u ist kein Vielfaches von v: nicht parallel",
        "2. Gleichungssystem p + λ·u = q + μ·v:",
        "⎧  1⎫     ⎧  2⎫   ⎧   3⎫     ⎧  0⎫ ",
        "⎪1/2⎟ + λ·⎪ -1⎟ = ⎪-1/2⎟ + μ·⎪3/2⎟ ",
        "⎩  0⎭     ⎩1/3⎭   ⎩ 1/3⎭     ⎩  1⎭ ",
        "x: 1 + 2λ = 3  ⇔  2λ = 2",
        "y: 1/2 - λ = -1/2 + 3/2·μ  ⇔  -λ - 3/2·μ = -1",
        "z: 1/3·λ = 1/3 + μ  ⇔  1/3·λ - μ = 1/3",
        "x- und y-Gleichung lösen:",
        "x: 2λ = 2  ⇒  λ = 1",
        "λ = 1 in y: -3/2·μ - 1 = -1  ⇒  μ = 0",
        "Probe z: 1/3·1 - 1·0 = 1/3  erfüllt",
        "S = p + λ·u = (1|1/2|0) + 1·(2|-1|1/3) = (3|-1/2|1/3)",
        "g und g2 schneiden sich in S(3|-1/2|1/3)",
        "Schnittwinkel:",
        "u·v = 2·0 - 1·(3/2) + 1/3·1 = -7/6",
        "|u| = √(2² + (-1)² + (1/3)²) = √(46/9) = 1/3·√(46) ≈ 2,261",
        "|v| = √(0² + (3/2)² + 1²) = √(13/4) = 1/2·√(13) ≈ 1,803",
        "cos φ = |u·v| / (|u|·|v|)",
        "cos φ = |-7/6| / (√(46/9)·√(13/4)) = 7/598·√(598) ≈ 0,286",
        "φ = arccos(7/598·√(598)) ≈ 73,366°",
    }));
}

// Parallel lines: q tested on g, then the distance |(q - p) × u| / |u|
// with a fraction as divisor.
TEST(LineLineWorking, ParallelLinesWithTheirDistance) {
    TypedScene t;
    t.line(LineG, {"0", "0", "0"}, {"1/2", "1", "1"});
    t.line(LineH, {"1", "0", "0"}, {"1", "2", "2"});
    const ButtonRun run = runButton("SpeedButton_g_mit_h", t);
    EXPECT_EQ(run.working, (Lines{
        "Rechenweg: Lage von g und h",
        "g: p = (0|0|0), u = (1/2|1|1)",
        "h: q = (1|0|0), v = (1|2|2)",
        "1. Richtungsvektoren:",
        "u = k·v ?",
        "x: 1/2 = k·1  ⇒  k = 1/2",
        "y: 1 = 1/2·2 = 1  wahr",
        "z: 1 = 1/2·2 = 1  wahr",
        "u = 1/2·v: u und v sind parallel",
        "2. Liegt q auf g?",
        "Ansatz: q = p + λ·u",
        "⎧1⎫   ⎧0⎫     ⎧1/2⎫ ",
        "⎪0⎟ = ⎪0⎟ + λ·⎪  1⎟ ",
        "⎩0⎭   ⎩0⎭     ⎩  1⎭ ",
        "x: 1 = 1/2·λ  ⇒  λ = 2",
        "y: 0 = λ",
        "z: 0 = λ",
        "Widerspruch in der y-Gleichung: q liegt nicht auf g",
        "g und h sind parallel",
        "Abstand: d = |(q - p) × u| / |u|",
        "q - p = (1|0|0)",
        "(q - p) × u:",
        "x: 0·1 - 0·1 = 0",
        "y: 0·(1/2) - 1·1 = -1",
        "z: 1·1 - 0·(1/2) = 1",
        "(q - p) × u = (0|-1|1)",
        "d = √(2) / (3/2) = √(8/9) = 2/3·√(2) ≈ 0,943",
    }));
    EXPECT_EQ(run.block, (Lines{"g || h ", "Abstand d = √(8/9) = 0,943"}));
}

// Random whole-number lines: skew ones, and lines built to intersect, to be
// parallel or identical, a few with a null direction. The case and every
// number agree with the result block.
TEST(LineLineWorking, AgreesWithTheResultBlockOnRandomInputs) {
    RandomInputs random(1402);
    for (int sample = 0; sample < 300; ++sample) {
        const std::array<long, 3> p = whole3(random.triple()), u = whole3(random.triple());
        std::array<long, 3> q = whole3(random.triple()), v = whole3(random.triple());
        const long k = random.whole(3), m = random.whole(3);
        const long j = random.oneIn(2) ? 2 + random.whole(1) : -2;  // 1, 2, 3 or -2
        if (random.oneIn(4)) {  // intersecting: q + m·v = p + k·u
            for (std::size_t i = 0; i < 3; ++i) q[i] = p[i] + k * u[i] - m * v[i];
        } else if (random.oneIn(4)) {  // parallel, sometimes identical
            for (std::size_t i = 0; i < 3; ++i) v[i] = j * u[i];
            if (random.oneIn(2))
                for (std::size_t i = 0; i < 3; ++i) q[i] = p[i] + k * u[i];
        } else if (random.oneIn(20)) {
            v = {0, 0, 0};
        }
        TypedScene t;
        t.line(LineG, texts3(p), texts3(u));
        t.line(LineH, texts3(q), texts3(v));
        t.point(PointP, std::to_string(q[0]), std::to_string(q[1]), std::to_string(q[2]));
        t.point(PointQ, std::to_string(q[0] + v[0]), std::to_string(q[1] + v[1]), std::to_string(q[2] + v[2]));
        for (const char* name : {"SpeedButton_g_mit_h", "SpeedButton_g_mit_g1"}) {
            const ButtonRun run = runButton(name, t);
            expectCleanWorking(run);
            const std::string& first = run.block.front();
            if (contains(first, "Nullvektor")) {
                EXPECT_TRUE(run.outcome.stopped) << first;
                continue;
            }
            const int status = contains(first, "windschief") ? 3 : contains(first, "∩") ? 2 : contains(first, "||") ? 1 : 0;
            ASSERT_EQ(run.outcome.status, status) << name << ": " << first;
            const auto& values = run.outcome.values;
            const auto& vectors = run.outcome.vectors;
            if (status == 2) {
                EXPECT_TRUE(pointAgrees(vectors.at("S"), pointAfter(first, "S(")));
                EXPECT_TRUE(agreesAfterRounding(values.at("α"), numberAfter(run.block[1], "α = ")));
            }
            if (status == 1 || status == 3) {
                EXPECT_TRUE(agreesAfterRounding(values.at("d"), numberAfter(run.block[1], ") = ")));
            }
            if (status == 3) {
                EXPECT_TRUE(pointAgrees(vectors.at("P"), pointAfter(run.block[3], "P(")));
                EXPECT_TRUE(pointAgrees(vectors.at("Q"), pointAfter(run.block[4], "Q(")));
            }
        }
    }
}

}  // namespace
