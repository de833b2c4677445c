// The working of the point tests S auf g, S auf h, S auf E1, S auf E3.
#include "WorkingTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

TEST(PointTestWorking, PointOnGWithFractions) {
    TypedScene t;
    t.line(LineG, {"1/2", "0", "2"}, {"0,75", "-1", "0"});
    t.point(PointS, "2", "-2", "2");
    const ButtonRun run = runButton("SpeedButton_S_mit_g", t);
    EXPECT_EQ(run.working, (Lines{
        "Rechenweg: Punktprobe S auf g",
        "g: p = (1/2|0|2), u = (3/4|-1|0)",
        "S = (2|-2|2)",
        "Ansatz: S = p + λ·u",
        "⎧ 2⎫   ⎧1/2⎫     ⎧3/4⎫ ",
        "⎪-2⎟ = ⎪  0⎟ + λ·⎪ -1⎟ ",
        "⎩ 2⎭   ⎩  2⎭     ⎩  0⎭ ",
        "x: 2 = 1/2 + 3/4·λ  ⇔  3/4·λ = 3/2  ⇒  λ = 2",
        "y: -2 = -λ  ⇒  λ = 2",
        "z: 2 = 2  wahr für jedes λ",
        "alle drei Gleichungen erfüllt: S liegt auf g mit λ = 2",
    }));
    EXPECT_EQ(run.block, (Lines{"S liegt auf g mit λ = 2"}));
}

TEST(PointTestWorking, PointBesideHWithTheFootOfThePerpendicular) {
    TypedScene t;
    t.line(LineH, {"1", "-1/3", "0"}, {"2", "1", "-0,5"});
    t.point(PointS, "3", "1/2", "-1");
    EXPECT_EQ(runButton("SpeedButton_S_mit_h", t).working, (Lines{
        "Rechenweg: Punktprobe S auf h",
        "h: p = (1|-1/3|0), u = (2|1|-1/2)",
        "S = (3|1/2|-1)",
        "Ansatz: S = p + λ·u",
        "⎧  3⎫   ⎧   1⎫     ⎧   2⎫ ",
        "⎪1/2⎟ = ⎪-1/3⎟ + λ·⎪   1⎟ ",
        "⎩ -1⎭   ⎩   0⎭     ⎩-1/2⎭ ",
        "x: 3 = 1 + 2λ  ⇔  2λ = 2  ⇒  λ = 1",
        "y: 1/2 = -1/3 + λ  ⇔  λ = 5/6",
        "z: -1 = -1/2·λ  ⇒  λ = 2",
        "Widerspruch in der y-Gleichung: S liegt nicht auf h",
        "Lotfußpunkt F = p + k·u mit (F - S)·u = 0:",
        "(p - S)·u + k·u·u = 0  ⇔  -16/3 + 21/4·k = 0  ⇒  k = 64/63",
        "F = p + k·u = (1|-1/3|0) + (64/63)·(2|1|-1/2)",
        "    = (191/63|43/63|-32/63)",
        "d = |F - S| = |(2/63|23/126|31/63)| = √(209/756)",
        "    = 1/126·√(4389) ≈ 0,526",
    }));
}

