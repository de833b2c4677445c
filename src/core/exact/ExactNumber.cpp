#include "core/exact/ExactNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "core/geometry/VectorOps.h"
#include "core/numbers/DecimalConversion.h"
#include "core/numbers/NumberReader.h"

namespace exact {

Number Number::exact(const mpq_class& q) {
    Number n;
    n.q_ = q;
    n.q_.canonicalize();
    return n;
}

Number Number::approximation(const mpq_class& q) {
    Number n = exact(q);
    n.exact_ = false;
    n.terms_ = std::fabs(n.toReal());
    return n;
}

Number Number::decimal(Real x) {
    Number n;
    n.exact_ = false;
    if (x == 0 || !std::isfinite(x)) return n;
    // x = m·2^e with 1/2 <= |m| < 1: 64 bits of mantissa, exactly.
    int e = 0;
    const Real m = std::frexp(std::fabs(x), &e);
    mpz_class mantissa;
    mpz_set_ui(mantissa.get_mpz_t(), static_cast<unsigned long>(std::ldexp(m, 64)));
    mpq_class value(mantissa);
    const long shift = static_cast<long>(e) - 64;
    if (shift >= 0)
        mpq_mul_2exp(value.get_mpq_t(), value.get_mpq_t(), static_cast<mp_bitcnt_t>(shift));
    else
        mpq_div_2exp(value.get_mpq_t(), value.get_mpq_t(), static_cast<mp_bitcnt_t>(-shift));
    n.q_ = x < 0 ? mpq_class(-value) : value;
    n.terms_ = std::fabs(x);
    return n;
}

Real Number::toReal() const { return rationalToReal(q_); }

int Number::sign() const {
    if (!exact_ && std::fabs(toReal()) < kZeroTolerance * std::max<Real>(1, terms_)) return 0;
    return sgn(q_);
}

Real Number::termMagnitude() const { return exact_ ? std::fabs(toReal()) : terms_; }

bool Number::isWhole() const { return exact_ && q_.get_den() == 1; }

Number Number::operator-() const {
    Number n = *this;
    n.q_ = -q_;
    return n;
}

bool withinExactBound(const mpq_class& q) {
    return mpz_sizeinbase(q.get_num_mpz_t(), 2) <= kMaxExactBits && mpz_sizeinbase(q.get_den_mpz_t(), 2) <= kMaxExactBits;
}

namespace {

// A value far beyond what any working's few steps make from bounded
// inputs; past it a number is rounded, so no chain of steps can grow the
// arithmetic without end.
constexpr std::size_t kMaxWorkingBits = 16 * kMaxExactBits;

mpq_class rounded(const mpq_class& value) {
    if (mpz_sizeinbase(value.get_num_mpz_t(), 2) <= kMaxWorkingBits &&
        mpz_sizeinbase(value.get_den_mpz_t(), 2) <= kMaxWorkingBits)
        return value;
    mpf_class f(value, 256);
    mpq_class rounded;
    mpq_set_f(rounded.get_mpq_t(), f.get_mpf_t());
    return rounded;
}

// The magnitude of the terms of a + b: the larger of the two operands'
// terms. A product or a quotient is one term, its own magnitude: the
// decimals are computed on their binary values exactly, so what a sum of
// products may lose is the rounding of the inputs against the largest of
// its terms, not the history of each factor.
enum class Combination { Sum, Product, Quotient };

Real termsOf(const Number& a, const Number& b, Combination how) {
    if (how == Combination::Sum) return std::max(a.termMagnitude(), b.termMagnitude());
    return 0;
}

}  // namespace

Number Number::combined(const Number& a, const Number& b, const mpq_class& value, int how) {
    if (a.isExact() && b.isExact() && withinExactBound(value)) return Number::exact(value);
    Number n = Number::approximation(rounded(value));
    const Real terms = termsOf(a, b, Combination(how));
    // A magnitude beyond the extended range leaves the number's own.
    if (std::isfinite(terms)) n.terms_ = std::max(n.terms_, terms);
    return n;
}

Number operator+(const Number& a, const Number& b) {
    return Number::combined(a, b, a.q_ + b.q_, int(Combination::Sum));
}

Number operator-(const Number& a, const Number& b) {
    return Number::combined(a, b, a.q_ - b.q_, int(Combination::Sum));
}

Number operator*(const Number& a, const Number& b) {
    // Nothing times an exact 0 is 0 exactly: a decimal component does not
    // spoil a product it plays no part in.
    if ((a.exact_ && sgn(a.q_) == 0) || (b.exact_ && sgn(b.q_) == 0)) return Number();
    return Number::combined(a, b, a.q_ * b.q_, int(Combination::Product));
}

Number operator/(const Number& a, const Number& b) {
    if (sgn(b.q_) == 0) return Number::approximation(0);
    return Number::combined(a, b, a.q_ / b.q_, int(Combination::Quotient));
}

bool sameValue(const Number& a, const Number& b) { return (a - b).isZero(); }

Real rationalToReal(const mpq_class& q) {
    if (sgn(q) == 0) return 0;
    // Far beyond the extended range (2^16384): infinite or 0 without
    // building huge powers of two.
    const long bits = static_cast<long>(mpz_sizeinbase(q.get_num_mpz_t(), 2)) -
                      static_cast<long>(mpz_sizeinbase(q.get_den_mpz_t(), 2));
    if (bits > 20000) return sgn(q) * std::numeric_limits<Real>::infinity();
    if (bits < -20000) return 0;
    const mpz_class n = abs(q.get_num());
    const mpz_class& d = q.get_den();
    // Scale so that the integer quotient has 66 or 67 bits, keep its top 64
    // bits rounded to nearest (ties to even) and put the exponent back.
    const long magnitude = static_cast<long>(mpz_sizeinbase(n.get_mpz_t(), 2)) -
                           static_cast<long>(mpz_sizeinbase(d.get_mpz_t(), 2));
    const long shift = 66 - magnitude;
    mpz_class numerator = n, denominator = d;
    if (shift >= 0)
        mpz_mul_2exp(numerator.get_mpz_t(), n.get_mpz_t(), static_cast<mp_bitcnt_t>(shift));
    else
        mpz_mul_2exp(denominator.get_mpz_t(), d.get_mpz_t(), static_cast<mp_bitcnt_t>(-shift));
    mpz_class scaled, remainder;
    mpz_fdiv_qr(scaled.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    long drop = static_cast<long>(mpz_sizeinbase(scaled.get_mpz_t(), 2)) - 64;
    mpz_class top, low;
    mpz_fdiv_q_2exp(top.get_mpz_t(), scaled.get_mpz_t(), static_cast<mp_bitcnt_t>(drop));
    mpz_fdiv_r_2exp(low.get_mpz_t(), scaled.get_mpz_t(), static_cast<mp_bitcnt_t>(drop));
    mpz_class half;
    mpz_ui_pow_ui(half.get_mpz_t(), 2, static_cast<unsigned long>(drop - 1));
    const int c = cmp(low, half);
    if (c > 0 || (c == 0 && (sgn(remainder) != 0 || mpz_odd_p(top.get_mpz_t())))) {
        ++top;
        if (mpz_sizeinbase(top.get_mpz_t(), 2) > 64) {
            top >>= 1;
            ++drop;
        }
    }
    const Real value = std::ldexp(static_cast<Real>(mpz_get_ui(top.get_mpz_t())), static_cast<int>(drop - shift));
    return sgn(q) < 0 ? -value : value;
}

namespace {

// Values whose numerator or denominator reach this many digits are beyond
// the exact range: the working shows them as decimals.
constexpr std::size_t kExactDigits = 30;

// The exact value of one decimal of the number reader's grammar (with '.'
// as its separator), or nothing where the grammar rejects it or the value
// lies far beyond the exact range.
std::optional<mpq_class> exactDecimal(std::string_view text) {
    const DecimalSyntax syntax = scanDecimal(text);
    if (!syntax.ok) return std::nullopt;
    std::string digits;
    long fractionDigits = 0;
    bool seenPoint = false;
    for (std::size_t i = syntax.mantissaStart; i < syntax.mantissaEnd; ++i) {
        if (text[i] == '.') {
            seenPoint = true;
            continue;
        }
        if (!(digits.empty() && text[i] == '0')) digits.push_back(text[i]);
        if (seenPoint) ++fractionDigits;
    }
    long exponent = 0;
    if (syntax.exponentIndex != std::string_view::npos) {
        std::size_t i = syntax.exponentIndex + 1;
        const bool negativeExponent = text[i] == '-';
        if (text[i] == '+' || text[i] == '-') ++i;
        for (; i < text.size(); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > 100000) return std::nullopt;
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (digits.empty()) return mpq_class(0);
    const long scale = exponent - fractionDigits;
    // Only values that can lie within the exact range are built at all.
    if (digits.size() + static_cast<std::size_t>(scale > 0 ? scale : 0) > 2 * kExactDigits ||
        (scale < 0 && static_cast<std::size_t>(-scale) > 2 * kExactDigits))
        return std::nullopt;
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale < 0 ? -scale : scale));
    mpq_class value(mpz_class(digits, 10));
    if (scale >= 0)
        value *= power;
    else
        value /= power;
    value.canonicalize();
    if (syntax.negative) value = -value;
    return value;
}

bool withinExactRange(const mpq_class& q) {
    return mpz_class(abs(q.get_num())).get_str().size() < kExactDigits && q.get_den().get_str().size() < kExactDigits;
}

}  // namespace

std::optional<mpq_class> exactFieldValue(std::string_view input) {
    // Exactly the texts the number reader takes, nothing more.
    if (!parseNumberOrFraction(input).ok) return std::nullopt;
    std::string text(input);
    for (char& c : text)
        if (c == ',') c = '.';
    const std::size_t slash = text.find('/');
    std::optional<mpq_class> value = exactDecimal(std::string_view(text).substr(0, slash));
    if (!value) return std::nullopt;
    if (slash != std::string::npos) {
        const std::optional<mpq_class> denominator = exactDecimal(std::string_view(text).substr(slash + 1));
        if (!denominator || sgn(*denominator) == 0) return std::nullopt;
        *value /= *denominator;
    }
    if (!withinExactRange(*value)) return std::nullopt;
    return value;
}

Number approxSquareRoot(const Number& square) {
    mpf_class root(abs(square.rational()), 256);
    root = sqrt(root);
    mpq_class value;
    mpq_set_f(value.get_mpq_t(), root.get_mpf_t());
    return Number::approximation(value);
}

std::optional<Number> exactSquareRoot(const Number& square) {
    if (!square.isExact() || square.sign() < 0) return std::nullopt;
    const mpz_class& n = square.rational().get_num();
    const mpz_class& d = square.rational().get_den();
    if (!mpz_perfect_square_p(n.get_mpz_t()) || !mpz_perfect_square_p(d.get_mpz_t())) return std::nullopt;
    return Number::exact(mpq_class(sqrt(n), sqrt(d)));
}

}  // namespace exact
