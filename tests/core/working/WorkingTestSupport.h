#pragma once
// A scene typed into the fields: every value set both as field text and as
// the Scene value the number reader makes of it (derived values as the input
// window derives them). Runs a button's working and its result block, and
// reads the block's numbers back for comparison.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "core/calc/CalcCommands.h"
#include "core/output/OutputLog.h"
#include "core/model/InputWindowTables.h"
#include "core/numbers/NumberReader.h"
#include "core/working/Working.h"
#include "core/working/WorkingSheet.h"

using exact::FieldTexts;

struct TypedScene {
    Scene scene;
    FieldTexts texts;

    // Texts of the start-up, so every field has one.
    TypedScene() {
        for (int i = 0; i < PointCount; ++i) {
            const auto& row = inputwindow::kPoints[std::size_t(i)];
            point(i, row.startup[0], row.startup[1], row.startup[2]);
        }
        triple(inputwindow::kSupportG.prefix, scene.lineSupport[LineG], {"3", "3", "4"});
        triple(inputwindow::kDirectionG.prefix, scene.lineDirection[LineG], {"-4", "5", "1,5"});
        line(LineH, {"4", "0", "6"}, {"0", "7", "-6"});
        auto s = [](const auto& a) {
            std::array<std::string, std::tuple_size_v<std::decay_t<decltype(a)>>> out;
            for (std::size_t i = 0; i < a.size(); ++i) out[i] = a[i];
            return out;
        };
        for (const auto& row : inputwindow::kCoordinatePlanes) coefficients(row.number, s(row.startup));
        for (const auto& row : inputwindow::kParameterPlanes) plane(row.number, s(row.p), s(row.u), s(row.v));
    }

    static Real read(const std::string& text) {
        const NumberReadResult r = parseNumberOrFraction(text);
        EXPECT_TRUE(r.ok) << text;
        return r.value;
    }

    void triple(const std::string& prefix, Vector3& target, const std::array<std::string, 3>& texts3) {
        const auto names = exact::tripleFieldNames(prefix);
        for (int a = 0; a < 3; ++a) {
            texts[names[std::size_t(a)]] = texts3[std::size_t(a)];
            axisValue(target, a) = read(texts3[std::size_t(a)]);
        }
    }

    // A point, then E5, AD and g2 derived from the points.
    void point(int point, const std::string& x, const std::string& y, const std::string& z) {
        const auto names = exact::pointFieldNames(point);
        const std::array<std::string, 3> xyz = {x, y, z};
        for (int a = 0; a < 3; ++a) {
            texts[names[std::size_t(a)]] = xyz[std::size_t(a)];
            axisValue(scene.points[std::size_t(point)], a) = read(xyz[std::size_t(a)]);
        }
        derive();
    }

    void derive() {
        const auto& p = scene.points;
        auto set = [](Vector3& target, const Vector3& from, const Vector3& to) {
            target.x = to.x - from.x;
            target.y = to.y - from.y;
            target.z = to.z - from.z;
        };
        set(scene.planeSpanU[PlaneE5], p[PointA], p[PointB]);
        set(scene.planeSpanV[PlaneE5], p[PointA], p[PointC]);
        set(scene.vectorAD, p[PointA], p[PointD]);
        set(scene.lineDirection[LineG2], p[PointP], p[PointQ]);
        set(scene.planeSupport[PlaneE5], Vector3{}, p[PointA]);
        set(scene.lineSupport[LineG2], Vector3{}, p[PointP]);
    }

    // g (1) or h (2).
    void line(int line, const std::array<std::string, 3>& p, const std::array<std::string, 3>& u) {
        const bool g = line == LineG;
        triple(g ? inputwindow::kSupportG.prefix : inputwindow::kSupportH.prefix, scene.lineSupport[std::size_t(line)], p);
        triple(g ? inputwindow::kDirectionG.prefix : inputwindow::kDirectionH.prefix,
               scene.lineDirection[std::size_t(line)], u);
    }

    // E1 or E2.
    void coefficients(int plane, const std::array<std::string, 4>& k) {
        for (int i = 0; i < 4; ++i) {
            texts[exact::coefficientFieldName(plane, i)] = k[std::size_t(i)];
            scene.planeCoeffs[std::size_t(plane)][std::size_t(i)] = read(k[std::size_t(i)]);
        }
    }

    // E3 or E4 (E3 also into the copies of its spanning vectors).
    void plane(int plane, const std::array<std::string, 3>& p, const std::array<std::string, 3>& u,
               const std::array<std::string, 3>& v) {
        const std::string n = std::to_string(plane);
        triple("p" + n, scene.planeSupport[std::size_t(plane)], p);
        triple("u" + n, scene.planeSpanU[std::size_t(plane)], u);
        triple("v" + n, scene.planeSpanV[std::size_t(plane)], v);
        if (plane == PlaneE3) {
            scene.e3SpanCopyU = scene.planeSpanU[PlaneE3];
            scene.e3SpanCopyV = scene.planeSpanV[PlaneE3];
        }
    }
};

// The working and the result block of one button on one scene.
struct ButtonRun {
    std::vector<std::string> working;  // the working's lines
    std::vector<std::string> block;    // the result block's lines
    working::WorkingOutcome outcome;
};

inline const CalculationButton& buttonNamed(const std::string& name) {
    for (const CalculationButton& button : calculationButtons())
        if (name == button.objectName) return button;
    ADD_FAILURE() << "no button " << name;
    return calculationButtons().front();
}