// S put into E1's equation: in E1, λ and μ of E1's own parameter form are
// read off two equations; beside E1, the distance by the Hesse normal form
// and the foot on the line through S along n.
TEST(PointTestWorking, PointAndE1ByItsEquation) {
    TypedScene t;
    t.coefficients(PlaneE1, {"2", "-1/2", "3/2", "4"});
    t.point(PointS, "1/2", "1", "7/3");  // 1 - 1/2 + 7/2 = 4: in E1
    const ButtonRun in = runButton("SpeedButton_S_mit_E1", t);
    EXPECT_EQ(in.working, (Lines{
        "Rechenweg: Punktprobe S auf E1",
        "E1: 2x - 1/2·y + 3/2·z = 4, S = (1/2|1|7/3)",
        "S in E1 einsetzen: 2·(1/2) - 1/2·1 + 3/2·(7/3) = 4  wahr",
        "λ und μ in der Parameterform x = P + λ·u + μ·v von E1:",
        "Punkt P von E1 mit x = 1, y = 1: 2 - 1/2 + 3/2·z = 4",
        "    ⇒  z = 5/3",
        "Spannvektoren mit n·u = 0 und n·v = 0: u = (-3/4|0|1),",
        "    v = (1/4|1|0)",
        "z: 7/3 = 5/3 + λ  ⇒  λ = 2/3",
        "y: 1 = 1 + μ  ⇒  μ = 0",
        "S liegt auf E1 mit λ = 2/3, μ = 0",
    }));
    EXPECT_EQ(in.block, (Lines{"S liegt auf E1 mit λ = 0,667   μ = 0"}));

    t.coefficients(PlaneE1, {"15", "12", "10", "60"});
    t.point(PointS, "6", "8", "8");
    const ButtonRun beside = runButton("SpeedButton_S_mit_E1", t);
    EXPECT_EQ(beside.working, (Lines{
        "Rechenweg: Punktprobe S auf E1",
        "E1: 15x + 12y + 10z = 60, S = (6|8|8)",
        "S in E1 einsetzen: 15·6 + 12·8 + 10·8 = 266 ≠ 60",
        "S liegt nicht auf E1",
        "Abstand mit der Hesseschen Normalenform, n₀ = n / |n|:",
        "|n| = √(15² + 12² + 10²) = √(469) ≈ 21,656",
        "E1: (15x + 12y + 10z - 60) / √(469) = 0",
        "d = |n·S - 60| / |n| = |266 - 60| / √(469) = √(42436/469)",
        "    = 206/469·√(469) ≈ 9,512",
        "Lotfußpunkt F auf der Lotgeraden x = S + k·n:",
        "n·(S + k·n) = 60  ⇔  266 + 469k = 60  ⇒  k = -206/469",
        "F = S + k·n = (6|8|8) + (-206/469)·(15|12|10)",
        "    = (-276/469|1280/469|1692/469)",
    }));
    EXPECT_EQ(beside.block, (Lines{"S liegt nicht auf E1", "Abstand d = √(42436/469) = 9,512",
                                   "Lotfußpunkt F(-0,588|2,729|3,608)  "}));
}

TEST(PointTestWorking, PointBesideE3) {
    TypedScene t;
    t.plane(PlaneE3, {"1", "0", "1/2"}, {"2", "1", "0"}, {"0", "1/3", "-1"});
    t.point(PointS, "5", "3", "-0,5");
    EXPECT_EQ(runButton("SpeedButton_S_mit_E3", t).working, (Lines{
        "Rechenweg: Punktprobe S auf E3",
        "E3: p = (1|0|1/2), u = (2|1|0), v = (0|1/3|-1)",
        "S = (5|3|-1/2)",
        "Ansatz: S = p + λ·u + μ·v",
        "⎧   5⎫   ⎧  1⎫     ⎧2⎫     ⎧  0⎫ ",
        "⎪   3⎟ = ⎪  0⎟ + λ·⎪1⎟ + μ·⎪1/3⎟ ",
        "⎩-1/2⎭   ⎩1/2⎭     ⎩0⎭     ⎩ -1⎭ ",
        "x: 5 = 1 + 2λ  ⇔  2λ = 4",
        "y: 3 = λ + 1/3·μ  ⇔  λ + 1/3·μ = 3",
        "z: -1/2 = 1/2 - μ  ⇔  -μ = -1",
        "x- und y-Gleichung lösen:",
        "x: 2λ = 4  ⇒  λ = 2",
        "λ = 2 in y: 1/3·μ + 2 = 3  ⇒  μ = 3",
        "Probe z: 0·2 - 1·3 = -3 ≠ -1  Widerspruch",
        "Widerspruch in der z-Gleichung: S liegt nicht auf E3",
        "Abstand und Lotfußpunkt mit der Koordinatenform:",
        "Koordinatenform von E3 mit dem Normalenvektor n = u × v:",
        "u × v:",
        "x: 1·(-1) - 0·(1/3) = -1",
        "y: 0·0 - 2·(-1) = 2",
        "z: 2·(1/3) - 1·0 = 2/3",
        "u × v = (-1|2|2/3)",
        "n·p = -1·1 + 2·0 + 2/3·(1/2) = -2/3",
        "E3: -x + 2y + 2/3·z = -2/3",
        "Abstand mit der Hesseschen Normalenform, n₀ = n / |n|:",
        "|n| = √((-1)² + 2² + (2/3)²) = √(49/9) = 7/3",
        "E3: (-x + 2y + 2/3·z + 2/3) / (7/3) = 0",
        "d = |n·S + 2/3| / |n| = |2/3 + 2/3| / (7/3) = 4/7",
        "Lotfußpunkt F auf der Lotgeraden x = S + k·n:",
        "n·(S + k·n) = -2/3  ⇔  2/3 + 49/9·k = -2/3  ⇒  k = -12/49",
        "F = S + k·n = (5|3|-1/2) + (-12/49)·(-1|2|2/3)",
        "    = (257/49|123/49|-65/98)",
    }));
}

