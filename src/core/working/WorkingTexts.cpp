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

std::string toText(const Vec& v) { return "(" + toText(v[0]) + "|" + toText(v[1]) + "|" + toText(v[2]) + ")"; }

std::array<std::string, 3> columnTexts(const Vec& v) { return alignComponentTexts({toText(v[0]), toText(v[1]), toText(v[2])}); }

bool shownExactly(const Number& n) { return fitsAsFraction(n); }

std::string equalsText(const Number& n) { return (shownExactly(n) ? "= " : "≈ ") + toText(n); }

std::string equalsText(const Vec& v) {
    const bool exact = shownExactly(v[0]) && shownExactly(v[1]) && shownExactly(v[2]);
    return (exact ? "= " : "≈ ") + toText(v);
}

namespace {

// Draws the square factors out of n > 0: returns k with n = k²·m and leaves
// m in n. Primes below 2^16 are divided out one by one; what remains then
// has at most two prime factors when it is below the cube of the last one
// tried, so that it is a square or free of squares. Only a remainder beyond
// that (n above about 2^48) may keep a square factor under the root.
mpz_class drawSquares(mpz_class& n) {
    constexpr unsigned long kLastDivisor = 65536;
    mpz_class k = 1, rest = n;
    for (unsigned long p = 2; p < kLastDivisor; p += (p == 2 ? 1 : 2)) {
        if (mpz_class(p) * p * p > rest) break;
        unsigned exponent = 0;
        while (mpz_divisible_ui_p(rest.get_mpz_t(), p) != 0) {
            mpz_divexact_ui(rest.get_mpz_t(), rest.get_mpz_t(), p);
            ++exponent;
        }
        for (unsigned i = 0; i < exponent / 2; ++i) k *= p;
    }
    if (rest > 1 && mpz_perfect_square_p(rest.get_mpz_t()) != 0) k *= sqrt(rest);
    n /= k * k;
    return k;
}

}  // namespace

std::optional<std::string> exactRootText(const Number& square) {
    if (!fitsAsFraction(square) || square.sign() < 0) return std::nullopt;
    if (const std::optional<Number> root = exactSquareRoot(square)) {
        if (!fitsAsFraction(*root)) return std::nullopt;
        return toText(*root);
    }
    // √(a/b) = √(a·b) / b, and a·b = k²·m.
    const mpq_class& q = square.rational();
    mpz_class radicand = q.get_num() * q.get_den();
    const mpz_class k = drawSquares(radicand);
    const Number coefficient = Number::exact(mpq_class(k, q.get_den()));
    const std::string root = std::string(symbolGlyphText(SymbolGlyph::Radical)) + "(" + radicand.get_str() + ")";
    if (!fitsAsFraction(coefficient) || utf8Length(radicand.get_str()) > kMaxFractionLength) return std::nullopt;
    if (coefficient.rational() == 1) return root;
    return toText(coefficient) + std::string(symbolGlyphText(SymbolGlyph::Dot)) + root;
}

std::string rootText(const Number& square) {
    if (const std::optional<Number> root = exactSquareRoot(square)) return toText(*root);
    // A decimal radicand, or one too long for a fraction, gives a decimal root.
    if (!fitsAsFraction(square)) return decimalText(approxSquareRoot(square));
    return std::string(symbolGlyphText(SymbolGlyph::Radical)) + "(" + toText(square) + ")";
}

std::string rootWithValue(const Number& square) {
    std::string root = rootText(square);
    if (root.find(symbolGlyphText(SymbolGlyph::Radical)) == std::string::npos) return root;
    if (const std::optional<std::string> drawn = exactRootText(square); drawn && *drawn != root) root += " = " + *drawn;
    return root + " ≈ " + toText(approxSquareRoot(square));
}

std::string equalsRoot(const Number& square) {
    const bool decimal = !exactSquareRoot(square) && !fitsAsFraction(square);
    return (decimal ? "≈ " : "= ") + rootWithValue(square);
}

std::string approxText(Real x, int digits) { return "≈ " + resultText(digits, x); }

std::string divisorText(const std::string& text) {
    // Outside brackets and bars, anything but digits, a comma and a root
    // makes the divisor a term of its own.
    const std::string_view dot = symbolGlyphText(SymbolGlyph::Dot);
    int depth = 0;
    bool inBars = false;
    bool term = !text.empty() && text.front() == '-';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '(') ++depth;
        if (ch == ')') --depth;
        if (ch == '|' && depth == 0) inBars = !inBars;
        if (depth > 0 || inBars) continue;
        if (ch == '/' || ch == ' ' || ch == '+' || ch == '-' || text.compare(i, dot.size(), dot) == 0) term = true;
    }
    return term ? "(" + text + ")" : text;
}

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

std::string minusText(const std::string& term, const Number& c) {
    if (c.isZero()) return term;
    std::string sum = term;
    appendSummand(sum, toText(-c));
    return sum;
}

std::string productsText(const std::vector<std::array<Number, 2>>& products) {
    std::string sum;
    const std::string dot(symbolGlyphText(SymbolGlyph::Dot));
    for (const auto& [a, b] : products) appendSummand(sum, toText(a) + dot + factorText(b));
    return sum;
}

}  // namespace working
