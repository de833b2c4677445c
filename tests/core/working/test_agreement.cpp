// Result and working agree, always: on random scenes typed with whole
// numbers, decimals, fractions, null vectors, parallel and identical
// objects and tiny (10⁻²⁰) or huge (10¹⁵) components, every button's working
// comes to the verdict its result block states, and its final values are
// the block's after rounding. SPATIUM_LONG_TESTS=1 runs 10 000 scenes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "WorkingTestSupport.h"
#include "core/calc/RandomScenes.h"
#include "core/model/SceneInput.h"

namespace {

// What a result block says: the case in the working's numbering (-1 when
// it refuses the input), and its values by the working's names.
struct BlockReading {
    int status = -1;
    std::map<std::string, Real> values;
    int digits = 3;  // the values' decimals
    std::map<std::string, std::array<Real, 3>> vectors;
};

std::string textOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// A block that refuses its input: no line, no plane, no direction.
bool refuses(const std::string& text) {
    return contains(text, "Nullvektor") || contains(text, "keine Ebene vor") ||
           contains(text, "Keine Aussage möglich");
}

// The distance "Abstand d = √(…) = 0,561": the value after the last "= ".
Real distanceIn(const std::string& line) {
    return numberAfter(line.substr(line.rfind("= ")), "= ");
}

const std::string* lineWith(const std::vector<std::string>& block, const std::string& part) {
    for (const auto& line : block)
        if (contains(line, part)) return &line;
    return nullptr;
}

BlockReading readPointTest(const std::vector<std::string>& block, bool plane) {
    BlockReading r;
    const std::string& first = block.front();
    if (refuses(textOf(block))) return r;
    r.status = contains(first, "liegt auf") ? 2 : 1;
    if (r.status == 2) {
        r.values["λ"] = numberAfter(first, "λ = ");
        if (plane) r.values["μ"] = numberAfter(first, "μ = ");
    }
    return r;
}

BlockReading readIncidence(const std::vector<std::string>& block, bool lines) {
    BlockReading r;
    const std::string text = textOf(block);
    if (refuses(text)) return r;
    const std::string& first = block.front();
    if (contains(first, "windschief")) r.status = 3;
    else if (contains(first, "∩")) r.status = 2;
    else if (contains(first, "||")) r.status = 1;
    else r.status = 0;
    if (r.status == 1 || r.status == 3) r.values["d"] = distanceIn(*lineWith(block, "Abstand d"));
    if (r.status == 2) {
        r.values["α"] = numberAfter(*lineWith(block, "Schnittwinkel"), "= ");
        if (lines || contains(first, "S(")) r.vectors["S"] = pointAfter(first, "S(");
    }
    if (r.status == 3) {
        r.vectors["P"] = pointAfter(*lineWith(block, "P("), "P(");
        r.vectors["Q"] = pointAfter(*lineWith(block, "Q("), "Q(");
    }
    return r;
}

BlockReading readMeasure(const std::vector<std::string>& block, const std::string& marker, const char* name) {
    BlockReading r;
    r.status = 1;
    if (const std::string* line = lineWith(block, marker)) r.values[name] = numberAfter(*line, marker);
    return r;
}

// The quadrilateral and the bodies over it: 0 no plane, 1 a measure, 2
// crossing sides.
BlockReading readOverABCD(const std::vector<std::string>& block, const std::string& marker, const char* name) {
    BlockReading r;
    const std::string& first = block.front();
    if (contains(first, "keine Ebene")) r.status = 0;
    else if (contains(first, "überschneiden")) r.status = 2;
    else r = readMeasure(block, marker, name);
    return r;
}

BlockReading readAngle(const std::vector<std::string>& block) {
    BlockReading r;
    const std::string& line = block.back();
    if (contains(line, "nicht definiert")) return r;
    r.status = 1;
    r.values["φ"] = numberAfter(line, "(OA;OB) = ");
    r.digits = 2;
    return r;
}

// The column vector "OA × OB = (x|y|z)" typeset over three rows.
BlockReading readVectorProduct(const std::vector<std::string>& block) {
    BlockReading r;
    r.status = 1;
    std::array<Real, 3> v{};
    int row = 0;
    for (const auto& line : block)
        if (row < 3 && (contains(line, "⎧") || contains(line, "⎪") || contains(line, "⎩")))
            v[std::size_t(row++)] = numbersIn(line).back();
    r.vectors["OA × OB"] = v;
    return r;
}

BlockReading readCoplanarity(const std::vector<std::string>& block) {
    BlockReading r;
    const std::string text = textOf(block);
    if (contains(text, "nicht komplanar")) r.status = 0;
    else if (contains(text, "nicht lösbar")) r.status = 1;
    else r.status = 2;
    return r;
}

using Reader = std::function<BlockReading(const std::vector<std::string>&)>;

const std::map<std::string, Reader>& readers() {
    static const std::map<std::string, Reader> table = {
        {"SpeedButton_S_mit_g", [](const auto& b) { return readPointTest(b, false); }},
        {"SpeedButton_S_mit_h", [](const auto& b) { return readPointTest(b, false); }},
        {"SpeedButton_S_mit_E1", [](const auto& b) { return readPointTest(b, true); }},
        {"SpeedButton_S_mit_E3", [](const auto& b) { return readPointTest(b, true); }},
        {"SpeedButton_g_mit_h", [](const auto& b) { return readIncidence(b, true); }},
        {"SpeedButton_g_mit_g1", [](const auto& b) { return readIncidence(b, true); }},
        {"SpeedButton_E1_mit_E2", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_E3_mit_E4", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_E1_mit_E3", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_E1_mit_g", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_E3_mit_g", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_E5_mit_g", [](const auto& b) { return readIncidence(b, false); }},
        {"SpeedButton_Vierecksflaeche", [](const auto& b) { return readOverABCD(b, "A_Viereck_ABCD = ", "F"); }},
        {"SpeedButton_PrismavolumenABCD", [](const auto& b) { return readOverABCD(b, "V_Prisma_ABCD_AS = ", "V"); }},
        {"SpeedButton_Pyramidenvolumen2", [](const auto& b) { return readOverABCD(b, "V_Pyr_ABCDS = ", "V"); }},
        {"SpeedButton_PrismavolumenABC", [](const auto& b) { return readMeasure(b, "V_Prisma_ABC_AS = ", "V"); }},
        {"SpeedButton_Pyramidenvolumen1", [](const auto& b) { return readMeasure(b, "V_Pyr_ABCS = ", "V"); }},
        {"SpeedButton_Spatvolumen", [](const auto& b) { return readMeasure(b, "V_Spat_AB_AC_AS = ", "V"); }},
        {"SpeedButton_OA_mal_OB", [](const auto& b) { return readMeasure(b, "OA * OB = ", "OA·OB"); }},
        {"SpeedButton_Winkel_AOC", readAngle},
        {"SpeedButton_OAxOB", readVectorProduct},
        {"SpeedButton_Dreiecksflaeche", [](const auto& b) { return readMeasure(b, "A_Dreieck_ABC = ", "F"); }},
        {"SpeedButton_komplanarOAOBOC", readCoplanarity},
    };
    return table;
}

// The statuses of the measures without cases: the working leaves -1.
int workingStatus(const working::WorkingOutcome& outcome, const std::string& button) {
    if (outcome.stopped) return outcome.status >= 0 ? outcome.status : -1;
    if (outcome.status < 0 && readers().count(button) && button.find("_mit_") == std::string::npos) return 1;
    return outcome.status;
}

TEST(WorkingAndResult, AgreeOnEveryButtonForRandomScenes) {
    const int scenes = std::getenv("SPATIUM_LONG_TESTS") ? 10000 : 300;
    for (const working::WorkingEntry& entry : working::workingEntries())
        ASSERT_TRUE(readers().count(entry.objectName)) << "no reading of " << entry.objectName;
    randomscenes::SceneMaker maker(2112, /*extremes=*/true);
    std::map<std::string, int> cases;
    for (int sample = 0; sample < scenes; ++sample) {
        const SceneState input = maker.make();
        const Scene scene = readScene(input, Scene()).scene;
        const exact::ExactScene exactScene = exact::buildExactScene(scene, input.texts);
        for (const auto& [button, read] : readers()) {
            PlainTextOutputLog workingLog, blockLog;
            working::WorkingOutcome outcome;
            ASSERT_TRUE(working::writeWorking(button, scene, input.texts, workingLog, &outcome)) << button;
            Scene copy = scene;
            buttonNamed(button).run(copy, exactScene, blockLog);
            const std::vector<std::string> block = blockLog.lines();
            ASSERT_FALSE(block.empty()) << button;
            const BlockReading said = read(block);
            const std::string where = button + " in scene " + std::to_string(sample) + ":\n" + textOf(block) +
                                      "working:\n" + textOf(workingLog.lines());
            ASSERT_EQ(workingStatus(outcome, button), said.status) << where;
            ++cases[button + " " + std::to_string(said.status)];
            for (const auto& [name, shown] : said.values) {
                ASSERT_TRUE(outcome.values.count(name)) << name << " missing; " << where;
                EXPECT_TRUE(agreesAfterRounding(outcome.values.at(name), shown, said.digits)) << name << "; " << where;
            }
            for (const auto& [name, shown] : said.vectors) {
                ASSERT_TRUE(outcome.vectors.count(name)) << name << " missing; " << where;
                EXPECT_TRUE(pointAgrees(outcome.vectors.at(name), shown)) << name << "; " << where;
            }
        }
    }
    // The scenes reach the cases the verdicts turn on.
    for (const char* reached : {"SpeedButton_S_mit_E1 2", "SpeedButton_S_mit_E3 2", "SpeedButton_g_mit_g1 0",
                                "SpeedButton_g_mit_h 1", "SpeedButton_g_mit_h 2", "SpeedButton_g_mit_h 3",
                                "SpeedButton_E5_mit_g 0", "SpeedButton_E5_mit_g 1", "SpeedButton_E1_mit_E2 0",
                                "SpeedButton_E1_mit_E2 1", "SpeedButton_komplanarOAOBOC 1",
                                "SpeedButton_komplanarOAOBOC 2", "SpeedButton_Vierecksflaeche 2"})
        EXPECT_GT(cases[reached], 0) << reached;
    if (std::getenv("SPATIUM_SHOW_CASES"))
        for (const auto& [name, count] : cases) std::cout << name << ": " << count << "\n";
}

}  // namespace
