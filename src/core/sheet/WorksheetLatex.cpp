#include "core/sheet/WorksheetLatex.h"

#include "core/sheet/OutputLatex.h"
#include "core/tikz/TexText.h"

namespace {

// \spatiumblock holds a block set as a box: placed whole when it fits on a
// page (moving to the next page when it does not fit on this one),
// unboxed into the page's lines when it is taller than a page.
constexpr char kPreamble[] =
    "\\documentclass[11pt,a4paper]{article}\n"
    "\\usepackage[utf8]{inputenc}\n"
    "\\usepackage[a4paper,margin=2cm]{geometry}\n"
    "\\usepackage{amsmath}\n"
    "\\usepackage{tikz}\n"
    "\\setlength{\\parindent}{0pt}\n"
    "\\setlength{\\parskip}{0.4\\baselineskip}\n"
    "\\raggedbottom\n"
    "\\newsavebox{\\spatiumblock}\n"
    "\\newcommand{\\placespatiumblock}{%\n"
    "  \\ifdim\\dimexpr\\ht\\spatiumblock+\\dp\\spatiumblock\\relax>\\textheight\n"
    "    \\unvbox\\spatiumblock\n"
    "  \\else\n"
    "    \\box\\spatiumblock\n"
    "  \\fi\\par}\n";

std::string resultGroup(const Worksheet& sheet, const ResultGroup& group) {
    std::string out = "\\setbox\\spatiumblock=\\vbox{%\n";
    for (const OutputSegment& segment : group.segments) out += latexOfSegment(sheet.outputText, segment);
    return out + "}\\placespatiumblock\n\\medskip\n";
}

}  // namespace

std::string worksheetLatex(const Worksheet& sheet, const std::string& figure) {
    std::string out = "% " + texCommentText(sheet.title) + " – " + sheetKindName(sheet.kind) +
                      ", von Spatium geschrieben (pdflatex).\n";
    out += kPreamble;
    out += "\\begin{document}\n";
    out += "{\\Large\\bfseries " + texText(sheet.title) + "}\\hfill " + sheetKindName(sheet.kind) + "\\par\n";
    if (!figure.empty()) out += "\\begin{center}\n" + figure + "\\end{center}\n";
    out += "\\medskip\n\\textbf{" + std::string(kGivenHeading) + "}\\par\n";
    if (sheet.given.empty()) out += texText(kNothingGivenSentence) + "\\par\n";
    for (const OutputItem& item : sheet.given) out += latexOfItem(item);
    if (sheet.kind == SheetKind::Solution) {
        out += "\\bigskip\n\\textbf{" + std::string(kSolutionHeading) + "}\\par\\nopagebreak\n";
        if (sheet.results.empty()) out += texText(kNoResultsSentence) + "\\par\n";
        for (const ResultGroup& group : sheet.results) out += resultGroup(sheet, group);
    }
    return out + "\\end{document}\n";
}