// Random whole-number scenes, a third of them with S built onto the line or
// plane: the verdict and the parameters agree with the result block.
TEST(PointTestWorking, AgreesWithTheResultBlockOnRandomInputs) {
    RandomInputs random(1401);
    for (int sample = 0; sample < 300; ++sample) {
        TypedScene t;
        const bool onIt = random.oneIn(3);
        const bool degenerate = random.oneIn(30);
        const std::array<long, 3> p = whole3(random.triple()), u = whole3(random.triple()), v = whole3(random.triple());
        const std::array<long, 3> zero = {0, 0, 0};
        const long k = random.whole(3), m = random.whole(3);
        std::array<long, 3> S = whole3(random.triple());
        for (int line : {LineG, LineH}) {
            const std::array<long, 3> direction = degenerate ? zero : u;
            if (onIt)
                for (std::size_t i = 0; i < 3; ++i) S[i] = p[i] + k * direction[i];
            t.line(line, texts3(p), texts3(direction));
            t.point(PointS, std::to_string(S[0]), std::to_string(S[1]), std::to_string(S[2]));
            const ButtonRun run = runButton(line == LineG ? "SpeedButton_S_mit_g" : "SpeedButton_S_mit_h", t);
            expectCleanWorking(run);
            ASSERT_FALSE(run.block.empty());
            const std::string& first = run.block.front();
            if (contains(first, "Nullvektor")) {
                EXPECT_TRUE(run.outcome.stopped) << first;
                continue;
            }
            EXPECT_EQ(run.outcome.status, contains(first, "liegt auf") ? 2 : 1) << first;
            if (run.outcome.status == 2) {
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("λ"), numberAfter(first, "λ = ")));
            } else {
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("d"), numberAfter(run.block[1], ") = ")));
                EXPECT_TRUE(pointAgrees(run.outcome.vectors.at("F"), pointAfter(run.block[2], "F(")));
            }
        }
        // E3 and E1, with S = p + k·u + m·v for a third of them.
        if (onIt)
            for (std::size_t i = 0; i < 3; ++i) S[i] = p[i] + k * u[i] + m * v[i];
        t.point(PointS, std::to_string(S[0]), std::to_string(S[1]), std::to_string(S[2]));
        t.plane(PlaneE3, texts3(p), texts3(degenerate ? v : u), texts3(v));
        std::array<long, 4> e1 = {random.whole(), random.whole(), random.whole(), random.whole()};
        if (degenerate) e1[0] = e1[1] = e1[2] = 0;
        if (onIt) e1[3] = e1[0] * S[0] + e1[1] * S[1] + e1[2] * S[2];
        t.coefficients(PlaneE1, {std::to_string(e1[0]), std::to_string(e1[1]), std::to_string(e1[2]),
                                 std::to_string(e1[3])});
        for (const char* name : {"SpeedButton_S_mit_E1", "SpeedButton_S_mit_E3"}) {
            const ButtonRun run = runButton(name, t);
            expectCleanWorking(run);
            const std::string& first = run.block.front();
            if (contains(first, "Ebene") || contains(first, "Nullvektor")) {
                EXPECT_TRUE(run.outcome.stopped) << first;
                continue;
            }
            ASSERT_FALSE(run.outcome.stopped) << name << " " << first;
            EXPECT_EQ(run.outcome.status, contains(first, "liegt auf") ? 2 : 1) << name << " " << first;
            if (run.outcome.status == 1) {
                EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("d"), numberAfter(run.block[1], ") = ")));
                EXPECT_TRUE(pointAgrees(run.outcome.vectors.at("F"), pointAfter(run.block[2], "F(")));
            }
            if (run.outcome.status != 2) continue;
            EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("λ"), numberAfter(first, "λ = "))) << first;
            EXPECT_TRUE(agreesAfterRounding(run.outcome.values.at("μ"), numberAfter(first, "μ = "))) << first;
        }
    }
}

