#include "core/working/WorkingTexts.h"

#include <cmath>

#include "core/output/OutputLog.h"
#include "core/output/ResultNumbers.h"
#include "core/geometry/VectorOps.h"

namespace working {

namespace {

std::string DecimalText(Real x) {
    if (x != 0 && std::fabs(x) < 0.0005L) return ResultNumberText(x);
    return ResultText(3, x);
}

// 15 significant digits in the general format's scientific form, for a
// value beyond the extended range: "1,23456789012346E6021".
std::string BeyondRangeText(const mpq_class& q) {
    const mpf_class value(q, 128);
    mp_exp_t exponent = 0;
    std::string digits = value.get_str(exponent, 10, 15);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.erase(0, 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string text = (negative ? "-" : "") + digits.substr(0, 1);
    if (digits.size() > 1) text += "," + digits.substr(1);
    return text + "E" + std::to_string(exponent - 1);
}

std::string DecimalText(const Number& n) {
    const Real x = n.ToReal();
    if (std::isfinite(x) && (x != 0 || sgn(n.Rational()) == 0)) return DecimalText(x);
    return BeyondRangeText(n.Rational());
}

// An exact number short enough to be written as a fraction.
bool FitsAsFraction(const Number& n) {
    return n.IsExact() && Utf8Length(n.Rational().get_str()) <= kMaxFractionLength;
}

bool NeedsParentheses(const std::string& text) {
    return !text.empty() && (text.front() == '-' || text.find('/') != std::string::npos);
}

}  // namespace

std::string Text(const Number& n) {
    return FitsAsFraction(n) ? n.Rational().get_str() : DecimalText(n);
}

std::string FactorText(const Number& n) {
    const std::string text = Text(n);
    return NeedsParentheses(text) ? "(" + text + ")" : text;
}

std::string SubtrahendText(const Number& n) {
    const std::string text = Text(n);
    return text.front() == '-' ? "(" + text + ")" : text;
}

std::string Text(const Vec& v) { return "(" + Text(v[0]) + "|" + Text(v[1]) + "|" + Text(v[2]) + ")"; }

std::array<std::string, 3> ColumnTexts(const Vec& v) { return AlignComponentTexts({Text(v[0]), Text(v[1]), Text(v[2])}); }

std::string RootText(const Number& square) {
    if (const std::optional<Number> root = ExactSquareRoot(square)) return Text(*root);
    // A decimal radicand, or one too long for a fraction, gives a decimal root.
    if (!FitsAsFraction(square)) return DecimalText(ApproxSquareRoot(square));
    return std::string(SymbolGlyphText(SymbolGlyph::Radical)) + "(" + Text(square) + ")";
}

std::string RootWithValue(const Number& square) {
    const std::string root = RootText(square);
    if (root.find(SymbolGlyphText(SymbolGlyph::Radical)) == std::string::npos) return root;
    return root + " ≈ " + Text(ApproxSquareRoot(square));
}

std::string ApproxText(Real x, int digits) { return "≈ " + ResultText(digits, x); }

namespace {

std::string TermText(const Term& term) {
    if (term.name.empty()) return Text(term.coefficient);
    if (term.coefficient.IsExact() && term.coefficient.Rational() == 1) return term.name;
    if (term.coefficient.IsExact() && term.coefficient.Rational() == -1) return "-" + term.name;
    const std::string k = Text(term.coefficient);
    // A dot where the factors would run together: after a fraction, before
    // a bracket or a name of more than one character ("2·n2").
    const bool dot = k.find('/') != std::string::npos || term.name.front() == '(' || Utf8Length(term.name) > 1;
    return k + (dot ? std::string(SymbolGlyphText(SymbolGlyph::Dot)) : std::string()) + term.name;
}

// Appends "+ text" or "- text" (without its own minus sign) to a sum.
void AppendSummand(std::string& sum, const std::string& text) {
    if (sum.empty()) {
        sum = text;
    } else if (text.front() == '-') {
        sum += " - " + text.substr(1);
    } else {
        sum += " + " + text;
    }
}

}  // namespace

std::string LinearText(const std::vector<Term>& terms) {
    std::string sum;
    for (const Term& term : terms)
        if (!term.coefficient.IsZero()) AppendSummand(sum, TermText(term));
    return sum.empty() ? "0" : sum;
}

std::string LinearText(const Number& a, const char* first, const Number& b, const char* second) {
    return LinearText({{a, first}, {b, second}});
}

std::string ProductsText(const std::vector<std::array<Number, 2>>& products) {
    std::string sum;
    const std::string dot(SymbolGlyphText(SymbolGlyph::Dot));
    for (const auto& [a, b] : products) AppendSummand(sum, Text(a) + dot + FactorText(b));
    return sum;
}

}  // namespace working
