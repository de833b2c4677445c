// The output area as LaTeX: every button's block, with and without its
// working, on random scenes, compiles with amsmath alone and still shows
// every number and word it wrote; text the blocks do not explain (the
// heading, the user's typing, an edited block) comes out as escaped lines.
#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <set>

#include "LatexTools.h"
#include "core/calc/CalcCommands.h"
#include "core/calc/RandomScenes.h"
#include "core/model/SceneInput.h"
#include "core/sheet/OutputLatex.h"
#include "core/working/Working.h"

namespace {

// ASCII words of four or more letters: what pdftotext must find again. A
// word that runs into a German letter is left out (pdflatex's OT1 fonts set
// "ß" apart from the letters before it).
std::set<std::string> words(const std::string& text) {
    static const std::regex word("[A-Za-z]{4,}");
    std::set<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it) {
        const std::size_t after = std::size_t(it->position() + it->length());
        const bool runsOn = after < text.size() && (text.compare(after, 2, "ä") == 0 || text.compare(after, 2, "ö") == 0 ||
                                                    text.compare(after, 2, "ü") == 0 || text.compare(after, 2, "ß") == 0);
        if (!runsOn) out.insert(it->str());
    }
    return out;
}

// How often each digit occurs: stacked fractions and roots come out of
// pdftotext in another order, but no digit may go missing.
std::array<int, 10> digitCounts(const std::string& text) {
    std::array<int, 10> counts{};
    for (char ch : text)
        if (ch >= '0' && ch <= '9') ++counts[std::size_t(ch - '0')];
    return counts;
}

const std::string kDocumentStart =
    "\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n\\pagestyle{empty}\n\\begin{document}\n";

}  // namespace

TEST(OutputLatex, EveryButtonsBlockCompilesAndKeepsItsNumbersAndWords) {
    if (!latextools::havePdflatex()) GTEST_SKIP() << "pdflatex is not installed (scripts/deps.sh test)";
    std::string document = kDocumentStart;
    std::vector<std::string> blockTexts;
    for (unsigned seed : {7u, 8u, 9u, 10u}) {
        randomscenes::SceneMaker maker(seed, /*extremes=*/seed % 2 == 0);
        const SceneState input = maker.make();
        const Scene read = readScene(input, Scene()).scene;
        const exact::ExactScene exactScene = exact::buildExactScene(read, input.texts);
        for (const CalculationButton& button : calculationButtons())
            for (bool withWorking : {false, true}) {
                if (withWorking && !working::findWorking(button.objectName)) continue;
                Scene scene = read;
                PlainTextOutputLog log;
                {
                    const OutputBlockScope block(log, button.objectName);
                    if (withWorking) working::writeWorking(button.objectName, exactScene, log);
                    button.run(scene, exactScene, log);
                }
                if (log.blocks().empty()) continue;  // refused with a message box, or cleared
                // The block holds exactly what the area got, so it is found there.
                ASSERT_EQ(log.blocks().size(), 1u) << button.objectName;
                ASSERT_EQ(log.blocks()[0].text, log.text()) << button.objectName;
                ASSERT_EQ(log.blocks()[0].source, button.objectName);
                const std::vector<OutputSegment> segments = segmentOutput(log.text(), log.blocks());
                ASSERT_EQ(segments.size(), 1u);
                document += "\\clearpage\\noindent BLOCKMARK\\par\n" + outputLatex(log.text(), log.blocks());
                blockTexts.push_back(button.objectName + std::string(withWorking ? " mit Rechenweg\n" : "\n") +
                                     log.text());
            }
    }
    document += "\\end{document}\n";
    if (const char* keep = std::getenv("SPATIUM_LATEX_OUT")) std::ofstream(keep) << document;  // to look at
    const latextools::Compiled pdf = latextools::compileLatex(document);
    ASSERT_TRUE(pdf.ok) << pdf.log;
    std::vector<std::string> sections;
    for (std::size_t at = pdf.text.find("BLOCKMARK"); at != std::string::npos;) {
        const std::size_t next = pdf.text.find("BLOCKMARK", at + 1);
        sections.push_back(pdf.text.substr(at, next - at));
        at = next;
    }
    ASSERT_EQ(sections.size(), blockTexts.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::string written = blockTexts[i].substr(blockTexts[i].find('\n'));
        std::string lost;
        for (const std::string& word : words(written))
            if (sections[i].find(word) == std::string::npos) lost += " " + word;
        const std::array<int, 10> shownDigits = digitCounts(sections[i]), writtenDigits = digitCounts(written);
        for (int d = 0; d < 10; ++d)
            if (shownDigits[std::size_t(d)] < writtenDigits[std::size_t(d)]) lost += " digit " + std::to_string(d);
        EXPECT_EQ(lost, "") << blockTexts[i] << "\nPDF text:\n" << sections[i];
    }
}

