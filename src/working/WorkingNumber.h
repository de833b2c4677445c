#pragma once
// The numbers of the working: exact fractions where the inputs are exact,
// decimals where an input has no exact form (a formula of the line family,
// a field whose value disagrees with what the calculation uses, a value
// beyond the exact range). Arithmetic with a decimal gives a decimal.
#include <gmpxx.h>

#include <optional>
#include <string_view>

#include "numbers/Real.h"

namespace working {

class Number {
public:
    Number() = default;  // exact 0
    Number(long whole) : q_(whole) {}  // NOLINT: whole numbers read naturally in formulas
    static Number Exact(const mpq_class& q);
    static Number Decimal(Real x);

    bool IsExact() const { return exact_; }
    // The fraction in lowest terms; meaningful only when IsExact().
    const mpq_class& Rational() const { return q_; }
    Real ToReal() const;
    // -1, 0 or 1. A decimal counts as 0 within the kernel's ZeroTolerance,
    // as the calculations below the working decide.
    int Sign() const;
    bool IsZero() const { return Sign() == 0; }
    // An exact whole number.
    bool IsWhole() const;
    Number Abs() const { return Sign() < 0 ? -*this : *this; }

    friend Number operator+(const Number& a, const Number& b);
    friend Number operator-(const Number& a, const Number& b);
    friend Number operator*(const Number& a, const Number& b);
    // The caller makes sure that b is not zero (the working states why it
    // cannot divide instead of dividing by zero).
    friend Number operator/(const Number& a, const Number& b);
    Number operator-() const;

private:
    bool exact_ = true;
    mpq_class q_;
    Real x_ = 0;
};

// a - b is zero (exactly, or within the tolerance for decimals).
bool SameValue(const Number& a, const Number& b);

// The nearest extended real to a fraction (correct to the last bit but one).
Real RationalToReal(const mpq_class& q);

// The value of a field text exactly as the number reader reads it (decimal
// comma or point, exponent, one fraction bar), or nothing when the reader
// rejects the text or the value lies beyond the exact range (numerator or
// denominator of 30 digits or more).
std::optional<mpq_class> ExactFieldValue(std::string_view text);

// A perfect square of a fraction gives its root.
std::optional<Number> ExactSquareRoot(const Number& square);

}  // namespace working
