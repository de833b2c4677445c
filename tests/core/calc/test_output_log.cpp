// The output sink and the column layout of typeset formulas.
#include <gtest/gtest.h>

#include <set>

#include "core/output/OutputLog.h"
#include "core/output/TypesetRows.h"
#include "calc_test_support.h"

TEST(SymbolGlyphs, EveryCodeIsOneDistinctCharacter) {
    std::set<std::string> seen;
    for (int code = 0; code < kSymbolGlyphCount; ++code) {
        std::string text(SymbolGlyphText(code));
        EXPECT_EQ(Utf8Length(text), 1) << "code " << code;
        EXPECT_NE(text, "?") << "code " << code;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSymbolGlyphCount));
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Radical), "√");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Angle), "∠");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Alpha), "α");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Lambda), "λ");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Mu), "μ");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Dot), "·");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::Intersection), "∩");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::UpperLeftHook), "⎧");
    EXPECT_EQ(SymbolGlyphText(SymbolGlyph::LowerRightHook), "⎭");
    EXPECT_EQ(SymbolGlyphText(-1), "?");
    EXPECT_EQ(SymbolGlyphText(21), "?");
}

TEST(PlainTextOutputLog, ClearWritesFuchsiaHeadingThenBlue) {
    PlainTextOutputLog log;
    log.AppendLine("alt");
    log.ClearOutputLog();
    ASSERT_EQ(log.Lines(), (std::vector<std::string>{"       Ausgaben im Textformat", " "}));
    ASSERT_EQ(log.Runs().size(), 2u);
    EXPECT_EQ(log.Runs()[0].colour, Colours::Fuchsia);
    EXPECT_EQ(log.Runs()[0].text, "       Ausgaben im Textformat\n");
    EXPECT_EQ(log.Runs()[1].colour, Colours::Blue);
    EXPECT_EQ(log.OutputColour(), Colours::Blue);
    // Everything written afterwards stays blue until another colour is set.
    log.AppendText("a");
    log.AppendSymbol(SymbolGlyph::Alpha);
    log.AppendLine("b");
    EXPECT_EQ(log.Runs().size(), 2u);
    log.SetOutputColour(Colours::Red);
    log.AppendLine("rot");
    EXPECT_EQ(log.Runs().back().colour, Colours::Red);
    EXPECT_EQ(log.Lines().back(), "rot");
}

TEST(PlainTextOutputLog, SymbolSpacesAndLines) {
    PlainTextOutputLog log;
    log.AppendSymbolSpaces(3);
    log.AppendSymbol(14);
    log.AppendSymbolSpaces(0);
    log.AppendSymbolSpaces(-2);
    log.AppendLine("x");
    log.AppendLine("");
    EXPECT_EQ(log.Text(), "   √x\n\n");
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"   √x", ""}));
}

TEST(TypesetFormula, LineEquationColumnsAlignInPlainText) {
    // Components of different lengths in both vectors.
    TypesetFormula formula = LineEquationFormula("g", {"  1", "-12", "  3"}, {"   2", "   4", "-6,5"});
    auto rows = formula.PlainRows();
    EXPECT_EQ(rows[1].substr(0, 8), " g: x = ");
    ExpectColumnsAligned(rows);
    // The arrow stands over the x of "x =".
    EXPECT_EQ(ColumnOf(rows[0], "→"), ColumnOf(rows[1], "x"));
    EXPECT_EQ(CountOf(rows[1], "λ"), 1);
    EXPECT_EQ(CountOf(rows[1], "·"), 1);
    EXPECT_NE(rows[1].find("⎪-12⎟+ λ ·⎪   4⎟"), std::string::npos) << rows[1];
}

TEST(TypesetFormula, PlaneEquationWithLongNameStaysAligned) {
    TypesetFormula formula =
        PlaneEquationFormula("E12", {"0,333", "    1", "   -2"}, {"1", "0", "0"}, {"  0", "100", "  0"});
    auto rows = formula.PlainRows();
    EXPECT_EQ(rows[1].substr(0, 9), "E12: x = ");
    ExpectColumnsAligned(rows);
    EXPECT_EQ(ColumnOf(rows[0], "→"), ColumnOf(rows[1], "x"));
    EXPECT_EQ(CountOf(rows[1], "μ"), 1);
}

TEST(TypesetFormula, WriteToEmitsThreeLinesEndingInBlank) {
    PlainTextOutputLog log;
    VectorProductFormula({" 0", " 0", "-1"}).WriteTo(log);
    auto lines = log.Lines();
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_EQ(line.back(), ' ');
    EXPECT_EQ(lines[1].rfind("OA × OB = ⎪", 0), 0u) << lines[1];
    ExpectColumnsAligned({lines[0], lines[1], lines[2]});
    EXPECT_EQ(ColumnOf(lines[0], "→"), 0);
}
