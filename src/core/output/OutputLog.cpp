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

std::string_view symbolGlyphText(int code) {
    if (code < 0 || code >= kSymbolGlyphCount) return "?";
    return kGlyphs[code];
}

std::string_view symbolGlyphText(SymbolGlyph glyph) {
    return symbolGlyphText(static_cast<int>(glyph));
}

int utf8Length(std::string_view text) {
    int n = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

OutputLog::~OutputLog() = default;

void OutputLog::appendLine(std::string_view text) {
    appendText(text);
    appendParagraphBreak();
}

void OutputLog::appendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) appendLine(line);
}

void OutputLog::appendSymbol(SymbolGlyph glyph) { appendText(symbolGlyphText(glyph)); }

void OutputLog::appendSymbol(int code) { appendText(symbolGlyphText(code)); }

void OutputLog::appendSymbolSpaces(int n) {
    if (n > 0) appendText(std::string(static_cast<std::size_t>(n), ' '));
}

void OutputLog::clearOutputLog() {
    deleteAllText();
    setOutputColour(OutputColours::Heading);
    appendLine(kOutputHeading);
    setOutputColour(OutputColours::Result);
    appendLine(" ");
}

void OutputLog::replaceContents(const std::vector<OutputRun>& runs) {
    const Colour next = outputColour();
    deleteAllText();
    for (const OutputRun& run : runs) {
        setOutputColour(run.colour);
        std::string_view rest = run.text;
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            appendLine(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
        appendText(rest);
    }
    setOutputColour(next);
}

void PlainTextOutputLog::add(std::string_view text) {
    if (text.empty()) return;
    text_.append(text);
    if (!runs_.empty() && runs_.back().colour == colour_) {
        runs_.back().text.append(text);
    } else {
        runs_.push_back(Run{colour_, std::string(text)});
    }
}

void PlainTextOutputLog::appendText(std::string_view text) { add(text); }

void PlainTextOutputLog::setOutputColour(Colour colour) { colour_ = colour; }

void PlainTextOutputLog::appendParagraphBreak() { add("\n"); }

void PlainTextOutputLog::deleteAllText() {
    text_.clear();
    runs_.clear();
}

std::vector<std::string> PlainTextOutputLog::lines() const {
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
