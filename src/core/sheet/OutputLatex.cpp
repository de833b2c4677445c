#include "core/sheet/OutputLatex.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/tikz/TexText.h"

namespace {

constexpr std::size_t kNone = std::size_t(-1);

bool isLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}
bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool isPunctuation(char32_t c) { return c == U'.' || c == U',' || c == U';' || c == U':' || c == U'!' || c == U'?'; }

struct MathSymbol {
    char32_t c;
    const char* tex;
};

// The program's symbols and TeX's reserved characters in math mode.
constexpr MathSymbol kMathSymbols[] = {
    {U'·', "\\cdot "}, {U'⋅', "\\cdot "}, {U'*', "\\cdot "}, {U'×', "\\times "}, {U'≈', "\\approx "},
    {U'⇔', "\\Leftrightarrow "}, {U'⇒', "\\Rightarrow "}, {U'⇐', "\\Leftarrow "}, {U'∩', "\\cap "},
    {U'∥', "\\parallel "}, {U'∦', "\\not\\parallel "}, {U'λ', "\\lambda "}, {U'μ', "\\mu "}, {U'φ', "\\varphi "},
    {U'α', "\\alpha "}, {U'β', "\\beta "}, {U'γ', "\\gamma "}, {U'δ', "\\delta "}, {U'ε', "\\varepsilon "},
    {U'σ', "\\sigma "}, {U'π', "\\pi "}, {U'∑', "\\sum "}, {U'∠', "\\angle "}, {U'≠', "\\neq "}, {U'≤', "\\leq "},
    {U'≥', "\\geq "}, {U'°', "^\\circ "}, {U'−', "-"}, {U'→', "\\rightarrow "},
    {U'∈', "\\in "}, {U'∉', "\\notin "}, {U'⊥', "\\perp "}, {U'∞', "\\infty "}, {U'±', "\\pm "}, {U'…', "\\ldots "},
    {U':', "\\colon "}, {U'#', "\\#"}, {U'$', "\\$"}, {U'%', "\\%"}, {U'&', "\\&"}, {U'{', "\\{"}, {U'}', "\\}"},
    {U'~', "\\sim "}, {U'\\', "\\backslash "}, {U'_', "\\_"}, {U'"', "\\text{''}"}, {U'\'', "'"},
};

// A text the calculations wrote, as math: numbers with the decimal comma,
// fractions of two numbers and roots set as TeX sets them, words of two or
// more letters upright in \text{}, single letters as variables.
class MathText {
public:
    explicit MathText(std::string_view utf8) : c_(codePoints(utf8)), close_(c_.size(), kNone) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < c_.size(); ++i) {
            if (c_[i] == U'(') open.push_back(i);
            if (c_[i] == U')' && !open.empty()) {
                close_[open.back()] = i;
                open.pop_back();
            }
        }
    }
    std::string convert() const { return convert(0, c_.size()); }

