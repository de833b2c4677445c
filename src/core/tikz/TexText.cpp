#include "core/tikz/TexText.h"

#include <string_view>
#include <vector>

namespace {
constexpr char32_t kInvalid = 0xFFFD;
}  // namespace

std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k < length; ++k) {
            const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (length == 0 || c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(kInvalid);
            ++i;
            continue;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

namespace {

struct TexSymbol {
    char32_t c;
    const char* tex;
};

// Characters that need a command. Math mode serves where the default
// (OT1) text fonts lack a glyph: it never falls back to fonts that exist
// only as bitmaps, and it keeps `"` and `~` safe from babel's shorthands.
constexpr TexSymbol kSymbols[] = {
    {U'\\', "$\\backslash$"}, {U'{', "$\\{$"}, {U'}', "$\\}$"}, {U'$', "$\\$$"},
    {U'&', "\\&"}, {U'#', "\\#"}, {U'^', "\\textasciicircum{}"}, {U'_', "\\_"},
    {U'%', "\\%"}, {U'~', "$\\sim$"}, {U'<', "$<$"}, {U'>', "$>$"},
    {U'|', "$|$"}, {U'"', "{\\ttfamily\\char34}"},
    // The program's own symbols.
    {U'λ', "$\\lambda$"}, {U'μ', "$\\mu$"}, {U'α', "$\\alpha$"}, {U'β', "$\\beta$"},
    {U'γ', "$\\gamma$"}, {U'δ', "$\\delta$"}, {U'π', "$\\pi$"}, {U'φ', "$\\varphi$"},
    {U'°', "$^\\circ$"}, {U'²', "$^2$"}, {U'³', "$^3$"}, {U'·', "$\\cdot$"},
    {U'∠', "$\\angle$"}, {U'×', "$\\times$"}, {U'∩', "$\\cap$"}, {U'√', "$\\surd$"},
    {U'±', "$\\pm$"}, {U'∞', "$\\infty$"}, {U'≈', "$\\approx$"}, {U'≠', "$\\neq$"},
    {U'≤', "$\\leq$"}, {U'≥', "$\\geq$"}, {U'∈', "$\\in$"}, {U'⊥', "$\\perp$"},
    {U'∥', "$\\parallel$"},
    {U'→', "$\\rightarrow$"}, {U'←', "$\\leftarrow$"}, {U'↑', "$\\uparrow$"},
    {U'↓', "$\\downarrow$"}, {U'↔', "$\\leftrightarrow$"}, {U'⇒', "$\\Rightarrow$"},
    {U'⇐', "$\\Leftarrow$"}, {U'⇔', "$\\Leftrightarrow$"},
    // German typography.
    {U'„', ",\\kern-.02em,"}, {U'“', "``"}, {U'”', "''"}, {U'‚', ","}, {U'‘', "`"},
    {U'’', "'"}, {U'–', "--"}, {U'—', "---"},
    // The default fonts have no euro sign in outline form (TS1 is a bitmap
    // font without cm-super): its meaning stays.
    {U'€', "EUR"},
};

bool isGermanLetter(char32_t c) {
    return c == U'ä' || c == U'ö' || c == U'ü' || c == U'Ä' || c == U'Ö' || c == U'Ü' || c == U'ß';
}

// Pairs that TeX's fonts join into a single glyph (-- into a dash, `` and
// '' into quotes, ,, into a low quote, !` into ¡).
bool formsLigature(char first, char second) {
    if (second == '`' && (first == '!' || first == '?')) return true;
    return first == second && std::string_view("-`',").find(first) != std::string_view::npos;
}

// Appends the TeX text of one character. A pair that would form a ligature
// across two characters is kept apart by an empty group; within the text
// of one character ("--" for an en dash) it is meant.
void appendPiece(std::string& out, std::string_view piece) {
    if (!out.empty() && !piece.empty() && formsLigature(out.back(), piece.front())) out += "{}";
    out += piece;
}

}  // namespace

std::string texText(const std::string& utf8) {
    const std::vector<char32_t> text = codePoints(utf8);
    std::string out;
    out.reserve(utf8.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
        const char32_t previous = i > 0 ? text[i - 1] : 0;
        if (c == U' ') {
            // TeX would drop spaces at the ends and join runs of them.
            out += previous == 0 || previous == U' ' || next == 0 ? "\\ " : " ";
            continue;
        }
        const TexSymbol* symbol = nullptr;
        for (const TexSymbol& s : kSymbols)
            if (s.c == c) symbol = &s;
        if (symbol) {
            appendPiece(out, symbol->tex);
        } else if ((c > 0x20 && c < 0x7F) || isGermanLetter(c)) {
            std::string letter;
            appendUtf8(letter, c);
            appendPiece(out, letter);
        } else {
            appendPiece(out, "?");
        }
    }
    return out;
}

std::string texCommentText(const std::string& utf8) {
    std::string out;
    for (const char32_t c : codePoints(utf8)) {
        if (c == kInvalid) out += '?';
        else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029) out += ' ';
        else appendUtf8(out, c);
    }
    return out;
}
