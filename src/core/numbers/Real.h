#pragma once
// The one real type of the program: every coordinate, projection and result
// is computed in x87 80-bit extended precision.
#include <limits>

using Real = long double;

static_assert(std::numeric_limits<Real>::digits == 64,
              "Spatium needs 80-bit extended long double (64-bit mantissa)");
static_assert(std::numeric_limits<Real>::max_exponent == 16384,
              "Spatium needs 80-bit extended long double (15-bit exponent)");