private:
    char32_t at(std::size_t i, std::size_t to) const { return i < to ? c_[i] : 0; }

    // A word starts with a letter followed by a letter or an underscore, or
    // is a letter joined to a word by a hyphen ("z-Gleichung", "x- und").
    bool wordStarts(std::size_t i, std::size_t to) const {
        if (!isLetter(at(i, to))) return false;
        if (isLetter(at(i + 1, to)) || at(i + 1, to) == U'_') return true;
        const std::size_t after = at(i + 2, to) == U' ' ? i + 3 : i + 2;
        return at(i + 1, to) == U'-' && isLetter(at(after, to)) && isLetter(at(after + 1, to));
    }

    bool inWord(std::size_t i, std::size_t to) const {
        const char32_t ch = at(i, to);
        return isLetter(ch) || isDigit(ch) || ch == U'_' || (ch == U'-' && isLetter(at(i + 1, to)));
    }

    std::string utf8(std::size_t from, std::size_t to) const {
        std::string out;
        for (std::size_t i = from; i < to; ++i) appendUtf8(out, c_[i]);
        return out;
    }

    // The bracket closing the one at `open`, within `to`; none beyond a
    // depth of brackets that no calculation writes, where the rest is taken
    // as it stands (a typed formula may nest thousands deep).
    std::size_t matching(std::size_t open, std::size_t to) const {
        if (depth_ >= kMaxDepth) return kNone;
        return close_[open] < to ? close_[open] : kNone;
    }

    // Words with the blanks, hyphens and punctuation between them, up to the
    // first thing that is not a word: one \text{}.
    std::size_t text(std::size_t i, std::size_t to, bool leadingBlank, std::string& out) const {
        const std::size_t from = i;
        for (;;) {
            while (inWord(i, to)) ++i;
            std::size_t k = i;
            while (k < to && (c_[k] == U' ' || c_[k] == U'-' || isPunctuation(c_[k]))) ++k;
            if (k < to && wordStarts(k, to)) {
                i = k;
                continue;
            }
            // Punctuation right after the last word belongs to it, and the
            // blanks after that; in \text{} a blank after "{" or before "}"
            // is kept.
            if (k == to && c_[k - 1] != U' ') i = k;  // "… keine Ebene !"
            while (i < to && isPunctuation(c_[i])) ++i;
            std::size_t end = i;
            while (end < to && c_[end] == U' ') ++end;
            // Before an operator TeX spaces by itself ("AB = …").
            const char32_t next = at(end, to);
            const bool sign = (next == U'-' || next == U'−') && at(end + 1, to) != U' ';
            const bool blank =
                end > i && (sign || std::u32string_view(U"=+-−·×≈⇒⇔≠≤≥<>∩∥").find(next) == std::u32string_view::npos);
            out += std::string("\\text{") + (leadingBlank ? " " : "") + texText(utf8(from, i)) + (blank ? " }" : "}");
            return end;
        }
    }

    std::size_t digits(std::size_t i, std::size_t to, std::string& out) const {
        while (isDigit(at(i, to))) out += char(c_[i++]);
        return i;
    }

    // 12, 3,25, 1E-13, 5/4.
    std::size_t number(std::size_t i, std::size_t to, std::string& out) const {
        std::string numerator;
        i = decimal(i, to, numerator);
        if (at(i, to) == U'/' && isDigit(at(i + 1, to))) {
            std::string denominator;
            i = decimal(i + 1, to, denominator);
            out += "\\frac{" + numerator + "}{" + denominator + "}";
        } else {
            out += numerator;
        }
        return i;
    }

    std::size_t decimal(std::size_t i, std::size_t to, std::string& out) const {
        i = digits(i, to, out);
        if (at(i, to) == U',' && isDigit(at(i + 1, to))) {
            out += "{,}";
            i = digits(i + 1, to, out);
        }
        const char32_t sign = at(i + 1, to);
        const bool signed_ = sign == U'-' || sign == U'+' || sign == U'−';
        if (at(i, to) == U'E' && isDigit(at(i + (signed_ ? 2 : 1), to))) {
            out += "\\mathrm{E}{";
            if (signed_) out += sign == U'+' ? "+" : "-";
            i = digits(i + (signed_ ? 2 : 1), to, out);
            out += "}";
        }
        return i;
    }

    // After √ or ^: a bracket, a number or a letter as the argument.
    std::size_t argument(std::size_t i, std::size_t to, std::string& out) const {
        if (at(i, to) == U'(') {
            const std::size_t close = matching(i, to);
            if (close != kNone) {
                out += group(i + 1, close);
                return close + 1;
            }
        }
        if (isDigit(at(i, to))) return number(i, to, out);
        if (isLetter(at(i, to)) && c_[i] < 0x80) {
            out += char(c_[i]);
            return i + 1;
        }
        return i;
    }

    // The inside of a bracket: "1|2|3" are a point's coordinates.
    std::string group(std::size_t from, std::size_t to) const {
        ++depth_;
        std::string out = groupInside(from, to);
        --depth_;
        return out;
    }

    std::string groupInside(std::size_t from, std::size_t to) const {
        int depth = 0;
        std::vector<std::size_t> bars;
        for (std::size_t i = from; i < to; ++i) {
            if (c_[i] == U'(') ++depth;
            if (c_[i] == U')') --depth;
            if (c_[i] == U'|' && depth == 0) bars.push_back(i);
        }
        if (bars.size() != 2) return convert(from, to);
        return convert(from, bars[0]) + " \\mid " + convert(bars[0] + 1, bars[1]) + " \\mid " +
               convert(bars[1] + 1, to);
    }

    std::string convert(std::size_t from, std::size_t to) const {
        std::string out;
        int blanks = 0;
        for (std::size_t i = from; i < to;) {
            const char32_t ch = c_[i];
            if (ch == U' ') {
                ++blanks;
                ++i;
                continue;
            }
            // A blank between a word and a name or number is the text's;
            // beside an operator TeX spaces by itself.
            const bool afterName = !out.empty() && (std::isalnum(static_cast<unsigned char>(out.back())) ||
                                                    out.back() == ')' || out.back() == '}');
            if (wordStarts(i, to)) {
                if (blanks > 0 && !afterName && !out.empty() && out.back() != ' ') out += ' ';
                i = text(i, to, blanks > 0 && afterName, out);
                blanks = 0;
                continue;
            }
            // A minus written tight to its number ("von -1", "x: -2",
            // "|-132|") is the number's sign; between blanks it is a
            // difference. TeX cannot tell after words, "\colon" or a bar.
            const bool sign = (ch == U'-' || ch == U'−') && signAt(i, from, to);
            if (blanks > 0 && !out.empty() && (blanks >= 2 || out.back() != ' ')) out += blanks >= 2 ? "\\quad " : " ";
            blanks = 0;
            if (isDigit(ch)) {
                i = number(i, to, out);
            } else if (ch == U'√' || ch == U'^') {
                std::string argument_;
                const std::size_t next = argument(i + 1, to, argument_);
                out += next == i + 1 ? (ch == U'√' ? "\\surd " : "\\wedge ")
                                     : (ch == U'√' ? "\\sqrt{" : "^{") + argument_ + "}";
                i = next;
            } else if (superscript(ch) || subscript(ch)) {
                const auto script = superscript(ch) ? superscript : subscript;
                out += script == superscript ? "^{" : "_{";
                for (; i < to && script(c_[i]); ++i) out += script(c_[i]);
                out += "}";
            } else if (ch == U'(' && matching(i, to) != kNone) {
                const std::size_t close = matching(i, to);
                out += "(" + group(i + 1, close) + ")";
                i = close + 1;
            } else if (sign) {
                // Where TeX takes it as a sign anyway, it stays plain.
                const std::size_t last = out.find_last_not_of(' ');
                const bool plain = last == std::string::npos || std::string_view("(=<>,[").find(out[last]) != std::string_view::npos ||
                                   out.ends_with("\\mid ");
                out += plain ? "-" : "{-}";
                ++i;
            } else {
                appendSymbol(ch, out);
                ++i;
            }
        }
        return out;
    }

    // The raised characters of typed exponents, as the exponent's text.
    static const char* superscript(char32_t ch) {
        static constexpr std::pair<char32_t, const char*> kRaised[] = {
            {U'⁰', "0"}, {U'¹', "1"}, {U'²', "2"}, {U'³', "3"}, {U'⁴', "4"}, {U'⁵', "5"}, {U'⁶', "6"},
            {U'⁷', "7"}, {U'⁸', "8"}, {U'⁹', "9"}, {U'⁻', "-"}, {U'⁺', "+"}, {U'⁽', "("}, {U'⁾', ")"}};
        for (const auto& [raised, text] : kRaised)
            if (raised == ch) return text;
        return nullptr;
    }

    bool signAt(std::size_t i, std::size_t from, std::size_t to) const {
        const char32_t next = at(i + 1, to);
        if (!(isDigit(next) || isLetter(next) || next == U'(' || next == U'√')) return false;
        if (i == from) return true;
        const auto closes = [](char32_t c) { return isDigit(c) || isLetter(c) || c == U')'; };
        const char32_t before = c_[i - 1];
        if (before == U'|') return i - 1 == from || !closes(c_[i - 2]);  // an opening bar
        return !closes(before) && before != U'²' && before != U'³' && before != U'°';
    }

    // The lowered digits of an index (n₀).
    static const char* subscript(char32_t ch) {
        static constexpr const char* kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        return ch >= U'₀' && ch <= U'₉' ? kDigits[ch - U'₀'] : nullptr;
    }

    static void appendSymbol(char32_t ch, std::string& out) {
        for (const MathSymbol& symbol : kMathSymbols)
            if (symbol.c == ch) {
                out += symbol.tex;
                return;
            }
        if (ch < 0x80 && ch >= 0x20) {
            out += char(ch);
            return;
        }
        std::string utf8;
        appendUtf8(utf8, ch);
        out += "\\text{" + texText(utf8) + "}";
    }

    static constexpr int kMaxDepth = 16;
    std::vector<char32_t> c_;
    std::vector<std::size_t> close_;  // of each "(": its ")", or kNone
    mutable int depth_ = 0;
};

