#include "core/working/WorkingTexts.h"

#include <cmath>

#include "core/output/OutputLog.h"
#include "core/output/ResultNumbers.h"
#include "core/geometry/VectorOps.h"

namespace working {

namespace {

std::string decimalText(Real x) {
    if (x != 0 && std::fabs(x) < 0.0005L) return resultNumberText(x);
    return resultText(3, x);
}

// 15 significant digits in the general format's scientific form, for a
// value beyond the extended range: "1,23456789012346E6021".
std::string beyondRangeText(const mpq_class& q) {
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

std::string decimalText(const Number& n) {
    const Real x = n.toReal();
    if (std::isfinite(x) && (x != 0 || sgn(n.rational()) == 0)) return decimalText(x);
    return beyondRangeText(n.rational());
}

// An exact number short enough to be written as a fraction.
bool fitsAsFraction(const Number& n) {
    return n.isExact() && utf8Length(n.rational().get_str()) <= kMaxFractionLength;
}

bool needsParentheses(const std::string& text) {
    return !text.empty() && (text.front() == '-' || text.find('/') != std::string::npos);
}

}  // namespace

std::string toText(const Number& n) {
    return fitsAsFraction(n) ? n.rational().get_str() : decimalText(n);
}

std::string factorText(const Number& n) {
    const std::string text = toText(n);
    return needsParentheses(text) ? "(" + text + ")" : text;
}

std::string subtrahendText(const Number& n) {
    const std::string text = toText(n);
    return text.front() == '-' ? "(" + text + ")" : text;
}

std::string toText(const Vec& v) { return "(" + toText(v[0]) + "|" + toText(v[1]) + "|" + toText(v[2]) + ")"; }

std::array<std::string, 3> columnTexts(const Vec& v) { return alignComponentTexts({toText(v[0]), toText(v[1]), toText(v[2])}); }

std::string rootText(const Number& square) {
    if (const std::optional<Number> root = exactSquareRoot(square)) return toText(*root);
    // A decimal radicand, or one too long for a fraction, gives a decimal root.
    if (!fitsAsFraction(square)) return decimalText(approxSquareRoot(square));
    return std::string(symbolGlyphText(SymbolGlyph::Radical)) + "(" + toText(square) + ")";
}

std::string rootWithValue(const Number& square) {
    const std::string root = rootText(square);
    if (root.find(symbolGlyphText(SymbolGlyph::Radical)) == std::string::npos) return root;
    return root + " ≈ " + toText(approxSquareRoot(square));
}

std::string approxText(Real x, int digits) { return "≈ " + resultText(digits, x); }

namespace {

std::string termText(const Term& term) {
    if (term.name.empty()) return toText(term.coefficient);
    if (term.coefficient.isExact() && term.coefficient.rational() == 1) return term.name;
    if (term.coefficient.isExact() && term.coefficient.rational() == -1) return "-" + term.name;
    const std::string k = toText(term.coefficient);
    // A dot where the factors would run together: after a fraction, before
    // a bracket or a name of more than one character ("2·n2").
    const bool dot = k.find('/') != std::string::npos || term.name.front() == '(' || utf8Length(term.name) > 1;
    return k + (dot ? std::string(symbolGlyphText(SymbolGlyph::Dot)) : std::string()) + term.name;
}

// Appends "+ text" or "- text" (without its own minus sign) to a sum.
void appendSummand(std::string& sum, const std::string& text) {
    if (sum.empty()) {
        sum = text;
    } else if (text.front() == '-') {
        sum += " - " + text.substr(1);
    } else {
        sum += " + " + text;
    }
}

}  // namespace

std::string linearText(const std::vector<Term>& terms) {
    std::string sum;
    for (const Term& term : terms)
        if (!term.coefficient.isZero()) appendSummand(sum, termText(term));
    return sum.empty() ? "0" : sum;
}

std::string linearText(const Number& a, const char* first, const Number& b, const char* second) {
    return linearText({{a, first}, {b, second}});
}

std::string productsText(const std::vector<std::array<Number, 2>>& products) {
    std::string sum;
    const std::string dot(symbolGlyphText(SymbolGlyph::Dot));
    for (const auto& [a, b] : products) appendSummand(sum, toText(a) + dot + factorText(b));
    return sum;
}

}  // namespace working
