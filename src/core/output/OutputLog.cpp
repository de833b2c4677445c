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

void OutputLog::appendText(std::string_view text) {
    insertText(text);
    if (!recording_ || text.empty()) return;
    recording_->text.append(text);
    if (!sentence_) sentence_ = OutputItem{outputColour(), {}, {}};
    sentence_->text.append(text);
}

void OutputLog::endSentence() {
    if (!recording_) return;
    recording_->items.push_back(sentence_ ? std::move(*sentence_) : OutputItem{outputColour(), {}, {}});
    sentence_.reset();
}

void OutputLog::appendLine(std::string_view text) {
    appendText(text);
    appendParagraphBreak();
    if (!recording_) return;
    recording_->text.push_back('\n');
    endSentence();
}

void OutputLog::insertLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        insertText(line);
        appendParagraphBreak();
    }
}

void OutputLog::appendLines(const std::vector<std::string>& lines) {
    std::vector<WrittenItem> items;
    if (recording_)
        for (const std::string& line : lines) items.push_back({{line}, OutputItem{{}, line, {}}});
    else
        items.push_back({lines, {}});
    appendItems(items);
}

void OutputLog::appendItems(const std::vector<WrittenItem>& items) {
    std::vector<std::string> rows;
    for (const WrittenItem& written : items) rows.insert(rows.end(), written.rows.begin(), written.rows.end());
    if (!rows.empty()) insertLines(rows);
    if (!recording_) return;
    if (sentence_) endSentence();  // a line begun before runs on into the first row
    for (const WrittenItem& written : items) {
        for (const std::string& row : written.rows) recording_->text.append(row).push_back('\n');
        recording_->items.push_back(written.item);
        recording_->items.back().colour = outputColour();
    }
}

void OutputLog::beginBlock(std::string_view source) {
    endBlock();
    recording_ = OutputBlock{std::string(source), {}, {}};
}

void OutputLog::endBlock() {
    if (!recording_) return;
    if (sentence_) endSentence();
    if (!recording_->text.empty()) blocks_.push_back(std::move(*recording_));
    recording_.reset();
}

void OutputLog::appendSymbol(SymbolGlyph glyph) { appendText(symbolGlyphText(glyph)); }

void OutputLog::appendSymbol(int code) { appendText(symbolGlyphText(code)); }

void OutputLog::appendSymbolSpaces(int n) {
    if (n > 0) appendText(std::string(static_cast<std::size_t>(n), ' '));
}

void OutputLog::clearOutputLog() {
    // The heading belongs to no block; a block being recorded starts again
    // after it.
    std::optional<OutputBlock> recording = std::move(recording_);
    recording_.reset();
    sentence_.reset();
    blocks_.clear();
    deleteAllText();
    setOutputColour(OutputColours::Heading);
    appendLine(kOutputHeading);
    setOutputColour(OutputColours::Result);
    appendLine(" ");
    if (recording) recording_ = OutputBlock{recording->source, {}, {}};
}

void OutputLog::replaceContents(const std::vector<OutputRun>& runs) {
    const Colour next = outputColour();
    deleteAllText();
    for (const OutputRun& run : runs) {
        setOutputColour(run.colour);
        std::string_view rest = run.text;
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            insertText(rest.substr(0, end));
            appendParagraphBreak();
            rest.remove_prefix(end + 1);
        }
        insertText(rest);
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

void PlainTextOutputLog::insertText(std::string_view text) { add(text); }

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