std::string math(std::string_view text) { return MathText(text).convert(); }

std::string matrix(const char* kind, const std::vector<std::string>& cells, std::size_t columns) {
    std::string out = std::string("\\begin{") + kind + "}";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out += math(cells[i]);
        if (i + 1 < cells.size()) out += (i + 1) % columns == 0 ? " \\\\ " : " & ";
    }
    return out + "\\end{" + kind + "}";
}

std::string formulaPiece(const FormulaPiece& piece) {
    switch (piece.kind) {
    case FormulaPiece::Kind::Text:
        return math(piece.texts.at(0));
    case FormulaPiece::Kind::Vector: {
        // A vector's name is a name of points (OA, AB'), however many letters.
        const std::string& text = piece.texts.at(0);
        const bool letters = std::all_of(text.begin(), text.end(), [](char ch) {
            return std::isalpha(static_cast<unsigned char>(ch)) || ch == '\'';
        });
        const std::string name = letters ? text : math(text);
        return (codePoints(piece.texts.at(0)).size() == 1 ? "\\vec{" : "\\overrightarrow{") + name + "}";
    }
    case FormulaPiece::Kind::Column:
        return matrix("pmatrix", piece.texts, 1);
    case FormulaPiece::Kind::Determinant:
        return matrix("vmatrix", piece.texts, 3);
    }
    return {};
}

