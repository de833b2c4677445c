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

Fraction toFraction(Real x);
bool isWholeNumber(Real x);
// Replaces a by p and b by q of toFraction(a / b); leaves both alone on failure.
bool reduceQuotient(Real& a, Real& b);

// 32-bit gcd/lcm. Lcm is computed in 64 bits: callers that need a 32-bit
// result check the range themselves (see lcmFits32).
std::int32_t gcd(std::int32_t a, std::int32_t b);
std::int32_t gcd3(std::int32_t a, std::int32_t b, std::int32_t c);
std::int64_t lcm(std::int64_t a, std::int64_t b);
std::int64_t lcm3(std::int64_t a, std::int64_t b, std::int64_t c);
// True when an Lcm/lcm3 result is a valid 32-bit whole number. Lcm saturates
// at the 64-bit limits, so an overflowing product never looks valid.
bool lcmFits32(std::int64_t lcm);

Real degToRad(Real degrees);
Real radToDeg(Real radians);

// x rounded to d decimals through a 64-bit double, ties to even. Values the
// double cannot hold (beyond its range) and infinities/NaN come back unchanged.
Real roundToDigits(Real x, int d);
// General format, 15 significant digits, decimal comma ('2,5', '1E-5', '1,5E20').
// Infinity and NaN are never printed as such: they give kNonFiniteNumberText,
// so a failed computation shows up as a German word, not as 'inf' or 'nan'.
inline constexpr const char* kNonFiniteNumberText = "nicht berechenbar";
std::string numberText(Real x);
// numberText(roundToDigits(x, d)).
std::string roundedText(int d, Real x);
void swapIntegers(int& a, int& b);
