// What a worksheet gives: every drawn object and every object a shown
// result reads, numbers as typed in school notation; and how the solution
// cuts the output area into the groups a page keeps together.
#include <gtest/gtest.h>

#include <set>

#include "core/calc/CalcCommands.h"
#include "core/model/SceneOpening.h"
#include "core/output/OutputLog.h"
#include "core/sheet/Worksheet.h"

namespace {

OutputItem sentence(std::string text) {
    OutputItem item;
    item.text = std::move(text);
    return item;
}

FormulaPiece text(std::string t) { return {FormulaPiece::Kind::Text, {std::move(t)}}; }
FormulaPiece vec(std::string name) { return {FormulaPiece::Kind::Vector, {std::move(name)}}; }
FormulaPiece column(std::string x, std::string y, std::string z) {
    return {FormulaPiece::Kind::Column, {std::move(x), std::move(y), std::move(z)}};
}
OutputItem formula(std::vector<FormulaPiece> pieces) {
    OutputItem item;
    item.formula = std::move(pieces);
    return item;
}

std::string shown(const std::vector<OutputItem>& items) {
    std::string out;
    for (const OutputItem& item : items) {
        if (!item.isFormula()) out += item.text;
        for (const FormulaPiece& p : item.formula) {
            out += "[";
            for (const std::string& t : p.texts) out += t + ";";
            out += "]";
        }
        out += "\n";
    }
    return out;
}

void setArea(SceneState& state, const std::string& text, std::vector<OutputBlock> blocks) {
    OutputText area;
    area.runs = {{text, Colours::Blue}};
    area.blocks = std::move(blocks);
    state.outputs[kOutputAreaName] = area;
}

const std::string kHeadingLines = std::string(kOutputHeading) + "\n \n";

}  // namespace

