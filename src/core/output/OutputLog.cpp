#include "core/output/OutputLog.h"

namespace {
// One Unicode character per glyph code, chosen by the meaning of the code.
constexpr std::string_view kGlyphs[kSymbolGlyphCount] = {
    "\u2192",  // 0 right arrow
    "\u2220",  // 1 angle
    "\u00D7",  // 2 multiplication cross
    "\u03B1",  // 3 alpha
    "\u03B2",  // 4 beta
    "\u03B3",  // 5 gamma
    "\u03B4",  // 6 delta
    "\u03B5",  // 7 epsilon
    "\u03C3",  // 8 sigma
    "\u2211",  // 9 summation
    "\u03BB",  // 10 lambda
    "\u03BC",  // 11 mu
    "\u00B7",  // 12 multiplication dot
    "\u2229",  // 13 intersection
    "\u221A",  // 14 radical
    "\u23A7",  // 15 left curly bracket upper hook
    "\u23AB",  // 16 right curly bracket upper hook
    "\u23A9",  // 17 left curly bracket lower hook
    "\u23AD",  // 18 right curly bracket lower hook
    "\u23AA",  // 19 curly bracket extension
    "\u239F",  // 20 right parenthesis extension
};
}  // namespace

std::string_view SymbolGlyphText(int code) {
    if (code < 0 || code >= kSymbolGlyphCount) return "?";
    return kGlyphs[code];
}

std::string_view SymbolGlyphText(SymbolGlyph glyph) {
    return SymbolGlyphText(static_cast<int>(glyph));
}

int Utf8Length(std::string_view text) {
    int n = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

OutputLog::~OutputLog() = default;

void OutputLog::AppendLine(std::string_view text) {
    AppendText(text);
    AppendParagraphBreak();
}

void OutputLog::AppendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) AppendLine(line);
}

void OutputLog::AppendSymbol(SymbolGlyph glyph) { AppendText(SymbolGlyphText(glyph)); }

void OutputLog::AppendSymbol(int code) { AppendText(SymbolGlyphText(code)); }

void OutputLog::AppendSymbolSpaces(int n) {
    if (n > 0) AppendText(std::string(static_cast<std::size_t>(n), ' '));
}

void OutputLog::ClearOutputLog() {
    DeleteAllText();
    SetOutputColour(OutputColours::Heading);
    AppendLine(kOutputHeading);
    SetOutputColour(OutputColours::Result);
    AppendLine(" ");
}

void OutputLog::ReplaceContents(const std::vector<OutputRun>& runs) {
    const Colour next = OutputColour();
    DeleteAllText();
    for (const OutputRun& run : runs) {
        SetOutputColour(run.colour);
        std::string_view rest = run.text;
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            AppendLine(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
        AppendText(rest);
    }
    SetOutputColour(next);
}

void PlainTextOutputLog::Add(std::string_view text) {
    if (text.empty()) return;
    text_.append(text);
    if (!runs_.empty() && runs_.back().colour == colour_) {
        runs_.back().text.append(text);
    } else {
        runs_.push_back(Run{colour_, std::string(text)});
    }
}

void PlainTextOutputLog::AppendText(std::string_view text) { Add(text); }

void PlainTextOutputLog::SetOutputColour(Colour colour) { colour_ = colour; }

void PlainTextOutputLog::AppendParagraphBreak() { Add("\n"); }

void PlainTextOutputLog::DeleteAllText() {
    text_.clear();
    runs_.clear();
}

std::vector<std::string> PlainTextOutputLog::Lines() const {
    std::vector<std::string> lines;
    std::string current;
    for (char ch : text_) {
        if (ch == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current.push_back(ch);
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}