TEST(PointTestWorking, DegenerateInputsEndWithASentence) {
    TypedScene t;
    t.line(LineG, {"1", "2", "3"}, {"0", "0", "0"});
    t.coefficients(PlaneE1, {"0", "0", "0", "5"});
    t.plane(PlaneE3, {"1", "0", "0"}, {"1", "2", "3"}, {"-2", "-4", "-6"});
    const std::pair<const char*, const char*> cases[] = {
        {"SpeedButton_S_mit_g", "Der Richtungsvektor von g ist der Nullvektor, g ist keine Gerade; der Rechenweg endet hier."},
        {"SpeedButton_S_mit_E1", "In E1 ist a = b = c = 0, E1 ist keine Ebene; der Rechenweg endet hier."},
        {"SpeedButton_S_mit_E3", "Die Spannvektoren von E3 sind parallel (u × v = 0), E3 ist keine Ebene; der Rechenweg endet hier."},
    };
    for (const auto& [name, sentence] : cases) {
        const ButtonRun run = runButton(name, t);
        EXPECT_TRUE(run.outcome.stopped) << name;
        expectCleanWorking(run);
        EXPECT_TRUE(endsWithSentence(run, sentence)) << name;
        EXPECT_EQ(run.working.size(), 1 + working::wrapLine(sentence).size()) << name;
    }
}

// A formula of g has no exact form, and neither has a field whose text was
// changed without being committed: the working takes the value the result
// block uses, as a decimal.
TEST(PointTestWorking, InputsWithoutExactFormAreDecimals) {
    TypedScene t;
    t.line(LineG, {"0", "0", "0"}, {"1", "0", "0"});
    t.texts["Edit_vgx"] = "w(2)";
    t.scene.lineDirection[LineG].x = std::sqrt(2.0L);
    t.point(PointS, "2", "0", "0");
    t.texts["Edit_Punkt7_y"] = "5";  // typed, not yet left: the Scene still holds 0
    const ButtonRun run = runButton("SpeedButton_S_mit_g", t);
    EXPECT_EQ(run.working[1], "g: p = (0|0|0), u = (1,414|0|0)");
    EXPECT_EQ(run.working[2], "S = (2|0|0)");
    EXPECT_EQ(run.working[7], "x: 2 = 1,414λ  ⇒  λ ≈ 1,414");
    EXPECT_EQ(run.outcome.status, 2);
    EXPECT_EQ(run.block.front(), "S liegt auf g mit λ = 1,414");
}

}  // namespace