inline ButtonRun runButton(const std::string& name, const TypedScene& typed) {
    ButtonRun run;
    PlainTextOutputLog workingLog, blockLog;
    EXPECT_TRUE(working::writeWorking(name, typed.scene, typed.texts, workingLog, &run.outcome)) << name;
    Scene scene = typed.scene;
    buttonNamed(name).run(scene, exact::buildExactScene(typed.scene, typed.texts), blockLog);
    run.working = workingLog.lines();
    run.block = blockLog.lines();
    return run;
}

// The numbers of a result text ("S(1|2,5|-3)", "√(50/3) = 4,082") in order,
// fractions as their quotient.
inline std::vector<Real> numbersIn(const std::string& text) {
    static const std::regex number(R"((-?\d+(?:,\d+)?(?:E-?\d+)?)(?:/(\d+(?:,\d+)?))?)");
    std::vector<Real> values;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it) {
        std::string n = (*it)[1].str();
        for (char& c : n)
            if (c == ',') c = '.';
        Real value = std::strtold(n.c_str(), nullptr);
        if ((*it)[2].matched) {
            std::string d = (*it)[2].str();
            for (char& c : d)
                if (c == ',') c = '.';
            value /= std::strtold(d.c_str(), nullptr);
        }
        values.push_back(value);
    }
    return values;
}

// The value agrees with the block's text rounded to `digits` decimals.
inline ::testing::AssertionResult agreesAfterRounding(Real exact, Real shown, int digits = 3) {
    const Real half = 0.5L * std::pow(10.0L, -digits);
    if (std::fabs(exact - shown) <= half + 1E-9L * std::max<Real>(1, std::fabs(exact)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "working " << static_cast<double>(exact) << " vs block "
                                         << static_cast<double>(shown);
}

// Every working line fits the output area, and nothing is "nan", "inf" or
// "nicht berechenbar" unless the block says so too.
inline void expectCleanWorking(const ButtonRun& run) {
    std::string blockText;
    for (const auto& line : run.block) blockText += line + "\n";
    const bool blockFails = blockText.find("nicht berechenbar") != std::string::npos;
    for (const auto& line : run.working) {
        EXPECT_LE(utf8Length(line), 60) << line;
        std::string lower;
        for (char ch : line) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
        EXPECT_EQ(lower.find("nan"), std::string::npos) << line;
        EXPECT_EQ(lower.find("inf"), std::string::npos) << line;
        if (!blockFails) {
            EXPECT_EQ(line.find("nicht berechenbar"), std::string::npos) << line;
        }
    }
}

// Whole numbers in [-range, range] as texts.
class RandomInputs {
public:
    explicit RandomInputs(unsigned seed) : engine_(seed) {}
    long whole(long range = 9) { return std::uniform_int_distribution<long>(-range, range)(engine_); }
    std::string text(long range = 9) { return std::to_string(whole(range)); }
    std::array<std::string, 3> triple(long range = 9) { return {text(range), text(range), text(range)}; }
    // True with probability 1/n.
    bool oneIn(int n) { return std::uniform_int_distribution<int>(1, n)(engine_) == 1; }

private:
    std::mt19937 engine_;
};

inline std::array<long, 3> whole3(const std::array<std::string, 3>& t) {
    return {std::stol(t[0]), std::stol(t[1]), std::stol(t[2])};
}
inline std::array<std::string, 3> texts3(const std::array<long, 3>& v) {
    return {std::to_string(v[0]), std::to_string(v[1]), std::to_string(v[2])};
}

// The first number after `marker` in the line ("λ = " in 'S liegt auf g mit
// λ = 1,5'); NaN when the marker is missing.
inline Real numberAfter(const std::string& line, const std::string& marker) {
    const auto at = line.find(marker);
    if (at == std::string::npos) return std::nanl("");
    const std::vector<Real> numbers = numbersIn(line.substr(at + marker.size()));
    return numbers.empty() ? std::nanl("") : numbers.front();
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The three coordinates after `marker` ("S(" in 'g ∩ h = S(3|1|2)  ').
inline std::array<Real, 3> pointAfter(const std::string& line, const std::string& marker) {
    const auto at = line.find(marker);
    if (at == std::string::npos) return {std::nanl(""), std::nanl(""), std::nanl("")};
    const std::vector<Real> n = numbersIn(line.substr(at + marker.size()));
    if (n.size() < 3) return {std::nanl(""), std::nanl(""), std::nanl("")};
    return {n[0], n[1], n[2]};
}

inline ::testing::AssertionResult pointAgrees(const std::array<Real, 3>& exact, const std::array<Real, 3>& shown) {
    for (std::size_t i = 0; i < 3; ++i) {
        ::testing::AssertionResult r = agreesAfterRounding(exact[i], shown[i]);
        if (!r) return r << " in component " << i;
    }
    return ::testing::AssertionSuccess();
}

// The working ends with this sentence (wrapped as the sheet wraps it).
inline ::testing::AssertionResult endsWithSentence(const ButtonRun& run, const std::string& sentence) {
    const std::vector<std::string> expected = working::wrapLine(sentence);
    if (run.working.size() >= expected.size() &&
        std::equal(expected.begin(), expected.end(), run.working.end() - std::ptrdiff_t(expected.size())))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ends with '" << run.working.back() << "'";
}

// Expected lines put together from parts that several examples share.
inline std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The result block's case for a line or plane with a plane: 2 intersecting
// ("∩"), 1 parallel ("||"), 0 identical or in the plane; -1 when the block
// says the input is no line or plane, where the working must have stopped.
inline int incidenceStatus(const ButtonRun& run) {
    const std::string& first = run.block.front();
    if (contains(first, "Ebene") || contains(first, "Nullvektor")) {
        EXPECT_TRUE(run.outcome.stopped) << first;
        return -1;
    }
    const int status = contains(first, "∩") ? 2 : contains(first, "||") ? 1 : 0;
    EXPECT_EQ(run.outcome.status, status) << first;
    return status;
}
