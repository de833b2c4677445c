#pragma once
// The numbers of the verdicts and the working: exact fractions where the inputs are exact,
// decimals where an input has no exact form (a formula such as w(2), a field
// whose value disagrees with what the calculation uses, a value beyond the
// exact range). Arithmetic with a decimal gives a decimal. A decimal keeps
// the exact binary value of its extended real and computes on from there,
// so no working overflows where the extended range would end; only its
// text is a rounded decimal.
#include <gmpxx.h>

#include <optional>
#include <string_view>

#include "core/numbers/Real.h"

namespace exact {

// Exact numbers are kept to this many bits in numerator and denominator.
// Inputs beyond it (a formula of g such as 9^64^64^64) have no exact value,
// and the working goes on with decimals instead of growing without end.
inline constexpr std::size_t kMaxExactBits = 4096;
bool withinExactBound(const mpq_class& q);

// What the working says when an input is too large to be kept exactly.
inline constexpr char kBeyondExactBoundSentence[] =
    "Zu große Zahlen: es wird mit Dezimalzahlen weitergerechnet.";

class Number {
public:
    Number() = default;  // exact 0
    Number(long whole) : q_(whole) {}  // NOLINT: whole numbers read naturally in formulas
    static Number exact(const mpq_class& q);
    // A finite extended real (anything else counts as 0: the readers never
    // store one).
    static Number decimal(Real x);
    // A value known only approximately, given by a fraction near it.
    static Number approximation(const mpq_class& q);

    bool isExact() const { return exact_; }
    // The value as a fraction in lowest terms: exact, or the binary value
    // of a decimal.
    const mpq_class& rational() const { return q_; }
    // The nearest extended real; infinite beyond the extended range.
    Real toReal() const;
    // -1, 0 or 1. An exact number has its own sign. A decimal counts as 0
    // when |x| < 1E-12 · max(1, m), m the largest magnitude among the terms
    // of the sum it was made as (a product or quotient is one term): the
    // rounding of inputs such as w(2) leaves a residue that grows with its
    // terms, so an absolute bound would call large parallel vectors skew.
    int sign() const;
    bool isZero() const { return sign() == 0; }
    // An exact whole number.
    bool isWhole() const;
    Number abs() const { return sign() < 0 ? -*this : *this; }

    friend Number operator+(const Number& a, const Number& b);
    friend Number operator-(const Number& a, const Number& b);
    friend Number operator*(const Number& a, const Number& b);
    // The caller makes sure that b is not zero (the working states why it
    // cannot divide instead of dividing by zero); an exact 0 divisor gives a
    // decimal 0 rather than a crash.
    friend Number operator/(const Number& a, const Number& b);
    Number operator-() const;

    // The largest magnitude among the terms of the sum that made this number
    // (its own magnitude for an input, a product or a quotient).
    Real termMagnitude() const;

private:
    // a ∘ b with the value already computed; `how` is a Combination.
    static Number combined(const Number& a, const Number& b, const mpq_class& value, int how);

    bool exact_ = true;
    mpq_class q_;
    Real terms_ = 0;  // termMagnitude of a decimal; an exact number uses |q_|
};

// a - b is zero (exactly, or within the tolerance for decimals).
bool sameValue(const Number& a, const Number& b);

// The nearest extended real to a fraction (correct to the last bit but one).
Real rationalToReal(const mpq_class& q);

// The value of a field text exactly as the number reader reads it (decimal
// comma or point, exponent, one fraction bar), or nothing when the reader
// rejects the text or the value lies beyond the exact range (numerator or
// denominator of 30 digits or more).
std::optional<mpq_class> exactFieldValue(std::string_view text);

// A perfect square of a fraction gives its root.
std::optional<Number> exactSquareRoot(const Number& square);
// The root of |square| to well beyond the digits shown, as a decimal.
Number approxSquareRoot(const Number& square);

}  // namespace exact
