#pragma once
// Small numeric tools shared by the evaluator, the geometry kernel and the
// result texts: fractions by continued fractions, gcd/lcm, rounding and the
// German text form of numbers.
#include <cstdint>
#include <string>

#include "core/numbers/Real.h"

// Result of the continued-fraction approximation: p/q with q > 0 on success,
// the sign carried by p. On failure p = 0, q = 1 and ok = false.
struct Fraction {
    bool ok = false;
    std::int32_t p = 0;
    std::int32_t q = 1;
};

Fraction ToFraction(Real x);
bool IsWholeNumber(Real x);
// Replaces a by p and b by q of ToFraction(a / b); leaves both alone on failure.
bool ReduceQuotient(Real& a, Real& b);

// 32-bit gcd/lcm. Lcm is computed in 64 bits: callers that need a 32-bit
// result check the range themselves (see LcmFits32).
std::int32_t Gcd(std::int32_t a, std::int32_t b);
std::int32_t Gcd3(std::int32_t a, std::int32_t b, std::int32_t c);
std::int64_t Lcm(std::int64_t a, std::int64_t b);
std::int64_t Lcm3(std::int64_t a, std::int64_t b, std::int64_t c);
// True when an Lcm/Lcm3 result is a valid 32-bit whole number. Lcm saturates
// at the 64-bit limits, so an overflowing product never looks valid.
bool LcmFits32(std::int64_t lcm);

Real DegToRad(Real degrees);
Real RadToDeg(Real radians);

// x rounded to d decimals through a 64-bit double, ties to even. Values the
// double cannot hold (beyond its range) and infinities/NaN come back unchanged.
Real RoundToDigits(Real x, int d);
// General format, 15 significant digits, decimal comma ('2,5', '1E-5', '1,5E20').
// Infinity and NaN are never printed as such: they give NonFiniteNumberText,
// so a failed computation shows up as a German word, not as 'inf' or 'nan'.
inline constexpr const char* NonFiniteNumberText = "nicht berechenbar";
std::string NumberText(Real x);
// NumberText(RoundToDigits(x, d)).
std::string RoundedText(int d, Real x);
void SwapIntegers(int& a, int& b);