// A column vector's rows in the area's glyphs (from a file without blocks,
// or an edited block), with bars for the bracket pieces: "|3|" reads as a
// row of a column, where TeX's fonts have no such pieces.
std::string withoutBracketPieces(std::string_view line) {
    std::string out;
    for (char32_t c : codePoints(line))
        appendUtf8(out, c == U'⎧' || c == U'⎫' || c == U'⎩' || c == U'⎭' || c == U'⎪' || c == U'⎟' ? U'|' : c);
    return out;
}

bool isBlank(std::string_view text) { return text.find_first_not_of(" \n") == std::string_view::npos; }

}  // namespace

std::string latexMath(std::string_view text) { return math(text); }

std::string latexOfItem(const OutputItem& item) {
    if (item.isFormula()) {
        std::string out = "\\noindent$\\displaystyle ";
        for (const FormulaPiece& piece : item.formula) out += formulaPiece(piece);
        return out + "$\\par\n";
    }
    if (isBlank(item.text)) return "\\medskip\n";
    return "\\noindent$" + math(item.text) + "$\\par\n";
}

std::string latexOfSegment(std::string_view text, const OutputSegment& segment) {
    if (!segment.block) {
        std::string_view line = text.substr(segment.begin, segment.end - segment.begin);
        if (isBlank(line)) return "\\medskip\n";
        line.remove_prefix(line.find_first_not_of(' '));
        line.remove_suffix(line.size() - 1 - line.find_last_not_of(" \n"));
        return "\\noindent " + texText(withoutBracketPieces(line)) + "\\par\n";
    }
    std::string out;
    for (const OutputItem& item : segment.block->items) out += latexOfItem(item);
    return out;
}

std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks) {
    return outputLatex(text, blocks, 0, text.size());
}

std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks, std::size_t from,
                        std::size_t to) {
    std::string out = "% Spatium-Ausgaben; die Präambel braucht \\usepackage{amsmath}\n";
    for (const OutputSegment& segment : segmentOutput(text, blocks))
        if (segment.begin < to && segment.end > from) out += latexOfSegment(text, segment);
    return out;
}
