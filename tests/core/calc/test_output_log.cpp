// The output sink and the column layout of typeset formulas.
#include <gtest/gtest.h>

#include <set>

#include "core/output/OutputLog.h"
#include "core/output/TypesetRows.h"
#include "calc_test_support.h"

TEST(SymbolGlyphs, EveryCodeIsOneDistinctCharacter) {
    std::set<std::string> seen;
    for (int code = 0; code < kSymbolGlyphCount; ++code) {
        std::string text(symbolGlyphText(code));
        EXPECT_EQ(utf8Length(text), 1) << "code " << code;
        EXPECT_NE(text, "?") << "code " << code;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSymbolGlyphCount));
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Radical), "√");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Angle), "∠");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Alpha), "α");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Lambda), "λ");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Mu), "μ");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Dot), "·");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::Intersection), "∩");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::UpperLeftHook), "⎧");
    EXPECT_EQ(symbolGlyphText(SymbolGlyph::LowerRightHook), "⎭");
    EXPECT_EQ(symbolGlyphText(-1), "?");
    EXPECT_EQ(symbolGlyphText(21), "?");
}

TEST(PlainTextOutputLog, ClearWritesFuchsiaHeadingThenBlue) {
    PlainTextOutputLog log;
    log.appendLine("alt");
    log.clearOutputLog();
    ASSERT_EQ(log.lines(), (std::vector<std::string>{"       Ausgaben im Textformat", " "}));
    ASSERT_EQ(log.runs().size(), 2u);
    EXPECT_EQ(log.runs()[0].colour, Colours::Fuchsia);
    EXPECT_EQ(log.runs()[0].text, "       Ausgaben im Textformat\n");
    EXPECT_EQ(log.runs()[1].colour, Colours::Blue);
    EXPECT_EQ(log.outputColour(), Colours::Blue);
    // Everything written afterwards stays blue until another colour is set.
    log.appendText("a");
    log.appendSymbol(SymbolGlyph::Alpha);
    log.appendLine("b");
    EXPECT_EQ(log.runs().size(), 2u);
    log.setOutputColour(Colours::Red);
    log.appendLine("rot");
    EXPECT_EQ(log.runs().back().colour, Colours::Red);
    EXPECT_EQ(log.lines().back(), "rot");
}

TEST(PlainTextOutputLog, SymbolSpacesAndLines) {
    PlainTextOutputLog log;
    log.appendSymbolSpaces(3);
    log.appendSymbol(14);
    log.appendSymbolSpaces(0);
    log.appendSymbolSpaces(-2);
    log.appendLine("x");
    log.appendLine("");
    EXPECT_EQ(log.text(), "   √x\n\n");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"   √x", ""}));
}

TEST(TypesetFormula, LineEquationColumnsAlignInPlainText) {
    // Components of different lengths in both vectors.
    TypesetFormula formula = lineEquationFormula("g", {"  1", "-12", "  3"}, {"   2", "   4", "-6,5"});
    auto rows = formula.plainRows();
    EXPECT_EQ(rows[1].substr(0, 8), " g: x = ");
    expectColumnsAligned(rows);
    // The arrow stands over the x of "x =".
    EXPECT_EQ(columnOf(rows[0], "→"), columnOf(rows[1], "x"));
    EXPECT_EQ(countOf(rows[1], "λ"), 1);
    EXPECT_EQ(countOf(rows[1], "·"), 1);
    EXPECT_NE(rows[1].find("⎪-12⎟+ λ ·⎪   4⎟"), std::string::npos) << rows[1];
}

TEST(TypesetFormula, PlaneEquationWithLongNameStaysAligned) {
    TypesetFormula formula =
        planeEquationFormula("E12", {"0,333", "    1", "   -2"}, {"1", "0", "0"}, {"  0", "100", "  0"});
    auto rows = formula.plainRows();
    EXPECT_EQ(rows[1].substr(0, 9), "E12: x = ");
    expectColumnsAligned(rows);
    EXPECT_EQ(columnOf(rows[0], "→"), columnOf(rows[1], "x"));
    EXPECT_EQ(countOf(rows[1], "μ"), 1);
}

TEST(TypesetFormula, WriteToEmitsThreeLinesEndingInBlank) {
    PlainTextOutputLog log;
    vectorProductFormula({" 0", " 0", "-1"}).writeTo(log);
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_EQ(line.back(), ' ');
    EXPECT_EQ(lines[1].rfind("OA × OB = ⎪", 0), 0u) << lines[1];
    expectColumnsAligned({lines[0], lines[1], lines[2]});
    EXPECT_EQ(columnOf(lines[0], "→"), 0);
}