TEST(OutputLatex, SetsTheCalculationsNotationAsTeXDoes) {
    const std::pair<const char*, const char*> cases[] = {
        {"Abstand d = √(50/3) = 4,082", "\\text{Abstand }d = \\sqrt{\\frac{50}{3}} = 4{,}082"},
        {"g ∩ E1 = S(1|-2,5|3)", "g \\cap E1 = S(1 \\mid -2{,}5 \\mid 3)"},
        {"|2/3 + 2/3| / (7/3) = 4/7", "|\\frac{2}{3} + \\frac{2}{3}| / (\\frac{7}{3}) = \\frac{4}{7}"},
        {"S liegt auf g mit λ = 2   μ = 1E-13", "S\\text{ liegt auf }g\\text{ mit }\\lambda = 2\\quad \\mu = 1\\mathrm{E}{-13}"},
        {"φ = arccos(-1/2) = 120°", "\\varphi = \\text{arccos}(-\\frac{1}{2}) = 120^\\circ "},
        {"x: -2·1 = -2   n₀ = n/|n|", "x\\colon {-}2\\cdot 1 = -2\\quad n_{0} = n/|n|"},
        {"cos φ = |-132| / 5 - 2x-z", "\\text{cos }\\varphi = |{-}132| / 5 - 2x-z"},
        {"Geradenschar für t von -1 bis 2", "\\text{Geradenschar für }t\\text{ von }{-}1\\text{ bis }2"},
        {"A_Dreieck_ABC = 5/4·√(29) ≈ 6,731", "\\text{A\\_Dreieck\\_ABC}= \\frac{5}{4}\\cdot \\sqrt{29} \\approx 6{,}731"},
    };
    for (const auto& [text, latex] : cases) EXPECT_EQ(latexMath(text), latex) << text;
    // Typed formulas may nest deeper than any result: taken as they stand
    // beyond a few levels, in linear time.
    const std::string deep = latexMath(std::string(200000, '(') + "√(1/2)" + std::string(200000, ')'));
    EXPECT_EQ(deep.find("\\surd (\\frac{1}{2})"), 200000u) << deep.substr(199990, 40);
}

TEST(OutputLatex, TextNoBlockExplainsComesOutAsEscapedLines) {
    PlainTextOutputLog log;
    log.clearOutputLog();
    {
        const OutputBlockScope block(log, "SpeedButton_Skalarprodukt");
        log.appendLine("erster Block 1/2");
    }
    log.appendLine("50% & $x_1$ {getippt}");
    {
        const OutputBlockScope block(log, "SpeedButton_Skalarprodukt");
        log.appendLine("zweiter Block 3/4");
    }
    const std::string text = log.text();
    const std::string all = outputLatex(text, log.blocks());
    EXPECT_NE(all.find("\\noindent Ausgaben im Textformat\\par\n"), std::string::npos) << all;
    EXPECT_NE(all.find("\\frac{1}{2}"), std::string::npos) << all;
    EXPECT_NE(all.find("50\\% \\& $\\$$x\\_1$\\$$ $\\{$getippt$\\}$"), std::string::npos) << all;

    // A selection inside the second block copies that block only.
    const std::size_t second = text.find("zweiter");
    const std::string selected = outputLatex(text, log.blocks(), second + 3, second + 4);
    EXPECT_EQ(selected.find("erster"), std::string::npos);
    EXPECT_NE(selected.find("\\frac{3}{4}"), std::string::npos) << selected;

    // An edited block is plain text from then on; the others keep their form.
    std::string edited = text;
    edited.replace(edited.find("1/2"), 3, "1/3");
    const std::string afterEdit = outputLatex(edited, log.blocks());
    EXPECT_NE(afterEdit.find("\\noindent erster Block 1/3\\par"), std::string::npos) << afterEdit;
    EXPECT_NE(afterEdit.find("\\frac{3}{4}"), std::string::npos) << afterEdit;
    EXPECT_EQ(blocksStillShown(edited, log.blocks()).size(), 1u);
}