TEST(Worksheet, SchoolNotationKeepsTheTypedNumbersAndRaisesExponents) {
    const std::pair<const char*, const char*> cases[] = {
        {" 1,5t ", "1,5t"},       {"-3/4", "-3/4"},           {"w(2)*3", "√(2)·3"},   {"2W(t)", "2√(t)"},
        {"t^2", "t²"},            {"2^(-1)+t^10", "2⁻¹+t¹⁰"}, {"2^(1/2)", "2^(1/2)"}, {"pi/2", "π/2"},
        {"2Pi*t", "2π·t"},        {"sin(pi)", "sin(π)"},      {"spin", "spin"},       {"1^", "1^"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(schoolNotation(typed), expected) << typed;
}

// Drawn: A, the vector AB, the family g, E1, E5, the pyramid ABCS and the
// cube; a shown result of "S auf E3" adds S and E3, a result edited away
// (g and h) adds nothing. Point names as typed, numbers as typed, the
// vector as the exact difference of its ends.
TEST(Worksheet, GivesEveryDrawnObjectAndEveryObjectAShownResultReads) {
    SceneState state = startUpInput();
    state.texts["Edit_Punkt1_x"] = "1/2";
    state.texts["Edit_Punkt2"] = "B'";
    state.texts["Edit_a1"] = "-1";
    state.texts["Edit_b1"] = "0";
    state.texts["Edit_c1"] = "w(2)";
    state.texts["Edit_d1"] = "2^3";
    state.texts["Edit_Kantenlaenge"] = "9,0";
    for (const char* box : {"CheckBox_Punkt1_zeichnen", "CheckBox_VektorAB", "CheckBox_Gerade_g", "CheckBox_Geradenschar",
                            "CheckBox_Ebene1_zeichnen", "CheckBox_Ebene5_zeichnen", "CheckBox_PyramideABCS",
                            "CheckBox_Wuerfel"})
        state.checks[box] = true;
    const OutputBlock onE3{"SpeedButton_S_mit_E3", "S liegt nicht in E3.\n", {sentence("S liegt nicht in E3.")}};
    const OutputBlock edited{"SpeedButton_g_mit_h", "g und h schneiden sich.\n", {}};
    setArea(state, kHeadingLines + onE3.text + "g und h sind windschief.\n", {onE3, edited});
    const OpenedScene opened = openScene(state);

    const std::vector<OutputItem> expected = {
        sentence("A(1/2 | 0 | 0),   B'(0 | 6 | 0),   C(0 | 0 | 8)"),
        sentence("S(6 | 8 | 8)"),
        formula({vec("AB'"), text(" = "), column("-1/2", "6", "0")}),
        formula({text("g: "), vec("x"), text(" = "), column("3", "3", "4"), text(" + λ · "), column("-4", "5", "1,5t")}),
        sentence("Geradenschar für t von 1 bis 3 in Schritten von 0,5"),
        sentence("E1: -x + √(2)·z = 2³"),
        formula({text("E3: "), vec("x"), text(" = "), column("3", "2", "1"), text(" + λ · "), column("3", "-2", "1"),
                 text(" + μ · "), column("-3", "2", "1")}),
        sentence("E5 durch A, B' und C"),
        sentence("Pyramide mit der Grundfläche AB'C und der Spitze S"),
        sentence("Würfel mit einer Ecke im Ursprung und der Kantenlänge 9,0"),
    };
    EXPECT_EQ(shown(givenObjects(opened.input, opened.scene)), shown(expected));

    // Without the family, g is the member the scene took.
    state.checks["CheckBox_Geradenschar"] = false;
    const OpenedScene single = openScene(state);
    const std::vector<OutputItem> given = givenObjects(single.input, single.scene);
    EXPECT_EQ(given[4].text, "mit t = 1");
}

TEST(Worksheet, EveryCalculationButtonNamesTheObjectsItReads) {
    const std::set<std::string> known = {"A", "B", "C", "D", "E", "F", "S", "P", "Q", "g",
                                         "h", "g2", "E1", "E2", "E3", "E4", "E5"};
    for (const CalculationButton& button : calculationButtons()) {
        const std::optional<std::string_view> objects = objectsUsedBy(button.objectName);
        if (std::string_view(button.objectName) == "SpeedButton_ClearRichEdit") {
            EXPECT_FALSE(objects);
            continue;
        }
        ASSERT_TRUE(objects) << button.objectName;
        std::istringstream names{std::string(*objects)};
        int count = 0;
        for (std::string name; names >> name; ++count) EXPECT_TRUE(known.count(name)) << button.objectName << ": " << name;
        EXPECT_GT(count, 0) << button.objectName;
    }
}

// The heading and blank lines are no results; a block loses its blank
// items at either end and stays one group; lines no block explains form
// paragraphs; a block no longer in the area is gone.
TEST(Worksheet, SolutionCutsTheAreaIntoBlocksAndParagraphs) {
    const OutputItem blank = sentence(" ");
    const OutputBlock first{"SpeedButton_S_mit_g", "Punktprobe S auf g:\n ⎧3⎫\n \n",
                            {blank, sentence("Punktprobe S auf g:"), formula({column("3", "4", "5")}), blank}};
    const OutputBlock second{"SpeedButton_E1_mit_E2", "E1 und E2 schneiden sich.\n", {sentence("E1 und E2 schneiden sich.")}};
    const OutputBlock gone{"SpeedButton_g_mit_h", "weg\n", {sentence("weg")}};
    const std::string text = kHeadingLines + first.text + "Notiz: erst\nzweite Zeile\n \n\ndritte\n" + second.text;
    SceneState state;
    setArea(state, text, {first, gone, second});

    Worksheet sheet = makeWorksheet(state, Scene{}, SheetKind::Solution, "Blatt");
    ASSERT_EQ(sheet.results.size(), 4U);
    ASSERT_EQ(sheet.results[0].segments.size(), 1U);
    ASSERT_TRUE(sheet.results[0].segments[0].block);
    EXPECT_EQ(sheet.results[0].segments[0].block->items,
              (std::vector<OutputItem>{first.items[1], first.items[2]}));
    auto lines = [&](const ResultGroup& g) {
        std::string out;
        for (const OutputSegment& s : g.segments) {
            EXPECT_FALSE(s.block);
            out += text.substr(s.begin, s.end - s.begin);
        }
        return out;
    };
    EXPECT_EQ(lines(sheet.results[1]), "Notiz: erst\nzweite Zeile\n");
    EXPECT_EQ(lines(sheet.results[2]), "dritte\n");
    ASSERT_TRUE(sheet.results[3].segments[0].block);
    EXPECT_EQ(sheet.results[3].segments[0].block->source, "SpeedButton_E1_mit_E2");

    // Moving the sheet keeps its blocks where its segments point.
    const Worksheet moved = std::move(sheet);
    EXPECT_EQ(moved.results[3].segments[0].block, &moved.blocks[1]);

    SceneState empty;
    setArea(empty, kHeadingLines + " \n", {});
    EXPECT_TRUE(makeWorksheet(empty, Scene{}, SheetKind::Solution, "Blatt").results.empty());
    EXPECT_TRUE(makeWorksheet(state, Scene{}, SheetKind::Task, "Blatt").results.empty());
}
